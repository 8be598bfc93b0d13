// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "screens/layout_equivmul.h"

#include <QString>
#include <array>

// The three question kinds, in the order of the start screen's list: the list's text (the
// exercise's banner shows it after one blank), TipoCalcolo, the procedure that colours the
// exercise screen for the kind, and its colours.
struct TipoDiCalcolo {
    QString voce;
    short tipoCalcolo;
    void (*proprieta)();
    ui::SchemaColori schema;
};
const std::array<TipoDiCalcolo, 3>& tipiDiCalcolo();

// The colour schemes of the exercise screen, one for each kind. Each paints the screen
// and its frames, the help label and every button; the first touch loads the exercise
// screen if it is not loaded yet.
void propriet1();
void propriet2();
void propriet3();
