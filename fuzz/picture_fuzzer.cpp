// libFuzzer target: any bytes, put where the game looks for a die picture, and read by the
// game's own picture loader as it reads "imgdie3.bmp" and its sharp copy "imgdie3@2x.png":
// the BMP header checks, then Qt's decoding. Whatever the bytes, the loader must give back a
// picture or say why it cannot, never both and never neither; AddressSanitizer and
// UndefinedBehaviorSanitizer watch the reading, and libFuzzer's memory limits (fuzz/run.sh)
// fail a run that allocates more than a die picture could need.

#include "ui/picturefiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace {

QString folder;

void write(const QString& path, const std::uint8_t* data, std::size_t size) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size)) !=
            static_cast<qint64>(size)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // Qt gets arguments of its own: the fuzzer's options are not Qt's business.
    static int argc = 1;
    static char name[] = "picture_fuzzer";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    // Qt's decoders warn of every broken file they meet; the loader's reason is what counts.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    static QTemporaryDir scratch;
    if (!scratch.isValid())
        std::abort();
    folder = scratch.path();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString picture = QDir(folder).filePath(QStringLiteral("imgdie3.bmp"));
    const QString sharp = QDir(folder).filePath(QStringLiteral("imgdie3@2x.png"));
    FilePictureLoader loader;

    // The bytes as the die picture, with no sharp copy beside it.
    QFile::remove(sharp);
    write(picture, data, size);
    QString error;
    const QImage image = loader.load(picture, &error);
    if (image.isNull() == error.isEmpty()) {
        std::fprintf(stderr, "a picture of %dx%d, and the reason \"%s\"\n", image.width(),
                     image.height(), qPrintable(error));
        std::abort();
    }
    if (!loader.loadSharp(picture).isNull()) {
        std::fprintf(stderr, "a sharp copy read where there is none\n");
        std::abort();
    }

    // The same bytes as its sharp copy: a picture, or none.
    write(sharp, data, size);
    (void)loader.loadSharp(picture);
    return 0;
}
