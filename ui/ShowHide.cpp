#include "ui/ShowHide.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <cstdio>

#include "config/HotKey.h"

namespace ui {

ShowHide::ShowHide(QWidget &window, platform::RestoreBounds &bounds, platform::Tray &tray,
                   platform::GlobalKey &globalKey, platform::WindowActivation &activation,
                   const platform::Monitors &monitors, Hooks hooks)
    : QObject(&window),
      m_window(window),
      m_bounds(bounds),
      m_tray(tray),
      m_globalKey(globalKey),
      m_activation(activation),
      m_monitors(monitors),
      m_hooks(std::move(hooks))
{
    window.installEventFilter(this);
}

void ShowHide::toggle(const QString &token)
{
    if (m_window.isVisible() && !m_window.isMinimized() && m_window.isActiveWindow()) {
        hideAway();
        return;
    }
    // Back with nothing typed, the list ready for the keyboard.
    if (m_hooks.clearFilter)
        m_hooks.clearFilter();
    restore(token, true);
    // After restoring: mapping the window anew (Wayland) hides it first.
    m_shownByKey = true;
    if (m_hooks.focusList)
        m_hooks.focusList();
}

void ShowHide::bringBack(const QString &token)
{
    m_shownByKey = false;
    restore(token, false);
}

void ShowHide::hideAway()
{
    if (m_hooks.clearFilter)
        m_hooks.clearFilter();
    if (m_tray.available())
        m_window.hide();
    else
        m_window.showMinimized();
}

void ShowHide::openedShortcut()
{
    // Called up for one shortcut: out of the way again once it is open.
    if (m_shownByKey) {
        m_shownByKey = false;
        hideAway();
    } else if (m_hooks.clearFilter) {
        m_hooks.clearFilter();
    }
}

void ShowHide::restore(const QString &token, bool toPointer)
{
    // Where the pointer is unknown (Wayland), the compositor chooses the monitor.
    std::optional<QRect> visit;
    if (toPointer)
        if (const std::optional<QPoint> pointer = m_monitors.pointer())
            visit = platform::frameOnMonitorAt(m_bounds.bounds(), m_monitors.all(), *pointer);
    // Normal size (out of minimised or maximised) where it was, or visiting
    // the monitor the user looks at; to the front as far as the desktop lets
    // it. A minimised window may be left for the desktop to bring back, or
    // to refuse.
    if (m_activation.prepare(m_window, token)) {
        if (visit)
            m_bounds.showNormalVisiting(*visit);
        else
            m_bounds.showNormalAtBounds();
    }
    m_activation.activate(m_window, token);
    // Drawn first as it was; a target that changed meanwhile is redrawn after.
    if (m_hooks.afterShowing)
        m_hooks.afterShowing();
}

bool ShowHide::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != &m_window)
        return false;
    switch (event->type()) {
    case QEvent::Hide:
        // Gone however it went: the next time it comes, it comes as asked then.
        m_shownByKey = false;
        break;
    case QEvent::WindowStateChange:
        if (m_window.isMinimized())
            m_shownByKey = false;
        break;
    case QEvent::WindowDeactivate:
        // Where the focus went is known once the activation has settled: to
        // one of our own boxes or menus, the window stays.
        if (m_shownByKey)
            QTimer::singleShot(0, this, &ShowHide::checkFocusLeft);
        break;
    default:
        break;
    }
    return false;
}

void ShowHide::checkFocusLeft()
{
    if (!m_shownByKey || !m_window.isVisible() || QApplication::activeWindow() || QApplication::activePopupWidget()
        || QApplication::activeModalWidget())
        return;
    hideAway();
}

void ShowHide::useKey(const QKeySequence &key)
{
    m_refusal = platform::keyRefusal(key);
    listen(m_refusal.isEmpty() ? key : QKeySequence());
}

void ShowHide::useStoredKey(const QString &stored)
{
    const QKeySequence key = config::hotKeyOf(stored);
    if (!key.isEmpty() || stored.trimmed().isEmpty()) {
        useKey(key);
        return;
    }
    //: %1 is the text of HotKey= in the profile, which names no key.
    m_refusal = tr("\"%1\" in tsw.ini is not a key, so Tessaflow has no show/hide key. Choose one in Options.")
                    .arg(stored.trimmed());
    listen(QKeySequence());
}

void ShowHide::listen(const QKeySequence &key)
{
    m_globalKey.onPressed([this](const QString &token) { toggle(token); });
    m_globalKey.onReport([this](const platform::KeyState &state) { keyReported(state); });
    m_globalKey.set(key);
    // Said now, whenever the desktop answers the release.
    if (!m_refusal.isEmpty())
        keyReported({});
}

void ShowHide::keyReported(const platform::KeyState &reported)
{
    // Nothing is bound while a key is refused: the refusal is what there is to say.
    const platform::KeyState state = m_refusal.isEmpty() ? reported : platform::KeyState{m_refusal, {}};
    m_keyState = state;
    const QString &problem = state.problem;
    // Each problem once on standard error, however often the key is set.
    if (!problem.isEmpty() && problem != m_keyReported)
        std::fprintf(stderr, "tessaflow: %s\n", qPrintable(problem));
    m_keyReported = problem;
    emit keyProblemChanged();
}

} // namespace ui
