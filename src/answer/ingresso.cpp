#include "answer/ingresso.h"

#include "answer/parole.h"
#include "regole/frasi.h"
#include "regole/istruzioni.h"
#include "regole/stato.h"
#include "regole/testo.h"

#include <QAction>

#include <algorithm>

Ingresso::Ingresso(ui::ControlliEquivMul& controlli) : c(controlli)
{
    // Every keypad key appends its own caption.
    const auto tasto = [this](ui::Pulsante* k) {
        QObject::connect(k, &ui::Pulsante::clicked, k, [this, k] { tastoTastierino(k->text()); });
    };
    std::ranges::for_each(c.cifre(), tasto);
    std::ranges::for_each(c.virgole(), tasto);
    tasto(c.Command11);
    tasto(c.Command12);
    QObject::connect(c.cmdCancella, &ui::Pulsante::clicked, c.cmdCancella, [this] { cmdCancella_Click(); });

    const auto simboli = c.simboli();
    for (std::size_t i = 0; i < simboli.size(); ++i)
        QObject::connect(simboli[i], &ui::Pulsante::clicked, simboli[i], [this, i] { simbolo(static_cast<int>(i) + 1); });
    QObject::connect(c.Command15, &ui::Pulsante::clicked, c.Command15, [this] { Command15_Click(); });

    QObject::connect(c.LblRisultato, &ui::Etichetta::cambiato, c.LblRisultato, [this] { LblRisultato_Change(); });
    QObject::connect(c.lblRisultatoS, &ui::Etichetta::cambiato, c.lblRisultatoS, [this] { lblRisultatoS_Change(); });
}

void Ingresso::tastoTastierino(const QString& testoTasto)
{
    StatoProgramma& s = stato();
    const QString nuova = s.RispostaData + testoTasto;
    // A key that would take the entry past what the label can show is refused, so the
    // learner always sees exactly what will be checked.
    if (testo::lunghezza(nuova) < s.LunghezzaMax) {
        s.RispostaData = nuova;
        c.LblRisultato->setText(s.RispostaData);
    }
    // Refused or not, the learner hears what the answer is now.
    c.avviso->annuncia(parole::risposta(c, s.RispostaData));
}

void Ingresso::cmdCancella_Click()
{
    stato().RispostaData.clear();
    c.LblRisultato->setText(QStringLiteral("?"));
    c.avviso->annuncia(frasi::Cancellata);
}

void Ingresso::simbolo(int posizione)
{
    StatoProgramma& s = stato();
    // Read at the moment of the click: the buttons keep no copy of their own.
    s.RispostaData = s.SimboliUnita.at(static_cast<std::size_t>(posizione));
    c.lblRisultatoS->setText(s.RispostaData);
    c.avviso->annuncia(parole::risposta(c, s.RispostaData));
}

void Ingresso::Command15_Click()
{
    stato().RispostaData.clear();
    c.lblRisultatoS->setText(QStringLiteral("?"));
    c.avviso->annuncia(frasi::Cancellata);
}

void Ingresso::cambioRisultato(const ui::Etichetta* etichetta)
{
    if (etichetta->text() == QLatin1String("?")) {
        c.LblIstruzione->setText(istruzioni::Tastierino);
        c.CmdVerifica->hide();
        c.CmdVerifica->stackUnder(c.CmdOperazione);   // back to the designed order
    } else {
        c.LblIstruzione->setText(istruzioni::Verifica);
        c.CmdVerifica->show();
        // The check that the instruction line promises is the button on show, even where
        // "Nuova trasformazione" is shown too (after the program has shown the answer).
        c.CmdVerifica->raise();
    }
}

bool Ingresso::tasto(int tasto, Qt::KeyboardModifiers modificatori, bool ripetuto)
{
    const Richiesta r = m_mappa.traduci(tasto, modificatori, ripetuto);
    // Each control is pressed as a click would press it: one hidden, disabled, in a hidden
    // or disabled frame, or behind another does nothing.
    switch (r.comando) {
    case Comando::Cifra: c.cifre().at(static_cast<std::size_t>(r.valore))->premi(); break;
    case Comando::Virgola: c.Command16->premi(); break;
    case Comando::Cancella:
        if (!c.cmdCancella->premi())
            c.Command15->premi();
        break;
    case Comando::Conferma:
        if (!c.CmdOperazione->premi())
            c.CmdVerifica->premi();
        break;
    case Comando::Si: c.Cmdsi->premi(); break;
    case Comando::No: c.Cmdno->premi(); break;
    case Comando::Simbolo: c.simboli().at(static_cast<std::size_t>(r.valore - 1))->premi(); break;
    case Comando::Esci: c.MnuEsci->trigger(); break;
    case Comando::Attesa: break;
    case Comando::Nessuno: return false;
    }
    return true;
}
