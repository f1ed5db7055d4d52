#pragma once
// rimbalo-solve: reads a position on standard input and prints the best lay-down.

#include <iosfwd>

namespace solveapp {

// Reads the lines "board: CODES", "rack: CODES" and "opened: yes|no" (each once, in any order,
// blank lines allowed) and writes "value V tiles N" and one line per set of the resulting board.
// Returns 0, or 2 after writing one line naming the fault to `err` (nothing goes to `out`).
int runSolve(std::istream& in, std::ostream& out, std::ostream& err);

} // namespace solveapp
