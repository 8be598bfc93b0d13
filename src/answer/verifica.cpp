#include "answer/verifica.h"

#include "answer/aiuto.h"
#include "regole/regole.h"
#include "regole/frasi.h"
#include "regole/istruzioni.h"
#include "regole/stato.h"
#include "runtime/servizi.h"
#include "regole/testo.h"

#include <QGuiApplication>
#include <QStyleHints>

Verifica::Verifica(ui::ControlliEquivMul& controlli, Aiuto& aiuto) : c(controlli), m_aiuto(aiuto)
{
    QObject::connect(c.CmdVerifica, &ui::Pulsante::clicked, c.CmdVerifica, [this] { CmdVerifica_Click(); });
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
    c.fraTastierino->setEnabled(false);
    c.FraSimboli->setEnabled(false);

    const bool esatta = rispostaGiusta(s.RispostaEsatta, s.RispostaData, s.ValoreMaggiore, s.ValoreMinore);
    if (esatta) {
        sv.suona(sv.cartellaProgramma() + QStringLiteral("/positivo.wav"));
        c.LblEsito->setText(QStringLiteral("Esatto"));
        ++s.NumeroEsatte;
        c.lblRisEsatte->setText(testo::cifre(s.NumeroEsatte));
        c.CmdOperazione->show();
        m_operazioneMostrata.start();
        c.LblIstruzione->setText(istruzioni::NuovaDopoEsatta);
    } else {
        c.LblEsito->setText(QStringLiteral("Errato"));
        ++s.NumeroErrate;
        c.lblRisErrate->setText(testo::cifre(s.NumeroErrate));
        m_aiuto.OffriAiuto();
    }

    const Tempi t = tempiDellaVerifica(s.TempoInizio, static_cast<float>(sv.ora()), s.TempoTotale);
    s.TempoParziale = t.parziale;
    s.TempoTotale = t.totale;
    c.LblTempoParziale->setText(t.testoParziale);
    c.lblTempoTotale->setText(t.testoTotale);

    c.fraTastierino->setEnabled(false);
    c.CmdVerifica->hide();
    c.avviso->annuncia(frasi::verifica(esatta, s.NumeroEsatte, s.NumeroErrate, t.testoParziale));
}
