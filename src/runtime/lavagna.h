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

// What the arguments ask for; the last --lavagna counts, anything else is left alone. A
// factor outside 0.5 to 8, or not a number, means the factor that fits.
Richiesta richiesta(int argc, const char* const argv[]);

// The largest factor (device pixels per pixel of the program) at which a window of `finestra`
// pixels, inside a frame of `cornice` device pixels that does not grow with it, fits an area
// of `area` device pixels; rounded down to a thousandth. 0 when no area is known.
double fattoreAdatto(QSize area, QMargins cornice, QSize finestra);

// Before the application is made: with the option, sets the scale factor that makes
// `finestra` (the largest screen, at its designed size) fit, multiplied into any the desktop
// set. Without it, returns at once.
void prepara(int argc, char* argv[], QSize finestra);

} // namespace lavagna
