#pragma once
// The controls of a turn: status line, last move, the Start / Hint / Clear / Finish / Draw / Pause buttons,
// the penalty and first lay-down prompts, the pause cover, the board indicator, the turn clock and
// the game log.

#include "client/panel/cachedpicture.h"
#include "protocol/messages.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <deque>
#include <memory>
#include <optional>
#include <string_view>

class QAbstractButton;
class QLabel;
class QPlainTextEdit;
class QWidget;

namespace windows {
class ImageButton;
class PaintedImage;
} // namespace windows

namespace client {

struct ClientState;

class TurnControls : public QObject {
    Q_OBJECT
public:
    // The same line as the player reads it, in the window's language.
    static QString yourTurnText() { return tr("Your Turn."); }
    // The game log keeps its latest lines, this many.
    static constexpr int kLogLines = 2000;

    explicit TurnControls(QWidget* panel);
    // The client state the server's answers are checked against (whose slot they name).
    void attach(const ClientState* state) { state_ = state; }

    // The server's answers about the player's own turn: each names a slot first and acts only for
    // ours. The pause concerns everybody.
    void showdraw(const protocol::toclient::ShowDraw& m);
    void askpenalty(const protocol::toclient::AskPenalty& m);
    void notenough(const protocol::toclient::NotEnough& m);
    // `why` names the set at fault; the status line shows it after the server's answer.
    void incomplete(const protocol::toclient::Incomplete& m, const QString& why = {});
    void gamepause(const protocol::toclient::GamePause& m);

    void setStatus(const QString& text);
    // Shows `text` on the status line and has screen readers speak it at once ("Your turn", a refused
    // move, a round's end).
    void announce(const QString& text);
    QString status() const;
    void setPlayed(const QString& text);

    // The game log: its lines are kept here and shown in the log's view when it is opened; while it
    // is open a line is appended to the view as it comes.
    void addLog(const QString& line);
    void clearLog();
    void setLogShown(bool shown);
    bool logShown() const;

    void setStartShown(bool shown);
    void setPauseEnabled(bool enabled);
    void setPauseDown(bool down);
    void setPausedLook(bool paused); // the cover over the board and the button row
    void setTurnButtons(bool draw, bool clear, bool finish);
    void hideTurnButtons() { setTurnButtons(false, false, false); }
    void showDraw();
    void showFinishAndClear();
    void showFinish();
    void showClear();
    // The Hint button: whether it can be pressed now (with the reason in its tip), and whether it
    // lays the hint shown (its caption reads "Place") or asks for one.
    void setHintEnabled(bool enabled, const QString& tip);
    void setHintPlacing(bool placing);
    bool hintPlacing() const;
    void setPenaltyShown(bool shown);
    void setLaydownShown(bool shown);
    void hidePrompts();
    // No game: the clock at 0:00, no turn buttons, prompts, indicator, status, pause or Start.
    void clearTurn();

    // The board indicator: shown during the own turn, blinking while the board is incomplete.
    void setIndicatorShown(bool shown);
    void setIndicatorBlinking(bool blinking);

    // The turn clock: counts down once a second from `seconds` until stopped.
    void startClock(int seconds);
    void stopClock();
    // Starts the clock again from the seconds it had left.
    void resumeClock();
    // Stops the clock at 0 seconds left.
    void resetClock();
    void setTimeLeft(int seconds) { timeleft_ = seconds; }
    int timeLeft() const { return timeleft_; }
    // The time bar's full width at the base layout: a whole turn's seconds fill it.
    static constexpr int kBarWidth = 184;
    void setBarScale(int pixelsPerSecond) { barscale_ = pixelsPerSecond; }
    // One second of the clock (the timer's tick).
    void tick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    void startClicked();
    void clearClicked();
    void finishClicked();
    void drawClicked();
    void hintClicked();
    void yesClicked();
    void editClicked();
    void edit2Clicked();
    void pauseToggled(bool down);
    void logShownChanged(bool shown);
    // The clock has run 3 seconds past zero without the server ending the turn.
    void clockOverrun();
    void cue(const QString& name);
    // A sentence spoken to a screen reader through the status line ("Your Turn.", a refusal, a round's end).
    void announced(const QString& text);

private:
    void buildButtons(QWidget* panel);
    void buildClock(QWidget* panel);
    void buildPrompts(QWidget* panel);
    void buildOverlays(QWidget* panel);
    void buildLog(QWidget* panel);
    void showTime();

    const ClientState* state_ = nullptr;
    QLabel* status_;
    QLabel* played_;
    windows::ImageButton* start_;
    windows::ImageButton* clear_;
    windows::ImageButton* finish_;
    windows::ImageButton* draw_;
    windows::ImageButton* hint_;
    bool hintPlacing_ = false; // the hint button says "Place": a hint is outlined, ready to lay
    windows::ImageButton* pause_;
    windows::ImageButton* log_;
    QWidget* penalty_;
    QWidget* laydown_;
    std::unique_ptr<CachedPicture> pausePicture_;
    QWidget* pauseImage_;
    QWidget* cover_;
    windows::PaintedImage* indicator_;
    QLabel* timer_;
    QWidget* bar_;
    QWidget* logPanel_;
    QPlainTextEdit* memo_;
    std::deque<QString> logLines_;
    bool memoStale_ = false; // lines came while the view was closed
    QTimer blink_;
    QTimer turntime_;
    bool frame2_ = false;
    int timeleft_ = 0;
    int barscale_ = 1;
};

} // namespace client
