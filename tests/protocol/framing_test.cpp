#include "protocol/fields.h"
#include "protocol/framebuffer.h"

#include <gtest/gtest.h>

using namespace protocol;

namespace {
const std::string E(1, kEndMarker);
}

TEST(FrameBuffer, CutsCommandsAtEndMarkersAndKeepsTheRest) {
    FrameBuffer buffer;
    std::vector<std::string> out;
    ASSERT_TRUE(buffer.append("CMD_a+1+" + E + "CMD_b+2" + E + "CMD_c+" + E + "CMD_d+4", out));
    EXPECT_EQ(out, (std::vector<std::string>{"CMD_a+1+", "CMD_b+2", "CMD_c+"}));
    EXPECT_EQ(buffer.pending(), 7u);

    // The split command is queued once, when its marker arrives.
    ASSERT_TRUE(buffer.append("+5", out));
    EXPECT_EQ(out.size(), 3u);
    ASSERT_TRUE(buffer.append("+" + E, out));
    ASSERT_EQ(out.size(), 4u);
    EXPECT_EQ(out.back(), "CMD_d+4+5+");
    EXPECT_EQ(buffer.pending(), 0u);
}

TEST(FrameBuffer, TwoMarkersInARowGiveAnEmptyEntry) {
    FrameBuffer buffer;
    std::vector<std::string> out;
    ASSERT_TRUE(buffer.append("CMD_logininfo+2+1.0.11+Ann" + E + E, out));
    EXPECT_EQ(out, (std::vector<std::string>{"CMD_logininfo+2+1.0.11+Ann", ""}));
}

TEST(FrameBuffer, ByteByByteDeliveryGivesTheSameCommands) {
    const std::string stream = "CMD_chat+1+a+b|clRed" + E + E + "CMD_x" + E;
    FrameBuffer buffer;
    std::vector<std::string> out;
    for (char c : stream)
        ASSERT_TRUE(buffer.append(std::string_view(&c, 1), out));
    EXPECT_EQ(out, (std::vector<std::string>{"CMD_chat+1+a+b|clRed", "", "CMD_x"}));
}

TEST(FrameBuffer, OverflowIsReportedAndTheRemainderDropped) {
    FrameBuffer buffer(16);
    std::vector<std::string> out;
    EXPECT_TRUE(buffer.append(std::string(16, 'x'), out)); // exactly at capacity is fine
    EXPECT_FALSE(buffer.append("y", out));
    EXPECT_EQ(buffer.pending(), 0u);
    EXPECT_TRUE(out.empty());

    // A terminated command longer than the capacity is refused too, even in one delivery.
    EXPECT_FALSE(buffer.append(std::string(40, 'z') + E, out));
    EXPECT_TRUE(out.empty());
    // Commands before the overlong one still come out, in order.
    EXPECT_FALSE(buffer.append("ok" + E + std::string(40, 'z'), out));
    EXPECT_EQ(out, (std::vector<std::string>{"ok"}));
}

TEST(FrameBuffer, ACommandOfExactlyTheCapacityPassesWhetherItsEndComesWithItOrLater) {
    std::vector<std::string> out;
    FrameBuffer whole(16);
    EXPECT_TRUE(whole.append(std::string(16, 'a') + E, out));
    FrameBuffer split(16);
    EXPECT_TRUE(split.append(std::string(10, 'b'), out));
    EXPECT_TRUE(split.append(std::string(6, 'b') + E + "c", out));
    EXPECT_EQ(out, (std::vector<std::string>{std::string(16, 'a'), std::string(16, 'b')}));
    EXPECT_EQ(split.pending(), 1u);
    // One byte more is refused on either path.
    EXPECT_FALSE(FrameBuffer(16).append(std::string(17, 'd') + E, out));
    FrameBuffer late(16);
    EXPECT_TRUE(late.append(std::string(16, 'e'), out));
    EXPECT_FALSE(late.append("e" + E, out));
    EXPECT_EQ(out.size(), 2u);
}

TEST(Fields, StrictDecimalParsing) {
    EXPECT_EQ(parseInt("0"), 0);
    EXPECT_EQ(parseInt("7772"), 7772);
    EXPECT_EQ(parseInt("-35"), -35);
    EXPECT_EQ(parseInt("999999999"), 999999999);
    for (std::string_view bad :
         {"", "-", "+5", " 5", "5 ", "5a", "0x10", "$1F", "1e3", "1234567890", "--1", "1,5"})
        EXPECT_FALSE(parseInt(bad).has_value()) << bad;
}

TEST(Fields, SplitAndPeel) {
    auto c = splitCommand("CMD_chat+1+Ann chats: a+b|clBlack");
    EXPECT_EQ(c.word, "CMD_chat");
    FieldReader r(c.args);
    EXPECT_EQ(r.intField(), 1);
    EXPECT_EQ(r.rest(), "Ann chats: a+b|clBlack");
    EXPECT_TRUE(r.atEnd());

    EXPECT_EQ(splitCommand("CMD_nothing").word, ""); // no "+": ignored by dispatchers
    EXPECT_EQ(splitCommand("").word, "");
    auto d = splitCommand("CMD_full+");
    EXPECT_EQ(d.word, "CMD_full");
    EXPECT_EQ(d.args, "");

    FieldReader e("3++x");
    EXPECT_EQ(e.field(), "3");
    EXPECT_EQ(e.field(), "");
    EXPECT_EQ(e.field(), "x");
    EXPECT_TRUE(e.atEnd());
    EXPECT_EQ(e.field(), "");
    EXPECT_FALSE(e.intField().has_value());
}

TEST(Fields, BuilderWritesTrailingSeparatorOnlyWhenAsked) {
    EXPECT_EQ(CommandBuilder("CMD_full").finish(true), "CMD_full+" + E);
    EXPECT_EQ(CommandBuilder("CMD_sendlogininfo").add(3).finish(false), "CMD_sendlogininfo+3" + E);
    EXPECT_EQ(CommandBuilder("CMD_notime").add(3).finish(true), "CMD_notime+3+" + E);
    EXPECT_EQ(CommandBuilder("CMD_x").add(-12).addFlag(true).addFlag(false).finish(false),
              "CMD_x+-12+t+f" + E);
    EXPECT_EQ(CommandBuilder("CMD_logininfo").add(1).add("v").add("n").finishTwice(),
              "CMD_logininfo+1+v+n" + E + E);
}
