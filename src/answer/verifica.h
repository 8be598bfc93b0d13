#pragma once

#include "screens/layout_equivmul.h"

class Aiuto;

// Checking an answer: the verdict, the sound, the counts and the times.
class Verifica {
public:
    Verifica(ui::ControlliEquivMul& c, Aiuto& aiuto);

    void CmdVerifica_Click();

private:
    ui::ControlliEquivMul& c;
    Aiuto& m_aiuto;
};
