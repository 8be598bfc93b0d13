// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader is told about the kit's controls. Nothing here changes what is drawn.
#include "kit/accessibilita.h"

#include "kit/barra_menu.h"
#include "kit/controlli.h"
#include "kit/finestra.h"

#include "runtime/bus_accessibilita.h"

#include <QAccessibleWidget>
#include <QAction>
#include <QApplication>
#include <QPointer>
#include <QWindow>

namespace ui {
namespace {

// A window, a frame or the client area: its children in reading order, decorations left out.
class Contenitore : public QAccessibleWidget {
public:
    Contenitore(QWidget* w, QAccessible::Role ruolo) : QAccessibleWidget(w, ruolo) {}

    int childCount() const override { return static_cast<int>(ordineDiLettura(widget()).size()); }
    QAccessibleInterface* child(int i) const override
    {
        const QList<QWidget*> figli = ordineDiLettura(widget());
        return i >= 0 && i < figli.size() ? QAccessible::queryAccessibleInterface(figli[i]) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* figlio) const override
    {
        if (!figlio || !figlio->object() || !figlio->object()->isWidgetType())
            return -1;
        return static_cast<int>(ordineDiLettura(widget()).indexOf(static_cast<QWidget*>(figlio->object())));
    }
};

// A frame with a caption groups its controls under that caption.
class Gruppo : public Contenitore {
public:
    explicit Gruppo(Cornice* f) : Contenitore(f, f->didascalia().isEmpty() ? QAccessible::Pane : QAccessible::Grouping)
    {
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return static_cast<const Cornice*>(widget())->didascalia();
        return Contenitore::text(t);
    }
};

// A label reads as its current text, after its column heading if it has one.
class Testo : public QAccessibleWidget {
public:
    explicit Testo(Etichetta* l) : QAccessibleWidget(l, QAccessible::StaticText) {}
    QString text(QAccessible::Text t) const override
    {
        const auto* l = static_cast<const Etichetta*>(widget());
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return l->intestazione().isEmpty() ? l->text()
                                               : (l->intestazione() + QLatin1Char(' ') + l->text().trimmed()).trimmed();
        return QAccessibleWidget::text(t);
    }
};

// One of a screen's two voices: nothing but its sentence, which it holds while it speaks.
class VoceAvviso : public QAccessibleWidget {
public:
    VoceAvviso(QWidget* w, const Avviso* a) : QAccessibleWidget(w, QAccessible::Client), m_avviso(a) {}
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name && parla() ? m_avviso->frase() : QString();
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.focusable = true;
        s.focused = parla();
        return s;
    }

private:
    bool parla() const { return m_avviso && m_avviso->voceAttiva() == widget(); }
    QPointer<const Avviso> m_avviso;
};

// A button: named by its accessible name where its caption is spelt out letter by letter,
// pressed with the same gating as the mouse.
class Tasto : public QAccessibleWidget {
public:
    explicit Tasto(Pulsante* b) : QAccessibleWidget(b, QAccessible::Button) {}
    Pulsante* pulsante() const { return static_cast<Pulsante*>(widget()); }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return pulsante()->text();
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.pressed = pulsante()->isDown();
        return s;
    }
    QStringList actionNames() const override { return QStringList(pressAction()) << QAccessibleWidget::actionNames(); }
    void doAction(const QString& azione) override
    {
        if (azione == pressAction())
            pulsante()->premi();
        else
            QAccessibleWidget::doAction(azione);
    }
};

QList<QAction*> vociOfferte(const QWidget* barra)
{
    QList<QAction*> voci;
    for (QAction* a : barra->actions()) {
        if (!a->text().trimmed().isEmpty())
            voci << a;
    }
    return voci;
}

// The menu bar lists its entries, but not the blank ones that only space it.
class Barra : public QAccessibleWidget {
public:
    explicit Barra(BarraMenu* b) : QAccessibleWidget(b, QAccessible::MenuBar) {}
    int childCount() const override { return static_cast<int>(vociOfferte(widget()).size()); }
    QAccessibleInterface* child(int i) const override
    {
        const QList<QAction*> voci = vociOfferte(widget());
        return i >= 0 && i < voci.size() ? QAccessible::queryAccessibleInterface(voci[i]) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* figlio) const override
    {
        auto* a = figlio ? qobject_cast<QAction*>(figlio->object()) : nullptr;
        return a ? static_cast<int>(vociOfferte(widget()).indexOf(a)) : -1;
    }
    QAccessibleInterface* focusChild() const override
    {
        QAction* voce = static_cast<const BarraMenu*>(widget())->voceAttiva();
        return voce ? QAccessible::queryAccessibleInterface(voce) : nullptr;
    }
};

// One entry of the menu bar.
class Voce : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    Voce(QAction* a, BarraMenu* b) : m_azione(a), m_barra(b) {}

    bool isValid() const override { return m_azione && m_barra; }
    QObject* object() const override { return m_azione; }
    QWindow* window() const override { return m_barra ? m_barra->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(m_barra); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    // Reached from the keyboard, an entry says its place in the bar, and the first one
    // that the bar is a menu bar: a screen reader stops short of naming the bar itself.
    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name || !isValid())
            return {};
        QString nome = m_azione->property(NomeDaDire).toString();
        if (nome.isEmpty())
            nome = m_azione->text();
        if (m_barra->voceAttiva() != m_azione)
            return nome;
        const QList<QAction*> voci = vociOfferte(m_barra);
        nome = QStringLiteral("%1, %2 di %3").arg(nome).arg(voci.indexOf(m_azione) + 1).arg(voci.size());
        return m_barra->appenaEntrata() ? QStringLiteral("Barra dei menu. ") + nome : nome;
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override
    {
        if (!isValid())
            return {};
        const QRect r = m_barra->geometriaVoce(m_azione);
        return QRect(m_barra->mapToGlobal(r.topLeft()), r.size());
    }
    QAccessible::Role role() const override { return QAccessible::MenuItem; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        if (!isValid())
            return s;
        s.disabled = !m_azione->isEnabled();
        s.invisible = !m_azione->isVisible() || !m_barra->isVisible();
        s.focusable = true;
        s.focused = m_barra->voceAttiva() == m_azione;
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType t) override
    {
        return t == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& azione) override
    {
        if (azione == pressAction() && isValid() && m_azione->isEnabled())
            m_azione->trigger();
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QPointer<QAction> m_azione;
    QPointer<BarraMenu> m_barra;
};

template <typename T>
bool e(const QString& classe)
{
    return classe == QLatin1String(T::staticMetaObject.className());
}

QAccessibleInterface* fabbrica(const QString& classe, QObject* o)
{
    if (e<Etichetta>(classe))
        return new Testo(static_cast<Etichetta*>(o));
    if (e<Pulsante>(classe))
        return new Tasto(static_cast<Pulsante*>(o));
    if (e<Cornice>(classe))
        return new Gruppo(static_cast<Cornice*>(o));
    if (e<Finestra>(classe))
        return new Contenitore(static_cast<QWidget*>(o), QAccessible::Window);
    if (e<BarraMenu>(classe))
        return new Barra(static_cast<BarraMenu*>(o));
    if (auto* a = o->parent() ? qobject_cast<Avviso*>(o->parent()) : nullptr)
        return new VoceAvviso(static_cast<QWidget*>(o), a);
    if (e<Avviso>(classe))
        return new QAccessibleWidget(static_cast<QWidget*>(o), QAccessible::Client);
    if (e<QAction>(classe)) {
        if (auto* barra = qobject_cast<BarraMenu*>(o->parent()))
            return new Voce(static_cast<QAction*>(o), barra);
    }
    return nullptr;
}

// What the controls of a window that is not on screen say is not passed on: while it is built
// (an exercise window is, as it opens) and while its controls are shown along with it, a
// hundred changes of names and states, which a screen reader would go through one by one
// before the window itself and its question. It reads them from the window once it is there.
void aggiorna(QAccessibleEvent* e)
{
    const auto* w = qobject_cast<const QWidget*>(e->object());
    if (w && !w->isWindow()) {
        const QWindow* finestra = w->window()->windowHandle();
        if (!finestra || !finestra->isVisible())
            return;
    }
    // On to the platform's bridge, the way Qt takes when no handler is in place.
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(e);
    QAccessible::installUpdateHandler(aggiorna);
}

// Every widget shown or hidden is told to the accessibility bus as visible or not, besides
// the bridge's own word on whether it is showing; only while assistive technology listens,
// so the program pays nothing otherwise.
class Visibilita : public QObject, public QAccessible::ActivationObserver {
public:
    void accessibilityActiveChanged(bool attiva) override
    {
        if (!qApp)
            return;
        if (attiva) {
            qApp->installEventFilter(this);
            QAccessible::installUpdateHandler(aggiorna);
        } else {
            qApp->removeEventFilter(this);
            QAccessible::installUpdateHandler(nullptr);
        }
    }
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if ((e->type() == QEvent::Show || e->type() == QEvent::Hide) && o->isWidgetType())
            bus_accessibilita::segnalaVisibile(QAccessible::queryAccessibleInterface(o), e->type() == QEvent::Show);
        return false;
    }
};

} // namespace

void installaAccessibilita()
{
    static bool installata = false;
    if (installata)
        return;
    installata = true;
    QAccessible::installFactory(fabbrica);
    static Visibilita visibilita;
    QAccessible::installActivationObserver(&visibilita);
    visibilita.accessibilityActiveChanged(QAccessible::isActive());
}

// ---- What a screen says ----

Avviso::Avviso(QWidget* genitore) : QWidget(genitore)
{
    setObjectName(QStringLiteral("avviso"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    resize(0, 0);
    for (QWidget*& v : m_voci) {
        v = new QWidget(this);
        v->setFocusPolicy(Qt::NoFocus);
        v->resize(0, 0);
    }
}

void Avviso::annuncia(const QString& frase)
{
    m_frase = frase;
    // Once the event that has something to say is over: whatever it does to the focus, and
    // the screen reader says of it, comes first.
    if (!m_inAttesa) {
        m_inAttesa = true;
        QMetaObject::invokeMethod(this, &Avviso::mostra, Qt::QueuedConnection);
    }
}

void Avviso::finestraAttiva()
{
    // Right after the window's focus has gone to its first control: a screen reader then
    // says the window's name and this sentence, and skips that control.
    if (m_inAttesa)
        QMetaObject::invokeMethod(this, &Avviso::mostra, Qt::QueuedConnection);
}

void Avviso::mostra()
{
    if (!m_inAttesa || !window()->isActiveWindow())
        return;
    m_inAttesa = false;
    if (!QAccessible::isActive())
        return;
    m_parlante = m_parlante == 0 ? 1 : 0;
    if (QAccessibleInterface* v = QAccessible::queryAccessibleInterface(m_voci[m_parlante])) {
        QAccessibleEvent e(v, QAccessible::Focus);
        QAccessible::updateAccessibility(&e);
    }
}

// ---- Assistive technology ----

void decorativo(QWidget* w) { w->setProperty("ui_decorativo", true); }

bool offerto(const QWidget* w)
{
    if (w->isWindow() || w->property("ui_decorativo").toBool())
        return false;
    if (qobject_cast<const Linea*>(w) || qobject_cast<const Sagoma*>(w))
        return false;
    if (const auto* b = qobject_cast<const Pulsante*>(w))
        return !b->text().isEmpty() || !b->accessibleName().isEmpty();
    return true;
}

QList<QWidget*> ordineDiLettura(const QWidget* contenitore)
{
    QList<QWidget*> figli;
    for (QObject* o : contenitore->children()) {
        auto* w = qobject_cast<QWidget*>(o);
        if (w && offerto(w))
            figli << w;
    }
    std::stable_sort(figli.begin(), figli.end(), [](QWidget* a, QWidget* b) { return a->y() < b->y(); });
    // A control joins the row of the one above it while it starts within that one's upper
    // half, so keys a pixel or two out of line still read as one row.
    QList<QWidget*> ordine;
    for (qsizetype i = 0; i < figli.size();) {
        const QRect capo = figli[i]->geometry();
        qsizetype fine = i + 1;
        while (fine < figli.size() && figli[fine]->y() < capo.top() + capo.height() / 2)
            ++fine;
        QList<QWidget*> riga = figli.mid(i, fine - i);
        std::stable_sort(riga.begin(), riga.end(), [](QWidget* a, QWidget* b) { return a->x() < b->x(); });
        ordine << riga;
        i = fine;
    }
    return ordine;
}

} // namespace ui
