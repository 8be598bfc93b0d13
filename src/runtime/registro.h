// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLoggingCategory>

// Every fallback the program takes, for a technician to read: a chime not played, a
// companion not started, a font replaced, what the platform and the whiteboard chose at
// start. A replaced font is said by default; the rest when QT_LOGGING_RULES asks, as in
// QT_LOGGING_RULES="misure.di.massa.*=true".
Q_DECLARE_LOGGING_CATEGORY(registroSuono)
Q_DECLARE_LOGGING_CATEGORY(registroCompagni)
Q_DECLARE_LOGGING_CATEGORY(registroCaratteri)
Q_DECLARE_LOGGING_CATEGORY(registroPiattaforma)
