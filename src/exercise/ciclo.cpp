// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/ciclo.h"

#include "answer/parole.h"
#include "regole/frasi.h"
#include "regole/istruzioni.h"
#include "regole/quantita.h"
#include "regole/stato.h"
#include "regole/testo.h"
#include "regole/unita.h"
#include "runtime/servizi.h"

CicloDomande::CicloDomande(ui::ControlliEquivMul& controlli) : m_ui(controlli) {}

void CicloDomande::Form_Load(QWidget* finestra)
{
    StatoProgramma& s = stato();
    finestra->setWindowTitle(QStringLiteral("TRASFORMAZIONI CON LE MISURE DI MASSA  kg  hg  dag  g"));
    // Heard before every question it opens on: short, and the symbols in words.
    finestra->setAccessibleName(QStringLiteral("Trasformazioni, da chilogrammi a grammi"));
    m_ui.Label1->impostaSfondo(ui::rgb(255, 240, 150));
    m_ui.Label2->impostaSfondo(ui::rgb(250, 200, 110));
    m_ui.Label2->impostaInchiostro(ui::rgb(128, 0, 0));
    m_ui.Label2->setText(s.TestoDirezione);

    s.NumeroErrate = 0;
    s.NumeroEsatte = 0;
    s.NumeroOperazione = 1;
    m_ui.LblOperazione->setText(testo::cifre(s.NumeroOperazione));
    s.TempoTotale = 0;
    s.TempoParziale = 0;
    s.NumeroTentativi = 0;

    // Emptying the labels runs their change rule, which may show CmdVerifica;
    // it is hidden again right after.
    m_ui.lblRisultatoS->setText(QString());
    m_ui.LblRisultato->setText(QString());
    s.RispostaData.clear();

    m_ui.lblHelp->hide();
    m_ui.lblHelpS->hide();
    m_ui.CmdOperazione->hide();
    m_ui.CmdVerifica->hide();

    // " kg" to " mg": each symbol after one blank.
    static_assert(std::size(misure::ElencoUnita) + 1 == std::tuple_size_v<decltype(s.SimboliUnita)>);
    s.SimboliUnita = {};
    for (std::size_t i = 0; i < std::size(misure::ElencoUnita); ++i)
        s.SimboliUnita.at(i + 1) = QLatin1Char(' ') + QLatin1String(misure::ElencoUnita[i].simbolo);
    const auto simboli = m_ui.simboli();
    for (std::size_t i = 0; i < simboli.size(); ++i) {
        simboli[i]->setText(s.SimboliUnita.at(i + 1));
        simboli[i]->setAccessibleName(frasi::unita(s.SimboliUnita.at(i + 1)));
    }

    s.LunghezzaMax = 7;
    NuovaOperazione();
}

void CicloDomande::NuovaOperazione()
{
    StatoProgramma& s = stato();
    Servizi& sv = servizi();
    sv.inizializzaCasuali(sv.ora());
    s.Estrazione = static_cast<short>(testo::parteIntera(static_cast<double>(sv.valoreCasuale()) * 100.0) + 1);
    m_ui.Label7->setText(testo::cifre(s.Estrazione));

    const Coppia coppia = coppiaPerEstrazione(s.Estrazione);
    s.UnitaMaggiore = s.SimboliUnita.at(static_cast<std::size_t>(coppia.maggiore));
    s.UnitaMinore = s.SimboliUnita.at(static_cast<std::size_t>(coppia.minore));
    s.Distanza = coppia.distanza;
    generaQuantita(
        coppia.generatore, s.Distanza, [&sv] { return sv.valoreCasuale(); }, s.NumeroBase, s.ValoreMaggiore,
        s.ValoreMinore);
    visualizza();
}

void CicloDomande::visualizza()
{
    Servizi& sv = servizi();
    switch (sceltaPresentazione(stato().TipoCalcolo, stato().Direzione, [&sv] { return sv.valoreCasuale(); })) {
    case Presentazione::NumeroMinore: DomandaNumeroMinore(); break;
    case Presentazione::NumeroMaggiore: DomandaNumeroMaggiore(); break;
    case Presentazione::SimboloMinore: DomandaSimboloMinore(); break;
    case Presentazione::SimboloMaggiore: DomandaSimboloMaggiore(); break;
    case Presentazione::Nessuna: break;
    }
    m_ui.LblEsito->setText(QString());
    m_ui.LblIstruzione->setText(istruzioni::Tastierino);
    stato().TempoInizio = static_cast<float>(sv.ora());
    m_ui.avviso->annuncia(parole::domanda(m_ui));
}

// Frames first, in the order number, keypad, symbol, symbol buttons.
void CicloDomande::mostraCornici(frasi::Incognita incognita)
{
    const bool numero = incognita == frasi::Incognita::Numero;
    m_ui.fraNumero->setVisible(numero);
    m_ui.fraTastierino->setVisible(numero);
    m_ui.fraSimbolo->setVisible(!numero);
    m_ui.FraSimboli->setVisible(!numero);
}

// "dato = ? unita": the number of the other side is asked for.
void CicloDomande::domandaNumero(const QString& dato, const QString& unita, const QString& esatta)
{
    mostraCornici(frasi::Incognita::Numero);
    m_ui.Label4->setText(dato);
    m_ui.LblRisultato->setText(QStringLiteral("?")); // runs the change rule before the answer is set
    m_ui.Label11->setText(unita);
    stato().RispostaEsatta = esatta;
}

// "dato = numero ?": the unit of the other side is asked for.
void CicloDomande::domandaSimbolo(const QString& dato, const QString& numero, const QString& esatta)
{
    mostraCornici(frasi::Incognita::Simbolo);
    m_ui.Label4S->setText(dato);
    m_ui.label11S->setText(numero);
    m_ui.lblRisultatoS->setText(QStringLiteral("?"));
    stato().RispostaEsatta = esatta;
}

void CicloDomande::DomandaNumeroMinore()
{
    const StatoProgramma& s = stato();
    domandaNumero(s.ValoreMaggiore + s.UnitaMaggiore, s.UnitaMinore, s.ValoreMinore);
}

void CicloDomande::DomandaNumeroMaggiore()
{
    const StatoProgramma& s = stato();
    domandaNumero(s.ValoreMinore + s.UnitaMinore, s.UnitaMaggiore, s.ValoreMaggiore);
}

void CicloDomande::DomandaSimboloMinore()
{
    const StatoProgramma& s = stato();
    domandaSimbolo(s.ValoreMaggiore + s.UnitaMaggiore, s.ValoreMinore, s.UnitaMinore);
}

void CicloDomande::DomandaSimboloMaggiore()
{
    const StatoProgramma& s = stato();
    domandaSimbolo(s.ValoreMinore + s.UnitaMinore, s.ValoreMaggiore, s.UnitaMaggiore);
}

void CicloDomande::CmdOperazione_Click()
{
    m_ui.Label4->setText(QString());
    m_ui.Label4S->setText(QString());
    ProssimaOperazione();
}

void CicloDomande::ProssimaOperazione()
{
    StatoProgramma& s = stato();
    m_ui.fraTastierino->setEnabled(true);
    m_ui.FraSimboli->setEnabled(true);
    m_ui.Label11->setText(QString());
    m_ui.LblEsito->setText(QString());
    m_ui.lblHelp->setText(QString());
    m_ui.lblHelpS->setText(QString());
    m_ui.frmAiuto->hide();
    s.RispostaData.clear();
    ++s.NumeroOperazione;
    m_ui.LblOperazione->setText(testo::cifre(s.NumeroOperazione));
    NuovaOperazione();
    m_ui.CmdOperazione->hide();
    m_ui.CmdVerifica->hide();
    s.NumeroTentativi = 0;
}
