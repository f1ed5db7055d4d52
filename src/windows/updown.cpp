#include "updown.h"

#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace windows {

UpDown::UpDown(const QString& name, QLineEdit* buddy, int min, int max, int step, int position,
               QWidget* parent)
    : QWidget(parent), buddy_(buddy), min_(min), max_(max), step_(step), position_(position) {
    setObjectName(name);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    up_ = new QToolButton(this);
    up_->setArrowType(Qt::UpArrow);
    up_->setAutoRepeat(true);
    down_ = new QToolButton(this);
    down_->setArrowType(Qt::DownArrow);
    down_->setAutoRepeat(true);
    for (QToolButton* b : {up_, down_}) {
        b->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
        b->setFixedWidth(18);
        layout->addWidget(b);
    }
    connect(up_, &QToolButton::clicked, this, &UpDown::stepUp);
    connect(down_, &QToolButton::clicked, this, &UpDown::stepDown);
    buddy_->setReadOnly(true);
    buddy_->setAlignment(Qt::AlignRight);
    refresh();
}

bool UpDown::reachable(int value) const {
    return value >= min_ && value <= max_ && (value - min_) % step_ == 0;
}

bool UpDown::setPosition(int value) {
    if (!reachable(value)) return false;
    position_ = value;
    refresh();
    return true;
}

void UpDown::setMinimum(int min) {
    min_ = std::min(min, max_);
    position_ = std::max(position_, min_);
    refresh();
}

void UpDown::move(int direction) {
    const int next = position_ + direction * step_;
    if (next < min_ || next > max_) return; // no wrap-around
    position_ = next;
    refresh();
    emit changed(position_);
}

void UpDown::refresh() {
    buddy_->setText(QString::number(position_));
    up_->setEnabled(position_ + step_ <= max_);
    down_->setEnabled(position_ - step_ >= min_);
}

} // namespace windows
