#pragma once
// The shared board: its painted picture, the paint area for the tiles, and the client's mirror of
// the server's board.

#include "rules/tiles.h"

#include <QObject>

class QPainter;
class QRect;
class QWidget;

namespace client {

class BoardView : public QObject {
public:
    explicit BoardView(QWidget* panel);

    const rules::Board& mirror() const { return mirror_; }
    // Empties every cell of the mirror and repaints.
    void cleartheboard();
    QWidget* paintArea() const { return board_; }
    // Repaints every tile from the current pictures (after a tile set was picked).
    void redrawTiles();

    // The board picture: a wooden frame around green felt with a light line along each cell's
    // last pixel column and row.
    static void paintBoardPicture(QPainter& p, const QRect& r);

private:
    rules::Board mirror_;
    QWidget* image_;
    QWidget* board_;
    QWidget* dragging_;
};

} // namespace client
