// Keypad and unit-symbol entry, and the change rule of the two answer labels.
#include "exercise/frm_equivmul.h"
#include "exercise/stato.h"
#include "runtime/testo.h"

#include <QAction>
#include <QKeyEvent>

void FrmEquivMul::tasto(const QString& testoTasto)
{
    StatoProgramma& s = stato();
    const QString nuova = s.RispostaData + testoTasto;
    // A key that would take the entry past what the label can show is refused, so the
    // learner always sees exactly what will be checked.
    if (testo::length(nuova) >= s.LunghezzaMax)
        return;
    s.RispostaData = nuova;
    LblRisultato->setText(s.RispostaData);
}

void FrmEquivMul::cmdCancella_Click()
{
    stato().RispostaData.clear();
    LblRisultato->setText(QStringLiteral("?"));
}

void FrmEquivMul::simbolo(int posizione)
{
    StatoProgramma& s = stato();
    // Read at the moment of the click: the buttons keep no copy of their own.
    s.RispostaData = s.SimboliUnita.at(static_cast<std::size_t>(posizione));
    lblRisultatoS->setText(s.RispostaData);
}

void FrmEquivMul::Command15_Click()
{
    stato().RispostaData.clear();
    lblRisultatoS->setText(QStringLiteral("?"));
}

void FrmEquivMul::cambioRisultato(const ui::Label* etichetta)
{
    if (etichetta->text() == QLatin1String("?")) {
        LblIstruzione->setText(
            QStringLiteral("Clicca sul tastierino fino a completare il risultato. Poi clicca su Verifica"));
        CmdVerifica->hide();
    } else {
        LblIstruzione->setText(QStringLiteral("Clicca sul pulsante Verifica"));
        CmdVerifica->show();
    }
}

void FrmEquivMul::keyPressEvent(QKeyEvent* e)
{
    const Richiesta r = m_tasti.traduci(e->key(), e->modifiers(), e->isAutoRepeat());
    if (r.comando == Comando::Nessuno) {
        QWidget::keyPressEvent(e);
        return;
    }
    premi(r);
}

void FrmEquivMul::premi(const Richiesta& r)
{
    // Each control is pressed as a click would press it: one hidden, disabled, in a hidden
    // or disabled frame, or behind another does nothing.
    switch (r.comando) {
    case Comando::Cifra: {
        ui::Button* const cifre[] = {Command13, Command2, Command3, Command4, Command5,
                                     Command6, Command7, Command8, Command9, Command10};
        cifre[r.valore]->premi();
        break;
    }
    case Comando::Virgola: Command16->premi(); break;
    case Comando::Cancella:
        if (!cmdCancella->premi())
            Command15->premi();
        break;
    case Comando::Conferma:
        if (!CmdOperazione->premi())
            CmdVerifica->premi();
        break;
    case Comando::Si: Cmdsi->premi(); break;
    case Comando::No: Cmdno->premi(); break;
    case Comando::Simbolo: {
        ui::Button* const simboli[] = {Command26, Command25, Command24, Command23, Command22, Command21, Command20};
        simboli[r.valore - 1]->premi();
        break;
    }
    case Comando::Esci: MnuEsci->trigger(); break;
    case Comando::Nessuno: break;
    }
}
