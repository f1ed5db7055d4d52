#include "gameinfo.h"

#include "client/panel/panelstyle.h"

#include "windows/artwork.h"

#include <QLabel>

namespace client {

GameInfo::GameInfo(QWidget* panel) : QObject(panel) {
    playtoscore_ = style::label(panel, QStringLiteral("label_playtoscore"), QString());
    playtoscore_->setGeometry(472, 353, 128, 16);
    timeperturn_ = style::label(panel, QStringLiteral("label_timeperturn"), QString());
    timeperturn_->setGeometry(604, 353, 138, 16);
    tp_ = style::label(panel, QStringLiteral("label_tp"), tr("Time Penalty"));
    tp_->setGeometry(472, 370, 128, 16);
    tgImage_ = new windows::PaintedImage(
        QStringLiteral("image_Tg"),
        [](QPainter& p, const QRect& r) { windows::glyphs::teamFlag(p, QRectF(r)); }, panel);
    tgImage_->setGeometry(604, 371, 18, 14);
    tgImage_->hide();
    tg_ = style::label(panel, QStringLiteral("label_Tg"), tr("Good Luck"), 12, true);
    tg_->setGeometry(624, 370, 118, 16);
    style::setTextColour(tg_, windows::palette::gold);

    tilesleft_ = style::label(panel, QStringLiteral("label_tilesleft"), tr("Tile's Left: 0"), 12, true);
    tilesleft_->setGeometry(472, 103, 110, 16);

    winnerPanel_ = new windows::Plaque(QStringLiteral("panel_winner"), panel);
    winnerPanel_->setGeometry(60, 136, 340, 96);
    // The shadow copy sits one pixel down and right of the text, in black.
    winner2_ = style::label(winnerPanel_, QStringLiteral("label_winner2"), tr("Winner!"), 22, true);
    winner2_->setGeometry(12, 23, 320, 52);
    winner2_->setAlignment(Qt::AlignCenter);
    winner2_->setWordWrap(true);
    style::setTextColour(winner2_, QColor(0, 0, 0));
    winner1_ = style::label(winnerPanel_, QStringLiteral("label_winner1"), tr("Winner!"), 22, true);
    winner1_->setGeometry(10, 21, 320, 52);
    winner1_->setAlignment(Qt::AlignCenter);
    winner1_->setWordWrap(true);
    style::setTextColour(winner1_, windows::palette::gold);
    winnerPanel_->hide();
    setOptionsUnknown();
}

void GameInfo::setPlayToScore(int score) {
    playtoscore_->setText(tr("Play To Score: %1").arg(score));
}

void GameInfo::setTimePerTurn(int seconds, bool asClock) {
    if (asClock) {
        // Whole minutes and two-digit seconds.
        const int s = seconds < 0 ? 0 : seconds;
        timeperturn_->setText(tr("Time Per Turn: %1:%2").arg(s / 60).arg(s % 60, 2, 10, QLatin1Char('0')));
    } else {
        timeperturn_->setText(tr("Time Per Turn: %1").arg(seconds));
    }
}

void GameInfo::setTimePenalty(bool on) {
    tp_->setText(on ? tr("Time Penalty: ON") : tr("Time Penalty: OFF"));
}

void GameInfo::setOptionsUnknown() {
    playtoscore_->setText(tr("Play To Score: -"));
    timeperturn_->setText(tr("Time Per Turn: -"));
    tp_->setText(tr("Time Penalty"));
}

void GameInfo::setTeamGame(bool on) {
    tg_->setText(on ? tr("Team Game") : tr("Good Luck"));
    tgImage_->setVisible(on);
}

void GameInfo::setTilesLeft(int tiles) {
    tilesleft_->setText(tr("Tile's Left: %1").arg(tiles < 0 ? 0 : tiles));
}

void GameInfo::showWinner(const QString& text) {
    winner1_->setText(text);
    winner2_->setText(text);
    winnerPanel_->show();
    winnerPanel_->raise();
}

void GameInfo::hideWinner() {
    winnerPanel_->hide();
}

} // namespace client
