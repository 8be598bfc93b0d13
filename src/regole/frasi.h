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
// The verdict of a check, with the counts and the partial time as shown, and the next step.
QString verifica(bool esatta, long esatte, long errate, const QString& tempo);
// The answer the program shows, and the next step.
QString rivelata(const QString& numero, const QString& simbolo);
// After the help is declined: try again, and the question once more.
QString riprova(const QString& domanda);

inline const QString Cancellata = QStringLiteral("Risposta cancellata.");

} // namespace frasi
