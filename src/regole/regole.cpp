// SPDX-License-Identifier: GPL-3.0-or-later
#include "regole/regole.h"

#include "regole/testo.h"

#include <algorithm>

namespace {
constexpr float SecondiInUnGiorno = 24 * 60 * 60;
constexpr double MassimoParziale = 99;
constexpr double MassimoTotale = 999;
constexpr long TentativiPrimaDiIntervenire = 3;
} // namespace

namespace {
// A unit symbol, as the symbol buttons enter it: letters only, once trimmed. Quantity
// texts hold digits and a comma.
bool simbolo(const QString& t)
{
    const QString s = testo::senzaSpazi(t);
    return !s.isEmpty() && std::all_of(s.begin(), s.end(), [](QChar c) { return c.isLetter(); });
}
} // namespace

bool rispostaGiusta(const QString& esatta, const QString& data, const QString& valoreMaggiore,
                    const QString& valoreMinore)
{
    const QString zero = QStringLiteral("0");
    if (simbolo(esatta) && testo::senzaSpazi(valoreMaggiore) == zero && testo::senzaSpazi(valoreMinore) == zero)
        return simbolo(data);
    return testo::senzaSpazi(esatta) == testo::senzaSpazi(data);
}

Tempi tempiDellaVerifica(float inizio, float verifica, double totalePrima)
{
    float trascorso = verifica - inizio;
    if (trascorso < 0)
        trascorso += SecondiInUnGiorno;
    Tempi t;
    t.parziale = testo::parteIntera(trascorso);
    t.totale = totalePrima + t.parziale;
    // The caps are on what is shown; the values themselves go on growing.
    t.testoParziale = t.parziale <= MassimoParziale ? testo::numeroInTesto(t.parziale) : QStringLiteral("99");
    t.testoTotale = t.totale <= MassimoTotale ? testo::numeroInTesto(t.totale) : QStringLiteral("999");
    return t;
}

Rifiuto rifiutaAiuto(long tentativiPrima)
{
    const long tentativi = tentativiPrima + 1;
    if (tentativi == TentativiPrimaDiIntervenire)
        return {0, true};
    return {tentativi, false};
}
