// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/finestra.h"

#include "kit/accessibilita.h"
#include "kit/barra_menu.h"
#include "kit/caratteri.h"
#include "kit/controlli.h"
#include "runtime/collocazione.h"
#include "runtime/piattaforma.h"
#include "runtime/striscia_titolo.h"

#include <QBackingStore>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QWindow>

namespace ui {

Finestra::Finestra(Qt::WindowFlags flags) : QWidget(nullptr, flags)
{
    installaAccessibilita();
    // Where nobody else draws title bars, a titled screen draws its own.
    if (!(flags & Qt::FramelessWindowHint) && piattaforma::desktop().titoliPropri()) {
        setWindowFlag(Qt::FramelessWindowHint);
        m_titolo = new StrisciaTitolo(this);
    }
}

Finestra::~Finestra() = default;

void Finestra::sorvegliaDistruzione()
{
    create();
    piattaforma::desktop().sorvegliaDistruzione(windowHandle(), [this] { close(); });
}

bool Finestra::eventFilter(QObject* o, QEvent* e)
{
    // Between Alt pressed and released: another key, wherever it goes, or a click, and Alt
    // was not pressed alone.
    if (m_altDaSolo && (e->type() == QEvent::MouseButtonPress ||
                        (e->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(e)->key() != Qt::Key_Alt)))
        m_altDaSolo = false;
    if (o == m_superficie && e->type() == QEvent::Paint && !m_dipinta) {
        m_dipinta = true;
        m_superficie->removeEventFilter(this);
        // Told once the paint is over, not in the middle of it.
        QMetaObject::invokeMethod(this, &Finestra::dipinta, Qt::QueuedConnection);
    }
    return false;
}

void Finestra::lasciaImmagine()
{
    if (QBackingStore* immagine = backingStore())
        immagine->resize(QSize(1, 1));
}

void Finestra::vesti(int larghezza, int altezza)
{
    m_superficie = new Cornice(this, QStringLiteral("superficie"), QString(), Bordo::Nessuno);
    m_superficie->installEventFilter(this);
    m_barra = new BarraMenu(this);
    m_avviso = new Avviso(this);
    m_cliente = QSize(px(larghezza), px(altezza));
    const int titolo = m_titolo ? m_titolo->altezza() : 0;
    m_barra->setGeometry(0, titolo, m_cliente.width(), AltezzaBarraMenu);
    m_superficie->setGeometry(QRect(QPoint(0, titolo + AltezzaBarraMenu), m_cliente));
    setFixedSize(m_cliente.width(), titolo + AltezzaBarraMenu + m_cliente.height());
}

void Finestra::adattaBarra()
{
    const int altezza = qMax(AltezzaBarraMenu, m_barra->altezzaPer(caratteri().altezzaRigaMenu));
    const int titolo = m_titolo ? m_titolo->altezza() : 0;
    m_barra->setGeometry(0, titolo, m_cliente.width(), altezza);
    m_superficie->move(0, titolo + altezza);
    setFixedSize(m_cliente.width(), titolo + altezza + m_cliente.height());
    // Below everything, so that it comes last in reading order.
    m_avviso->move(0, height());
}

void Finestra::changeEvent(QEvent* e)
{
    if (e->type() == QEvent::ActivationChange && isActiveWindow() && m_avviso)
        m_avviso->finestraAttiva();
    QWidget::changeEvent(e);
}

void Finestra::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Alt && !e->isAutoRepeat()) {
        m_altDaSolo = true;
        qApp->installEventFilter(this);
    }
    if (e->key() == Qt::Key_F10 && !(e->modifiers() & ~Qt::KeypadModifier) && m_barra)
        m_barra->entra();
    else
        QWidget::keyPressEvent(e);
}

void Finestra::keyReleaseEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Alt)
        qApp->removeEventFilter(this);
    const bool altDaSolo = m_altDaSolo && e->key() == Qt::Key_Alt && !e->isAutoRepeat();
    m_altDaSolo = false;
    if (altDaSolo && m_barra) {
        if (m_barra->voceAttiva())
            m_barra->esci();
        else
            m_barra->entra();
        return;
    }
    QWidget::keyReleaseEvent(e);
}

void Finestra::showEvent(QShowEvent* e)
{
    // Before the window is first mapped: the size it needs, then its place.
    if (!m_collocata) {
        m_collocata = true;
        adattaBarra();
        collocazione::colloca(this);
        sorvegliaDistruzione();
    }
    // Shown anew after being hidden, a Wayland window is a new surface: tied to the
    // background each time.
    if (QWindow* w = windowHandle())
        piattaforma::desktop().davantiAlloSfondo(w);
    QWidget::showEvent(e);
}

namespace {
void catenaTabulazione(const QWidget* contenitore, QList<QWidget*>& catena)
{
    for (QWidget* w : ordineDiLettura(contenitore)) {
        if (w->focusPolicy() & Qt::TabFocus)
            catena << w;
        else
            catenaTabulazione(w, catena);
    }
}
} // namespace

void Finestra::ordinaTabulazione()
{
    QList<QWidget*> catena;
    catenaTabulazione(m_superficie, catena);
    for (qsizetype i = 1; i < catena.size(); ++i)
        setTabOrder(catena[i - 1], catena[i]);
}

} // namespace ui
