#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace platform {

// Bringing a window to the front when the user asked for it elsewhere (a
// global key, a second start). Desktops refuse windows that push themselves
// forward; the token the desktop handed the request proves it came from the
// user: XDG_ACTIVATION_TOKEN on Wayland, DESKTOP_STARTUP_ID (or the time of
// a key press, "_TIME" and the X server's time) on X11.
class WindowActivation {
public:
    virtual ~WindowActivation() = default;
    virtual void activate(QWidget &window, const QString &token) = 0;
};

// The desktop's own: Wayland's activation protocol through Qt, or on X11 an
// activation request carrying the token's time (the X server's present time
// when there is none: the request came from the user's own command). Where
// the desktop will not bring the window forward (no token on Wayland, or the
// window not active a moment later) the window asks for attention instead.
class DesktopActivation : public WindowActivation {
public:
    using Alert = std::function<void(QWidget &)>;
    // `alert` defaults to QApplication::alert, `platform` to Qt's platform name.
    explicit DesktopActivation(Alert alert = {}, QString platform = {});
    void activate(QWidget &window, const QString &token) override;

private:
    Alert m_alert;
    QString m_platform;
};

// The X server time a startup id carries after "_TIME"; 0 when none.
quint32 startupIdTime(const QString &token);

} // namespace platform
