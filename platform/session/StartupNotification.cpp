#include "platform/session/StartupNotification.h"

#include <cstdlib>
#include <cstring>
#include <memory>
#include <xcb/xcb.h>

namespace platform {

namespace {

constexpr int kPiece = 20; // the data of one client message in format 8

xcb_atom_t atom(xcb_connection_t *connection, const char *name)
{
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, uint16_t(std::strlen(name)), name), nullptr),
        std::free);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

} // namespace

QByteArray startupRemoveText(const QString &id)
{
    const QByteArray value = id.toUtf8();
    const bool quoted = value.contains(' ') || value.contains('"') || value.contains('\\');
    QByteArray text = "remove: ID=";
    if (quoted)
        text += '"';
    for (const char c : value) {
        if (c == '"' || c == '\\')
            text += '\\';
        text += c;
    }
    if (quoted)
        text += '"';
    return text;
}

QList<QByteArray> startupInfoPieces(const QByteArray &text)
{
    QByteArray whole = text;
    whole += '\0';
    QList<QByteArray> pieces;
    for (qsizetype at = 0; at < whole.size(); at += kPiece) {
        QByteArray piece = whole.mid(at, kPiece);
        piece.append(kPiece - piece.size(), '\0');
        pieces << piece;
    }
    return pieces;
}

bool endStartupNotification(const QString &id)
{
    if (id.isEmpty())
        return false;
    xcb_connection_t *connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        xcb_disconnect(connection);
        return false;
    }
    const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    // The messages name a window of the sender's, as the protocol asks.
    const xcb_window_t window = xcb_generate_id(connection);
    xcb_create_window(connection, XCB_COPY_FROM_PARENT, window, screen->root, -100, -100, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, 0, nullptr);
    const xcb_atom_t begin = atom(connection, "_NET_STARTUP_INFO_BEGIN");
    const xcb_atom_t more = atom(connection, "_NET_STARTUP_INFO");
    bool first = true;
    for (const QByteArray &piece : startupInfoPieces(startupRemoveText(id))) {
        xcb_client_message_event_t message = {};
        message.response_type = XCB_CLIENT_MESSAGE;
        message.format = 8;
        message.window = window;
        message.type = first ? begin : more;
        std::memcpy(message.data.data8, piece.constData(), kPiece);
        xcb_send_event(connection, 0, screen->root, XCB_EVENT_MASK_PROPERTY_CHANGE,
                       reinterpret_cast<const char *>(&message));
        first = false;
    }
    xcb_destroy_window(connection, window);
    // Delivered before the connection goes.
    std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
    xcb_disconnect(connection);
    return true;
}

} // namespace platform
