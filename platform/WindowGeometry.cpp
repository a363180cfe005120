#include "platform/WindowGeometry.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace platform {

QRect outerGeometry(const QWidget &window) { return window.frameGeometry(); }

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

    bool onScreen = false;
    for (const QScreen *screen : QGuiApplication::screens())
        onScreen = onScreen || screen->geometry().intersects(target);
    if (onScreen && target.topLeft() != outer.topLeft())
        window.move(target.topLeft());
    const QSize client(std::max(1, target.width() - margins.width()), std::max(1, target.height() - margins.height()));
    if (client != window.size())
        window.resize(client);
}

} // namespace platform
