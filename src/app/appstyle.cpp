#include "appstyle.h"

#include "windows/paintedicon.h"

#include <QPixmap>

QIcon AppStyle::standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const {
    if (icon != SP_ToolBarHorizontalExtensionButton) return QProxyStyle::standardIcon(icon, option, widget);
    // The picture the desktop's style gives, at the size asked for, read only when asked for.
    const QStyle* desktop = baseStyle();
    return windows::paintedIcon(
        [desktop, icon](const QSize& size) { return desktop->standardIcon(icon).pixmap(size).toImage(); });
}
