// SPDX-License-Identifier: GPL-3.0-or-later
// What a desktop may do to a window: ask it to close (as a task bar or a close box does,
// through the window manager), destroy it outright, or unmap it (as a desktop's "hide" may).
// usage: tocca_finestra chiudi|distruggi|ritira <window id>
#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char* argv[])
{
    if (argc != 3)
        return 2;
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c))
        return 1;
    const auto w = static_cast<xcb_window_t>(std::strtoul(argv[2], nullptr, 0));
    xcb_void_cookie_t richiesta{};
    if (std::strcmp(argv[1], "distruggi") == 0) {
        richiesta = xcb_destroy_window_checked(c, w);
    } else if (std::strcmp(argv[1], "ritira") == 0) {
        richiesta = xcb_unmap_window_checked(c, w);
    } else {
        const char nome[] = "_NET_CLOSE_WINDOW";
        xcb_intern_atom_reply_t* a = xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, sizeof nome - 1, nome), nullptr);
        xcb_client_message_event_t m{};
        m.response_type = XCB_CLIENT_MESSAGE;
        m.format = 32;
        m.window = w;
        m.type = a ? a->atom : xcb_atom_t(XCB_ATOM_NONE);
        m.data.data32[1] = 2; // from a pager or task bar
        std::free(a);
        const xcb_window_t radice = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
        richiesta = xcb_send_event_checked(c, 0, radice,
                                           XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                                           reinterpret_cast<const char*>(&m));
    }
    xcb_generic_error_t* e = xcb_request_check(c, richiesta);
    if (e)
        std::fprintf(stderr, "X error %d\n", e->error_code);
    const int rc = e ? 1 : 0;
    std::free(e);
    xcb_disconnect(c);
    return rc;
}
