// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/twip.h"

#include <QWidget>

class StrisciaTitolo;

namespace ui {

class Avviso;
class BarraMenu;
class Cornice;

// The classic height of a window's menu bar at 96 dpi, in pixels: the least it takes.
constexpr int AltezzaBarraMenu = 19;
// A screen whose client area is larghezza x altezza twips, as tall as it may be before its menu
// bar has measured its font: the classic height and the few pixels more that a face other than
// the designed one takes. No title bar of its own.
constexpr QSize misuraFinestra(int larghezza, int altezza)
{
    return {px(larghezza), AltezzaBarraMenu + 4 + px(altezza)};
}

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

    // Builds the menu bar and a client area of larghezza x altezza twips.
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
    void changeEvent(QEvent* e) override;
    // F10, or Alt pressed and released alone, takes the keyboard to the menu bar and back.
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;

private:
    // The menu bar as high as its entries need, never lower than the classic height.
    void adattaBarra();
    // A window that the window system destroys outright is closed, as by its close box.
    void sorvegliaDistruzione();

    StrisciaTitolo* m_titolo = nullptr; // only where nobody else draws title bars
    BarraMenu* m_barra = nullptr;
    Cornice* m_superficie = nullptr;
    Avviso* m_avviso = nullptr;
    bool m_altDaSolo = false;
    QSize m_cliente;
    bool m_collocata = false;
    bool m_dipinta = false;
};

} // namespace ui
