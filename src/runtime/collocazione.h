#pragma once

#include <QMargins>

class QWidget;

// Where the program's windows go on the desktop.
namespace collocazione {

// Places a window that is about to be shown inside the available area of its screen,
// frame and title bar included: centred along each side where it fits, against the
// area's top or left edge where it does not, so its title bar and menu stay in reach.
// A window that may change its size is first made small enough to fit, where its
// contents allow.
void colloca(QWidget* finestra, bool ridimensionabile = false);

// The frame the window manager puts around a titled window of ours (none around a
// frameless one). On X11 it is asked of the window manager before the window is mapped,
// once per run; elsewhere, or without an answer, there is none.
QMargins cornice(QWidget* finestra);

// Asks the window manager, ahead of time, for the frame it puts around a titled window:
// the first titled window shown later finds the answer waiting instead of waiting for it.
void chiediCornice();

} // namespace collocazione
