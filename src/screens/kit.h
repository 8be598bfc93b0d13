#pragma once

#include <QAbstractButton>
#include <QBasicTimer>
#include <QComboBox>
#include <QMenuBar>
#include <QColor>
#include <QWidget>

#include "screens/tavolozza.h"

// The windowing layer of the designed screens: positions in twips, labels that draw
// only what they are told to, buttons filled flat with their colour, frames with a
// caption, lines and rounded rectangles.
namespace ui {

constexpr int TwipsPerPixel = 15;
constexpr int px(int twips) { return (twips + TwipsPerPixel / 2) / TwipsPerPixel; }
// Places w at Left, Top, Width, Height given in twips, inside its container.
void place(QWidget* w, int left, int top, int width, int height);
// A designed font: the face as named ("Arial", "MS Sans Serif"), its size in points
// (fractional sizes are used as they are: 21.75 pt is 29 px at 96 dpi), bold or not.
QFont designFont(const QString& face, double points, bool bold);
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
class Label : public QWidget {
    Q_OBJECT
public:
    Label(QWidget* parent, const QString& name);

    QString text() const { return m_text; }
    void setText(const QString& text);

    void setAlignment(Qt::Alignment a) { m_alignment = a; update(); }
    Qt::Alignment alignment() const { return m_alignment; }
    // A transparent label draws only its text; others fill their box first.
    void setTransparent(bool t) { m_transparent = t; update(); }
    bool isTransparent() const { return m_transparent; }
    // A label sized to its text grows and shrinks with it.
    void setAutoSize(bool a);
    void setBackground(const QColor& c) { m_background = c; update(); }
    QColor background() const { return m_background; }
    void setForeground(const QColor& c) { m_foreground = c; update(); }
    QColor foreground() const { return m_foreground; }

signals:
    void changed();

protected:
    void paintEvent(QPaintEvent*) override;

private:
    void fitToText();
    // The width the text may take: up to the first control laid over the label's right part.
    QSize spazioScoperto() const;

    QString m_text;
    Qt::Alignment m_alignment = Qt::AlignLeft;
    bool m_transparent = false;
    bool m_autoSize = false;
    QColor m_background;
    QColor m_foreground;
    CarattereAdattato m_adattato;
};

// A push button whose face is filled with its background colour, whatever the style.
class Button : public QAbstractButton {
    Q_OBJECT
public:
    Button(QWidget* parent, const QString& name, const QString& caption = QString());

    void setBackground(const QColor& c) { m_background = c; update(); }
    QColor background() const { return m_background; }
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
    QColor m_background;
    CarattereAdattato m_adattato;
    QBasicTimer m_pressione;   // runs only for the moment a press from the keyboard shows
};

// A frame: a container with a background, an optional etched border and caption.
// Its children are placed from its outer top-left corner.
class Frame : public QWidget {
    Q_OBJECT
public:
    Frame(QWidget* parent, const QString& name, const QString& caption = QString(), bool border = true);

    QString caption() const { return m_caption; }
    bool hasBorder() const { return m_border; }
    void setBackground(const QColor& c) { m_background = c; update(); }
    QColor background() const { return m_background; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QString m_caption;
    bool m_border;
    QColor m_background;
};

// A straight line between two points given in twips within its container.
class Line : public QWidget {
    Q_OBJECT
public:
    Line(QWidget* parent, const QString& name, int x1, int y1, int x2, int y2);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QPoint m_from;
    QPoint m_to;
};

// A drop-down list to choose from (no typing), filled with its background colour.
class DropDown : public QComboBox {
    Q_OBJECT
public:
    DropDown(QWidget* parent, const QString& name);

    void setBackground(const QColor& c);
    QColor background() const { return m_background; }
    // The open list in the list's own colour, not the style's.
    void showPopup() override;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QColor m_background;
};

// A filled rectangle with curved corners.
class RoundedBox : public QWidget {
    Q_OBJECT
public:
    RoundedBox(QWidget* parent, const QString& name, const QColor& fill, int borderWidth);
    QColor fill() const { return m_fill; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QColor m_fill;
    int m_borderWidth;
};

// A menu bar of top-level entries. Blank entries only space the bar: assistive
// technology is not offered them.
class BarraMenu : public QMenuBar {
    Q_OBJECT
public:
    explicit BarraMenu(QWidget* parent) : QMenuBar(parent) {}
};

// The classic height of a window's menu bar at 96 dpi, in pixels: the least it takes.
constexpr int MenuBarHeight = 19;

// A designed screen: a menu bar across the top, the client area of its designed size
// below it, the window fixed to their size, without a layout manager. The menu bar takes
// the height its font needs, measured when the window is first shown, and the window is
// then placed inside the screen's free area. Assistive technology sees a window named
// with its caption.
class Finestra : public QWidget {
    Q_OBJECT
public:
    explicit Finestra(Qt::WindowFlags flags = Qt::Window);
    ~Finestra() override;

    QMenuBar* menuBar() const { return m_barra; }
    // The client area: every designed control lies in it.
    Frame* superficie() const { return m_superficie; }

    // Builds the menu bar and a client area of clientWidth x clientHeight twips.
    void vesti(int clientWidth, int clientHeight);
    // Tab and Shift+Tab follow the reading order of the screen; call once the controls exist.
    void ordinaTabulazione();

protected:
    void showEvent(QShowEvent* e) override;

private:
    // The menu bar as high as its entries need, never lower than the classic height.
    void adattaBarra();
    // A window that the window system destroys outright is closed, as by its close box.
    void sorvegliaDistruzione();

    BarraMenu* m_barra = nullptr;
    Frame* m_superficie = nullptr;
    QSize m_cliente;
    bool m_collocata = false;
};

// A top-level menu entry, named as designed; a blank caption makes a spacer that does nothing.
QAction* menuEntry(QMenuBar* bar, const char* name, const QString& caption);

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
Label* label(QWidget* in, const char* name, int left, int top, int width, int height, const QString& text,
             const QFont& font, const QColor& colour, bool centred, bool transparent);
Button* button(QWidget* in, const char* name, int left, int top, int width, int height, const QString& caption,
               const QFont& font, const QColor& background);

} // namespace ui
