// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAction>
#include <QPointer>
#include <QWidget>

class QStyleOptionMenuItem;

namespace ui {

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
    // The keyboard has just entered the bar and not moved yet.
    bool appenaEntrata() const { return m_appenaEntrata && voceAttiva(); }

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
    enum class Evidenza { Sopra, Premuta };
    void evidenzia(QAction* voce, Evidenza evidenza = Evidenza::Sopra);
    // From the keyboard: the next entry that can be triggered, `passo` entries on, round the bar.
    void vaiA(int passo);

    mutable QList<QRect> m_rettangoli; // one per action, laid out on first need
    mutable bool m_disposta = false;
    QAction* m_evidenziata = nullptr;
    bool m_premuta = false;
    QPointer<QWidget> m_primaDellaBarra; // where the focus goes back to
    bool m_appenaEntrata = false;
};

// A top-level menu entry, named as designed; a blank caption makes a spacer that does nothing.
// `parole`, when given, is what a screen reader says for a caption a voice drops ("?").
QAction* voceMenu(BarraMenu* barra, const char* nome, const QString& didascalia, const QString& parole = {});
// The property of an entry that holds those words.
inline constexpr char NomeDaDire[] = "ui_nomeDaDire";

} // namespace ui
