#include "tally/tally.h"

#include <gtest/gtest.h>

using namespace tally;

TEST(Tally, GamesAreCountedPerOpponentAndOutcome) {
    Tally t;
    ASSERT_TRUE(t.addPlayer("Ann"));
    ASSERT_TRUE(t.addPlayer("Bob"));
    EXPECT_FALSE(t.addPlayer("Ann"));
    t.addGame("Ann", {"Ann", "Bob", "Cy"});      // Ann won
    t.addGame(kOwnWin, {"Bob", "Cy"});           // the player won; Ann did not play
    t.addGame("The Green Team", {"Ann", "Bob"}); // a team won: nobody's win
    t.addGame("Cy", {"Bob", "Bob"});             // Bob on two seats counts once
    const Row& ann = t.rows()[1];
    const Row& bob = t.rows()[2];
    EXPECT_EQ(t.own().count(1), 4);
    EXPECT_EQ(t.own().count(2), 1);
    EXPECT_EQ(ann.counts, (std::array<int, 8>{2, 1, 0, 1, 2, 1, 0, 1}));
    EXPECT_EQ(bob.counts, (std::array<int, 8>{4, 0, 1, 3, 4, 0, 1, 3}));
    t.startSession();
    EXPECT_EQ(bob.counts, (std::array<int, 8>{4, 0, 1, 3, 0, 0, 0, 0}));
    EXPECT_EQ(t.own().count(1), 4);
}

TEST(Tally, RemovingAndResettingRows) {
    Tally t;
    t.addPlayer("Ann");
    t.addPlayer("Bob");
    EXPECT_FALSE(t.removePlayer(0));
    EXPECT_FALSE(t.removePlayer(3));
    EXPECT_TRUE(t.removePlayer(1));
    EXPECT_EQ(t.find("Bob"), 1);
    EXPECT_TRUE(t.removePlayer(1));
    EXPECT_EQ(t.rows().size(), 1u);
    t.addPlayer("Cy");
    t.addGame(kOwnWin, {"Cy"});
    t.reset();
    EXPECT_EQ(t.rows().size(), 1u);
    EXPECT_EQ(t.own().counts, (std::array<int, 8>{}));
}

TEST(Tally, TextIsWrittenColumnByColumn) {
    Tally t;
    t.addPlayer("Ann\r\nX"); // a line break would shift every later cell
    t.addGame("Ann  X", {"Ann  X"});
    const std::string text = t.toText();
    // Cells by column: names, then games, the opponent's wins, own wins, neither, and the session four.
    EXPECT_EQ(text, "9\r\n2\r\n0\r\nAnn  X\r\n1\r\n1\r\n0\r\n1\r\n0\r\n0\r\n0\r\n0\r\n"
                    "0\r\n1\r\n0\r\n1\r\n0\r\n0\r\n0\r\n0\r\n");
    const auto back = Tally::fromText(text);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->toText(), text);
}

TEST(Tally, MalformedTextIsRefused) {
    const std::string good = Tally().toText();
    EXPECT_TRUE(Tally::fromText(good));
    EXPECT_TRUE(Tally::fromText("9\n1\n0\n\n2\n0\n0\n0\n0\n0\n0\n")); // bare LF, an empty count reads 0
    EXPECT_FALSE(Tally::fromText(""));
    EXPECT_FALSE(Tally::fromText("8\r\n1\r\n"));                    // not nine columns
    EXPECT_FALSE(Tally::fromText("9\r\n0\r\n"));                    // no own row
    EXPECT_FALSE(Tally::fromText("9\r\n99999999\r\n0\r\n"));        // rows beyond the text
    EXPECT_FALSE(Tally::fromText(good.substr(0, good.size() - 3))); // a cell missing
    std::string word = good;
    word.replace(good.rfind("0"), 1, "x");
    EXPECT_FALSE(Tally::fromText(word));
    EXPECT_FALSE(Tally::fromText("9\r\n1\r\n0\r\n99999999999\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n"));
}
