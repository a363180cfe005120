#include "platform/widgets/Monitors.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <cmath>

#include "platform/widgets/WindowGeometry.h"

namespace platform {

QList<Monitor> DeskMonitors::all() const
{
    QList<Monitor> monitors;
    for (const QScreen *screen : QGuiApplication::screens())
        monitors.append({screen->geometry(), screen->availableGeometry()});
    return monitors;
}

std::optional<QPoint> DeskMonitors::pointer() const
{
    // A compositor tells a client the pointer only over its own windows.
    if (!windowPositionKnown())
        return std::nullopt;
    return QCursor::pos();
}

namespace {

// The start of a length `size` along one axis: the same share of the room
// left beside it on the new monitor as it had on the old one.
int carriedAlong(int start, int size, int fromStart, int fromSize, int toStart, int toSize)
{
    const int toRoom = toSize - size;
    if (toRoom <= 0)
        return toStart;
    const int fromRoom = fromSize - size;
    // As large as its old monitor, or larger: it kept no share, only a start.
    if (fromRoom <= 0)
        return toStart + std::clamp(start - fromStart, 0, toRoom);
    const double share = std::clamp(double(start - fromStart) / fromRoom, 0.0, 1.0);
    return toStart + int(std::lround(share * toRoom));
}

} // namespace

QRect carriedOver(const QRect &frame, const QRect &from, const QRect &to)
{
    if (to.isEmpty())
        return frame;
    if (from.isEmpty())
        return fittedInto(frame, to);
    const QSize size = frame.size().boundedTo(to.size());
    return {carriedAlong(frame.left(), size.width(), from.left(), from.width(), to.left(), to.width()),
            carriedAlong(frame.top(), size.height(), from.top(), from.height(), to.top(), to.height()), size.width(),
            size.height()};
}

std::optional<QRect> frameOnMonitorAt(const QRect &frame, const QList<Monitor> &monitors, QPoint point)
{
    const auto target = std::find_if(monitors.begin(), monitors.end(),
                                     [&](const Monitor &monitor) { return monitor.geometry.contains(point); });
    if (target == monitors.end())
        return std::nullopt;
    // The monitor that holds most of the frame is its own.
    const Monitor *own = nullptr;
    qint64 most = 0;
    for (const Monitor &monitor : monitors) {
        const QRect shared = monitor.geometry.intersected(frame);
        const qint64 area = qint64(shared.width()) * shared.height();
        if (!shared.isEmpty() && area > most) {
            most = area;
            own = &monitor;
        }
    }
    if (own == &*target)
        return frame;
    // Off every monitor (one that is gone): brought in whole.
    if (!own)
        return fittedInto(frame, target->available);
    return carriedOver(frame, own->available, target->available);
}

} // namespace platform
