// SPDX-License-Identifier: GPL-3.0-or-later
#include "regole/stato.h"

StatoProgramma& stato()
{
    static StatoProgramma s;
    return s;
}
