#include "seatdisplay.h"

#include "client/net/clientstate.h"
#include "client/net/wiretext.h"
#include "client/panel/panelscale.h"
#include "client/panel/panelstyle.h"

#include "protocol/facts.h"
#include "windows/artwork.h"
#include "windows/tspylist.h"

#include <QLabel>

namespace client {

namespace {

constexpr int kTop = 21;
constexpr int kRowHeight = 20;

} // namespace

SeatDisplay::SeatDisplay(QWidget* panel) : QObject(panel) {
    const struct {
        const char* text;
        int x, w;
        Qt::Alignment align;
    } headers[] = {{QT_TR_NOOP("PLAYER"), 484, 110, Qt::AlignLeft},
                   {QT_TR_NOOP("SCORE"), 630, 40, Qt::AlignRight},
                   {QT_TR_NOOP("ROUND"), 670, 40, Qt::AlignRight},
                   {QT_TR_NOOP("TILES"), 710, 32, Qt::AlignRight}};
    for (const auto& h : headers) {
        QLabel* l =
            style::label(panel, QStringLiteral("label_head_%1").arg(QString::fromLatin1(h.text).toLower()),
                         tr(h.text), 9, true);
        l->setGeometry(h.x, 4, h.w, 14);
        l->setAlignment(h.align | Qt::AlignVCenter);
        style::setTextColour(l, QColor(170, 190, 170));
    }
    for (int seat = 1; seat <= kSeats; ++seat) {
        Row& row = rows_[index(seat)];
        row.y = kTop + (seat - 1) * kRowHeight;
        row.name =
            style::label(panel, QStringLiteral("label_playername%1").arg(seat), tr("<Waiting>"), 13, true);
        row.name->setGeometry(484, row.y, 116, 18);
        row.name->setProperty("Tag", seat);
        row.name->setToolTip(Table::computerName(seat));
        if (seat >= 2) {
            row.name->setContextMenuPolicy(Qt::CustomContextMenu);
            connect(row.name, &QWidget::customContextMenuRequested, this,
                    [this, seat, label = row.name](QPoint p) {
                        emit seatMenuRequested(seat, label->mapToGlobal(p));
                    });
        }
        auto number = [&](const char* prefix, int x, int w) {
            QLabel* l = style::label(panel, QStringLiteral("%1%2").arg(QString::fromLatin1(prefix)).arg(seat),
                                     QStringLiteral("0"), 13, true);
            l->setGeometry(x, row.y, w, 18);
            l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            return l;
        };
        row.score = number("label_score", 630, 40);
        row.bonus = number("label_bonus", 670, 40);
        row.cards = number("label_cards", 710, 32);
        style::setTextColour(row.bonus, QColor(200, 210, 200));
        row.eyes = new windows::PaintedImage(
            QStringLiteral("image_eyes%1").arg(seat),
            [](QPainter& p, const QRect& r) { windows::glyphs::eyes(p, QRectF(r)); }, panel);
        row.eyes->setGeometry(600, row.y + 3, 18, 12);
        row.eyes->setToolTip(tr("Just watching: the computer plays this seat"));
        row.eyes->hide();
        if (seat >= 3) {
            row.sitout = new windows::PaintedImage(
                QStringLiteral("image_sitout%1").arg(seat),
                [](QPainter& p, const QRect& r) { windows::glyphs::sitout(p, QRectF(r)); }, panel);
            row.sitout->setGeometry(619, row.y + 2, 11, 15);
            row.sitout->setToolTip(tr("Sits out this round"));
            row.sitout->hide();
        }
    }
    turn_ = new windows::PaintedImage(
        QStringLiteral("image_Turn"),
        [](QPainter& p, const QRect& r) { windows::glyphs::turnArrow(p, QRectF(r)); }, panel);
    scale::place(turn_, QRect(467, kTop + 3, 15, 12));
    turn_->hide();
}

void SeatDisplay::attach(const ClientState* state, Table* table) {
    state_ = state;
    table_ = table;
    connect(table_, &Table::seatChanged, this, &SeatDisplay::paintSeat);
    connect(table_, &Table::turnChanged, this, &SeatDisplay::paintTurn);
    for (int seat = 1; seat <= kSeats; ++seat)
        paintSeat(seat);
    paintTurn(table_->turn());
}

void SeatDisplay::paintSeat(int seat) {
    if (!Table::isSeat(seat)) return;
    const Table::Seat& shown = table_->seat(seat);
    Row& row = rows_[index(seat)];
    row.name->setText(shown.name == Table::kWaiting ? tr("<Waiting>") : shown.name);
    row.score->setText(shown.score);
    row.bonus->setText(shown.bonus);
    row.cards->setText(shown.cards);
    row.eyes->setVisible(shown.watching);
    if (row.sitout) row.sitout->setVisible(shown.sitout);
    speakSeat(seat);
}

void SeatDisplay::speakSeat(int seat) {
    const Table::Seat& shown = table_->seat(seat);
    QString text = tr("Seat %1: %2, %3 tiles, score %4").arg(seat).arg(shown.name, shown.cards, shown.score);
    if (shown.watching) text += tr(", just watching");
    if (shown.sitout) text += tr(", sitting this round out");
    if (table_->turn() == seat)
        text += state_ && state_->myslot == seat ? tr(", your turn") : tr(", their turn");
    // The row's name label speaks for the whole row.
    rows_[index(seat)].name->setAccessibleName(text);
}

void SeatDisplay::paintTurn(int seat) {
    if (!Table::isSeat(seat)) {
        turn_->hide();
        for (int s = 1; s <= kSeats; ++s)
            speakSeat(s);
        return;
    }
    scale::place(turn_, QRect(467, rows_[index(seat)].y + 3, 15, 12));
    turn_->show();
    for (int s = 1; s <= kSeats; ++s)
        speakSeat(s);
}

QStringList SeatDisplay::otherPeople() const {
    QStringList names;
    for (const auto& [slot, name] : people_)
        if (slot != state_->myslot) names << name;
    return names;
}

void SeatDisplay::forgetPeople() {
    people_.clear();
    emit peopleChanged();
}

QLabel* SeatDisplay::nameLabel(int seat) const {
    return valid(seat) ? rows_[index(seat)].name : nullptr;
}

// A login announced to all, or the list of those already there: the same slot, name, watching triples.
void SeatDisplay::newplayerinfo(const protocol::toclient::ExistingPlayers& m) {
    for (const protocol::PlayerEntry& player : m.players) {
        const int slot = player.slot;
        const QString name = wireText(player.name);
        people_[slot] = name;
        if (slot == state_->myslot) {
            emit systemLine(tr("You are Connected."));
            emit ownLogin();
        } else {
            emit systemLine(tr("%1 is Connected.").arg(name));
        }
        if (state_->isSeat(slot)) {
            table_->setName(slot, name);
            if (player.justwatching == 1) table_->setWatching(slot, true);
        } else {
            if (spylist_) spylist_->addEntry(slot, name);
            emit systemLine(slot == state_->myslot ? tr("You are spying.") : tr("%1 is spying.").arg(name));
        }
    }
    emit cue(QStringLiteral("entered"));
    emit peopleChanged();
}

void SeatDisplay::playerdisconnected(const protocol::toclient::PlayerDisconnected& m) {
    const int slot = m.slot;
    const QString name = wireText(m.name);
    if (people_.erase(slot) > 0) emit peopleChanged();
    if (state_->isSeat(slot)) {
        seatLeft(slot);
        return;
    }
    const QString entry = windows::Tspylist::entryText(slot, name);
    if (spylist_ && spylist_->removeEntry(entry)) emit systemLine(tr("%1 has left.").arg(name));
}

void SeatDisplay::justwatching(const protocol::toclient::JustWatching& m) {
    if (!state_ || !state_->isSeat(m.slot)) return;
    const bool watching = m.flag == 1;
    if (m.slot == state_->myslot) emit ownWatchingChanged(watching);
    emit systemLine(
        (watching ? tr("%1 is just watching") : tr("%1 is now playing again")).arg(table_->name(m.slot)));
    table_->setWatching(m.slot, watching);
}

void SeatDisplay::seatLeft(int seat) {
    if (!table_->waiting(seat)) emit systemLine(tr("%1 disconnected.").arg(table_->name(seat)));
    if (seat == 2 || (state_ && state_->clientteamgame))
        table_->setComputer(seat);
    else
        table_->setName(seat, Table::kWaiting);
    table_->setWatching(seat, false);
}

} // namespace client
