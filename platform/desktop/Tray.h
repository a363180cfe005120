#pragma once

#include <QIcon>
#include <QString>
#include <functional>
#include <memory>

class QSystemTrayIcon;

namespace platform {

// Mouse-message codes a tray icon reports to its window.
namespace TrayCode {
inline constexpr int MouseMove = 0x200;
inline constexpr int LeftButtonDown = 0x201;
inline constexpr int LeftButtonUp = 0x202;
inline constexpr int LeftButtonDoubleClick = 0x203;
inline constexpr int RightButtonDown = 0x204;
inline constexpr int RightButtonUp = 0x205;
inline constexpr int RightButtonDoubleClick = 0x206;
inline constexpr int MiddleButtonUp = 0x208;
} // namespace TrayCode

// The notification-area icon. Mouse events on it reach the owner as the codes
// above through the callback given to add().
class Tray {
public:
    using Callback = std::function<void(int code)>;
    virtual ~Tray() = default;
    // True when a tray host is there to show the icon.
    virtual bool available() const = 0;
    virtual bool add(const QIcon &icon, const QString &tip, Callback callback) = 0;
    virtual bool remove() = 0;
};

// The desktop's own tray, through QSystemTrayIcon.
class SystemTray : public Tray {
public:
    SystemTray();
    ~SystemTray() override;
    bool available() const override;
    bool add(const QIcon &icon, const QString &tip, Callback callback) override;
    bool remove() override;

private:
    std::unique_ptr<QSystemTrayIcon> m_icon;
};

} // namespace platform
