#pragma once

#include <QKeySequence>
#include <QObject>
#include <QString>
#include <functional>

#include "platform/globalkey/GlobalKey.h"
#include "platform/tray/Tray.h"
#include "platform/session/WindowActivation.h"
#include "platform/widgets/Monitors.h"
#include "platform/widgets/WindowGeometry.h"

class QWidget;

namespace ui {

// How the window comes and goes: the show/hide key and --toggle, the way back
// from the tray or from another start, and going away to the tray. A window
// called up by the key goes away again once a shortcut is opened or another
// window takes the focus, as a keyboard launcher does; one brought any other
// way never hides by itself. The key brings it onto the monitor the user is
// looking at, the one that holds the pointer; its own place stays what the
// profile keeps (RestoreBounds' visit).
class ShowHide : public QObject {
    Q_OBJECT
public:
    struct Hooks {
        // Typing to find starts afresh.
        std::function<void()> clearFilter;
        // Once the window is on its way back to the screen (targets that
        // went missing or came back get their icons); what it starts must
        // wait for the first paint.
        std::function<void()> afterShowing;
        // The list takes the keyboard.
        std::function<void()> focusList;
    };
    ShowHide(QWidget &window, platform::RestoreBounds &bounds, platform::Tray &tray, platform::GlobalKey &globalKey,
             platform::WindowActivation &activation, const platform::Monitors &monitors, Hooks hooks);

    // The key or --toggle: to the front on the monitor that holds the pointer,
    // or away when it is the active window already.
    void toggle(const QString &token = QString());
    // Back as the user asked for it (tray, another start): it stays after opening a shortcut.
    void bringBack(const QString &token = QString());
    // Away as minimising sends it: to the tray when there is one.
    void hideAway();
    // A shortcut was opened.
    void openedShortcut();
    bool shownByKey() const { return m_shownByKey; }
    // Started by --toggle: shown by the key, as far as opening a shortcut goes.
    void setShownByKey() { m_shownByKey = true; }

    // Listens for `key` on the whole desktop (none: stops listening). A key
    // that would take typing from every program is refused, and the problem
    // says why.
    void useKey(const QKeySequence &key);
    // The key as `HotKey=` stores it: text that names no key is said too.
    void useStoredKey(const QString &stored);
    // What went wrong with the key; empty when it works.
    const QString &keyProblem() const { return m_keyState.problem; }
    // How the desktop names what triggers the key, where it chose it; empty otherwise.
    const QString &keyTrigger() const { return m_keyState.trigger; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

signals:
    // The key's problem or trigger changed.
    void keyProblemChanged();

private:
    // `toPointer`: onto the monitor that holds the pointer, where that is known.
    void restore(const QString &token, bool toPointer);
    // Another program has the focus now: a window called by the key goes.
    void checkFocusLeft();
    void listen(const QKeySequence &key);
    void keyReported(const platform::KeyState &reported);

    QWidget &m_window;
    platform::RestoreBounds &m_bounds;
    platform::Tray &m_tray;
    platform::GlobalKey &m_globalKey;
    platform::WindowActivation &m_activation;
    const platform::Monitors &m_monitors;
    Hooks m_hooks;
    bool m_shownByKey = false;
    platform::KeyState m_keyState;
    // Why the key asked for is not used, before anything the desktop says.
    QString m_refusal;
    QString m_keyReported;
};

} // namespace ui
