// The help offer after a wrong answer, the three-attempt rule and the table of units.
#include "exercise/frm_equivmul.h"
#include "exercise/stato.h"
#include "runtime/servizi.h"

namespace {
const QString MyHelp = QStringLiteral("My help");
const QString IstruzioneNuova = QStringLiteral("Clicca sul pulsante Nuova trasformazione");
} // namespace

void FrmEquivMul::OffriAiuto()
{
    frmAiuto->show();
    LblIstruzione->setText(QStringLiteral("Clicca sul pulsante Sì o sul pulsante No"));
}

void FrmEquivMul::Cmdsi_Click()
{
    const QString& esatta = stato().RispostaEsatta;
    LblRisultato->setText(esatta);
    lblRisultatoS->setText(esatta);
    lblHelp->show();
    lblHelpS->show();
    lblHelp->setText(MyHelp);
    lblHelpS->setText(MyHelp);
    LblEsito->setText(QString());
    LblIstruzione->setText(IstruzioneNuova);
    frmAiuto->hide();
    CmdOperazione->show();
    CmdVerifica->hide();
}

void FrmEquivMul::Cmdno_Click()
{
    StatoProgramma& s = stato();
    frmAiuto->hide();
    fraTastierino->setEnabled(true);
    ++s.NumeroTentativi;
    if (s.NumeroTentativi == 3) {
        s.NumeroTentativi = 0;
        LblIstruzione->setText(QString());
        services().messageBox(QStringLiteral("Hai già fatto 3 tentativi. \rOra intervengo io. "),
                              Services::StyleInformation, QStringLiteral("Attenzione"));
        LblRisultato->setText(s.RispostaEsatta);
        lblRisultatoS->setText(s.RispostaEsatta);
        lblHelp->setText(MyHelp);
        lblHelpS->setText(MyHelp);
        CmdOperazione->show();
        LblIstruzione->setText(IstruzioneNuova);
    } else {
        lblHelp->setText(QString());
        lblHelpS->setText(QString());
        LblIstruzione->setText(
            QStringLiteral("Clicca sul tastierino fino a completare il risultato. Poi clicca su Verifica"));
        CmdVerifica->hide();
        FraSimboli->setEnabled(true);
        fraTastierino->setEnabled(true);
        frmAiuto->hide();
        LblRisultato->setText(QStringLiteral("?"));
        lblRisultatoS->setText(QStringLiteral("?"));
        s.RispostaData.clear();
    }
    CmdVerifica->hide();
    LblEsito->setText(QString());
    s.RispostaData.clear();
}

void FrmEquivMul::mnuQuadro_Click()
{
    if (!services().startProgram(QStringLiteral("quadro.exe"), Services::WindowNormalFocus))
        services().messageBox(QStringLiteral("File mancante"), Services::StyleOkOnly);
}
