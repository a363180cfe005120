// Helper for tests/e2e/keys.sh: another X client that holds Ctrl+Alt+J (a
// passive grab on the root window, as a desktop's own shortcut would), so
// that the launcher's grab of the same key fails with BadAccess. Prints
// "held" once the grab is in place and keeps it until it is killed.
#include <cstdio>
#include <cstdlib>
#include <unistd.h>
#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>

int main()
{
    xcb_connection_t *connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection))
        return 1;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    xcb_key_symbols_t *symbols = xcb_key_symbols_alloc(connection);
    xcb_keycode_t *codes = xcb_key_symbols_get_keycode(symbols, 'j');
    if (!codes)
        return 1;
    xcb_generic_error_t *error = xcb_request_check(
        connection, xcb_grab_key_checked(connection, 1, root, XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1, codes[0],
                                         XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
    if (error)
        return 1;
    std::puts("held");
    std::fflush(stdout);
    for (;;)
        pause();
}
