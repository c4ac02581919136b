#pragma once

#include "table/seams.h"

#include <QString>

#include <cstdint>
#include <optional>

// The face a draw r shows: the whole part of r * 6, plus 1. The product is taken in single
// precision, so a given r shows the same face on every machine.
std::int16_t faceFromR(float r);

// "imgdie" followed by the face and ".bmp": the die picture's bare file name.
QString dieFileName(int face);

// The message that names an unreadable die picture and the folder it was looked for in.
QString diePictureFault(const QString& fileName, const QString& reason);

// Checks that all six die pictures can be read; the fault message of the first that cannot.
std::optional<QString> checkDiePictures(PictureLoader& loader);

// The real die: a splitmix64 generator reseeded from the high-resolution clock before every
// draw. The seed also mixes in a count of reseeds, so two reseeds within one clock tick
// still give independent draws.
class ClockDieSource final : public DieSource {
public:
    void randomize() override;
    std::optional<float> next() override;

private:
    std::uint64_t state_ = 0;
    std::uint64_t reseeds_ = 0;
};
