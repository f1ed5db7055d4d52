#pragma once
// The about box. Its version label holds the text the login exchange compares.

#include "auxwindow.h"

class QLabel;

namespace windows {

class Tabout : public AuxWindow {
    Q_OBJECT

public:
    explicit Tabout(QWidget* parent = nullptr);
    QString versionText() const;

private:
    QLabel* version_;
};

} // namespace windows
