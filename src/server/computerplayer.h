#pragma once
// The computer player: plays the turn of a seat that no human plays, through the same referee
// handlers that serve the clients' commands.

class TServer;

class ComputerPlayer {
public:
    explicit ComputerPlayer(TServer& server) : server_(server) {}

    // Plays the whole turn of `seat`, the seat on turn, and ends it before returning. Without a move
    // search the seat lays nothing and its turn runs to the turn clock.
    void computerplay(int seat);

private:
    TServer& server_;
};
