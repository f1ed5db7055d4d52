#pragma once
// The panel over the board at a round's end: each seat's tiles left, round points and score, and the
// seconds until the next round starts. It closes by itself when that round starts.

#include <QFrame>
#include <QTimer>

#include <vector>

class QGridLayout;
class QVBoxLayout;
class QLabel;

namespace client {

class RoundSummary : public QFrame {
    Q_OBJECT
public:
    // The server starts the next round this many seconds after the last one ended.
    static constexpr int kNextRoundSeconds = 20;

    struct Line {
        QString name;
        int tilesLeft = 0;
        int points = 0;
        int score = 0;
    };
    explicit RoundSummary(QWidget* board);

    // Shows the result of the round that just ended and starts the countdown.
    void showResult(const QString& title, const std::vector<Line>& lines);
    // The round ended the game: no round follows. The panel names the winner (`banner`).
    void gameOver(const QString& banner);
    // Hides the panel and stops the countdown.
    void close();
    int secondsLeft() const { return left_; }
    // One second of the countdown (the timer's tick).
    void tick();

protected:
    void resizeEvent(QResizeEvent* e) override;

signals:
    // The player closed the panel.
    void closedByPlayer();

private:
    // The gap between the table's columns at the base layout.
    static constexpr int kColumnGap = 14;
    void showCountdown();

    QVBoxLayout* box_;
    QMargins margins_; // the layout's own at the base layout
    int spacing_ = 6;
    int rowGap_ = 6;
    QLabel* title_;
    QGridLayout* grid_;
    QLabel* countdown_;
    QTimer timer_;
    int left_ = 0;
};

} // namespace client
