// The receive side: every handler of the seat display and the game state, fed as the server sends.

#include "harness.h"

#include "client/table/table.h"

#include "windows/tspylist.h"

#include <QPlainTextEdit>

using namespace testing_client;

namespace {

const char* const kTableWords[] = {
    "CMD_sendlogininfo",    "CMD_chat",         "CMD_action",          "CMD_newplayerinfo",
    "CMD_havewrongversion", "CMD_wrongversion", "CMD_existingplayers", "CMD_playerdisconnected",
    "CMD_startgame",        "CMD_nextplayer",   "CMD_winner",          "CMD_full",
    "CMD_justwatching",     "CMD_yourtiles",    "CMD_startround",      "CMD_placehistile",
    "CMD_freecard",         "CMD_swaptiles",    "CMD_undothem",        "CMD_showdraw",
    "CMD_askpenalty",       "CMD_endround",     "CMD_nomoreroom",      "CMD_nomoretiles",
    "CMD_movedtiles",       "CMD_removetile",   "CMD_loadstats",       "CMD_loadboard",
    "CMD_notime",           "CMD_notenough",    "CMD_incomplete",      "CMD_gamepause",
    "CMD_playasound",       "CMD_hints",        "CMD_shufflecommit",   "CMD_shufflereveal",
    "CMD_seattoken",        "CMD_tablecode",    "CMD_tableerror",      "CMD_redirect",
    "CMD_powers",           "CMD_closing"};

} // namespace

TEST(Dispatch, TableHoldsEveryWordOnceInOrder) {
    Harness h;
    const auto words = h.tchat.dispatchWords();
    ASSERT_EQ(words.size(), std::size(kTableWords));
    for (std::size_t i = 0; i < words.size(); ++i)
        EXPECT_EQ(words[i], kTableWords[i]) << i;
}

TEST(Dispatch, WordsMatchExactlyAndEmptyEntriesAreDropped) {
    Harness h;
    h.login(1, QStringLiteral("Ann"));
    const int lines = h.chatLines().size();
    h.feed("");
    h.feed("CMD_nomoretiles");  // no "+": an empty command word
    h.feed("cmd_nomoretiles+"); // another letter case
    h.feed("CMD_nomoretilesX+");
    EXPECT_EQ(h.chatLines().size(), lines);
    h.feed("CMD_nomoretiles+");
    EXPECT_EQ(h.lastLine(), "There are no tiles left");
    h.feed("CMD_nomoreroom+");
    EXPECT_EQ(h.lastLine(), "You cannot hold anymore tiles");
}

TEST(Login, AnswersTheGreetingWithSlotVersionAndName) {
    Harness h;
    h.setName(QStringLiteral("Ann Lee"));
    h.feed("CMD_sendlogininfo+3");
    ASSERT_EQ(h.sent.size(), 1u);
    EXPECT_EQ(h.sent[0], "CMD_logininfo+3+1.0.11+Ann Lee" + E + E);
    EXPECT_EQ(h.tchat.state().myslot, 3);
    EXPECT_TRUE(h.tchat.state().loggedin);

    Harness bad;
    bad.feed("CMD_sendlogininfo+3x");
    EXPECT_TRUE(bad.sent.empty());
    EXPECT_FALSE(bad.tchat.state().loggedin);
}

TEST(Login, VersionNoticesOnBothSides) {
    Harness h;
    h.feed("CMD_havewrongversion+Bob");
    EXPECT_EQ(h.lastLine(), "Bob has a different version of the game then you.");
    h.feed("CMD_wrongversion+");
    EXPECT_EQ(h.lastLine(), "You have a differnt version of the game then the host.");
}

TEST(NewPlayerInfo, OwnLoginAndExistingPlayers) {
    Harness h;
    h.setName(QStringLiteral("Cy"));
    h.feed("CMD_sendlogininfo+3");
    h.feed("CMD_newplayerinfo+3+Cy+0");
    EXPECT_EQ(h.lastLine(), "You are Connected.");
    EXPECT_EQ(h.text("label_playername3"), "Cy");
    h.cues.clear();
    h.feed("CMD_existingplayers+1+Ann+0+2+Bob+1+4+Dee+0");
    EXPECT_EQ(h.text("label_playername1"), "Ann");
    EXPECT_EQ(h.text("label_playername2"), "Bob");
    EXPECT_EQ(h.text("label_playername4"), "Dee");
    EXPECT_TRUE(h.visible("image_eyes2"));
    EXPECT_FALSE(h.visible("image_eyes1"));
    EXPECT_EQ(h.cues, QStringList{"entered"});
    const QStringList lines = h.chatLines();
    EXPECT_TRUE(lines.contains(" Ann is Connected."));
    EXPECT_TRUE(lines.contains(" Dee is Connected."));
}

TEST(NewPlayerInfo, OnlookersAreListedAndAnnounced) {
    Harness h;
    windows::Tspylist spies;
    h.tchat.attachWindows({nullptr, nullptr, nullptr, &spies, nullptr});
    h.login(1);
    h.feed("CMD_newplayerinfo+6+Zed+0");
    EXPECT_EQ(spies.entries(), QStringList{"6: Zed"});
    const QStringList lines = h.chatLines();
    ASSERT_GE(lines.size(), 2);
    EXPECT_EQ(lines[lines.size() - 2].trimmed(), "Zed is Connected.");
    EXPECT_EQ(lines.last().trimmed(), "Zed is spying.");
    for (int seat = 1; seat <= 4; ++seat)
        EXPECT_NE(h.tchat.findChild<QLabel*>(QStringLiteral("label_playername%1").arg(seat))->text(), "Zed");

    Harness own;
    own.tchat.attachWindows({nullptr, nullptr, nullptr, &spies, nullptr});
    own.setName(QStringLiteral("Eve"));
    own.feed("CMD_sendlogininfo+7");
    own.feed("CMD_newplayerinfo+7+Eve+0");
    EXPECT_EQ(own.lastLine(), "You are spying.");
}

TEST(NewPlayerInfo, AMalformedListIsDroppedWhole) {
    Harness h;
    h.login(1);
    h.feed("CMD_existingplayers+2+Bob+0+x+Cy+0+3+Dee+0");
    EXPECT_EQ(h.text("label_playername2"), "<Waiting>");
    EXPECT_EQ(h.text("label_playername3"), "<Waiting>");
    h.feed("CMD_existingplayers+2+Bob+0+3+Dee+0");
    EXPECT_EQ(h.text("label_playername3"), "Dee");
}

TEST(PlayerDisconnected, SeatsFallBackToComputerOrWaiting) {
    Harness h;
    windows::Tspylist spies;
    h.tchat.attachWindows({nullptr, nullptr, nullptr, &spies, nullptr});
    h.login(1);
    h.feed("CMD_existingplayers+2+Bob+1+3+Cy+0");
    h.feed("CMD_playerdisconnected+2+Bob");
    EXPECT_EQ(h.text("label_playername2"), "Klot");
    EXPECT_EQ(h.lastLine(), "Bob disconnected.");
    EXPECT_FALSE(h.visible("image_eyes2"));
    h.feed("CMD_playerdisconnected+3+Cy");
    EXPECT_EQ(h.text("label_playername3"), "<Waiting>");
    // A seat that already shows "<Waiting>" says nothing.
    const int lines = h.chatLines().size();
    h.feed("CMD_playerdisconnected+4+Nobody");
    EXPECT_EQ(h.chatLines().size(), lines);

    h.feed("CMD_newplayerinfo+6+Zed+0");
    h.feed("CMD_playerdisconnected+6+Zed");
    EXPECT_EQ(h.lastLine(), "Zed has left.");
    EXPECT_TRUE(spies.entries().isEmpty());
    const int before = h.chatLines().size();
    h.feed("CMD_playerdisconnected+7+Ghost");
    EXPECT_EQ(h.chatLines().size(), before);
}

TEST(PlayerDisconnected, TeamGameSeatsShowTheirComputerPartner) {
    Harness h;
    h.login(1);
    h.feed("CMD_existingplayers+3+Cy+0+4+Dee+0");
    h.feed("CMD_startgame+Ann+500+60+t+t+14+");
    h.feed("CMD_playerdisconnected+3+Cy");
    h.feed("CMD_playerdisconnected+4+Dee");
    EXPECT_EQ(h.text("label_playername3"), "Klock");
    EXPECT_EQ(h.text("label_playername4"), "Kling");
}

TEST(StartGame, OptionsAndAnnouncements) {
    Harness h;
    h.login(1);
    h.feed("CMD_startgame+Ann+500+60+t+f+14+");
    EXPECT_EQ(h.text("label_playtoscore"), "Play To Score: 500");
    EXPECT_EQ(h.text("label_timeperturn"), "Time Per Turn: 1:00");
    EXPECT_EQ(h.text("label_tp"), "Time Penalty: ON");
    EXPECT_EQ(h.text("label_Tg"), "Good Luck");
    EXPECT_FALSE(h.visible("image_Tg"));
    EXPECT_EQ(h.text("label_playername2"), "Klot");
    EXPECT_EQ(h.text("label_playername3"), "<Waiting>");
    EXPECT_FALSE(h.visible("button_start"));
    EXPECT_FALSE(h.visible("panel_winner"));
    const QStringList lines = h.chatLines();
    EXPECT_EQ(lines[lines.size() - 2].trimmed(), "You have started a game.");
    EXPECT_EQ(lines.last().trimmed(), "Starting with 14 tiles.");

    h.feed("CMD_startgame+Bob+1000+125+yes+t+12+"); // not a flag: dropped
    EXPECT_EQ(h.text("label_playtoscore"), "Play To Score: 500");
    h.feed("CMD_startgame+Bob+1000+125+f+t+12+");
    EXPECT_EQ(h.text("label_timeperturn"), "Time Per Turn: 2:05");
    EXPECT_EQ(h.text("label_tp"), "Time Penalty: OFF");
    EXPECT_EQ(h.text("label_Tg"), "Team Game");
    EXPECT_TRUE(h.visible("image_Tg"));
    EXPECT_EQ(h.text("label_playername3"), "Klock");
    EXPECT_EQ(h.text("label_playername4"), "Kling");
    EXPECT_EQ(h.chatLines()[h.chatLines().size() - 2].trimmed(), "Bob has started a game.");

    // The next game without a team puts the computer partners back to waiting.
    h.feed("CMD_startgame+Ann+500+60+t+f+14+");
    EXPECT_EQ(h.text("label_playername3"), "<Waiting>");
    EXPECT_EQ(h.text("label_playername2"), "Klot");
}

TEST(StartGame, ResetsTheSurfaceOfTheLastGame) {
    Harness h;
    h.becomeHost();
    h.login(1, QStringLiteral("You"));
    h.feed("CMD_startgame+You+500+60+t+f+14+");
    h.feed("CMD_nextplayer+1+50+1+10+14+2+20+14+3+0+0+4+0+0");
    h.feed("CMD_winner+You+");
    EXPECT_TRUE(h.visible("panel_winner"));
    EXPECT_TRUE(h.visible("button_start"));
    h.feed("CMD_startgame+You+500+60+t+f+14+");
    EXPECT_FALSE(h.visible("panel_winner"));
    EXPECT_FALSE(h.visible("button_start"));
    EXPECT_EQ(h.text("label_score1"), "0");
    EXPECT_EQ(h.text("label_cards1"), "");
}

TEST(StartGame, OnlookerHearsWhoStarted) {
    Harness h;
    h.login(6, QStringLiteral("Zed"));
    h.feed("CMD_startgame+Zed+500+60+t+f+14+");
    EXPECT_EQ(h.chatLines()[h.chatLines().size() - 2].trimmed(), "Zed has started a game.");
}

TEST(StartRound, ScoresAndSitOutMarks) {
    Harness h;
    h.login(1);
    h.feed("CMD_startgame+Ann+500+60+t+f+14+");
    h.feed("CMD_startround+12+-5+0+0+");
    EXPECT_EQ(h.text("label_score1"), "12");
    EXPECT_EQ(h.text("label_score2"), "-5");
    EXPECT_TRUE(h.visible("image_sitout3"));
    EXPECT_TRUE(h.visible("image_sitout4"));
    h.feed("CMD_newplayerinfo+3+Cy+0");
    h.feed("CMD_startround+0+0+0+0+");
    EXPECT_FALSE(h.visible("image_sitout3"));
    EXPECT_TRUE(h.visible("image_sitout4"));
}

TEST(NextPlayer, TheTurnIsDecidedBySlotNotByName) {
    // Two players who both call themselves Sam, in seats 1 and 3.
    Harness one, three;
    one.login(1, QStringLiteral("Sam"));
    three.login(3, QStringLiteral("Sam"));
    for (Harness* h : {&one, &three}) {
        h->feed("CMD_existingplayers+1+Sam+0+3+Sam+0");
        h->feed("CMD_startgame+Sam+500+60+t+f+14+");
        h->cues.clear();
        h->feed("CMD_nextplayer+3+62+1+0+14+2+0+14+3+0+14+4+0+0");
    }
    EXPECT_EQ(three.text("label_status"), "Your Turn.");
    EXPECT_TRUE(three.visible("button_draw"));
    EXPECT_TRUE(three.visible("animated_incomplete"));
    EXPECT_EQ(three.cues, QStringList{"turn"});
    EXPECT_EQ(one.text("label_status"), "Sam's turn.");
    EXPECT_FALSE(one.visible("button_draw"));
    EXPECT_EQ(one.tchat.state().turnslot, 3);
}

TEST(NextPlayer, SeatFiguresTilesLeftLogAndMarker) {
    Harness h;
    h.login(2, QStringLiteral("Bob"));
    h.feed("CMD_existingplayers+1+Ann+0");
    h.feed("CMD_startgame+Ann+500+60+t+f+14+");
    h.feed("CMD_nextplayer+1+-1+1+30+9+2+-4+12+3+0+0+4+0+0");
    EXPECT_EQ(h.text("label_tilesleft"), "Tile's Left: 0");
    EXPECT_EQ(h.text("label_score1"), "30");
    EXPECT_EQ(h.text("label_cards1"), "9");
    EXPECT_EQ(h.text("label_score2"), "-4");
    EXPECT_EQ(h.text("label_status"), "Ann's turn.");
    EXPECT_FALSE(h.enabled("button_pause")); // a joiner off turn cannot pause
    auto* marker = h.tchat.findChild<QWidget*>(QStringLiteral("image_Turn"));
    auto* row1 = h.tchat.findChild<QLabel*>(QStringLiteral("label_playername1"));
    EXPECT_TRUE(marker->isVisibleTo(marker->parentWidget()));
    EXPECT_NEAR(marker->geometry().center().y(), row1->geometry().center().y(), 3);
    h.feed("CMD_nextplayer+2+40+1+30+9+2+-4+12+3+0+0+4+0+0");
    auto* row2 = h.tchat.findChild<QLabel*>(QStringLiteral("label_playername2"));
    EXPECT_NEAR(marker->geometry().center().y(), row2->geometry().center().y(), 3);
    EXPECT_EQ(h.text("label_tilesleft"), "Tile's Left: 40");
    EXPECT_TRUE(h.enabled("button_pause"));
    auto* log = openLog(h.tchat);
    // An empty line before each turn's status.
    EXPECT_TRUE(log->toPlainText().endsWith("Ann's turn.\n\nYour Turn.")) << log->toPlainText().toStdString();
    EXPECT_EQ(h.text("label_timer"), "Time: 1:00");
}

TEST(NextPlayer, HostKeepsPauseAndNewTurnSound) {
    Harness h;
    h.becomeHost();
    h.login(1, QStringLiteral("Ann"));
    h.feed("CMD_existingplayers+2+Bob+0");
    h.feed("CMD_startgame+Ann+500+60+t+f+14+");
    h.feed("CMD_nextplayer+2+40+1+0+14+2+0+14+3+0+0+4+0+0");
    EXPECT_TRUE(h.enabled("button_pause"));
    h.action("New1")->trigger();
    h.cues.clear();
    h.feed("CMD_nextplayer+1+40+1+0+14+2+0+14+3+0+0+4+0+0");
    EXPECT_EQ(h.cues, QStringList{"turnnew"});
}

TEST(JustWatching, OwnSeatChecksTheMenuItem) {
    Harness h;
    h.login(2, QStringLiteral("Bob"));
    h.feed("CMD_justwatching+2+1");
    EXPECT_TRUE(h.action("JustWatch1")->isChecked());
    EXPECT_TRUE(h.visible("image_eyes2"));
    EXPECT_EQ(h.lastLine(), "Bob is just watching");
    h.feed("CMD_justwatching+2+2");
    EXPECT_FALSE(h.action("JustWatch1")->isChecked());
    EXPECT_FALSE(h.visible("image_eyes2"));
    EXPECT_EQ(h.lastLine(), "Bob is now playing again");
    const int lines = h.chatLines().size();
    h.feed("CMD_justwatching+7+1"); // onlooker slots have no seat
    EXPECT_EQ(h.chatLines().size(), lines);
}

TEST(LoadStats, LateJoinerSeesTheRunningGame) {
    Harness h;
    h.login(3, QStringLiteral("Cy"));
    h.feed("CMD_loadstats+3+2+1000+65+f+f+1+40+10+f+f+2+12+11+t+f+3+0+0+f+t+4+0+0+f+t");
    EXPECT_EQ(h.tchat.state().turnslot, 2);
    EXPECT_EQ(h.text("label_playtoscore"), "Play To Score: 1000");
    EXPECT_EQ(h.text("label_timeperturn"), "Time Per Turn: 65");
    EXPECT_EQ(h.text("label_tp"), "Time Penalty: OFF");
    EXPECT_EQ(h.text("label_score1"), "40");
    EXPECT_EQ(h.text("label_cards2"), "11");
    EXPECT_TRUE(h.visible("image_eyes2"));
    EXPECT_TRUE(h.visible("image_sitout3"));
    EXPECT_TRUE(h.visible("label_sitout"));
    h.feed("CMD_startround+0+0+0+0+");
    EXPECT_FALSE(h.visible("label_sitout"));
}

// A window that joins during a round learns from the server whether its seat has laid down already
// (its earlier player or the computer may have); told nothing, it takes it that the seat has not.
TEST(LoadStats, AJoinerDuringARoundKnowsWhetherItsSeatHasLaidDown) {
    const std::string stats = "CMD_loadstats+2+1+500+60+t+f+1+0+10+f+f+2+0+11+f+f+3+0+0+f+t+4+0+0+f+t";
    for (const auto& [tail, pending] : {std::pair{"+f", true}, {"+t", false}, {"", true}}) {
        Harness h;
        h.login(2, QStringLiteral("Bo"));
        h.feed(stats + tail);
        auto* table = h.tchat.findChild<client::Table*>();
        ASSERT_NE(table, nullptr);
        EXPECT_EQ(table->layDownPending(), pending) << "loadstats ending \"" << tail << "\"";
        // The next round starts afresh for everybody.
        h.feed("CMD_startround+0+0+0+0+");
        EXPECT_TRUE(table->layDownPending());
    }
}

TEST(EndRound, StatusForOwnOtherAndDrawnRounds) {
    Harness h;
    h.login(1, QStringLiteral("Ann"));
    h.feed("CMD_existingplayers+2+Bob+0");
    h.feed("CMD_startgame+Ann+500+60+t+f+14+");
    h.feed("CMD_nextplayer+1+40+1+0+14+2+0+14+3+0+0+4+0+0");
    h.feed("CMD_endround+2+1+-35+-35+2+2+47+47+0+3+0+0+0+4+0+0+0");
    EXPECT_EQ(h.text("label_status"), "Bob is out of tiles! The Round is Over.");
    EXPECT_EQ(h.text("label_bonus1"), "-35");
    EXPECT_EQ(h.text("label_bonus2"), "47");
    EXPECT_EQ(h.text("label_cards1"), "2");
    EXPECT_EQ(h.tchat.state().turnslot, 0);
    EXPECT_FALSE(h.visible("button_draw"));
    EXPECT_EQ(h.text("label_timer"), "Time: 0:00");
    EXPECT_TRUE(h.cues.contains("roundover"));
    h.feed("CMD_endround+1+1+9+9+0+2+0+0+0+3+0+0+0+4+0+0+0");
    EXPECT_EQ(h.text("label_status"), " You are out of tiles! The Round is Over.");
    h.feed("CMD_endround+0+1+-3+-3+1+2+-4+-4+1+3+0+0+0+4+0+0+0");
    EXPECT_EQ(h.text("label_status"), "The Round Ended in a Draw.");
}

TEST(Winner, BannerTallyAndStartButton) {
    Harness solo;
    solo.becomeHost();
    solo.login(1, QStringLiteral("You"));
    QSignalSpy recorded(&solo.tchat, &client::Tchat::gameRecorded);
    solo.feed("CMD_winner+You+");
    EXPECT_EQ(solo.text("label_winner1"), "You have won the game!");
    EXPECT_EQ(solo.text("label_winner2"), "You have won the game!");
    EXPECT_TRUE(solo.visible("panel_winner"));
    EXPECT_TRUE(solo.visible("button_start"));
    EXPECT_EQ(solo.lastLine(), "You have won the game!");
    ASSERT_EQ(recorded.size(), 1);
    EXPECT_EQ(recorded[0][0].toString(), "addtomine");
    EXPECT_TRUE(solo.cues.contains("winner"));

    Harness joiner;
    joiner.login(2, QStringLiteral("Bob"));
    QSignalSpy lost(&joiner.tchat, &client::Tchat::gameRecorded);
    joiner.feed("CMD_winner+Ann+");
    EXPECT_EQ(joiner.text("label_winner1"), "Ann has Won the Game!");
    EXPECT_FALSE(joiner.visible("button_start"));
    ASSERT_EQ(lost.size(), 1);
    EXPECT_EQ(lost[0][0].toString(), "Ann");
    // A remote player who calls himself "You" has won, not us.
    joiner.feed("CMD_winner+You+");
    EXPECT_EQ(joiner.text("label_winner1"), "You has Won the Game!");

    Harness onlooker;
    onlooker.login(6, QStringLiteral("Zed"));
    QSignalSpy none(&onlooker.tchat, &client::Tchat::gameRecorded);
    onlooker.feed("CMD_winner+The Green Team+");
    EXPECT_EQ(onlooker.text("label_winner1"), "The Green Team has Won the Game!");
    EXPECT_EQ(none.size(), 0);
}

TEST(Full, TellsThePlayerAndCloses) {
    Harness h;
    QSignalSpy closed(&h.tchat, &client::Tchat::closed);
    h.feed("CMD_full+");
    EXPECT_EQ(h.notices, QStringList{"Game is full"});
    EXPECT_EQ(closed.size(), 1);
}
