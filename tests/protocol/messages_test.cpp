#include "protocol/messages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <typeinfo>
#include <vector>

using namespace protocol;

namespace {

const std::string E(1, kEndMarker);

// Encodes, cuts the end marker(s) off as the receive path does, splits off the word and decodes.
template <class M> M roundTrip(const M& sent) {
    const std::string wire = encode(sent);
    EXPECT_EQ(wire.back(), kEndMarker);
    const std::string entry = wire.substr(0, wire.find(kEndMarker));
    const Command c = splitCommand(entry);
    EXPECT_EQ(c.word, M::word);
    const auto got = decode<M>(c.args);
    EXPECT_TRUE(got.has_value()) << entry;
    if (got) {
        EXPECT_TRUE(got->fields() == sent.fields()) << entry;
    }
    return got.value_or(M{});
}

} // namespace

TEST(Messages, EveryClientCommandRoundTrips) {
    using namespace toserver;
    roundTrip(LoginInfo{.slot = 2, .version = "1.0.11", .name = "Ann + Bob"});
    roundTrip(KickHim{.slot = 1, .target = 7});
    roundTrip(Chat{.slot = 3, .text = "2+2=4 :) |clBlack"});
    roundTrip(Action{.slot = 4, .text = "waves+smiles|$00FF00FF"});
    roundTrip(StartGame{.hostname = "You",
                        .target = 500,
                        .seconds = 60,
                        .timepenalty = true,
                        .teamgame = false,
                        .tiles = 14});
    roundTrip(JustWatch{.slot = 2, .flag = 1});
    roundTrip(PlaceMyTile{.seat = 1, .cell = 60, .column = 22, .row = 12});
    roundTrip(SwapTiles{.seat = 2, .tocolumn = 1, .torow = 2, .fromcolumn = 3, .fromrow = 4});
    roundTrip(ReplaceTile{.seat = 3, .column = 5, .row = 6});
    roundTrip(UndoThem{.seat = 4});
    roundTrip(Finish{.seat = 1});
    roundTrip(DrawCard{.seat = 2});
    roundTrip(ClickYes{.seat = 3});
    roundTrip(Pause{.slot = 1, .flag = 0});
    roundTrip(PlayASound{.slot = 1, .sound = "wave12"});
    roundTrip(BotSpeed{.slot = 1, .delay = 2000});
}

TEST(Messages, EveryServerCommandRoundTrips) {
    using namespace toclient;
    roundTrip(SendLoginInfo{.slot = 9});
    roundTrip(Full{});
    roundTrip(NewPlayerInfo{.slot = 3, .name = "Zoë", .justwatching = 0});
    roundTrip(ExistingPlayers{.players = {{1, "Host", 0}, {3, "Cid", 1}}});
    roundTrip(HaveWrongVersion{.name = "Old Timer"});
    roundTrip(WrongVersion{});
    roundTrip(LoadStats{.slot = 5,
                        .turnseat = 2,
                        .target = 300,
                        .seconds = 90,
                        .timepenalty = false,
                        .teamgame = true,
                        .seats = {{{1, -20, 14, false, false},
                                   {2, 35, 9, true, false},
                                   {3, 0, 0, false, true},
                                   {4, 7, 1, false, false}}},
                        .opened = true});
    roundTrip(LoadBoard{.slot = 6, .cells = {{1, 1, 5}, {2, 1, 6}, {22, 12, 53}}});
    roundTrip(YourTiles{.seat = 2, .cells = {{1, 14}, {5, 53}, {60, 52}}});
    roundTrip(PlayerDisconnected{.slot = 4, .name = "Dee"});
    roundTrip(JustWatching{.slot = 2, .flag = 2});
    roundTrip(Chat{.slot = 1, .text = "Ann chats: a+b|clRed"});
    roundTrip(Action{.slot = 1, .text = "Ann waves|clBlue"});
    roundTrip(PlayASound{.slot = 2, .sound = "wave3"});
    roundTrip(GamePause{.flag = 1});
    roundTrip(StartGame{.hostname = "Host",
                        .target = 1000,
                        .seconds = 30,
                        .timepenalty = false,
                        .teamgame = true,
                        .tiles = 48});
    roundTrip(StartRound{.scores = {10, -5, 0, 300}});
    roundTrip(
        NextPlayer{.seat = 3, .tilesleft = -1, .seats = {{{1, 5, 10}, {2, 6, 11}, {3, 7, 12}, {4, 8, 13}}}});
    roundTrip(PlaceHisTile{.seat = 1, .tile = 53, .column = 0, .row = 0});
    roundTrip(FreeCard{.seat = 1, .cell = 14});
    roundTrip(
        toclient::SwapTiles{.seat = 2, .tocolumn = 1, .torow = 2, .fromcolumn = 3, .fromrow = 4, .tile = 40});
    roundTrip(RemoveTile{.column = 9, .row = 3});
    roundTrip(toclient::UndoThem{.seat = 4, .cells = {{3, 3, 0}, {4, 3, 17}}});
    roundTrip(MovedTiles{.seat = 1, .score = -12, .value = 31, .cells = {{1, 1, 1}, {2, 1, 2}, {3, 1, 3}}});
    roundTrip(NotEnough{.seat = 2});
    roundTrip(AskPenalty{.seat = 3});
    roundTrip(Incomplete{.seat = 4});
    roundTrip(NoMoreTiles{});
    roundTrip(NoMoreRoom{});
    roundTrip(NoTime{.seat = 3});
    roundTrip(
        EndRound{.winner = 0, .seats = {{{1, -35, -35, 2}, {2, 47, 47, 0}, {3, -12, -12, 1}, {4, 0, 0, 0}}}});
    roundTrip(Winner{.name = "The Green Team"});
    roundTrip(NoUse{.seat = 1});
    roundTrip(TeamScore{.seat = 3, .score = 77});
    roundTrip(ShowDraw{.seat = 1, .which = 1});
    roundTrip(Hints{.allowed = 1});
    roundTrip(Hints{.allowed = 0});
}

namespace {

// One message of the catalogue: a value with a different number in every field, the exact bytes it
// is written as, and what reading those bytes back gives.
struct Pinned {
    const std::type_info* type;
    std::string wire;
    std::string written;
    bool readBack;
};

template <class M> Pinned pin(const M& sample, const std::string& wire) {
    const std::string entry = wire.substr(0, wire.find(kEndMarker));
    const Command c = splitCommand(entry);
    const auto got = decode<M>(c.args);
    return {&typeid(M), wire, encode(sample), c.word == M::word && got && got->fields() == sample.fields()};
}

template <class... M> void expectPinned(MessageList<M...> list, const std::vector<Pinned>& table) {
    anyMessage(list, [&table](auto type) {
        using Message = typename decltype(type)::type;
        const auto n = std::count_if(table.begin(), table.end(),
                                     [](const Pinned& p) { return p.type == &typeid(Message); });
        EXPECT_EQ(n, 1) << Message::word;
        return false;
    });
    for (const Pinned& p : table) {
        EXPECT_EQ(p.written, p.wire);
        EXPECT_TRUE(p.readBack) << p.wire;
    }
}

} // namespace

TEST(Messages, ExactBytesOfTheClientsCatalogue) {
    using namespace toserver;
    expectPinned(ClientMessages{},
                 {pin(LoginInfo{2, "1.0.11", "Ann + Bob"}, "CMD_logininfo+2+1.0.11+Ann + Bob" + E + E),
                  pin(KickHim{1, 7}, "CMD_kickhim+1+7+" + E),
                  pin(Chat{3, "hi+there|clBlack"}, "CMD_chat+3+hi+there|clBlack" + E),
                  pin(Action{4, "waves|$00FF00FF"}, "CMD_action+4+waves|$00FF00FF" + E),
                  pin(StartGame{"Ann", 500, 60, true, false, 14}, "CMD_startgame+Ann+500+60+t+f+14+" + E),
                  pin(JustWatch{3, 1}, "CMD_justwatch+3+1" + E),
                  pin(PlaceMyTile{1, 60, 22, 12}, "CMD_placemytile+1+60+22+12+" + E),
                  pin(SwapTiles{2, 5, 6, 7, 8}, "CMD_swaptiles+2+5+6+7+8+" + E),
                  pin(ReplaceTile{3, 9, 10}, "CMD_replacetile+3+9+10+" + E),
                  pin(UndoThem{4}, "CMD_undothem+4+" + E),
                  pin(Finish{1}, "CMD_finish+1+" + E),
                  pin(DrawCard{2}, "CMD_drawcard+2+" + E),
                  pin(ClickYes{3}, "CMD_clickyes+3+" + E),
                  pin(Pause{1, 0}, "CMD_pause+1+0+" + E),
                  pin(PlayASound{2, "wave12"}, "CMD_playasound+2+wave12+" + E),
                  pin(BotSpeed{1, 2000}, "CMD_botspeed+1+2000+" + E),
                  pin(TableList{}, "CMD_tablelist+" + E),
                  pin(TableCreate{false, "Ann's + table"}, "CMD_tablecreate+f+Ann's + table" + E),
                  pin(TableJoin{"K7MXQ4"}, "CMD_tablejoin+K7MXQ4+" + E),
                  pin(TableLeave{}, "CMD_tableleave+" + E),
                  pin(Reconnect{"00ff"}, "CMD_reconnect+00ff+" + E),
                  pin(AdminToken{"s3cret"}, "CMD_admintoken+s3cret+" + E)});
}

TEST(Messages, ExactBytesOfTheServersCatalogue) {
    using namespace toclient;
    expectPinned(
        ServerMessages{},
        {pin(SendLoginInfo{9}, "CMD_sendlogininfo+9" + E),
         pin(Full{}, "CMD_full+" + E),
         pin(NewPlayerInfo{3, "Zed", 0}, "CMD_newplayerinfo+3+Zed+0" + E),
         pin(ExistingPlayers{{{1, "Host", 0}, {3, "Cid", 1}}}, "CMD_existingplayers+1+Host+0+3+Cid+1" + E),
         pin(HaveWrongVersion{"Old Timer"}, "CMD_havewrongversion+Old Timer" + E),
         pin(WrongVersion{}, "CMD_wrongversion+" + E),
         pin(LoadStats{5,
                       2,
                       300,
                       90,
                       false,
                       true,
                       {{{1, -20, 14, false, false},
                         {2, 35, 9, true, false},
                         {3, 0, 8, false, true},
                         {4, 7, 1, false, false}}},
                       std::nullopt},
             "CMD_loadstats+5+2+300+90+f+t+1+-20+14+f+f+2+35+9+t+f+3+0+8+f+t+4+7+1+f+f" + E),
         pin(LoadBoard{6, {{1, 2, 5}, {22, 12, 53}}}, "CMD_loadboard+6+1+2+5+22+12+53" + E),
         pin(YourTiles{2, {{1, 14}, {5, 53}}}, "CMD_yourtiles+2+1,14+5,53" + E),
         pin(PlayerDisconnected{4, "Dee"}, "CMD_playerdisconnected+4+Dee" + E),
         pin(JustWatching{2, 1}, "CMD_justwatching+2+1" + E),
         pin(Chat{1, "Ann chats: a+b|clRed"}, "CMD_chat+1+Ann chats: a+b|clRed" + E),
         pin(Action{1, "Ann waves|clBlue"}, "CMD_action+1+Ann waves|clBlue" + E),
         pin(PlayASound{2, "wave3"}, "CMD_playasound+2+wave3+" + E),
         pin(GamePause{1}, "CMD_gamepause+1+" + E),
         pin(StartGame{"Host", 1000, 30, false, true, 48}, "CMD_startgame+Host+1000+30+f+t+48+" + E),
         pin(StartRound{{10, -5, 0, 300}}, "CMD_startround+10+-5+0+300+" + E),
         pin(NextPlayer{3, -1, {{{1, 5, 10}, {2, 6, 11}, {3, 7, 12}, {4, 8, 13}}}},
             "CMD_nextplayer+3+-1+1+5+10+2+6+11+3+7+12+4+8+13" + E),
         pin(PlaceHisTile{1, 53, 4, 7}, "CMD_placehistile+1+53+4+7+" + E),
         pin(FreeCard{1, 14}, "CMD_freecard+1+14+" + E),
         pin(SwapTiles{2, 5, 6, 7, 8, 40}, "CMD_swaptiles+2+5+6+7+8+40+" + E),
         pin(RemoveTile{9, 3}, "CMD_removetile+9+3+" + E),
         pin(UndoThem{4, {{3, 5, 0}, {6, 7, 17}}}, "CMD_undothem+4+3+5+0+6+7+17" + E),
         pin(MovedTiles{1, -12, 31, {{2, 3, 4}, {5, 6, 7}}}, "CMD_movedtiles+1+-12+31+2+3+4+5+6+7" + E),
         pin(NotEnough{2}, "CMD_notenough+2+" + E),
         pin(AskPenalty{3}, "CMD_askpenalty+3+" + E),
         pin(Incomplete{4}, "CMD_incomplete+4+" + E),
         pin(NoMoreTiles{}, "CMD_nomoretiles+" + E),
         pin(NoMoreRoom{}, "CMD_nomoreroom+" + E),
         pin(NoTime{3}, "CMD_notime+3+" + E),
         pin(EndRound{0, {{{1, -35, -34, 2}, {2, 47, 46, 0}, {3, -12, -11, 1}, {4, 5, 4, 3}}}},
             "CMD_endround+0+1+-35+-34+2+2+47+46+0+3+-12+-11+1+4+5+4+3" + E),
         pin(Winner{"The Green Team"}, "CMD_winner+The Green Team+" + E),
         pin(NoUse{1}, "CMD_nouse+1+" + E),
         pin(TeamScore{3, 77}, "CMD_teamscore+3+77+" + E),
         pin(ShowDraw{1, 2}, "CMD_showdraw+1+2+" + E),
         pin(Hints{0}, "CMD_hints+0+" + E),
         pin(Tables{{{"K7MXQ4", 3, 1, true, 500, 60, 14, "Ann"}, {"P9RT3W", 1, 0, false, 0, 0, 0, "Bo"}}},
             "CMD_tables+K7MXQ4+3+1+t+500+60+14+Ann+P9RT3W+1+0+f+0+0+0+Bo+" + E),
         pin(TableCode{"K7MXQ4", false, "Ann's + table"}, "CMD_tablecode+K7MXQ4+f+Ann's + table" + E),
         pin(TableError{"No table with code XXXXXX."}, "CMD_tableerror+No table with code XXXXXX." + E),
         pin(SeatToken{"9a0b"}, "CMD_seattoken+9a0b+" + E),
         pin(ShuffleCommit{"e3b0"}, "CMD_shufflecommit+e3b0+" + E),
         pin(ShuffleReveal{"77aa"}, "CMD_shufflereveal+77aa+" + E),
         pin(Powers{3, "Cid"}, "CMD_powers+3+Cid" + E),
         pin(Closing{2}, "CMD_closing+2+" + E)});
}

TEST(Messages, ReadersRefuseMalformedFieldsAndToleratesTheTrailingSeparator) {
    using namespace toclient;
    EXPECT_FALSE(decode<PlaceHisTile>("1+x+3+4+").has_value());
    EXPECT_FALSE(decode<PlaceHisTile>("1+2+3").has_value()); // a field missing
    EXPECT_FALSE(decode<YourTiles>("2+1,14+5;53").has_value());
    EXPECT_FALSE(decode<YourTiles>("2+1,+5,53").has_value());
    EXPECT_FALSE(decode<LoadStats>("5+2+300+90+t+yes+1+0+0+f+f").has_value());
    EXPECT_FALSE(decode<NextPlayer>("1+50+1+0+14").has_value()); // seats cut short
    EXPECT_FALSE(decode<UndoThem>("1+3+3").has_value());         // a board item cut short

    // Receivers do not rely on the trailing separator, with or without it.
    EXPECT_EQ(decode<NoTime>("3").value().seat, 3);
    EXPECT_EQ(decode<NoTime>("3+").value().seat, 3);
    EXPECT_EQ(decode<YourTiles>("2+1,14+").value().cells.size(), 1u);
    EXPECT_TRUE(decode<YourTiles>("2").value().cells.empty());
    EXPECT_TRUE(decode<Full>("").has_value());

    // A late joiner's lay-down flag: left out by older servers, read when sent.
    const std::string stats = "5+2+300+90+t+f+1+0+0+f+f+2+0+0+f+f+3+0+0+f+t+4+0+0+f+t";
    EXPECT_FALSE(decode<LoadStats>(stats).value().opened.has_value());
    EXPECT_EQ(decode<LoadStats>(stats + "+t").value().opened, std::optional<bool>(true));
    EXPECT_EQ(decode<LoadStats>(stats + "+f").value().opened, std::optional<bool>(false));
    EXPECT_FALSE(decode<LoadStats>(stats + "+x").has_value());
}

TEST(Messages, FreeTextKeepsEveryPlusAndAnEmptyName) {
    auto chat = decode<toclient::Chat>("2+Bo chats: 1+1=2 ++|clGreen");
    ASSERT_TRUE(chat);
    EXPECT_EQ(chat->slot, 2);
    EXPECT_EQ(chat->text, "Bo chats: 1+1=2 ++|clGreen");
    auto login = decode<toserver::LoginInfo>("2+1.0.11+");
    ASSERT_TRUE(login);
    EXPECT_EQ(login->name, "");
}

TEST(Messages, ArgumentTextIsWhatTheHandlerReceives) {
    EXPECT_EQ(encodeArgs(toserver::LoginInfo{2, "1.0.11", "A+B"}), "2+1.0.11+A+B");
    EXPECT_EQ(encodeArgs(toserver::Finish{3}), "3+");
    EXPECT_EQ(encodeArgs(toclient::Full{}), "");
}
