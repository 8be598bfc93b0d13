// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <array>

// The program-wide state: it lives for the whole run and is shared by the start screen
// and the exercise screen. Loading the exercise screen gives the counters, the times and
// the question number a fresh value at each opening.
struct StatoProgramma {
    // The learner's choices (start screen).
    short Direzione = 0; // 1 larger to smaller, 2 smaller to larger, 3 both
    QString TestoDirezione;
    short TipoCalcolo = 0;  // 1 numbers, 2 symbols, 3 either; 0 until the first opening
    QString ColorePulsanti; // last button colour, as decimal text

    // The question on screen.
    std::array<QString, 8> SimboliUnita; // positions 1 to 7; 0 unused
    short Estrazione = 0;
    QString UnitaMaggiore;
    QString UnitaMinore;
    short Distanza = 0;
    float NumeroBase = 0;
    QString ValoreMaggiore;
    QString ValoreMinore;
    QString RispostaEsatta;
    QString RispostaData;
    short LunghezzaMax = 0;
    float TempoInizio = 0;

    // Score and times of the exercise.
    long NumeroOperazione = 0;
    long NumeroTentativi = 0;
    long NumeroEsatte = 0;
    long NumeroErrate = 0;
    double TempoParziale = 0; // whole seconds
    double TempoTotale = 0;   // whole seconds
};

StatoProgramma& stato();
