#pragma once

#include <functional>

class DieSource;

// What a build of the game other than the player's (the start-up benchmark, the keyboard
// end-to-end test) puts into the real game's start.
struct StartHooks {
    // Runs once the application exists, just before the table first shows.
    std::function<void()> beforeShow;
    // The die to play with instead of the real one.
    DieSource* die = nullptr;
};

// Runs Pipfall: checks the die pictures, opens the table window and plays until the last
// window closes; returns the exit status.
int runPipfall(int argc, char* argv[], const StartHooks& hooks = {});
