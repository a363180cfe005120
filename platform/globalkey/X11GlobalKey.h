#pragma once

#include <QAbstractNativeEventFilter>
#include <QObject>
#include <vector>

#include "platform/globalkey/GlobalKey.h"

struct xcb_connection_t;

namespace platform {

// A passive grab of the key on the root window (every event of the key goes
// there, also while one of this program's windows has the focus) of Qt's X connection, once
// for each combination of Caps Lock, Num Lock and Scroll Lock, so the key
// works whatever lights are on. A key another program holds (BadAccess) is
// reported, and nothing of it stays grabbed.
class X11GlobalKey : public GlobalKey, public QAbstractNativeEventFilter {
public:
    X11GlobalKey();
    ~X11GlobalKey() override;
    void set(const QKeySequence &key) override;
    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result) override;

private:
    void release();

    xcb_connection_t *m_connection = nullptr;
    quint32 m_root = 0;
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
