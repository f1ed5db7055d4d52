#pragma once
// Base of the auxiliary windows: a captioned top-level window on the painted backdrop.

#include <QDialog>

class QLabel;
class QLineEdit;
class QSpinBox;

namespace windows {

class AuxWindow : public QDialog {
    Q_OBJECT

public:
    AuxWindow(const QString& objectName, const QString& caption, QWidget* parent = nullptr);
    // Shows the window centred over `owner` (or where it was, without one) and brings it to the front.
    void showOver(QWidget* owner);
    // Shows the window centred on the desktop.
    void showCentred();

protected:
    void paintEvent(QPaintEvent*) override;
    // A label in the backdrop's text colour.
    QLabel* makeLabel(const QString& name, const QString& text, int pixelSize = 12, bool bold = false);
    // The large title across the top of the window.
    QLabel* makeHeading(const QString& text);
    // A caption at the left and, beside it, a field for the player's name or for a port number.
    QLineEdit* makeNameField(int y);
    QSpinBox* makePortField(int y, quint16 port);
};

} // namespace windows
