#include "platform/session/DisplayLoss.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QSocketNotifier>
#include <cerrno>
#include <sys/socket.h>
#include <xcb/xcb.h>

namespace platform {

namespace {

xcb_connection_t *applicationConnection()
{
    auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

DisplayLoss::Broken brokenTest(xcb_connection_t *connection)
{
    if (!connection)
        return {};
    return [connection] { return xcb_connection_has_error(connection) != 0; };
}

} // namespace

DisplayLoss::DisplayLoss(QObject *parent)
    : DisplayLoss(brokenTest(applicationConnection()),
                  applicationConnection() ? xcb_get_file_descriptor(applicationConnection()) : -1, parent)
{
}

DisplayLoss::DisplayLoss(Broken broken, int socket, QObject *parent) : QObject(parent), m_broken(std::move(broken))
{
    if (!m_broken)
        return;
    QCoreApplication::instance()->installEventFilter(this);
    if (auto *dispatcher = QAbstractEventDispatcher::instance()) {
        connect(dispatcher, &QAbstractEventDispatcher::awake, this, &DisplayLoss::check);
        // The socket is watched again once the loop is about to wait.
        connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this, [this] {
            check();
            if (m_socket && !m_lost)
                m_socket->setEnabled(true);
        });
    }
    if (socket >= 0) {
        m_socket = new QSocketNotifier(qintptr(socket), QSocketNotifier::Read, this);
        connect(m_socket, &QSocketNotifier::activated, this, &DisplayLoss::socketReadable);
    }
}

bool DisplayLoss::eventFilter(QObject *watched, QEvent *event)
{
    check();
    return QObject::eventFilter(watched, event);
}

void DisplayLoss::check()
{
    if (!m_lost && m_broken())
        declareLost();
}

void DisplayLoss::socketReadable()
{
    // Events are the plugin's to read: only looked at, never taken. Until the
    // loop waits again the socket is not watched, so a stream of events the
    // reading thread has not yet taken never keeps this thread spinning.
    char byte;
    const ssize_t n = ::recv(int(m_socket->socket()), &byte, 1, MSG_PEEK | MSG_DONTWAIT);
    if (n == 0 || (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR))
        return declareLost();
    m_socket->setEnabled(false);
    check();
}

void DisplayLoss::declareLost()
{
    if (m_lost)
        return;
    m_lost = true;
    if (m_socket)
        m_socket->setEnabled(false);
    QCoreApplication::instance()->removeEventFilter(this);
    emit lost();
}

} // namespace platform
