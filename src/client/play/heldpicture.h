#pragma once
// The picture of the tile in hand: the small picture of the held code, following the pointer over the
// board panel while it is the player's turn. It goes as soon as the hand is empty.

#include <QWidget>

namespace client {

struct ClientState;
class RackModel;
class TileImages;

class HeldPicture : public QWidget {
public:
    HeldPicture(QWidget* panel, const ClientState* state, const RackModel* rack, const TileImages* tiles);

    // Shows `code` with its top-left corner 3 pixels right of and below `panelPos`; the pointer over
    // the board becomes the hand.
    void showAt(int code, const QPoint& panelPos);
    // Nothing is held any more: hides the picture and gives the board its plain pointer back.
    void release();
    // The board's paint area, whose pointer shows whether a tile is in hand.
    void setBoard(QWidget* board) { board_ = board; }
    // The tile is shown at the size of a board cell.
    void setTileSize(const QSize& size) { resize(size); }
    // Follows the pointer over the panel and every control on it (call once the panel is built).
    void trackPanel();
    int code() const { return code_; }

protected:
    void paintEvent(QPaintEvent*) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const ClientState* state_;
    const RackModel* rack_;
    const TileImages* tiles_;
    QWidget* panel_;
    QWidget* board_ = nullptr;
    int code_ = 0;
};

} // namespace client
