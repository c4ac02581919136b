#include "table/die.h"

#include <QCoreApplication>
#include <QDir>

#include <chrono>
#include <cmath>

std::int16_t faceFromR(float r) {
    const float product = r * 6.0f;
    return static_cast<std::int16_t>(std::floor(product) + 1.0f);
}

QString dieFileName(int face) {
    return QStringLiteral("imgdie%1.bmp").arg(face);
}

QString diePictureFault(const QString& fileName, const QString& reason) {
    //: %1 is the picture's file name, %2 the folder, %3 why it cannot be read.
    return QCoreApplication::translate("Table",
                                       "The die picture \"%1\" cannot be read from the folder "
                                       "\"%2\": %3.")
        .arg(fileName, QDir::toNativeSeparators(QDir::currentPath()), reason);
}

std::optional<QString> checkDiePictures(PictureLoader& loader) {
    for (int face = 1; face <= 6; ++face) {
        QString reason;
        if (loader.load(dieFileName(face), &reason).isNull())
            return diePictureFault(dieFileName(face), reason);
    }
    return std::nullopt;
}

namespace {

std::uint64_t splitmix64(std::uint64_t& state) {
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

} // namespace

void ClockDieSource::randomize() {
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch();
    std::uint64_t mix = static_cast<std::uint64_t>(
                            std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()) ^
                        (++reseeds_ * 0xD1B54A32D192ED03ull);
    state_ = splitmix64(mix);
}

std::optional<float> ClockDieSource::next() {
    // The top 24 bits give every single-precision value k / 2^24 below 1 exactly.
    const std::uint64_t bits = splitmix64(state_) >> 40;
    return static_cast<float>(bits) / 16777216.0f;
}
