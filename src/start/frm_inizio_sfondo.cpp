#include "start/frm_inizio_sfondo.h"

#include "exercise/frm_equivmul.h"
#include "start/frm_inizio.h"

#include <QBackingStore>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include <xcb/xcb.h>

namespace {
FrmInizioSfondo* s_caricato = nullptr;
}

FrmInizioSfondo* FrmInizioSfondo::istanza()
{
    if (!s_caricato) {
        s_caricato = new FrmInizioSfondo;
        s_caricato->Form_Load();
    }
    return s_caricato;
}

FrmInizioSfondo* FrmInizioSfondo::caricato() { return s_caricato; }

FrmInizioSfondo::FrmInizioSfondo()
{
    setObjectName(QStringLiteral("frmInizioSfondo"));
    setFlags(Qt::Window | Qt::FramelessWindowHint);
    setTitle(QStringLiteral("Form1"));
    resize(10695 / 15, 9510 / 15);
}

FrmInizioSfondo::~FrmInizioSfondo()
{
    if (s_caricato == this)
        s_caricato = nullptr;
}

void FrmInizioSfondo::scarica()
{
    FrmInizioSfondo* f = s_caricato;
    if (!f || f->m_scaricando)
        return;
    f->m_scaricando = true;
    s_caricato = nullptr;
    f->hide();
    f->deleteLater();
}

void FrmInizioSfondo::Form_Load()
{
    // The whole screen, without any frame: maximized as designed.
    if (const QScreen* sc = screen())
        setGeometry(sc->geometry());
    create();
    m_coloreDalServer = coloreDalServer();
    setWindowState(Qt::WindowMaximized);
    show();
    m_abilitato = false;   // from here on it takes no clicks and no keys
    FrmInizio::mostra();
}

bool FrmInizioSfondo::coloreDalServer()
{
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection())
        return false;
    xcb_connection_t* c = x11->connection();
    const xcb_screen_t* schermo = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    const QColor k = colore();
    // 16-bit channels, as X counts them.
    xcb_alloc_color_reply_t* r = xcb_alloc_color_reply(
        c, xcb_alloc_color(c, schermo->default_colormap, uint16_t(k.red() * 257), uint16_t(k.green() * 257),
                           uint16_t(k.blue() * 257)),
        nullptr);
    if (!r)
        return false;
    const uint32_t pixel = r->pixel;
    free(r);
    const auto id = static_cast<xcb_window_t>(winId());
    xcb_change_window_attributes(c, id, XCB_CW_BACK_PIXEL, &pixel);

    // A backdrop, not a window to switch to: out of task bars, pagers and Alt+Tab. Set
    // before mapping; Qt adds its own states to these.
    const auto atomo = [c](const char* nome) {
        xcb_intern_atom_reply_t* a =
            xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, static_cast<uint16_t>(qstrlen(nome)), nome), nullptr);
        const xcb_atom_t valore = a ? a->atom : xcb_atom_t(XCB_ATOM_NONE);
        free(a);
        return valore;
    };
    const xcb_atom_t stati[] = {atomo("_NET_WM_STATE_SKIP_TASKBAR"), atomo("_NET_WM_STATE_SKIP_PAGER")};
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, id, atomo("_NET_WM_STATE"), XCB_ATOM_ATOM, 32, 2, stati);
    xcb_flush(c);
    return true;
}

bool FrmInizioSfondo::event(QEvent* e)
{
    if (e->type() == QEvent::Close && !m_scaricando) {
        e->ignore();
        return true;
    }
    return QWindow::event(e);
}

void FrmInizioSfondo::exposeEvent(QExposeEvent*)
{
    if (m_coloreDalServer || !isExposed())
        return;
    if (!m_superficie)
        m_superficie = std::make_unique<QBackingStore>(this);
    const QRect tutto(QPoint(0, 0), size());
    m_superficie->resize(size());
    m_superficie->beginPaint(tutto);
    {
        QPainter p(m_superficie->paintDevice());
        p.fillRect(tutto, colore());
    }
    m_superficie->endPaint();
    m_superficie->flush(tutto);
}

void FrmInizioSfondo::focusInEvent(QFocusEvent*)
{
    if (!m_scaricando)
        Form_GotFocus();
}

void FrmInizioSfondo::Form_GotFocus()
{
    // While an exercise runs it stays in front; otherwise the start screen comes forward.
    if (FrmEquivMul* e = FrmEquivMul::caricato()) {
        e->raise();
        e->activateWindow();
        return;
    }
    FrmInizio::mostra();
}
