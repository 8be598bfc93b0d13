#include "exercise/ciclo.h"

#include "answer/parole.h"
#include "regole/frasi.h"
#include "regole/istruzioni.h"
#include "regole/quantita.h"
#include "regole/stato.h"
#include "runtime/servizi.h"
#include "regole/testo.h"

CicloDomande::CicloDomande(ui::ControlliEquivMul& controlli) : c(controlli) {}

void CicloDomande::Form_Load(QWidget* finestra)
{
    StatoProgramma& s = stato();
    finestra->setWindowTitle(QStringLiteral("TRASFORMAZIONI CON LE MISURE DI MASSA  kg  hg  dag  g"));
    c.Label1->impostaSfondo(ui::rgb(255, 240, 150));
    c.Label2->impostaSfondo(ui::rgb(250, 200, 110));
    c.Label2->impostaInchiostro(ui::rgb(128, 0, 0));
    c.Label2->setText(s.TestoDirezione);

    s.NumeroErrate = 0;
    s.NumeroEsatte = 0;
    s.NumeroOperazione = 1;
    c.LblOperazione->setText(testo::cifre(s.NumeroOperazione));
    s.TempoTotale = 0;
    s.TempoParziale = 0;
    s.NumeroTentativi = 0;

    // Emptying the labels runs their change rule, which may show CmdVerifica;
    // it is hidden again right after.
    c.lblRisultatoS->setText(QString());
    c.LblRisultato->setText(QString());
    s.RispostaData.clear();

    c.lblHelp->hide();
    c.lblHelpS->hide();
    c.CmdOperazione->hide();
    c.CmdVerifica->hide();

    s.SimboliUnita = {QString(), QStringLiteral(" kg"), QStringLiteral(" hg"), QStringLiteral(" dag"),
                      QStringLiteral(" g"), QStringLiteral(" dg"), QStringLiteral(" cg"), QStringLiteral(" mg")};
    const auto simboli = c.simboli();
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
    c.Label7->setText(testo::cifre(s.Estrazione));

    const Coppia coppia = coppiaPerEstrazione(s.Estrazione);
    s.UnitaMaggiore = s.SimboliUnita.at(static_cast<std::size_t>(coppia.maggiore));
    s.UnitaMinore = s.SimboliUnita.at(static_cast<std::size_t>(coppia.minore));
    s.Distanza = coppia.distanza;
    generaQuantita(coppia.generatore, s.Distanza, [&sv] { return sv.valoreCasuale(); }, s.NumeroBase, s.ValoreMaggiore,
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
    c.LblEsito->setText(QString());
    c.LblIstruzione->setText(istruzioni::Tastierino);
    stato().TempoInizio = static_cast<float>(sv.ora());
    c.avviso->annuncia(parole::domanda(c));
}

// Frames first, in the order number, keypad, symbol, symbol buttons.
void CicloDomande::mostraCornici(bool numero)
{
    c.fraNumero->setVisible(numero);
    c.fraTastierino->setVisible(numero);
    c.fraSimbolo->setVisible(!numero);
    c.FraSimboli->setVisible(!numero);
}

// "dato = ? unita": the number of the other side is asked for.
void CicloDomande::domandaNumero(const QString& dato, const QString& unita, const QString& esatta)
{
    mostraCornici(true);
    c.Label4->setText(dato);
    c.LblRisultato->setText(QStringLiteral("?"));   // runs the change rule before the answer is set
    c.Label11->setText(unita);
    stato().RispostaEsatta = esatta;
}

// "dato = numero ?": the unit of the other side is asked for.
void CicloDomande::domandaSimbolo(const QString& dato, const QString& numero, const QString& esatta)
{
    mostraCornici(false);
    c.Label4S->setText(dato);
    c.label11S->setText(numero);
    c.lblRisultatoS->setText(QStringLiteral("?"));
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
    c.Label4->setText(QString());
    c.Label4S->setText(QString());
    ProssimaOperazione();
}

void CicloDomande::ProssimaOperazione()
{
    StatoProgramma& s = stato();
    c.fraTastierino->setEnabled(true);
    c.FraSimboli->setEnabled(true);
    c.Label11->setText(QString());
    c.LblEsito->setText(QString());
    c.lblHelp->setText(QString());
    c.lblHelpS->setText(QString());
    c.frmAiuto->hide();
    s.RispostaData.clear();
    ++s.NumeroOperazione;
    c.LblOperazione->setText(testo::cifre(s.NumeroOperazione));
    NuovaOperazione();
    c.CmdOperazione->hide();
    c.CmdVerifica->hide();
    s.NumeroTentativi = 0;
}
