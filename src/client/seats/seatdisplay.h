#pragma once
// The four seat rows of the main window, painted from the table: name, score, last round's result,
// tile count, the "just watching" eyes, the sit-out mark of seats 3 and 4, and the turn marker; and
// the server's news of who sits where, onlookers (kept in the spy list) included.

#include "client/table/table.h"
#include "protocol/messages.h"
#include "windows/lazywindow.h"

#include <QObject>
#include <QPoint>
#include <QString>
#include <QStringList>

#include <array>
#include <map>

class QLabel;
class QWidget;

namespace windows {
class Tspylist;
} // namespace windows

namespace client {

struct ClientState;

class SeatDisplay : public QObject {
    Q_OBJECT
public:
    static constexpr int kSeats = Table::kSeats;

    explicit SeatDisplay(QWidget* panel);
    // The client state the server's seat news is read against (which slot is ours, the game kind), and
    // the table the rows show and the news is written to.
    void attach(const ClientState* state, Table* table);
    // The list onlookers are shown in; none when missing.
    // The onlooker list, built when an entry first goes into it.
    void setSpyList(windows::LazyWindow<windows::Tspylist> spylist) { spylist_ = std::move(spylist); }

    // The server's news about the seats: logins (one newcomer, or everyone already there); a
    // connection closed (a seat's computer player's name shows for seat 2 and in a team game, else it
    // waits; an onlooker leaves the spy list); a seat's human watches or plays again.
    void newplayerinfo(const protocol::toclient::ExistingPlayers& m);
    void playerdisconnected(const protocol::toclient::PlayerDisconnected& m);
    void justwatching(const protocol::toclient::JustWatching& m);
    void seatLeft(int seat);

    // The people connected to the game besides this client (seats and onlookers, in slot order), as the
    // server's news told them; whether a person holds `slot`.
    QStringList otherPeople() const;
    bool personIn(int slot) const { return people_.contains(slot); }
    // Nobody is known to be connected (the window leaves its game).
    void forgetPeople();

    QLabel* nameLabel(int seat) const;

signals:
    // A notice for the chat view.
    void systemLine(const QString& text);
    void cue(const QString& name);
    // The server has confirmed our own login.
    void ownLogin();
    // Our own seat started or stopped just watching.
    void ownWatchingChanged(bool watching);
    // A right-click on the name of seat 2, 3 or 4.
    void seatMenuRequested(int seat, const QPoint& globalPos);
    // Somebody connected or left.
    void peopleChanged();

private:
    static bool valid(int seat) { return seat >= 1 && seat <= kSeats; }
    static std::size_t index(int seat) { return static_cast<std::size_t>(seat - 1); }

    struct Row {
        QLabel* name = nullptr;
        QLabel* score = nullptr;
        QLabel* bonus = nullptr;
        QLabel* cards = nullptr;
        QWidget* eyes = nullptr;
        QWidget* sitout = nullptr; // seats 3 and 4 only
        int y = 0;
    };
    // Shows the table's seat in its row; the turn marker on the row of the seat on turn.
    void paintSeat(int seat);
    void paintTurn(int seat);
    // What a screen reader says about a seat: name, tiles held, score, whose turn.
    void speakSeat(int seat);

    const ClientState* state_ = nullptr;
    Table* table_ = nullptr;
    windows::LazyWindow<windows::Tspylist> spylist_;
    std::array<Row, kSeats> rows_;
    std::map<int, QString> people_; // slot -> name of everybody logged in
    QWidget* turn_ = nullptr;
};

} // namespace client
