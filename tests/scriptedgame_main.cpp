// pipfall-scripted FACE...: the real game, whose die shows the faces given, in order, and then
// draws nothing. Built with the tests only, for the keyboard end-to-end test to take the same
// path on every run; a player's copy of the game has no such die.

#include "app/pipfall.h"
#include "replay/scripteddie.h"

#include <cstdio>
#include <cstring>

int main(int argc, char* argv[]) {
    ScriptedDie die;
    int first = 1;
    for (; first < argc && std::strlen(argv[first]) == 1 && argv[first][0] >= '1' &&
           argv[first][0] <= '6';
         ++first)
        die.faces.push_back(argv[first][0] - '0');
    if (die.faces.empty()) {
        std::fprintf(stderr, "usage: pipfall-scripted FACE... (each 1 to 6)\n");
        return 2;
    }
    // The faces are the script's; the rest of the command line is Qt's.
    argv[first - 1] = argv[0];
    return runPipfall(argc - first + 1, argv + first - 1, {.beforeShow = {}, .die = &die});
}
