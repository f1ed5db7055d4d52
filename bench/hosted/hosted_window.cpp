// The game as shipped, with the benchmark's stand-in at the host's seat (benchhook.h): the hosted
// benchmark times this program's server from another seat.

#include "app/program.h"
#include "benchhook.h"

int main(int argc, char* argv[]) {
    return runProgram(argc, argv, installBenchHook);
}
