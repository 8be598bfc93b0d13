// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <Qt>

// What a physical key asks of the exercise screen. The screen presses the matching
// on-screen control, which does nothing unless a click on it could.
enum class Comando {
    Nessuno,
    Cifra, // valore: the digit
    Virgola,
    Cancella, // the "Cancella" of the input frame on show
    Conferma, // the main button on show: "Verifica" or "Nuova trasformazione"
    Si,
    No,
    Simbolo, // valore: position of the unit symbol, 1 " kg" to 7 " mg"
    Esci,
    Attesa, // a "d": nothing yet, the next letter says which symbol
    // Said to a screen reader, nothing pressed:
    Ripeti,    // the question and the next step
    Punteggio, // the counts and times
    Tasti,     // the keys
};

struct Richiesta {
    Comando comando = Comando::Nessuno;
    int valore = 0;

    bool operator==(const Richiesta&) const = default;
};

// The key map of the exercise screen. Letters pick unit symbols; "d" waits for its second
// letter ("a" for dag, "g" for dg), and any other key drops it. A key held down asks for
// nothing more after its first press, and keys with Ctrl, Alt or Meta are left to the desktop.
class MappaTasti {
public:
    Richiesta traduci(int tasto, Qt::KeyboardModifiers modificatori, bool ripetuto);

private:
    bool m_dInAttesa = false;
};
