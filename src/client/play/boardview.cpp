#include "boardview.h"

#include "boardaccessible.h"
#include "client/net/clientstate.h"
#include "client/panel/panelscale.h"
#include "client/table/table.h"
#include "spokennames.h"
#include "tileimages.h"

#include "rules/boardcheck.h"
#include "windows/artwork.h"

#include <QAccessible>
#include <QCursor>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace client {

namespace {

// The base layout: cells of 20 x 30 in a 10-pixel frame; the picture at (1, 1) of the panel.
constexpr int kCellWidth = TileImages::kSmallWidth; // a cell holds one small tile picture
constexpr int kCellHeight = TileImages::kSmallHeight;
constexpr int kFrame = 10;
constexpr int kShift = 5; // how far a press reaches into the next cell
constexpr int kLastColumn = rules::kLastColumn;
constexpr int kLastRow = rules::kLastRow;

constexpr QSize kPictureSize(460, 380);
constexpr QPoint kPicturePlace(1, 1);

// The paint area: draws the mirror's tiles over its piece of the board picture and takes the presses.
class BoardArea : public PictureWidget {
public:
    BoardArea(BoardView* view, CachedPicture* picture, QWidget* parent)
        : PictureWidget(picture, kPictureSize, QPoint(kFrame, kFrame), parent), view_(view) {
        setObjectName(QStringLiteral("board"));
        // Assistive technology reads the board's tiles through the view (see BoardAccessible).
        setProperty("boardView", QVariant::fromValue<QObject*>(view));
        scale::placedByOwner(this);
    }

protected:
    void paintOver(QPainter& p, const QRect& exposed) override { view_->paintTiles(p, exposed); }
    void mousePressEvent(QMouseEvent* e) override {
        view_->boardMouseDown(e->button(), e->position().toPoint());
    }

private:
    BoardView* view_;
};

// A cell of the board that can be drawn, holding a tile or (0) nothing.
bool validItem(int column, int row, int tile) {
    return column >= 0 && column <= kLastColumn && row >= 0 && row <= kLastRow && tile >= 0 &&
           tile <= rules::kJoker;
}

bool validItems(const std::vector<rules::BoardItem>& items) {
    return std::all_of(items.begin(), items.end(),
                       [](const rules::BoardItem& i) { return validItem(i.column, i.row, i.tile); });
}

QString tileName(int code) {
    return rules::isTile(code) ? shownTile(code) : QString();
}

} // namespace

void BoardView::paintBoardPicture(QPainter& p, const QRect& r) {
    // Drawn at the size asked for: the frame and the cells grow with it.
    const qreal f = qreal(r.width()) / kPictureSize.width();
    const int frame = scale::px(kFrame, f);
    const int cellWidth = scale::px(kCellWidth, f);
    const int cellHeight = scale::px(kCellHeight, f);
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    // Frame: wood with a lighter top-left edge and a darker bottom-right edge.
    QLinearGradient wood(r.topLeft(), r.bottomRight());
    wood.setColorAt(0.0, windows::palette::wood.lighter(120));
    wood.setColorAt(0.5, windows::palette::wood);
    wood.setColorAt(1.0, windows::palette::wood.darker(125));
    p.fillRect(r, wood);
    p.setPen(QColor(0, 0, 0, 40));
    for (int y = r.top() + 2; y < r.bottom(); y += std::max(5, scale::px(5, f)))
        p.drawLine(r.left(), y, r.left() + frame - 2, y + 1);
    p.setPen(QColor(255, 230, 190, 90));
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(QColor(40, 20, 5, 160));
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());

    const QRect felt = r.adjusted(frame, frame, -frame, -frame);
    QRadialGradient g(felt.center(), felt.width() * 0.7);
    g.setColorAt(0, windows::palette::felt.lighter(108));
    g.setColorAt(1, windows::palette::felt.darker(108));
    p.fillRect(felt, g);
    p.setPen(QColor(88, 128, 86));
    for (int x = felt.left() + cellWidth - 1; x <= felt.right(); x += cellWidth)
        p.drawLine(x, felt.top(), x, felt.bottom());
    for (int y = felt.top() + cellHeight - 1; y <= felt.bottom(); y += cellHeight)
        p.drawLine(felt.left(), y, felt.right(), y);
    // Inner shadow where the felt meets the frame.
    p.setPen(QColor(0, 0, 0, 90));
    p.drawLine(felt.topLeft(), felt.topRight());
    p.drawLine(felt.topLeft(), felt.bottomLeft());
    p.restore();
}

BoardView::BoardView(QWidget* panel)
    : QObject(panel), backdrop_(&BoardView::paintBoardPicture, true), panel_(panel) {
    image_ = new PictureWidget(&backdrop_, kPictureSize, QPoint(0, 0), panel);
    image_->setObjectName(QStringLiteral("boardimage"));
    scale::placedByOwner(image_);
    static const bool accessible = [] {
        QAccessible::installFactory(&BoardAccessible::factory);
        return true;
    }();
    Q_UNUSED(accessible);
    board_ = new BoardArea(this, &backdrop_, panel);
    board_->setCursor(Qt::UpArrowCursor);
    rescale();
}

void BoardView::rescale() {
    const qreal f = scale::factor(panel_);
    cellWidth_ = scale::px(kCellWidth, f);
    cellHeight_ = scale::px(kCellHeight, f);
    const QSize picture = kPictureSize * f;
    const QPoint frame(scale::px(kFrame, f), scale::px(kFrame, f));
    const QPoint at(scale::px(kPicturePlace.x(), f), scale::px(kPicturePlace.y(), f));
    image_->setGeometry(QRect(at, picture));
    static_cast<PictureWidget*>(image_)->setPicturePlace(picture, QPoint(0, 0));
    // The drawn cells and the grid line after the last of them.
    board_->setGeometry(QRect(at + frame, QSize(kLastColumn * cellWidth_ + 1, kLastRow * cellHeight_ + 1)));
    static_cast<PictureWidget*>(board_)->setPicturePlace(picture, frame);
    emit cellSizeChanged(cellSize());
}

QRect BoardView::cellRect(int column, int row) const {
    return {(column - 1) * cellWidth_, (row - 1) * cellHeight_, cellWidth_, cellHeight_};
}

QPoint BoardView::cellAt(const QPoint& pos) const {
    if (pos.x() < 0 || pos.y() < 0) return {};
    const int shift = scale::px(kShift, scale::factor(panel_));
    const int c = (pos.x() + shift) / cellWidth_ + 1;
    const int r = (pos.y() + shift) / cellHeight_ + 1;
    if (c > kLastColumn || r > kLastRow) return {};
    return {c, r};
}

QRect BoardView::cellsTouched(const QRect& r) const {
    const QPoint first(std::max(1, r.left() / cellWidth_ + 1), std::max(1, r.top() / cellHeight_ + 1));
    const QPoint last(std::min(kLastColumn, r.right() / cellWidth_ + 1),
                      std::min(kLastRow, r.bottom() / cellHeight_ + 1));
    return {first, last};
}

void BoardView::attach(Parts parts) {
    parts_ = std::move(parts);
}

RackModel& BoardView::rack() const {
    return parts_.table->rack();
}

void BoardView::send(const std::string& command) {
    if (parts_.state->loggedin && parts_.send) parts_.send(command);
}

void BoardView::paintTiles(QPainter& p, const QRect& exposed) const {
    // The cells the exposed area touches (a cell's tile is drawn whole; the painter clips it).
    const QRect cells = cellsTouched(exposed);
    for (int c = cells.left(); c <= cells.right(); ++c) {
        for (int r = cells.top(); r <= cells.bottom(); ++r) {
            const QRectF cell(cellRect(c, r));
            if (mirror().at(c, r) != 0) parts_.tiles->drawSmall(p, cell, mirror().at(c, r));
            if (framed(c, r)) parts_.tiles->drawSmall(p, cell, TileImages::kMoveFrame);
        }
    }
    paintOutlines(p, cells.top(), cells.bottom());
}

const rules::Board& BoardView::mirror() const {
    static const rules::Board empty;
    return parts_.table ? parts_.table->board() : empty;
}

void BoardView::cleartheboard() {
    // A tile lifted off the board has no cell to go back to.
    if (parts_.table && rack().held().fromBoard()) releaseHeld();
    if (parts_.table) parts_.table->clearBoard();
    marks_.clear();
    marksclean_ = true;
    board_->update();
}

void BoardView::redrawTiles() {
    backdrop_.invalidate();
    image_->update();
    board_->update();
}

void BoardView::setCell(int column, int row, int code) {
    if (mirror().at(column, row) != code) emit mirrorChanged();
    const std::vector<SetSpan> before = outlines_ ? badSets(mirror(), row) : std::vector<SetSpan>{};
    parts_.table->setCell(column, row, code);
    board_->update(cellRect(column, row));
    if (!outlines_) return;
    // The outlines that came or went with this tile.
    const std::vector<SetSpan> after = badSets(mirror(), row);
    for (const SetSpan& span : before)
        if (std::find(after.begin(), after.end(), span) == after.end()) board_->update(spanRect(span));
    for (const SetSpan& span : after)
        if (std::find(before.begin(), before.end(), span) == before.end()) board_->update(spanRect(span));
}

QString BoardView::badSetReason() const {
    for (int r = 1; r <= kLastRow; ++r) {
        const std::vector<SetSpan> bad = badSets(mirror(), r);
        if (bad.empty()) continue;
        const int tiles = bad.front().last - bad.front().first + 1;
        if (tiles < 3)
            return tr("a set in row %1 has %2 %3")
                .arg(r)
                .arg(tiles)
                .arg(tiles == 1 ? tr("tile") : tr("tiles"));
        return tr("a set in row %1 is no run or group").arg(r);
    }
    return {};
}

bool BoardView::chatboardok() const {
    return rules::boardok(mirror());
}

void BoardView::refreshIndicator() {
    emit boardChecked(chatboardok());
}

// Only the latest summary's cells are kept: once wiped, a frame never comes back.
void BoardView::clearthisturn() {
    if (marksclean_) return;
    marksclean_ = true;
    marks_.clear();
    board_->update();
}

bool BoardView::framed(int column, int row) const {
    return !marksclean_ && marks_.at(column, row) == TileImages::kMoveFrame;
}

QString BoardView::orderRefusal(int code, int column, int row) const {
    return client::orderRefusal(mirror(), code, column, row);
}

QString BoardView::dropRefusal(int column, int row) const {
    if (mirror().at(column, row) != 0) return tr("That cell is taken.");
    return orderRefusal(rack().held().code(), column, row);
}

void BoardView::refuse(const QString& why) {
    emit refused(why);
}

void BoardView::showLaidValue() {
    if (!parts_.table->layDownPending() || !parts_.state->myTurn()) return;
    emit status(tr("First lay-down: %1 of %2").arg(parts_.table->laidValue()).arg(rules::kFirstLayDown));
}

void BoardView::newRound() {
    parts_.table->setLayDown(Table::LayDown::Pending);
    parts_.table->clearLaid();
}

void BoardView::joinedRound(bool opened) {
    parts_.table->setLayDown(opened ? Table::LayDown::Made : Table::LayDown::Pending);
    parts_.table->clearLaid();
}

void BoardView::newTurn() {
    parts_.table->clearLaid();
    rack().returnLaid();
}

void BoardView::setOutlinesShown(bool shown) {
    if (outlines_ == shown) return;
    outlines_ = shown;
    for (int r = 1; r <= kLastRow; ++r)
        for (const SetSpan& span : badSets(mirror(), r))
            board_->update(spanRect(span));
}

QRect BoardView::spanRect(const SetSpan& span) const {
    const int first = std::max(1, span.first);
    if (span.last < first) return {};
    return cellRect(first, span.row).united(cellRect(span.last, span.row));
}

void BoardView::paintOutlines(QPainter& p, int fromRow, int toRow) const {
    if (!outlines_) return;
    p.save();
    // Three pixels wide at the base size, dashed (amber in the classic look), so that it is never taken for
    // the red frame around the cells of the last move.
    const int width = std::max(3, cellWidth_ / 7);
    const int in = width / 2;
    const TileImages::Look look = parts_.tiles ? parts_.tiles->look() : TileImages::Look::Classic;
    QPen pen(TileImages::badSetColour(look), width, Qt::DashLine, Qt::FlatCap, Qt::MiterJoin);
    pen.setDashPattern({2.0, 1.0}); // in pen widths: the gaps let the tiles show through
    // High contrast fills the gaps with a second colour, so one of the two always stands out.
    const QColor gaps = TileImages::badSetGapColour(look);
    p.setBrush(Qt::NoBrush);
    for (int r = fromRow; r <= toRow; ++r)
        for (const SetSpan& span : badSets(mirror(), r))
            if (const QRect box = spanRect(span); !box.isEmpty()) {
                const QRect line = box.adjusted(in, in, -in - 1, -in - 1);
                if (gaps.alpha() > 0) {
                    p.setPen(QPen(gaps, width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
                    p.drawRect(line);
                }
                p.setPen(pen);
                p.drawRect(line);
            }
    p.restore();
}

// The tile in hand's picture goes with it.
void BoardView::releaseHeld() {
    rack().resetHand();
}

void BoardView::putBack() {
    const Hand& held = rack().held();
    if (!held.fromBoard()) return;
    setCell(held.column(), held.row(), held.code());
    releaseHeld();
}

void BoardView::returnHeld() {
    if (rack().held().fromBoard()) putBack();
    releaseHeld();
}

void BoardView::boardMouseDown(Qt::MouseButton button, const QPoint& pos) {
    ClientState& state = *parts_.state;
    if (state.isSeat(state.myslot)) emit promptsOutdated();
    if (!state.myTurn()) return;
    const QPoint cell = cellAt(pos);
    const int c = cell.x();
    const int r = cell.y();
    const bool inside = !cell.isNull();
    const int here = inside ? mirror().at(c, r) : 0;
    const Hand& held = rack().held();
    const bool right = button == Qt::RightButton;
    const bool fromBoard = held.fromBoard();
    if (right && !held.holding()) {
        if (here != 0)
            send(protocol::encode(
                protocol::toserver::ReplaceTile{.seat = state.myslot, .column = c, .row = r}));
        return;
    }
    if (right && !fromBoard) {
        releaseHeld();
        emit cue(QStringLiteral("clearcard"));
        refreshIndicator();
        return;
    }
    if (fromBoard && (right || (c == held.column() && r == held.row()))) {
        putBack();
        emit cue(QStringLiteral("clearcard"));
        refreshIndicator();
        return;
    }
    if (!inside || button != Qt::LeftButton) return;
    if (!held.holding()) {
        if (here != 0) liftFrom(c, r);
        refreshIndicator();
        return;
    }
    if (const QString why = dropRefusal(c, r); !why.isEmpty()) {
        refuse(why);
        return;
    }
    if (fromBoard) {
        moveHeldTo(c, r);
    } else {
        const int cell = held.rackCell();
        const int code = held.code();
        placeFromRack(cell, c, r);
        rack().emptyHand(); // a drop where nothing completes keeps the completion for the next one
        if (c + 2 <= kLastColumn && mirror().at(c + 1, r) == 0 && mirror().at(c + 2, r) == 0)
            complete(code, c, r, cell);
    }
    refreshIndicator();
    showLaidValue();
    emit cue(QStringLiteral("placecard"));
}

void BoardView::liftFrom(int column, int row) {
    rack().liftFromBoard(column, row, mirror().at(column, row));
    emit lifted(rack().held().code(), board_->mapTo(panel_, board_->mapFromGlobal(QCursor::pos())));
    // The board changes under the player's hands: the last summary no longer describes it.
    clearthisturn();
    setCell(column, row, 0);
    emit cue(QStringLiteral("clickcard"));
}

void BoardView::moveHeldTo(int column, int row) {
    const Hand& held = rack().held();
    moveTile(held.code(), held.column(), held.row(), column, row);
    releaseHeld();
}

void BoardView::moveTile(int code, int fromColumn, int fromRow, int toColumn, int toRow) {
    send(protocol::encode(protocol::toserver::SwapTiles{.seat = parts_.state->myslot,
                                                        .tocolumn = toColumn,
                                                        .torow = toRow,
                                                        .fromcolumn = fromColumn,
                                                        .fromrow = fromRow}));
    setCell(toColumn, toRow, code);
    setCell(fromColumn, fromRow, 0);
}

void BoardView::makeMoves(const std::vector<HintStep>& steps) {
    for (const HintStep& step : steps) {
        // A step that does not fit the board as it is would only be refused by the server.
        if (!validItem(step.toColumn, step.toRow, 0) || mirror().at(step.toColumn, step.toRow) != 0) continue;
        if (step.kind == HintStep::Kind::Place) {
            if (rack().code(step.rackCell) != 0) placeFromRack(step.rackCell, step.toColumn, step.toRow);
        } else if (const int code = mirror().at(step.fromColumn, step.fromRow); code != 0) {
            moveTile(code, step.fromColumn, step.fromRow, step.toColumn, step.toRow);
        }
    }
    refreshIndicator();
    showLaidValue();
    emit cue(QStringLiteral("placecard"));
}

void BoardView::placeFromRack(int cell, int column, int row) {
    send(protocol::encode(protocol::toserver::PlaceMyTile{
        .seat = parts_.state->myslot, .cell = cell, .column = column, .row = row}));
    const int code = rack().code(cell);
    setCell(column, row, code);
    parts_.table->laid(code);
    rack().layOnBoard(cell);
}

// Lays two more rack tiles to the right of the one just laid: the next two of its run ('s') or two
// more of its number in other suits ('c').
void BoardView::complete(int code, int column, int row, int laidCell) {
    const Hand::Completion mode = rack().held().completion();
    if (mode == Hand::Completion::None) return;
    rack().setCompletion(Hand::Completion::None);
    int first = 0;
    int second = 0;
    // Tiles already on the board (out of the rack until the server confirms them) are not in it.
    for (int cell : rack().inRack()) {
        if (first != 0 && second != 0) break;
        if (cell == laidCell || cell == first || cell == second) continue;
        const int other = rack().code(cell);
        if (mode == Hand::Completion::Run) {
            if (first == 0 && other == code + 1)
                first = cell;
            else if (second == 0 && other == code + 2)
                second = cell;
        } else if (rules::tileface(other) == rules::tileface(code) && other != code) {
            if (first == 0)
                first = cell;
            else if (second == 0 && other != rack().code(first))
                second = cell;
        }
    }
    if (first == 0 || second == 0) return;
    placeFromRack(first, column + 1, row);
    placeFromRack(second, column + 2, row);
}

void BoardView::showPlayed(int seat, const QString& line, int code, bool log) {
    const QString name = tileName(code);
    if (name.isEmpty()) return;
    emit played(line.arg(parts_.table->name(seat), name), log);
}

// A command naming a cell off the board or a code that is no tile is dropped whole.
void BoardView::loadboard(const std::vector<rules::BoardItem>& items) {
    if (!validItems(items)) return;
    for (const rules::BoardItem& item : items)
        setCell(item.column, item.row, item.tile);
}

void BoardView::placehistile(const protocol::toclient::PlaceHisTile& m) {
    if (!validItem(m.column, m.row, m.tile)) return;
    clearthisturn();
    if (m.seat == parts_.state->myslot) emit turnButtons(false, true, true);
    if (mirror().at(m.column, m.row) == m.tile) return;
    setCell(m.column, m.row, m.tile);
    emit cue(QStringLiteral("placecard"));
    showPlayed(m.seat, tr("%1 played a %2."), m.tile, true);
}

void BoardView::swaptiles(const protocol::toclient::SwapTiles& m) {
    if (!validItem(m.tocolumn, m.torow, m.tile) || !validItem(m.fromcolumn, m.fromrow, 0)) return;
    clearthisturn();
    const bool mine = m.seat == parts_.state->myslot;
    if (mine) emit clearApplies();
    if (mirror().at(m.tocolumn, m.torow) != m.tile) {
        setCell(m.tocolumn, m.torow, m.tile);
        emit cue(QStringLiteral("placecard"));
    }
    if (mirror().at(m.tocolumn, m.torow) != 0) setCell(m.fromcolumn, m.fromrow, 0);
    showPlayed(m.seat, tr("%1 moved a %2."), m.tile, !mine);
}

void BoardView::removetile(int column, int row) {
    if (!validItem(column, row, 0)) return;
    const ClientState& state = *parts_.state;
    showPlayed(state.turnslot, tr("%1 removed a %2."), mirror().at(column, row), !state.myTurn());
    if (state.myTurn()) parts_.table->takenBack(mirror().at(column, row));
    setCell(column, row, 0);
    if (state.myTurn()) {
        refreshIndicator();
        showLaidValue();
    }
    emit cue(QStringLiteral("clearcard"));
}

void BoardView::undothem(const protocol::toclient::UndoThem& m) {
    if (!validItems(m.cells)) return;
    const bool mine = m.seat == parts_.state->myslot;
    if (mine) {
        emit turnButtons(true, false, false);
        emit promptsOutdated();
        returnHeld();
    }
    for (const rules::BoardItem& item : m.cells)
        setCell(item.column, item.row, item.tile);
    if (mine) {
        parts_.table->clearLaid();
        // A tile the server never took off the rack (it refused the move) is in the rack again.
        rack().returnLaid();
        refreshIndicator();
        showLaidValue();
    }
    emit cue(QStringLiteral("clear"));
    emit played(tr("%1 cleared tiles.").arg(parts_.table->name(m.seat)), !mine);
}

void BoardView::movedtiles(const protocol::toclient::MovedTiles& m) {
    if (!validItems(m.cells)) return;
    clearthisturn();
    // An accepted finish by this seat, or by its partner in a team game, is the first lay-down made.
    const ClientState& state = *parts_.state;
    const bool partner = state.clientteamgame && state.isSeat(m.seat) && (m.seat + 1) % 4 + 1 == state.myslot;
    if (m.seat == state.myslot || partner) parts_.table->setLayDown(Table::LayDown::Made);
    parts_.table->setScore(m.seat, QStringLiteral("+") + QString::number(m.score));
    parts_.table->setBonus(m.seat, QStringLiteral("+") + QString::number(m.value));
    for (const rules::BoardItem& item : m.cells)
        marks_.set(item.column, item.row, TileImages::kMoveFrame);
    marksclean_ = false;
    board_->update();
    emit cue(QStringLiteral("placecard"));
}

} // namespace client
