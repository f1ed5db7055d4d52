// The Hint button: allowed or not by the server, the advice asked of the program's hint source with
// the board and rack the player sees, outlined in the rack, and laid through the player's own
// commands. Also the host's Options items that go with it.

#include "harness.h"

#include "client/language/languages.h"
#include "client/play/boardview.h"
#include "client/play/hintsource.h"
#include "client/play/rackview.h"
#include "client/settings/inifile.h"
#include "tilecodes.h"
#include "windows/tgamestart.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QMenu>
#include <QTranslator>

using namespace testing_client;
using namespace tilecodes;
using client::HintPlan;
using client::HintStep;

namespace {

// A source that answers with a fixed plan and remembers what it was asked.
struct FakeSource {
    std::optional<HintPlan> answer;
    int calls = 0;
    rules::Board board;
    rules::Rack rack;
    int minimum = -1;
    client::HintSource source() {
        return [this](const rules::Board& b, const rules::Rack& r, int m) {
            ++calls;
            board = b;
            rack = r;
            minimum = m;
            return answer;
        };
    }
};

HintStep place(int cell, int column, int row, int tile) {
    return {.kind = HintStep::Kind::Place, .rackCell = cell, .toColumn = column, .toRow = row, .tile = tile};
}
HintStep move(int fromColumn, int fromRow, int toColumn, int toRow, int tile) {
    return {.kind = HintStep::Kind::Move,
            .fromColumn = fromColumn,
            .fromRow = fromRow,
            .toColumn = toColumn,
            .toRow = toRow,
            .tile = tile};
}

// Ann in seat 1 with a new round dealt: Black 7 8 9 10 on row 1, Green 10, Orange 10, a joker and Red 3
// in rack cells 1..4, and (unless told otherwise) hints allowed and her turn.
struct HintTable : Harness {
    FakeSource fake;
    client::RackView* rack = tchat.findChild<client::RackView*>();
    client::BoardView* board = tchat.findChild<client::BoardView*>();
    QAbstractButton* button = tchat.findChild<QAbstractButton*>(QStringLiteral("button_hint"));

    explicit HintTable(const char* hints = "CMD_hints+1+") {
        tchat.setHintSource(fake.source());
        login(1);
        feed("CMD_newplayerinfo+2+Bob+0");
        feed("CMD_startgame+Ann+500+60+t+f+14+");
        feed("CMD_startround+0+0+0+0+");
        feed("CMD_loadboard+1+1+1+" + std::to_string(Black(7)) + "+2+1+" + std::to_string(Black(8)) +
             "+3+1+" + std::to_string(Black(9)) + "+4+1+" + std::to_string(Black(10)));
        feed("CMD_yourtiles+1+1," + std::to_string(Green(10)) + "+2," + std::to_string(Orange(10)) +
             "+3,53+4," + std::to_string(Red(3)));
        if (hints) feed(hints);
        feed("CMD_nextplayer+1+70+1+0+4+2+0+14+3+0+0+4+0+0");
        sent.clear();
        cues.clear();
    }
    // A group of tens: Black 10 leaves the run for row 3, the two tens and the joker of the rack join it.
    void answerTens() {
        fake.answer = HintPlan{.value = 50,
                               .rackCells = {1, 2, 3},
                               .steps = {move(4, 1, 1, 3, Black(10)), place(1, 2, 3, Green(10)),
                                         place(2, 3, 3, Orange(10)), place(3, 4, 3, rules::kJoker)}};
    }
    std::string status() const { return text("label_status").toStdString(); }
};

} // namespace

TEST(Hint, OutlinesTheSourcesLayDownAndPlaceSendsExactlyItsSteps) {
    HintTable t;
    t.answerTens();
    ASSERT_TRUE(t.button->isEnabled());
    EXPECT_EQ(t.button->text(), "Hint");
    t.button->click();

    // The source was asked with the board and the rack as the player sees them, the first lay-down's 30.
    ASSERT_EQ(t.fake.calls, 1);
    EXPECT_EQ(t.fake.board, t.board->mirror());
    EXPECT_EQ(t.fake.rack.cells[4], Red(3));
    EXPECT_EQ(t.fake.rack.tilecount(), 4);
    EXPECT_EQ(t.fake.minimum, 30);
    EXPECT_EQ(t.rack->outlined(), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(t.button->text(), "Place");
    EXPECT_EQ(t.status(), "Hint: 3 tiles worth 50. Press Place to lay them.");
    EXPECT_TRUE(t.sent.empty()) << "the advice alone sends nothing";

    t.button->click();
    EXPECT_EQ(t.fake.calls, 1) << "the advice shown is laid, not asked again";
    EXPECT_EQ(t.sent,
              (std::vector<std::string>{"CMD_swaptiles+1+1+3+4+1+" + E, "CMD_placemytile+1+1+2+3+" + E,
                                        "CMD_placemytile+1+2+3+3+" + E, "CMD_placemytile+1+3+4+3+" + E}));
    EXPECT_EQ(t.board->mirror().at(1, 3), Black(10));
    EXPECT_EQ(t.board->mirror().at(4, 1), 0);
    EXPECT_EQ(t.board->mirror().at(4, 3), rules::kJoker);
    EXPECT_TRUE(t.rack->outlined().empty());
    EXPECT_EQ(t.button->text(), "Hint");
    EXPECT_EQ(t.status(), "Hint laid (50 points): press Finish to end your turn.");

    // The server's echoes change nothing more; the rack tiles laid no longer count as the rack's.
    t.feed("CMD_swaptiles+1+1+3+4+1+" + std::to_string(Black(10)) + "+");
    t.feed("CMD_placehistile+1+" + std::to_string(Green(10)) + "+2+3+");
    t.feed("CMD_placehistile+1+" + std::to_string(Orange(10)) + "+3+3+");
    t.feed("CMD_placehistile+1+53+4+3+");
    for (int cell : {1, 2, 3})
        t.feed("CMD_freecard+1+" + std::to_string(cell) + "+");
    t.fake.answer = HintPlan{};
    t.sent.clear();
    t.button->click();
    EXPECT_EQ(t.fake.rack.tilecount(), 1) << "Red 3 alone is left";
    EXPECT_EQ(t.fake.minimum, 1) << "the 50 laid this turn make the first lay-down";
    EXPECT_EQ(t.status(), "None of your tiles can be laid: draw a tile.");
    EXPECT_TRUE(t.sent.empty());
}

// The button's second press lays the advice whatever the language says on it ("Legen", "Poser").
TEST(Hint, PlaceLaysTheAdviceInAnyLanguage) {
    QTranslator german;
    ASSERT_TRUE(client::loadCatalogue(german, QStringLiteral("de")));
    QCoreApplication::installTranslator(&german);
    {
        HintTable t;
        t.answerTens();
        t.button->click();
        EXPECT_NE(t.button->text(), "Place");
        t.button->click();
        EXPECT_EQ(t.fake.calls, 1);
        EXPECT_EQ(t.sent.size(), 4u);
        EXPECT_EQ(t.board->mirror().at(4, 3), rules::kJoker);

        // Another seat's tile named in the language of the window.
        t.feed("CMD_placehistile+2+" + std::to_string(Red(7)) + "+7+7+");
        EXPECT_EQ(t.text("label_played"), QStringLiteral("Bob hat gelegt: Rot 7."));
        t.feed("CMD_placehistile+2+53+8+7+");
        EXPECT_EQ(t.text("label_played"), QStringLiteral("Bob hat gelegt: Joker."));
    }
    QCoreApplication::removeTranslator(&german);
}

TEST(Hint, AChangedBoardAsksAgainInsteadOfLayingOldAdvice) {
    HintTable t;
    t.answerTens();
    t.button->click();
    ASSERT_EQ(t.rack->outlined().size(), 3u);
    t.feed("CMD_swaptiles+1+6+5+3+1+" + std::to_string(Black(9)) + "+"); // the board is not as it was
    EXPECT_TRUE(t.rack->outlined().empty());
    EXPECT_EQ(t.button->text(), "Hint");
    t.button->click();
    EXPECT_EQ(t.fake.calls, 2);
    EXPECT_TRUE(t.sent.empty());
    EXPECT_EQ(t.rack->outlined().size(), 3u);

    // A tile laid by hand before the first lay-down leaves that much less to reach 30.
    t.fake.answer = HintPlan{};
    t.rack->cardimagesMouseDown(4, Qt::LeftButton, {}, QPoint(5, 5));
    t.board->boardMouseDown(Qt::LeftButton, QPoint((10 - 1) * 20 + 8, (8 - 1) * 30 + 12));
    ASSERT_EQ(t.board->mirror().at(10, 8), Red(3));
    t.button->click();
    EXPECT_EQ(t.fake.minimum, 27);
    EXPECT_EQ(t.fake.rack.tilecount(), 3);
    EXPECT_EQ(t.status(), "No lay-down of 30 yet: draw a tile.");
    t.answerTens();
    t.button->click();

    // Holding a tile, no advice is given; nor outside the own turn.
    t.rack->cardimagesMouseDown(3, Qt::LeftButton, {}, QPoint(5, 5));
    const int calls = t.fake.calls;
    t.button->click();
    EXPECT_EQ(t.fake.calls, calls);
    EXPECT_EQ(t.lastLine(), "You cannot take a hint when you have a tile in your hand.");
    t.rack->cardimagesMouseDown(3, Qt::LeftButton, {}, QPoint(5, 5));
    t.feed("CMD_nextplayer+2+70+1+0+4+2+0+14+3+0+0+4+0+0");
    EXPECT_FALSE(t.button->isEnabled());
    EXPECT_TRUE(t.rack->outlined().empty()) << "a new turn takes the advice away";
}

TEST(Hint, TheButtonStaysOffUnlessTheServerAllowsHints) {
    HintTable never(nullptr); // a server that does not know the command
    EXPECT_FALSE(never.button->isEnabled());
    never.tchat.handleCommand("CMD_hints+x+"); // unreadable: still nothing heard
    EXPECT_FALSE(never.button->isEnabled());

    HintTable off("CMD_hints+0+");
    off.answerTens();
    EXPECT_FALSE(off.button->isEnabled());
    EXPECT_EQ(off.button->toolTip(), "The host has switched hints off");
    off.button->click();
    off.tchat.handleCommand("CMD_hints+1+");
    EXPECT_TRUE(off.button->isEnabled());
    off.button->click();
    ASSERT_EQ(off.rack->outlined().size(), 3u);
    off.tchat.handleCommand("CMD_hints+0+"); // switched off during the turn: the advice goes too
    EXPECT_FALSE(off.button->isEnabled());
    EXPECT_TRUE(off.rack->outlined().empty());
    EXPECT_EQ(off.fake.calls, 1);
}

TEST(HostOptions, AllowHintsAndTheComputerLevelAreTheHostsAndKeptInTheSettings) {
    Harness h;
    windows::Tgamestart dialog;
    h.tchat.attachWindows({.gamestart = &dialog});
    QSignalSpy hints(&h.tchat, &client::Tchat::hintsAllowedChanged);
    QSignalSpy level(&h.tchat, &client::Tchat::computerLevelChanged);
    const auto items = {"AllowHints1",  "LevelBeginner1", "LevelClassic1",
                        "LevelStrong1", "LevelExpert1",   "LevelMaster1"};
    for (const char* item : items)
        EXPECT_FALSE(h.action(item)->isEnabled()) << item << ": nobody hosts yet";
    h.becomeHost();
    h.login(1);
    for (const char* item : items)
        EXPECT_TRUE(h.action(item)->isEnabled()) << item;

    EXPECT_TRUE(h.tchat.hintsAllowed());
    h.action("AllowHints1")->trigger();
    EXPECT_FALSE(h.tchat.hintsAllowed());
    ASSERT_EQ(hints.size(), 1);
    EXPECT_EQ(hints.last().at(0).toBool(), false);

    // The menu's level and the dialog's list are one choice, every level in both.
    const int expert = protocol::computerLevelIndex("expert");
    h.action("LevelExpert1")->trigger();
    EXPECT_EQ(dialog.options().level, expert);
    ASSERT_FALSE(level.isEmpty());
    EXPECT_EQ(level.last().at(0).toInt(), expert);
    auto* list = dialog.findChild<QComboBox*>(QStringLiteral("combo_level"));
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->count(), 5);
    EXPECT_EQ(list->itemText(0), QStringLiteral("Beginner"));
    list->setCurrentIndex(4);
    EXPECT_TRUE(h.action("LevelMaster1")->isChecked());
    EXPECT_EQ(level.last().at(0).toInt(), 4);
    dialog.setLevel(protocol::kClassicLevel);
    EXPECT_TRUE(h.action("LevelClassic1")->isChecked());
    EXPECT_EQ(level.last().at(0).toInt(), protocol::kClassicLevel);

    // Both are written to the settings file, and read back from it at the next login.
    h.action("LevelExpert1")->trigger();
    client::IniFile ini;
    const QString path = h.dir.filePath(QStringLiteral("vemkolobby.ini"));
    ASSERT_TRUE(ini.load(path));
    EXPECT_EQ(ini.value(QStringLiteral("rimbalo"), QStringLiteral("AllowHints")), QStringLiteral("false"));
    EXPECT_EQ(ini.value(QStringLiteral("rimbalo"), QStringLiteral("ComputerLevel")),
              QStringLiteral("expert"));
    ini.setValue(QStringLiteral("rimbalo"), QStringLiteral("AllowHints"), QStringLiteral("true"));
    ini.setValue(QStringLiteral("rimbalo"), QStringLiteral("ComputerLevel"), QStringLiteral("classic"));
    ASSERT_TRUE(ini.save(path));
    h.login(1);
    EXPECT_TRUE(h.tchat.hintsAllowed());
    EXPECT_TRUE(hints.last().at(0).toBool()) << "the host's server hears of it";
    EXPECT_TRUE(h.action("LevelClassic1")->isChecked());

    // A joiner's window has no say.
    h.tchat.setLobbyPort(1);
    h.tchat.processparams({"Ann", "127.0.0.1:1", "false"});
    EXPECT_FALSE(h.action("AllowHints1")->isEnabled());
}

// Options > Game Records Kept: the hosting program's server hears of the choice, which is kept in the
// settings file; a damaged value reads as the default.
TEST(HostOptions, TheGameRecordsKeptAreChosenInOptionsAndKeptInTheSettings) {
    Harness h;
    QSignalSpy kept(&h.tchat, &client::Tchat::keptRecordsChanged);
    h.login(1); // the settings file is read, so changes may be written
    EXPECT_EQ(h.tchat.keptRecords(), 200);
    EXPECT_TRUE(h.action("RecordsKept200")->isChecked());
    h.action("RecordsKept50")->trigger();
    EXPECT_EQ(h.tchat.keptRecords(), 50);
    ASSERT_FALSE(kept.isEmpty());
    EXPECT_EQ(kept.last().at(0).toInt(), 50);
    EXPECT_FALSE(h.action("RecordsKept200")->isChecked());

    client::IniFile ini;
    const QString path = h.dir.filePath(QStringLiteral("vemkolobby.ini"));
    ASSERT_TRUE(ini.load(path));
    EXPECT_EQ(ini.value(QStringLiteral("rimbalo"), QStringLiteral("KeptRecords")), QStringLiteral("50"));
    ini.setValue(QStringLiteral("rimbalo"), QStringLiteral("KeptRecords"), QStringLiteral("0"));
    ASSERT_TRUE(ini.save(path));
    h.login(1);
    EXPECT_EQ(h.tchat.keptRecords(), 0);
    EXPECT_TRUE(h.action("RecordsKeptAll")->isChecked());
    EXPECT_EQ(kept.last().at(0).toInt(), 0);
    ini.setValue(QStringLiteral("rimbalo"), QStringLiteral("KeptRecords"), QStringLiteral("-3"));
    ASSERT_TRUE(ini.save(path));
    h.login(1);
    EXPECT_EQ(h.tchat.keptRecords(), 200);
}
