// Tables on a table server (joining one by its code, its code in the chat) and getting back to our
// own seat when the connection drops during a game.

#include "tchat.h"

#include "client/net/wiretext.h"
#include "gameflow.h"

#include "protocol/messages.h"

#include <QDateTime>
#include <QRegularExpression>

#include <algorithm>

namespace client {

namespace {

namespace in = protocol::toclient;
namespace out = protocol::toserver;

constexpr qint64 kKeptSeatMs = 120'000; // how long a server keeps a dropped player's seat by default
constexpr int kFirstRetryMs = 1000;
constexpr int kLongestRetryMs = 16'000;
constexpr int kMostRedirects = 3; // servers sending us on, one after another, for one table

} // namespace

void Tchat::buildTableDispatch() {
    namespace w = protocol::words;
    auto& d = dispatcher_;
    d.add(w::seattoken, [this](std::string_view a) {
        if (const auto m = protocol::decode<in::SeatToken>(a)) seatToken_ = m->token;
    });
    d.add(w::tablecode, [this](std::string_view a) {
        const auto m = protocol::decode<in::TableCode>(a);
        if (m) atTable_ = true;
        // Where the server seats us before we have asked for our table (or our held seat) is no
        // news to the player.
        if (!m || (!tableCode_.isEmpty() && !tableAsked_) || (reconnecting_ && !reconnectAsked_)) return;
        systemLine(tr("Table %1 (%2): friends join it with this code.")
                       .arg(QString::fromStdString(m->code),
                            m->isPublic ? QStringLiteral("public") : QStringLiteral("private")));
    });
    d.add(w::tableerror, [this](std::string_view a) {
        // The words of a redirect we follow are for programs that cannot.
        if (redirecting_) return;
        tableError(wireText(a));
    });
    d.add(w::redirect, [this](std::string_view a) {
        const auto m = protocol::decode<in::Redirect>(a);
        if (!m || state_.ishost || state_.loggedin || m->host.empty() || m->port <= 0 || m->port > 65535 ||
            redirects_ >= kMostRedirects)
            return;
        followRedirect(QString::fromStdString(m->code), QString::fromStdString(m->host),
                       static_cast<quint16>(m->port));
    });
    d.add(w::powers, [this](std::string_view a) {
        const auto m = protocol::decode<in::Powers>(a);
        if (!m) return;
        if (atTable_ && state_.loggedin) showHostControls(m->slot == state_.myslot);
        if (m->slot == 0) return;
        systemLine(tr("%1 now holds the host's powers.").arg(QString::fromStdString(m->name)));
    });
}

// The server asks for our login: a table to join by its code, or our held seat to claim, comes first;
// the server then seats us and asks again.
bool Tchat::tableStep() {
    if (reconnecting_ && !reconnectAsked_ && !seatToken_.empty()) {
        reconnectAsked_ = true;
        send(protocol::encode(out::Reconnect{seatToken_}));
        return true;
    }
    if (tableAsked_) redirects_ = 0; // seated at the table asked for
    if (!tableCode_.isEmpty() && !tableAsked_) {
        tableAsked_ = true;
        send(protocol::encode(out::TableJoin{tableCode_.toStdString()}));
        return true;
    }
    if (reconnecting_) {
        reconnecting_ = false;
        // What we showed of the game is old: the server sends the board, the rack and whose turn it
        // is after the login (an empty board sends nothing, so nothing of ours may stay).
        flow_->clearall();
        systemLine(tr("Reconnected."));
    }
    return false;
}

// The table lives on another server of the same service: we go there at once and ask for it again.
void Tchat::followRedirect(const QString& code, const QString& host, quint16 port) {
    ++redirects_;
    redirecting_ = true;
    // After this command's turn: the connection it came on is still being read.
    QTimer::singleShot(0, this, [this, code, host, port] {
        connection_->shut();
        tableCode_ = code;
        tableAsked_ = false;
        state_.hostaddress = host;
        redirecting_ = false;
        openConnection(host, port);
    });
}

// The server's notices arrive in English and stay so on the wire; the window shows the known ones in
// its own language.
QString Tchat::shownServerText(const QString& text) {
    static const char* const fixed[] = {
        QT_TR_NOOP(
            "You are sending chat faster than anyone can read it: lines are dropped until you slow down."),
        QT_TR_NOOP("You are sending commands faster than anyone can play: some were ignored."),
        QT_TR_NOOP(
            "You have moved tiles more often this turn than anyone could: the rest of this turn's moves are "
            "ignored."),
        QT_TR_NOOP("This server holds a single game."),
        QT_TR_NOOP("You have opened too many tables. Try again in a minute."),
        QT_TR_NOOP("Every table of this server is taken."),
        QT_TR_NOOP("Your seat is no longer kept for you."),
        QT_TR_NOOP("The server is full. Try again later."),
        QT_TR_NOOP("Too many connections from your address."),
    };
    for (const char* known : fixed)
        if (text == QLatin1String(known)) return tr(known);
    static const QRegularExpression noTable(QStringLiteral("^No table with code (\\S+)\\.$"));
    static const QRegularExpression tableFull(QStringLiteral("^Table (\\S+) is full\\.$"));
    if (const auto m = noTable.match(text); m.hasMatch())
        return tr("No table with code %1.").arg(m.captured(1));
    if (const auto m = tableFull.match(text); m.hasMatch()) return tr("Table %1 is full.").arg(m.captured(1));
    return text;
}

void Tchat::tableError(const QString& text) {
    systemLine(shownServerText(text));
    if (reconnecting_) giveUpReconnecting();
}

// A connection that drops while we play is tried again, with growing pauses, for as long as the server
// keeps our seat; the window stays open meanwhile.
bool Tchat::startReconnecting() {
    if (state_.ishost || seatToken_.empty() || !state_.loggedin || !flow_->gameOn()) return false;
    state_.loggedin = false;
    flow_->stopTurn();
    reconnecting_ = true;
    reconnectTries_ = 0;
    reconnectStarted_ = QDateTime::currentMSecsSinceEpoch();
    if (!reconnectTimer_.parent()) {
        reconnectTimer_.setParent(this);
        reconnectTimer_.setObjectName(QStringLiteral("reconnecttimer"));
        reconnectTimer_.setSingleShot(true);
        connect(&reconnectTimer_, &QTimer::timeout, this, [this] {
            reconnectAsked_ = false;
            tableAsked_ = true; // the seat is at the table we were at
            openConnection(targetHost_, targetPort_);
        });
    }
    scheduleReconnect();
    return true;
}

void Tchat::scheduleReconnect() {
    if (QDateTime::currentMSecsSinceEpoch() - reconnectStarted_ > kKeptSeatMs) {
        giveUpReconnecting();
        return;
    }
    const int wait = std::min(kLongestRetryMs, kFirstRetryMs << std::min(reconnectTries_, 5));
    ++reconnectTries_;
    systemLine(
        tr("Connection lost — reconnecting… (attempt %1 in %2 s)").arg(reconnectTries_).arg(wait / 1000));
    reconnectTimer_.start(wait);
}

void Tchat::giveUpReconnecting() {
    reconnecting_ = false;
    reconnectTimer_.stop();
    seatToken_.clear();
    connection_->shut();
    showClosed(tr("The connection to the host was lost."));
}

} // namespace client
