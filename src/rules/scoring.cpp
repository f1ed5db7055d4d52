#include "scoring.h"

namespace rules {

namespace {

bool isSeat(int seat) {
    return seat >= 1 && seat <= 4;
}

SeatRecord& seatAt(SeatRecords& seats, int seat) {
    return seats[static_cast<std::size_t>(seat)];
}

const SeatRecord& seatAt(const SeatRecords& seats, int seat) {
    return seats[static_cast<std::size_t>(seat)];
}

// Team round: the side that went out gains what the other side still holds; with no winner
// both sides lose their own racks. Seat 1 and 2 are worked out, seats 3 and 4 copy them.
void endTeamRound(SeatRecords& seats, int winner, const std::array<int, 5>& rack) {
    const int green = rack[1] + rack[3];
    const int brown = rack[2] + rack[4];
    SeatRecord& one = seatAt(seats, 1);
    SeatRecord& two = seatAt(seats, 2);
    if (winner == 1 || winner == 3) {
        one.points = brown;
        one.score += brown;
        two.score -= brown;
        two.points = -brown;
    } else if (winner == 2 || winner == 4) {
        two.points = green;
        two.score += green;
        one.score -= green;
        one.points = -green;
    } else {
        one.score -= green;
        one.points = -green;
        two.score -= brown;
        two.points = -brown;
    }
    for (int seat : {3, 4}) {
        seatAt(seats, seat).score = seatAt(seats, seat - 2).score;
        seatAt(seats, seat).points = seatAt(seats, seat - 2).points;
    }
}

// Every loser pays its rack value; the winner (if any) gains all of it.
void endSingleRound(SeatRecords& seats, int winner, const std::array<int, 5>& rack) {
    for (int seat = 1; seat <= 4; ++seat) {
        if (seat == winner) continue;
        const int owed = rack[static_cast<std::size_t>(seat)];
        if (isSeat(winner)) seatAt(seats, winner).points += owed;
        seatAt(seats, seat).score -= owed;
        seatAt(seats, seat).points = -owed;
    }
    if (isSeat(winner)) seatAt(seats, winner).score += seatAt(seats, winner).points;
}

} // namespace

int partnerOf(int seat) {
    switch (seat) {
    case 1:
        return 3;
    case 2:
        return 4;
    case 3:
        return 1;
    case 4:
        return 2;
    default:
        return 0;
    }
}

void endround(SeatRecords& seats, int winner, bool teamgame) {
    if (!isSeat(winner)) winner = 0;
    // The winner's own rack never counts (it is empty when it went out anyway).
    std::array<int, 5> rack{};
    for (int seat = 1; seat <= 4; ++seat) {
        seatAt(seats, seat).points = 0;
        if (seat != winner) rack[static_cast<std::size_t>(seat)] = seatAt(seats, seat).rackvalue;
    }
    if (teamgame)
        endTeamRound(seats, winner, rack);
    else
        endSingleRound(seats, winner, rack);
}

WinResult checkforwin(const SeatRecords& seats, int playtoscore, bool teamgame) {
    WinResult result;
    // Only seats that took part count: an empty seat keeps its score of 0, which must not beat
    // players whose scores went below a target of 0.
    const auto counts = [&](int seat) { return seatAt(seats, seat).playing; };
    int best = 0;
    bool reached = false;
    for (int seat = 1; seat <= 4; ++seat) {
        if (!counts(seat)) continue;
        if (seatAt(seats, seat).score >= playtoscore) reached = true;
        if (best == 0 || seatAt(seats, seat).score > seatAt(seats, best).score) best = seat;
    }
    if (!reached) return result;
    result.bestseat = best;

    const int top = seatAt(seats, best).score;
    if (teamgame) {
        if (seatAt(seats, 1).score == seatAt(seats, 2).score) return result;
        result.text = (best == 1 || best == 3) ? kGreenTeam : kBrownTeam;
    } else {
        for (int seat = 1; seat <= 4; ++seat)
            if (seat != best && counts(seat) && seatAt(seats, seat).score == top) return result;
        const SeatRecord& winner = seatAt(seats, best);
        result.text = winner.name.empty() ? winner.botname : winner.name;
    }
    result.over = true;
    return result;
}

void addTurnScore(SeatRecords& seats, int seat, int value, bool teamgame) {
    if (!isSeat(seat)) return;
    seatAt(seats, seat).score += value;
    if (teamgame) seatAt(seats, partnerOf(seat)).score = seatAt(seats, seat).score;
}

} // namespace rules
