#pragma once

#include <QPaintDevice>
#include <cmath>

namespace platform {

// Positions and sizes are stored in twips (1/1440 inch): 15 twips per pixel
// at 96 dpi. The conversion follows the screen's logical dpi.
inline double twipsPerPixel(const QPaintDevice &device)
{
    const int dpi = device.logicalDpiX();
    return dpi > 0 ? 1440.0 / dpi : 15.0;
}
inline double toTwips(double pixels, const QPaintDevice &device) { return pixels * twipsPerPixel(device); }
inline int toPixels(double twips, const QPaintDevice &device)
{
    return static_cast<int>(std::lround(twips / twipsPerPixel(device)));
}

} // namespace platform
