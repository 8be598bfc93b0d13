// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "screens/layout_equivmul.h"

// The help offer after a wrong answer, the three-attempt rule, and the table of units.
class Aiuto {
public:
    explicit Aiuto(ui::ControlliEquivMul& controlli);

    void OffriAiuto();
    void Cmdsi_Click();
    void Cmdno_Click();
    void mnuQuadro_Click();

private:
    ui::ControlliEquivMul& m_ui;
};
