#pragma once

#include <QRect>
#include <optional>

class QWidget;

namespace platform {

// The outer frame of a top-level window (title bar and borders included),
// in pixels. The frame's margins are known only once the window manager has
// framed the window, so apply stored geometry after the window is exposed.
QRect outerGeometry(const QWidget &window);

// Sets the outer frame's position and size; a missing value keeps the current
// one. A size below one pixel is ignored. A frame that would lie entirely off
// every screen (a monitor that is gone) keeps the place the window system gave
// it and takes only the size, so the window can always be reached.
void setOuterGeometry(QWidget &window, std::optional<int> left, std::optional<int> top,
                      std::optional<int> width, std::optional<int> height);

} // namespace platform
