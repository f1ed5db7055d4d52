#include "client/net/dispatcher.h"

#include "protocol/messages.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using client::Dispatcher;
namespace in = protocol::toclient;

TEST(Dispatcher, EveryRowOfTheExactWordRunsInOrderAndOthersNone) {
    Dispatcher d;
    std::vector<std::string> ran;
    d.add("CMD_a", [&](std::string_view args) { ran.push_back("first " + std::string(args)); });
    d.add("CMD_ab", [&](std::string_view) { ran.push_back("longer word"); });
    d.add("CMD_a", [&](std::string_view args) { ran.push_back("second " + std::string(args)); });
    EXPECT_EQ(d.dispatch("CMD_a+1+x"), 2);
    EXPECT_EQ(ran, (std::vector<std::string>{"first 1+x", "second 1+x"}));
    ran.clear();
    EXPECT_EQ(d.dispatch("CMD_a+"), 2); // empty arguments
    EXPECT_EQ(ran, (std::vector<std::string>{"first ", "second "}));
    // A word without its "+" is no command; nor is a word that only starts like one.
    for (const char* other : {"", "CMD_a", "+1", "CMD_+1", "CMD_abc+1", "cmd_a+1"})
        EXPECT_EQ(d.dispatch(other), 0) << other;
    EXPECT_EQ(d.words(), (std::vector<std::string>{"CMD_a", "CMD_ab", "CMD_a"}));
}

TEST(Dispatcher, TypedRowsGetTheDecodedMessageAndNothingForArgumentsThatDoNotDecode) {
    Dispatcher d;
    std::vector<in::PlaceHisTile> placed;
    std::vector<int> pauses;
    d.on<in::PlaceHisTile>([&](const in::PlaceHisTile& m) { placed.push_back(m); });
    d.on<in::GamePause>([&](const in::GamePause& m) { pauses.push_back(m.flag); });

    EXPECT_EQ(d.dispatch("CMD_placehistile+2+17+5+3"), 1);
    ASSERT_EQ(placed.size(), 1u);
    EXPECT_EQ(placed[0].seat, 2);
    EXPECT_EQ(placed[0].tile, 17);
    EXPECT_EQ(placed[0].column, 5);
    EXPECT_EQ(placed[0].row, 3);

    // The row is there (it counts as run) but its handler never sees a message that did not decode.
    EXPECT_EQ(d.dispatch("CMD_placehistile+2+17+five+3"), 1);
    EXPECT_EQ(d.dispatch("CMD_placehistile+2+17"), 1);
    EXPECT_EQ(d.dispatch("CMD_gamepause+"), 1);
    EXPECT_EQ(placed.size(), 1u);
    EXPECT_TRUE(pauses.empty());

    EXPECT_EQ(d.dispatch("CMD_gamepause+1"), 1);
    EXPECT_EQ(d.dispatch("CMD_gamepause+0"), 1);
    EXPECT_EQ(pauses, (std::vector<int>{1, 0}));
    EXPECT_EQ(d.words(), (std::vector<std::string>{"CMD_placehistile", "CMD_gamepause"}));
}

} // namespace
