#pragma once

#include <functional>

// Runs Pipfall: checks the die pictures, opens the table window and plays until the last
// window closes; returns the exit status. beforeShow, when given, runs once the application
// exists, just before the table first shows.
int runPipfall(int argc, char* argv[], const std::function<void()>& beforeShow = {});
