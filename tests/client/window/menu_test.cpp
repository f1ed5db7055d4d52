// The host's seat popup, the own "Just Watch" item, the Start button and the windows the menu opens.

#include "harness.h"

#include "windows/tabout.h"
#include "windows/tgamestart.h"
#include "windows/thelp.h"

#include <QAbstractButton>

#include <QMenu>

using namespace testing_client;

TEST(SeatPopup, OnlyTheHostRemovesAndSetsSeatsToWatch) {
    Harness joiner;
    joiner.login(2, QStringLiteral("Bob"));
    joiner.feed("CMD_existingplayers+1+Ann+0+3+Cy+0");
    joiner.tchat.prepareSeatPopup(3);
    EXPECT_FALSE(joiner.action("RemoveFromGame1")->isEnabled());
    EXPECT_FALSE(joiner.action("SettoJustWatch1")->isEnabled());
    EXPECT_FALSE(joiner.action("UnsetJustWatch1")->isEnabled());
    joiner.tchat.kicking(3);
    EXPECT_TRUE(joiner.sent.empty());

    Harness host;
    host.becomeHost();
    host.login(1, QStringLiteral("Ann"));
    host.feed("CMD_existingplayers+3+Cy+0");
    host.tchat.prepareSeatPopup(4);
    EXPECT_FALSE(host.action("RemoveFromGame1")->isEnabled()); // seat 4 shows "<Waiting>"
    EXPECT_TRUE(host.action("SettoJustWatch1")->isEnabled());
    host.tchat.prepareSeatPopup(3);
    ASSERT_TRUE(host.action("RemoveFromGame1")->isEnabled());
    host.action("RemoveFromGame1")->trigger();
    host.action("SettoJustWatch1")->trigger();
    host.action("UnsetJustWatch1")->trigger();
    ASSERT_EQ(host.sent.size(), 3u);
    EXPECT_EQ(host.sent[0], "CMD_kickhim+1+3+" + E);
    EXPECT_EQ(host.sent[1], "CMD_justwatch+3+1" + E);
    EXPECT_EQ(host.sent[2], "CMD_justwatch+3+2" + E);
    EXPECT_EQ(host.tchat.findChild<QMenu*>(QStringLiteral("popup_kick"))->property("Tag").toInt(), 3);
}

TEST(SeatPopup, SeatOneHasNoPopup) {
    Harness h;
    auto* one = h.tchat.findChild<QLabel*>(QStringLiteral("label_playername1"));
    auto* two = h.tchat.findChild<QLabel*>(QStringLiteral("label_playername2"));
    EXPECT_NE(one->contextMenuPolicy(), Qt::CustomContextMenu);
    EXPECT_EQ(two->contextMenuPolicy(), Qt::CustomContextMenu);
}

TEST(JustWatchItem, SendsAndWaitsForTheServer) {
    Harness h;
    QAction* item = h.action("JustWatch1");
    item->trigger(); // not logged in: nothing
    EXPECT_TRUE(h.sent.empty());
    EXPECT_FALSE(item->isChecked());

    h.login(2, QStringLiteral("Bob"));
    item->trigger();
    ASSERT_EQ(h.sent.size(), 1u);
    EXPECT_EQ(h.sent[0], "CMD_justwatch+2+1" + E);
    EXPECT_FALSE(item->isChecked()); // the check follows CMD_justwatching
    h.feed("CMD_justwatching+2+1");
    item->trigger();
    EXPECT_EQ(h.sent.back(), "CMD_justwatch+2+2" + E);
    EXPECT_TRUE(item->isChecked());

    Harness onlooker;
    onlooker.login(6, QStringLiteral("Zed"));
    onlooker.action("JustWatch1")->trigger();
    EXPECT_TRUE(onlooker.sent.empty());
}

TEST(StartButton, NeedsAConnectionAndSendsTheDialogsOptions) {
    Harness h;
    windows::Tgamestart dialog;
    h.tchat.attachWindows({&dialog, nullptr, nullptr, nullptr, nullptr});
    h.tchat.startGame();
    EXPECT_EQ(h.notices, QStringList{"You are not connected"});
    EXPECT_FALSE(dialog.isVisible());

    h.becomeHost();
    h.login(1, QStringLiteral("Ann"));
    h.tchat.startGame();
    EXPECT_TRUE(dialog.isVisible());
    dialog.start();
    EXPECT_FALSE(dialog.isVisible());
    ASSERT_EQ(h.sent.size(), 1u);
    EXPECT_EQ(h.sent[0], "CMD_startgame+Ann+500+60+t+f+14+" + E);

    h.tchat.sendStartGame(1000, 180, false, true, 48);
    EXPECT_EQ(h.sent.back(), "CMD_startgame+Ann+1000+180+f+t+48+" + E);
}

TEST(ViewTally, AsksForTheTallyListWithTheOtherSeatsNames) {
    Harness h;
    h.login(2, QStringLiteral("Bob"));
    h.feed("CMD_existingplayers+1+Ann+0");
    EXPECT_EQ(h.tchat.otherSeatNames(), QStringList{QStringLiteral("Ann")}); // not Bob, not the waiting seats
    int requests = 0;
    QObject::connect(&h.tchat, &client::Tchat::tallyRequested, [&requests] { ++requests; });
    h.action("ViewTally1")->trigger();
    EXPECT_EQ(requests, 1);
}

TEST(HelpMenu, WindowsAreBuiltWhenFirstOpenedAndThenWired) {
    Harness h;
    int built = 0;
    const auto help = windows::LazyWindow<windows::Thelp>::later([&built] {
        ++built;
        return std::make_unique<windows::Thelp>(QStringLiteral("1.0.11"));
    });
    const auto about = windows::LazyWindow<windows::Tabout>::later([&built] {
        ++built;
        return std::make_unique<windows::Tabout>();
    });
    h.tchat.attachWindows({.help = help, .about = about});
    h.login(1, QStringLiteral("Ann"));
    EXPECT_EQ(built, 0) << "a window the player has not opened was built";

    h.action("Content1")->trigger();
    ASSERT_TRUE(help.built());
    EXPECT_TRUE(help->isVisible());
    EXPECT_FALSE(about.built());
    // The help window's About button, connected when the help window was built, opens the about box.
    help->findChild<QAbstractButton*>(QStringLiteral("button_about"))->click();
    ASSERT_TRUE(about.built());
    EXPECT_TRUE(about->isVisible());
    EXPECT_EQ(built, 2);
    help->close();
    about->close();
}
