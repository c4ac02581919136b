#pragma once

// A random player: random actions on the table alone, each delivered by the replay engine as
// a script line, with the money checked after every one.

#include <QString>

#include <cstdint>

struct RandomPlay {
    long actions = 0;
    long rolls = 0;
    long gameOvers = 0;  // rolls that left the game over
    long bankBreaks = 0; // rolls that broke the bank
    QString failure;     // what went wrong and the script's last lines; empty when all held
};

RandomPlay playRandomly(std::uint64_t seed, long actions);
