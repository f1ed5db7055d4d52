#pragma once
// The state every part of the main window reads: who we are, whose turn it is, what is held.

#include <QString>

namespace client {

// A tile in the player's hand: picked from the rack (a rack cell) or lifted off the board.
struct HeldTile {
    static constexpr int kNothing = -1;
    static constexpr int kFromBoard = 100;
    int heldtile = kNothing; // -1, a rack cell 1..60, or 100 for a board tile
    int heldcode = 0;        // the held tile's code, 0 when nothing is held
    char placemode = 'n';    // completion mode chosen at pick-up: 'n', 's' or 'c'
    int heldcol = -1;        // origin cell of a board tile
    int heldrow = -1;

    bool holding() const { return heldtile != kNothing; }
    void clear() {
        heldtile = kNothing;
        heldcode = 0;
        heldcol = -1;
        heldrow = -1;
    }
};

struct ClientState {
    QString playername; // also the name sent at login
    QString hostaddress;
    bool ishost = false;
    bool loggedin = false;
    int myslot = 0;   // 1..4 a seat, 5..9 an onlooker, 0 before the login
    int turnslot = 0; // seat on turn, 0 = none
    int seatcount = 4;
    bool clientteamgame = false;
    int turnseconds = 120; // seconds per turn as last announced
    int tilesleft = 0;
    int barscale = 1; // pixels of the time bar per second
    HeldTile held;

    bool isSeat(int slot) const { return slot >= 1 && slot <= seatcount; }
    bool seated() const { return isSeat(myslot); }
    bool myTurn() const { return myslot != 0 && turnslot == myslot; }
};

} // namespace client
