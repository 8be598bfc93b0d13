// SPDX-License-Identifier: GPL-3.0-or-later
#include "answer/aiuto.h"

#include "answer/parole.h"
#include "regole/frasi.h"
#include "regole/istruzioni.h"
#include "regole/regole.h"
#include "regole/stato.h"
#include "runtime/servizi.h"

#include <QAction>

Aiuto::Aiuto(ui::ControlliEquivMul& controlli) : m_ui(controlli)
{
    QObject::connect(m_ui.Cmdsi, &ui::Pulsante::clicked, m_ui.Cmdsi, [this] { Cmdsi_Click(); });
    QObject::connect(m_ui.Cmdno, &ui::Pulsante::clicked, m_ui.Cmdno, [this] { Cmdno_Click(); });
    QObject::connect(m_ui.mnuQuadro, &QAction::triggered, m_ui.mnuQuadro, [this] { mnuQuadro_Click(); });
}

void Aiuto::OffriAiuto()
{
    m_ui.frmAiuto->show();
    m_ui.LblIstruzione->setText(istruzioni::SiONo);
}

void Aiuto::Cmdsi_Click()
{
    const QString& esatta = stato().RispostaEsatta;
    m_ui.LblRisultato->setText(esatta);
    m_ui.lblRisultatoS->setText(esatta);
    m_ui.lblHelp->show();
    m_ui.lblHelpS->show();
    m_ui.lblHelp->setText(istruzioni::MyHelp);
    m_ui.lblHelpS->setText(istruzioni::MyHelp);
    m_ui.LblEsito->setText(QString());
    m_ui.LblIstruzione->setText(istruzioni::Nuova);
    m_ui.frmAiuto->hide();
    m_ui.CmdOperazione->show();
    m_ui.CmdVerifica->hide();
    m_ui.avviso->annuncia(parole::rivelata(m_ui, esatta));
}

void Aiuto::Cmdno_Click()
{
    StatoProgramma& s = stato();
    m_ui.frmAiuto->hide();
    m_ui.fraTastierino->setEnabled(true);
    const Rifiuto r = rifiutaAiuto(s.NumeroTentativi);
    s.NumeroTentativi = r.tentativi;
    if (r.intervengo) {
        m_ui.LblIstruzione->setText(QString());
        servizi().messaggio(QStringLiteral("Hai già fatto 3 tentativi. \rOra intervengo io. "),
                            StileMessaggio::Informazione, QStringLiteral("Attenzione"));
        m_ui.LblRisultato->setText(s.RispostaEsatta);
        m_ui.lblRisultatoS->setText(s.RispostaEsatta);
        m_ui.lblHelp->setText(istruzioni::MyHelp);
        m_ui.lblHelpS->setText(istruzioni::MyHelp);
        m_ui.CmdOperazione->show();
        m_ui.LblIstruzione->setText(istruzioni::Nuova);
        m_ui.avviso->annuncia(parole::rivelata(m_ui, s.RispostaEsatta));
    } else {
        m_ui.lblHelp->setText(QString());
        m_ui.lblHelpS->setText(QString());
        m_ui.LblIstruzione->setText(istruzioni::Tastierino);
        m_ui.CmdVerifica->hide();
        m_ui.FraSimboli->setEnabled(true);
        m_ui.fraTastierino->setEnabled(true);
        m_ui.frmAiuto->hide();
        m_ui.LblRisultato->setText(QStringLiteral("?"));
        m_ui.lblRisultatoS->setText(QStringLiteral("?"));
        s.RispostaData.clear();
        m_ui.avviso->annuncia(frasi::riprova(parole::domanda(m_ui)));
    }
    m_ui.CmdVerifica->hide();
    m_ui.LblEsito->setText(QString());
    s.RispostaData.clear();
}

void Aiuto::mnuQuadro_Click() { avviaCompagno(QStringLiteral("quadro.exe")); }
