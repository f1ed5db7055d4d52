#pragma once
// A read-only number field's pair of arrows: the only way to change the number shown in the field.

#include <QWidget>

class QLineEdit;
class QToolButton;

namespace windows {

class UpDown : public QWidget {
    Q_OBJECT
public:
    UpDown(const QString& name, QLineEdit* buddy, int min, int max, int step, int position, QWidget* parent);

    int position() const { return position_; }
    // Accepts only the values the arrows can reach (within the range, on the step); false otherwise,
    // and the field keeps its number.
    bool setPosition(int value);
    bool reachable(int value) const;
    // A new lowest value; a position below it moves up to it (without changed()).
    void setMinimum(int min);
    void stepUp() { move(+1); }
    void stepDown() { move(-1); }

signals:
    void changed(int position);

private:
    void move(int direction);
    void refresh();

    QLineEdit* buddy_;
    int min_, max_, step_, position_;
    QToolButton* up_;
    QToolButton* down_;
};

} // namespace windows
