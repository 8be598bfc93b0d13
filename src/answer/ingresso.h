// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "regole/tastiera.h"
#include "screens/layout_equivmul.h"

// Entering an answer: the keypad, the unit-symbol buttons, their "Cancella", the rule
// that keeps the check button and the instruction line in step with the answer labels,
// and the physical keys that press those buttons.
class Ingresso {
public:
    explicit Ingresso(ui::ControlliEquivMul& controlli);

    void cmdCancella_Click() { cancella(m_ui.LblRisultato); }
    void Command15_Click() { cancella(m_ui.lblRisultatoS); }
    void LblRisultato_Change() { cambioRisultato(m_ui.LblRisultato); }
    void lblRisultatoS_Change() { cambioRisultato(m_ui.lblRisultatoS); }

    // A physical key: presses the control it stands for, as a click would. False when
    // the key stands for nothing on this screen.
    bool tasto(int tasto, Qt::KeyboardModifiers modificatori, bool ripetuto);

private:
    void tastoTastierino(const QString& testoTasto);
    void simbolo(int posizione);
    // Either "Cancella": the answer emptied, its label back to "?".
    void cancella(ui::Etichetta* risultato);
    void cambioRisultato(const ui::Etichetta* etichetta);

    ui::ControlliEquivMul& m_ui;
    MappaTasti m_mappa;
    bool m_daTastiera = false; // a physical key is pressing a control
};
