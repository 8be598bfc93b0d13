// Checking an answer: verdict, sound, counts and times.
#include "exercise/frm_equivmul.h"
#include "exercise/stato.h"
#include "runtime/servizi.h"
#include "runtime/testo.h"

namespace {
constexpr double SecondiInUnGiorno = 24 * 60 * 60;
}

void FrmEquivMul::CmdVerifica_Click()
{
    StatoProgramma& s = stato();
    Services& sv = services();
    fraTastierino->setEnabled(false);
    FraSimboli->setEnabled(false);

    if (testo::trim(s.RispostaEsatta) == testo::trim(s.RispostaData)) {
        sv.playSound(sv.programFolder() + QStringLiteral("/positivo.wav"));
        LblEsito->setText(QStringLiteral("Esatto"));
        ++s.NumeroEsatte;
        lblRisEsatte->setText(testo::digits(s.NumeroEsatte));
        CmdOperazione->show();
        LblIstruzione->setText(QStringLiteral(" Clicca sul pulsante Nuova trasformazione"));
    } else {
        LblEsito->setText(QStringLiteral("Errato"));
        ++s.NumeroErrate;
        lblRisErrate->setText(testo::digits(s.NumeroErrate));
        OffriAiuto();
    }

    const float tempoVerifica = static_cast<float>(sv.timer());
    float trascorso = tempoVerifica - s.TempoInizio;
    // The clock restarts at midnight: a check made across it would otherwise go back in time.
    if (trascorso < 0)
        trascorso += static_cast<float>(SecondiInUnGiorno);
    s.TempoParziale = testo::floorValue(trascorso);
    const QString testoTempoParziale = testo::numberToText(s.TempoParziale);
    s.TempoTotale += s.TempoParziale;
    const QString testoTempoTotale = testo::numberToText(s.TempoTotale);
    LblTempoParziale->setText(s.TempoParziale <= 99 ? testoTempoParziale : QStringLiteral("99"));
    lblTempoTotale->setText(s.TempoTotale <= 999 ? testoTempoTotale : QStringLiteral("999"));

    fraTastierino->setEnabled(false);
    CmdVerifica->hide();
}
