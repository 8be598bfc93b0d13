// SPDX-License-Identifier: GPL-3.0-or-later
// The menu bar of the designed screens: the style draws it as it draws any menu bar, item
// by item and then the empty area, with the same metrics, so it looks the same; what it
// leaves out is everything a bar of plain entries does not need (pop-up menus, the overflow
// button and its picture) and the measuring of its texts before its window is on screen.
#include "kit/barra_menu.h"

#include <QAccessible>
#include <QActionEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionMenuItem>

#include <algorithm>

namespace ui {

BarraMenu::BarraMenu(QWidget* genitore) : QWidget(genitore)
{
    setObjectName(QStringLiteral("barraMenu"));
    setBackgroundRole(QPalette::Button);
    setMouseTracking(style()->styleHint(QStyle::SH_MenuBar_MouseTracking, nullptr, this));
}

void BarraMenu::opzioni(QStyleOptionMenuItem* o, const QAction* voce) const
{
    o->palette = palette();
    o->state = QStyle::State_None;
    if (isEnabled() && voce->isEnabled())
        o->state |= QStyle::State_Enabled;
    else
        o->palette.setCurrentColorGroup(QPalette::Disabled);
    o->fontMetrics = fontMetrics();
    if (m_evidenziata == voce) {
        o->state |= QStyle::State_Selected;
        if (m_premuta)
            o->state |= QStyle::State_Sunken;
    }
    if (hasFocus() || m_evidenziata)
        o->state |= QStyle::State_HasFocus;
    o->menuRect = rect();
    o->menuItemType = QStyleOptionMenuItem::Normal;
    o->checkType = QStyleOptionMenuItem::NotCheckable;
    o->text = voce->text();
    o->icon = voce->icon();
}

const QList<QRect>& BarraMenu::rettangoli() const
{
    if (m_disposta)
        return m_rettangoli;
    m_disposta = true;
    const QList<QAction*> voci = actions();
    m_rettangoli = QList<QRect>(voci.size());
    const QStyle* s = style();
    const int spazio = s->pixelMetric(QStyle::PM_MenuBarItemSpacing, nullptr, this);
    const int margineX = s->pixelMetric(QStyle::PM_MenuBarHMargin, nullptr, this);
    const int margineY = s->pixelMetric(QStyle::PM_MenuBarVMargin, nullptr, this);
    const int bordo = s->pixelMetric(QStyle::PM_MenuBarPanelWidth, nullptr, this);
    const QFontMetrics fm = fontMetrics();
    int altezza = 0;
    for (qsizetype i = 0; i < voci.size(); ++i) {
        const QAction* voce = voci.at(i);
        if (!voce->isVisible())
            continue;
        QSize misura;
        if (!voce->text().isEmpty())
            misura = fm.size(Qt::TextShowMnemonic, voce->text());
        QStyleOptionMenuItem o;
        opzioni(&o, voce);
        misura = s->sizeFromContents(QStyle::CT_MenuBarItem, &o, misura, this);
        if (misura.isEmpty())
            continue;
        altezza = qMax(altezza, misura.height());
        m_rettangoli[i] = QRect(QPoint(), misura);
    }
    int x = bordo + margineX + spazio;
    for (QRect& r : m_rettangoli) {
        if (r.isNull())
            continue;
        r.setHeight(altezza);
        r.moveTopLeft(QPoint(x, bordo + margineY));
        x += r.width() + spazio;
        r = QStyle::visualRect(layoutDirection(), rect(), r);
    }
    return m_rettangoli;
}

QRect BarraMenu::geometriaVoce(QAction* voce) const
{
    const qsizetype i = actions().indexOf(voce);
    return i < 0 ? QRect() : rettangoli().at(i);
}

int BarraMenu::altezzaPer(int altezzaRiga) const
{
    // An entry's height depends on the font's only; no text needs measuring for it.
    QStyleOptionMenuItem o;
    o.menuItemType = QStyleOptionMenuItem::Normal;
    o.checkType = QStyleOptionMenuItem::NotCheckable;
    const QStyle* s = style();
    const int voce = s->sizeFromContents(QStyle::CT_MenuBarItem, &o, QSize(1, altezzaRiga), this).height();
    return voce + 2 * (s->pixelMetric(QStyle::PM_MenuBarVMargin, nullptr, this) +
                       s->pixelMetric(QStyle::PM_MenuBarPanelWidth, nullptr, this));
}

QAction* BarraMenu::voceIn(const QPoint& p) const
{
    const QList<QRect>& r = rettangoli();
    const QList<QAction*> voci = actions();
    for (qsizetype i = 0; i < voci.size(); ++i) {
        if (r.at(i).contains(p))
            return voci.at(i);
    }
    return nullptr;
}

void BarraMenu::evidenzia(QAction* voce, Evidenza evidenza)
{
    if (voce && !voce->isEnabled())
        voce = nullptr;
    const bool premuta = evidenza == Evidenza::Premuta;
    if (voce == m_evidenziata && premuta == m_premuta)
        return;
    if (m_evidenziata)
        update(geometriaVoce(m_evidenziata));
    m_evidenziata = voce;
    m_premuta = premuta && voce;
    if (voce)
        update(geometriaVoce(voce));
}

void BarraMenu::paintEvent(QPaintEvent* e)
{
    QPainter p(this);
    QRegion vuota(rect());
    const QList<QAction*> voci = actions();
    const QList<QRect>& r = rettangoli();
    for (qsizetype i = 0; i < voci.size(); ++i) {
        if (r.at(i).isEmpty() || !e->rect().intersects(r.at(i)))
            continue;
        vuota -= r.at(i);
        QStyleOptionMenuItem o;
        opzioni(&o, voci.at(i));
        o.rect = r.at(i);
        p.setClipRect(r.at(i));
        style()->drawControl(QStyle::CE_MenuBarItem, &o, &p, this);
        if (voci.at(i) == voceAttiva()) {
            // Where the keyboard is: a dotted box, as on the buttons and the list. The style
            // marks an entry only while its menu is open, and these open none.
            QPen punteggiato(palette().color(QPalette::ButtonText));
            punteggiato.setStyle(Qt::DotLine);
            p.setPen(punteggiato);
            p.setBrush(Qt::NoBrush);
            p.drawRect(r.at(i).adjusted(1, 1, -2, -2));
        }
    }
    if (const int bordo = style()->pixelMetric(QStyle::PM_MenuBarPanelWidth, nullptr, this)) {
        QRegion cornice;
        cornice += QRect(0, 0, bordo, height());
        cornice += QRect(width() - bordo, 0, bordo, height());
        cornice += QRect(0, 0, width(), bordo);
        cornice += QRect(0, height() - bordo, width(), bordo);
        p.setClipRegion(cornice);
        vuota -= cornice;
        QStyleOptionFrame f;
        f.rect = rect();
        f.palette = palette();
        f.state = QStyle::State_None;
        f.lineWidth = bordo;
        f.midLineWidth = 0;
        style()->drawPrimitive(QStyle::PE_PanelMenuBar, &f, &p, this);
    }
    p.setClipRegion(vuota);
    QStyleOptionMenuItem o;
    o.palette = palette();
    o.state = QStyle::State_None;
    o.menuItemType = QStyleOptionMenuItem::EmptyArea;
    o.checkType = QStyleOptionMenuItem::NotCheckable;
    o.rect = rect();
    o.menuRect = rect();
    style()->drawControl(QStyle::CE_MenuBarEmptyArea, &o, &p, this);
}

void BarraMenu::mouseMoveEvent(QMouseEvent* e)
{
    const bool premuta = m_premuta && (e->buttons() & Qt::LeftButton);
    evidenzia(voceIn(e->position().toPoint()), premuta ? Evidenza::Premuta : Evidenza::Sopra);
}

void BarraMenu::mousePressEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton)
        evidenzia(voceIn(e->position().toPoint()), Evidenza::Premuta);
}

void BarraMenu::mouseReleaseEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton || !m_premuta)
        return;
    QAction* voce = voceIn(e->position().toPoint());
    evidenzia(voce);
    if (voce && voce->isEnabled())
        voce->trigger();
}

void BarraMenu::leaveEvent(QEvent*)
{
    // The mouse leaving takes nothing from the keyboard.
    if (!hasFocus())
        evidenzia(nullptr);
}

namespace {
// An entry the keyboard stops on: one with a caption, on show and enabled.
bool raggiungibile(const QAction* a) { return !a->text().trimmed().isEmpty() && a->isVisible() && a->isEnabled(); }
} // namespace

void BarraMenu::entra()
{
    const auto voci = actions();
    if (!isVisible() || hasFocus() || std::none_of(voci.begin(), voci.end(), raggiungibile))
        return;
    m_primaDellaBarra = window()->focusWidget();
    setFocus(Qt::MenuBarFocusReason);
    evidenzia(nullptr);
    m_appenaEntrata = true;
    vaiA(1);
}

void BarraMenu::esci()
{
    evidenzia(nullptr);
    if (!hasFocus())
        return;
    // Back where it was; where there was no control with the focus, on the first one.
    if (m_primaDellaBarra && m_primaDellaBarra->isVisible() && m_primaDellaBarra->isEnabled())
        m_primaDellaBarra->setFocus(Qt::MenuBarFocusReason);
    else if (!focusNextPrevChild(true))
        clearFocus();
}

void BarraMenu::vaiA(int passo)
{
    const QList<QAction*> voci = actions();
    const qsizetype n = voci.size();
    qsizetype i = voci.indexOf(m_evidenziata);
    if (i < 0)
        i = passo > 0 ? n - 1 : 0;
    for (qsizetype k = 0; k < n; ++k) {
        i = (i + passo + n) % n;
        if (raggiungibile(voci.at(i))) {
            evidenzia(voci.at(i));
            // A screen reader follows the keyboard from entry to entry.
            if (QAccessibleInterface* voce = QAccessible::isActive() ? QAccessible::queryAccessibleInterface(voci.at(i))
                                                                     : nullptr) {
                QAccessibleEvent e(voce, QAccessible::Focus);
                QAccessible::updateAccessibility(&e);
            }
            return;
        }
    }
}

void BarraMenu::keyPressEvent(QKeyEvent* e)
{
    if (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        e->ignore();
        return;
    }
    m_appenaEntrata = false;
    switch (e->key()) {
    case Qt::Key_Left: vaiA(-1); break;
    case Qt::Key_Right: vaiA(1); break;
    case Qt::Key_Home:
        evidenzia(nullptr);
        vaiA(1);
        break;
    case Qt::Key_End:
        evidenzia(nullptr);
        vaiA(-1);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (QAction* voce = m_evidenziata; voce && !e->isAutoRepeat()) {
            esci();
            voce->trigger();
        }
        break;
    case Qt::Key_Escape:
    case Qt::Key_F10: esci(); break;
    case Qt::Key_Alt: e->ignore(); return; // the window sees Alt alone, to leave
    default: break;                        // while the keyboard is in the bar, no key reaches the screen
    }
    e->accept();
}

void BarraMenu::focusOutEvent(QFocusEvent* e)
{
    evidenzia(nullptr);
    // Leaving the window leaves the bar too: back in it, the keys are the screen's again.
    if (e->reason() == Qt::ActiveWindowFocusReason && m_primaDellaBarra)
        m_primaDellaBarra->setFocus(Qt::OtherFocusReason);
    QWidget::focusOutEvent(e);
}

void BarraMenu::actionEvent(QActionEvent* e)
{
    if (e->type() == QEvent::ActionRemoved && e->action() == m_evidenziata)
        m_evidenziata = nullptr;
    m_disposta = false;
    update();
}

void BarraMenu::resizeEvent(QResizeEvent*) { m_disposta = false; }

void BarraMenu::changeEvent(QEvent* e)
{
    if (e->type() == QEvent::FontChange || e->type() == QEvent::StyleChange ||
        e->type() == QEvent::LayoutDirectionChange)
        m_disposta = false;
    QWidget::changeEvent(e);
}

QAction* voceMenu(BarraMenu* barra, const char* nome, const QString& didascalia, const QString& parole)
{
    auto* a = new QAction(didascalia, barra);
    barra->addAction(a);
    a->setObjectName(QString::fromLatin1(nome));
    if (!parole.isEmpty())
        a->setProperty(NomeDaDire, parole);
    return a;
}

} // namespace ui
