#pragma once
// The server's record of one connection and of one table (private to the server).

#include "sendrate.h"
#include "tserver.h"

#include <array>

struct TServer::Link {
    quint64 id = 0;
    QTcpSocket* socket = nullptr; // null for a connection without a socket (tests)
    QString peer;                 // the remote address
    protocol::FrameBuffer buffer;
    int queued = 0;          // its commands waiting in the queue
    qint64 openedAt = 0;     // when it was accepted, or last went back to the list
    bool loggedIn = false;   // its login arrived
    qint64 fullSince = -1;   // since when its queue has been full; -1 while it has room
    bool closing = false;    // closed or being closed: nothing more is read from it or sent to it
    bool dropQueued = false; // removed by the server: what it sent and is still queued is not handled
    bool peerLeft = false;   // the peer closed it (its seat may be held for it)
    bool tentative = false;  // seated without choosing a table: a table command moves it on
    Table* table = nullptr;  // null while choosing a table
    int slot = 0;
    std::string pendingToken; // its seat token, sent after the login's answers
    std::string unsent;       // what this pass said to it, written to the socket at once at its end
    server::SendRate rate;    // how fast it may chat and change the table
};

struct TServer::Table {
    std::string code;
    std::string name;
    bool isPublic = true;
    game::Game game;
    std::array<Link*, game::kFullSlot + 1> links{};        // the connection in each slot
    std::array<std::string, game::kFullSlot + 1> tokens{}; // the seat token of each logged-in slot
    std::array<qint64, game::kFullSlot + 1> heldUntil{};   // while a seat is held for its token
    int holds = 0;
    QTimer deadline; // the game's next deadline
    qint64 emptySince = -1;
    QString kickedBy; // who sent the command being handled (a removal names them)
    int botDelay = game::Game::kDefaultBotDelay;
    bool used = false; // someone has logged in here

    // A slot is free for a newcomer (a seat held for its player is not).
    bool hasRoom() const {
        if (game.slotcount() < game::kLastSlot) return true;
        for (int slot = 1; slot <= game::kLastSlot; ++slot)
            if (!game.player(slot).connected && !game.held(slot)) return true;
        return false;
    }
    bool seatFree() const {
        for (int seat = 1; seat <= game::kSeats; ++seat)
            if (!game.player(seat).connected && !game.held(seat)) return true;
        return false;
    }

    int connections() const {
        int n = 0;
        for (const Link* link : links)
            n += link ? 1 : 0;
        return n;
    }
};
