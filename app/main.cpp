// Pipfall: a dice game against the house, played at one table window.

#include "app/pipfall.h"

int main(int argc, char* argv[]) {
    return runPipfall(argc, argv);
}
