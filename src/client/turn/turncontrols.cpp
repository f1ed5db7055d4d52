#include "turncontrols.h"

#include "client/net/clientstate.h"
#include "client/panel/panelscale.h"
#include "client/panel/panelstyle.h"

#include "protocol/fields.h"
#include "rules/tiles.h"

#include "windows/artwork.h"

#include <QAccessible>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QStringList>
#include <QTextCursor>

namespace client {

namespace {

using windows::ImageButton;
using windows::PaintedImage;
namespace glyphs = windows::glyphs;

const QColor kClockColour{224, 227, 157};

ImageButton* button(QWidget* parent, const char* name, const QString& caption, const QRect& geometry,
                    const QColor& base) {
    auto* b = new ImageButton(QString::fromLatin1(name), caption, parent);
    b->setGeometry(geometry);
    b->setBaseColour(base);
    QFont f = b->font();
    f.setPixelSize(11);
    b->setFont(f);
    return b;
}

QLabel* promptText(QWidget* parent, const QString& text, const QRect& geometry) {
    QLabel* l = style::label(parent, QString(), text, 13, true);
    l->setGeometry(geometry);
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignCenter);
    return l;
}

void paintIndicator(QPainter& p, const QRect& r, bool lit) {
    const QRectF c = QRectF(r).adjusted(1, 1, -1, -1);
    QRadialGradient g(c.center() - QPointF(1.5, 1.5), c.width() * 0.7);
    g.setColorAt(0, lit ? QColor(255, 170, 150) : QColor(170, 250, 170));
    g.setColorAt(1, lit ? QColor(200, 30, 20) : QColor(30, 130, 40));
    p.setPen(QPen(QColor(0, 0, 0, 140), 1));
    p.setBrush(g);
    p.drawEllipse(c);
}

const QColor kBlue(64, 112, 150);
const QColor kGreen(46, 140, 70);
const QColor kRed(170, 60, 50);
const QColor kGold(166, 124, 36);
} // namespace

TurnControls::TurnControls(QWidget* panel) : QObject(panel) {
    buildButtons(panel);
    buildClock(panel);
    buildPrompts(panel);
    buildOverlays(panel);
    buildLog(panel);
}

void TurnControls::buildButtons(QWidget* panel) {
    status_ = style::label(panel, QStringLiteral("label_status"), tr("Welcome to Rimbalo By Vemko Software!"),
                           13, true);
    status_->setGeometry(6, 384, 376, 17);
    played_ = style::label(panel, QStringLiteral("label_played"), QString(), 12);
    played_->setGeometry(6, 403, 182, 17);
    played_->setToolTip(tr("Click here to view the Game Log"));
    style::setTextColour(played_, QColor(200, 215, 200));

    clear_ = button(panel, "button_clear", tr("Clear"), QRect(232, 401, 48, 22), kRed);
    finish_ = button(panel, "button_finish", tr("Finish"), QRect(282, 401, 50, 22), kGreen);
    draw_ = button(panel, "button_draw", tr("Draw"), QRect(334, 401, 48, 22), kBlue);
    hideTurnButtons();
    hint_ = button(panel, "button_hint", tr("Hint"), QRect(190, 401, 40, 22), kGold);
    setHintEnabled(false, QString());
    connect(hint_, &QAbstractButton::clicked, this, &TurnControls::hintClicked);
    connect(clear_, &QAbstractButton::clicked, this, &TurnControls::clearClicked);
    connect(finish_, &QAbstractButton::clicked, this, &TurnControls::finishClicked);
    connect(draw_, &QAbstractButton::clicked, this, &TurnControls::drawClicked);

    start_ = button(panel, "button_start", tr("Start"), QRect(604, 393, 76, 27), kGreen);
    start_->setGlyph(glyphs::playTriangle);
    start_->hide();
    connect(start_, &QAbstractButton::clicked, this, &TurnControls::startClicked);
    pause_ = button(panel, "button_pause", QString(), QRect(684, 393, 27, 27), kBlue);
    pause_->setGlyph(glyphs::pauseBars);
    pause_->setCheckable(true);
    pause_->setToolTip(tr("Pause the game"));
    pause_->setAccessibleName(tr("Pause the game"));
    pause_->setEnabled(false);
    connect(pause_, &QAbstractButton::clicked, this, [this](bool down) { emit pauseToggled(down); });
    log_ = button(panel, "button_log", QString(), QRect(715, 393, 27, 27), kBlue);
    log_->setGlyph(glyphs::logLines);
    log_->setToolTip(tr("Game Log"));
    log_->setAccessibleName(tr("Game Log"));
    connect(log_, &QAbstractButton::clicked, this, [this] { setLogShown(true); });
    // The last-move line opens the game log too.
    played_->setCursor(Qt::PointingHandCursor);
    played_->installEventFilter(this);
}

bool TurnControls::eventFilter(QObject* watched, QEvent* event) {
    if (watched == played_ && event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
        setLogShown(true);
    return false;
}

void TurnControls::buildClock(QWidget* panel) {
    indicator_ = new PaintedImage(
        QStringLiteral("animated_incomplete"),
        [this](QPainter& p, const QRect& r) { paintIndicator(p, r, frame2_); }, panel);
    indicator_->setGeometry(384, 406, 12, 13);
    indicator_->setToolTip(tr("Blinks while the board is incomplete"));
    indicator_->hide();
    blink_.setInterval(300);
    connect(&blink_, &QTimer::timeout, this, [this] {
        frame2_ = !frame2_;
        indicator_->update();
    });

    timer_ = style::label(panel, QStringLiteral("label_timer"), tr("Time: 0:00"), 12, true);
    timer_->setGeometry(586, 102, 156, 16);
    timer_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    bar_ = new PaintedImage(
        QStringLiteral("image_timer"),
        [](QPainter& p, const QRect& r) {
            QLinearGradient g(r.topLeft(), r.topRight());
            g.setColorAt(0, QColor(220, 60, 40));
            g.setColorAt(0.5, QColor(240, 200, 60));
            g.setColorAt(1, QColor(90, 200, 90));
            p.fillRect(r, g);
        },
        panel);
    scale::place(bar_, QRect(742 - kBarWidth, 119, 0, 5));
    turntime_.setInterval(1000);
    connect(&turntime_, &QTimer::timeout, this, &TurnControls::tick);
}

void TurnControls::buildPrompts(QWidget* panel) {
    penalty_ = new windows::Plaque(QStringLiteral("panel_penalty"), panel);
    penalty_->setGeometry(50, 120, 360, 140);
    promptText(penalty_, tr("There are incomplete or incorrect groups on the board."),
               QRect(16, 12, 328, 36));
    promptText(penalty_,
               tr("Would you like to take a %1 tile penalty and end your turn?").arg(rules::kPenaltyTiles),
               QRect(16, 50, 328, 36));
    connect(button(penalty_, "button_yes", tr("Yes"), QRect(90, 98, 80, 26), kGreen),
            &QAbstractButton::clicked, this, &TurnControls::yesClicked);
    connect(button(penalty_, "button_edit", tr("Edit"), QRect(190, 98, 80, 26), kBlue),
            &QAbstractButton::clicked, this, &TurnControls::editClicked);
    penalty_->hide();

    laydown_ = new windows::Plaque(QStringLiteral("panel_laydown"), panel);
    laydown_->setGeometry(50, 140, 360, 110);
    promptText(laydown_,
               tr("The tiles you lay down on your first turn must equal at least %1 points.")
                   .arg(rules::kFirstLayDown),
               QRect(16, 12, 328, 50));
    connect(button(laydown_, "image_edit2", tr("Edit"), QRect(140, 70, 80, 26), kBlue),
            &QAbstractButton::clicked, this, &TurnControls::edit2Clicked);
    laydown_->hide();
}

void TurnControls::buildOverlays(QWidget* panel) {
    // Painted once per size: a tile moved under it while paused only copies the piece over its cell.
    pausePicture_ = std::make_unique<CachedPicture>(
        [this](QPainter& p, const QRect& r) {
            p.setRenderHint(QPainter::Antialiasing);
            p.setFont(pauseImage_->font()); // the text as the widget itself would draw it
            p.fillRect(r, QColor(10, 20, 30, 190));
            const qreal s = r.width() / 460.0; // drawn for the board's size at the base layout
            const QRectF mark(r.center().x() - 30 * s, r.center().y() - 46 * s, 60 * s, 60 * s);
            glyphs::pauseBars(p, mark, QColor(240, 240, 230));
            QFont f = p.font();
            f.setPixelSize(scale::px(26, s));
            f.setBold(true);
            p.setFont(f);
            p.setPen(QColor(240, 240, 230));
            p.drawText(QRectF(r.left(), mark.bottom() + 10 * s, r.width(), 36 * s), Qt::AlignCenter,
                       tr("PAUSED"));
        },
        false);
    pauseImage_ = new PaintedImage(
        QStringLiteral("image_pause"),
        [this](QPainter& p, const QRect& r) { pausePicture_->draw(p, r.topLeft(), r, r.size()); }, panel);
    pauseImage_->setGeometry(1, 1, 460, 380);
    pauseImage_->hide();
    // Blank: it shows the panel's own surface at its place, the inset's edge included.
    cover_ = new PaintedImage(
        QStringLiteral("image_cover"),
        [this, panel](QPainter& p, const QRect&) {
            p.setRenderHint(QPainter::Antialiasing, false); // as the panel paints it
            p.translate(-cover_->pos());
            style::paintPanelSurface(p, panel->rect());
        },
        panel);
    cover_->setGeometry(188, 401, 196, 22); // over the turn buttons
    cover_->hide();
}

void TurnControls::buildLog(QWidget* panel) {
    logPanel_ = new windows::Plaque(QStringLiteral("panel_log"), panel);
    logPanel_->setGeometry(40, 30, 380, 320);
    QLabel* title = style::label(logPanel_, QStringLiteral("label_logtitle"), tr("Game Log"), 15, true);
    title->setGeometry(16, 10, 300, 22);
    memo_ = new QPlainTextEdit(logPanel_);
    memo_->setObjectName(QStringLiteral("memo_log"));
    memo_->setReadOnly(true);
    memo_->setMaximumBlockCount(kLogLines); // the oldest lines go first
    memo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo_->setGeometry(14, 38, 352, 268);
    auto* close = button(logPanel_, "button_x", QString(), QRect(340, 8, 26, 24), kRed);
    close->setGlyph(glyphs::cross);
    close->setAccessibleName(tr("Close the game log"));
    connect(close, &QAbstractButton::clicked, this, [this] { setLogShown(false); });
    logPanel_->hide();
}

void TurnControls::setStatus(const QString& text) {
    status_->setText(text);
}

void TurnControls::announce(const QString& text) {
    setStatus(text);
    // The status line is the window's live region: its name changes, and an alert on it asks a screen
    // reader to speak it even while the keyboard is elsewhere.
    QAccessibleEvent changed(status_, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
    QAccessibleEvent alert(status_, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
    emit announced(text);
}

QString TurnControls::status() const {
    return status_->text();
}

void TurnControls::setPlayed(const QString& text) {
    played_->setText(text);
}

// Laying out a hidden text view line by line costs more than the rest of a move shown: while the
// log is closed its lines only go into the list, and the view takes them all when it opens.
void TurnControls::addLog(const QString& line) {
    logLines_.push_back(line);
    if (logLines_.size() > static_cast<std::size_t>(kLogLines)) logLines_.pop_front();
    if (logShown())
        memo_->appendPlainText(line);
    else
        memoStale_ = true;
}

void TurnControls::clearLog() {
    logLines_.clear();
    memo_->clear();
    memoStale_ = false;
}

void TurnControls::setLogShown(bool shown) {
    if (shown && memoStale_) {
        QStringList lines(logLines_.begin(), logLines_.end());
        memo_->setPlainText(lines.join(QLatin1Char('\n')));
        memo_->moveCursor(QTextCursor::End);
        memoStale_ = false;
    }
    logPanel_->setVisible(shown);
    if (shown) logPanel_->raise();
    emit logShownChanged(shown);
}

bool TurnControls::logShown() const {
    return logPanel_->isVisibleTo(logPanel_->parentWidget());
}

void TurnControls::setStartShown(bool shown) {
    start_->setVisible(shown);
}

void TurnControls::setPauseEnabled(bool enabled) {
    pause_->setEnabled(enabled);
}

void TurnControls::setPauseDown(bool down) {
    pause_->setChecked(down);
}

void TurnControls::setPausedLook(bool paused) {
    pauseImage_->setVisible(paused);
    cover_->setVisible(paused);
    if (paused) {
        pauseImage_->raise();
        cover_->raise();
    }
}

void TurnControls::setTurnButtons(bool draw, bool clear, bool finish) {
    draw_->setVisible(draw);
    clear_->setVisible(clear);
    finish_->setVisible(finish);
}

void TurnControls::showDraw() {
    draw_->show();
}

void TurnControls::showFinishAndClear() {
    finish_->show();
    clear_->show();
}

void TurnControls::showClear() {
    clear_->show();
}

void TurnControls::showFinish() {
    finish_->show();
}

void TurnControls::setHintEnabled(bool enabled, const QString& tip) {
    hint_->setEnabled(enabled);
    hint_->setToolTip(tip);
}

void TurnControls::setHintPlacing(bool placing) {
    hintPlacing_ = placing;
    hint_->setText(placing ? tr("Place") : tr("Hint"));
}

bool TurnControls::hintPlacing() const {
    return hintPlacing_;
}

void TurnControls::setPenaltyShown(bool shown) {
    penalty_->setVisible(shown);
    if (shown) penalty_->raise();
}

void TurnControls::setLaydownShown(bool shown) {
    laydown_->setVisible(shown);
    if (shown) laydown_->raise();
}

void TurnControls::hidePrompts() {
    penalty_->hide();
    laydown_->hide();
}

void TurnControls::clearTurn() {
    resetClock();
    hideTurnButtons();
    hidePrompts();
    setIndicatorShown(false);
    setStatus(QString());
    setPauseDown(false);
    setPausedLook(false);
    setPauseEnabled(false);
    setStartShown(false);
}

void TurnControls::setIndicatorShown(bool shown) {
    indicator_->setVisible(shown);
    if (!shown) setIndicatorBlinking(false);
}

void TurnControls::setIndicatorBlinking(bool blinking) {
    if (blinking) {
        if (!blink_.isActive()) blink_.start();
        return;
    }
    blink_.stop();
    frame2_ = false;
    indicator_->update();
}

void TurnControls::startClock(int seconds) {
    timeleft_ = seconds;
    showTime();
    turntime_.start();
}

void TurnControls::stopClock() {
    turntime_.stop();
}

void TurnControls::resumeClock() {
    turntime_.start();
}

void TurnControls::resetClock() {
    turntime_.stop();
    timeleft_ = 0;
    showTime();
}

void TurnControls::tick() {
    --timeleft_;
    showTime();
    if (timeleft_ > 0) {
        if (timeleft_ == 20 || timeleft_ == 15 || timeleft_ <= 10) emit cue(QStringLiteral("time"));
    } else if (timeleft_ < -2) {
        // The server's time-out notice is late; take the controls away. Nothing more can happen in this
        // turn, so the clock stops until the next turn starts it.
        turntime_.stop();
        emit clockOverrun();
    }
}

void TurnControls::showTime() {
    const int t = timeleft_ > 0 ? timeleft_ : 0;
    scale::place(bar_, QRect(742 - kBarWidth, 119, qMin(barscale_ * t, kBarWidth), 5));
    style::setTextColour(timer_, t > 0 && t < 20 ? QColor(255, 0, 0) : kClockColour);
    timer_->setText(tr("Time: %1:%2").arg(t / 60).arg(t % 60, 2, 10, QLatin1Char('0')));
}

void TurnControls::showdraw(const protocol::toclient::ShowDraw& m) {
    if (m.seat != state_->myslot) return;
    if (m.which == 1)
        showFinish();
    else
        showDraw();
}

void TurnControls::askpenalty(const protocol::toclient::AskPenalty& m) {
    if (m.seat != state_->myslot) return;
    setPenaltyShown(true);
    hideTurnButtons();
    emit cue(QStringLiteral("notvalid"));
}

void TurnControls::notenough(const protocol::toclient::NotEnough& m) {
    if (m.seat != state_->myslot) return;
    setStatus(tr("Your first lay down must equal at least %1 points").arg(rules::kFirstLayDown));
    showFinishAndClear();
    setLaydownShown(true);
    emit cue(QStringLiteral("notvalid"));
}

void TurnControls::incomplete(const protocol::toclient::Incomplete& m, const QString& why) {
    if (m.seat != state_->myslot) return;
    setStatus(why.isEmpty() ? tr("Board is incomplete.") : tr("Board is incomplete: %1.").arg(why));
    addLog(tr("Board is incomplete."));
    emit cue(QStringLiteral("notvalid"));
}

void TurnControls::gamepause(const protocol::toclient::GamePause& m) {
    const int flag = m.flag;
    if (flag == 1) {
        setPauseDown(true);
        setPausedLook(true);
        stopClock();
    } else if (flag == 0) {
        setPauseDown(false);
        setPausedLook(false);
        resumeClock();
    }
}

} // namespace client
