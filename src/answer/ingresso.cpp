// SPDX-License-Identifier: GPL-3.0-or-later
#include "answer/ingresso.h"

#include "answer/parole.h"
#include "regole/frasi.h"
#include "regole/istruzioni.h"
#include "regole/stato.h"
#include "regole/testo.h"

#include <QAction>

#include <algorithm>

Ingresso::Ingresso(ui::ControlliEquivMul& controlli) : m_ui(controlli)
{
    // Every keypad key appends its own caption.
    const auto tasto = [this](ui::Pulsante* k) {
        QObject::connect(k, &ui::Pulsante::clicked, k, [this, k] { tastoTastierino(k->text()); });
    };
    std::ranges::for_each(m_ui.cifre(), tasto);
    std::ranges::for_each(m_ui.virgole(), tasto);
    tasto(m_ui.Command11);
    tasto(m_ui.Command12);
    QObject::connect(m_ui.cmdCancella, &ui::Pulsante::clicked, m_ui.cmdCancella, [this] { cmdCancella_Click(); });

    const auto simboli = m_ui.simboli();
    for (std::size_t i = 0; i < simboli.size(); ++i)
        QObject::connect(simboli[i], &ui::Pulsante::clicked, simboli[i],
                         [this, i] { simbolo(static_cast<int>(i) + 1); });
    QObject::connect(m_ui.Command15, &ui::Pulsante::clicked, m_ui.Command15, [this] { Command15_Click(); });

    QObject::connect(m_ui.LblRisultato, &ui::Etichetta::cambiato, m_ui.LblRisultato, [this] { LblRisultato_Change(); });
    QObject::connect(m_ui.lblRisultatoS, &ui::Etichetta::cambiato, m_ui.lblRisultatoS,
                     [this] { lblRisultatoS_Change(); });
}

void Ingresso::tastoTastierino(const QString& testoTasto)
{
    StatoProgramma& s = stato();
    const QString nuova = s.RispostaData + testoTasto;
    // A key that would take the entry past what the label can show is refused, so the
    // learner always sees exactly what will be checked.
    if (testo::lunghezza(nuova) < s.LunghezzaMax) {
        s.RispostaData = nuova;
        m_ui.LblRisultato->setText(s.RispostaData);
    }
    // Refused or not, the learner hears what the answer is now; but for a first key typed,
    // which the screen reader has just echoed.
    if (!m_daTastiera || s.RispostaData != testoTasto)
        m_ui.avviso->annuncia(parole::risposta(m_ui, s.RispostaData));
}

void Ingresso::cancella(ui::Etichetta* risultato)
{
    stato().RispostaData.clear();
    risultato->setText(QStringLiteral("?"));
    m_ui.avviso->annuncia(frasi::Cancellata);
}

void Ingresso::simbolo(int posizione)
{
    StatoProgramma& s = stato();
    // Read at the moment of the click: the buttons keep no copy of their own.
    s.RispostaData = s.SimboliUnita.at(static_cast<std::size_t>(posizione));
    m_ui.lblRisultatoS->setText(s.RispostaData);
    m_ui.avviso->annuncia(parole::risposta(m_ui, s.RispostaData));
}

void Ingresso::cambioRisultato(const ui::Etichetta* etichetta)
{
    if (etichetta->text() == QLatin1String("?")) {
        m_ui.LblIstruzione->setText(istruzioni::Tastierino);
        m_ui.CmdVerifica->hide();
        m_ui.CmdVerifica->stackUnder(m_ui.CmdOperazione); // back to the designed order
    } else {
        m_ui.LblIstruzione->setText(istruzioni::Verifica);
        m_ui.CmdVerifica->show();
        // The check that the instruction line promises is the button on show, even where
        // "Nuova trasformazione" is shown too (after the program has shown the answer).
        m_ui.CmdVerifica->raise();
    }
}

bool Ingresso::tasto(int tasto, Qt::KeyboardModifiers modificatori, bool ripetuto)
{
    const Richiesta r = m_mappa.traduci(tasto, modificatori, ripetuto);
    // Each control is pressed as a click would press it: one hidden, disabled, in a hidden
    // or disabled frame, or behind another does nothing, and a screen reader says why.
    const frasi::Passo passo = parole::passo(m_ui);
    const auto premi = [this, passo](bool premuto, frasi::Richiesta richiesta) {
        if (!premuto)
            m_ui.avviso->annuncia(frasi::inutile(richiesta, passo));
    };
    m_daTastiera = true;
    switch (r.comando) {
    case Comando::Cifra:
        premi(m_ui.cifre().at(static_cast<std::size_t>(r.valore))->premi(), frasi::Richiesta::Cifra);
        break;
    case Comando::Virgola: premi(m_ui.Command16->premi(), frasi::Richiesta::Cifra); break;
    case Comando::Cancella:
        premi(m_ui.cmdCancella->premi() || m_ui.Command15->premi(), frasi::Richiesta::Cancella);
        break;
    case Comando::Conferma:
        premi(m_ui.CmdOperazione->premi() || m_ui.CmdVerifica->premi(), frasi::Richiesta::Verifica);
        break;
    case Comando::Si: premi(m_ui.Cmdsi->premi(), frasi::Richiesta::SiONo); break;
    case Comando::No: premi(m_ui.Cmdno->premi(), frasi::Richiesta::SiONo); break;
    case Comando::Simbolo:
        premi(m_ui.simboli().at(static_cast<std::size_t>(r.valore - 1))->premi(), frasi::Richiesta::Simbolo);
        break;
    case Comando::Esci: m_ui.MnuEsci->trigger(); break;
    case Comando::Ripeti: m_ui.avviso->annuncia(frasi::ripeti(parole::domanda(m_ui), passo)); break;
    case Comando::Punteggio: m_ui.avviso->annuncia(parole::punteggio(m_ui)); break;
    case Comando::Tasti: m_ui.avviso->annuncia(frasi::tastiEsercizio()); break;
    case Comando::Attesa: break;
    case Comando::Nessuno: m_daTastiera = false; return false;
    }
    m_daTastiera = false;
    return true;
}
