#include "platform/desktop/Tray.h"

#include <QSystemTrayIcon>

namespace platform {

SystemTray::SystemTray() = default;
SystemTray::~SystemTray() = default;

bool SystemTray::available() const { return QSystemTrayIcon::isSystemTrayAvailable(); }

bool SystemTray::add(const QIcon &icon, const QString &tip, Callback callback)
{
    if (m_icon)
        return false;
    m_icon = std::make_unique<QSystemTrayIcon>(icon);
    m_icon->setToolTip(tip);
    QObject::connect(m_icon.get(), &QSystemTrayIcon::activated, m_icon.get(),
                     [callback](QSystemTrayIcon::ActivationReason reason) {
                         if (!callback)
                             return;
                         // The codes a tray icon reports to its window on release.
                         switch (reason) {
                         case QSystemTrayIcon::Trigger: callback(TrayCode::LeftButtonUp); break;
                         case QSystemTrayIcon::DoubleClick: callback(TrayCode::LeftButtonDoubleClick); break;
                         case QSystemTrayIcon::Context: callback(TrayCode::RightButtonUp); break;
                         case QSystemTrayIcon::MiddleClick: callback(TrayCode::MiddleButtonUp); break;
                         default: break;
                         }
                     });
    m_icon->show();
    return true;
}

bool SystemTray::remove()
{
    if (!m_icon)
        return false;
    m_icon->hide();
    m_icon.reset();
    return true;
}

} // namespace platform
