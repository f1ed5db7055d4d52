// The moves of the seat on turn: placing, moving and taking back tiles, drawing, and the finish.

#include "game.h"

#include "rules/boardcheck.h"
#include "rules/scoring.h"

using namespace game;
namespace in = protocol::toserver;
namespace msg = protocol::toclient;

namespace {

constexpr int kPenaltyPromptSeconds = 10;

bool isCell(int cell) {
    return cell >= 1 && cell <= rules::kRackCells;
}

} // namespace

bool Game::moveAllowed(int seat, int fromSlot) {
    if (fromSlot == kInternal || moveLimit_ <= 0) return true;
    if (movesThisTurn_ < moveLimit_) {
        ++movesThisTurn_;
        return true;
    }
    if (movesThisTurn_ == moveLimit_) {
        ++movesThisTurn_; // told once a turn
        send(seat, msg::TableError{"You have moved tiles more often this turn than anyone could: the rest of "
                                   "this turn's moves are ignored."});
    }
    return false;
}

void Game::placemytile(std::string_view args, int fromSlot) {
    const auto m = protocol::decode<in::PlaceMyTile>(args);
    if (!m || !fromSender(m->seat, fromSlot) || !isOnTurn(m->seat)) return;
    if (!isCell(m->cell) || !board_.inPlay(m->column, m->row)) return;
    tplayer& p = player(m->seat);
    int& cell = p.tiles.cells[static_cast<std::size_t>(m->cell)];
    const int tile = cell;
    if (tile == 0 || board_.at(m->column, m->row) != 0 || !moveAllowed(m->seat, fromSlot)) return;

    board_.set(m->column, m->row, tile);
    playedlist_.push_back({m->cell, tile});
    cell = 0;
    tell(TableEvent::Placed, m->seat, {m->cell, tile, m->column, m->row});
    sendAll(msg::PlaceHisTile{m->seat, tile, m->column, m->row});
    send(m->seat, msg::FreeCard{m->seat, m->cell});
}

void Game::swaptiles(std::string_view args, int fromSlot) {
    const auto m = protocol::decode<in::SwapTiles>(args);
    if (!m || !fromSender(m->seat, fromSlot) || !isOnTurn(m->seat)) return;
    if (!board_.inPlay(m->tocolumn, m->torow) || !board_.inPlay(m->fromcolumn, m->fromrow)) return;
    const int tile = board_.at(m->fromcolumn, m->fromrow);
    if (tile == 0 || board_.at(m->tocolumn, m->torow) != 0 || !moveAllowed(m->seat, fromSlot)) return;

    board_.set(m->tocolumn, m->torow, tile);
    board_.set(m->fromcolumn, m->fromrow, 0);
    tell(TableEvent::Moved, m->seat, {m->fromcolumn, m->fromrow, m->tocolumn, m->torow, tile});
    sendAll(msg::SwapTiles{m->seat, m->tocolumn, m->torow, m->fromcolumn, m->fromrow, tile});
}

// Takes a tile played this turn back to the rack cell it came from.
void Game::replacetile(std::string_view args, int fromSlot) {
    const auto m = protocol::decode<in::ReplaceTile>(args);
    if (!m || !fromSender(m->seat, fromSlot) || !isOnTurn(m->seat)) return;
    if (!board_.inPlay(m->column, m->row) || playedlist_.empty()) return;
    const int tile = board_.at(m->column, m->row);
    const auto played = std::find_if(playedlist_.begin(), playedlist_.end(),
                                     [tile](const rules::RackItem& item) { return item.tile == tile; });
    if (tile == 0 || played == playedlist_.end() || !moveAllowed(m->seat, fromSlot)) return;

    std::vector<rules::RackItem> returned;
    returnToRack(m->seat, *played, returned);
    if (returned.empty()) return;
    board_.set(m->column, m->row, 0);
    playedlist_.erase(played);
    tell(TableEvent::TookBack, m->seat, {m->column, m->row, tile});
    send(m->seat, msg::NoUse{m->seat});
    send(m->seat, msg::YourTiles{m->seat, returned});
    sendAll(msg::RemoveTile{m->column, m->row});
}

// Puts a played tile back into its rack cell, or where a draw would put it should that one be taken,
// or into cell 60 as the last resort.
void Game::returnToRack(int seat, const rules::RackItem& item, std::vector<rules::RackItem>& returned) {
    rules::Rack& rack = player(seat).tiles;
    int cell = item.cell;
    if (isCell(cell) && rack.cells[static_cast<std::size_t>(cell)] == 0)
        rack.cells[static_cast<std::size_t>(cell)] = item.tile;
    else if ((cell = rack.draw(item.tile)) == 0 && rack.cells[rules::kRackCells] == 0)
        rack.cells[static_cast<std::size_t>(cell = rules::kRackCells)] = item.tile;
    if (cell == 0) return;
    returned.push_back({cell, item.tile});
}

void Game::undothem(std::string_view args, int fromSlot) {
    const auto m = protocol::decode<in::UndoThem>(args);
    if (!m || !fromSender(m->seat, fromSlot) || !isOnTurn(m->seat)) return;
    undo(m->seat);
}

// Restores the board as it stood after the last accepted turn and returns this turn's tiles.
void Game::undo(int seat) {
    if (!isSeat(seat)) return;
    std::vector<rules::BoardItem> restored = board_.diff(turnboard_);
    board_ = turnboard_;
    if (!restored.empty() || !playedlist_.empty()) tell(TableEvent::Undone, seat);
    if (!restored.empty()) sendAll(msg::UndoThem{seat, std::move(restored)});
    clearusingstring(seat);
}

void Game::clearusingstring(int seat) {
    if (!isSeat(seat) || playedlist_.empty()) return;
    std::vector<rules::RackItem> returned;
    for (const rules::RackItem& item : playedlist_)
        returnToRack(seat, item, returned);
    playedlist_.clear();
    if (!returned.empty()) send(seat, msg::YourTiles{seat, std::move(returned)});
}

bool Game::draw(int seat, int count) {
    if (!isSeat(seat)) return true;
    tplayer& p = player(seat);
    tell(TableEvent::Drew, seat, {count});
    msg::YourTiles drawn{seat, {}};
    for (int i = 0; i < count; ++i) {
        if (pool_.empty()) {
            send(seat, msg::NoMoreTiles{});
            p.emptypool = true;
            bool everyone = true;
            for (int other = 1; other <= kSeats; ++other)
                if (player(other).playing && !player(other).emptypool) everyone = false;
            if (everyone) {
                if (!drawn.cells.empty()) send(seat, drawn);
                endround(0);
                return false;
            }
            pool_.poolnext = rules::kPoolExhausted;
            continue;
        }
        const int cell = rules::drawFromPool(pool_, p.tiles);
        if (cell == 0) {
            send(seat, msg::NoMoreRoom{});
            continue;
        }
        drawn.cells.push_back({cell, p.tiles.cells[static_cast<std::size_t>(cell)]});
    }
    if (!drawn.cells.empty()) send(seat, drawn);
    return true;
}

void Game::takeBackAndDraw(int seat, int count) {
    undo(seat);
    if (draw(seat, count)) findplayer();
}

void Game::drawcard(std::string_view args, int fromSlot) {
    const auto m = protocol::decode<in::DrawCard>(args);
    if (!m || !fromSender(m->seat, fromSlot) || !isOnTurn(m->seat)) return;
    takeBackAndDraw(m->seat, 1);
}

void Game::clickyes(std::string_view args, int fromSlot) {
    const auto m = protocol::decode<in::ClickYes>(args);
    if (!m || !fromSender(m->seat, fromSlot) || !isOnTurn(m->seat)) return;
    tell(TableEvent::Penalty, m->seat, {rules::kPenaltyTiles});
    takeBackAndDraw(m->seat, rules::kPenaltyTiles);
}

void Game::finish(std::string_view args, int fromSlot) {
    const auto m = protocol::decode<in::Finish>(args);
    if (!m || !fromSender(m->seat, fromSlot) || !isOnTurn(m->seat)) return;
    const int seat = m->seat;
    tplayer& p = player(seat);
    if (playedlist_.empty()) {
        takeBackAndDraw(seat, 1); // nothing laid from the rack: board moves are put back
        return;
    }
    p.points = 0;
    for (const rules::RackItem& item : playedlist_)
        p.points += rules::tilevalue(item.tile);

    if (p.points < rules::kFirstLayDown && p.laidpoints == 0) {
        send(seat, msg::NotEnough{seat});
        if (computerControlled(seat)) takeBackAndDraw(seat, 1);
        return;
    }
    if (rules::boardok(board_)) {
        acceptTurn(seat);
        return;
    }
    if (turnclock_ >= kPenaltyPromptSeconds) {
        send(seat, msg::AskPenalty{seat});
        return;
    }
    undo(seat);
    send(seat, msg::Incomplete{seat});
}

// Commits the turn: the board as laid becomes the turn board and the seat scores what it played.
void Game::acceptTurn(int seat) {
    tplayer& p = player(seat);
    std::vector<rules::BoardItem> laid = turnboard_.changedTiles(board_);
    turnboard_ = board_;
    rules::SeatRecords records = seatRecords();
    rules::addTurnScore(records, seat, p.points, options_.teamgame);
    takeScores(records);
    p.laidpoints += p.points;
    tell(TableEvent::Finished, seat, {p.points});
    sendAll(msg::MovedTiles{seat, p.score, p.points, std::move(laid)});

    bool out = p.tilecount() == 0;
    if (options_.teamgame) {
        tplayer& partner = player(p.partner);
        partner.laidpoints = p.laidpoints;
        sendAll(msg::TeamScore{p.partner, partner.score});
        out = out && partner.tilecount() == 0;
    }
    if (out)
        endround(seat);
    else
        findplayer();
}
