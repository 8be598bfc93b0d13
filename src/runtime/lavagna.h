// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMargins>
#include <QSize>

// Whiteboard mode: every window of the program larger by one factor, so that the exercise
// screen fills a classroom's screen. Asked for on the command line, with --lavagna (the
// factor that fits the screen) or --lavagna=<factor> (1.5 or 1,5); without it nothing
// changes. The factor is Qt's scale factor, set before the application is made: fonts are
// drawn at the scaled size, and the companions the program starts inherit it.
namespace lavagna {

struct Richiesta {
    bool attiva = false;
    double fattore = 0; // 0: the factor that fits the screen
};

// The largest factor (device pixels per pixel of the program) at which a window of `finestra`
// pixels, inside a frame of `cornice` device pixels that does not grow with it, fits an area
// of `area` device pixels; rounded down to a thousandth. 0 when no area is known.
double fattoreAdatto(QSize area, QMargins cornice, QSize finestra);

// Before the application is made: as `richiesta` asks, sets the scale factor that makes
// `finestra` (the largest screen, at its designed size) fit, multiplied into any the desktop
// set; a factor asked for that would not fit is lowered to the one that does, with a line
// saying so. Without the option, returns at once.
void prepara(const Richiesta& richiesta, int argc, char* argv[], QSize finestra);

} // namespace lavagna
