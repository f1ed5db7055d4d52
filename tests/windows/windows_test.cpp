// The auxiliary windows: arguments in, signals out.

#include "windows/tabout.h"
#include "windows/tgamestart.h"
#include "windows/thelp.h"
#include "windows/tspylist.h"
#include "windows/updown.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTextBrowser>

#include <gtest/gtest.h>

using namespace windows;

namespace {

QString fieldText(const QWidget& w, const char* name) {
    auto* e = w.findChild<QLineEdit*>(QString::fromLatin1(name));
    EXPECT_NE(e, nullptr) << name;
    return e ? e->text() : QString();
}

} // namespace

TEST(GameStart, DesignValuesAndArrowLimits) {
    Tgamestart d;
    EXPECT_EQ(d.windowTitle(), "Rimbalo - Game Start");
    EXPECT_EQ(fieldText(d, "edit_playtoscore"), "500");
    EXPECT_EQ(fieldText(d, "edit_creationtime"), "60");
    EXPECT_EQ(fieldText(d, "edit_tiles"), "14");
    EXPECT_TRUE(d.findChild<QLineEdit*>("edit_tiles")->isReadOnly());
    auto* up1 = d.findChild<UpDown*>("UpDown1");
    for (int i = 0; i < 20; ++i)
        up1->stepUp();
    EXPECT_EQ(fieldText(d, "edit_playtoscore"), "1500"); // no wrap-around, no thousands separator
    auto* up2 = d.findChild<UpDown*>("UpDown2");
    for (int i = 0; i < 20; ++i)
        up2->stepDown();
    EXPECT_EQ(fieldText(d, "edit_creationtime"), "20");
    auto* up3 = d.findChild<UpDown*>("UpDown3");
    up3->stepUp();
    EXPECT_EQ(fieldText(d, "edit_tiles"), "15");
    const auto o = d.options();
    EXPECT_EQ(o.playtoscore, 1500);
    EXPECT_EQ(o.creationtime, 20);
    EXPECT_EQ(o.tiles, 15);
    EXPECT_TRUE(o.timepenalty);
    EXPECT_FALSE(o.teamgame);
}

TEST(GameStart, RestoreTakesOnlyReachableValues) {
    Tgamestart d;
    d.restore(30, 1, 49, false);
    EXPECT_EQ(fieldText(d, "edit_playtoscore"), "500");
    EXPECT_EQ(fieldText(d, "edit_creationtime"), "60");
    EXPECT_EQ(fieldText(d, "edit_tiles"), "14");
    EXPECT_FALSE(d.options().timepenalty);
    d.restore(1000, 130, 48, true);
    EXPECT_EQ(fieldText(d, "edit_playtoscore"), "1000");
    EXPECT_EQ(fieldText(d, "edit_creationtime"), "130");
    EXPECT_EQ(fieldText(d, "edit_tiles"), "48");
    d.restore(std::nullopt, std::nullopt, 10, true);
    EXPECT_EQ(fieldText(d, "edit_playtoscore"), "1000");
    EXPECT_EQ(fieldText(d, "edit_tiles"), "10");
}

TEST(GameStart, StartAsksAndHidesClosingAsksNothing) {
    Tgamestart d;
    QSignalSpy spy(&d, &Tgamestart::startRequested);
    d.show();
    d.close();
    EXPECT_EQ(spy.size(), 0);
    d.show();
    d.findChild<QAbstractButton*>("checkbox_tg")->click();
    d.findChild<QAbstractButton*>("button_start")->click();
    ASSERT_EQ(spy.size(), 1);
    EXPECT_TRUE(spy[0][0].value<Tgamestart::Options>().teamgame);
    EXPECT_FALSE(d.isVisible());
}

TEST(Help, TopicButtonsBringTheirPageForward) {
    Thelp h(QStringLiteral("1.0.11"));
    EXPECT_EQ(h.windowTitle(), "Rimbalo - Help File");
    auto* pages = h.findChild<QStackedWidget*>();
    auto* caption = h.findChild<QLabel*>("label_caption");
    const struct {
        int tag;
        const char* caption;
    } topics[] = {{1, "Overview"}, {2, "Connecting"},    {3, "Game Play"},
                  {4, "Scoring"},  {5, "Documentation"}, {11, "The Lobby"}};
    for (const auto& t : topics) {
        auto* button = h.findChild<QAbstractButton*>(QStringLiteral("SelButton%1").arg(t.tag));
        ASSERT_NE(button, nullptr) << t.tag;
        EXPECT_EQ(button->text(), t.caption);
        button->click();
        EXPECT_EQ(pages->currentWidget()->objectName(), QStringLiteral("memo%1").arg(t.tag));
        EXPECT_EQ(caption->text(), t.caption);
    }
    EXPECT_EQ(h.findChild<QLabel*>("label_year")->text(), QString::number(QDate::currentDate().year()));
    QSignalSpy about(&h, &Thelp::aboutRequested);
    h.findChild<QAbstractButton*>("button_about")->click();
    EXPECT_EQ(about.size(), 1);
}

TEST(Help, TheRulesPagesStateTheGamesNumbers) {
    Thelp h(QStringLiteral("1.0.11"));
    const QString play = h.page(3)->toPlainText();
    for (const char* fact :
         {"14 tiles", "30 points", "run", "group", "joker", "3-tile penalty", "10 seconds"})
        EXPECT_TRUE(play.contains(QString::fromLatin1(fact), Qt::CaseInsensitive)) << fact;
    const QString scoring = h.page(4)->toPlainText();
    for (const char* fact : {"Green Team", "Brown Team", "500", "20 seconds", "joker counts 30"})
        EXPECT_TRUE(scoring.contains(QString::fromLatin1(fact))) << fact;
    EXPECT_TRUE(h.page(2)->toPlainText().contains("rimbalo Ann 192.168.1.20 true"));
    EXPECT_TRUE(h.page(5)->toPlainText().contains("1.0.11"));
}

// The help describes the program as it is: the tile faces and colours, the dialogs that host and join,
// the start dialog's computer opponents, the computer levels and hints, and what Enter really does.
TEST(Help, SaysWhatTheProgramDoes) {
    Thelp h(QStringLiteral("1.0.11"));
    const QString overview = h.page(1)->toPlainText();
    const QString connecting = h.page(2)->toPlainText();
    const QString play = h.page(3)->toPlainText();
    for (const char* fact : {"green clubs", "orange diamonds", "red hearts", "black spades"})
        EXPECT_TRUE(overview.contains(QString::fromLatin1(fact))) << fact;
    EXPECT_TRUE(play.contains("J, Q and K count 11, 12 and 13"));
    // The start dialog's own words and range.
    Tgamestart start;
    QString opponents = start.findChild<QLabel*>("label_opponents")->text();
    opponents.chop(1); // its colon
    auto* count = start.findChild<UpDown*>("UpDown4");
    ASSERT_NE(count, nullptr);
    EXPECT_FALSE(count->reachable(0));
    EXPECT_TRUE(count->reachable(3) && !count->reachable(4));
    EXPECT_TRUE(overview.contains(opponents + " (1 to 3)")) << opponents.toStdString();
    EXPECT_FALSE(overview.contains("only when someone sits there"));
    for (const char* fact : {"Expert", "Classic", "Bot Speed"})
        EXPECT_TRUE(overview.contains(QString::fromLatin1(fact))) << fact;
    EXPECT_TRUE(play.contains("Hint"));
    // Hosting and joining through the menu, not only from the command line.
    EXPECT_TRUE(connecting.contains("Game, Host a Game"));
    EXPECT_TRUE(connecting.contains("Game, Join a Game"));
    EXPECT_TRUE(connecting.contains("rimbalo Ann 192.168.1.20 true"));
    // Enter with nothing laid does nothing; it does not draw.
    EXPECT_FALSE(play.contains("Finishing without laying anything draws"));
    EXPECT_TRUE(play.contains("with nothing laid it does nothing"));
    // The marks the board and the rack show.
    EXPECT_TRUE(play.contains("dashed amber outline"));
    EXPECT_TRUE(play.contains("blue corner"));
}

TEST(About, VersionTextIsTheLoginVersion) {
    Tabout a;
    EXPECT_EQ(a.windowTitle(), "Rimbalo - About");
    EXPECT_EQ(a.versionText(), "1.0.11");
    EXPECT_EQ(a.findChild<QLabel*>("label_build")->text(), ".7");
    EXPECT_EQ(a.findChild<QLabel*>("label_year")->text(), QString::number(QDate::currentDate().year()));
    a.show();
    a.findChild<QAbstractButton*>("button_done")->click();
    EXPECT_FALSE(a.isVisible());
}

TEST(SpyList, EntriesAndTheHostsKick) {
    Tspylist s;
    EXPECT_EQ(s.windowTitle(), "Rimbalo - Spys");
    QSignalSpy kick(&s, &Tspylist::kickRequested);
    s.addEntry(6, QStringLiteral("Zed"));
    s.addEntry(7, QStringLiteral("Amy"));
    EXPECT_EQ(s.entries(), (QStringList{"6: Zed", "7: Amy"}));
    s.kickAt(0); // a joiner's menu item stays disabled
    EXPECT_EQ(kick.size(), 0);
    s.setKickEnabled(true);
    s.kickAt(-1); // the menu opened over an empty part of the list
    EXPECT_EQ(kick.size(), 0);
    s.kickAt(1);
    ASSERT_EQ(kick.size(), 1);
    EXPECT_EQ(kick[0][0].toInt(), 7);
    EXPECT_TRUE(s.removeEntry("6: Zed"));
    EXPECT_FALSE(s.removeEntry("6: Zed"));
    EXPECT_EQ(s.entries(), QStringList{"7: Amy"});
}

TEST(GameStart, TheComputerLevelListHoldsTheFiveLevelsAndFitsTheDialog) {
    Tgamestart d;
    d.show();
    auto* list = d.findChild<QComboBox*>("combo_level");
    ASSERT_NE(list, nullptr);
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->itemText(i);
    EXPECT_EQ(items, (QStringList{"Beginner", "Classic", "Strong", "Expert", "Master"}));
    EXPECT_EQ(d.options().level, protocol::kClassicLevel);
    // Every name fits the closed list beside its arrow, and the list overlaps no other control.
    for (const QString& item : items)
        EXPECT_LT(list->fontMetrics().horizontalAdvance(item) + 30, list->width()) << item.toStdString();
    auto* label = d.findChild<QLabel*>("label_level");
    ASSERT_NE(label, nullptr);
    EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width());
    for (const QWidget* other : d.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (other != list && other->isVisible()) {
            EXPECT_FALSE(other->geometry().intersects(list->geometry())) << other->objectName().toStdString();
        }
    }

    // A level restored or set from outside shows; one that is none leaves the list as it was.
    QSignalSpy changed(&d, &Tgamestart::optionsChanged);
    d.restore(std::nullopt, std::nullopt, std::nullopt, true, std::nullopt, 4);
    EXPECT_EQ(list->currentText(), "Master");
    d.setLevel(7);
    EXPECT_EQ(d.options().level, 4);
    list->setCurrentIndex(0);
    ASSERT_FALSE(changed.isEmpty());
    EXPECT_EQ(changed.last()[0].value<Tgamestart::Options>().level, 0);
}
