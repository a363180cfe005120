#include "app/frmTessaflow.h"

#include <QApplication>
#include <QTimer>
#include <cstdio>

#include "config/HotKey.h"

// The show/hide key, --toggle and the way the window comes and goes with them.
namespace app {

void frmTessaflow::toggle(const QString &token)
{
    if (isVisible() && !isMinimized() && isActiveWindow()) {
        hideAway();
        return;
    }
    // Back with nothing typed, the list ready for the keyboard.
    m_finder.clear();
    m_shownByKey = true;
    restore(token);
    m_lstButtons->setFocus(Qt::ActiveWindowFocusReason);
}

void frmTessaflow::hideAway()
{
    m_finder.clear();
    if (m_services.tray.available())
        hide();
    else
        showMinimized();
}

void frmTessaflow::openedShortcut()
{
    // Called up for one shortcut: out of the way again once it is open.
    if (m_shownByKey) {
        m_shownByKey = false;
        hideAway();
    } else {
        m_finder.clear();
    }
}

void frmTessaflow::useHotKey(const QKeySequence &key)
{
    if (!m_services.globalKey)
        return;
    m_services.globalKey->onPressed([this](const QString &token) { toggle(token); });
    m_services.globalKey->onProblem([this](const QString &problem) { hotKeyReported(problem); });
    m_services.globalKey->set(key);
}

void frmTessaflow::hotKeyReported(const QString &problem)
{
    m_hotKeyProblem = problem;
    // Each problem once on standard error, however often the key is set.
    if (!problem.isEmpty() && problem != m_hotKeyReported)
        std::fprintf(stderr, "tessaflow: %s\n", qPrintable(problem));
    m_hotKeyReported = problem;
    if (m_frmOptions)
        m_frmOptions->showKeyProblem();
}

} // namespace app
