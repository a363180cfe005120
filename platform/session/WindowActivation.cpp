#include "platform/session/WindowActivation.h"

#include <QApplication>
#include <QEvent>
#include <QInputEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <utility>
#include <xcb/xcb.h>

namespace platform {

namespace {

constexpr int kSettleMs = 150;
// How long the desktop has to make the window active before it asks for
// attention instead.
constexpr int kActiveWithinMs = 500;

xcb_atom_t atom(xcb_connection_t *connection, const char *name)
{
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, uint16_t(std::strlen(name)), name), nullptr),
        std::free);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

// Whether X server time `a` comes after `b`; the times wrap after 49 days.
bool later(quint32 a, quint32 b)
{
    return qint32(a - b) > 0;
}

void requestOnX11(QWidget &window, quint32 time)
{
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t *connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    xcb_client_message_event_t message = {};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = xcb_window_t(window.winId());
    message.type = atom(connection, "_NET_ACTIVE_WINDOW");
    message.data.data32[0] = 1; // from an application
    message.data.data32[1] = time;
    xcb_send_event(connection, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char *>(&message));
    xcb_flush(connection);
}

// Runs `then` once the window is on screen: a window manager ignores a
// request for a window it has not taken in yet (just shown from the tray).
class WhenExposed : public QObject {
public:
    WhenExposed(QWindow &window, std::function<void()> then) : QObject(&window), m_then(std::move(then))
    {
        window.installEventFilter(this);
        QTimer::singleShot(kExposedWithinMs, this, &QObject::deleteLater); // hidden again meanwhile
    }
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && static_cast<QWindow *>(watched)->isExposed() && m_then) {
            watched->removeEventFilter(this);
            deleteLater();
            std::exchange(m_then, {})();
        }
        return false;
    }

private:
    static constexpr int kExposedWithinMs = 2000;
    std::function<void()> m_then;
};

} // namespace

quint32 startupIdTime(const QString &token)
{
    const qsizetype at = token.lastIndexOf(QLatin1String("_TIME"));
    if (at < 0)
        return 0;
    bool ok = false;
    const quint32 time = token.mid(at + 5).toUInt(&ok);
    return ok ? time : 0;
}

quint32 activationTime(const QString &token, quint32 lastInput)
{
    const quint32 time = startupIdTime(token);
    return time ? time : lastInput;
}

// Notes the time of every key and button press the application takes.
class DesktopActivation::InputClock : public QObject {
public:
    InputClock()
    {
        if (QCoreApplication *application = QCoreApplication::instance())
            application->installEventFilter(this);
    }
    quint32 last() const { return m_last; }
    void took(quint32 time)
    {
        if (time && (!m_last || later(time, m_last)))
            m_last = time;
    }
    bool eventFilter(QObject *, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::TouchBegin:
        case QEvent::TabletPress:
            took(quint32(static_cast<QInputEvent *>(event)->timestamp()));
            break;
        default:
            break;
        }
        return false;
    }

private:
    quint32 m_last = 0;
};

DesktopActivation::DesktopActivation(Alert alert, QString platform, Request request)
    : m_alert(alert ? std::move(alert) : Alert([](QWidget &window) { QApplication::alert(&window); })),
      m_platform(std::move(platform)),
      m_request(request ? std::move(request) : Request(requestOnX11)),
      m_clock(std::make_unique<InputClock>())
{
}

DesktopActivation::~DesktopActivation() = default;

quint32 DesktopActivation::lastInput() const
{
    return m_clock->last();
}

void DesktopActivation::activate(QWidget &window, const QString &token)
{
    const QString platform = m_platform.isEmpty() ? QGuiApplication::platformName() : m_platform;
    const bool wayland = platform.startsWith(QLatin1String("wayland"));
    // Qt's Wayland client hands this token to the compositor with the request.
    if (wayland && !token.isEmpty())
        qputenv("XDG_ACTIVATION_TOKEN", token.toUtf8());
    // On X11 Qt would ask with the time of the last event it saw of any
    // kind, perhaps newer than the user's click on another window: the
    // request is ours there.
    const bool x11 = platform == QLatin1String("xcb");
    if (!x11)
        window.activateWindow();
    // A token is good for one request: never left for a later one, nor for
    // the programs the launcher starts.
    if (wayland)
        qunsetenv("XDG_ACTIVATION_TOKEN");
    if (x11) {
        const quint32 time = activationTime(token, lastInput());
        m_clock->took(startupIdTime(token)); // the user's own act, for a later request without one
        QPointer<QWidget> target(&window);
        auto request = [target, time, send = m_request] {
            if (target)
                send(*target, time);
        };
        QWindow *handle = window.windowHandle();
        if (!handle || handle->isExposed())
            request();
        else
            new WhenExposed(*handle, request);
    }
    // Hidden and shown again at once, the window can get the keyboard back
    // before Qt noticed it had lost it: Qt then keys it but never calls it
    // active again, and shortcuts such as Enter do nothing. Put right once
    // the window system has answered.
    QPointer<QWidget> shown(&window);
    QTimer::singleShot(kSettleMs, &window, [shown] {
        if (shown && QGuiApplication::focusWindow() == shown->windowHandle() && !shown->isActiveWindow())
            QApplication::setActiveWindow(shown);
    });
    // Without a token a Wayland compositor keeps the window where it is.
    if (wayland && token.isEmpty()) {
        m_alert(window);
        return;
    }
    // Refused (focus stealing prevention, a token that has expired): the
    // window at least asks for attention. Active for a moment counts too: the
    // user may have gone on to another window since.
    auto becameActive = std::make_shared<bool>(window.isActiveWindow());
    const QMetaObject::Connection watch = QObject::connect(
        qGuiApp, &QGuiApplication::focusWindowChanged, &window, [shown, becameActive](QWindow *focus) {
            if (shown && focus && focus == shown->windowHandle())
                *becameActive = true;
        });
    QTimer::singleShot(kActiveWithinMs, &window, [alert = m_alert, shown, becameActive, watch] {
        QObject::disconnect(watch);
        if (shown && shown->isVisible() && !shown->isMinimized() && !*becameActive && !shown->isActiveWindow())
            alert(*shown);
    });
}

} // namespace platform
