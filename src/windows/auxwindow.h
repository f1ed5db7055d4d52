#pragma once
// Base of the auxiliary windows: a captioned top-level window on the painted backdrop.

#include <QDialog>

class QLabel;

namespace windows {

class AuxWindow : public QDialog {
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
};

} // namespace windows
