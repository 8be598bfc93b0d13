// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "finestra.h"

namespace compagni {

// The table of the units of mass that a child keeps open while working:
// the seven units side by side, the step between neighbours, a few examples.
class Quadro final : public Finestra {
    Q_OBJECT
public:
    explicit Quadro(QWidget* genitore = nullptr);
};

} // namespace compagni
