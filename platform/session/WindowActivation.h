#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>
#include <QWindow>
#include <functional>
#include <memory>


namespace platform {

// Bringing a window to the front when the user asked for it elsewhere (a
// global key, a second start). Desktops refuse windows that push themselves
// forward; the token the desktop handed the request proves it came from the
// user: XDG_ACTIVATION_TOKEN on Wayland, DESKTOP_STARTUP_ID (or the time of
// a key press, "_TIME" and the X server's time) on X11.
class WindowActivation {
public:
    virtual ~WindowActivation() = default;
    // Called before the window is shown again (out of the tray, minimised)
    // for the request activate() then makes: a window manager decides on
    // the focus already as it maps the window. False: the window is
    // minimised and left for the desktop to bring back with the request,
    // which it may refuse; it is not to be shown here.
    virtual bool prepare(QWidget &window, const QString &token)
    {
        (void)window;
        (void)token;
        return true;
    }
    virtual void activate(QWidget &window, const QString &token) = 0;
};

// The desktop's own: Wayland's activation protocol through Qt, or on X11 an
// activation request carrying activationTime(), sent once the window is
// mapped, bringing a minimised window back too; a hidden window is mapped
// without taking the focus by mapping, and none is raised by itself. Where the desktop will not bring the window forward (no token on
// Wayland, or the window not active a moment later) the window asks for
// attention instead.
class DesktopActivation : public WindowActivation {
public:
    using Alert = std::function<void(QWidget &)>;
    // The X11 request for `window` with this user time (0: none known).
    using Request = std::function<void(QWidget &window, quint32 time)>;
    // `alert` defaults to QApplication::alert, `platform` to Qt's platform
    // name, `request` to a _NET_ACTIVE_WINDOW message to the window manager.
    explicit DesktopActivation(Alert alert = {}, QString platform = {}, Request request = {});
    ~DesktopActivation() override;
    bool prepare(QWidget &window, const QString &token) override;
    void activate(QWidget &window, const QString &token) override;
    // The X server time the user last turned to the program: the latest key
    // or button press it took, the window manager handing it the focus, a
    // token's time; before any, its start (0 off X11 until a press).
    quint32 lastInput() const;

private:
    class InputClock;
    Alert m_alert;
    QString m_platform;
    Request m_request;
    std::unique_ptr<InputClock> m_clock;
    // Shown after prepare() without taking the focus by mapping, until activate().
    QPointer<QWindow> m_mappingQuietly;
};

// The X server time a startup id carries after "_TIME"; 0 when none.
quint32 startupIdTime(const QString &token);

// The user time an X11 activation request carries: the token's, else the
// latest input the program saw (0 when none: the window manager decides).
// Never the server's present time: a request with it takes the focus from a
// window the user has just turned to, and a manager that prevents focus
// stealing could not tell it from the user's own wish.
quint32 activationTime(const QString &token, quint32 lastInput);

} // namespace platform
