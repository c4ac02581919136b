// Where the real picture loader finds the die pictures: the working directory first, then
// the game's installed data folder, with the sharp copy beside the picture read; what makes a
// picture unreadable; and what the player is told when neither folder gives a picture.

#include "table/die.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {

QString asset(const QString& name) {
    return QDir(qEnvironmentVariable("PIPFALL_SOURCE_DIR")).filePath("assets/" + name);
}

// Puts into folder what "holds" says of imgdie3.bmp: "die", "die sharp" (with its sharp copy),
// "other" (a 7 by 5 picture, to tell which folder was read), nothing, or the die spoilt:
// "missing", "empty", "cut short", "not a BMP", "huge", "folder" or "pipe".
void fill(const QString& folder, const QString& holds) {
    const QString file = QDir(folder).filePath(QStringLiteral("imgdie3.bmp"));
    if (holds.isEmpty())
        return;
    QVERIFY(QFile::copy(asset(QStringLiteral("imgdie3.bmp")), file));
    QFile picture(file);
    if (holds == u"die sharp") {
        QVERIFY(QFile::copy(asset("imgdie3@2x.png"), QDir(folder).filePath("imgdie3@2x.png")));
    } else if (holds == u"huge") { // the header claims 60,000 by 60,000: 0x0000EA60 each way
        QVERIFY(picture.open(QIODevice::ReadWrite) && picture.seek(18));
        QCOMPARE(picture.write(QByteArray::fromHex("60EA000060EA0000")), 8);
    } else if (holds == u"empty" || holds == u"cut short") {
        QVERIFY(picture.resize(holds == u"empty" ? 0 : 1000));
    } else if (holds != u"die") {
        QVERIFY(picture.remove());
        QImage other(7, 5, QImage::Format_RGB32);
        other.fill(Qt::red);
        if (holds == u"other")
            QVERIFY(other.save(file, "BMP"));
        else if (holds == u"folder")
            QVERIFY(QDir().mkdir(file));
        else if (holds == u"pipe")
            QCOMPARE(::mkfifo(QFile::encodeName(file).constData(), 0644), 0);
        else if (holds == u"not a BMP")
            QVERIFY(picture.open(QIODevice::WriteOnly) && picture.write("GIF89a") == 6);
    }
}

} // namespace

class TestPictures : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { QDir::setCurrent(QDir::tempPath()); }

    // size: the picture read (0 by 0: none); sharp: whether its sharp copy came too; reason:
    // how the fault begins, DATA standing for the data folder.
    void load_data() {
        QTest::addColumn<QString>("here");
        QTest::addColumn<QString>("data");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("sharp");
        QTest::addColumn<QString>("reason");
        const QSize die = QImage(asset(QStringLiteral("imgdie3.bmp"))).size();
        const QSize none(0, 0);
        QTest::newRow("here first") << "other"
                                    << "die sharp" << QSize(7, 5) << false << "";
        QTest::newRow("data folder") << ""
                                     << "die sharp" << die << true << "";
        QTest::newRow("data folder, no sharp copy") << ""
                                                    << "die" << die << false << "";
        QTest::newRow("missing from both")
            << ""
            << "" << none << false << "the file is missing, there and in the folder \"DATA\"";
        // A picture spoilt here is not passed over for the data folder's.
        for (const auto& [damage, reason] :
             std::initializer_list<std::pair<const char*, const char*>>{
                 {"empty", "it is not a readable BMP picture ("},
                 {"cut short", "the file is cut short"},
                 {"not a BMP", "it is not a readable BMP picture ("},
                 {"huge", "the picture claims an impossible size of 60000 by 60000"},
                 {"folder", "it is not a file"},
                 {"pipe", "it is not a file"}})
            QTest::newRow(damage) << damage << "die" << none << false << reason;
    }
    void load() {
        QFETCH(QString, here);
        QFETCH(QString, data);
        QFETCH(QSize, size);
        QFETCH(QString, reason);
        QTemporaryDir working, installed;
        fill(working.path(), here);
        fill(installed.path(), data);
        for (int face : {1, 2, 4, 5, 6}) // the game checks all six faces
            QVERIFY(QFile::copy(asset(dieFileName(face)),
                                QDir(working.path()).filePath(dieFileName(face))));
        QVERIFY(QDir::setCurrent(working.path()));
        FilePictureLoader loader(installed.path());

        QString error;
        QCOMPARE(loader.load(QStringLiteral("imgdie3.bmp"), &error).size(), size);
        QTEST(!loader.loadSharp(QStringLiteral("imgdie3.bmp")).isNull(), "sharp");
        if (!size.isEmpty())
            return;
        reason.replace(QStringLiteral("DATA"), QDir::toNativeSeparators(installed.path()));
        QVERIFY2(error.startsWith(reason), qPrintable(error));
        // The player's message names the picture and the working directory, then why.
        QCOMPARE(checkDiePictures(loader), diePictureFault(QStringLiteral("imgdie3.bmp"), error));
        QVERIFY(diePictureFault(QStringLiteral("imgdie3.bmp"), error)
                    .contains(QDir::toNativeSeparators(working.path())));
    }
};

QTEST_GUILESS_MAIN(TestPictures)
#include "tst_pictures.moc"
