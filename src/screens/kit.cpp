#include "screens/kit.h"

#include "runtime/collocazione.h"
#include "runtime/piattaforma.h"
#include "runtime/striscia_titolo.h"
#include "screens/caratteri.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QBackingStore>
#include <QAction>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QImage>
#include <QKeyEvent>
#include <QPainter>
#include <QTimerEvent>

namespace ui {

void posiziona(QWidget* w, int sinistra, int alto, int larghezza, int altezza)
{
    w->setGeometry(px(sinistra), px(alto), px(larghezza), px(altezza));
}

QFont carattere(const QString& faccia, double punti, bool grassetto)
{
    // One face stands in for every face of the design.
    Q_UNUSED(faccia);
    QFont f(Carattere);
    f.setPixelSize(static_cast<int>(punti * 96.0 / 72.0 + 0.5));
    f.setBold(grassetto);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

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

void Etichetta::impostaAdattaAlTesto(bool a)
{
    m_adattaAlTesto = a;
    if (a)
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
    p.setFont(m_adattato.per(font(), m_testo, spazioScoperto(), true));
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

// ---- Fonts ready before they are needed ----

void preparaCarattere(const QFont& f, const QString& caratteri)
{
    // A sheet as the screens are painted on, one glyph at a time so each fits on it.
    const QFontMetrics fm(f);
    const qreal rapporto = qApp->devicePixelRatio();
    QImage foglio(QSize(fm.maxWidth() + 2, fm.height() + 2) * rapporto, QImage::Format_ARGB32_Premultiplied);
    foglio.setDevicePixelRatio(rapporto);
    foglio.fill(Qt::transparent);
    QPainter p(&foglio);
    p.setFont(f);
    // Glyphs are kept for each quarter of a pixel they may start at.
    for (const qreal x : {0.0, 0.25, 0.5, 0.75}) {
        for (const QChar c : caratteri)
            p.drawText(QPointF(x, fm.ascent()), QString(c));
    }
}

// ---- Fitting a text in its box ----

const QFont& CarattereAdattato::per(const QFont& disegnato, const QString& testo, const QSize& spazio, bool inAlto)
{
    if (testo == m_testo && spazio == m_spazio && disegnato == m_disegnato)
        return m_adattato;
    m_disegnato = disegnato;
    m_testo = testo;
    m_spazio = spazio;
    m_adattato = disegnato;
    // The design's texts fit their boxes in the face they were designed in.
    if (caratteri().facciaDisegnata())
        return m_adattato;
    for (int pixel = disegnato.pixelSize(); pixel > 5; --pixel) {
        m_adattato.setPixelSize(pixel);
        const QFontMetrics fm(m_adattato);
        if (fm.horizontalAdvance(testo) > spazio.width())
            continue;
        if (fm.ascent() + fm.descent() <= spazio.height())
            break;
        // Taller lines than the box are common (the design fills its boxes); what counts
        // is whether the ink of this text fits.
        const QRect inchiostro = fm.tightBoundingRect(testo);
        const int altezza = inAlto ? fm.ascent() + inchiostro.bottom() + 1 : inchiostro.height();
        if (altezza <= spazio.height())
            break;
    }
    return m_adattato;
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
    p.setFont(m_adattato.per(font(), text(), r.adjusted(3, 3, -3, -3).size(), false));
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
        QPen dotted(Qt::black);
        dotted.setStyle(Qt::DotLine);
        p.setPen(dotted);
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

// ---- DropDown ----

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

Cornice::Cornice(QWidget* genitore, const QString& nome, const QString& didascalia, bool bordo)
    : QWidget(genitore), m_didascalia(didascalia), m_bordo(bordo)
{
    setObjectName(nome);
    m_sfondo = palette().color(QPalette::Window);
}

void Cornice::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), m_sfondo);
    if (!m_bordo)
        return;
    const QFontMetrics fm(font());
    // The line runs through the middle of the caption; with no caption it is the edge.
    const int y = m_didascalia.isEmpty() ? 0 : fm.height() / 2;
    const QRect box = rect().adjusted(0, y, -1, -1);
    // Etched line: dark grey with a white shadow.
    p.setPen(QColor(128, 128, 128));
    p.drawRect(box.adjusted(0, 0, -1, -1));
    p.setPen(Qt::white);
    p.drawRect(box.adjusted(1, 1, 0, 0));
    if (m_didascalia.isEmpty())
        return;
    const int w = fm.horizontalAdvance(m_didascalia);
    const QRect captionRect(7, 0, w + 4, fm.height());
    p.fillRect(captionRect, m_sfondo);
    p.setFont(font());
    p.setPen(isEnabled() ? palette().color(QPalette::Active, QPalette::WindowText) : QColor(128, 128, 128));
    p.drawText(captionRect, Qt::AlignCenter, m_didascalia);
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

// ---- RoundedBox ----

Riquadro::Riquadro(QWidget* genitore, const QString& nome, const QColor& riempimento, int spessore)
    : QWidget(genitore), m_riempimento(riempimento), m_spessore(spessore)
{
    setObjectName(nome);
}

void Riquadro::paintEvent(QPaintEvent*)
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

// ---- Builders ----

QAction* voceMenu(BarraMenu* barra, const char* nome, const QString& didascalia)
{
    auto* a = new QAction(didascalia, barra);
    barra->addAction(a);
    a->setObjectName(QString::fromLatin1(nome));
    return a;
}

// ---- Finestra ----

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
    m_superficie = new Cornice(this, QStringLiteral("superficie"), QString(), false);
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

void Finestra::hideEvent(QHideEvent* e)
{
    // Said once: shown again with its window, it would be said again.
    if (m_avviso)
        m_avviso->hide();
    QWidget::hideEvent(e);
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

// ---- What a screen says ----

Avviso::Avviso(QWidget* genitore) : QWidget(genitore)
{
    setObjectName(QStringLiteral("avviso"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    resize(0, 0);
    hide();
}

void Avviso::annuncia(const QString& frase)
{
    m_frase = frase;
    if (!QAccessible::isActive())
        return;
    // Once the event that has something to say is over: whatever it does to the focus, and
    // the screen reader says of it, comes first.
    if (!m_inAttesa) {
        m_inAttesa = true;
        QMetaObject::invokeMethod(this, &Avviso::mostra, Qt::QueuedConnection);
    }
}

void Avviso::finestraAttiva()
{
    if (m_inAttesa)
        QMetaObject::invokeMethod(this, &Avviso::mostra, Qt::QueuedConnection);
}

void Avviso::mostra()
{
    if (!m_inAttesa || !window()->isActiveWindow())
        return;
    m_inAttesa = false;
    // A notification is spoken as it appears.
    hide();
    show();
}

// ---- Assistive technology ----

void decorativo(QWidget* w) { w->setProperty("ui_decorativo", true); }

bool offerto(const QWidget* w)
{
    if (w->isWindow() || w->property("ui_decorativo").toBool())
        return false;
    if (qobject_cast<const Linea*>(w) || qobject_cast<const Riquadro*>(w))
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

Etichetta* etichetta(QWidget* in, const char* nome, int sinistra, int alto, int larghezza, int altezza, const QString& testo,
             const QFont& font, const QColor& colore, bool centrata, bool trasparente)
{
    auto* x = new Etichetta(in, QString::fromLatin1(nome));
    posiziona(x, sinistra, alto, larghezza, altezza);
    x->setFont(font);
    x->impostaInchiostro(colore);
    x->setAlignment(centrata ? Qt::AlignHCenter : Qt::AlignLeft);
    x->impostaTrasparente(trasparente);
    x->setText(testo);
    x->lower();
    return x;
}

Pulsante* pulsante(QWidget* in, const char* nome, int sinistra, int alto, int larghezza, int altezza, const QString& didascalia,
               const QFont& font, const QColor& background)
{
    auto* x = new Pulsante(in, QString::fromLatin1(nome), didascalia);
    posiziona(x, sinistra, alto, larghezza, altezza);
    x->setFont(font);
    x->impostaSfondo(background);
    x->lower();
    return x;
}

} // namespace ui
