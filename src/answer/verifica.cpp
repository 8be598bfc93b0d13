// SPDX-License-Identifier: GPL-3.0-or-later
#include "answer/verifica.h"

#include "answer/aiuto.h"
#include "regole/frasi.h"
#include "regole/istruzioni.h"
#include "regole/regole.h"
#include "regole/stato.h"
#include "regole/testo.h"
#include "runtime/servizi.h"

#include <QGuiApplication>
#include <QStyleHints>

Verifica::Verifica(ui::ControlliEquivMul& controlli, Aiuto& aiuto) : m_ui(controlli), m_aiuto(aiuto)
{
    QObject::connect(m_ui.CmdVerifica, &ui::Pulsante::clicked, m_ui.CmdVerifica, [this] { CmdVerifica_Click(); });
}

bool Verifica::appenaMostrataOperazione() const
{
    return m_operazioneMostrata.isValid() &&
           m_operazioneMostrata.elapsed() < QGuiApplication::styleHints()->mouseDoubleClickInterval();
}

void Verifica::CmdVerifica_Click()
{
    StatoProgramma& s = stato();
    Servizi& sv = servizi();
    m_ui.fraTastierino->setEnabled(false);
    m_ui.FraSimboli->setEnabled(false);

    const bool esatta = rispostaGiusta(s.RispostaEsatta, s.RispostaData, s.ValoreMaggiore, s.ValoreMinore);
    if (esatta) {
        sv.suona(sv.cartellaProgramma() + QStringLiteral("/positivo.wav"));
        m_ui.LblEsito->setText(QStringLiteral("Esatto"));
        ++s.NumeroEsatte;
        m_ui.lblRisEsatte->setText(testo::cifre(s.NumeroEsatte));
        m_ui.CmdOperazione->show();
        m_operazioneMostrata.start();
        m_ui.LblIstruzione->setText(istruzioni::NuovaDopoEsatta);
    } else {
        m_ui.LblEsito->setText(QStringLiteral("Errato"));
        ++s.NumeroErrate;
        m_ui.lblRisErrate->setText(testo::cifre(s.NumeroErrate));
        m_aiuto.OffriAiuto();
    }

    const Tempi t = tempiDellaVerifica(s.TempoInizio, static_cast<float>(sv.ora()), s.TempoTotale);
    s.TempoParziale = t.parziale;
    s.TempoTotale = t.totale;
    m_ui.LblTempoParziale->setText(t.testoParziale);
    m_ui.lblTempoTotale->setText(t.testoTotale);

    m_ui.fraTastierino->setEnabled(false);
    m_ui.CmdVerifica->hide();
    m_ui.avviso->annuncia(frasi::verifica(esatta ? frasi::Esito::Esatto : frasi::Esito::Errato));
}
