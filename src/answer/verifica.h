// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "screens/layout_equivmul.h"

#include <QElapsedTimer>

class Aiuto;

// Checking an answer: the verdict, the sound, the counts and the times.
class Verifica {
public:
    Verifica(ui::ControlliEquivMul& controlli, Aiuto& aiuto);

    void CmdVerifica_Click();

    // Whether a right answer has just put "Nuova trasformazione" where "Verifica" was,
    // within the desktop's double-click interval: the second click of a double-click on
    // "Verifica" lands there, and it does not ask for the next question.
    bool appenaMostrataOperazione() const;

private:
    ui::ControlliEquivMul& m_ui;
    Aiuto& m_aiuto;
    QElapsedTimer m_operazioneMostrata;
};
