#include "client/table/table.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

using client::Table;

TEST(Table, SeatsStartWaitingAndOnlyRealChangesAreTold) {
    Table t;
    for (int s = 1; s <= Table::kSeats; ++s) {
        EXPECT_TRUE(t.waiting(s)) << s;
        EXPECT_EQ(t.seat(s).score, "0");
        EXPECT_EQ(t.seat(s).cards, "0");
    }
    QSignalSpy seats(&t, &Table::seatChanged);
    QSignalSpy turns(&t, &Table::turnChanged);
    t.setName(2, QStringLiteral("Bob"));
    t.setName(2, QStringLiteral("Bob"));
    t.setCards(3, QStringLiteral("14"));
    t.setWatching(3, true);
    t.setWatching(3, true);
    ASSERT_EQ(seats.size(), 3);
    EXPECT_EQ(seats[0][0].toInt(), 2);
    EXPECT_EQ(seats[2][0].toInt(), 3);
    EXPECT_EQ(t.name(2), "Bob");
    EXPECT_TRUE(t.seat(3).watching);

    t.setTurn(3);
    t.setTurn(3);
    t.setTurn(7); // no seat: nobody is on turn
    ASSERT_EQ(turns.size(), 2);
    EXPECT_EQ(turns[1][0].toInt(), 0);
    EXPECT_EQ(t.turn(), 0);
}

TEST(Table, NumbersOutsideTheSeatsChangeNothingAndReadEmpty) {
    Table t;
    QSignalSpy seats(&t, &Table::seatChanged);
    for (int s : {-1, 0, 5, 9, 1000}) {
        t.setName(s, QStringLiteral("X"));
        t.setScore(s, QStringLiteral("5"));
        t.setSitout(s, true);
        t.setComputer(s);
        EXPECT_TRUE(t.name(s).isEmpty()) << s;
        EXPECT_TRUE(t.seat(s).score.isEmpty()) << s;
        EXPECT_FALSE(t.waiting(s)) << s;
        EXPECT_FALSE(t.computerNamed(s)) << s;
        EXPECT_TRUE(Table::computerName(s).isEmpty()) << s;
    }
    EXPECT_TRUE(seats.isEmpty());
    EXPECT_EQ(t.otherNames(1), QStringList());
}

TEST(Table, ComputerSeatsOtherNamesAndClearing) {
    Table t;
    EXPECT_TRUE(Table::computerName(1).isEmpty());
    EXPECT_EQ(Table::computerName(2), "Klot");
    t.setComputer(2);
    EXPECT_TRUE(t.computerNamed(2));
    EXPECT_FALSE(t.waiting(2));
    t.setName(1, QStringLiteral("Ann"));
    t.setName(3, QStringLiteral("Cy"));
    EXPECT_EQ(t.otherNames(1), (QStringList{"Klot", "Cy"}));
    EXPECT_EQ(t.otherNames(3), (QStringList{"Ann", "Klot"}));

    t.setScore(1, QStringLiteral("120"));
    t.setBonus(1, QStringLiteral("+30"));
    t.setCards(1, QStringLiteral("9"));
    t.setSitout(4, true);
    t.setTurn(1);
    t.clearCounts();
    EXPECT_EQ(t.seat(1).score, "0");
    EXPECT_TRUE(t.seat(1).bonus.isEmpty());
    EXPECT_TRUE(t.seat(1).cards.isEmpty());
    EXPECT_EQ(t.name(1), "Ann"); // the people stay
    t.clearSeats();
    for (int s = 1; s <= Table::kSeats; ++s) {
        EXPECT_TRUE(t.waiting(s)) << s;
        EXPECT_FALSE(t.seat(s).sitout) << s;
    }
    EXPECT_EQ(t.turn(), 0);
}

TEST(Table, TheLaidValueCountsEachTileOnceAndAJokerThirty) {
    Table t;
    EXPECT_EQ(t.layDown(), Table::LayDown::Unknown);
    EXPECT_FALSE(t.layDownPending());
    t.setLayDown(Table::LayDown::Pending);
    EXPECT_TRUE(t.layDownPending());
    const int green12 = 12;
    const int red12 = 2 * 13 + 12;
    t.laid(green12);
    t.laid(red12);
    t.laid(rules::kJoker);
    t.laid(green12); // the second Green 12 of the set
    EXPECT_EQ(t.laidValue(), 12 + 12 + 30 + 12);
    t.takenBack(green12); // one of the two, not both
    EXPECT_EQ(t.laidValue(), 12 + 30 + 12);
    t.takenBack(5); // never laid: nothing changes
    EXPECT_EQ(t.laidValue(), 54);
    t.clearLaid();
    EXPECT_EQ(t.laidValue(), 0);
    t.setLayDown(Table::LayDown::Made);
    EXPECT_FALSE(t.layDownPending());
}

TEST(Table, TheBoardKeepsCellsOnTheBoardOnlyUntilItIsCleared) {
    Table t;
    t.setCell(3, 4, 17);
    t.setCell(rules::kColumns, 4, 9); // off the board
    t.setCell(3, -1, 9);
    EXPECT_EQ(t.board().at(3, 4), 17);
    EXPECT_EQ(t.board().list().size(), 1u);
    t.setCell(3, 4, 0);
    EXPECT_TRUE(t.board().list().empty());
    t.setCell(1, 1, 5);
    t.clearBoard();
    EXPECT_EQ(t.board().at(1, 1), 0);
}

TEST(Table, TheHostsHintOptionIsToldOnlyWhenItChanges) {
    Table t;
    QSignalSpy options(&t, &Table::hostOptionsChanged);
    EXPECT_TRUE(t.hintsAllowed());
    t.setHintsAllowed(true);
    EXPECT_TRUE(options.isEmpty());
    t.setHintsAllowed(false);
    t.setHintsAllowed(false);
    EXPECT_FALSE(t.hintsAllowed());
    EXPECT_EQ(options.size(), 1);
    t.clearSeats(); // a new game keeps the host's options
    EXPECT_FALSE(t.hintsAllowed());
}

} // namespace
