// SPDX-License-Identifier: GPL-3.0-or-later
#include "start/frm_inizio_sfondo.h"

#include "exercise/frm_equivmul.h"
#include "runtime/piattaforma.h"
#include "start/frm_inizio.h"

#include <QBackingStore>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include <cmath>

namespace {
FrmInizioSfondo* s_sfondo = nullptr;
}

FrmInizioSfondo* FrmInizioSfondo::istanza()
{
    if (!s_sfondo) {
        s_sfondo = new FrmInizioSfondo;
        s_sfondo->Form_Load();
    }
    return s_sfondo;
}

FrmInizioSfondo* FrmInizioSfondo::caricato() { return s_sfondo; }

FrmInizioSfondo::FrmInizioSfondo()
{
    setObjectName(QStringLiteral("frmInizioSfondo"));
    setFlags(Qt::Window | Qt::FramelessWindowHint);
    setTitle(QStringLiteral("Form1"));
    resize(10695 / 15, 9510 / 15);
}

FrmInizioSfondo::~FrmInizioSfondo()
{
    if (s_sfondo == this)
        s_sfondo = nullptr;
}

void FrmInizioSfondo::scarica()
{
    FrmInizioSfondo* f = s_sfondo;
    if (!f || f->m_scaricando)
        return;
    f->m_scaricando = true;
    s_sfondo = nullptr;
    f->hide();
    f->deleteLater();
}

void FrmInizioSfondo::Form_Load()
{
    mostraSulloSchermo();
    m_abilitato = false; // from here on it takes no clicks and no keys
    FrmInizio::mostra();
}

void FrmInizioSfondo::mostraSulloSchermo()
{
    // The whole screen, without any frame: maximized as designed.
    if (const QScreen* sc = screen()) {
        // At a fractional scale the screen's size in the program's pixels is rounded down, and
        // the window would leave the screen's last device pixels bare: a pixel more covers them.
        const qreal scala = sc->devicePixelRatio();
        const int resto = scala == std::floor(scala) ? 0 : 1;
        setGeometry(QRect(sc->geometry().topLeft(), sc->geometry().size() + QSize(resto, resto)));
    }
    create();
    m_coloreDalServer = piattaforma::desktop().preparaSfondo(this, colore());
    // Destroyed or unmapped from outside, it comes back: the desktop never shows behind the drill.
    piattaforma::desktop().sorvegliaDistruzione(
        this, [this] { ricrea(); }, piattaforma::Desktop::Perdita::DistruttaORitirata);
    setWindowState(Qt::WindowMaximized);
    show();
}

void FrmInizioSfondo::ricrea()
{
    if (m_scaricando)
        return;
    m_superficie.reset();
    destroy();
    m_ricreato = true;
    mostraSulloSchermo();
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
    if (!isExposed())
        return;
    if (m_ricreato) {
        // Back on top of everything: the drill's screen goes in front of it again.
        m_ricreato = false;
        Form_GotFocus();
    }
    if (m_coloreDalServer)
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
