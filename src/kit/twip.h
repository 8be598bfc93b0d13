// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

// Positions and sizes as designed, in twips.
namespace ui {

constexpr int TwipPerPixel = 15;
constexpr int px(int twips) { return (twips + TwipPerPixel / 2) / TwipPerPixel; }
// Places w at Left, Top, Width, Height given in twips, inside its container.
inline void posiziona(QWidget* w, int sinistra, int alto, int larghezza, int altezza)
{
    w->setGeometry(px(sinistra), px(alto), px(larghezza), px(altezza));
}

} // namespace ui
