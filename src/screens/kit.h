#pragma once

#include <QAbstractButton>
#include <QBasicTimer>
#include <QComboBox>
#include <QColor>
#include <QPointer>
#include <QWidget>


#include "screens/tavolozza.h"

class StrisciaTitolo;

// The windowing layer of the designed screens: positions in twips, labels that draw
// only what they are told to, buttons filled flat with their colour, frames with a
// caption, lines and rounded rectangles.
namespace ui {

constexpr int TwipPerPixel = 15;
constexpr int px(int twips) { return (twips + TwipPerPixel / 2) / TwipPerPixel; }
// Places w at Left, Top, Width, Height given in twips, inside its container.
void posiziona(QWidget* w, int sinistra, int alto, int larghezza, int altezza);
// Loads a font and draws the given characters once, off screen, so that a window shown
// later finds both ready: loading a face and drawing its glyphs the first time take
// longer than drawing a screenful of text with them afterwards.
void preparaCarattere(const QFont& f, const QString& caratteri);

// A designed font: the face as named ("Arial", "MS Sans Serif"), its size in points
// (fractional sizes are used as they are: 21.75 pt is 29 px at 96 dpi), bold or not.
QFont carattere(const QString& faccia, double punti, bool grassetto);
inline QColor rgb(int r, int g, int b) { return QColor(r, g, b); }

// The designed font of a text, or a smaller size of it where the face that fontconfig gave
// would draw the text outside its box: with any sans font, every word stays whole. Kept
// until the text, the box or the font changes.
class CarattereAdattato {
public:
    // inAlto: the text is drawn from the top of the box (labels), not centred (buttons).
    const QFont& per(const QFont& disegnato, const QString& testo, const QSize& spazio, bool inAlto);

private:
    QFont m_disegnato;
    QString m_testo;
    QSize m_spazio;
    QFont m_adattato;
};

// A label. setText runs the change handlers at once, inside the call.
class Etichetta : public QWidget {
    Q_OBJECT
public:
    Etichetta(QWidget* genitore, const QString& nome);

    QString text() const { return m_testo; }
    void setText(const QString& testo);

    void setAlignment(Qt::Alignment a) { m_allineamento = a; update(); }
    Qt::Alignment alignment() const { return m_allineamento; }
    // A transparent label draws only its text; others fill their box first.
    void impostaTrasparente(bool t) { m_trasparente = t; update(); }
    bool trasparente() const { return m_trasparente; }
    // A label sized to its text grows and shrinks with it.
    void impostaAdattaAlTesto(bool a);
    void impostaSfondo(const QColor& c) { m_sfondo = c; update(); }
    QColor sfondo() const { return m_sfondo; }
    void impostaInchiostro(const QColor& c) { m_inchiostro = c; update(); }
    QColor inchiostro() const { return m_inchiostro; }
    // A value under a column heading is read with it ("Risposte esatte 3"), wherever it is read.
    void impostaIntestazione(const QString& i) { m_intestazione = i; }
    QString intestazione() const { return m_intestazione; }

signals:
    void cambiato();

protected:
    void paintEvent(QPaintEvent*) override;

private:
    void adattaAlTesto();
    // The width the text may take: up to the first control laid over the label's right part.
    QSize spazioScoperto() const;

    QString m_testo;
    Qt::Alignment m_allineamento = Qt::AlignLeft;
    bool m_trasparente = false;
    bool m_adattaAlTesto = false;
    QColor m_sfondo;
    QColor m_inchiostro;
    QString m_intestazione;
    CarattereAdattato m_adattato;
};

// A push button whose face is filled with its background colour, whatever the style.
class Pulsante : public QAbstractButton {
    Q_OBJECT
public:
    Pulsante(QWidget* genitore, const QString& nome, const QString& didascalia = QString());

    void impostaSfondo(const QColor& c) { m_sfondo = c; update(); }
    QColor sfondo() const { return m_sfondo; }
    QSize sizeHint() const override { return size(); }

    // Whether a mouse click could press it now: on show, enabled with all its frames, and
    // the control in front at its centre.
    bool raggiungibile() const;
    // Presses it from the keyboard or an assistive tool, with the mouse's gating: the click
    // runs at once, so no key is lost however fast they come, and the face shows the press
    // for a moment. False when a click could not reach it.
    bool premi();

protected:
    void paintEvent(QPaintEvent*) override;
    void timerEvent(QTimerEvent* e) override;

private:
    QColor m_sfondo;
    CarattereAdattato m_adattato;
    QBasicTimer m_pressione;   // runs only for the moment a press from the keyboard shows
};

// A frame: a container with a background, an optional etched border and caption.
// Its children are placed from its outer top-left corner.
class Cornice : public QWidget {
    Q_OBJECT
public:
    Cornice(QWidget* genitore, const QString& nome, const QString& didascalia = QString(), bool bordo = true);

    QString didascalia() const { return m_didascalia; }
    bool haBordo() const { return m_bordo; }
    void impostaSfondo(const QColor& c) { m_sfondo = c; update(); }
    QColor sfondo() const { return m_sfondo; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QString m_didascalia;
    bool m_bordo;
    QColor m_sfondo;
};

// A straight line between two points given in twips within its container.
class Linea : public QWidget {
    Q_OBJECT
public:
    Linea(QWidget* genitore, const QString& nome, int x1, int y1, int x2, int y2);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QPoint m_da;
    QPoint m_a;
};

// A drop-down list to choose from (no typing), filled with its background colour.
class Tendina : public QComboBox {
    Q_OBJECT
public:
    Tendina(QWidget* genitore, const QString& nome);

    void impostaSfondo(const QColor& c);
    QColor sfondo() const { return m_sfondo; }
    // The open list in the list's own colour, not the style's.
    void showPopup() override;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QColor m_sfondo;
};

// A filled rectangle with curved corners.
class Riquadro : public QWidget {
    Q_OBJECT
public:
    Riquadro(QWidget* genitore, const QString& nome, const QColor& riempimento, int spessore);
    QColor riempimento() const { return m_riempimento; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QColor m_riempimento;
    int m_spessore;
};

// A menu bar of top-level entries (the widget's actions) that open no menu: a click on one
// triggers it. It is drawn by the style exactly as a menu bar is, but it measures its
// entries only when it is first painted, not while its window is being built. Blank
// entries only space the bar: assistive technology is not offered them, nor does the
// keyboard stop on them.
// From the keyboard (F10 or Alt alone, see Finestra): Left and Right move from entry to
// entry, Return, Enter, Space, Up and Down trigger the one highlighted, Escape leaves; the
// focus goes back where it was.
class BarraMenu : public QWidget {
    Q_OBJECT
public:
    explicit BarraMenu(QWidget* genitore);

    // Where an entry lies in the bar; empty for an entry that takes no room.
    QRect geometriaVoce(QAction* voce) const;
    // The height a bar needs for lines of text `altezzaRiga` pixels high.
    int altezzaPer(int altezzaRiga) const;

    // The keyboard enters the bar on its first entry, or leaves it.
    void entra();
    void esci();
    // The entry the keyboard is on, while it is in the bar.
    QAction* voceAttiva() const { return hasFocus() ? m_evidenziata : nullptr; }

protected:
    void paintEvent(QPaintEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void leaveEvent(QEvent* e) override;
    void actionEvent(QActionEvent* e) override;
    void changeEvent(QEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void opzioni(QStyleOptionMenuItem* o, const QAction* voce) const;
    const QList<QRect>& rettangoli() const;
    QAction* voceIn(const QPoint& p) const;
    void evidenzia(QAction* voce, bool premuta);
    // From the keyboard: the next entry that can be triggered, `passo` entries on, round the bar.
    void vaiA(int passo);

    mutable QList<QRect> m_rettangoli;   // one per action, laid out on first need
    mutable bool m_disposta = false;
    QAction* m_evidenziata = nullptr;
    bool m_premuta = false;
    QPointer<QWidget> m_primaDellaBarra;   // where the focus goes back to
};

// What a screen has to say to a screen reader, said when it happens: a notification (it has
// no size and draws nothing) that is shown anew with each sentence, which a screen reader
// speaks as it appears, wherever the focus is. One sentence per event: a later one in the
// same event replaces an earlier one, and a sentence said before its window is active waits
// for it, so that the window's own announcement does not cut it short.
class Avviso : public QWidget {
    Q_OBJECT
public:
    explicit Avviso(QWidget* genitore);

    void annuncia(const QString& frase);
    QString frase() const { return m_frase; }
    // The window has become active: a waiting sentence is said now.
    void finestraAttiva();

private:
    void mostra();

    QString m_frase;
    bool m_inAttesa = false;
};

// The classic height of a window's menu bar at 96 dpi, in pixels: the least it takes.
constexpr int AltezzaBarraMenu = 19;
// A screen whose client area is larghezza x altezza twips, as tall as it may be before its menu
// bar has measured its font: the classic height and the few pixels more that a face other than
// the designed one takes. No title bar of its own.
constexpr QSize misuraFinestra(int larghezza, int altezza) { return {px(larghezza), AltezzaBarraMenu + 4 + px(altezza)}; }

// A designed screen: a menu bar across the top, the client area of its designed size
// below it, the window fixed to their size, without a layout manager. The menu bar takes
// the height its font needs, measured when the window is first shown, and the window is
// then placed inside the screen's free area, in front of the background. Where the desktop
// draws no title bars for the program (Wayland), a titled screen has its own above the menu
// bar. Assistive technology sees a window named with its caption.
class Finestra : public QWidget {
    Q_OBJECT
public:
    explicit Finestra(Qt::WindowFlags flags = Qt::Window);
    ~Finestra() override;

    BarraMenu* menuBar() const { return m_barra; }
    // The client area: every designed control lies in it.
    Cornice* superficie() const { return m_superficie; }
    // What the screen says to a screen reader.
    Avviso* avviso() const { return m_avviso; }

    // Builds the menu bar and a client area of clientWidth x clientHeight twips.
    void vesti(int larghezza, int altezza);
    // Tab and Shift+Tab follow the reading order of the screen; call once the controls exist.
    void ordinaTabulazione();
    // Lets go of the picture kept of a hidden window's contents, as large as the window:
    // it is painted anew when the window is next shown.
    void lasciaImmagine();

signals:
    // The client area has been painted for the first time: the window is on screen.
    void dipinta();

protected:
    bool eventFilter(QObject* o, QEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;
    void changeEvent(QEvent* e) override;
    // F10, or Alt pressed and released alone, takes the keyboard to the menu bar and back.
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;

private:
    // The menu bar as high as its entries need, never lower than the classic height.
    void adattaBarra();
    // A window that the window system destroys outright is closed, as by its close box.
    void sorvegliaDistruzione();

    StrisciaTitolo* m_titolo = nullptr;   // only where nobody else draws title bars
    BarraMenu* m_barra = nullptr;
    Cornice* m_superficie = nullptr;
    Avviso* m_avviso = nullptr;
    bool m_altDaSolo = false;
    QSize m_cliente;
    bool m_collocata = false;
    bool m_dipinta = false;
};

// A top-level menu entry, named as designed; a blank caption makes a spacer that does nothing.
QAction* voceMenu(BarraMenu* barra, const char* nome, const QString& didascalia);

// ---- Assistive technology ----

// Marks a control that only decorates: it is not offered to assistive technology.
void decorativo(QWidget* w);
// Whether assistive technology is offered w: not a decoration, a line, a shape, nor a
// button without text or name.
bool offerto(const QWidget* w);
// The child controls of a container that are offered, in reading order: rows from top
// to bottom, each from left to right.
QList<QWidget*> ordineDiLettura(const QWidget* contenitore);
// Installs the accessible interfaces of the kit's controls (once).
void installaAccessibilita();

// Builders for the designed layouts: each control is named, placed in twips, given its
// font and colours, and put behind the controls already in its container, so that a
// control listed earlier in a layout lies in front of one listed later.
Etichetta* etichetta(QWidget* in, const char* nome, int sinistra, int alto, int larghezza, int altezza, const QString& testo,
             const QFont& font, const QColor& colore, bool centrata, bool trasparente);
Pulsante* pulsante(QWidget* in, const char* nome, int sinistra, int alto, int larghezza, int altezza, const QString& didascalia,
               const QFont& font, const QColor& background);

} // namespace ui
