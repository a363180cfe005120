#include "ui/MainFrame.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>

#include "config/HotKey.h"
#include "platform/widgets/Twips.h"

namespace ui {

MainFrame::MainFrame(QWidget &window, platform::RestoreBounds &bounds)
    : QObject(&window), m_window(window), m_bounds(bounds)
{
    m_notExposed.setSingleShot(true);
    m_notExposed.setInterval(1000);
    connect(&m_notExposed, &QTimer::timeout, this, &MainFrame::applyStored);
}

int MainFrame::frameState() const
{
    if (m_window.isMinimized())
        return 1;
    if (m_window.isMaximized() || m_window.isFullScreen())
        return 2;
    return 0;
}

double MainFrame::storedOr(std::optional<double> Stored::*field, int pixels) const
{
    if (m_stored && ((*m_stored).*field))
        return *((*m_stored).*field);
    return platform::toTwips(pixels, m_window);
}

double MainFrame::frameTop() const { return storedOr(&Stored::top, m_bounds.bounds().top()); }
double MainFrame::frameLeft() const { return storedOr(&Stored::left, m_bounds.bounds().left()); }
double MainFrame::frameHeight() const { return storedOr(&Stored::height, m_bounds.bounds().height()); }
double MainFrame::frameWidth() const { return storedOr(&Stored::width, m_bounds.bounds().width()); }

void MainFrame::setFrame(std::optional<double> top, std::optional<double> left, std::optional<double> height,
                         std::optional<double> width)
{
    m_stored = Stored{top, left, height, width};
    QWindow *handle = m_window.windowHandle();
    if (handle && handle->isExposed()) {
        applyStored();
        return;
    }
    if (handle)
        handle->installEventFilter(this);
    m_notExposed.start();
}

bool MainFrame::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Expose && watched == m_window.windowHandle() && m_window.windowHandle()->isExposed())
        // After the window system's own handling of the expose.
        QMetaObject::invokeMethod(this, &MainFrame::applyStored, Qt::QueuedConnection);
    return false;
}

void MainFrame::applyStored()
{
    if (!m_stored)
        return;
    const Stored stored = *m_stored;
    m_stored.reset();
    m_notExposed.stop();
    if (QWindow *handle = m_window.windowHandle())
        handle->removeEventFilter(this);
    auto pixels = [this](std::optional<double> twips) -> std::optional<int> {
        if (!twips)
            return std::nullopt;
        return platform::toPixels(*twips, m_window);
    };
    platform::setOuterGeometry(m_window, pixels(stored.left), pixels(stored.top), pixels(stored.width),
                               pixels(stored.height));
}

QKeySequence MainFrame::key() const { return config::hotKeyOf(m_hotKeyText); }

void MainFrame::setKey(const QKeySequence &key) { m_hotKeyText = config::hotKeyText(key); }

} // namespace ui
