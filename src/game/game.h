#pragma once
// The game: connection slots and login, the referee of games, rounds and turns, and the computer
// player. It owns the pool, the racks, the board and the scores.
//
// It knows nothing of sockets, event loops or the wall clock. Whoever runs it (the server's socket
// adapter, the simulator, a test) feeds it inputs — a connection opened, a command received from a
// slot, a connection closed, "the time is now T" — and collects what it answers: the outbox of
// commands for slots (and requests to close a slot's connection), and the next time it wants to be
// woken. Randomness comes from a seeded generator.
//
// Every command handler is a plain method taking the argument text and the slot whose connection sent
// it; kInternal (0) marks the computer player's own calls. The two clocks (`timer1`, the turn clock, and
// `computertimer`, the computer's delay) are kept as due times; their handlers can also be called
// directly.

#include "computerplayer.h"
#include "protocol/facts.h"
#include "protocol/messages.h"
#include "rules/scoring.h"
#include "rules/tiles.h"
#include "tplayer.h"

#include <array>
#include <cstdint>
#include <functional>
#include <limits>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace game {

// The options of the game in progress, as chosen in the host's start dialog.
struct GameOptions {
    std::string hostname;
    int playtoscore = protocol::kTargetRange.initial;
    int turnseconds = protocol::kSecondsRange.initial;
    int dealsize = protocol::kTilesRange.initial;
    bool timepenalty = true;
    bool teamgame = false;
};

// How a computer seat plays (weakest first: Beginner, Classic, Strong, Expert, Master):
// - Beginner: the classic player's patterns with the rack's own tiles only, never touching the board's
//   tiles, and now and then it overlooks a set it holds;
// - Classic: the pattern player;
// - Strong: the best lay-down of new sets from its rack, leaving the board's sets as they are;
// - Expert: the best lay-down the board allows, rearranging the board freely;
// - Master: the expert's search with judgement over the round (see masterplan.h).
// Classic is 0, so a level left unset is Classic.
enum class ComputerLevel { Classic, Expert, Beginner, Strong, Master };

// The phase of the turn clock: a turn runs, the pause between rounds, the grace after the time is up.
enum class ClockPhase { Turn = 1, BetweenRounds = 2, Grace = 3 };

// What becomes of a closed connection's slot: freed (the notice goes to the others), held for the
// connection's return (the computer plays the seat, nobody else may take it), or freed without a notice
// (a connection that never logged in and moved on to another table).
enum class Leave { Free, Hold, Quiet };

using Millis = std::int64_t;
inline constexpr Millis kNever = std::numeric_limits<Millis>::max();

// One entry of the outbox: a command (end marker included) for a slot, or a request to close the
// slot's connection (the host removed its player).
struct Outgoing {
    int slot = 0;
    std::string text;
    bool close = false;
};

// What the game reports besides commands, for whoever runs it to show or log.
struct GameEvents {
    std::function<void(int slot, const std::string& name)> loggedIn;
    std::function<void(int slot, const std::string& name)> slotClosed;
    std::function<void(int seats, int dealsize)> gameStarted;
    std::function<void(int winner)> roundEnded;
    std::function<void(const std::string& winner)> gameWon;
    std::function<void(int milliseconds)> botSpeedRequested; // "CMD_botspeed" from slot 1
};

class Game;

// What a table's record hears from the referee, as it happens.
enum class TableEvent {
    GameStarted,
    RoundDealt,
    TurnStarted, // the position is committed: the seat on turn begins
    Placed,      // seat; values: rack cell, tile, column, row
    Moved,       // seat; values: from column, from row, to column, to row, tile
    TookBack,    // seat; values: column, row, tile
    Undone,      // seat
    Drew,        // seat; values: count
    Penalty,     // seat; values: tiles
    TimeUp,      // seat
    Paused,      // values: 1 paused, 0 running again
    Finished,    // seat; values: points of the accepted turn
    RoundEnded,  // values: the winner, 0 when the pool ran dry
    GameWon,     // text: the winner
    Resumed,     // a stopped game goes on; values: its round, 1 at a round's end; text: where it was kept
};

struct TableEventInfo {
    TableEvent kind;
    int seat = 0;
    std::array<int, 5> values{};
    std::string text;
};

// Receives the table's events; the game is passed so the whole position can be read.
class TableSink {
public:
    virtual ~TableSink() = default;
    virtual void tableEvent(const Game& game, const TableEventInfo& event) = 0;
};

// A stopped game's committed position at a turn's start (or a round's end), to go on from.
struct ResumedTable {
    GameOptions options;
    std::array<std::string, kSeats + 1> names{}; // by seat, index 0 unused
    std::array<rules::Rack, kSeats + 1> racks{};
    rules::Board board;
    rules::Pool pool;
    std::array<int, kSeats + 1> scores{};
    std::array<int, kSeats + 1> laid{};
    std::array<bool, kSeats + 1> playing{};
    std::array<bool, kSeats + 1> dry{};
    std::array<bool, kSeats + 1> humans{}; // seats a person held: kept for that name until it comes back
    int round = 0;                         // the round in play, counted from 1
    int seat = 0;                          // the seat on turn, or at a round's end the seat that played last
    bool roundEnd = false;                 // the position is a round's end: the next round is dealt
    std::string from;                      // where the position was kept (a record's file), for the record
};

class Game {
public:
    static constexpr int kDefaultBotDelay = protocol::kNormalComputer;
    static constexpr Millis kTickMs = 1000; // the turn clock's second
    // Tile moves (placing, moving on the board, taking back) one connection may make in one turn: a
    // person moving a tile every fifth of a second through the longest turn stays below it.
    static constexpr int kDefaultMoveLimit = 1000;

    explicit Game(std::uint32_t seed = 1);

    void setSeed(std::uint32_t seed);
    void setBotDelaySource(std::function<int()> source); // the host's computer delay in ms
    // Where a master seat's thinking runs: without a thinker it runs at once, inside the turn's call.
    void setMasterThinker(MasterThinker thinker) { computer_.setMasterThinker(std::move(thinker)); }
    void setVersionText(std::string version); // compared with a newcomer's version
    // The host's own choice, not sent on the wire: the computer plays up to `count` (1..3) empty seats
    // of 2..4, lowest first, from the next game or round on. 0 (the default) keeps the usual rule: seat 2
    // always, seats 3 and 4 only when someone holds them (or in a team game).
    void setComputerOpponents(int count);
    int computerOpponents() const { return computerOpponents_; }
    // The host's own choice, not sent on the wire: how the computer plays `seat` (1..4) whenever it
    // plays it. Classic by default.
    void setComputerLevel(int seat, ComputerLevel level);
    ComputerLevel computerLevel(int seat) const;
    // The host's choice whether players may ask for hints (allowed unless switched off): told to every
    // client at its login, at every game start and, when it changes, at once.
    void setHintsAllowed(bool allowed);
    bool hintsAllowed() const { return hintsAllowed_; }
    // Tile moves a player may make in one turn (0: any number); the computer's own moves are not counted.
    void setMoveLimit(int movesPerTurn) { moveLimit_ = movesPerTurn; }
    void setEvents(GameEvents events) { events_ = std::move(events); }
    // Deals every round from a fresh seed (hex text, from `seedHex`) instead of the game's own
    // generator, announcing `digestHex(seed)` before the deal and the seed itself when the round ends.
    // Without it the deal follows the generator (the simulator's seeded games).
    void setShuffleSource(std::function<std::string()> seedHex,
                          std::function<std::string(std::string_view)> digestHex);
    // Sees every command as it goes into the outbox (tests, the simulator).
    using SendObserver = std::function<void(int slot, const std::string& text)>;
    void setSendObserver(SendObserver observer) { observer_ = std::move(observer); }
    // The table's record (not owned; null for none).
    void setTableSink(TableSink* sink) { sink_ = sink; }

    // ---- Inputs ----
    // A connection arrives: its slot, or kFullSlot when every slot is taken (nothing changes then; the
    // caller turns the connection away with "CMD_full"). While slot 1 is kept (keepFirstSlot), only a
    // connection opened as `firstSlot` gets it; every other one is seated from slot 2 on.
    int open(bool firstSlot = false);
    // Keeps slot 1, and with it the host's powers, for the hosting program's own window, also before that
    // window's connection has arrived.
    void keepFirstSlot(bool kept) { firstSlotKept_ = kept; }
    // One received command (without its end marker) from the connection in `fromSlot`.
    void command(int fromSlot, std::string_view entry);
    // The connection in `slot` is being closed: nothing more is sent to it.
    void closing(int slot);
    // The connection in `slot` has closed; handled in turn with the commands received before it.
    void closed(int slot, Leave leave = Leave::Free);
    // A seat held for a dropped connection is free again (its time ran out).
    void release(int slot);
    bool held(int slot) const { return isSlot(slot) && held_[static_cast<std::size_t>(slot)]; }
    // A returning connection takes its held slot: false when the slot is not held.
    bool openAt(int slot);
    // After a resume, the seats a person held are kept for that person's name until someone logs in
    // with it: newcomers are seated elsewhere meanwhile, and the computer plays the kept seats.
    bool kept(int slot) const { return isSeat(slot) && !keptFor_[static_cast<std::size_t>(slot)].empty(); }
    // The kept seat of `name` (as a login gives it, cleaned as a login cleans it), or 0.
    int keptSeat(std::string_view name) const;
    // The connection that logged in as a kept seat's name moves there (it is asked to log in again);
    // false when the seat is not kept.
    bool openKept(int seat);
    // Host powers: the first logged-in player holds them (seat 1 at a fresh table); when the holder
    // leaves they pass to the longest-connected logged-in player. An operator holds them too.
    bool hasPowers(int slot) const;
    int powerSlot() const { return powerSlot_; }
    void grantOperator(int slot);
    // Time passes: runs, in order, every clock that falls due up to `now`.
    void advanceTo(Millis now);
    // Moves the time to the next due clock and runs that one; false when no clock runs.
    bool runNext();
    Millis now() const { return now_; }
    // When the game next has something to do, and so wants advanceTo; kNever while no clock runs. The
    // turn clock counts down a second at a time without a word to anybody: its deadline is the second
    // it runs out, not each second on the way (advanceTo counts those down all the same).
    Millis nextDeadline() const;

    // ---- Outbox ----
    std::vector<Outgoing> takeOutbox();
    const std::vector<Outgoing>& outbox() const { return outbox_; }

    // ---- Send path: everything sent passes through sendToSlot ----
    void sendToSlot(int slot, const std::string& text);
    void sendToAll(const std::string& text);
    template <class M> void send(int slot, const M& message) { sendToSlot(slot, protocol::encode(message)); }
    template <class M> void sendAll(const M& message) { sendToAll(protocol::encode(message)); }

    // ---- Command handlers (argument text after the command word) ----
    void receivedlogininfo(std::string_view args, int fromSlot);
    void kickhim(std::string_view args, int fromSlot);
    void chat(std::string_view args, int fromSlot);
    void action(std::string_view args, int fromSlot);
    void playasound(std::string_view args, int fromSlot);
    void botspeed(std::string_view args, int fromSlot);
    void justwatch(std::string_view args, int fromSlot);
    void startgame(std::string_view args, int fromSlot);
    void pause(std::string_view args, int fromSlot);
    void placemytile(std::string_view args, int fromSlot = kInternal);
    void swaptiles(std::string_view args, int fromSlot = kInternal);
    void replacetile(std::string_view args, int fromSlot = kInternal);
    void undothem(std::string_view args, int fromSlot = kInternal);
    void finish(std::string_view args, int fromSlot = kInternal);
    void drawcard(std::string_view args, int fromSlot = kInternal);
    void clickyes(std::string_view args, int fromSlot = kInternal);

    // Goes on with a stopped game from `table`: the seats keep their names (the computer plays them
    // until their players come back), the turn of `table.seat` begins (or, after a round's end, the
    // next round is dealt).
    void resume(const ResumedTable& table);
    const std::string& resumedFrom() const { return resumedFrom_; }
    int resumedRound() const { return resumedRound_; }

    // ---- Referee operations ----
    void startround();
    void givetiles();
    void findplayer();
    void undo(int seat);
    void clearusingstring(int seat);
    bool draw(int seat, int count); // false when the draw ended the round
    void timeup(int seat);
    void endround(int winner);
    bool checkforwin();
    void disconnectsock(int slot); // asks for the slot's connection to be closed (a removal)

    // ---- The computer player ----
    bool computerControlled(int seat) const; // nobody connected, or the seat's human just watches
    void computerplay(int seat);             // plays the turn of the seat on turn at once
    // A thinker's answer for a master seat: played if its turn is still running; true when played.
    bool masterThought(const MasterJob& job, const std::optional<Turn>& turn) {
        return computer_.masterThought(job, turn);
    }
    int botDelay() const;

    // ---- Clocks ----
    void timer1Timer();
    void computertimerTimer();

    // ---- State ----
    tplayer& player(int slot);
    const tplayer& player(int slot) const;
    const rules::Board& board() const { return board_; }
    const rules::Board& turnboard() const { return turnboard_; }
    const rules::Pool& pool() const { return pool_; }
    const GameOptions& options() const { return options_; }
    const std::vector<rules::RackItem>& playedlist() const { return playedlist_; }
    std::mt19937& random() { return rng_; }
    int slotcount() const { return slotcount_; }
    bool gamestarted() const { return gamestarted_; }
    int currentplayer() const { return currentplayer_; }
    int turnclock() const { return turnclock_; }
    ClockPhase clockphase() const { return clockphase_; }
    bool timer1Active() const { return timer1_.active; }
    bool computertimerActive() const { return computertimer_.active; }
    int computertimerInterval() const { return computertimerInterval_; }
    // A turn is being played: a game runs and the clock is not between rounds.
    bool turnRunning() const;
    bool isOnTurn(int seat) const { return turnRunning() && isSeat(seat) && seat == currentplayer_; }

private:
    struct Clock {
        bool active = false;
        Millis due = 0;
    };

    bool fromSender(int field, int fromSlot) const;
    // Counts a tile move of a player; false (and, the first time, a word to the player) past the limit.
    bool moveAllowed(int seat, int fromSlot);
    void startTimer1();
    void stopTimer1() { timer1_.active = false; }
    void fireNext();
    // The next clock to fall due, a turn clock's every second included.
    Millis nextTick() const;
    void tell(TableEvent kind, int seat = 0, std::array<int, 5> values = {}, std::string text = {}) {
        if (sink_) sink_->tableEvent(*this, {kind, seat, values, std::move(text)});
    }

    // login.cpp
    void sendExistingPlayers(int slot);
    void passPowers();
    void occupy(int slot);
    void shuffle();
    void sendVersionNotices(int slot, const std::string& version);
    void bringUpToDate(int slot);

    // referee.cpp / turns.cpp / roundend.cpp
    int seatsToDeal() const;
    bool seatPlays(int seat) const;
    void limitDealSize();
    void startComputerTimer();
    void sendNextPlayer();
    void beginTurn();
    void takeBackAndDraw(int seat, int count);
    void acceptTurn(int seat);
    void returnToRack(int seat, const rules::RackItem& item, std::vector<rules::RackItem>& returned);
    rules::SeatRecords seatRecords() const;             // what scoring needs of seats 1..4
    void takeScores(const rules::SeatRecords& records); // score and points back from scoring

    std::array<tplayer, kFullSlot + 1> players_{};           // index 0 unused
    std::array<bool, kFullSlot + 1> closing_{};              // connections being closed: sent nothing more
    std::array<bool, kFullSlot + 1> held_{};                 // seats kept for a dropped connection's return
    std::array<bool, kFullSlot + 1> returning_{};            // came back to a held seat, not yet logged in
    std::array<bool, kFullSlot + 1> operator_{};             // logged in with the operator's token
    std::array<std::uint64_t, kFullSlot + 1> openedOrder_{}; // when each connection came, in order
    std::uint64_t opened_ = 0;
    int powerSlot_ = 0; // 0: nobody holds the host's powers
    int slotcount_ = 0;
    bool firstSlotKept_ = false;
    std::vector<Outgoing> outbox_;

    rules::Pool pool_;
    rules::Board board_;
    rules::Board turnboard_;
    std::vector<rules::RackItem> playedlist_;
    int moveLimit_ = kDefaultMoveLimit;
    int movesThisTurn_ = 0; // tile moves the player on turn has made
    GameOptions options_;
    bool gamestarted_ = false;
    int currentplayer_ = 0;
    int turnclock_ = 0;
    ClockPhase clockphase_ = ClockPhase::Turn;

    Millis now_ = 0;
    Clock timer1_;
    Clock computertimer_;
    int computertimerInterval_ = 0;
    int computerOpponents_ = 0;
    bool hintsAllowed_ = true;
    std::array<ComputerLevel, kSeats + 1> levels_{}; // index 0 unused
    std::mt19937 rng_;
    std::function<int()> botDelaySource_;
    std::string version_;
    SendObserver observer_;
    GameEvents events_;
    TableSink* sink_ = nullptr;
    std::string resumedFrom_;
    int resumedRound_ = 0;
    std::array<bool, kSeats + 1> resumedPlaying_{}; // the seats of a resumed game, which play on
    std::array<std::string, kSeats + 1> keptFor_{}; // a resumed game's seats kept for their names
    ComputerPlayer computer_;
    std::function<std::string()> seedSource_;
    std::function<std::string(std::string_view)> digest_;
    std::string roundSeed_; // the running round's seed while it is secret
};

} // namespace game
