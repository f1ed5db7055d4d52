#pragma once
// The board as assistive technology sees it: a list whose items are the board's tiles in reading
// order, each named by its cell, its tile and its set ("row 3, column 5: Black King, in a run of 3").
// The board is painted, not built of widgets, so its items are interfaces of their own; each cell's
// interface is made on first use and kept until the board's goes.

#include <QAccessibleWidget>
#include <QPoint>

#include <map>
#include <utility>
#include <vector>

namespace client {

class BoardView;

class BoardAccessible : public QAccessibleWidget {
public:
    BoardAccessible(QWidget* area, const BoardView* view);
    ~BoardAccessible() override;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QString text(QAccessible::Text t) const override;

    // For the cells' interfaces: what a cell says and where it lies on the screen.
    QString cellText(const QPoint& cell) const;
    QRect cellScreenRect(const QPoint& cell) const;

    // The interface for the board's paint area, or none for any other object (installed as a factory).
    static QAccessibleInterface* factory(const QString& className, QObject* object);

private:
    // The cells holding a tile, row by row, left to right.
    std::vector<QPoint> occupied() const;
    QAccessibleInterface* cellInterface(const QPoint& cell) const;

    const BoardView* view_;
    mutable std::map<std::pair<int, int>, QAccessible::Id> cells_;
};

} // namespace client
