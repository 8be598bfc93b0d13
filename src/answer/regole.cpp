#include "answer/regole.h"

#include "runtime/testo.h"

namespace {
constexpr float SecondiInUnGiorno = 24 * 60 * 60;
constexpr double MassimoParziale = 99;
constexpr double MassimoTotale = 999;
constexpr long TentativiPrimaDiIntervenire = 3;
} // namespace

bool rispostaGiusta(const QString& esatta, const QString& data) { return testo::senzaSpazi(esatta) == testo::senzaSpazi(data); }

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
