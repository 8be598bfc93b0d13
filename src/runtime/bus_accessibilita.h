// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QAccessibleInterface;

// The accessibility bus of Linux desktops (AT-SPI), beside what Qt's bridge tells it.
namespace bus_accessibilita {

// Tells assistive technology that an object is now visible, or no longer. Qt's bridge reports
// a widget shown or hidden as a change of "showing" only; a client that keeps the states of
// the objects it has seen (Orca does) keeps one first seen hidden invisible for good, and
// leaves it out of everything it reads of the screen. Nothing happens while no assistive
// technology is connected.
void segnalaVisibile(QAccessibleInterface* oggetto, bool visibile);

} // namespace bus_accessibilita
