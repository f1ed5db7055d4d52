#include "boardaccessible.h"

#include "boardview.h"
#include "spokennames.h"

#include <QCoreApplication>
#include <QWidget>

#include <algorithm>

namespace client {

namespace {

// One tile of the board: a list item with no object of its own.
class CellAccessible : public QAccessibleInterface {
public:
    CellAccessible(BoardAccessible* board, const QPoint& cell) : board_(board), cell_(cell) {}

    bool isValid() const override { return board_->isValid(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return board_->window(); }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return board_; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? board_->cellText(cell_) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override { return board_->cellScreenRect(cell_); }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.readOnly = true;
        return s;
    }

private:
    BoardAccessible* board_;
    QPoint cell_;
};

// The widget class the board's paint area is made of; it is told from its name.
bool isBoardArea(QObject* object) {
    return object && object->isWidgetType() && object->objectName() == QLatin1String("board") &&
           object->property("boardView").isValid();
}

} // namespace

BoardAccessible::BoardAccessible(QWidget* area, const BoardView* view)
    : QAccessibleWidget(area, QAccessible::List), view_(view) {}

BoardAccessible::~BoardAccessible() {
    for (const auto& [cell, id] : cells_)
        QAccessible::deleteAccessibleInterface(id);
}

QAccessibleInterface* BoardAccessible::factory(const QString&, QObject* object) {
    if (!isBoardArea(object)) return nullptr;
    const auto* view = static_cast<const BoardView*>(object->property("boardView").value<QObject*>());
    return view ? new BoardAccessible(static_cast<QWidget*>(object), view) : nullptr;
}

std::vector<QPoint> BoardAccessible::occupied() const {
    std::vector<QPoint> cells;
    const rules::Board& board = view_->mirror();
    for (int row = 1; row <= rules::kLastRow; ++row)
        for (int column = 1; column <= rules::kLastColumn; ++column)
            if (board.at(column, row) != 0) cells.emplace_back(column, row);
    return cells;
}

QAccessibleInterface* BoardAccessible::cellInterface(const QPoint& cell) const {
    const std::pair key(cell.x(), cell.y());
    auto found = cells_.find(key);
    if (found == cells_.end()) {
        auto* made = new CellAccessible(const_cast<BoardAccessible*>(this), cell);
        found = cells_.emplace(key, QAccessible::registerAccessibleInterface(made)).first;
    }
    return QAccessible::accessibleInterface(found->second);
}

int BoardAccessible::childCount() const {
    return static_cast<int>(occupied().size());
}

QAccessibleInterface* BoardAccessible::child(int index) const {
    const std::vector<QPoint> cells = occupied();
    if (index < 0 || index >= static_cast<int>(cells.size())) return nullptr;
    return cellInterface(cells[static_cast<std::size_t>(index)]);
}

int BoardAccessible::indexOfChild(const QAccessibleInterface* child) const {
    const std::vector<QPoint> cells = occupied();
    for (std::size_t i = 0; i < cells.size(); ++i)
        if (const auto found = cells_.find({cells[i].x(), cells[i].y()}); found != cells_.end())
            if (QAccessible::accessibleInterface(found->second) == child) return static_cast<int>(i);
    return -1;
}

QAccessibleInterface* BoardAccessible::childAt(int x, int y) const {
    const QPoint cell = view_->cellAt(widget()->mapFromGlobal(QPoint(x, y)));
    if (cell.isNull() || view_->mirror().at(cell.x(), cell.y()) == 0) return nullptr;
    return cellInterface(cell);
}

QString BoardAccessible::text(QAccessible::Text t) const {
    switch (t) {
    case QAccessible::Name:
        return QCoreApplication::translate("client::SpokenNames", "Board");
    case QAccessible::Description:
        return spokenBoard(view_->mirror());
    default:
        return QAccessibleWidget::text(t);
    }
}

QString BoardAccessible::cellText(const QPoint& cell) const {
    return spokenCell(view_->mirror(), cell.x(), cell.y());
}

QRect BoardAccessible::cellScreenRect(const QPoint& cell) const {
    const QRect r = view_->cellRect(cell.x(), cell.y());
    return {widget()->mapToGlobal(r.topLeft()), r.size()};
}

} // namespace client
