// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>

// Who the program is to the desktop, the same for the drill and its companions.
namespace identita {

// Names the program after its desktop entry: the window class on X11 and the application
// id on Wayland, by which docks and task bars tie its windows to its launcher.
void dichiara();

// The program's icon, drawn for each size a window manager shows: 16 to 64 px.
QIcon icona();

// One of the program's pictures, read with its format named ("XPM", "PNG"). Left to guess,
// or even told the format, Qt would first load every image plug-in it has, and their
// libraries, to ask each whether it reads the file.
QPixmap immagine(const QString& risorsa, const char* formato);

} // namespace identita
