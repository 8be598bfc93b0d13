// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/registro.h"

// Warnings by default: only a replaced font writes one.
Q_LOGGING_CATEGORY(registroSuono, "misure.di.massa.suono", QtWarningMsg)
Q_LOGGING_CATEGORY(registroCompagni, "misure.di.massa.compagni", QtWarningMsg)
Q_LOGGING_CATEGORY(registroCaratteri, "misure.di.massa.caratteri", QtWarningMsg)
Q_LOGGING_CATEGORY(registroPiattaforma, "misure.di.massa.piattaforma", QtWarningMsg)
