// Playing from the keyboard: the keys of play act only while no text field has the keyboard, and the
// cursor keys with Space pick and place exactly as clicks do.

#include "harness.h"

#include "client/play/boardview.h"
#include "client/play/keymap.h"
#include "client/play/rackview.h"

#include <QLineEdit>
#include <QTest>

using namespace testing_client;
using client::BoardView;
using client::RackView;

namespace {

struct Keys : Seated {
    QWidget* area = tchat.findChild<QWidget*>("board");

    Keys() {
        deal({30, 4, 5, 6});
        showWindow();
        area->setFocus();
    }
    void key(int k, Qt::KeyboardModifiers m = {}) { QTest::keyClick(tchat.focusWidget(), Qt::Key(k), m); }
    void keys(int k, int times) {
        for (int i = 0; i < times; ++i)
            key(k);
    }
};

} // namespace

TEST(Keyboard, TurnKeysPressTheButtonsShownAndNeverWhileTypingInTheChat) {
    Keys t;
    auto* chat = t.tchat.findChild<QLineEdit*>("mychat");
    chat->setFocus();
    t.key(Qt::Key_D);
    EXPECT_EQ(chat->text(), "d");
    EXPECT_TRUE(t.sent.empty());
    t.key(Qt::Key_Escape); // leaves the chat for the board
    t.key(Qt::Key_Return); // Finish is not shown yet
    EXPECT_TRUE(t.sent.empty());
    t.feed("CMD_placehistile+1+9+5+5+"); // the own first placement: Finish and Clear come up
    t.key(Qt::Key_Escape);
    EXPECT_EQ(t.sent, std::vector<std::string>{"CMD_undothem+1+" + E});
    t.key(Qt::Key_Return);
    EXPECT_EQ(t.sent.back(), "CMD_finish+1+" + E);
    t.feed("CMD_nextplayer+1+70+1+0+14+2+0+14+3+0+0+4+0+0");
    t.key(Qt::Key_D);
    EXPECT_EQ(t.sent.back(), "CMD_drawcard+1+" + E);
    EXPECT_EQ(t.sent.size(), 3u);
    // Sorting: 2 by suits, 1 by numbers (Red 4 = 30 sorts after the Green 4 to 6 by suits).
    t.key(Qt::Key_2);
    EXPECT_EQ(t.rack->sortChoice(), 2);
    EXPECT_EQ(t.model().code(t.model().order().back()), 30);
    t.key(Qt::Key_1);
    EXPECT_EQ(t.rack->sortChoice(), 1);
    EXPECT_EQ(t.model().code(t.model().order()[1]), 30);
}

TEST(Keyboard, ArrowsAndSpacePickAndPlaceAsClicksDo) {
    Keys t;
    t.key(Qt::Key_Space); // shows the cursor on the first rack tile
    t.key(Qt::Key_Right);
    t.key(Qt::Key_Space, Qt::ShiftModifier); // Green 4, picked for a run
    EXPECT_EQ(t.tchat.table().rack().held().rackCell(), 2);
    EXPECT_EQ(t.tchat.table().rack().held().completion(), client::Hand::Completion::Run);
    t.key(Qt::Key_Up); // onto the board: column 2, row 12
    t.keys(Qt::Key_Up, 6);
    t.keys(Qt::Key_Right, 3);
    t.key(Qt::Key_Space);
    EXPECT_EQ(t.sent,
              (std::vector<std::string>{"CMD_placemytile+1+2+5+6+" + E, "CMD_placemytile+1+3+6+6+" + E,
                                        "CMD_placemytile+1+4+7+6+" + E}));
    EXPECT_EQ(t.at(7, 6), 6);
    // A board tile lifted with Space and put back with Esc.
    t.key(Qt::Key_Space);
    EXPECT_EQ(t.at(5, 6), 0);
    t.key(Qt::Key_Escape);
    EXPECT_EQ(t.at(5, 6), 4);
    EXPECT_FALSE(t.tchat.table().rack().held().holding());
    EXPECT_EQ(t.sent.size(), 3u) << t.sent.back();
    // Down past the last row goes back into the rack.
    t.keys(Qt::Key_Down, 7);
    t.key(Qt::Key_Space);
    EXPECT_EQ(t.tchat.table().rack().held().rackCell(), 1);
}
