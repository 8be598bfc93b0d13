// SPDX-License-Identifier: GPL-3.0-or-later
// The X11 desktop: the server fills the background, the window manager is asked for frame
// extents before a window is mapped, and a window destroyed outright is noticed.
#include "runtime/piattaforma_x11.h"

#include <QAbstractNativeEventFilter>
#include <QColor>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QHash>
#include <QPointer>
#include <QThread>
#include <QWidget>
#include <QWindow>

#include <xcb/xcb.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>

namespace piattaforma {

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

// _NET_FRAME_EXTENTS of a window: left, right, top, bottom. None until they are not all zero:
// openbox first sets zeros while it takes a window on, then the frame it drew.
std::optional<QMargins> estensioni(xcb_connection_t* c, xcb_window_t w, xcb_atom_t proprieta)
{
    const Risposta<xcb_get_property_reply_t> r(
        xcb_get_property_reply(c, xcb_get_property(c, 0, w, proprieta, XCB_ATOM_CARDINAL, 0, 4), nullptr));
    if (!r || r->format != 32 || xcb_get_property_value_length(r.get()) != 4 * 4)
        return std::nullopt;
    const auto* v = static_cast<const uint32_t*>(xcb_get_property_value(r.get()));
    const QMargins m{int(v[0]), int(v[2]), int(v[1]), int(v[3])};
    return m.isNull() ? std::nullopt : std::optional(m);
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

// The program's windows by their X11 ids, to learn of one destroyed from outside, or of the
// frame the window manager tells late.
class Sorveglianza : public QAbstractNativeEventFilter {
public:
    struct Voce {
        QPointer<QWindow> finestra;
        std::function<void()> perduta;
        Desktop::Perdita quale;
    };
    QHash<quintptr, Voce> finestre;
    struct Attesa {
        QPointer<QWidget> finestra;
        std::function<void()> rifai;
    };
    QHash<quintptr, Attesa> inAttesa;
    // Reads a window's frame once one of its properties has changed: true when it is told.
    std::function<bool(xcb_window_t, xcb_atom_t)> corniceDetta;

    bool nativeEventFilter(const QByteArray& tipo, void* messaggio, qintptr*) override
    {
        if (tipo != "xcb_generic_event_t")
            return false;
        const auto* e = static_cast<const xcb_generic_event_t*>(messaggio);
        if ((e->response_type & 0x7f) == XCB_PROPERTY_NOTIFY) {
            const auto* p = static_cast<const xcb_property_notify_event_t*>(messaggio);
            const auto voce = inAttesa.find(p->window);
            if (voce != inAttesa.end() && corniceDetta(p->window, p->atom)) {
                Attesa a = voce.value();
                inAttesa.erase(voce);
                if (a.finestra)
                    QMetaObject::invokeMethod(a.finestra, std::move(a.rifai), Qt::QueuedConnection);
            }
            return false;
        }
        xcb_window_t id = XCB_WINDOW_NONE;
        if ((e->response_type & 0x7f) == XCB_DESTROY_NOTIFY) {
            id = static_cast<const xcb_destroy_notify_event_t*>(messaggio)->window;
        } else if ((e->response_type & 0x7f) == XCB_UNMAP_NOTIFY) {
            // Qt unmaps a window it hides after it is no longer visible to Qt: only a window
            // still visible was unmapped by someone else.
            const auto* u = static_cast<const xcb_unmap_notify_event_t*>(messaggio);
            const auto voce = finestre.constFind(u->window);
            if (u->event == u->window && voce != finestre.cend() &&
                voce->quale == Desktop::Perdita::DistruttaORitirata && voce->finestra && voce->finestra->isVisible())
                id = u->window;
        }
        const auto voce = finestre.find(id);
        if (voce == finestre.end())
            return false;
        // Once: what the callback does (destroying the window to make it again) brings more.
        Voce v = voce.value();
        finestre.erase(voce);
        if (v.finestra)
            QMetaObject::invokeMethod(v.finestra, std::move(v.perduta), Qt::QueuedConnection);
        return false;
    }
};

class DesktopX11 final : public Desktop {
public:
    explicit DesktopX11(xcb_connection_t* c) : m_c(c), m_radice(xcb_setup_roots_iterator(xcb_get_setup(c)).data->root)
    {
        m_sorveglianza.corniceDetta = [this](xcb_window_t id, xcb_atom_t proprieta) {
            if (proprieta != m_proprieta)
                return false;
            const auto e = estensioni(m_c, id, m_proprieta);
            if (e) {
                m_nota = *e;
                m_certa = true;
            }
            return e.has_value();
        };
    }

    ~DesktopX11() override
    {
        if (m_filtroInstallato && QCoreApplication::instance())
            QCoreApplication::instance()->removeNativeEventFilter(&m_sorveglianza);
    }

    bool preparaSfondo(QWindow* sfondo, const QColor& k) override
    {
        m_sfondo = sfondo;
        const xcb_screen_t* schermo = xcb_setup_roots_iterator(xcb_get_setup(m_c)).data;
        // 16-bit channels, as X counts them.
        const Risposta<xcb_alloc_color_reply_t> r(
            xcb_alloc_color_reply(m_c,
                                  xcb_alloc_color(m_c, schermo->default_colormap, uint16_t(k.red() * 257),
                                                  uint16_t(k.green() * 257), uint16_t(k.blue() * 257)),
                                  nullptr));
        if (!r)
            return false;
        const uint32_t pixel = r->pixel;
        const auto id = static_cast<xcb_window_t>(sfondo->winId());
        xcb_change_window_attributes(m_c, id, XCB_CW_BACK_PIXEL, &pixel);

        // A backdrop, not a window to switch to: out of task bars, pagers and Alt+Tab. Set
        // before mapping; Qt adds its own states to these.
        const xcb_atom_t stati[] = {atomo(m_c, "_NET_WM_STATE_SKIP_TASKBAR"), atomo(m_c, "_NET_WM_STATE_SKIP_PAGER")};
        xcb_change_property(m_c, XCB_PROP_MODE_REPLACE, id, atomo(m_c, "_NET_WM_STATE"), XCB_ATOM_ATOM, 32, 2, stati);
        xcb_flush(m_c);
        return true;
    }

    // The window manager keeps the drill's screens in front as they are raised.
    void davantiAlloSfondo(QWindow*) override {}

    QMargins cornice(QWidget* finestra) override
    {
        if (finestra->windowFlags() & Qt::FramelessWindowHint)
            return {};
        // Every titled window of the program gets the same frame: asked for once.
        if (!m_chiesta) {
            m_chiesta = true;
            if (gestore()) {
                xcb_window_t id = m_campione;
                if (!id) {
                    id = static_cast<xcb_window_t>(finestra->winId());
                    chiedi(id);
                }
                const auto r = risposta(id);
                m_nota = r.value_or(QMargins());
                m_certa = r.has_value();
                lasciaCampione();
            }
        }
        // X counts device pixels; the window is placed in its own.
        const qreal k = finestra->devicePixelRatioF();
        const auto lato = [k](int x) { return int(std::ceil(x / k)); };
        return {lato(m_nota.left()), lato(m_nota.top()), lato(m_nota.right()), lato(m_nota.bottom())};
    }

    // The answer to chiediCornice, in device pixels, once it comes: before the application
    // nothing else waits for it, and a window manager starting with the session is slow.
    std::optional<QMargins> corniceCampione()
    {
        if (!m_campione)
            return std::nullopt;
        const auto r = risposta(m_campione, 1000);
        lasciaCampione();
        return r;
    }

    void chiediCornice() override
    {
        if (m_chiesta || m_campione || !gestore())
            return;
        // An unmapped X window made only to be asked about, before the first real one: a
        // plain window, framed as every titled window of ours.
        const xcb_screen_t* schermo = xcb_setup_roots_iterator(xcb_get_setup(m_c)).data;
        m_campione = xcb_generate_id(m_c);
        xcb_create_window(m_c, XCB_COPY_FROM_PARENT, m_campione, schermo->root, 0, 0, 100, 100, 0,
                          XCB_WINDOW_CLASS_INPUT_OUTPUT, schermo->root_visual, 0, nullptr);
        chiedi(m_campione);
    }

    void allaCornice(QWidget* finestra, std::function<void()> rifai) override
    {
        if (m_certa || (finestra->windowFlags() & Qt::FramelessWindowHint) || !gestore())
            return;
        installaFiltro();
        m_sorveglianza.inAttesa.insert(finestra->winId(), {finestra, std::move(rifai)});
    }

    void sorvegliaDistruzione(QWindow* finestra, std::function<void()> perduta, Perdita quale) override
    {
        installaFiltro();
        const quintptr id = finestra->winId();
        m_sorveglianza.finestre.insert(id, {finestra, std::move(perduta), quale});
        // Gone with its window; X may give the id to another window later.
        QObject::connect(finestra, &QObject::destroyed, qApp, [this, id] {
            const auto voce = m_sorveglianza.finestre.constFind(id);
            if (voce != m_sorveglianza.finestre.cend() && !voce->finestra)
                m_sorveglianza.finestre.erase(voce);
        });
    }

    bool titoliPropri() const override { return false; }

private:
    void installaFiltro()
    {
        if (!m_filtroInstallato) {
            m_filtroInstallato = true;
            QCoreApplication::instance()->installNativeEventFilter(&m_sorveglianza);
        }
    }

    // Whether the window manager answers requests for frame extents.
    bool gestore()
    {
        if (!m_richiesta) {
            m_richiesta = atomo(m_c, "_NET_REQUEST_FRAME_EXTENTS");
            m_gestore = gestoreLoSa(m_c, m_radice, m_richiesta);
            m_proprieta = atomo(m_c, "_NET_FRAME_EXTENTS");
        }
        return m_gestore;
    }

    void chiedi(xcb_window_t id)
    {
        xcb_client_message_event_t m{};
        m.response_type = XCB_CLIENT_MESSAGE;
        m.format = 32;
        m.window = id;
        m.type = m_richiesta;
        xcb_send_event(m_c, 0, m_radice, XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                       reinterpret_cast<const char*>(&m));
        xcb_flush(m_c);
    }

    void lasciaCampione()
    {
        if (m_campione)
            xcb_destroy_window(m_c, m_campione);
        m_campione = 0;
    }

    // The window manager answers by setting a property; a few milliseconds at most.
    std::optional<QMargins> risposta(xcb_window_t id, int millisecondi = 100)
    {
        for (int i = 0; i < millisecondi; ++i) {
            if (auto e = estensioni(m_c, id, m_proprieta))
                return e;
            QThread::usleep(1000);
        }
        return std::nullopt;
    }

    xcb_connection_t* const m_c;
    const xcb_window_t m_radice;
    xcb_atom_t m_richiesta = XCB_ATOM_NONE;
    xcb_atom_t m_proprieta = XCB_ATOM_NONE;
    bool m_gestore = false;
    bool m_chiesta = false;
    QMargins m_nota;
    bool m_certa = false; // m_nota is the window manager's answer
    xcb_window_t m_campione = 0;
    Sorveglianza m_sorveglianza;
    bool m_filtroInstallato = false;
};

} // namespace

std::unique_ptr<Desktop> desktopX11()
{
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection())
        return nullptr;
    return std::make_unique<DesktopX11>(x11->connection());
}

std::optional<QMargins> corniceX11()
{
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection())
        return std::nullopt;
    DesktopX11 d(x11->connection());
    d.chiediCornice();
    return d.corniceCampione();
}

} // namespace piattaforma
