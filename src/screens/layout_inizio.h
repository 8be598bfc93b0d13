// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/accessibilita.h"
#include "kit/barra_menu.h"
#include "kit/caratteri.h"
#include "kit/controlli.h"
#include "kit/finestra.h"

class QAction;

namespace ui {

// The controls of the start screen, named as designed. crea() builds them in their
// designed places in a window; the screen owns them and no one else touches them.
struct ControlliInizio {
    static ControlliInizio crea(Finestra* finestra);

    Cornice* frmTitolo;
    Etichetta *Label4, *Label2, *Label6, *Label5, *Label3;
    Sagoma *Shape2, *Shape1;
    Tendina* Combo1;
    Cornice* Frame1;
    Pulsante *Command1, *Command3, *Command5, *Command9;
    QWidget *Image1_0, *Image1_7;
    QAction *MnuEsci, *mnuVuoto, *mnuInfo, *vuoto1, *mnuAvvertenza;
    // What the screen says to a screen reader.
    Avviso* avviso;

    // Reads the pointer of the four buttons of Frame1, once the screen is on show.
    void caricaPuntatore();

private:
    void costruisci(Finestra* finestra);
};

} // namespace ui
