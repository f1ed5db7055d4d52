#pragma once
// The state every part of the main window reads: who we are on the server and whose turn it is.

#include <QString>

namespace client {

struct ClientState {
    QString playername; // also the name sent at login
    QString hostaddress;
    bool ishost = false; // this window runs the game's server
    bool powers = false; // the host's powers: this window hosts, or holds them at a table server
    bool loggedin = false;
    int myslot = 0;   // 1..4 a seat, 5..9 an onlooker, 0 before the login
    int turnslot = 0; // seat on turn, 0 = none
    int seatcount = 4;
    bool clientteamgame = false;
    int turnseconds = 120; // seconds per turn as last announced
    int tilesleft = 0;
    int barscale = 1; // pixels of the time bar per second

    bool isSeat(int slot) const { return slot >= 1 && slot <= seatcount; }
    bool seated() const { return isSeat(myslot); }
    bool myTurn() const { return myslot != 0 && turnslot == myslot; }
};

} // namespace client
