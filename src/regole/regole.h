// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The rules behind a check and the help offer, over plain values: the handlers that
// run the steps on the screen call them.

// Whether the entry answers the question that expects `esatta` and states the mass as
// `valoreMaggiore` and `valoreMinore`: both texts without blanks at their ends, equal
// character for character. Texts, not numbers: "2,50" is not "2,5". One exception: a
// symbol question about the mass zero ("0 hg = 0 ?") is true of every unit, so any unit
// symbol is right there.
bool rispostaGiusta(const QString& esatta, const QString& data, const QString& valoreMaggiore,
                    const QString& valoreMinore);

// The times of one check.
struct Tempi {
    double parziale;       // whole seconds from the question on screen to the check
    double totale;         // the exercise's total with this answer added
    QString testoParziale; // what the partial time shows: its number, capped at "99"
    QString testoTotale;   // what the total shows: its number, capped at "999"
};
// A check at `verifica` of the question shown at `inizio` (seconds since midnight, as
// read), in an exercise whose answers took `totalePrima` seconds so far. A check made
// across midnight counts the whole day back in, so time never runs backwards.
Tempi tempiDellaVerifica(float inizio, float verifica, double totalePrima);

// A declined help offer.
struct Rifiuto {
    long tentativi;  // declined offers on this question, after this one
    bool intervengo; // the third: the program shows the answer itself
};
Rifiuto rifiutaAiuto(long tentativiPrima);
