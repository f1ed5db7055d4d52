#pragma once
// The rack strip under the board, the sort buttons, and the display slots of the player's tiles.

#include <QObject>

#include <array>

class QAbstractButton;
class QLabel;
class QScrollArea;
class QWidget;

namespace client {

class RackView : public QObject {
    Q_OBJECT
public:
    static constexpr int kSlots = 60;
    explicit RackView(QWidget* panel);

    // Frees every display slot and removes every tile picture.
    void clearallcards();
    int occupiedSlots() const;
    // Repaints every tile picture from the current pictures (after a tile set was picked).
    void redrawTiles();

    // 1: by numbers, 2: by suits, 0: neither button down.
    int sortChoice() const;
    void setSortChoice(int choice);

    void setSitoutShown(bool shown);

signals:
    // A sort button was pressed (the settings remember the choice).
    void sortChosen();

private:
    QScrollArea* area_;
    QWidget* strip_;
    QLabel* sitout_;
    QAbstractButton* bynumber_;
    QAbstractButton* bysuit_;
    std::array<int, kSlots + 1> slots_{}; // rack cell shown in each slot, -1 when free
};

} // namespace client
