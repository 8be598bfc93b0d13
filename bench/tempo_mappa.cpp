// SPDX-License-Identifier: GPL-3.0-or-later
// Starts a program and reports how long it took until a window of a given name was on
// screen (mapped and viewable), polling the X server every 0.2 ms: spawning a tool per
// poll would cost more than the difference being measured.
// usage: tempo-mappa <window name> <program> [arguments...]   prints "<pid> <microseconds>"
#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <fcntl.h>
#include <unistd.h>

namespace {

std::string nome(xcb_connection_t* c, xcb_window_t w, xcb_atom_t proprieta)
{
    auto* r = xcb_get_property_reply(c, xcb_get_property(c, 0, w, proprieta, XCB_GET_PROPERTY_TYPE_ANY, 0, 256),
                                     nullptr);
    if (!r)
        return {};
    std::string s(static_cast<const char*>(xcb_get_property_value(r)),
                  static_cast<std::size_t>(xcb_get_property_value_length(r)));
    free(r);
    return s;
}

bool visibile(xcb_connection_t* c, xcb_window_t w)
{
    auto* a = xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, w), nullptr);
    const bool v = a && a->map_state == XCB_MAP_STATE_VIEWABLE;
    free(a);
    return v;
}

// A viewable window of that name at or below w, two levels deep (window manager frames).
bool cerca(xcb_connection_t* c, xcb_window_t w, const std::string& atteso, xcb_atom_t netName, int livello)
{
    if (livello > 0 && (nome(c, w, XCB_ATOM_WM_NAME) == atteso || nome(c, w, netName) == atteso) && visibile(c, w))
        return true;
    if (livello == 3)
        return false;
    auto* t = xcb_query_tree_reply(c, xcb_query_tree(c, w), nullptr);
    if (!t)
        return false;
    const xcb_window_t* figli = xcb_query_tree_children(t);
    bool trovato = false;
    for (int i = 0; i < xcb_query_tree_children_length(t) && !trovato; ++i)
        trovato = cerca(c, figli[i], atteso, netName, livello + 1);
    free(t);
    return trovato;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <window name> <program> [arguments...]\n", argv[0]);
        return 2;
    }
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c))
        return 2;
    const xcb_window_t radice = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    auto* a = xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, 12, "_NET_WM_NAME"), nullptr);
    const xcb_atom_t netName = a ? a->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
    free(a);

    const auto inizio = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        // Not on our output: whoever reads it must not wait for the program's end.
        if (const int nulla = open("/dev/null", O_WRONLY); nulla >= 0) {
            dup2(nulla, STDOUT_FILENO);
            dup2(nulla, STDERR_FILENO);
            close(nulla);
        }
        execv(argv[2], argv + 2);
        _exit(127);
    }
    const std::string atteso = argv[1];
    while (!cerca(c, radice, atteso, netName, 0)) {
        if (std::chrono::steady_clock::now() - inizio > std::chrono::seconds(30))
            return 1;
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    const auto us = std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - inizio);
    std::printf("%d %lld\n", static_cast<int>(pid), static_cast<long long>(us.count()));
    xcb_disconnect(c);
    return 0;
}
