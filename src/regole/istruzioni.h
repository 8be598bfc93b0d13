// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The sentences of the instruction line and the mark of a shown answer. The question
// cycle, the entry, the check and the help all write them; each lives here once.
namespace istruzioni {

inline const QString Tastierino = QStringLiteral(
    "Clicca sul tastierino fino a completare il risultato. Poi clicca su Verifica");
inline const QString Verifica = QStringLiteral("Clicca sul pulsante Verifica");
inline const QString Nuova = QStringLiteral("Clicca sul pulsante Nuova trasformazione");
// After a right answer the same sentence begins with a blank.
inline const QString NuovaDopoEsatta = QStringLiteral(" Clicca sul pulsante Nuova trasformazione");
inline const QString SiONo = QStringLiteral("Clicca sul pulsante Sì o sul pulsante No");

// Beside an answer that the program has shown.
inline const QString MyHelp = QStringLiteral("My help");

} // namespace istruzioni
