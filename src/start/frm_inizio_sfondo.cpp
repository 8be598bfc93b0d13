#include "start/frm_inizio_sfondo.h"

#include "exercise/frm_equivmul.h"
#include "start/frm_inizio.h"

#include <QEvent>
#include <QScreen>

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

FrmInizioSfondo::FrmInizioSfondo() : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frmInizioSfondo"));
    setWindowTitle(QStringLiteral("Form1"));
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(192, 255, 192));
    setPalette(p);
    setAutoFillBackground(true);
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
    setWindowState(Qt::WindowMaximized);
    show();
    setEnabled(false);
    FrmInizio::mostra();
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

void FrmInizioSfondo::changeEvent(QEvent* e)
{
    QWidget::changeEvent(e);
    if (e->type() == QEvent::ActivationChange && isActiveWindow() && !m_scaricando)
        Form_GotFocus();
}
