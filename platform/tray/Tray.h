#pragma once

#include <QIcon>
#include <QString>
#include <functional>
#include <memory>

class QDBusPendingCallWatcher;
class QDBusServiceWatcher;
class QMenu;
class QSystemTrayIcon;

namespace platform {

// What the user did to the tray icon, whichever way the tray tells it: a
// left click or double-click (or a host's "activate"), a right click (or a
// host's request for the context menu), a middle click (a host's secondary
// activation).
enum class TrayClick { Activate, Context, Middle };

// The notification-area icon. Clicks on it reach the owner through the
// callback given to add().
class Tray {
public:
    using Callback = std::function<void(TrayClick click)>;
    virtual ~Tray() = default;
    // True when a tray host is there to show the icon.
    virtual bool available() const = 0;
    virtual bool add(const QIcon &icon, const QString &tip, Callback callback) = 0;
    virtual bool remove() = 0;
    // Called after add() whenever a tray host came or went, so that a window
    // hidden in a tray that is gone can be brought back.
    virtual void setHostChanged(std::function<void()> changed) = 0;
};

class StatusNotifierItem;

// The desktop's tray: a StatusNotifierItem of our own whenever a
// StatusNotifierWatcher is on the session bus (also one that comes after the
// program, or comes back), else Qt's QSystemTrayIcon, which on X11 embeds the
// icon in a tray that is there or comes later. Qt decides once per process
// whether its icon goes over D-Bus, at its first look: it is asked only while
// no watcher is there, so its icon always takes the X11 way.
class SystemTray : public Tray {
public:
    SystemTray();
    ~SystemTray() override;
    bool available() const override;
    bool add(const QIcon &icon, const QString &tip, Callback callback) override;
    bool remove() override;
    void setHostChanged(std::function<void()> changed) override { m_hostChanged = std::move(changed); }
    // The tray menu, which D-Bus hosts draw themselves; give it before add().
    void setMenu(QMenu *menu) { m_menu = menu; }

private:
    void watcherCame();
    void watcherWent();
    void showEmbedded();
    // Asks the watcher whether a host is there, unless a question is out.
    void askForHost() const;
    void hostAnswered(bool registered) const;

    QIcon m_image;
    QString m_tip;
    Callback m_callback;
    std::function<void()> m_hostChanged;
    QMenu *m_menu = nullptr;
    bool m_added = false;
    std::unique_ptr<QDBusServiceWatcher> m_watcher;
    std::unique_ptr<StatusNotifierItem> m_item;
    std::unique_ptr<QSystemTrayIcon> m_icon;
    // The watcher's last word on a host: a watcher may take long to answer,
    // or never do, so it is asked in the background and its answer kept.
    mutable bool m_hostRegistered = true;
    mutable std::unique_ptr<QDBusPendingCallWatcher> m_asking;
};

} // namespace platform
