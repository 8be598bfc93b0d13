#include "answer/aiuto.h"

#include "answer/parole.h"
#include "regole/regole.h"
#include "regole/frasi.h"
#include "regole/istruzioni.h"
#include "regole/stato.h"
#include "runtime/servizi.h"

#include <QAction>

Aiuto::Aiuto(ui::ControlliEquivMul& controlli) : c(controlli)
{
    QObject::connect(c.Cmdsi, &ui::Pulsante::clicked, c.Cmdsi, [this] { Cmdsi_Click(); });
    QObject::connect(c.Cmdno, &ui::Pulsante::clicked, c.Cmdno, [this] { Cmdno_Click(); });
    QObject::connect(c.mnuQuadro, &QAction::triggered, c.mnuQuadro, [this] { mnuQuadro_Click(); });
}

void Aiuto::OffriAiuto()
{
    c.frmAiuto->show();
    c.LblIstruzione->setText(istruzioni::SiONo);
}

void Aiuto::Cmdsi_Click()
{
    const QString& esatta = stato().RispostaEsatta;
    c.LblRisultato->setText(esatta);
    c.lblRisultatoS->setText(esatta);
    c.lblHelp->show();
    c.lblHelpS->show();
    c.lblHelp->setText(istruzioni::MyHelp);
    c.lblHelpS->setText(istruzioni::MyHelp);
    c.LblEsito->setText(QString());
    c.LblIstruzione->setText(istruzioni::Nuova);
    c.frmAiuto->hide();
    c.CmdOperazione->show();
    c.CmdVerifica->hide();
    c.avviso->annuncia(parole::rivelata(c, esatta));
}

void Aiuto::Cmdno_Click()
{
    StatoProgramma& s = stato();
    c.frmAiuto->hide();
    c.fraTastierino->setEnabled(true);
    const Rifiuto r = rifiutaAiuto(s.NumeroTentativi);
    s.NumeroTentativi = r.tentativi;
    if (r.intervengo) {
        c.LblIstruzione->setText(QString());
        servizi().messaggio(QStringLiteral("Hai già fatto 3 tentativi. \rOra intervengo io. "),
                              Servizi::StileInformazione, QStringLiteral("Attenzione"));
        c.LblRisultato->setText(s.RispostaEsatta);
        c.lblRisultatoS->setText(s.RispostaEsatta);
        c.lblHelp->setText(istruzioni::MyHelp);
        c.lblHelpS->setText(istruzioni::MyHelp);
        c.CmdOperazione->show();
        c.LblIstruzione->setText(istruzioni::Nuova);
        c.avviso->annuncia(parole::rivelata(c, s.RispostaEsatta));
    } else {
        c.lblHelp->setText(QString());
        c.lblHelpS->setText(QString());
        c.LblIstruzione->setText(istruzioni::Tastierino);
        c.CmdVerifica->hide();
        c.FraSimboli->setEnabled(true);
        c.fraTastierino->setEnabled(true);
        c.frmAiuto->hide();
        c.LblRisultato->setText(QStringLiteral("?"));
        c.lblRisultatoS->setText(QStringLiteral("?"));
        s.RispostaData.clear();
        c.avviso->annuncia(frasi::riprova(parole::domanda(c)));
    }
    c.CmdVerifica->hide();
    c.LblEsito->setText(QString());
    s.RispostaData.clear();
}

void Aiuto::mnuQuadro_Click() { avviaCompagno(QStringLiteral("quadro.exe")); }
