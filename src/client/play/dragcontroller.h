#pragma once
// Drag and drop over the rack and the board. A press picks a tile up exactly as a click does; once the
// pointer has moved past the drag distance with the button held, the release counts as the click that
// puts it down where it is released. A press that does not move stays a plain click. With Alt or Shift
// held, dragging a board tile carries its whole set, moved as one board move per tile.

#include "boardsets.h"

#include <QObject>
#include <QPoint>

#include <vector>

class QWidget;

namespace client {

struct ClientState;
class BoardView;
class RackModel;
class RackView;
class TileImages;
class TurnControls;
class SetPicture;

class DragController : public QObject {
public:
    struct Parts {
        ClientState* state = nullptr;
        BoardView* board = nullptr;
        RackView* rack = nullptr;
        const RackModel* model = nullptr; // the tile in hand
        TurnControls* turn = nullptr;
        const TileImages* tiles = nullptr;
    };
    // `panel` is the board panel holding the paint area and the rack.
    DragController(QWidget* panel, Parts parts);

    // Moves the set of board cell (column, row) so that this cell lands on (toColumn, toRow), one board
    // move per tile; refused as a whole, with the reason in the status line, when a tile could not go.
    bool moveSet(int column, int row, int toColumn, int toRow);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class From { Nothing, Rack, Board };
    void pressed(QWidget* w, const QPoint& global, Qt::MouseButton button, Qt::KeyboardModifiers keys);
    void moved(const QPoint& global);
    void released(const QPoint& global);
    void dropOnBoard(const QPoint& global);
    void dropOnRack(const QPoint& global);
    // The board cell under `global`, or (0, 0) when it is not over the drawn cells.
    QPoint cellAt(const QPoint& global) const;
    void click(Qt::MouseButton button, int column, int row);
    void endGesture();

    QWidget* panel_;
    Parts parts_;
    QWidget* area_;  // the board's paint area
    QWidget* cards_; // the rack
    SetPicture* setPicture_;
    From from_ = From::Nothing;
    bool pickedUp_ = false; // the press put a tile in hand
    bool dragging_ = false;
    bool wholeSet_ = false;
    QPoint pressGlobal_;
    QPoint pressCell_;
    SetSpan set_;
};

} // namespace client
