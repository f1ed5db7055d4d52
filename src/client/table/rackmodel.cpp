#include "rackmodel.h"

#include <algorithm>

namespace client {

RackModel::RackModel(QObject* parent) : QObject(parent) {}

int RackModel::code(int cell) const {
    return isCell(cell) ? codes_.cells[at(cell)] : 0;
}

int RackModel::slotOf(int cell) const {
    const auto it = std::find(order_.begin(), order_.end(), cell);
    return it == order_.end() ? 0 : static_cast<int>(it - order_.begin()) + 1;
}

std::vector<int> RackModel::inRack() const {
    std::vector<int> cells;
    for (int cell : order_)
        if (!onBoard_[at(cell)]) cells.push_back(cell);
    return cells;
}

rules::Rack RackModel::tiles() const {
    rules::Rack rack;
    for (int cell : inRack())
        rack.cells[at(cell)] = codes_.cells[at(cell)];
    return rack;
}

bool RackModel::deal(const std::vector<rules::RackItem>& items) {
    const bool valid = std::all_of(items.begin(), items.end(), [](const rules::RackItem& i) {
        return isCell(i.cell) && rules::isTile(i.tile);
    });
    if (!valid) return false;
    const bool drawn = !order_.empty();
    std::vector<int> added;
    for (const rules::RackItem& item : items) {
        if (codes_.cells[at(item.cell)] == 0) {
            order_.push_back(item.cell);
            added.push_back(item.cell);
        }
        codes_.cells[at(item.cell)] = item.tile;
    }
    emit changed();
    emit dealt(added, drawn);
    return true;
}

void RackModel::remove(int cell) {
    if (!isCell(cell) || codes_.cells[at(cell)] == 0) return;
    codes_.cells[at(cell)] = 0;
    onBoard_[at(cell)] = false;
    order_.erase(std::find(order_.begin(), order_.end(), cell));
    emit changed();
}

void RackModel::clear() {
    if (held_.fromRack()) resetHand();
    if (order_.empty()) return;
    codes_.clear();
    onBoard_.fill(false);
    order_.clear();
    emit changed();
}

void RackModel::sort(bool byNumber) {
    auto key = [this, byNumber](int cell) {
        const int code = codes_.cells[at(cell)];
        if (!byNumber) return code;
        return code == rules::kJoker ? 14 : rules::tilenumber(code); // jokers after the 13s
    };
    std::stable_sort(order_.begin(), order_.end(), [&key](int a, int b) { return key(a) < key(b); });
    emit changed();
}

void RackModel::swap(int a, int b) {
    const int slotA = slotOf(a);
    const int slotB = slotOf(b);
    if (slotA == 0 || slotB == 0) return;
    std::swap(order_[static_cast<std::size_t>(slotA - 1)], order_[static_cast<std::size_t>(slotB - 1)]);
    emit changed();
}

void RackModel::layOnBoard(int cell) {
    if (code(cell) == 0 || onBoard_[at(cell)]) return;
    onBoard_[at(cell)] = true;
    emit changed();
}

void RackModel::returnLaid() {
    if (std::none_of(onBoard_.begin(), onBoard_.end(), [](bool b) { return b; })) return;
    onBoard_.fill(false);
    emit changed();
}

void RackModel::pickFromRack(int cell) {
    Hand now = held_;
    now.pickFromRack(cell, code(cell));
    setHeld(now);
}

void RackModel::liftFromBoard(int column, int row, int code) {
    Hand now = held_;
    now.liftFromBoard(column, row, code);
    setHeld(now);
}

void RackModel::emptyHand() {
    Hand now = held_;
    now.empty();
    setHeld(now);
}

void RackModel::resetHand() {
    setHeld(Hand());
}

void RackModel::setCompletion(Hand::Completion c) {
    Hand now = held_;
    now.setCompletion(c);
    setHeld(now);
}

void RackModel::setHeld(const Hand& now) {
    if (now == held_) return;
    held_ = now;
    emit heldChanged();
}

} // namespace client
