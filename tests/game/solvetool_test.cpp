#include "solvetool.h"

#include "game/solver.h"
#include "rummypositions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <sstream>

namespace {

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

Outcome runTool(const std::string& input) {
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    const int status = solveapp::runSolve(in, out, err);
    return {status, out.str(), err.str()};
}

} // namespace

namespace {

TEST(SolveTool, PrintsValueTilesAndTheResultingSets) {
    // Green 11..13 and both jokers on the board; Red 1, 2, 3 and Black 1 in the rack: the jokers
    // move so that all four rack tiles are laid (Red 1, Black 1, joker and Red 2, 3, joker).
    const auto result = runTool("board: 11 12 13 53 53\nrack: 27 28 29 40\nopened: yes\n");
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.err, "");
    std::istringstream lines(result.out);
    std::string first;
    std::getline(lines, first);
    EXPECT_EQ(first, "value 7 tiles 4");
    int sets = 0;
    int tiles = 0;
    for (std::string line; std::getline(lines, line); ++sets) {
        std::istringstream codes(line);
        for (int code; codes >> code;)
            ++tiles;
    }
    EXPECT_EQ(tiles, 9); // five board tiles and the four laid
    EXPECT_EQ(sets, 3);
}

TEST(SolveTool, TooLittleBeforeTheFirstLayDownPrintsTheBoardAlone) {
    const auto result = runTool("opened: no\n\nrack: 1 2 3\nboard:\n");
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "value 0 tiles 0\n");
    const auto opened = runTool("opened: yes\nrack: 1 2 3\nboard:\n");
    EXPECT_EQ(opened.out, "value 6 tiles 3\n1 2 3\n");
}

TEST(SolveTool, BadInputGetsOneClearLineAndStatusTwo) {
    const struct {
        const char* input;
        const char* message;
    } cases[] = {
        {"board: 1 2 3\nrack: 4\n", "no \"opened:\" line"},
        {"board: 1 2 3\nrack: 4\nopened: maybe\n", "line 3: \"opened:\" must be yes or no"},
        {"board: 1 2 x3\nrack: 4\nopened: no\n", "line 1: \"x3\" is not a tile code 1..53"},
        {"board: 1 2 54\nrack: 4\nopened: no\n", "line 1: \"54\" is not a tile code 1..53"},
        {"board: 1 2 -3\nrack: 4\nopened: no\n", "\"-3\" is not a tile code"},
        {"board: 1 2 3\nrack: 4\nrack: 5\nopened: no\n", "line 3: \"rack:\" given twice"},
        {"board 1 2 3\n", "line 1: expected"},
        {"pool: 1 2 3\n", "line 1: unknown line \"pool:\""},
        {"board: 1 1 2\nrack: 1\nopened: yes\n", "tile code 1 appears more than twice"},
        {"board: 1 2\nrack:\nopened: yes\n", "the board tiles cannot all stand in valid sets"},
    };
    for (const auto& c : cases) {
        const auto result = runTool(c.input);
        EXPECT_EQ(result.status, 2) << c.input;
        EXPECT_EQ(result.out, "") << c.input;
        EXPECT_NE(result.err.find(c.message), std::string::npos) << c.input << " gave: " << result.err;
        EXPECT_EQ(result.err.find("rimbalo-solve: "), 0U) << result.err;
        EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
    }
}

// An endless stream of one byte, counting what is taken from it (like /dev/zero).
class EndlessInput : public std::streambuf {
public:
    std::size_t taken = 0;

protected:
    int_type underflow() override {
        setg(buffer_, buffer_, buffer_ + sizeof buffer_);
        taken += sizeof buffer_;
        return traits_type::to_int_type(buffer_[0]);
    }

private:
    char buffer_[64] = {};
};

TEST(SolveTool, EndlessOrHugeInputIsRefusedAfterABoundedReadAndQuotedShort) {
    EndlessInput zeros;
    std::istream in(&zeros);
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(solveapp::runSolve(in, out, err), 2);
    EXPECT_EQ(err.str(), "rimbalo-solve: line 1 is longer than 1024 characters\n");
    EXPECT_LE(zeros.taken, 2048U);

    // A long bad word on a line of allowed length, and a long unknown name: a short quote each.
    std::string longWord = "board: 1 ";
    longWord.append(1000, '7').append("\n");
    std::string longName(1000, 'p');
    longName.append(": 1\n");
    for (const std::string& input : {longWord, longName}) {
        const auto result = runTool(input);
        EXPECT_EQ(result.status, 2);
        EXPECT_LT(result.err.size(), 100U) << result.err;
        EXPECT_NE(result.err.find("...\""), std::string::npos) << result.err;
    }
}

} // namespace

namespace {

// A seat's turn stops its search at a bound; the tool asked about one position searches to the end.
// On a 59-tile rack where the bound costs the seat something, the tool still prints the best.
TEST(SolveTool, SearchesHugeRacksToTheEnd) {
    std::mt19937 rng(59);
    for (int round = 0; round < 2000; ++round) {
        const auto p = rummypositions::randomPosition(rng, 0, 59);
        const auto bounded = game::solveTiles({}, p.rack, true);
        if (!bounded || !bounded->cut) continue;
        const auto exact = game::solveTiles({}, p.rack, true, game::Walk::Both, game::kNoStageBound);
        ASSERT_TRUE(exact.has_value());
        if (exact->value * 128 + exact->tiles == bounded->value * 128 + bounded->tiles) continue;
        std::string input = "board:\nrack:";
        for (int code : p.rack)
            input += " " + std::to_string(code);
        input += "\nopened: yes\n";
        const auto result = runTool(input);
        EXPECT_EQ(result.status, 0) << result.err;
        EXPECT_EQ(result.out.substr(0, result.out.find('\n')),
                  "value " + std::to_string(exact->value) + " tiles " + std::to_string(exact->tiles));
        return;
    }
    FAIL() << "no rack where the bound costs anything";
}

} // namespace
