// Where the real picture loader finds the die pictures: the working directory first, then
// the game's installed data folder, with the sharp copy beside the picture read; and what the
// player is told when neither folder gives a picture. (What makes a file unreadable is
// tst_replay's.)

#include "table/die.h"
#include "ui/picturefiles.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString asset(const QString& name) {
    return QDir(qEnvironmentVariable("PIPFALL_SOURCE_DIR"))
        .filePath(QStringLiteral("assets/") + name);
}

// Puts into folder what "holds" says of imgdie3.bmp: "die", "die sharp" (with its sharp copy),
// "other" (a 7 by 5 picture, to tell which folder was read), "spoilt", or nothing.
void fill(const QString& folder, const QString& holds) {
    const QDir dir(folder);
    if (holds.startsWith(u"die"))
        QVERIFY(QFile::copy(asset(QStringLiteral("imgdie3.bmp")),
                            dir.filePath(QStringLiteral("imgdie3.bmp"))));
    if (holds == u"die sharp")
        QVERIFY(QFile::copy(asset(QStringLiteral("imgdie3@2x.png")),
                            dir.filePath(QStringLiteral("imgdie3@2x.png"))));
    QImage other(7, 5, QImage::Format_RGB32);
    other.fill(Qt::red);
    if (holds == u"other")
        QVERIFY(other.save(dir.filePath(QStringLiteral("imgdie3.bmp")), "BMP"));
    QFile spoilt(dir.filePath(QStringLiteral("imgdie3.bmp")));
    if (holds == u"spoilt")
        QVERIFY(spoilt.open(QIODevice::WriteOnly) && spoilt.write("GIF89a") == 6);
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
        QTest::newRow("here first") << "other"
                                    << "die sharp" << QSize(7, 5) << false << "";
        QTest::newRow("data folder") << ""
                                     << "die sharp" << die << true << "";
        QTest::newRow("data folder, no sharp copy") << ""
                                                    << "die" << die << false << "";
        QTest::newRow("missing from both")
            << ""
            << "" << QSize(0, 0) << false
            << "the file is missing, there and in the folder \"DATA\"";
        QTest::newRow("spoilt here, not passed over")
            << "spoilt"
            << "die" << QSize(0, 0) << false << "it is not a readable BMP picture (";
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
