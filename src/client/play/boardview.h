#pragma once
// The shared board: its painted picture, the paint area for the tiles, the client's mirror of the
// server's board, the player's moves on it and the moves the server reports.

#include "boardsets.h"
#include "client/panel/cachedpicture.h"
#include "hintsource.h"
#include "tileimages.h"

#include "protocol/messages.h"
#include "rules/tiles.h"

#include <QObject>

#include <functional>
#include <string>
#include <vector>

class QPainter;
class QPoint;
class QRect;
class QWidget;

namespace client {

struct ClientState;
class RackModel;
class Table;
class TileImages;

class BoardView : public QObject {
    Q_OBJECT
public:
    explicit BoardView(QWidget* panel);
    struct Parts {
        ClientState* state = nullptr;
        const TileImages* tiles = nullptr;
        Table* table = nullptr; // the seat rows' figures, the rack and the tile in hand
        std::function<void(const std::string&)> send;
    };
    void attach(Parts parts);

    // The client's mirror of the server's board, kept in the table.
    const rules::Board& mirror() const;
    // Empties every cell of the mirror, drops the move frames and repaints.
    void cleartheboard();
    QWidget* paintArea() const { return board_; }
    // The board's geometry, the one place it is kept. The rectangle cell (column, row) covers in the
    // paint area, and the cell a point of the paint area lies in: a null point off the drawn cells.
    // A point a quarter cell left of a cell's right edge or a sixth above its bottom (5 pixels at the
    // base size) already counts as the next cell.
    QRect cellRect(int column, int row) const;
    QPoint cellAt(const QPoint& pos) const;
    QSize cellSize() const { return {cellWidth_, cellHeight_}; }
    // Follows the panel's factor: places the board picture and the paint area, sizes the cells.
    void rescale();
    // Repaints every tile from the current pictures (after a tile set was picked).
    void redrawTiles();

    // A press on the paint area at `pos` (its own coordinates).
    void boardMouseDown(Qt::MouseButton button, const QPoint& pos);
    // The commands the server sends about the board.
    void loadboard(const std::vector<rules::BoardItem>& items);
    void placehistile(const protocol::toclient::PlaceHisTile& m);
    void swaptiles(const protocol::toclient::SwapTiles& m);
    void removetile(int column, int row);
    void undothem(const protocol::toclient::UndoThem& m);
    void movedtiles(const protocol::toclient::MovedTiles& m);

    // The player's moves, made one after the other as the player would make them (a hint laid): each
    // is shown at once and sent to the server, which judges it.
    void makeMoves(const std::vector<HintStep>& steps);

    // Wipes the frames of the last move summary.
    void clearthisturn();
    bool marksShown() const { return !marksclean_; }
    // Whether cell (column, row) shows the move frame now.
    bool framed(int column, int row) const;
    bool chatboardok() const;
    // Why the board fails the set check ("a set in row 3 has 2 tiles"), naming the highest set
    // outlined; empty when every set passes.
    QString badSetReason() const;
    // Shows the board check of the mirror on the blinking indicator.
    void refreshIndicator();
    // A tile lifted off the board goes back to its cell; nothing is held afterwards.
    void putBack();
    // Whatever is held goes back where it came from (its board cell or its rack place).
    void returnHeld();
    // Whether `code` may be put down at (column, row) next to its neighbours in the row.
    bool orderOk(int code, int column, int row) const { return orderRefusal(code, column, row).isEmpty(); }
    // Why `code` may not be put down at (column, row): a sentence for the status line, or empty text
    // when it may.
    QString orderRefusal(int code, int column, int row) const;
    // Why a held tile dropped at (column, row) would stay in hand; empty text when it would go down.
    QString dropRefusal(int column, int row) const;

    // While a turn runs, the sets that fail the set check are outlined in red.
    void setOutlinesShown(bool shown);
    bool outlinesShown() const { return outlines_; }
    // A round starts: nobody has made the first lay-down yet.
    void newRound();
    // Joined during a round: whether the own seat has made its first lay-down yet.
    void joinedRound(bool opened);
    // The own turn starts: nothing is laid from the rack yet.
    void newTurn();

    // The board picture: a wooden frame around green felt with a light line along each cell's
    // last pixel column and row.
    static void paintBoardPicture(QPainter& p, const QRect& r);
    // How many times the board picture was painted: once, then again only when the screen's pixel
    // ratio changed or a tile set was picked (the paint area and the picture copy it a piece at a time).
    int backdropPaints() const { return backdrop_.paintCount(); }
    // Draws the tiles and move frames of the cells that `exposed` touches.
    void paintTiles(QPainter& p, const QRect& exposed) const;

signals:
    void cue(const QString& name);
    // What the turn's controls show of the board: whether every set passes the check (the indicator
    // blinks when not), why a tile stays in hand, the status line, a move as the last-move line (and
    // the game log when `log`), which of Draw / Clear / Finish apply, that Clear applies, and that the
    // prompts no longer fit (the player acts on the board).
    void boardChecked(bool ok);
    void refused(const QString& why);
    void status(const QString& text);
    void played(const QString& text, bool log);
    void turnButtons(bool draw, bool clear, bool finish);
    void clearApplies();
    void promptsOutdated();
    // A tile was lifted off the board into the hand, at `panelPos` of the board panel.
    void lifted(int code, const QPoint& panelPos);
    // The board's cells took a new size (the tile in hand is shown at it).
    void cellSizeChanged(const QSize& size);
    // A cell of the mirror is about to take another tile (or none).
    void mirrorChanged();

private:
    void send(const std::string& command);
    RackModel& rack() const;
    void setCell(int column, int row, int code);
    void placeFromRack(int cell, int column, int row);
    void complete(int code, int column, int row, int laidCell);
    void moveHeldTo(int column, int row);
    void moveTile(int code, int fromColumn, int fromRow, int toColumn, int toRow);
    void liftFrom(int column, int row);
    void releaseHeld();
    void showPlayed(int seat, const QString& line, int code, bool log);
    void refuse(const QString& why);
    void showLaidValue();
    QRect spanRect(const SetSpan& span) const;
    // The cells (columns, rows) that the rectangle `r` of the paint area touches, within the drawn ones.
    QRect cellsTouched(const QRect& r) const;
    void paintOutlines(QPainter& p, int fromRow, int toRow) const;

    Parts parts_;
    rules::Board marks_; // 54 where the latest move summary named the cell
    bool marksclean_ = true;
    bool outlines_ = false;
    CachedPicture backdrop_;
    int cellWidth_ = TileImages::kSmallWidth;
    int cellHeight_ = TileImages::kSmallHeight;
    QWidget* panel_;
    QWidget* image_;
    QWidget* board_;
};

} // namespace client
