#pragma once
// The table as the server has told it, kept apart from the widgets that show it: who holds each seat
// (a player's name, the computer player's, or nobody yet), each seat's score, last round's result and
// tiles held as the seat rows show them, whether the seat's player just watches or sits the round out,
// and whose turn it is; the board, cell by cell, as the server's moves and the player's own left it;
// this seat's rack and the tile in hand (see RackModel); this seat's first lay-down of the round and
// the tiles it laid this turn; and
// the host's options for the games it serves. The window's parts change it;
// it tells the views what changed and they paint it. It never calls a view.

#include "rackmodel.h"

#include "rules/tiles.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <array>
#include <vector>

namespace client {

class Table : public QObject {
    Q_OBJECT
public:
    static constexpr int kSeats = rules::kSeats;
    // The name of a seat nobody holds.
    static inline const QString kWaiting = QStringLiteral("<Waiting>");

    struct Seat {
        QString name = kWaiting;
        QString score = QStringLiteral("0");
        QString bonus = QStringLiteral("0"); // last round's result
        QString cards = QStringLiteral("0"); // tiles held
        bool watching = false;               // its player just watches: the computer plays it
        bool sitout = false;                 // it sits this round out
    };

    explicit Table(QObject* parent = nullptr);

    static bool isSeat(int seat) { return seat >= 1 && seat <= kSeats; }
    // A seat outside 1..4 reads as one with nothing in it, every text empty.
    const Seat& seat(int seat) const;
    QString name(int s) const { return seat(s).name; }
    // The computer player's name for the seat ("Klot", "Klock", "Kling"); empty for seat 1.
    static QString computerName(int seat);
    bool waiting(int s) const { return isSeat(s) && name(s) == kWaiting; }
    bool computerNamed(int s) const { return isSeat(s) && name(s) == computerName(s); }
    // The names of the seats other than `ownSlot` that somebody holds.
    QStringList otherNames(int ownSlot) const;
    // The seat on turn, 0 for none.
    int turn() const { return turn_; }
    // This seat's first lay-down of the round: not known (it joined during the round), still to make,
    // or made.
    enum class LayDown { Unknown, Pending, Made };
    LayDown layDown() const { return layDown_; }
    bool layDownPending() const { return layDown_ == LayDown::Pending; }
    // The value of the tiles this seat laid on the board this turn: their numbers, a joker 30.
    int laidValue() const;
    const rules::Board& board() const { return board_; }
    // This seat's rack and the tile in hand.
    RackModel& rack() { return rack_; }
    const RackModel& rack() const { return rack_; }
    // The host's option: whether the games it serves let players ask for hints.
    bool hintsAllowed() const { return hintsAllowed_; }

    // Changes to seats outside 1..4 are ignored.
    void setName(int seat, const QString& name);
    void setComputer(int seat) { setName(seat, computerName(seat)); }
    void setScore(int seat, const QString& text);
    void setBonus(int seat, const QString& text);
    void setCards(int seat, const QString& text);
    void setWatching(int seat, bool watching);
    void setSitout(int seat, bool sitout);
    void setTurn(int seat);
    void setHintsAllowed(bool allowed);
    void setLayDown(LayDown state) { layDown_ = state; }
    // The board's cells: one set (cells outside the board are ignored), or all emptied.
    void setCell(int column, int row, int code) { board_.set(column, row, code); }
    void clearBoard() { board_.clear(); }
    // A tile of this seat's rack laid on the board this turn, one taken back, none laid yet.
    void laid(int code) { laid_.push_back(code); }
    void takenBack(int code);
    void clearLaid() { laid_.clear(); }
    // Scores "0", round results and tile counts empty, for every seat.
    void clearCounts();
    // Every seat waits, nobody watches or sits out, nobody is on turn.
    void clearSeats();

signals:
    void seatChanged(int seat);
    void turnChanged(int seat);
    void hostOptionsChanged();

private:
    template <class T> void change(int seat, T Seat::*field, const T& value);

    std::array<Seat, kSeats> seats_{};
    int turn_ = 0;
    bool hintsAllowed_ = true;
    rules::Board board_;
    RackModel rack_;
    LayDown layDown_ = LayDown::Unknown;
    std::vector<int> laid_; // tile codes
};

} // namespace client
