// Slots, login, late joiners, permissions and the receive queue, driven without sockets.

#include "harness.h"

#include "protocol/framebuffer.h"
#include "protocol/text.h"

using namespace testing_server;
namespace in = protocol::toserver;

TEST(Slots, LowestFreeSlotFirstAndTheTenthIsTurnedAway) {
    Harness h;
    for (int expected = 1; expected <= 9; ++expected) {
        EXPECT_EQ(h.connect(), expected);
        EXPECT_EQ(h.to(expected), std::vector<std::string>{"CMD_sendlogininfo+" + std::to_string(expected)});
    }
    EXPECT_EQ(h.connect(), game::kFullSlot);
    EXPECT_EQ(h.to(game::kFullSlot), std::vector<std::string>{"CMD_full+"});
    EXPECT_EQ(h.server.game().slotcount(), 9);

    h.server.peerClosed(3);
    h.server.processQueue();
    EXPECT_FALSE(h.server.game().player(3).connected);
    EXPECT_EQ(h.connect(), 3);
    EXPECT_EQ(h.connect(), game::kFullSlot);
    EXPECT_EQ(h.server.game().slotcount(), 9);
}

TEST(Login, HostThenSecondPlayerExactBytes) {
    Harness h;
    h.login("Host");
    EXPECT_EQ(h.to(1), (std::vector<std::string>{"CMD_sendlogininfo+1", "CMD_newplayerinfo+1+Host+0",
                                                 "CMD_hints+1+"}));
    h.clear();
    h.login("Ann");
    EXPECT_EQ(h.to(1), std::vector<std::string>{"CMD_newplayerinfo+2+Ann+0"});
    EXPECT_EQ(h.to(2), (std::vector<std::string>{"CMD_sendlogininfo+2", "CMD_newplayerinfo+2+Ann+0",
                                                 "CMD_existingplayers+1+Host+0", "CMD_hints+1+"}));
    EXPECT_EQ(h.server.game().player(2).name, "Ann");
}

TEST(Login, ExistingPlayersMarksWatchersAndNamesAreCleaned) {
    Harness h;
    h.login("Host");
    h.login("Bo");
    h.login("  Cid+Dee\x01  ");
    h.start();
    h.say(3, in::JustWatch{3, 1});
    h.clear();
    const int slot = h.login("   ");
    EXPECT_EQ(slot, 4);
    EXPECT_EQ(h.to(4).at(1), "CMD_newplayerinfo+4+Player4+0");
    EXPECT_EQ(h.to(4).at(2), "CMD_existingplayers+1+Host+0+2+Bo+0+3+Cid Dee+1");

    const int five = h.login(std::string(40, 'x'));
    EXPECT_EQ(h.server.game().player(five).name, std::string(32, 'x'));
}

TEST(Login, WrongVersionIsReportedButSeated) {
    Harness h;
    h.login("Host");
    h.clear();
    h.login("Old", "1.0.9");
    EXPECT_EQ(h.to(1), (std::vector<std::string>{"CMD_newplayerinfo+2+Old+0", "CMD_havewrongversion+Old"}));
    EXPECT_EQ(h.to(2).at(3), "CMD_wrongversion+");
    EXPECT_EQ(h.server.game().player(2).name, "Old");

    Harness custom;
    custom.server.setVersionText("2.0");
    custom.login("Host", "2.0");
    EXPECT_EQ(custom.words(1),
              (std::vector<std::string>{"CMD_sendlogininfo", "CMD_newplayerinfo", "CMD_hints"}));
}

// A newcomer during a game: the announcement, the others, the version notice, whether hints are
// allowed, the statistics, the board, and the rack of the seat it takes over, in that order.
TEST(Login, LateJoinerIsBroughtUpToDate) {
    Harness h;
    ServerLimits noGrace;
    noGrace.reconnectGraceMs = 0; // Ann's seat is not kept for her
    h.server.setLimits(noGrace);
    h.login("Host");
    h.login("Ann");
    h.start(300, 40, true, false, 14);
    const int laid = h.server.game().player(1).tiles.cells[1];
    h.place(1, 1, 3, 2);
    h.server.peerClosed(2);
    h.server.processQueue();
    const std::vector<int> rack2(h.server.game().player(2).tiles.cells.begin() + 1,
                                 h.server.game().player(2).tiles.cells.begin() + 15);
    h.clear();

    EXPECT_EQ(h.login("Cid", "0.9"), 2);
    std::string tiles = "CMD_yourtiles+2";
    for (int cell = 1; cell <= 14; ++cell)
        tiles += "+" + std::to_string(cell) + "," + std::to_string(rack2[static_cast<std::size_t>(cell - 1)]);
    EXPECT_EQ(h.to(2), (std::vector<std::string>{
                           "CMD_sendlogininfo+2",
                           "CMD_newplayerinfo+2+Cid+0",
                           "CMD_existingplayers+1+Host+0",
                           "CMD_wrongversion+",
                           "CMD_hints+1+",
                           "CMD_loadstats+2+1+300+40+t+f+1+0+13+f+f+2+0+14+f+f+3+0+0+f+t+4+0+0+f+t+f",
                           "CMD_loadboard+2+3+2+" + std::to_string(laid),
                           tiles,
                       }));

    // An onlooker gets no rack; with an empty board no board either.
    h.say(1, in::UndoThem{1});
    h.clear();
    const int three = h.login("Dee");
    EXPECT_EQ(h.words(three),
              (std::vector<std::string>{"CMD_sendlogininfo", "CMD_newplayerinfo", "CMD_existingplayers",
                                        "CMD_hints", "CMD_loadstats"}));
}

// A connection may only speak for its own slot or seat, and only the host runs the game.
TEST(Permissions, SpoofedCommandsAreIgnoredWithoutAnswer) {
    Harness h;
    h.login("Host");
    h.login("Ann");
    h.login("Bo");
    h.clear();

    h.say(2, in::LoginInfo{3, kVersion, "Mallory"});
    h.say(2, in::Chat{3, "hi|clBlack"});
    h.say(2, in::Action{1, "waves|clBlack"});
    h.say(2, in::PlayASound{1, "wave3"});
    h.say(2, protocol::StartGame{"Ann", 500, 60, true, false, 14});
    h.say(2, in::KickHim{1, 3});
    h.say(2, in::JustWatch{3, 1});
    EXPECT_TRUE(h.sentNothing());
    EXPECT_EQ(h.server.game().player(3).name, "Bo");
    EXPECT_FALSE(h.server.game().gamestarted());

    h.start();
    h.clear();
    const auto before = h.server.game().board();
    h.say(2, in::PlaceMyTile{1, 1, 5, 5});
    h.say(2, in::DrawCard{1});
    h.say(2, in::Finish{1});
    h.say(2, in::Pause{1, 1});
    h.say(3, in::JustWatch{1, 1});
    EXPECT_TRUE(h.sentNothing());
    EXPECT_EQ(h.server.game().board(), before);
    EXPECT_TRUE(h.server.game().timer1Active());
    EXPECT_FALSE(h.server.game().player(1).justwatching);
}

TEST(Permissions, KickAndJustWatch) {
    Harness h;
    h.login("Host");
    h.login("Ann");
    h.login("Bo");
    h.say(1, in::JustWatch{2, 1}); // no game yet: ignored
    EXPECT_FALSE(h.server.game().player(2).justwatching);
    h.start();
    h.clear();

    h.say(2, in::JustWatch{2, 1}); // own seat
    EXPECT_EQ(h.to(3), std::vector<std::string>{"CMD_justwatching+2+1"});
    h.say(1, in::JustWatch{3, 1}); // the host for another seat
    EXPECT_TRUE(h.server.game().player(3).justwatching);
    h.say(3, in::JustWatch{3, 2});
    EXPECT_FALSE(h.server.game().player(3).justwatching);
    EXPECT_TRUE(h.server.game().computerControlled(2));
    h.clear();

    h.say(1, in::KickHim{1, 3});
    EXPECT_FALSE(h.server.game().player(3).connected);
    EXPECT_EQ(h.to(1), std::vector<std::string>{"CMD_playerdisconnected+3+Bo"});
    EXPECT_EQ(h.to(2), std::vector<std::string>{"CMD_playerdisconnected+3+Bo"});
    EXPECT_EQ(h.to(3), std::vector<std::string>{"CMD_closing+2+"}) << "told why, before the close";
}

TEST(Closing, CurrentPlayerLeavesMidTurn) {
    Harness h;
    h.annOnTurn();
    h.setRack(2, {Green(1), Green(2)});
    h.place(2, 1, 4, 4);
    h.clear();

    h.server.peerClosed(2);
    h.server.peerClosed(2); // the second notice finds the slot being closed already
    h.server.processQueue();
    // The computer takes the turn at once: with nothing to lay it takes the Green 1 back and draws.
    EXPECT_EQ(h.words(1),
              (std::vector<std::string>{"CMD_playerdisconnected", "CMD_undothem", "CMD_nextplayer"}));
    ASSERT_FALSE(h.to(1).empty());
    EXPECT_EQ(h.to(1).front(), "CMD_playerdisconnected+2+Ann");
    EXPECT_TRUE(h.server.game().computerControlled(2));
    EXPECT_TRUE(h.server.game().player(2).name.empty());
    EXPECT_EQ(h.server.game().player(2).tilecount(), 3); // the rack stays with the seat
    EXPECT_EQ(h.server.game().board().at(4, 4), 0);
    EXPECT_EQ(h.server.game().currentplayer(), 1);

    h.clear();
    h.server.peerClosed(2);
    h.server.processQueue();
    EXPECT_TRUE(h.sentNothing());
}

TEST(Closing, CommandsSentBeforeAPeerCloseAreHandledThoseOfAKickedOneAreNot) {
    Harness h;
    h.login("Host");
    h.login("Ann");
    h.login("Bo");
    h.clear();
    h.server.receive(2, protocol::encode(in::Chat{2, "bye|clBlack"}));
    h.server.peerClosed(2);
    h.server.receive(3, protocol::encode(in::Chat{3, "one|clBlack"}));
    h.server.receive(1, protocol::encode(in::KickHim{1, 3}));
    h.server.processQueue();
    EXPECT_EQ(h.to(1),
              (std::vector<std::string>{"CMD_chat+2+Ann chats: bye|clBlack", "CMD_playerdisconnected+2+Ann",
                                        "CMD_chat+3+Bo chats: one|clBlack", "CMD_playerdisconnected+3+Bo"}));

    // What a removed connection still has waiting is dropped.
    h.login("Cid");
    h.clear();
    h.server.receive(1, protocol::encode(in::KickHim{1, 2}));
    h.server.receive(2, protocol::encode(in::Chat{2, "late|clBlack"}));
    h.server.processQueue();
    EXPECT_EQ(h.words(1), std::vector<std::string>{"CMD_playerdisconnected"});
}

TEST(Receive, FramingOrderAndCase) {
    Harness h;
    h.login("Host");
    h.login("Ann");
    h.clear();
    // Three commands in one delivery, one split over two, a lower-case word and an empty entry.
    h.server.receive(1, "CMD_chat+1+a|x" + E + "cmd_chat+1+b|x" + E + E + "CMD_chat+1+c+d|x" + E + "CMD_ch");
    h.server.receive(2, "CMD_chat+2+e|x" + E);
    h.server.receive(1, "at+1+f|x" + E);
    EXPECT_EQ(h.server.queuedCommands(), 5u);
    h.server.processQueue();
    EXPECT_EQ(h.to(2), (std::vector<std::string>{"CMD_chat+1+Host chats: a|x", "CMD_chat+1+Host chats: c+d|x",
                                                 "CMD_chat+2+Ann chats: e|x", "CMD_chat+1+Host chats: f|x"}));
}

TEST(Receive, BurstsWaitInTheQueueAndOnlyAQueueFullForSecondsOrAnEndlessCommandCloses) {
    Harness h;
    qint64 t = 0;
    h.server.setClock([&t] { return t; });
    h.login("Host");
    h.login("Ann");
    h.login("Bo");
    h.start();
    h.say(1, in::DrawCard{1});
    ASSERT_EQ(h.table().currentplayer(), 2);
    h.clear();

    // A burst far past the queue's bound (tile moves on Ann's turn, each told to everybody) is handled
    // whole, in order.
    const int many = 3 * TServer::kMaxQueuedPerConnection;
    std::string burst;
    for (int i = 0; i < many; ++i) {
        const int column = 1 + i / 2 % 20;
        burst += i % 2 == 0 ? protocol::encode(in::PlaceMyTile{2, 1, column, 5})
                            : protocol::encode(in::ReplaceTile{2, column, 5});
    }
    h.raw(2, burst);
    EXPECT_TRUE(h.server.game().player(2).connected);
    ASSERT_EQ(h.to(1).size(), static_cast<std::size_t>(many));
    EXPECT_EQ(h.to(1).back(), "CMD_removetile+" + std::to_string(1 + (many - 1) / 2 % 20) + "+5+");

    // A full queue that drains in time costs nothing; one that stays full for five seconds is closed,
    // and nothing it still had waiting is handled.
    h.clear();
    h.server.receive(2, burst);
    t += TServer::kFullQueueTimeoutMs - 1;
    h.server.checkConnections();
    EXPECT_TRUE(h.server.game().player(2).connected);
    t += 1;
    h.server.checkConnections();
    h.server.processQueue();
    EXPECT_FALSE(h.server.game().player(2).connected);
    // The computer takes Ann's turn over; none of her waiting moves is made.
    ASSERT_FALSE(h.to(1).empty());
    EXPECT_EQ(h.to(1).front(), "CMD_playerdisconnected+2+Ann");
    EXPECT_TRUE(h.all<protocol::toclient::RemoveTile>(1).empty());
    EXPECT_EQ(h.table().board().at(1, 5), 0);

    h.clear();
    h.raw(3, std::string(protocol::FrameBuffer::kDefaultCapacity, 'a'));
    EXPECT_TRUE(h.server.game().player(3).connected);
    h.raw(3, "a");
    EXPECT_FALSE(h.server.game().player(3).connected);

    h.clear();
    h.say(1, in::Chat{1, "still here|y"});
    EXPECT_EQ(h.to(1), std::vector<std::string>{"CMD_chat+1+Host chats: still here|y"});
}

TEST(Receive, AConnectionThatDoesNotLogInWithinThirtySecondsIsClosed) {
    Harness h;
    qint64 t = 1000;
    h.server.setClock([&t] { return t; });
    h.login("Host");
    EXPECT_FALSE(h.server.watchTimerActive()); // everybody logged in: nothing to watch
    const int silent = h.connect();
    const int late = h.connect();
    EXPECT_TRUE(h.server.watchTimerActive());
    t += 10'000;
    h.say(late, protocol::toserver::LoginInfo{late, kVersion, "Late"});
    h.clear();

    t += TServer::kLoginTimeoutMs - 10'000 - 1;
    h.server.checkConnections();
    h.server.processQueue();
    EXPECT_TRUE(h.server.game().player(silent).connected);
    t += 1;
    h.server.checkConnections();
    h.server.processQueue();
    EXPECT_FALSE(h.server.game().player(silent).connected);
    EXPECT_TRUE(h.server.game().player(late).connected); // logged in in time, however long ago it connected
    EXPECT_EQ(h.to(1), std::vector<std::string>{"CMD_playerdisconnected+" + std::to_string(silent) + "+"});
    EXPECT_FALSE(h.server.watchTimerActive());
    // Its slot is free for the next player.
    EXPECT_EQ(h.connect(), silent);
}

TEST(Relay, ChatActionSoundAndBotSpeed) {
    Harness h;
    h.login("Host");
    h.login("Ann");
    int requested = 0;
    QObject::connect(&h.server, &TServer::botSpeedRequested, [&requested](int ms) { requested = ms; });
    h.clear();
    h.say(2, in::Action{2, "waves|clRed"});
    h.say(2, in::PlayASound{2, "wave7"});
    h.say(2, in::BotSpeed{2, 500});
    EXPECT_EQ(requested, 0);
    h.say(1, in::BotSpeed{1, 777});
    EXPECT_EQ(requested, 0);
    h.say(1, in::BotSpeed{1, 2000});
    EXPECT_EQ(requested, 2000);
    EXPECT_EQ(h.to(1), (std::vector<std::string>{"CMD_action+2+Ann waves|clRed", "CMD_playasound+2+wave7+"}));
}

TEST(Relay, NothingAClientSendsMakesARelayLongerThanTheBound) {
    Harness h;
    h.login("Host");
    h.login(std::string(200, 'N')); // the name is cut to its own limit
    h.clear();
    const std::string line(protocol::FrameBuffer::kDefaultCapacity - 200, 'w'); // the frame limit takes it
    h.say(2, in::Chat{2, line + "|clRed"});
    h.say(2, in::Action{2, line + "|" + std::string(100, 'c')}); // no colour that long: all of it is text
    h.say(2, in::PlayASound{2, "wave" + std::string(protocol::kMaxSoundLength, '7')});
    h.say(2, in::Chat{2, "short|clBlue"});
    const std::string name(protocol::kMaxNameLength, 'N');
    EXPECT_EQ(h.to(1),
              (std::vector<std::string>{
                  "CMD_chat+2+" + name + " chats: " + std::string(protocol::kMaxChatLength, 'w') + "|clRed",
                  "CMD_action+2+" + name + " " + std::string(protocol::kMaxChatLength, 'w'),
                  "CMD_chat+2+" + name + " chats: short|clBlue"}));
    EXPECT_TRUE(h.server.game().player(2).connected);
    // Characters, not bytes: a line of four-byte characters keeps 1,000 of them, none split.
    h.clear();
    std::string wide;
    for (int i = 0; i < 3000; ++i)
        wide += "\xF0\x9F\x98\x80";
    h.say(2, in::Chat{2, wide});
    const auto relayed = h.last<protocol::toclient::Chat>(1);
    ASSERT_TRUE(relayed);
    EXPECT_EQ(relayed->text, name + " chats: " + wide.substr(0, 4 * protocol::kMaxChatLength));
}
