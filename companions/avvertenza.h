// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "finestra.h"

namespace compagni {

// A short notice for teachers and parents: what the drill practises and how.
class Avvertenza final : public Finestra {
    Q_OBJECT
public:
    explicit Avvertenza(QWidget* genitore = nullptr);
};

} // namespace compagni
