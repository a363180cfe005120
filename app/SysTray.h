#pragma once

#include <QIcon>
#include <QString>

namespace app {

// The tray icon's record: filled once at start-up and handed back unchanged
// to take the icon away at shutdown.
struct TrayIconData {
    unsigned uID = 0;
    unsigned uFlags = 0;            // message + icon + tip
    unsigned uCallbackMessage = 0;  // the window's own mouse-move message
    QIcon hIcon;
    QString szTip;
};

inline TrayIconData makeTrayIconData(const QIcon &icon, const QString &productName)
{
    return TrayIconData{1, 7, 0x200, icon, productName};
}

} // namespace app
