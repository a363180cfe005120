#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <optional>

namespace platform {

// One monitor of the desk: its whole area and the part windows may use
// (without the desktop's panels), in the coordinates of the whole desk.
struct Monitor {
    QRect geometry;
    QRect available;
};

// The monitors of the desk and where the pointer is. An interface: tests
// hand in a desk of their own, as the offscreen platform has one screen.
class Monitors {
public:
    virtual ~Monitors() = default;
    virtual QList<Monitor> all() const = 0;
    // Where the pointer is on the desk; nothing where the window system does
    // not tell (Wayland).
    virtual std::optional<QPoint> pointer() const = 0;
};

// Qt's screens and pointer.
class DeskMonitors : public Monitors {
public:
    QList<Monitor> all() const override;
    std::optional<QPoint> pointer() const override;
};

// The frame a window takes when it moves from the monitor whose available
// area is `from` to the one whose available area is `to`: at the same place
// between that monitor's edges (a window against the right edge stays
// against it, a centred one stays centred), kept inside `to` and shrunk
// where `to` is smaller.
QRect carriedOver(const QRect &frame, const QRect &from, const QRect &to);

// Where a window whose frame is `frame` goes to appear on the monitor that
// holds `point`: the frame itself when that monitor already holds most of
// it, else carried over from that monitor. Nothing when no monitor holds
// the point.
std::optional<QRect> frameOnMonitorAt(const QRect &frame, const QList<Monitor> &monitors, QPoint point);

} // namespace platform
