// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "finestra.h"

namespace compagni {

// What the program is, which version, and who made it.
class Informazioni final : public Finestra {
    Q_OBJECT
public:
    explicit Informazioni(QWidget* genitore = nullptr);
};

} // namespace compagni
