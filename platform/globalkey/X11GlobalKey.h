#pragma once

#include <QAbstractNativeEventFilter>
#include <QKeySequence>
#include <QObject>
#include <QTimer>
#include <vector>

#include "platform/globalkey/GlobalKey.h"

struct xcb_connection_t;

namespace platform {

// A passive grab of the key on the root window (every event of the key goes
// there, also while one of this program's windows has the focus) of Qt's X connection, once
// for each combination of Caps Lock, Num Lock and Scroll Lock, so the key
// works whatever lights are on. A key another program holds (BadAccess) is
// reported, and nothing of it stays grabbed. The grab is made on key codes,
// so it is made again whenever the keyboard's mapping changes (another
// layout, another keyboard): the key stays the key its name says.
class X11GlobalKey : public GlobalKey, public QAbstractNativeEventFilter {
public:
    X11GlobalKey();
    ~X11GlobalKey() override;
    void set(const QKeySequence &key) override;
    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result) override;

private:
    void release();
    void grab();
    // A mapping change, core or XKB: the key's codes may be others now.
    bool isMappingChange(const void *message) const;

    xcb_connection_t *m_connection = nullptr;
    quint32 m_root = 0;
    // The XKB extension's first event code; 0 without XKB.
    quint8 m_xkbEvent = 0;
    QKeySequence m_key;
    // One grab for a burst of mapping changes (a layout change sends several).
    QTimer m_regrab;
    std::vector<quint8> m_keycodes;
    std::vector<quint16> m_masks;
    quint16 m_modifiers = 0;
    // Auto-repeat while the key is held toggles nothing.
    bool m_down = false;
    quint32 m_releasedAt = 0;
    quint32 m_pressedAt = 0;
    // What runs after the press goes when this does.
    QObject m_context;
};

} // namespace platform
