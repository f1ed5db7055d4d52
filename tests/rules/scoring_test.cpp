#include "rules/scoring.h"

#include <gtest/gtest.h>

using namespace rules;

namespace {

SeatRecords seatsWithRacks(std::array<int, 4> rackvalues, std::array<int, 4> scores = {}) {
    SeatRecords seats;
    for (std::size_t s = 1; s <= 4; ++s) {
        seats[s].rackvalue = rackvalues[s - 1];
        seats[s].score = scores[s - 1];
        seats[s].points = 99; // whatever the last turn left there
    }
    return seats;
}

std::array<int, 4> points(const SeatRecords& seats) {
    return {seats[1].points, seats[2].points, seats[3].points, seats[4].points};
}
std::array<int, 4> scores(const SeatRecords& seats) {
    return {seats[1].score, seats[2].score, seats[3].score, seats[4].score};
}

SeatRecords withScores(std::array<int, 4> values) {
    return seatsWithRacks({}, values);
}

} // namespace

TEST(EndRound, WinnerGainsWhatTheOthersHold) {
    // Seat 1: Green 5 and a joker (35); seat 3: Red 12; seat 4 does not play.
    SeatRecords seats = seatsWithRacks({35, 0, 12, 0}, {100, 50, -5, 0});
    endround(seats, 2, false);
    EXPECT_EQ(points(seats), (std::array<int, 4>{-35, 47, -12, 0}));
    EXPECT_EQ(scores(seats), (std::array<int, 4>{65, 97, -17, 0}));
}

TEST(EndRound, EmptyPoolEveryoneLosesNobodyGains) {
    SeatRecords seats = seatsWithRacks({10, 20, 30, 40}, {5, 5, 5, 5});
    endround(seats, 0, false);
    EXPECT_EQ(points(seats), (std::array<int, 4>{-10, -20, -30, -40}));
    EXPECT_EQ(scores(seats), (std::array<int, 4>{-5, -15, -25, -35}));
}

TEST(EndRound, TeamRoundsScoreBothPartnersAlike) {
    {
        // Seat 3 goes out, seat 1 also empty, seats 2 and 4 hold 10 and 20.
        SeatRecords seats = seatsWithRacks({0, 10, 0, 20}, {40, -10, 40, -10});
        endround(seats, 3, true);
        EXPECT_EQ(points(seats), (std::array<int, 4>{30, -30, 30, -30}));
        EXPECT_EQ(scores(seats), (std::array<int, 4>{70, -40, 70, -40}));
    }
    {
        // Seat 1 goes out: its partner's rack does not count against the winners.
        SeatRecords seats = seatsWithRacks({0, 7, 25, 3});
        endround(seats, 1, true);
        EXPECT_EQ(points(seats), (std::array<int, 4>{10, -10, 10, -10}));
        EXPECT_EQ(scores(seats), (std::array<int, 4>{10, -10, 10, -10}));
    }
    {
        SeatRecords seats = seatsWithRacks({6, 0, 9, 50}, {100, 200, 100, 200});
        endround(seats, 4, true);
        EXPECT_EQ(points(seats), (std::array<int, 4>{-15, 15, -15, 15}));
        EXPECT_EQ(scores(seats), (std::array<int, 4>{85, 215, 85, 215}));
    }
    {
        SeatRecords seats = seatsWithRacks({6, 1, 9, 2}, {100, 200, 100, 200});
        endround(seats, 0, true);
        EXPECT_EQ(points(seats), (std::array<int, 4>{-15, -3, -15, -3}));
        EXPECT_EQ(scores(seats), (std::array<int, 4>{85, 197, 85, 197}));
    }
}

TEST(TurnScore, AddsToTheSeatAndCopiesToThePartnerInATeamGame) {
    SeatRecords seats = withScores({10, 20, 30, 40});
    addTurnScore(seats, 2, 31, false);
    EXPECT_EQ(scores(seats), (std::array<int, 4>{10, 51, 30, 40}));
    addTurnScore(seats, 3, 12, true);
    EXPECT_EQ(scores(seats), (std::array<int, 4>{42, 51, 42, 40}));
    addTurnScore(seats, 0, 12, true);
    addTurnScore(seats, 5, 12, false);
    EXPECT_EQ(scores(seats), (std::array<int, 4>{42, 51, 42, 40}));

    EXPECT_EQ(partnerOf(1), 3);
    EXPECT_EQ(partnerOf(3), 1);
    EXPECT_EQ(partnerOf(2), 4);
    EXPECT_EQ(partnerOf(4), 2);
    EXPECT_EQ(partnerOf(0), 0);
}

TEST(CheckForWin, NeedsTheTargetAndASingleBestSeat) {
    EXPECT_FALSE(checkforwin(withScores({499, 100, -20, 0}), 500, false).over);
    EXPECT_EQ(checkforwin(withScores({499, 100, -20, 0}), 500, false).bestseat, 0);

    const WinResult tie = checkforwin(withScores({510, 480, 510, 300}), 500, false);
    EXPECT_FALSE(tie.over);
    EXPECT_EQ(tie.bestseat, 1) << "lower seat kept on equal scores";

    // The best seat need not be the one that reached the target first in seat order.
    SeatRecords seats = withScores({500, 480, 520, 300});
    seats[3].name = "Anna";
    const WinResult win = checkforwin(seats, 500, false);
    EXPECT_TRUE(win.over);
    EXPECT_EQ(win.bestseat, 3);
    EXPECT_EQ(win.text, "Anna");

    // A tie below the best seat does not matter.
    EXPECT_TRUE(checkforwin(withScores({500, 500, 520, 300}), 500, false).over);
}

TEST(CheckForWin, ComputerSeatIsNamedByItsBotname) {
    SeatRecords seats = withScores({-40, 505, 12, 0});
    seats[2].botname = "Klot";
    const WinResult win = checkforwin(seats, 500, false);
    EXPECT_TRUE(win.over);
    EXPECT_EQ(win.text, "Klot");
}

TEST(CheckForWin, TeamGamesNameTheTeam) {
    const WinResult green = checkforwin(withScores({600, 550, 600, 550}), 500, true);
    EXPECT_TRUE(green.over);
    EXPECT_EQ(green.text, kGreenTeam);

    const WinResult brown = checkforwin(withScores({-10, 501, -10, 501}), 500, true);
    EXPECT_TRUE(brown.over);
    EXPECT_EQ(brown.bestseat, 2);
    EXPECT_EQ(brown.text, kBrownTeam);

    EXPECT_FALSE(checkforwin(withScores({520, 520, 520, 520}), 500, true).over);
}

TEST(CheckForWin, OnlySeatsThatTookPartCanWinOrTie) {
    // Target 0 after a round lost by everybody: the empty seat 4 kept its 0 but did not play.
    SeatRecords seats = withScores({-12, -30, -5, 0});
    seats[4].botname = "Kling";
    EXPECT_TRUE(checkforwin(seats, 0, false).over); // were it playing, it would win
    seats[4].playing = false;
    EXPECT_FALSE(checkforwin(seats, 0, false).over);

    // Nor does an empty seat's score tie with the best playing seat.
    SeatRecords tied = withScores({510, 480, 300, 510});
    tied[1].name = "Ann";
    EXPECT_FALSE(checkforwin(tied, 500, false).over);
    tied[4].playing = false;
    const WinResult win = checkforwin(tied, 500, false);
    EXPECT_TRUE(win.over);
    EXPECT_EQ(win.text, "Ann");
}
