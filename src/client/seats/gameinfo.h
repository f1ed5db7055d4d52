#pragma once
// The game's options and progress as the panel shows them: target score, time per turn, time penalty,
// team game banner, tiles left in the pool, and the winner banner.

#include <QObject>
#include <QString>

class QLabel;
class QWidget;

namespace client {

class GameInfo : public QObject {
    Q_OBJECT

public:
    explicit GameInfo(QWidget* panel);

    void setPlayToScore(int score);
    // "Time Per Turn: 1:05" after a game start, plain seconds ("Time Per Turn: 65") for a late joiner.
    void setTimePerTurn(int seconds, bool asClock);
    void setTimePenalty(bool on);
    // Before a game chosen by someone else: its options are not known yet.
    void setOptionsUnknown();
    void setTeamGame(bool on);
    void setTilesLeft(int tiles);
    void showWinner(const QString& text);
    void hideWinner();

private:
    QLabel* playtoscore_;
    QLabel* timeperturn_;
    QLabel* tp_;
    QLabel* tg_;
    QWidget* tgImage_;
    QLabel* tilesleft_;
    QWidget* winnerPanel_;
    QLabel* winner1_;
    QLabel* winner2_;
};

} // namespace client
