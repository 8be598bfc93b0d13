// SPDX-License-Identifier: GPL-3.0-or-later
#include "answer/parole.h"

#include "regole/frasi.h"

namespace parole {

namespace {
bool numero(const ui::ControlliEquivMul& c) { return !c.fraNumero->isHidden(); }
} // namespace

QString domanda(const ui::ControlliEquivMul& c)
{
    return numero(c) ? frasi::domanda(c.Label4->text(), c.Label11->text(), frasi::Incognita::Numero)
                     : frasi::domanda(c.Label4S->text(), c.label11S->text(), frasi::Incognita::Simbolo);
}

QString risposta(const ui::ControlliEquivMul& c, const QString& r)
{
    return numero(c) ? frasi::numero(r) : frasi::quantita(c.label11S->text(), r);
}

QString rivelata(const ui::ControlliEquivMul& c, const QString& esatta)
{
    return numero(c) ? frasi::rivelata(esatta, c.Label11->text()) : frasi::rivelata(c.label11S->text(), esatta);
}

frasi::Passo passo(const ui::ControlliEquivMul& c)
{
    if (!c.frmAiuto->isHidden())
        return frasi::Passo::Aiuto;
    if (!c.CmdOperazione->isHidden())
        return frasi::Passo::Nuova;
    return numero(c) ? frasi::Passo::Numero : frasi::Passo::Simbolo;
}

QString punteggio(const ui::ControlliEquivMul& c)
{
    const auto conta = [](const ui::Etichetta* l) { return l->text().trimmed().toLong(); };
    return frasi::punteggio(conta(c.lblRisEsatte), conta(c.lblRisErrate), c.LblTempoParziale->text(),
                            c.lblTempoTotale->text());
}

} // namespace parole
