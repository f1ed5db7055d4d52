#pragma once
// Play from the keyboard: Enter finishes, D draws, Esc puts the tile in hand back or clears the turn,
// 1 and 2 sort the rack, P pauses, H asks for a hint (and lays it); the arrow keys move a cursor over the
// rack and the board and Space picks up or puts down what is under it (with Shift or Ctrl as a click would).
// The keys act only while no text field of the window has the keyboard, so typing in the chat is never taken
// for a move.

#include <QObject>
#include <QPoint>

class QKeyEvent;
class QWidget;

namespace client {

struct ClientState;
class BoardView;
class RackModel;
class RackView;
class KeyCursor;

class KeyMap : public QObject {
public:
    struct Parts {
        ClientState* state = nullptr;
        BoardView* board = nullptr;
        RackView* rack = nullptr;
        const RackModel* model = nullptr; // the rack's tiles and the tile in hand
    };
    // `window` is the main window, `panel` its board panel.
    KeyMap(QWidget* window, QWidget* panel, Parts parts);

    // One key pressed in the window outside its text fields; true when it was a key of play.
    bool key(int key, Qt::KeyboardModifiers keys);

    // Where the cursor is: a rack slot (1..), or a board cell when `onBoard`.
    bool onBoard() const { return onBoard_; }
    int slot() const { return slot_; }
    QPoint cell() const { return cell_; }
    // The panel has changed its size: the cursor's frame follows.
    void rescale();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static bool typingIn(const QWidget* w);
    bool clickButton(const char* name) const;
    void moveCursor(int dx, int dy);
    void space(Qt::KeyboardModifiers keys);
    void escape();
    void showCursor();
    QPoint cursorInPanel() const;

    QWidget* window_;
    QWidget* panel_;
    Parts parts_;
    KeyCursor* cursor_;
    bool onBoard_ = false;
    int slot_ = 1;
    QPoint cell_{1, 12};
};

} // namespace client
