#include "solvetool.h"

#include <iostream>

int main() {
    return solveapp::runSolve(std::cin, std::cout, std::cerr);
}
