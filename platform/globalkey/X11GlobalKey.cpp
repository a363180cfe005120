#include "platform/globalkey/X11GlobalKey.h"

#include <QGuiApplication>
#include <QTimer>
#include <algorithm>
#include <cstdlib>
#include <memory>
#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>

#include "platform/globalkey/KeyCodes.h"

namespace platform {

namespace {

constexpr xcb_keysym_t kNumLock = 0xff7f;
constexpr xcb_keysym_t kScrollLock = 0xff14;
constexpr quint32 kRepeatGapMs = 500;
// XKB's events for a changed keyboard: another one, or its map.
constexpr quint8 kXkbNewKeyboardNotify = 0, kXkbMapNotify = 1;
constexpr quint16 kKeyModifiers = keys::kShift | keys::kControl | keys::kMod1 | keys::kMod4;

// The modifier mask the keyboard gives a lock key, 0 when it has none.
quint16 lockMask(xcb_connection_t *connection, xcb_key_symbols_t *symbols, xcb_keysym_t keysym)
{
    std::unique_ptr<xcb_keycode_t, decltype(&std::free)> codes(xcb_key_symbols_get_keycode(symbols, keysym), std::free);
    if (!codes)
        return 0;
    std::unique_ptr<xcb_get_modifier_mapping_reply_t, decltype(&std::free)> mapping(
        xcb_get_modifier_mapping_reply(connection, xcb_get_modifier_mapping(connection), nullptr), std::free);
    if (!mapping)
        return 0;
    const xcb_keycode_t *mapped = xcb_get_modifier_mapping_keycodes(mapping.get());
    const int perModifier = mapping->keycodes_per_modifier;
    for (int modifier = 0; modifier < 8; ++modifier)
        for (int k = 0; k < perModifier; ++k)
            for (const xcb_keycode_t *code = codes.get(); *code != XCB_NO_SYMBOL; ++code)
                if (mapped[modifier * perModifier + k] == *code)
                    return quint16(1u << modifier);
    return 0;
}

} // namespace

X11GlobalKey::X11GlobalKey()
{
    if (auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>()) {
        m_connection = x11->connection();
        if (m_connection) {
            m_root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;
            // Qt listens for XKB's keyboard events on this connection; their code is the extension's.
            const char name[] = "XKEYBOARD";
            std::unique_ptr<xcb_query_extension_reply_t, decltype(&std::free)> xkb(
                xcb_query_extension_reply(m_connection,
                                          xcb_query_extension(m_connection, sizeof name - 1, name), nullptr),
                std::free);
            if (xkb && xkb->present)
                m_xkbEvent = xkb->first_event;
            qGuiApp->installNativeEventFilter(this);
        }
    }
    m_regrab.setSingleShot(true);
    m_regrab.setInterval(50);
    QObject::connect(&m_regrab, &QTimer::timeout, &m_context, [this] { grab(); });
}

X11GlobalKey::~X11GlobalKey()
{
    release();
    if (m_connection)
        qGuiApp->removeNativeEventFilter(this);
}

void X11GlobalKey::release()
{
    for (const quint8 code : m_keycodes)
        for (const quint16 mask : m_masks)
            xcb_ungrab_key(m_connection, code, m_root, mask);
    if (!m_keycodes.empty())
        xcb_flush(m_connection);
    m_keycodes.clear();
    m_masks.clear();
    m_down = false;
}

void X11GlobalKey::set(const QKeySequence &key)
{
    m_key = key;
    m_regrab.stop();
    grab();
}

void X11GlobalKey::grab()
{
    release();
    const QKeySequence &key = m_key;
    if (key.isEmpty() || !m_connection) {
        problem(QString());
        return;
    }
    const QString name = key.toString(QKeySequence::NativeText);
    const auto x = keys::x11KeyOf(key[0]);
    std::unique_ptr<xcb_key_symbols_t, decltype(&xcb_key_symbols_free)> symbols(xcb_key_symbols_alloc(m_connection),
                                                                                 xcb_key_symbols_free);
    std::unique_ptr<xcb_keycode_t, decltype(&std::free)> codes(
        x && symbols ? xcb_key_symbols_get_keycode(symbols.get(), x->keysym) : nullptr, std::free);
    if (!codes || *codes.get() == XCB_NO_SYMBOL) {
        //: %1 is the key, such as Ctrl+Alt+T.
        problem(QCoreApplication::translate("X11GlobalKey",
                                            "%1 cannot be used as the show/hide key: this keyboard has no such key.")
                    .arg(name));
        return;
    }
    m_modifiers = x->modifiers;
    m_masks = keys::withLockModifiers(x->modifiers, lockMask(m_connection, symbols.get(), kNumLock),
                                      lockMask(m_connection, symbols.get(), kScrollLock));
    std::vector<xcb_void_cookie_t> cookies;
    for (const xcb_keycode_t *code = codes.get(); *code != XCB_NO_SYMBOL; ++code) {
        m_keycodes.push_back(*code);
        for (const quint16 mask : m_masks)
            cookies.push_back(xcb_grab_key_checked(m_connection, 0, m_root, mask, *code, XCB_GRAB_MODE_ASYNC,
                                                   XCB_GRAB_MODE_ASYNC));
    }
    bool taken = false;
    for (const xcb_void_cookie_t cookie : cookies) {
        if (xcb_generic_error_t *error = xcb_request_check(m_connection, cookie)) {
            taken = taken || error->error_code == XCB_ACCESS;
            std::free(error);
        }
    }
    if (taken) {
        // Half a key would fire only with some lights on: none of it stays.
        release();
        const QString text =
            //: %1 is the key, such as Ctrl+Alt+T.
            QCoreApplication::translate("X11GlobalKey",
                                        "%1 is already used by another program, so it cannot show and hide Tessaflow. "
                                        "Choose another key.")
                .arg(name);
        problem(text);
        return;
    }
    problem(QString());
}

bool X11GlobalKey::isMappingChange(const void *message) const
{
    const auto *event = static_cast<const xcb_generic_event_t *>(message);
    const quint8 type = event->response_type & 0x7f;
    if (type == XCB_MAPPING_NOTIFY)
        return reinterpret_cast<const xcb_mapping_notify_event_t *>(event)->request != XCB_MAPPING_POINTER;
    // An XKB event names its kind in the byte after the code.
    return m_xkbEvent && type == m_xkbEvent && (event->pad0 == kXkbNewKeyboardNotify || event->pad0 == kXkbMapNotify);
}

bool X11GlobalKey::nativeEventFilter(const QByteArray &eventType, void *message, qintptr *)
{
    if (m_key.isEmpty() || eventType != "xcb_generic_event_t")
        return false;
    auto *event = static_cast<xcb_generic_event_t *>(message);
    if (isMappingChange(event)) {
        m_regrab.start();
        return false;
    }
    if (m_keycodes.empty())
        return false;
    const quint8 type = event->response_type & 0x7f;
    if (type != XCB_KEY_PRESS && type != XCB_KEY_RELEASE)
        return false;
    auto *key = reinterpret_cast<xcb_key_press_event_t *>(event);
    if (std::find(m_keycodes.begin(), m_keycodes.end(), key->detail) == m_keycodes.end())
        return false;
    // The modifiers may be let go first: a release counts whatever they are.
    if (type == XCB_KEY_RELEASE) {
        m_down = false;
        m_releasedAt = key->time;
        return false;
    }
    if ((key->state & kKeyModifiers) != m_modifiers)
        return false;
    // The keyboard repeating a held key: presses without a release between
    // them, or a press at the very time of the last release. A release that
    // never came does not hold up the next press for long.
    const bool repeat = (m_down && key->time - m_pressedAt < kRepeatGapMs) || key->time == m_releasedAt;
    m_down = true;
    m_pressedAt = key->time;
    if (repeat)
        return false;
    // After Qt has taken the press's time as the user's last action, which
    // lets the window come to the front.
    const QString token = QStringLiteral("_TIME%1").arg(key->time);
    QTimer::singleShot(0, &m_context, [this, token] { pressed(token); });
    return false;
}

} // namespace platform
