#include "platform/widgets/WindowGeometry.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace platform {

QRect outerGeometry(const QWidget &window) { return window.frameGeometry(); }

bool windowPositionKnown() { return !QGuiApplication::platformName().startsWith(QLatin1String("wayland")); }

void setOuterGeometry(QWidget &window, std::optional<int> left, std::optional<int> top,
                      std::optional<int> width, std::optional<int> height)
{
    const QRect outer = window.frameGeometry();
    const QSize margins = outer.size() - window.size();
    QRect target = outer;
    if (left)
        target.moveLeft(*left);
    if (top)
        target.moveTop(*top);
    if (width && *width >= 1)
        target.setWidth(*width);
    if (height && *height >= 1)
        target.setHeight(*height);

    // The screen that holds most of the frame.
    const QScreen *home = nullptr;
    qint64 most = 0;
    for (const QScreen *screen : QGuiApplication::screens()) {
        const QRect shared = screen->geometry().intersected(target);
        const qint64 area = qint64(shared.width()) * shared.height();
        if (!shared.isEmpty() && area > most) {
            most = area;
            home = screen;
        }
    }
    if (home)
        target = fittedInto(target, home->availableGeometry());
    if (home && target.topLeft() != outer.topLeft())
        window.move(target.topLeft());
    const QSize client(std::max(1, target.width() - margins.width()), std::max(1, target.height() - margins.height()));
    if (client != window.size())
        window.resize(client);
}

QRect fittedInto(const QRect &frame, const QRect &available)
{
    if (available.isEmpty() || available.contains(frame))
        return frame;
    QRect fitted(frame.topLeft(), frame.size().boundedTo(available.size()));
    fitted.moveLeft(std::clamp(fitted.left(), available.left(), available.right() - fitted.width() + 1));
    fitted.moveTop(std::clamp(fitted.top(), available.top(), available.bottom() - fitted.height() + 1));
    return fitted;
}

void placeCentredOver(QWidget &window, const QWidget &over)
{
    const QRect overFrame = outerGeometry(over);
    const QSize margins = overFrame.size() - over.size();
    QRect frame(QPoint(), window.size() + margins);
    frame.moveCenter(overFrame.center());
    if (const QScreen *screen = over.screen())
        frame = fittedInto(frame, screen->availableGeometry());
    window.move(frame.topLeft());
}

RestoreBounds::RestoreBounds(QWidget &window) : QObject(&window), m_window(window)
{
    m_clock.start();
    window.installEventFilter(this);
}

bool RestoreBounds::normal() const
{
    return m_window.isVisible() &&
           !(m_window.windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
}

QRect RestoreBounds::bounds() const { return m_seen.isEmpty() ? outerGeometry(m_window) : m_seen.last().frame; }

RestoreBounds::Seen RestoreBounds::seenNow() const
{
    const QRect frame = outerGeometry(m_window);
    return {frame, m_window.size(), m_clock.elapsed(), m_window.geometry().topLeft() - frame.topLeft()};
}

bool RestoreBounds::marginsUnknown(const Seen &like) const
{
    return !like.inset.isNull() && outerGeometry(m_window) == m_window.geometry();
}

QRect RestoreBounds::frameNow(const Seen &like) const
{
    if (!marginsUnknown(like))
        return outerGeometry(m_window);
    return {m_window.geometry().topLeft() - like.inset, m_window.size() + (like.frame.size() - like.client)};
}

const RestoreBounds::Seen *RestoreBounds::wanted() const
{
    if (m_visit)
        return &*m_visit;
    return m_seen.isEmpty() ? nullptr : &m_seen.last();
}

void RestoreBounds::showNormalAtBounds() { showNormalAt(); }

void RestoreBounds::showNormalVisiting(const QRect &frame)
{
    if (m_seen.isEmpty())
        m_seen.append(seenNow());
    const Seen &own = m_seen.last();
    if (frame == own.frame) {
        m_visit.reset();
    } else {
        // The frame's margins stay; only the client's size follows a frame made smaller.
        const QSize margins = own.frame.size() - own.client;
        m_visit = Seen{frame, (frame.size() - margins).expandedTo(QSize(1, 1)), m_clock.elapsed(), own.inset};
    }
    showNormalAt();
}

void RestoreBounds::showNormalAt()
{
    // A compositor minimises without telling: mapped anew, the window is back.
    if (!windowPositionKnown() && m_window.isVisible() && !m_window.isActiveWindow()) {
        const std::optional<Seen> visit = m_visit;
        m_window.hide();
        m_visit = visit;
    }
    m_window.setWindowState(m_window.windowState() &
                            ~(Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
    if (const Seen *place = wanted()) {
        // Given before mapping, the place is a request the window manager
        // honours; it is checked again once the window is on screen.
        const Seen target = *place;
        m_placeWhenExposed = true;
        m_window.move(target.frame.topLeft());
        m_window.resize(target.client);
    }
    m_window.show();
    // Exposure is told to the native window, not to the widget.
    if (QWindow *native = m_window.windowHandle()) {
        native->removeEventFilter(this);
        native->installEventFilter(this);
        if (native->isExposed())
            placeOnceExposed();
    }
}

void RestoreBounds::placeOnceExposed()
{
    if (!m_window.windowHandle() || !m_window.windowHandle()->isExposed())
        return;
    if (m_placeWhenExposed) {
        m_placeWhenExposed = false;
        // The window manager's own placement may still be on its way.
        m_placingUntil = m_clock.elapsed() + 500;
    }
    const Seen *place = wanted();
    if (m_clock.elapsed() >= m_placingUntil || !normal() || !place) {
        m_placingUntil = 0;
        return;
    }
    // The size is the client's as it was seen: Qt learns the frame's margins
    // anew only from the next move the window system reports, and a size taken
    // from a frame with margins not yet known grows the window by them.
    const Seen wanted = *place;
    if (m_window.size() != wanted.client)
        m_window.resize(wanted.client);
    if (frameNow(wanted).topLeft() == wanted.frame.topLeft())
        return;
    if (marginsUnknown(wanted))
        // Qt places the client where it is told to place the frame.
        m_window.move(wanted.frame.topLeft() + wanted.inset);
    else
        setOuterGeometry(m_window, wanted.frame.left(), wanted.frame.top(), std::nullopt, std::nullopt);
}

bool RestoreBounds::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != &m_window) {
        if (event->type() == QEvent::Expose && watched == m_window.windowHandle())
            placeOnceExposed();
        return false;
    }
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
        if (m_placeWhenExposed || m_clock.elapsed() < m_placingUntil) {
            // Placed once the window system itself reports the wanted frame.
            if (!m_placeWhenExposed && wanted() && frameNow(*wanted()) == wanted()->frame)
                m_placingUntil = 0;
            else
                placeOnceExposed();
        } else if (normal()) {
            const QRect frame = wanted() ? frameNow(*wanted()) : outerGeometry(m_window);
            if (m_visit) {
                if (frame == m_visit->frame)
                    break;
                // Moved or resized by the user: the new place is theirs.
                m_visit.reset();
            }
            if (m_seen.isEmpty() || m_seen.last().frame != frame)
                m_seen.append({frame, m_window.size(), m_clock.elapsed(), m_window.geometry().topLeft() - frame.topLeft()});
            if (m_seen.size() > 8)
                m_seen.removeFirst();
        }
        break;
    case QEvent::Hide:
        // Hidden by the program (to the tray, by the key): it comes back at its own place.
        if (!event->spontaneous())
            m_visit.reset();
        break;
    case QEvent::WindowStateChange:
        if (!normal())
            m_placingUntil = 0;
        if (m_window.windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)) {
            // A window manager may report the maximised frame before the
            // maximised state: frames seen just now that fill the screen, or
            // only moved to its corner, belong to the maximising.
            const QRect screen = m_window.screen() ? m_window.screen()->availableGeometry() : QRect();
            auto maximising = [&](qsizetype i) {
                const QRect frame = m_seen.at(i).frame;
                return frame.size() == screen.size() ||
                       (frame.topLeft() == screen.topLeft() && i > 0 && m_seen.at(i - 1).frame.size() == frame.size());
            };
            while (m_seen.size() > 1 && m_clock.elapsed() - m_seen.last().at < 500 && maximising(m_seen.size() - 1))
                m_seen.removeLast();
        }
        break;
    default:
        break;
    }
    return false;
}

} // namespace platform
