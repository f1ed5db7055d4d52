#pragma once
// A whole solo game against the computer, as the program plays it: the real main window, hosting a
// real game server in the same thread over loopback. The server's clock is stepped by hand, so the
// computer's turns and the pause between rounds take no time; the human seat is played through
// `Hands` (a mouse, or a keyboard), one gesture per move, with the lay-down the expert's search
// finds for the rack and board the window shows.
//
// To watch a game: RIMBALO_PLAY_SHOTS=DIR saves a picture of the window at every turn's end, and
// RIMBALO_PLAY_SIZE=WxH (or "min", "max") sets the window's size; RIMBALO_PLAY_SEED=N deals another game.

#include "client/window/tchat.h"
#include "game/layout.h"
#include "server/tserver.h"
#include "windows/tgamestart.h"

#include <QString>
#include <QTemporaryDir>

#include <set>
#include <string>
#include <utility>
#include <vector>

namespace client {
class BoardView;
class RackView;
class Table;
} // namespace client

namespace autoplay {

// What the human seat does with its hands; each call is one gesture or one key sequence.
class Hands {
public:
    virtual ~Hands() = default;
    // The tile of rack cell `cell` goes to board cell (column, row).
    virtual void place(int cell, int column, int row) = 0;
    // The board tile at `from` goes to the empty cell `to`.
    virtual void move(int fromColumn, int fromRow, int toColumn, int toRow) = 0;
    // The tile laid this turn at (column, row) goes back to the rack; false when these hands cannot.
    virtual bool takeBack(int column, int row) = 0;
    virtual void finish() = 0;
    virtual void draw() = 0;
    // The turn's moves are taken back.
    virtual void clear() = 0;
};

// What happened in one game, for the test's report.
struct Record {
    std::vector<int> roundWinners; // the seat that went out in each round, 0 when nobody did
    int turnEnds = 0;              // turns ended at any seat
    int humanTurns = 0;            // turns the human seat played
    int layingTurns = 0;
    int tilesLaid = 0;
    int draws = 0;
    int boardMoves = 0; // board tiles the human seat moved to lay its tiles
    int parked = 0;     // of those, moved aside first because their next cell was not yet free
    int takeBacks = 0;
    int giveUps = 0;  // turns cleared and drawn because the planned moves could not all be made
    QString winner;   // as the server announced it
    QString recorded; // as the window recorded it ("addtomine" for its own win)
    std::string summary() const;
};

class SoloGame {
public:
    // A game against `opponents` computer seats (at the expert level or the classic one) to `target`
    // points, dealt from `seed`.
    SoloGame(int opponents, bool expert, int target, quint32 seed);
    ~SoloGame();

    client::Tchat& window() { return window_; }
    client::BoardView& board() const { return *board_; }
    client::RackView& rack() const { return *rack_; }
    // The rack as the window shows it: each shown tile in its rack cell.
    rules::Rack shownRack() const;
    // The rack cells of the tiles the window shows, in their display order.
    std::vector<int> shownCells() const;

    // Shows the window (which starts its solo game) and starts a game from the start dialog.
    bool start();
    // Plays the game to its winner; false when it could not (the reason was reported).
    bool play(Hands& hands);
    const Record& record() const { return record_; }
    // What the server refused the human seat ("CMD_notenough", "CMD_askpenalty", "CMD_incomplete").
    const std::vector<std::string>& refusals() const { return refusals_; }
    // Turn ends at which the window's board or rack differed from the server's.
    int mismatches() const { return mismatches_; }

private:
    bool caughtUp() const { return handled_ == sentToMe_; }
    // Waits until the window has handled everything the server sent it and `done` holds.
    template <class Done> bool settle(Done done, const char* what);
    void atTurnEnd();
    void saveShot();
    void sizeWindow();
    void playTurn(Hands& hands);
    bool layOut(Hands& hands, const game::Turn& plan);
    bool ready(const game::Move& m) const;
    bool apply(Hands& hands, const game::Move& m);
    void takeBackOnce(Hands& hands, const game::Move& placed);
    bool park(Hands& hands, const rules::Board& target, std::vector<game::Move>& pending);
    void endTurn(Hands& hands, bool laid);

    // The program's files go to a temporary folder until everything else has gone.
    struct Folders {
        QTemporaryDir dir;
        Folders();
        ~Folders();
    } folders_;
    qint64 now_ = 0; // the server's clock
    TServer server_;
    windows::Tgamestart gamestart_;
    client::Tchat window_;
    client::BoardView* board_;
    const client::Table* table_;
    client::RackView* rack_;
    int opponents_;
    bool expert_;
    int target_;
    int sentToMe_ = 0; // commands the server sent the human seat
    int handled_ = 0;  // commands the window has handled
    int turnEndsSeen_ = 0;
    bool tookBack_ = false;
    bool failed_ = false;                       // something went wrong and was reported: the game stops
    std::set<std::pair<int, int>> parkedCells_; // cells this turn's tiles were set aside in
    int mismatches_ = 0;
    std::vector<std::string> refusals_;
    QString shots_;
    Record record_;
};

} // namespace autoplay
