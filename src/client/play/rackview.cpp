#include "rackview.h"

#include "client/net/clientstate.h"
#include "client/panel/panelscale.h"
#include "client/panel/panelstyle.h"
#include "client/table/rackmodel.h"
#include "heldpicture.h"
#include "spokennames.h"
#include "tileimages.h"

#include "windows/artwork.h"

#include <QCoreApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScrollArea>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>

namespace client {

namespace {

// The base layout, in the strip's coordinates.
constexpr int kResting = 8;
constexpr int kRaised = 4;
constexpr int kWidth = TileImages::kBigWidth;
constexpr int kHeight = TileImages::kBigHeight;
// Past this many tiles the rack shows two rows of smaller tiles, so none is out of sight.
constexpr int kOneRow = 18;
constexpr int kSmallWidth = 27;
constexpr int kSmallHeight = 41;
constexpr int kPerRow = 27; // smaller tiles that fit in a row
constexpr int kRowPitch = 43;
const QRect kByNumber(542, 393, 27, 27);
const QRect kBySuit(571, 393, 27, 27);

// One tile of the rack: named "card" and its rack cell, the cell in its Tag.
class TilePicture : public QWidget {
public:
    using Press = std::function<void(int, Qt::MouseButton, Qt::KeyboardModifiers, const QPoint&)>;
    TilePicture(QWidget* strip, int cell, int code, const TileImages* tiles, Press press)
        : QWidget(strip), tiles_(tiles), press_(std::move(press)), code_(code) {
        setObjectName(QStringLiteral("card") + QString::number(cell));
        setProperty("Tag", cell);
        updateTip();
        setCursor(Qt::PointingHandCursor);
    }
    int cell() const { return property("Tag").toInt(); }
    int code() const { return code_; }
    void setCode(int code) {
        code_ = code;
        updateTip();
        update();
    }
    bool outlined() const { return outlined_; }
    void setOutlined(bool outlined) {
        if (outlined == outlined_) return;
        outlined_ = outlined;
        update();
    }
    // Just drawn (or dealt as a penalty): a blue corner marks it.
    bool fresh() const { return property("justDrawn").toBool(); }
    void setFresh(bool fresh) {
        if (fresh == this->fresh()) return;
        setProperty("justDrawn", fresh);
        updateTip();
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        tiles_->drawBig(p, QRectF(rect()), code());
        p.setRenderHint(QPainter::Antialiasing);
        if (fresh()) {
            // A blue triangle in the top right corner, clear of the number and the suit.
            const qreal side = width() * 0.4;
            const QRectF r(rect());
            QPainterPath corner;
            corner.moveTo(r.right() - side, r.top());
            corner.lineTo(r.right(), r.top());
            corner.lineTo(r.right(), r.top() + side);
            corner.closeSubpath();
            p.fillPath(corner, QColor(30, 110, 235));
        }
        if (!outlined_) return;
        // The hint's mark: a bright frame just inside the tile's edge.
        p.setPen(QPen(QColor(255, 190, 0), 3));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5), 4, 4);
    }
    void mousePressEvent(QMouseEvent* e) override {
        press_(cell(), e->button(), e->modifiers(), e->globalPosition().toPoint());
    }

private:
    void updateTip() {
        const QString name = shownTile(code_);
        setToolTip(fresh() ? QCoreApplication::translate("client::RackView", "%1 (just drawn)").arg(name)
                           : name);
        // What a screen reader says: "Red 7", "Joker".
        setAccessibleName(spokenTile(code_));
        setAccessibleDescription(fresh() ? RackView::tr("just drawn") : QString());
    }

    const TileImages* tiles_;
    Press press_;
    int code_;
    bool outlined_ = false;
};

TilePicture* asTile(QWidget* w) {
    return dynamic_cast<TilePicture*>(w);
}

} // namespace

RackView::RackView(QWidget* panel) : QObject(panel), panel_(panel) {
    area_ = new QScrollArea(panel);
    area_->setObjectName(QStringLiteral("panel_cards"));
    area_->setAccessibleName(tr("Your rack"));
    area_->setGeometry(5, 425, 740, 91);
    area_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    area_->setFrameShape(QFrame::Panel);
    area_->setFrameShadow(QFrame::Sunken);
    QPalette pal = area_->palette();
    pal.setColor(QPalette::Window, windows::palette::cream);
    area_->setPalette(pal);
    area_->setAutoFillBackground(true);
    strip_ = new QWidget;
    strip_->setObjectName(QStringLiteral("rackstrip"));
    strip_->setPalette(pal);
    strip_->setAutoFillBackground(true);
    strip_->resize(736, 87);
    area_->setWidget(strip_);

    sitout_ = style::label(strip_, QStringLiteral("label_sitout"),
                           tr("This round has already started. You will have to wait until the next round."),
                           13, true);
    style::setTextColour(sitout_, QColor(120, 60, 20));
    sitout_->setGeometry(10, 30, 716, 24);
    sitout_->setAlignment(Qt::AlignCenter);
    sitout_->hide();

    QLabel* caption = style::label(panel, QStringLiteral("label_sortby"), tr("SORT BY:"), 11, true);
    caption->setGeometry(472, 398, 68, 18);
    caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto makeButton = [panel](const char* name, const QString& hint, const QRect& g,
                              windows::ImageButton::Glyph glyph) {
        auto* b = new windows::ImageButton(QString::fromLatin1(name), QString(), panel);
        b->setGeometry(g);
        b->setToolTip(hint);
        b->setCheckable(true);
        b->setBaseColour(QColor(110, 90, 60));
        b->setGlyph(std::move(glyph));
        return b;
    };
    bynumber_ = makeButton("button_bynumber", tr("Sort by Numbers"), kByNumber, windows::glyphs::sortNumbers);
    bysuit_ = makeButton("button_bysuit", tr("Sort by Suits"), kBySuit, windows::glyphs::sortSuits);
    // One group in which at most one button is down; both may be up.
    // A bright bar under the button that is down.
    sortMark_ = new QWidget(panel);
    sortMark_->setObjectName(QStringLiteral("sortmark"));
    sortMark_->setAutoFillBackground(true);
    QPalette markColour = sortMark_->palette();
    markColour.setColor(QPalette::Window, QColor(255, 210, 40));
    sortMark_->setPalette(markColour);
    sortMark_->hide();
    // The wheel turns the rack sideways, the only way it scrolls.
    area_->viewport()->installEventFilter(this);
    connect(bynumber_, &QAbstractButton::clicked, this, [this] {
        bynumber_->setChecked(true);
        bysuit_->setChecked(false);
        markSort();
        sortthem();
        emit sortChosen();
    });
    connect(bysuit_, &QAbstractButton::clicked, this, [this] {
        bysuit_->setChecked(true);
        bynumber_->setChecked(false);
        markSort();
        sortthem();
        emit sortChosen();
    });
    markSort();
}

void RackView::attach(const ClientState* state, RackModel* model, const TileImages* tiles,
                      HeldPicture* held) {
    state_ = state;
    model_ = model;
    tiles_ = tiles;
    held_ = held;
    connect(model_, &RackModel::changed, this, &RackView::sync);
    connect(model_, &RackModel::heldChanged, this, &RackView::sync);
    connect(model_, &RackModel::dealt, this, &RackView::dealt);
}

void RackView::redrawTiles() {
    strip_->update();
    for (QWidget* w : strip_->findChildren<QWidget*>())
        w->update();
}

int RackView::occupiedSlots() const {
    return model_ ? model_->size() : 0;
}

int RackView::sortChoice() const {
    if (bynumber_->isChecked()) return 1;
    if (bysuit_->isChecked()) return 2;
    return 0;
}

void RackView::setSortChoice(int choice) {
    bynumber_->setChecked(choice == 1);
    bysuit_->setChecked(choice == 2);
    markSort();
}

void RackView::markSort() {
    const QAbstractButton* down = bynumber_->isChecked() ? bynumber_
                                  : bysuit_->isChecked() ? bysuit_
                                                         : nullptr;
    sortMark_->setVisible(down != nullptr);
    const QRect under = down == bynumber_ ? kByNumber : kBySuit;
    if (down) scale::place(sortMark_, QRect(under.x() + 3, under.bottom() + 1, under.width() - 6, 3));
}

bool RackView::eventFilter(QObject* watched, QEvent* event) {
    if (watched != area_->viewport() || event->type() != QEvent::Wheel) return false;
    const auto* e = static_cast<QWheelEvent*>(event);
    const int delta = e->angleDelta().y() != 0 ? e->angleDelta().y() : e->angleDelta().x();
    QScrollBar* bar = area_->horizontalScrollBar();
    bar->setValue(bar->value() - delta / 120 * slotRect(1).width());
    return true;
}

void RackView::setSitoutShown(bool shown) {
    sitout_->setVisible(shown);
}

} // namespace client

namespace client {

QWidget* RackView::picture(int cell) const {
    return strip_->findChild<QWidget*>(QStringLiteral("card") + QString::number(cell),
                                       Qt::FindDirectChildrenOnly);
}

QRect RackView::slotRect(int slot, bool up) const {
    QRect base;
    if (!twoRows_) {
        base = QRect((slot - 1) * kWidth, up ? kRaised : kResting, kWidth, kHeight);
    } else {
        const int row = slot <= firstRow_ ? 0 : 1;
        const int column = row == 0 ? slot - 1 : slot - 1 - firstRow_;
        base = QRect(column * kSmallWidth + 2, row * kRowPitch + (up ? 0 : 2), kSmallWidth, kSmallHeight);
    }
    return scale::rect(base, scale::factor(panel_));
}

int RackView::slotAt(const QPoint& pos) const {
    for (int s = 1; s <= occupiedSlots(); ++s)
        if (slotRect(s).contains(pos)) return s;
    return 0;
}

QWidget* RackView::strip() const {
    return strip_;
}

bool RackView::raised(int cell) const {
    return model_->held().fromRack() && model_->held().rackCell() == cell;
}

// One row of full-size tiles, or two rows of smaller ones, the first holding half (up to a row's
// width), once they would not fit in one.
void RackView::layOut() {
    const int n = occupiedSlots();
    twoRows_ = n > kOneRow;
    firstRow_ = twoRows_ ? std::min(kPerRow, (n + 1) / 2) : 0;
}

void RackView::rescale() {
    sync();
}

void RackView::updateStripWidth() {
    const int n = occupiedSlots();
    const int perRow = twoRows_ ? std::max(firstRow_, n - firstRow_) : n;
    const int needed = perRow == 0 ? 0 : slotRect(perRow).right() + scale::px(4, scale::factor(panel_));
    strip_->resize(std::max(area_->viewport()->width(), needed), scale::px(87, scale::factor(panel_)));
}

QWidget* RackView::addPicture(int cell, int code) {
    auto* t = new TilePicture(strip_, cell, code, tiles_,
                              [this](int c, Qt::MouseButton b, Qt::KeyboardModifiers k, const QPoint& g) {
                                  cardimagesMouseDown(c, b, k, panel_->mapFromGlobal(g));
                              });
    if (held_) {
        t->setMouseTracking(true);
        t->installEventFilter(held_);
    }
    return t;
}

void RackView::sync() {
    // Pictures of tiles that left the rack go.
    for (QWidget* w : strip_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (const auto* t = asTile(w); t && model_->code(t->cell()) == 0) delete t;
    layOut();
    const std::vector<int>& order = model_->order();
    for (std::size_t i = 0; i < order.size(); ++i) {
        const int cell = order[i];
        QWidget* w = picture(cell);
        if (!w) w = addPicture(cell, model_->code(cell));
        if (auto* t = asTile(w); t && t->code() != model_->code(cell)) t->setCode(model_->code(cell));
        w->setGeometry(slotRect(static_cast<int>(i) + 1, raised(cell)));
        w->setVisible(!model_->onBoard(cell));
        w->raise(); // later slots above earlier ones
    }
    updateStripWidth();
}

// Tiles that join a rack already dealt were drawn (or dealt as a penalty): they are marked, and the
// marks of an earlier draw go.
void RackView::dealt(const std::vector<int>& added, bool drawn) {
    if (drawn) clearFresh();
    for (int cell : added)
        if (auto* t = asTile(picture(cell))) t->setFresh(drawn);
    emit cue(QStringLiteral("getcard"));
}

void RackView::clearFresh() {
    for (int cell : model_->order())
        if (auto* t = asTile(picture(cell))) t->setFresh(false);
}

std::vector<int> RackView::freshCells() const {
    std::vector<int> cells;
    for (int cell : model_->order())
        if (const auto* t = asTile(picture(cell)); t && t->fresh()) cells.push_back(cell);
    return cells;
}

void RackView::sortthem() {
    clearFresh();
    model_->sort(sortChoice() == 1);
}

void RackView::setOutlined(const std::vector<int>& cells) {
    for (int cell : model_->order())
        if (auto* t = asTile(picture(cell)))
            t->setOutlined(std::find(cells.begin(), cells.end(), cell) != cells.end());
}

std::vector<int> RackView::outlined() const {
    std::vector<int> cells;
    for (int cell : model_->order())
        if (const auto* t = asTile(picture(cell)); t && t->outlined()) cells.push_back(cell);
    return cells;
}

void RackView::dropHeld() {
    model_->emptyHand();
    held_->release();
}

void RackView::cardimagesMouseDown(int cell, Qt::MouseButton button, Qt::KeyboardModifiers keys,
                                   const QPoint& panelPos) {
    const Hand& held = model_->held();
    clearFresh(); // the player has seen what was drawn
    if (button == Qt::RightButton) {
        sortthem();
        emit cue(QStringLiteral("sort"));
        return;
    }
    if (held.fromBoard()) {
        emit systemLine(tr("You cannot select a new tile when you have a tile from the board in your hand."));
        emit cue(QStringLiteral("nocando"));
        return;
    }
    if (button != Qt::LeftButton || !state_->loggedin || !state_->myTurn()) return;
    if (!picture(cell)) return;
    if (raised(cell)) {
        dropHeld();
        model_->resetHand();
        emit cue(QStringLiteral("clearcard"));
        return;
    }
    if (held.holding()) {
        // A second tile: the two change places.
        const int first = held.rackCell();
        dropHeld();
        model_->resetHand();
        model_->swap(first, cell);
        emit cue(QStringLiteral("sort"));
        return;
    }
    if (keys & Qt::ShiftModifier) model_->setCompletion(Hand::Completion::Run);
    if (keys & Qt::ControlModifier) model_->setCompletion(Hand::Completion::Group);
    model_->pickFromRack(cell);
    held_->showAt(held.code(), panelPos);
    emit cue(QStringLiteral("clickcard"));
}

} // namespace client
