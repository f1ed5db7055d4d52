#pragma once
// A label of the game panel whose one line of text always fits it: a text too wide for the label is
// drawn in a smaller font, down to kLeast of the label's own, and past that cut short with an ellipsis.
// Wrapping labels are drawn as usual.

#include <QLabel>

namespace client {

class FittingLabel : public QLabel {
public:
    static constexpr qreal kLeast = 0.75;

    explicit FittingLabel(const QString& text, QWidget* parent = nullptr);
    // The font and the text as drawn now.
    QFont shownFont() const;
    QString shownText() const;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    // The room the text has: the contents less the margin and the indent.
    QRect room() const;
    bool fits() const;
};

} // namespace client
