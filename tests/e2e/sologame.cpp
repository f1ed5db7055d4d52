#include "sologame.h"

#include "client/play/boardview.h"
#include "client/play/rackview.h"
#include "client/settings/filelocations.h"
#include "client/table/table.h"
#include "game/game.h"
#include "protocol/facts.h"

#include <QAbstractButton>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>
#include <optional>
#include <sstream>

namespace autoplay {

namespace {

constexpr int kWaitMs = 10'000;
constexpr int kMaxSteps = 20'000;    // clock steps in one game: computer turns, seconds between rounds
constexpr int kMaxHumanTurns = 1000; // a game that long has gone wrong

bool startsWith(const std::string& text, std::string_view prefix) {
    return text.rfind(prefix, 0) == 0;
}

bool sameRack(const rules::Rack& a, const rules::Rack& b) {
    return a.cells == b.cells;
}

std::string describe(const rules::Board& board) {
    std::ostringstream out;
    for (const rules::BoardItem& item : board.list())
        out << ' ' << item.column << ',' << item.row << '=' << item.tile;
    return out.str();
}

// A tile the plan steps aside to a spare cell and moves on from there goes straight to its cell:
// stepping aside is done by hand when it is needed, into a cell where nothing refuses it.
std::vector<game::Move> direct(std::vector<game::Move> moves) {
    using Kind = game::Move::Kind;
    for (std::size_t i = 0; i < moves.size(); ++i) {
        game::Move& first = moves[i];
        if (first.kind != Kind::Shift) continue;
        const auto onward = std::find_if(
            moves.begin() + static_cast<std::ptrdiff_t>(i) + 1, moves.end(), [&](const game::Move& m) {
                return m.kind == Kind::Shift && m.tile == first.tile && m.fromColumn == first.toColumn &&
                       m.fromRow == first.toRow;
            });
        if (onward == moves.end()) continue;
        first.toColumn = onward->toColumn;
        first.toRow = onward->toRow;
        moves.erase(onward);
    }
    return moves;
}

std::string describe(const std::vector<game::Move>& moves) {
    std::ostringstream out;
    for (const game::Move& m : moves)
        if (m.kind == game::Move::Kind::Place)
            out << " rack " << m.rackCell << "->" << m.toColumn << ',' << m.toRow << '=' << m.tile;
        else
            out << ' ' << m.fromColumn << ',' << m.fromRow << "->" << m.toColumn << ',' << m.toRow << '='
                << m.tile;
    return out.str();
}

} // namespace

std::string Record::summary() const {
    std::ostringstream out;
    out << roundWinners.size() << " round(s) (gone out:";
    for (int seat : roundWinners)
        out << " seat " << seat;
    out << "), " << turnEnds << " turns; the human seat played " << humanTurns << " turns: laid " << tilesLaid
        << " tiles in " << layingTurns << " (" << boardMoves << " board tiles moved, " << parked
        << " of them parked first, " << takeBacks << " take-back), drew in " << draws << ", gave up "
        << giveUps << "; winner " << winner.toStdString();
    return out.str();
}

SoloGame::Folders::Folders() {
    client::FileLocations::setProgramFolder(dir.path());
    client::FileLocations::setUserFolder(dir.path());
}

SoloGame::Folders::~Folders() {
    client::FileLocations::setProgramFolder({});
    client::FileLocations::setUserFolder({});
}

SoloGame::SoloGame(int opponents, bool expert, int target, quint32 seed)
    : board_(window_.findChild<client::BoardView*>()), table_(window_.findChild<client::Table*>()),
      rack_(window_.findChild<client::RackView*>()), opponents_(opponents), expert_(expert), target_(target),
      shots_(qEnvironmentVariable("RIMBALO_PLAY_SHOTS")) {
    server_.setVersionText(
        QString::fromLatin1(protocol::kVersion.data(), static_cast<qsizetype>(protocol::kVersion.size())));
    bool otherDeal = false;
    const quint32 chosen = qEnvironmentVariable("RIMBALO_PLAY_SEED").toUInt(&otherDeal);
    server_.setSeed(otherDeal ? chosen : seed);
    server_.setClock([this] { return now_; });
    server_.setBotDelaySource([this] { return window_.botspeed(); });
    server_.game().setSendObserver([this](int slot, const std::string& text) {
        if (slot != 1) return;
        ++sentToMe_;
        for (const char* refusal : {"CMD_notenough+", "CMD_askpenalty+", "CMD_incomplete+"})
            if (startsWith(text, refusal)) refusals_.push_back(text.substr(0, text.size() - 1));
        if (startsWith(text, "CMD_nextplayer+") || startsWith(text, "CMD_endround+")) ++record_.turnEnds;
    });
    QObject::connect(&server_, &TServer::roundEnded, &server_,
                     [this](int seat) { record_.roundWinners.push_back(seat); });
    QObject::connect(&server_, &TServer::gameWon, &server_, [this](const QString& w) { record_.winner = w; });

    // Everything the window receives is counted on its way in, so a test knows when it has caught up.
    // The seat token comes from the server's adapter, not from the game, so it is not counted.
    window_.connection().setCommandHandler([this](std::string_view entry) {
        if (!startsWith(std::string(entry), "CMD_seattoken+")) ++handled_;
        window_.handleCommand(entry);
    });
    window_.setMessageBox([](const QString&) {});
    window_.setLobbyPort(1);
    window_.setGamePort(0);
    window_.setServerStarter([this](quint16, QString* error) -> quint16 {
        if (server_.listen(0, QHostAddress::LocalHost)) return server_.serverPort();
        if (error) *error = server_.errorString();
        return 0;
    });
    window_.attachWindows({.gamestart = &gamestart_});
    // The host's own choices reach its server as the program wires them.
    QObject::connect(&window_, &client::Tchat::computerOpponentsChanged, &server_,
                     [this](int count) { server_.game().setComputerOpponents(count); });
    QObject::connect(&window_, &client::Tchat::computerLevelChanged, &server_, [this](int level) {
        const auto chosen =
            game::computerLevelNamed(protocol::kComputerLevels[static_cast<std::size_t>(level)]);
        for (int seat = 1; seat <= game::kSeats; ++seat)
            server_.game().setComputerLevel(seat, chosen.value_or(game::ComputerLevel::Classic));
    });
    QObject::connect(&window_, &client::Tchat::gameRecorded, &server_,
                     [this](const QString& winner) { record_.recorded = winner; });
}

SoloGame::~SoloGame() = default;

rules::Rack SoloGame::shownRack() const {
    rules::Rack rack;
    for (int cell : shownCells())
        rack.cells[static_cast<std::size_t>(cell)] = window_.table().rack().code(cell);
    return rack;
}

std::vector<int> SoloGame::shownCells() const {
    std::vector<int> cells;
    for (int cell : window_.table().rack().order())
        if (const QWidget* w = rack_->picture(cell); w && !w->isHidden()) cells.push_back(cell);
    return cells;
}

template <class Done> bool SoloGame::settle(Done done, const char* what) {
    if (QTest::qWaitFor([&] { return caughtUp() && done(); }, kWaitMs)) {
        atTurnEnd();
        return true;
    }
    ADD_FAILURE() << "waited in vain for " << what << " (" << handled_ << " of " << sentToMe_
                  << " commands handled)";
    failed_ = true;
    return false;
}

// At every turn's end the window shows the server's board and the seat's rack.
void SoloGame::atTurnEnd() {
    if (turnEndsSeen_ == record_.turnEnds) return;
    turnEndsSeen_ = record_.turnEnds;
    const game::Game& g = server_.game();
    if (board_->mirror() != g.board() || !sameRack(shownRack(), g.player(1).tiles)) {
        ++mismatches_;
        ADD_FAILURE() << "turn end " << turnEndsSeen_ << ": the window shows" << describe(board_->mirror())
                      << "\nthe server has" << describe(g.board());
    }
    saveShot();
}

void SoloGame::saveShot() {
    if (shots_.isEmpty()) return;
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    const QString name = QStringLiteral("%1/%2-%3.png")
                             .arg(shots_, QString::fromLatin1(info ? info->name() : "game"))
                             .arg(turnEndsSeen_, 4, 10, QLatin1Char('0'));
    if (!QDir().mkpath(shots_) || !window_.grab().save(name))
        ADD_FAILURE() << "could not save " << name.toStdString();
}

void SoloGame::sizeWindow() {
    const QString size = qEnvironmentVariable("RIMBALO_PLAY_SIZE");
    if (size.isEmpty()) return;
    if (size == QLatin1String("min")) {
        window_.resize(window_.minimumSize().expandedTo(window_.minimumSizeHint()));
    } else if (size == QLatin1String("max")) {
        window_.resize(window_.screen()->availableGeometry().size());
    } else {
        const QStringList wh = size.split(QLatin1Char('x'));
        if (wh.size() == 2) window_.resize(wh[0].toInt(), wh[1].toInt());
    }
}

bool SoloGame::start() {
    window_.show(); // a window shown without arguments plays a solo game
    if (!QTest::qWaitForWindowExposed(&window_)) {
        ADD_FAILURE() << "the window was not shown";
        return false;
    }
    if (!settle([this] { return window_.state().loggedin && window_.state().myslot == 1; }, "the login"))
        return false;
    gamestart_.restore(target_, std::nullopt, std::nullopt, true, opponents_,
                       expert_ ? protocol::computerLevelIndex("expert") : protocol::kClassicLevel);
    auto* open = window_.findChild<QAbstractButton*>(QStringLiteral("button_start"));
    if (!open || !open->isVisible()) {
        ADD_FAILURE() << "no Start button to press";
        return false;
    }
    QTest::mouseClick(open, Qt::LeftButton, {}, open->rect().center());
    auto* go = gamestart_.findChild<QAbstractButton*>(QStringLiteral("button_start"));
    if (!go || !gamestart_.isVisible()) {
        ADD_FAILURE() << "the game start dialog did not open";
        return false;
    }
    QTest::mouseClick(go, Qt::LeftButton, {}, go->rect().center());
    if (!settle([this] { return server_.game().isOnTurn(1) && window_.state().myTurn(); }, "the first turn"))
        return false;
    // Sized once the settings (read at each login confirmation) have placed the window.
    sizeWindow();
    return settle([] { return true; }, "the window's new size");
}

bool SoloGame::play(Hands& hands) {
    for (int step = 0; step < kMaxSteps && !failed_; ++step) {
        if (!refusals_.empty()) {
            ADD_FAILURE() << "the server refused the seat's turn: " << refusals_.front();
            return false;
        }
        if (!record_.winner.isEmpty())
            return settle([this] { return !record_.recorded.isEmpty(); }, "the window's record of the game");
        if (server_.game().isOnTurn(1)) {
            if (record_.humanTurns >= kMaxHumanTurns) break;
            playTurn(hands);
            continue;
        }
        // The computer plays, or the next round is due: the clock moves on to it.
        const game::Millis due = server_.game().nextDeadline();
        if (due == game::kNever) {
            ADD_FAILURE() << "the game came to rest without a winner";
            return false;
        }
        now_ = std::max<qint64>(now_, due);
        server_.clockMoved();
        settle([] { return true; }, "the computer's turn");
    }
    if (!failed_) ADD_FAILURE() << "no winner after " << record_.humanTurns << " turns of the seat";
    return false;
}

void SoloGame::playTurn(Hands& hands) {
    ++record_.humanTurns;
    const auto plan = game::planTurn(board_->mirror(), shownRack(), !table_->layDownPending());
    if (!plan || plan->draw) {
        endTurn(hands, false);
        return;
    }
    if (layOut(hands, *plan)) {
        ++record_.layingTurns;
        record_.tilesLaid += plan->tiles;
        endTurn(hands, true);
        return;
    }
    if (failed_) return;
    // The planned moves could not all be made: the turn is cleared and the seat draws.
    ++record_.giveUps;
    hands.clear();
    const game::Game& g = server_.game();
    if (settle([&] { return g.board() == g.turnboard() && board_->mirror() == g.turnboard(); }, "the clear"))
        endTurn(hands, false);
}

void SoloGame::endTurn(Hands& hands, bool laid) {
    if (laid) {
        hands.finish();
    } else {
        ++record_.draws;
        hands.draw();
    }
    settle([this] { return !server_.game().isOnTurn(1) || !refusals_.empty(); },
           laid ? "the turn's end" : "the draw");
}

// The moves in an order the window accepts: each as soon as its tile is free to go and its cell is
// empty and takes the tile next to its neighbours. When none can go, a board tile still to move is set
// aside in a cell alone (no tile of the new board beside it) and goes on from there.
bool SoloGame::layOut(Hands& hands, const game::Turn& plan) {
    std::vector<game::Move> pending = direct(plan.moves);
    parkedCells_.clear();
    while (!pending.empty() && !failed_) {
        const auto next =
            std::find_if(pending.begin(), pending.end(), [this](const game::Move& m) { return ready(m); });
        if (next == pending.end()) {
            if (park(hands, plan.board, pending)) continue;
            std::cout << "[ gave up  ] with the board" << describe(board_->mirror()) << "\n  and the moves"
                      << describe(pending) << std::endl;
            return false;
        }
        const game::Move move = *next;
        pending.erase(next);
        if (!apply(hands, move)) return false;
        if (move.kind == game::Move::Kind::Place && !tookBack_) takeBackOnce(hands, move);
    }
    return !failed_;
}

bool SoloGame::ready(const game::Move& m) const {
    const rules::Board& b = board_->mirror();
    if (b.at(m.toColumn, m.toRow) != 0) return false;
    if (m.kind == game::Move::Kind::Shift && b.at(m.fromColumn, m.fromRow) != m.tile) return false;
    if (m.kind == game::Move::Kind::Place && window_.table().rack().code(m.rackCell) != m.tile) return false;
    return board_->orderOk(m.tile, m.toColumn, m.toRow);
}

// One move by hand; the window shows it at once and the server's echo agrees.
bool SoloGame::apply(Hands& hands, const game::Move& m) {
    rules::Board expected = board_->mirror();
    expected.set(m.toColumn, m.toRow, m.tile);
    if (m.kind == game::Move::Kind::Place) {
        hands.place(m.rackCell, m.toColumn, m.toRow);
    } else {
        expected.set(m.fromColumn, m.fromRow, 0);
        ++record_.boardMoves;
        hands.move(m.fromColumn, m.fromRow, m.toColumn, m.toRow);
    }
    if (window_.table().rack().held().holding() || board_->mirror() != expected) {
        const auto* status = window_.findChild<QLabel*>(QStringLiteral("label_status"));
        ADD_FAILURE() << "the window did not take the move of tile " << m.tile << " to " << m.toColumn << ','
                      << m.toRow << ": " << (status ? status->text().toStdString() : std::string());
        failed_ = true;
        return false;
    }
    return settle([&] { return server_.game().board() == expected; }, "the move's echo");
}

// Once a game, the first tile laid goes back to the rack by hand and is laid again.
void SoloGame::takeBackOnce(Hands& hands, const game::Move& placed) {
    tookBack_ = true;
    if (!hands.takeBack(placed.toColumn, placed.toRow)) return;
    rules::Board expected = board_->mirror();
    expected.set(placed.toColumn, placed.toRow, 0);
    if (!settle(
            [&] {
                return server_.game().board() == expected && board_->mirror() == expected &&
                       shownRack().cells[static_cast<std::size_t>(placed.rackCell)] == placed.tile;
            },
            "the take-back"))
        return;
    ++record_.takeBacks;
    apply(hands, placed);
}

bool SoloGame::park(Hands& hands, const rules::Board& target, std::vector<game::Move>& pending) {
    const rules::Board& now = board_->mirror();
    const auto alone = [&](int column, int row) {
        for (int c = column - 1; c <= column + 1; ++c)
            if (now.at(c, row) != 0 || target.at(c, row) != 0) return false;
        return true;
    };
    std::optional<QPoint> spot;
    for (int row = rules::kLastRow; row >= 1 && !spot; --row)
        for (int column = 2; column < rules::kLastColumn && !spot; ++column)
            if (alone(column, row)) spot = QPoint(column, row);
    if (!spot) return false;
    for (game::Move& m : pending) {
        if (m.kind != game::Move::Kind::Shift || now.at(m.fromColumn, m.fromRow) != m.tile ||
            parkedCells_.contains({m.fromColumn, m.fromRow}))
            continue;
        game::Move aside = m;
        aside.toColumn = spot->x();
        aside.toRow = spot->y();
        if (!apply(hands, aside)) return false;
        ++record_.parked;
        m.fromColumn = spot->x();
        m.fromRow = spot->y();
        parkedCells_.insert({m.fromColumn, m.fromRow});
        return true;
    }
    return false;
}

} // namespace autoplay
