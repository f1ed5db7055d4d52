#pragma once
// The game's course as the server tells it, applied to the panel's parts: a game starts, a round
// starts, the turn passes, a seat runs out of time, a round ends, the game is won, a late joiner
// catches up. And the player's own turn: what the turn buttons send, and the tile in hand when the
// turn is taken back.

#include "protocol/messages.h"

#include <QObject>
#include <QString>

#include <functional>
#include <string>
#include <string_view>

namespace client {

struct ClientState;
class BoardView;
class GameInfo;
class Hints;
class RackView;
class RoundSummary;
class SoundCues;
class Table;
class TurnControls;

class GameFlow : public QObject {
    Q_OBJECT
public:
    struct Parts {
        ClientState* state = nullptr;
        Table* table = nullptr;
        GameInfo* info = nullptr;
        TurnControls* turn = nullptr;
        BoardView* board = nullptr;
        RackView* rack = nullptr;
        RoundSummary* summary = nullptr;
        SoundCues* sounds = nullptr;
        Hints* hints = nullptr;
        std::function<void(const std::string&)> send;
        std::function<void(const QString&)> systemLine;
    };
    GameFlow(QObject* parent, Parts parts);

    // Handlers of received commands.
    void startthegame(const protocol::toclient::StartGame& m);
    void startround(const protocol::toclient::StartRound& m);
    void getnextplayer(const protocol::toclient::NextPlayer& m);
    void loadstats(const protocol::toclient::LoadStats& m);
    void endround(const protocol::toclient::EndRound& m);
    void winner(const protocol::toclient::Winner& m);
    void notime(const protocol::toclient::NoTime& m);

    // Empties the rack and the board and resets every seat's figures.
    void clearall();
    void cleartheboard();
    // Nothing of a game is shown any more: no turn, no figures, no names, no options of a team game.
    void clearGame();
    // The connection has ended: no turn runs any more.
    void stopTurn();
    // A game runs: its options are on the panel.
    bool gameOn() const { return gameOn_; }
    // The turn sound: 0 classic, 1 new.
    int turnSound() const { return turnsound_; }
    void setTurnSound(int choice) { turnsound_ = choice == 1 ? 1 : 0; }

signals:
    // A game has started: nobody watches yet.
    void gameStarted();
    // A game ended while this client held a seat: "addtomine" for a win of one's own, else the winner.
    void gameRecorded(const QString& winner);
    // This client's own turn has begun (the window asks for attention if it is in the background).
    void ownTurnStarted();

private:
    void connectTurnControls();
    // With a tile in hand: says so, plays "nocando" and returns true.
    bool refuseWhileHolding(const char* message);
    // Puts the tile in hand back where it was picked up; nothing is held afterwards.
    void putBackHeld();
    void applyOptions(int seconds, bool asClock, bool timepenalty, bool teamgame);
    void tellTilesTaken(const protocol::toclient::NextPlayer& m);
    void send(const std::string& command) { send_(command); }
    void systemLine(const QString& text) { systemLine_(text); }
    void play(const QString& cue);

    ClientState& state_;
    Table* table_;
    GameInfo* info_;
    TurnControls* turn_;
    BoardView* board_;
    RackView* rack_;
    RoundSummary* summary_;
    SoundCues* sounds_;
    Hints* hints_;
    std::function<void(const std::string&)> send_;
    std::function<void(const QString&)> systemLine_;
    int lastTurn_ = 0; // the seat whose turn the last "next player" began, 0 between rounds
    bool gameOn_ = false;
    QString winner_; // the winner's banner, waiting for the round summary to be closed
    int turnsound_ = 0;
};

} // namespace client
