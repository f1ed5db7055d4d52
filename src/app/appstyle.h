#pragma once
// The program's widget style: the desktop's own, except that the menu bar's overflow arrow is read
// from its image file when it is first shown rather than while the main window is being built (the
// first image file read loads every image format the system has, a cost the first sight of the
// window need not bear; the arrow only shows in a window too narrow for its menus).

#include <QProxyStyle>

class AppStyle : public QProxyStyle {
public:
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};
