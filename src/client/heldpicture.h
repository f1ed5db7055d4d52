#pragma once
// The picture of the tile in hand: the small picture of the held code, following the pointer over the
// board panel while it is the player's turn.

#include <QWidget>

namespace client {

struct ClientState;
class TileImages;

class HeldPicture : public QWidget {
public:
    HeldPicture(QWidget* panel, const ClientState* state, const TileImages* tiles);

    // Shows `code` with its top-left corner 3 pixels right of and below `panelPos`.
    void showAt(int code, const QPoint& panelPos);
    // Follows the pointer over the panel and every control on it (call once the panel is built).
    void trackPanel();
    int code() const { return code_; }

protected:
    void paintEvent(QPaintEvent*) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const ClientState* state_;
    const TileImages* tiles_;
    QWidget* panel_;
    int code_ = 0;
};

} // namespace client
