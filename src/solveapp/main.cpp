// rimbalo-solve: the best lay-down for a board and a rack, read from standard input.

#include "solvetool.h"

#include "protocol/facts.h"

#include <iostream>
#include <string_view>

int main(int argc, char** argv) {
    if (argc > 1) {
        const std::string_view arg = argv[1];
        if (arg == "--help") {
            std::cout
                << "usage: rimbalo-solve < POSITION\n"
                   "Reads the lines\n"
                   "  board: CODES\n"
                   "  rack: CODES\n"
                   "  opened: yes|no\n"
                   "(CODES: tile codes 1 to 53 separated by spaces; opened: whether the first lay-down\n"
                   "is made) and prints \"value V tiles N\", then one line per set of the board after\n"
                   "the best lay-down. Bad input: a message on standard error and exit status 2.\n";
            return 0;
        }
        if (arg == "--version") {
            std::cout << "rimbalo-solve " << protocol::kVersion << '\n';
            return 0;
        }
        std::cerr << "rimbalo-solve: unknown option " << arg
                  << " (the position is read from standard input)\n";
        return 2;
    }
    return solveapp::runSolve(std::cin, std::cout, std::cerr);
}
