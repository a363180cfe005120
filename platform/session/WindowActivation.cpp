#include "platform/session/WindowActivation.h"

#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QEvent>
#include <QInputEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <algorithm>
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

xcb_connection_t *x11Connection()
{
    auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

void alertNow(QWidget &window)
{
    QApplication::alert(&window);
    // Qt leaves the request in its buffer until something else is sent,
    // which for a window nobody looks at may be never.
    if (xcb_connection_t *connection = x11Connection())
        xcb_flush(connection);
}

void requestOnX11(QWidget &window, quint32 time)
{
    xcb_connection_t *connection = x11Connection();
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

// A window the desktop brought back from minimised keeps the hint Qt gave it
// when it was minimised, to start minimised: mapped again, out of the tray,
// it would stay minimised (and, under xfwm4, unseen).
void clearIconicHintOnX11(QWidget &window)
{
    xcb_connection_t *connection = x11Connection();
    if (!connection || !window.windowHandle())
        return;
    const auto target = xcb_window_t(window.winId());
    constexpr quint32 kStateHint = 1u << 1, kNormalState = 1, kIconicState = 3;
    std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
        xcb_get_property_reply(connection,
                               xcb_get_property(connection, 0, target, XCB_ATOM_WM_HINTS, XCB_ATOM_WM_HINTS, 0, 9),
                               nullptr),
        std::free);
    if (!reply || reply->format != 32)
        return;
    quint32 hints[9] = {};
    const int count = std::min(9, xcb_get_property_value_length(reply.get()) / 4);
    std::memcpy(hints, xcb_get_property_value(reply.get()), size_t(count) * 4);
    if (count < 3 || !(hints[0] & kStateHint) || hints[2] != kIconicState)
        return;
    hints[2] = kNormalState;
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, target, XCB_ATOM_WM_HINTS, XCB_ATOM_WM_HINTS, 32,
                        uint32_t(count), hints);
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

// Notes when the user last turned to the program: each key and button press
// it takes, each time the window manager hands it the focus (a click on its
// frame, a granted request, the start), and, before any of those, its start.
// A request made with that time loses to anything the user has done in other
// windows since.
class DesktopActivation::InputClock : public QObject, public QAbstractNativeEventFilter {
public:
    InputClock()
    {
        if (QCoreApplication *application = QCoreApplication::instance()) {
            application->installEventFilter(this);
            if (xcb_connection_t *connection = x11Connection()) {
                m_protocols = atom(connection, "WM_PROTOCOLS");
                m_takeFocus = atom(connection, "WM_TAKE_FOCUS");
                application->installNativeEventFilter(this);
            }
        }
    }
    ~InputClock() override
    {
        if (QCoreApplication *application = QCoreApplication::instance())
            application->removeNativeEventFilter(this);
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
    bool nativeEventFilter(const QByteArray &type, void *message, qintptr *) override
    {
        if (type != "xcb_generic_event_t")
            return false;
        const auto *event = static_cast<const xcb_generic_event_t *>(message);
        switch (event->response_type & 0x7f) {
        case XCB_CLIENT_MESSAGE: {
            const auto *client = reinterpret_cast<const xcb_client_message_event_t *>(event);
            if (client->format == 32 && client->type == m_protocols && client->data.data32[0] == m_takeFocus)
                took(client->data.data32[1]);
            break;
        }
        case XCB_PROPERTY_NOTIFY:
            // The first time the program learns: about when it started.
            if (!m_last)
                took(reinterpret_cast<const xcb_property_notify_event_t *>(event)->time);
            break;
        default:
            break;
        }
        return false;
    }

private:
    quint32 m_last = 0;
    xcb_atom_t m_protocols = XCB_ATOM_NONE;
    xcb_atom_t m_takeFocus = XCB_ATOM_NONE;
};

DesktopActivation::DesktopActivation(Alert alert, QString platform, Request request)
    : m_alert(alert ? std::move(alert) : Alert(alertNow)),
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

bool DesktopActivation::prepare(QWidget &window, const QString & /*token*/)
{
    const QString platform = m_platform.isEmpty() ? QGuiApplication::platformName() : m_platform;
    if (platform != QLatin1String("xcb"))
        return true;
    // Mapped by the program, a window takes the focus by the mapping alone,
    // whatever the request's time: xfwm4 focuses a minimised window it is
    // asked to map, and Qt maps a hidden one with the time of the last event
    // it saw, perhaps newer than the user's click elsewhere. The request
    // alone decides: it brings a minimised window back (or it stays, asking
    // for attention), and a hidden one is mapped with no time to take the
    // focus by.
    if (window.isVisible() && window.isMinimized())
        return false;
    if (!window.isVisible()) {
        window.winId(); // the native window, to carry the note
        m_mappingQuietly = window.windowHandle();
        if (m_mappingQuietly)
            m_mappingQuietly->setProperty("_q_showWithoutActivating", true);
        if (!window.isMinimized())
            clearIconicHintOnX11(window);
    }
    return true;
}

void DesktopActivation::activate(QWidget &window, const QString &token)
{
    if (m_mappingQuietly) {
        m_mappingQuietly->setProperty("_q_showWithoutActivating", QVariant());
        m_mappingQuietly.clear();
    }
    const QString platform = m_platform.isEmpty() ? QGuiApplication::platformName() : m_platform;
    const bool wayland = platform.startsWith(QLatin1String("wayland"));
    // Qt's Wayland client hands this token to the compositor with the request.
    if (wayland && !token.isEmpty())
        qputenv("XDG_ACTIVATION_TOKEN", token.toUtf8());
    // On X11 Qt would ask with the time of the last event it saw of any
    // kind, perhaps newer than the user's click on another window: the
    // request is ours there.
    // Nor is the window raised by itself there: a window manager may take a
    // raise for an activation and give the window the focus it would refuse
    // the request (xfwm4 preventing focus stealing does); one that grants the
    // request raises the window with it.
    const bool x11 = platform == QLatin1String("xcb");
    // Left minimised by prepare(): the request brings it back.
    const bool leftToDesktop = x11 && window.isVisible() && window.isMinimized();
    if (!x11) {
        window.raise();
        window.activateWindow();
    }
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
        if (!handle || handle->isExposed() || leftToDesktop)
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
    QTimer::singleShot(kActiveWithinMs, &window, [alert = m_alert, shown, becameActive, watch, leftToDesktop] {
        QObject::disconnect(watch);
        if (shown && shown->isVisible() && (leftToDesktop || !shown->isMinimized()) && !*becameActive
            && !shown->isActiveWindow())
            alert(*shown);
    });
}

} // namespace platform
