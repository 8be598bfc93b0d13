// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

// Where the program's windows go on the desktop.
namespace collocazione {

// Places a window that is about to be shown inside the available area of its screen,
// frame and title bar included (the frame the desktop tells of: piattaforma::Desktop::cornice):
// centred along each side where it fits, against the area's top or left edge where it does
// not, so its title bar and menu stay in reach. A window that may change its size is first
// made small enough to fit, where its contents allow. Where the window system places windows
// itself (Wayland), only the size counts.
enum class Misura { Fissa, Variabile };
void colloca(QWidget* finestra, Misura misura = Misura::Fissa);

} // namespace collocazione
