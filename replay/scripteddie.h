#pragma once

#include "table/seams.h"

#include <deque>

// A die that shows the faces it is given, in order: the replay driver's, and the real window's
// in the keyboard end-to-end test. Once the faces have run out it draws nothing, and says so.
class ScriptedDie final : public DieSource {
public:
    std::deque<int> faces;
    bool ranDry = false;

    void randomize() override {}
    std::optional<float> next() override {
        if (faces.empty()) {
            ranDry = true;
            return std::nullopt;
        }
        const int face = faces.front();
        faces.pop_front();
        // The middle of the face's sixth of [0, 1).
        return (static_cast<float>(face) - 0.5f) / 6.0f;
    }
};
