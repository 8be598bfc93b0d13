// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/controlli.h"

#include <QFlags>
#include <QString>

// Builders for the designed layouts: each control is named, placed in twips, given its
// font and colours, and put behind the controls already in its container, so that a
// control listed earlier in a layout lies in front of one listed later.
namespace ui {

// The face the layouts name for most of their texts.
inline const QString Arial = QStringLiteral("Arial");

enum OpzioneEtichetta { Centrata = 0x1, Trasparente = 0x2 };
Q_DECLARE_FLAGS(OpzioniEtichetta, OpzioneEtichetta)
Q_DECLARE_OPERATORS_FOR_FLAGS(OpzioniEtichetta)

Etichetta* etichetta(QWidget* in, const char* nome, int sinistra, int alto, int larghezza, int altezza,
                     const QString& testo, const QFont& font, const QColor& inchiostro, OpzioniEtichetta opzioni = {});
Pulsante* pulsante(QWidget* in, const char* nome, int sinistra, int alto, int larghezza, int altezza,
                   const QString& didascalia, const QFont& font, const QColor& sfondo);
Cornice* cornice(QWidget* in, const char* nome, int sinistra, int alto, int larghezza, int altezza,
                 const QString& didascalia, const QFont& font, const QColor& sfondo, Bordo bordo = Bordo::Inciso);

} // namespace ui
