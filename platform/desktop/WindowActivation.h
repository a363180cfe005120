#pragma once

#include <QString>

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
// when there is none: the request came from the user's own command).
class DesktopActivation : public WindowActivation {
public:
    void activate(QWidget &window, const QString &token) override;
};

// The X server time a startup id carries after "_TIME"; 0 when none.
quint32 startupIdTime(const QString &token);

} // namespace platform
