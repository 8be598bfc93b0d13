// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Opens the exercise screen on a question picked by scripted random values, and clicks on it.
#include "controlli.h"
#include "exercise/frm_equivmul.h"
#include "regole/stato.h"
#include "servizi_di_prova.h"

#include <QCoreApplication>
#include <QTest>
#include <deque>

namespace prova {

// A random value that floor(r * N) turns into i.
inline float verso(int i, int N) { return (static_cast<float>(i) + 0.5f) / static_cast<float>(N); }

// Draw 23 (kg and dag, generator 6) with n = 345: 345 kg = 34500 dag. Then, when c > 0,
// the choice c out of `di` for the presentation.
inline std::deque<float> domanda345(int c = 0, int di = 2)
{
    std::deque<float> r{verso(22, 100), verso(245, 900)};
    if (c > 0)
        r.push_back(verso(c - 1, di));
    return r;
}

// Unloads the screen, if loaded, and lets it be deleted.
inline void chiudi()
{
    if (FrmEquivMul* f = FrmEquivMul::caricato())
        f->scarica();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    FrmEquivMul::impostaRitorno({});
}

// A fresh program state with the learner's choices, then the screen loaded and shown.
inline FrmEquivMul* apri(ServiziDiProva& s, short tipo, short direzione, std::deque<float> r)
{
    chiudi();
    senzaDoppioClic();
    stato() = StatoProgramma{};
    stato().TipoCalcolo = tipo;
    stato().Direzione = direzione;
    stato().TestoDirezione = QStringLiteral(" kg  hg  dag  g");
    s.casuali = std::move(r);
    FrmEquivMul* f = FrmEquivMul::istanza();
    f->show();
    return f;
}

inline void clic(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); }

// Everything a learner can see of the screen: texts, shown and enabled states.
inline QStringList aspetto(const QWidget* f)
{
    QStringList a;
    for (QWidget* w : f->findChildren<QWidget*>()) {
        QString riga = w->objectName() + (w->isHidden() ? " hidden" : "") + (w->isEnabled() ? "" : " disabled");
        if (auto* l = qobject_cast<ui::Etichetta*>(w))
            riga += " [" + l->text() + "]";
        a << riga;
    }
    return a;
}

// Presses the keypad keys whose captions spell `testo`, one character a key.
inline void digita(FrmEquivMul* f, const QString& testo)
{
    for (const QChar c : testo) {
        const auto tasti = cornice(f, "fraTastierino")->findChildren<ui::Pulsante*>();
        const auto it = std::find_if(tasti.begin(), tasti.end(),
                                     [c](ui::Pulsante* b) { return b->text() == QString(c); });
        if (it == tasti.end())
            qFatal("no key for %c", c.toLatin1());
        clic(*it);
    }
}

} // namespace prova
