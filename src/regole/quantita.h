// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>

// Source of random values 0 <= r < 1.
using FonteCasuale = std::function<float()>;

// The unit pair, step count and quantity generator that a draw selects.
struct Coppia {
    int maggiore = 0;   // position of the larger unit in the symbol table (1 to 3)
    int minore = 0;     // position of the smaller unit (2 to 4)
    short distanza = 0; // decimal steps between them (1 to 3)
    int generatore = 0; // 1 to 18
};

// Draws 1 to 100; anything else gives an empty pair (generatore 0).
Coppia coppiaPerEstrazione(int estrazione);

// Quantity generator 1 to 18. Draws n (redrawing where the generator must avoid a
// multiple of ten) and writes, in this order, numeroBase, valoreMaggiore and, for a
// distance of 1, 2 or 3 only, valoreMinore. Any other generator number changes nothing.
void generaQuantita(int generatore, short distanza, const FonteCasuale& casuale, float& numeroBase,
                    QString& valoreMaggiore, QString& valoreMinore);

// What a question asks for.
enum class Presentazione { Nessuna, NumeroMinore, NumeroMaggiore, SimboloMinore, SimboloMaggiore };

// The presentation for a kind and a direction; takes a random value only where the
// choice is open, and none for a kind or direction outside 1 to 3.
Presentazione sceltaPresentazione(int tipoCalcolo, int direzione, const FonteCasuale& casuale);
