// Where the real picture loader finds the die pictures: the working directory first, as it
// always has, then the game's installed data folder, the sharp copy beside the picture read,
// and what the player is told when neither folder can give a picture.

#include "table/die.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

namespace {

// What a folder holds of imgdie3.bmp and its sharp copy.
enum class Holds { Nothing, Die, DieAndSharp, OtherDie, Spoilt, CutShort };

QString asset(const QString& name) {
    return QDir(qEnvironmentVariable("PIPFALL_SOURCE_DIR"))
        .filePath(QStringLiteral("assets/") + name);
}

// The other five faces, good, in the working directory: the game checks all six.
void fillOtherFaces(const QString& folder) {
    for (int face : {1, 2, 4, 5, 6})
        QVERIFY(QFile::copy(asset(dieFileName(face)), QDir(folder).filePath(dieFileName(face))));
}

void fill(const QString& folder, Holds holds) {
    const QString die = QDir(folder).filePath(QStringLiteral("imgdie3.bmp"));
    switch (holds) {
    case Holds::Nothing:
        break;
    case Holds::DieAndSharp:
        QVERIFY(QFile::copy(asset(QStringLiteral("imgdie3@2x.png")),
                            QDir(folder).filePath(QStringLiteral("imgdie3@2x.png"))));
        [[fallthrough]];
    case Holds::Die:
        QVERIFY(QFile::copy(asset(QStringLiteral("imgdie3.bmp")), die));
        break;
    case Holds::OtherDie: { // a picture of its own size, to tell which folder was read
        QImage other(7, 5, QImage::Format_RGB32);
        other.fill(Qt::red);
        QVERIFY(other.save(die, "BMP"));
        break;
    }
    case Holds::Spoilt: {
        QFile file(die);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("GIF89a");
        break;
    }
    case Holds::CutShort:
        QVERIFY(QFile::copy(asset(QStringLiteral("imgdie3.bmp")), die));
        QVERIFY(QFile(die).resize(1000));
        break;
    }
}

} // namespace

Q_DECLARE_METATYPE(Holds)

class TestPictures : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(QFile::exists(asset(QStringLiteral("imgdie3.bmp")))); }
    void cleanup() { QDir::setCurrent(QDir::tempPath()); }

    // size: the picture read, or none (0 by 0); sharp: whether a sharp copy came with it; reason:
    // how the fault message goes on after the folder, with DATA for the data folder.
    void load_data() {
        QTest::addColumn<Holds>("here");
        QTest::addColumn<Holds>("data");
        QTest::addColumn<bool>("fallback");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("sharp");
        QTest::addColumn<QString>("reason");
        const QSize die = QImage(asset(QStringLiteral("imgdie3.bmp"))).size();
        const QSize none(0, 0); // a null picture
        QTest::newRow("here first")
            << Holds::OtherDie << Holds::DieAndSharp << true << QSize(7, 5) << false << "";
        QTest::newRow("data folder")
            << Holds::Nothing << Holds::DieAndSharp << true << die << true << "";
        QTest::newRow("data folder, no sharp copy")
            << Holds::Nothing << Holds::Die << true << die << false << "";
        QTest::newRow("missing from both")
            << Holds::Nothing << Holds::Nothing << true << none << false
            << "the file is missing, there and in the folder \"DATA\"";
        QTest::newRow("spoilt here, not passed over")
            << Holds::Spoilt << Holds::Die << true << none << false
            << "it is not a readable BMP picture (";
        QTest::newRow("cut short in the data folder")
            << Holds::Nothing << Holds::CutShort << true << none << false
            << "it is not there, and the copy in the folder \"DATA\" fails: the file is cut "
               "short: it holds 1000 of the ";
        QTest::newRow("no data folder: here only")
            << Holds::Nothing << Holds::Die << false << none << false << "the file is missing";
    }
    void load() {
        QFETCH(Holds, here);
        QFETCH(Holds, data);
        QFETCH(bool, fallback);
        QFETCH(QSize, size);
        QFETCH(bool, sharp);
        QFETCH(QString, reason);
        QTemporaryDir working, installed;
        fill(working.path(), here);
        fillOtherFaces(working.path());
        fill(installed.path(), data);
        QVERIFY(QDir::setCurrent(working.path()));
        FilePictureLoader loader =
            fallback ? FilePictureLoader(installed.path()) : FilePictureLoader();

        QString error;
        const QImage picture = loader.load(QStringLiteral("imgdie3.bmp"), &error);
        QCOMPARE(picture.size(), size);
        QCOMPARE(!loader.loadSharp(QStringLiteral("imgdie3.bmp")).isNull(), sharp);
        if (!size.isEmpty())
            return;
        reason.replace(QStringLiteral("DATA"), QDir::toNativeSeparators(installed.path()));
        QVERIFY2(error.startsWith(reason), qPrintable(error));
        // The player's message names the picture and the working directory, then why.
        const std::optional<QString> fault = checkDiePictures(loader);
        QVERIFY(fault);
        QCOMPARE(*fault, diePictureFault(QStringLiteral("imgdie3.bmp"), error));
        QVERIFY2(fault->contains(QDir::toNativeSeparators(working.path())), qPrintable(*fault));
    }
};

QTEST_GUILESS_MAIN(TestPictures)
#include "tst_pictures.moc"
