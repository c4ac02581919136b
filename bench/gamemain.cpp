// The game as the start-up benchmark runs it: the real start, with the probe that reports the
// time to the first frame armed before the table shows.

#include "app/pipfall.h"
#include "bench/startupprobe.h"

int main(int argc, char* argv[]) {
    return runPipfall(argc, argv,
                      {.beforeShow = [] { StartupProbe::armIfAsked(); }, .die = nullptr});
}
