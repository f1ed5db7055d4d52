#pragma once
// Base of the dialogs that host or join a game over the network: a heading, the player's name, the
// address row (the host's address, for a join, and the port) and a status line. Enter presses the
// dialog's main button.

#include "auxwindow.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;

namespace windows {

class AddressDialog : public AuxWindow {
    Q_OBJECT

protected:
    // A fixed-size dialog headed `heading`, its name field below the heading.
    AddressDialog(const QString& objectName, const QString& caption, const QString& heading,
                  const QSize& size, QWidget* parent);
    // The address row at `y`: with `host`, the host's address field on it and the port on the row
    // below; the port alone otherwise.
    void makeAddressRow(int y, bool host);
    // The status line, wrapping, over `area`.
    void makeStatus(const QRect& area);
    // What Enter does: the dialog's main button.
    virtual void confirm() = 0;
    void keyPressEvent(QKeyEvent* event) override;

    QLineEdit* name_ = nullptr;
    QComboBox* host_ = nullptr;
    QSpinBox* port_ = nullptr;
    QLabel* status_ = nullptr;
};

} // namespace windows
