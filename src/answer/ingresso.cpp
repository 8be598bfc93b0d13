// Keypad and unit-symbol entry, and the change rule of the two answer labels.
#include "exercise/frm_equivmul.h"
#include "exercise/stato.h"
#include "runtime/testo.h"

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
