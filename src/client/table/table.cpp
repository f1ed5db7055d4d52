#include "table.h"

#include "protocol/facts.h"

#include <algorithm>

namespace client {

namespace {

std::size_t index(int seat) {
    return static_cast<std::size_t>(seat - 1);
}

} // namespace

Table::Table(QObject* parent) : QObject(parent) {}

const Table::Seat& Table::seat(int seat) const {
    static const Seat none{QString(), QString(), QString(), QString(), false, false};
    return isSeat(seat) ? seats_[index(seat)] : none;
}

QString Table::computerName(int seat) {
    const std::string_view name = protocol::computerName(isSeat(seat) ? seat : 0);
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

QStringList Table::otherNames(int ownSlot) const {
    QStringList names;
    for (int s = 1; s <= kSeats; ++s)
        if (s != ownSlot && !name(s).isEmpty() && name(s) != kWaiting) names << name(s);
    return names;
}

template <class T> void Table::change(int seat, T Seat::*field, const T& value) {
    if (!isSeat(seat)) return;
    T& now = seats_[index(seat)].*field;
    if (now == value) return;
    now = value;
    emit seatChanged(seat);
}

void Table::setName(int seat, const QString& name) {
    change(seat, &Seat::name, name);
}

void Table::setScore(int seat, const QString& text) {
    change(seat, &Seat::score, text);
}

void Table::setBonus(int seat, const QString& text) {
    change(seat, &Seat::bonus, text);
}

void Table::setCards(int seat, const QString& text) {
    change(seat, &Seat::cards, text);
}

void Table::setWatching(int seat, bool watching) {
    change(seat, &Seat::watching, watching);
}

void Table::setSitout(int seat, bool sitout) {
    change(seat, &Seat::sitout, sitout);
}

void Table::setTurn(int seat) {
    const int turn = isSeat(seat) ? seat : 0;
    if (turn == turn_) return;
    turn_ = turn;
    emit turnChanged(turn_);
}

void Table::setHintsAllowed(bool allowed) {
    if (allowed == hintsAllowed_) return;
    hintsAllowed_ = allowed;
    emit hostOptionsChanged();
}

int Table::laidValue() const {
    int sum = 0;
    for (int code : laid_)
        sum += rules::tilevalue(code);
    return sum;
}

void Table::takenBack(int code) {
    const auto it = std::find(laid_.begin(), laid_.end(), code);
    if (it != laid_.end()) laid_.erase(it);
}

void Table::clearCounts() {
    for (int s = 1; s <= kSeats; ++s) {
        setScore(s, QStringLiteral("0"));
        setBonus(s, QString());
        setCards(s, QString());
    }
}

void Table::clearSeats() {
    for (int s = 1; s <= kSeats; ++s) {
        setName(s, kWaiting);
        setWatching(s, false);
        setSitout(s, false);
    }
    setTurn(0);
}

} // namespace client
