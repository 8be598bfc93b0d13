// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "regole/frasi.h"
#include "screens/layout_equivmul.h"

// The question and the answers on the exercise screen, in words for a screen reader, read
// from what the screen shows: whichever question, number or symbol, is on show.
namespace parole {

QString domanda(const ui::ControlliEquivMul& c);
// An answer on the side asked for: the number alone in a number question, the number shown
// with the unit of the answer in a symbol question.
QString risposta(const ui::ControlliEquivMul& c, const QString& risposta);
// The right answer, shown by the program, with the unit of its side.
QString rivelata(const ui::ControlliEquivMul& c, const QString& esatta);
// What the learner is to do next: answer, answer the help offer, or go on.
frasi::Passo passo(const ui::ControlliEquivMul& c);
// The counts and times shown in the statistics.
QString punteggio(const ui::ControlliEquivMul& c);

} // namespace parole
