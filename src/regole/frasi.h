// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// What a screen reader says at each step of an exercise, in words: numbers with "virgola",
// unit symbols as the names of the units. Plain texts in, a sentence out; every sentence
// the exercise speaks is made here.
namespace frasi {

// " kg" -> "chilogrammi"; for a quantity of exactly "1", "chilogrammo". A text that is no
// unit symbol stays as it is.
QString unita(const QString& simbolo, const QString& quantita = QString());
// "8,5" -> "8 virgola 5".
QString numero(const QString& quantita);
// "83", " hg" -> "83 ettogrammi".
QString quantita(const QString& numero, const QString& simbolo);

// The question on show. `dato` is the given side as shown, a quantity text and its symbol
// ("83 kg"); `altro` is the other side as shown: the symbol of the unit asked for (" hg")
// in a number question, the number (" 5" or "5") in a symbol question; `incognita`, what
// the learner works out.
enum class Incognita { Numero, Simbolo };
QString domanda(const QString& dato, const QString& altro, Incognita incognita);
// What the learner is to do next, as the screen shows it.
enum class Passo {
    Numero,  // write the number asked for, then check it
    Simbolo, // choose the unit asked for, then check it
    Aiuto,   // answer the help offer
    Nuova,   // the answer is settled: on to a new question
};
// The next step in a few words: "Invio: nuova domanda."
QString passo(Passo p);

// The verdict of a check, and the next step alone; the counts and times are said on demand.
enum class Esito { Esatto, Errato };
QString verifica(Esito esito);
// The counts and times as shown: "Punteggio: esatte 3, errate 1. Ultima risposta 12 secondi,
// in tutto 40 secondi."
QString punteggio(long esatte, long errate, const QString& parziale, const QString& totale);
// Leaving an exercise: its score.
QString fine(long esatte, long errate);
// The answer the program shows, and the next step.
QString rivelata(const QString& numero, const QString& simbolo);
// After the help is declined: try again, and the question once more.
QString riprova(const QString& domanda);
// The question once more, and what to do.
QString ripeti(const QString& domanda, Passo p);

// What a key asks for, in the words of why it does nothing now and what to do instead.
enum class Richiesta { Cifra, Simbolo, Verifica, Cancella, SiONo };
QString inutile(Richiesta r, Passo p);

// The keys, told on demand: on the exercise screen and on the start screen.
QString tastiEsercizio();
QString tastiInizio();
// Said once when the program starts.
QString benvenuto(const QString& scelta);

inline const QString Cancellata = QStringLiteral("Risposta cancellata.");

} // namespace frasi
