// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/controlli.h"

#include "kit/accessibilita.h"
#include "kit/caratteri.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QPainter>
#include <QTimerEvent>

namespace ui {

// ---- Label ----

Etichetta::Etichetta(QWidget* genitore, const QString& nome) : QWidget(genitore)
{
    setObjectName(nome);
    m_inchiostro = palette().color(QPalette::WindowText);
    m_sfondo = palette().color(QPalette::Window);
}

void Etichetta::setText(const QString& testo)
{
    if (testo != m_testo) {
        m_testo = testo;
        if (m_adattaAlTesto)
            adattaAlTesto();
        update();
        // A screen reader reads a label by its text: it hears the new question, verdict
        // or instruction as it appears.
        if (QAccessible::isActive()) {
            QAccessibleEvent e(this, QAccessible::NameChanged);
            QAccessible::updateAccessibility(&e);
        }
    }
    // Every write counts, even of the same text: after the answer has been shown, a key
    // equal to it must still bring the check button back.
    emit cambiato();
}

void Etichetta::impostaAdattaAlTesto()
{
    m_adattaAlTesto = true;
    adattaAlTesto();
}

void Etichetta::adattaAlTesto()
{
    const QFontMetrics fm(font());
    resize(qMax(1, fm.horizontalAdvance(m_testo)), fm.height());
}

void Etichetta::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (!m_trasparente)
        p.fillRect(rect(), m_sfondo);
    if (m_testo.isEmpty())
        return;
    p.setPen(m_inchiostro);
    p.setFont(m_adattato.per(font(), m_testo, spazioScoperto(), CarattereAdattato::Posizione::InAlto));
    p.drawText(rect(), static_cast<int>(m_allineamento | Qt::AlignTop) | Qt::TextWordWrap, m_testo);
}

QSize Etichetta::spazioScoperto() const
{
    // Controls created after this one in the same container are painted over it.
    QRect libero = rect();
    const QObjectList& fratelli = parentWidget()->children();
    for (qsizetype i = fratelli.indexOf(const_cast<Etichetta*>(this)) + 1; i < fratelli.size(); ++i) {
        const auto* w = qobject_cast<const QWidget*>(fratelli.at(i));
        if (!w || w->isHidden() || !offerto(w))
            continue;
        // One that lies across the text's line, over the label's right-hand part.
        const QRect sopra = w->geometry().translated(-pos());
        const int riga = libero.center().y();
        if (sopra.intersects(libero) && sopra.left() > libero.left() && sopra.top() <= riga && sopra.bottom() >= riga)
            libero.setRight(sopra.left() - 1);
    }
    return libero.size();
}

// ---- Button ----

Pulsante::Pulsante(QWidget* genitore, const QString& nome, const QString& didascalia) : QAbstractButton(genitore)
{
    setObjectName(nome);
    setText(didascalia);
    setFocusPolicy(Qt::StrongFocus);
    m_sfondo = palette().color(QPalette::Button);
}

void Pulsante::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QRect r = rect();
    p.fillRect(r, m_sfondo);

    // Raised bevel, sunken while pressed.
    const bool premuto = isDown() || m_pressione.isActive();
    const QColor chiaro = premuto ? QColor(64, 64, 64) : QColor(255, 255, 255);
    const QColor scuro = premuto ? QColor(255, 255, 255) : QColor(64, 64, 64);
    const QColor medio(128, 128, 128);
    p.setPen(chiaro);
    p.drawLine(r.left(), r.top(), r.right() - 1, r.top());
    p.drawLine(r.left(), r.top(), r.left(), r.bottom() - 1);
    p.setPen(scuro);
    p.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
    p.drawLine(r.right(), r.top(), r.right(), r.bottom());
    if (!premuto) {
        p.setPen(medio);
        p.drawLine(r.left() + 1, r.bottom() - 1, r.right() - 1, r.bottom() - 1);
        p.drawLine(r.right() - 1, r.top() + 1, r.right() - 1, r.bottom() - 1);
    }

    if (text().isEmpty())
        return;
    QRect spazioTesto = r.adjusted(3, 3, -3, -3);
    if (premuto)
        spazioTesto.translate(1, 1);
    p.setFont(m_adattato.per(font(), text(), r.adjusted(3, 3, -3, -3).size(), CarattereAdattato::Posizione::AlCentro));
    // Only a button disabled on its own looks disabled: inside a disabled frame the
    // keys keep their look and simply take no clicks.
    if (testAttribute(Qt::WA_ForceDisabled)) {
        p.setPen(Qt::white);
        p.drawText(spazioTesto.translated(1, 1), Qt::AlignCenter | Qt::TextWordWrap, text());
        p.setPen(medio);
    } else {
        p.setPen(Qt::black);
    }
    p.drawText(spazioTesto, Qt::AlignCenter | Qt::TextWordWrap, text());
    if (hasFocus()) {
        QPen punteggiato(Qt::black);
        punteggiato.setStyle(Qt::DotLine);
        p.setPen(punteggiato);
        p.drawRect(r.adjusted(3, 3, -4, -4));
    }
}

bool Pulsante::raggiungibile() const
{
    if (!isVisible() || !isEnabled())
        return false;
    const QWidget* w = window();
    return w->childAt(mapTo(w, rect().center())) == this;
}

bool Pulsante::premi()
{
    if (!raggiungibile())
        return false;
    // The click may close the window this button lies in; it is deleted later, not here.
    click();
    if (isVisible()) {
        m_pressione.start(100, this);
        update();
    }
    return true;
}

void Pulsante::timerEvent(QTimerEvent* e)
{
    if (e->timerId() != m_pressione.timerId()) {
        QAbstractButton::timerEvent(e);
        return;
    }
    m_pressione.stop();
    update();
}

// ---- Drop-down list ----

Tendina::Tendina(QWidget* genitore, const QString& nome) : QComboBox(genitore)
{
    setObjectName(nome);
    setEditable(false);
    impostaSfondo(palette().color(QPalette::Base));
}

void Tendina::impostaSfondo(const QColor& c)
{
    m_sfondo = c;
    QPalette p = palette();
    p.setColor(QPalette::Base, c);
    p.setColor(QPalette::Window, c);
    p.setColor(QPalette::Text, Qt::black);
    setPalette(p);
    update();
}

void Tendina::showPopup()
{
    // The list and its frame are made only when first opened: coloured then.
    QAbstractItemView* lista = view();
    QPalette p = lista->palette();
    p.setColor(QPalette::Base, m_sfondo);
    p.setColor(QPalette::Window, m_sfondo);
    p.setColor(QPalette::Text, Qt::black);
    lista->setPalette(p);
    lista->window()->setPalette(p);
    QComboBox::showPopup();
}

void Tendina::paintEvent(QPaintEvent*)
{
    // Drawn here rather than by the style: a flat face in the designed colour, a sunken
    // edge and a drop button, the same on every desktop.
    QPainter p(this);
    const QRect r = rect();
    p.fillRect(r, m_sfondo);
    p.setPen(QColor(128, 128, 128));
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(Qt::white);
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());

    const int lato = qMin(17, r.height() - 4);
    const QRect freccia(r.right() - 1 - lato, r.top() + 2, lato, r.height() - 4);
    p.fillRect(freccia, QColor(212, 208, 200));
    p.setPen(Qt::white);
    p.drawLine(freccia.topLeft(), freccia.topRight());
    p.drawLine(freccia.topLeft(), freccia.bottomLeft());
    p.setPen(QColor(64, 64, 64));
    p.drawLine(freccia.bottomLeft(), freccia.bottomRight());
    p.drawLine(freccia.topRight(), freccia.bottomRight());
    const QPoint c = freccia.center();
    const QPoint triangolo[] = {QPoint(c.x() - 4, c.y() - 2), QPoint(c.x() + 4, c.y() - 2), QPoint(c.x(), c.y() + 2)};
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawPolygon(triangolo, 3);

    p.setPen(Qt::black);
    p.setFont(font());
    const QRect testo = r.adjusted(4, 2, -lato - 4, -2);
    p.drawText(testo, Qt::AlignLeft | Qt::AlignVCenter, currentText());
    if (hasFocus()) {
        // Where the keyboard is: a dotted box around the text, as on the buttons.
        QPen punteggiato(Qt::black);
        punteggiato.setStyle(Qt::DotLine);
        p.setPen(punteggiato);
        p.setBrush(Qt::NoBrush);
        p.drawRect(testo.adjusted(-2, 0, 0, -1));
    }
}

// ---- Frame ----

Cornice::Cornice(QWidget* genitore, const QString& nome, const QString& didascalia, Bordo bordo)
    : QWidget(genitore), m_didascalia(didascalia), m_bordo(bordo)
{
    setObjectName(nome);
    m_sfondo = palette().color(QPalette::Window);
}

void Cornice::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), m_sfondo);
    if (m_bordo == Bordo::Nessuno)
        return;
    const QFontMetrics fm(font());
    // The line runs through the middle of the caption; with no caption it is the edge.
    const int y = m_didascalia.isEmpty() ? 0 : fm.height() / 2;
    const QRect bordo = rect().adjusted(0, y, -1, -1);
    // Etched line: dark grey with a white shadow.
    p.setPen(QColor(128, 128, 128));
    p.drawRect(bordo.adjusted(0, 0, -1, -1));
    p.setPen(Qt::white);
    p.drawRect(bordo.adjusted(1, 1, 0, 0));
    if (m_didascalia.isEmpty())
        return;
    const int w = fm.horizontalAdvance(m_didascalia);
    const QRect spazioDidascalia(7, 0, w + 4, fm.height());
    p.fillRect(spazioDidascalia, m_sfondo);
    p.setFont(font());
    p.setPen(isEnabled() ? palette().color(QPalette::Active, QPalette::WindowText) : QColor(128, 128, 128));
    p.drawText(spazioDidascalia, Qt::AlignCenter, m_didascalia);
}

// ---- Line ----

Linea::Linea(QWidget* genitore, const QString& nome, int x1, int y1, int x2, int y2) : QWidget(genitore)
{
    setObjectName(nome);
    const QPoint a(px(x1), px(y1));
    const QPoint b(px(x2), px(y2));
    const QRect limiti = QRect(a, b).normalized().adjusted(0, 0, 1, 1);
    setGeometry(limiti);
    m_da = a - limiti.topLeft();
    m_a = b - limiti.topLeft();
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Linea::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    // A rule along an axis is a filled strip one pixel wide, so that it covers at least one
    // device pixel at any scale; a pen one pixel wide may fall between them.
    if (m_da.x() == m_a.x() || m_da.y() == m_a.y()) {
        p.fillRect(QRect(m_da, m_a).normalized(), Qt::black);
        return;
    }
    QPen penna(Qt::black, 0);
    p.setPen(penna);
    p.drawLine(m_da, m_a);
}

// ---- Rounded shape ----

Sagoma::Sagoma(QWidget* genitore, const QString& nome, const QColor& riempimento, int spessore)
    : QWidget(genitore), m_riempimento(riempimento), m_spessore(spessore)
{
    setObjectName(nome);
}

void Sagoma::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QPen pen(Qt::black);
    pen.setWidth(m_spessore);
    p.setPen(pen);
    p.setBrush(m_riempimento);
    const qreal meta = m_spessore / 2.0;
    const QRectF r = QRectF(rect()).adjusted(meta, meta, -meta, -meta);
    // Corners curved by a sixth of the shorter side, as such shapes were drawn.
    const qreal raggio = qMin(r.width(), r.height()) / 6.0;
    p.drawRoundedRect(r, raggio, raggio);
}

} // namespace ui
