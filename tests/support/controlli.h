// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Finds a screen's controls by their designed names, as a learner finds them by sight:
// the screens keep their controls to themselves.
#include "kit/controlli.h"

#include <QAction>
#include <QComboBox>
#include <QGuiApplication>
#include <QStyleHints>

namespace prova {

template <typename T>
T* trova(const QWidget* schermo, const char* nome)
{
    auto* x = schermo->findChild<T*>(QString::fromLatin1(nome));
    if (!x)
        qFatal("%s has no control %s", qPrintable(schermo->objectName()), nome);
    return x;
}

inline ui::Etichetta* etichetta(const QWidget* s, const char* nome) { return trova<ui::Etichetta>(s, nome); }
inline ui::Pulsante* pulsante(const QWidget* s, const char* nome) { return trova<ui::Pulsante>(s, nome); }
inline ui::Cornice* cornice(const QWidget* s, const char* nome) { return trova<ui::Cornice>(s, nome); }
inline QAction* azione(const QWidget* s, const char* nome) { return trova<QAction>(s, nome); }
inline QComboBox* tendina(const QWidget* s, const char* nome) { return trova<QComboBox>(s, nome); }

// The clicks of a test follow one another faster than any learner's; unless a test is
// about double-clicks, none of them is the second click of one.
inline void senzaDoppioClic() { QGuiApplication::styleHints()->setMouseDoubleClickInterval(0); }

} // namespace prova
