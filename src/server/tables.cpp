// Tables: creating and removing them, seating connections, the table commands, seat tokens and the
// seats held for dropped players.

#include "table.h"
#include "tserver.h"

#include "protocol/fields.h"
#include "protocol/text.h"
#include "protocol/words.h"
#include "registry/tableregistry.h"

#include <QCryptographicHash>
#include <QTcpSocket>

#include <algorithm>

using namespace game;
namespace in = protocol::toserver;
namespace msg = protocol::toclient;

namespace {

constexpr std::size_t kMaxTableName = 30;
constexpr qint64 kCreateWindowMs = 60'000;

// The commitment to a round's seed: the SHA-256 digest of the seed's hex text, in hex.
std::string digestOf(std::string_view seedHex) {
    return QCryptographicHash::hash(QByteArray(seedHex.data(), static_cast<qsizetype>(seedHex.size())),
                                    QCryptographicHash::Sha256)
        .toHex()
        .toStdString();
}

} // namespace

std::string TServer::randomHex(int bytes) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string out;
    for (int i = 0; i < bytes; i += 4) {
        const unsigned int word = entropy_();
        for (int b = 0; b < 4 && i + b < bytes; ++b) {
            const unsigned int byte = (word >> (8 * b)) & 0xff;
            out += kDigits[byte >> 4];
            out += kDigits[byte & 0xf];
        }
    }
    return out;
}

std::string TServer::newCode() {
    std::uniform_int_distribution<std::size_t> pick(0, kCodeAlphabet.size() - 1);
    std::string code;
    do {
        code.clear();
        for (int i = 0; i < kCodeLength; ++i)
            code += kCodeAlphabet[pick(entropy_)];
    } while (tables_.count(code) != 0);
    return code;
}

// ---- Tables ----

TServer::Table& TServer::createTable(bool isPublic, const std::string& name, const std::string& code) {
    auto owned = std::make_unique<Table>();
    Table& table = *owned;
    table.code = code.empty() ? newCode() : code;
    table.name = name.empty() ? "Table " + table.code : name;
    table.isPublic = isPublic;
    table.game.setSeed(seed_.value_or(entropy_())); // the computer players' own choices
    table.game.setVersionText(version_);
    table.game.setHintsAllowed(hintsAllowed_);
    if (!seed_) table.game.setShuffleSource([this] { return randomHex(32); }, digestOf);
    wireGame(table);
    table.deadline.setSingleShot(true);
    connect(&table.deadline, &QTimer::timeout, this, [this, &table] {
        catchUp(table);
        flush(table);
    });
    tables_.emplace(table.code, std::move(owned));
    if (!singleTable())
        emit logLine(QStringLiteral("Table %1 opened (%2)")
                         .arg(QString::fromStdString(table.code),
                              isPublic ? QStringLiteral("public") : QStringLiteral("private")));
    listingChanged();
    return table;
}

void TServer::wireGame(Table& table) {
    const QString code = QString::fromStdString(table.code);
    const QString at = singleTable() ? QString() : QStringLiteral(" (table %1)").arg(code);
    for (int seat = 1; seat <= game::kSeats; ++seat)
        table.game.setComputerLevel(seat, level_);
    table.game.setMoveLimit(limits_.movesPerTurn);
    table.game.setBotDelaySource(
        [this, &table] { return botDelaySource_ ? botDelaySource_() : table.botDelay; });
    table.game.setMasterThinker(
        [this, code = table.code](game::MasterJob job) { think(code, std::move(job)); });
    GameEvents events;
    events.loggedIn = [this, &table](int slot, const std::string& name) { markLoggedIn(table, slot, name); };
    events.slotClosed = [this](int slot, const std::string& name) {
        emit slotClosed(slot, QString::fromStdString(name));
    };
    events.gameStarted = [this, at](int seats, int dealsize) {
        ++stats_.gamesPlayed;
        listingChanged();
        emit logLine(
            QStringLiteral("Game started: %1 seats, %2 tiles each%3").arg(seats).arg(dealsize).arg(at));
        emit gameStarted(seats, dealsize);
    };
    events.roundEnded = [this, at](int winner) {
        emit logLine(winner == 0 ? QStringLiteral("Round ended: the pool ran dry%1").arg(at)
                                 : QStringLiteral("Round ended: seat %1 went out%2").arg(winner).arg(at));
        emit roundEnded(winner);
    };
    events.gameWon = [this, at](const std::string& winner) {
        emit logLine(QStringLiteral("Winner: %1%2").arg(QString::fromStdString(winner), at));
        emit gameWon(QString::fromStdString(winner));
    };
    events.botSpeedRequested = [this, &table](int ms) {
        table.botDelay = ms;
        emit botSpeedRequested(ms);
    };
    table.game.setEvents(std::move(events));
}

void TServer::removeTable(Table& table) {
    for (const std::string& token : table.tokens)
        if (!token.empty()) tokens_.erase(token);
    if (!singleTable())
        emit logLine(QStringLiteral("Table %1 closed").arg(QString::fromStdString(table.code)));
    if (registry_ && !lostCodes_.erase(table.code)) registry_->release(table.code);
    tables_.erase(table.code);
}

TServer::Table* TServer::findTable(const std::string& code) const {
    const auto it = tables_.find(code);
    return it == tables_.end() ? nullptr : it->second.get();
}

TServer::Table* TServer::publicTableWithSeat() const {
    for (const auto& [code, table] : tables_)
        if (table->isPublic && table->seatFree() && table->hasRoom()) return table.get();
    return nullptr;
}

// The table is empty: a table nobody ever logged in at goes at once, any other a while later.
void TServer::noteIfEmpty(Table& table) {
    if (&table == single_ || table.connections() > 0 || table.holds > 0) return;
    if (!table.used) {
        removeTable(table);
        return;
    }
    if (table.emptySince < 0) table.emptySince = now();
    updateWatchTimer();
}

void TServer::removeEmptyTables(qint64 t) {
    std::vector<Table*> gone;
    for (auto& [code, table] : tables_)
        if (table.get() != single_ && table->emptySince >= 0 && t - table->emptySince >= kEmptyTableMs &&
            table->connections() == 0 && table->holds == 0)
            gone.push_back(table.get());
    for (Table* table : gone)
        removeTable(*table);
}

// ---- Seating ----

bool TServer::seatAt(Link& link, Table& table, bool own) {
    catchUp(table);
    const int slot = table.game.open(own);
    if (slot == kFullSlot) return false;
    attach(link, table, slot);
    return true;
}

// Records the connection in the slot the game has just opened for it (which told it its slot).
void TServer::attach(Link& link, Table& table, int slot) {
    link.table = &table;
    link.slot = slot;
    link.openedAt = now();
    table.links[static_cast<std::size_t>(slot)] = &link;
    table.emptySince = -1;
    if (!singleTable())
        sendDirect(link, protocol::encode(msg::TableCode{table.code, table.isPublic, table.name}));
    emit logLine(QStringLiteral("Connection from %1").arg(where(link)));
    emit slotConnected(slot, link.peer);
    flush(table);
    updateWatchTimer();
    listingChanged();
}

// Takes the connection from its table: its slot is freed (quietly for one that never logged in).
void TServer::leaveTable(Link& link, Leave leave) {
    Table* table = link.table;
    if (!table) return;
    catchUp(*table);
    if (leave != Leave::Hold) forgetToken(*table, link.slot);
    table->links[static_cast<std::size_t>(link.slot)] = nullptr;
    table->game.closed(link.slot, leave);
    link.table = nullptr;
    link.slot = 0;
    link.tentative = false;
    link.loggedIn = false;
    link.openedAt = now();
    flush(*table);
    listingChanged();
    noteIfEmpty(*table);
}

void TServer::markLoggedIn(Table& table, int slot, const std::string& name) {
    Link* link = table.links[static_cast<std::size_t>(slot)];
    table.used = true;
    if (link) {
        link->loggedIn = true;
        link->tentative = false;
        forgetToken(table, slot);
        const std::string token = randomHex(16);
        tokens_[token] = {table.code, slot};
        table.tokens[static_cast<std::size_t>(slot)] = token;
        link->pendingToken = protocol::encode(msg::SeatToken{token});
        emit logLine(QStringLiteral("Slot %1 logged in as %2%3")
                         .arg(slot)
                         .arg(QString::fromStdString(name),
                              singleTable()
                                  ? QString()
                                  : QStringLiteral(" at table ") + QString::fromStdString(table.code)));
    }
    emit loggedIn(slot, QString::fromStdString(name));
    updateWatchTimer();
}

void TServer::forgetToken(Table& table, int slot) {
    std::string& token = table.tokens[static_cast<std::size_t>(slot)];
    if (!token.empty()) tokens_.erase(token);
    token.clear();
}

// A player whose connection dropped during a game keeps the seat for a while; anyone else's slot is
// free at once.
void TServer::holdOrFree(Link& link) {
    Table& table = *link.table;
    const int slot = link.slot;
    const bool hold = link.peerLeft && link.loggedIn && isSeat(slot) && limits_.reconnectGraceMs > 0 &&
                      table.game.gamestarted() && table.game.player(slot).playing &&
                      !table.tokens[static_cast<std::size_t>(slot)].empty();
    if (hold) {
        table.heldUntil[static_cast<std::size_t>(slot)] = now() + limits_.reconnectGraceMs;
        ++table.holds;
        emit logLine(
            QStringLiteral("Seat held for %1 s: %2").arg(limits_.reconnectGraceMs / 1000).arg(where(link)));
    }
    leaveTable(link, hold ? Leave::Hold : Leave::Free);
}

void TServer::expireHolds(qint64 t) {
    std::vector<Table*> emptied;
    for (auto& [code, table] : tables_) {
        for (int seat = 1; seat <= kSeats && table->holds > 0; ++seat) {
            qint64& until = table->heldUntil[static_cast<std::size_t>(seat)];
            if (until == 0 || t < until) continue;
            until = 0;
            --table->holds;
            forgetToken(*table, seat);
            table->game.release(seat);
            emit logLine(QStringLiteral("Seat %1%2 is free: its player did not come back")
                             .arg(seat)
                             .arg(singleTable()
                                      ? QString()
                                      : QStringLiteral(" of table ") + QString::fromStdString(code)));
        }
        if (table->holds == 0) emptied.push_back(table.get());
    }
    for (Table* table : emptied)
        noteIfEmpty(*table);
}

// ---- The table commands ----

// True when the entry was a table command (handled here, or ignored by a single-table server).
bool TServer::tableCommand(Link& link, std::string_view entry) {
    namespace w = protocol::words;
    const protocol::Command c = protocol::splitCommand(entry);
    if (c.word == w::reconnect) {
        reconnectCommand(link, c.args);
        return true;
    }
    if (c.word == w::admintoken) {
        operatorCommand(link, c.args);
        return true;
    }
    const bool choice = c.word == w::tablelist || c.word == w::tablecreate || c.word == w::tablejoin ||
                        c.word == w::tableleave;
    if (!choice) return false;
    if (singleTable()) {
        // One game and no tables: the program is where it can be, and may log in.
        tableError(link, "This server holds a single game.", {});
        if (link.table && !link.loggedIn) sendDirect(link, protocol::encode(msg::SendLoginInfo{link.slot}));
        return true;
    }
    // A connection seated without choosing has not logged in: it moves on without a trace.
    if (link.tentative) leaveTable(link, Leave::Quiet);
    if (c.word == w::tablelist) {
        listTables(link);
    } else if (c.word == w::tablecreate) {
        createCommand(link, c.args);
    } else if (c.word == w::tablejoin) {
        joinCommand(link, c.args);
    } else {
        leaveTable(link, link.loggedIn ? Leave::Free : Leave::Quiet);
        listTables(link);
    }
    return true;
}

void TServer::listTables(Link& link) {
    if (registry_ && registry_->isUp()) {
        listFromRegistry(link);
        return;
    }
    sendDirect(link, protocol::encode(msg::Tables{localListing()}));
}

msg::TableEntry TServer::entryOf(const Table& table) const {
    msg::TableEntry entry{table.code, 0, 0, table.game.gamestarted(), 0, 0, 0, table.name};
    for (int slot = 1; slot <= kLastSlot; ++slot)
        if (table.game.player(slot).connected) ++(isSeat(slot) ? entry.seats : entry.onlookers);
    if (entry.playing) {
        entry.target = table.game.options().playtoscore;
        entry.seconds = table.game.options().turnseconds;
        entry.tiles = table.game.options().dealsize;
    }
    return entry;
}

// This server's public tables that someone is at.
std::vector<msg::TableEntry> TServer::localListing() const {
    std::vector<msg::TableEntry> list;
    for (const auto& [code, table] : tables_)
        if (table->isPublic && (table->connections() > 0 || table->holds > 0))
            list.push_back(entryOf(*table));
    return list;
}

void TServer::tableError(Link& link, const std::string& text, const QString& logged) {
    sendDirect(link, protocol::encode(msg::TableError{text}));
    if (!logged.isEmpty()) {
        ++stats_.refusals;
        emit logLine(QStringLiteral("Refused %1: %2").arg(where(link), logged));
    }
}

void TServer::createCommand(Link& link, std::string_view args) {
    const auto m = protocol::decode<in::TableCreate>(args);
    if (!m) return;
    std::deque<qint64>& created = createdAt_[link.peer];
    const qint64 t = now();
    while (!created.empty() && t - created.front() >= kCreateWindowMs)
        created.pop_front();
    if (static_cast<int>(created.size()) >= limits_.tablesPerMinute) {
        tableError(link, "You have opened too many tables. Try again in a minute.",
                   QStringLiteral("too many tables opened from one address"));
        return;
    }
    if (static_cast<int>(tables_.size()) >= limits_.maxTables) {
        tableError(link, "Every table of this server is taken.", QStringLiteral("the most tables"));
        return;
    }
    created.push_back(t);
    if (registry_) {
        createRegistered(link.id, m->isPublic, protocol::cleanName(m->name, kMaxTableName), kReserveTries);
        return;
    }
    leaveTable(link, link.loggedIn ? Leave::Free : Leave::Quiet);
    Table& table = createTable(m->isPublic, protocol::cleanName(m->name, kMaxTableName));
    seatAt(link, table);
}

void TServer::joinCommand(Link& link, std::string_view args) {
    const auto m = protocol::decode<in::TableJoin>(args);
    if (!m) return;
    std::string code = protocol::cleanName(m->code, 12);
    std::transform(code.begin(), code.end(), code.begin(), [](unsigned char c) { return std::toupper(c); });
    Table* table = findTable(code);
    if (table == link.table && table) return;
    if (!table && registry_) {
        lookUpElsewhere(link, code);
        return;
    }
    if (!table) {
        tableError(link, "No table with code " + code + ".", {});
        return;
    }
    if (!table->hasRoom()) {
        tableError(link, "Table " + code + " is full.", {});
        return;
    }
    leaveTable(link, link.loggedIn ? Leave::Free : Leave::Quiet);
    seatAt(link, *table);
}

// The seat held for this token goes back to the connection that shows it.
void TServer::reconnectCommand(Link& link, std::string_view args) {
    const auto m = protocol::decode<in::Reconnect>(args);
    if (!m) return;
    const auto it = tokens_.find(m->token);
    Table* table = it == tokens_.end() ? nullptr : findTable(it->second.first);
    const int slot = it == tokens_.end() ? 0 : it->second.second;
    if (!table || !table->game.held(slot)) {
        tableError(link, "Your seat is no longer kept for you.", {});
        return;
    }
    leaveTable(link, Leave::Quiet);
    table->heldUntil[static_cast<std::size_t>(slot)] = 0;
    --table->holds;
    forgetToken(*table, slot);
    catchUp(*table);
    table->game.openAt(slot);
    emit logLine(QStringLiteral("Returned to its seat: %1").arg(link.peer));
    attach(link, *table, slot);
}

bool TServer::seatBackByName(Link& link, std::string_view entry) {
    const protocol::Command c = protocol::splitCommand(entry);
    if (c.word != protocol::words::logininfo || !link.table) return false;
    const auto m = protocol::decode<in::LoginInfo>(c.args);
    if (!m || m->slot != link.slot) return false;
    Table& table = *link.table;
    const int seat = table.game.keptSeat(m->name);
    if (seat == 0 || seat == link.slot) return false;
    leaveTable(link, Leave::Quiet);
    table.game.openKept(seat);
    emit logLine(QStringLiteral("Seat %1 back to %2")
                     .arg(seat)
                     .arg(QString::fromStdString(protocol::cleanName(m->name))));
    attach(link, table, seat);
    return true;
}

void TServer::operatorCommand(Link& link, std::string_view args) {
    const auto m = protocol::decode<in::AdminToken>(args);
    if (!m) return;
    if (operatorToken_.empty() || m->token != operatorToken_) {
        tableError(link, "Wrong operator token.", QStringLiteral("a wrong operator token"));
        return;
    }
    if (!link.table) return;
    link.table->game.grantOperator(link.slot);
    emit logLine(QStringLiteral("Operator's powers for %1").arg(where(link)));
}
