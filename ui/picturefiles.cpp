// Die pictures read from files: the working directory first, then the installed data
// folder. The table asks for them through its PictureLoader seam and never reads a file.
// The logo is built in.

#include "ui/picturefiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include <cstdint>
#include <optional>
#include <utility>

namespace {

// The widest and tallest picture read, sharp copies included: a die picture is a few dozen
// pixels each way, and a file that claims more is refused before a pixel is decoded, so
// that a header of a few bytes cannot make the game set aside hundreds of megabytes.
constexpr int largestPicture = 1024;

// The most memory a die picture or its sharp copy may take once decoded, in megabytes: a
// largest picture of four bytes a pixel. Qt's readers refuse to set aside more, whatever a
// header they do not share our reading of claims.
constexpr int largestPictureMegabytes = largestPicture * largestPicture * 4 / (1024 * 1024);

// Sets a reader of a die picture file to read it as a die picture: with Qt's built-in reader
// of the format named (no plugin is loaded), and no picture larger than the largest decoded.
void readAsDiePicture(QImageReader& reader) {
    QImageReader::setAllocationLimit(largestPictureMegabytes);
    reader.setAutoDetectImageFormat(false);
}

std::uint32_t littleEndian(const uchar* bytes, int count) {
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i)
        value = (value << 8) | bytes[i];
    return value;
}

// What a BMP file's header says of its picture.
struct BmpHeader {
    qint64 width = 0;
    qint64 height = 0; // negative for a picture stored top row first
    qint64 bits = 0;
    qint64 pixelsAt = 0;
    bool uncompressed = false;

    // The length the file must have to hold every row of pixels, for the uncompressed kinds.
    std::optional<qint64> fileLength() const {
        if (!uncompressed || width <= 0 || height == 0 || bits == 0 || bits > 32)
            return std::nullopt;
        const qint64 rowBytes = (width * bits + 31) / 32 * 4;
        return pixelsAt + rowBytes * (height < 0 ? -height : height);
    }
};

std::optional<BmpHeader> readBmpHeader(const QByteArray& bytes) {
    if (bytes.size() < 26 || !bytes.startsWith("BM"))
        return std::nullopt;
    const auto* h = reinterpret_cast<const uchar*>(bytes.constData());
    BmpHeader header;
    header.pixelsAt = littleEndian(h + 10, 4);
    const std::uint32_t infoSize = littleEndian(h + 14, 4);
    if (infoSize == 12) {
        header.width = littleEndian(h + 18, 2);
        header.height = littleEndian(h + 20, 2);
        header.bits = littleEndian(h + 24, 2);
        header.uncompressed = true;
    } else if (infoSize >= 40 && bytes.size() >= 34) {
        header.width = static_cast<std::int32_t>(littleEndian(h + 18, 4));
        header.height = static_cast<std::int32_t>(littleEndian(h + 22, 4));
        header.bits = littleEndian(h + 28, 2);
        const std::uint32_t compression = littleEndian(h + 30, 4);
        header.uncompressed = compression == 0 || compression == 3 || compression == 6;
    } else {
        return std::nullopt;
    }
    return header;
}

} // namespace

QImage logoPicture(bool sharp) {
    // The built-in readers, named: looking for a plugin would load every one there is.
    QImageReader reader(sharp ? QStringLiteral(":/pictures/logo@2x.png")
                              : QStringLiteral(":/pictures/logo.bmp"),
                        sharp ? "png" : "bmp");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

QString installedPictureFolder() {
#ifdef PIPFALL_DATA_DIR
    return QStringLiteral(PIPFALL_DATA_DIR);
#else
    return {};
#endif
}

FilePictureLoader::FilePictureLoader(QString fallbackFolder)
    : fallbackFolder_(std::move(fallbackFolder)) {}

QString FilePictureLoader::find(const QString& fileName) const {
    if (fallbackFolder_.isEmpty() || QFileInfo::exists(fileName) || QDir::isAbsolutePath(fileName))
        return fileName;
    const QString fallback = QDir(fallbackFolder_).filePath(fileName);
    return QFileInfo::exists(fallback) ? fallback : fileName;
}

QImage FilePictureLoader::loadSharp(const QString& fileName) {
    const QFileInfo info(find(fileName));
    const QString sharp = info.path() + u'/' + info.completeBaseName() + QStringLiteral("@2x.png");
    if (!QFileInfo(sharp).isFile())
        return {};
    QImageReader reader(sharp, "png");
    readAsDiePicture(reader);
    // A picture twice the size of the die is all the box takes; refuse anything far larger
    // before decoding it.
    if (const QSize size = reader.size();
        size.width() > largestPicture || size.height() > largestPicture)
        return {};
    return reader.read();
}

// Why a picture that claims that size is refused.
static QString impossibleSize(qint64 width, qint64 height) {
    return QCoreApplication::translate("Table",
                                       "the picture claims an impossible size of %1 by %2 pixels")
        .arg(width)
        .arg(height);
}

// Reads one BMP picture, or says why it cannot.
static QImage readBmp(const QString& fileName, QString* error) {
    const QFileInfo info(fileName);
    if (!info.exists()) {
        *error = QCoreApplication::translate("Table", "the file is missing");
        return {};
    }
    if (!info.isFile()) {
        *error = QCoreApplication::translate("Table", "it is not a file");
        return {};
    }
    // Qt's reader gives up on a picture too large to hold without saying why, and quietly
    // returns the part it found of one whose pixels stop short: the header tells both.
    if (QFile file(fileName); file.open(QIODevice::ReadOnly)) {
        if (const std::optional<BmpHeader> header = readBmpHeader(file.read(34))) {
            const qint64 height = header->height < 0 ? -header->height : header->height;
            if (header->width > largestPicture || height > largestPicture) {
                *error = impossibleSize(header->width, height);
                return {};
            }
            const std::optional<qint64> needed = header->fileLength();
            if (needed && file.size() < *needed) {
                *error =
                    QCoreApplication::translate("Table", "the file is cut short: it holds %1 of "
                                                         "the %2 bytes of its picture")
                        .arg(file.size())
                        .arg(*needed);
                return {};
            }
        }
    }
    QImageReader reader(fileName, "bmp");
    readAsDiePicture(reader);
    reader.setAutoTransform(false);
    // A header too short for the checks above still gives Qt's reader a size to set aside.
    if (const QSize size = reader.size();
        size.width() > largestPicture || size.height() > largestPicture) {
        *error = impossibleSize(size.width(), size.height());
        return {};
    }
    QImage image = reader.read();
    if (image.isNull()) {
        *error = reader.error() == QImageReader::FileNotFoundError
                     ? QCoreApplication::translate("Table", "the file cannot be opened")
                     : QCoreApplication::translate("Table", "it is not a readable BMP picture (%1)")
                           .arg(reader.errorString());
    }
    return image;
}

QImage FilePictureLoader::load(const QString& fileName, QString* error) {
    const QString path = find(fileName);
    QImage image = readBmp(path, error);
    // The fault message names the working directory: say where else the picture was looked for.
    if (image.isNull() && path != fileName) {
        //: %1 is the folder of the installed pictures, %2 why its copy cannot be read.
        *error = QCoreApplication::translate(
                     "Table", "it is not there, and the copy in the folder \"%1\" fails: %2")
                     .arg(QDir::toNativeSeparators(fallbackFolder_), *error);
    } else if (image.isNull() && !fallbackFolder_.isEmpty() && !QFileInfo::exists(fileName)) {
        //: %1 is the folder of the installed pictures.
        *error = QCoreApplication::translate("Table",
                                             "the file is missing, there and in the folder \"%1\"")
                     .arg(QDir::toNativeSeparators(fallbackFolder_));
    }
    return image;
}
