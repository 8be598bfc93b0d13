#include "runtime/collocazione.h"

#include <QGuiApplication>
#include <QScreen>
#include <QThread>
#include <QWidget>

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <optional>

namespace collocazione {

namespace {

struct Libera {
    void operator()(void* p) const { std::free(p); }
};
template <typename T>
using Risposta = std::unique_ptr<T, Libera>;

xcb_atom_t atomo(xcb_connection_t* c, const char* nome)
{
    const Risposta<xcb_intern_atom_reply_t> r(
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, static_cast<uint16_t>(qstrlen(nome)), nome), nullptr));
    return r ? r->atom : xcb_atom_t(XCB_ATOM_NONE);
}

// _NET_FRAME_EXTENTS of a window: left, right, top, bottom.
std::optional<QMargins> estensioni(xcb_connection_t* c, xcb_window_t w, xcb_atom_t proprieta)
{
    const Risposta<xcb_get_property_reply_t> r(
        xcb_get_property_reply(c, xcb_get_property(c, 0, w, proprieta, XCB_ATOM_CARDINAL, 0, 4), nullptr));
    if (!r || r->format != 32 || xcb_get_property_value_length(r.get()) != 4 * 4)
        return std::nullopt;
    const auto* v = static_cast<const uint32_t*>(xcb_get_property_value(r.get()));
    return QMargins(int(v[0]), int(v[2]), int(v[1]), int(v[3]));
}

bool gestoreLoSa(xcb_connection_t* c, xcb_window_t radice, xcb_atom_t richiesta)
{
    const xcb_atom_t supportati = atomo(c, "_NET_SUPPORTED");
    const Risposta<xcb_get_property_reply_t> r(
        xcb_get_property_reply(c, xcb_get_property(c, 0, radice, supportati, XCB_ATOM_ATOM, 0, 4096), nullptr));
    if (!r || r->format != 32)
        return false;
    const auto* a = static_cast<const xcb_atom_t*>(xcb_get_property_value(r.get()));
    const int n = xcb_get_property_value_length(r.get()) / 4;
    return std::find(a, a + n, richiesta) != a + n;
}

struct Gestore {
    xcb_connection_t* c;
    xcb_window_t radice;
    xcb_atom_t richiesta;
    xcb_atom_t proprieta;
};

// The window manager, when it answers requests for frame extents.
std::optional<Gestore> gestore()
{
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection())
        return std::nullopt;
    xcb_connection_t* c = x11->connection();
    const xcb_window_t radice = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const xcb_atom_t richiesta = atomo(c, "_NET_REQUEST_FRAME_EXTENTS");
    if (!gestoreLoSa(c, radice, richiesta))
        return std::nullopt;
    return Gestore{c, radice, richiesta, atomo(c, "_NET_FRAME_EXTENTS")};
}

void chiedi(const Gestore& g, xcb_window_t id)
{
    xcb_client_message_event_t m{};
    m.response_type = XCB_CLIENT_MESSAGE;
    m.format = 32;
    m.window = id;
    m.type = g.richiesta;
    xcb_send_event(g.c, 0, g.radice, XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char*>(&m));
    xcb_flush(g.c);
}

// The window manager answers by setting a property; a few milliseconds at most.
std::optional<QMargins> risposta(const Gestore& g, xcb_window_t id)
{
    for (int i = 0; i < 100; ++i) {
        if (auto e = estensioni(g.c, id, g.proprieta))
            return e;
        QThread::usleep(1000);
    }
    return std::nullopt;
}

bool s_chiesta = false;
QMargins s_nota;
// An unmapped X window made only to be asked about, before the first real one: a plain
// window, framed as every titled window of ours.
xcb_window_t s_campione = 0;

} // namespace

QMargins cornice(QWidget* finestra)
{
    if (finestra->windowFlags() & Qt::FramelessWindowHint)
        return {};
    // Every titled window of the program gets the same frame: asked for once.
    if (!s_chiesta) {
        s_chiesta = true;
        if (const auto g = gestore()) {
            xcb_window_t id = s_campione;
            if (!id) {
                id = static_cast<xcb_window_t>(finestra->winId());
                chiedi(*g, id);
            }
            s_nota = risposta(*g, id).value_or(QMargins());
            if (s_campione)
                xcb_destroy_window(g->c, s_campione);
            s_campione = 0;
        }
    }
    return s_nota;
}

void chiediCornice()
{
    if (s_chiesta || s_campione)
        return;
    const auto g = gestore();
    if (!g)
        return;
    const xcb_screen_t* schermo = xcb_setup_roots_iterator(xcb_get_setup(g->c)).data;
    s_campione = xcb_generate_id(g->c);
    xcb_create_window(g->c, XCB_COPY_FROM_PARENT, s_campione, schermo->root, 0, 0, 100, 100, 0,
                      XCB_WINDOW_CLASS_INPUT_OUTPUT, schermo->root_visual, 0, nullptr);
    chiedi(*g, s_campione);
}

void colloca(QWidget* finestra, bool ridimensionabile)
{
    const QScreen* schermo = finestra->screen();
    if (!schermo)
        return;
    const QRect area = schermo->availableGeometry();
    const QMargins m = cornice(finestra);
    if (ridimensionabile) {
        const QSize spazio = area.size().shrunkBy(m);
        finestra->resize(finestra->size().boundedTo(spazio).expandedTo(finestra->minimumSizeHint()));
    }
    const QSize esterno = finestra->size().grownBy(m);
    const auto lato = [](int inizio, int spazio, int misura) {
        return spazio >= misura ? inizio + (spazio - misura) / 2 : inizio;
    };
    // The frame's corner goes there; what is set is the window inside it.
    const QPoint angolo(lato(area.x(), area.width(), esterno.width()), lato(area.y(), area.height(), esterno.height()));
    finestra->setGeometry(QRect(angolo + QPoint(m.left(), m.top()), finestra->size()));
}

} // namespace collocazione
