// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/collocazione.h"

#include "runtime/piattaforma.h"

#include <QScreen>
#include <QWidget>

namespace collocazione {

void colloca(QWidget* finestra, Misura misura)
{
    const QScreen* schermo = finestra->screen();
    if (!schermo)
        return;
    const QRect area = schermo->availableGeometry();
    const QMargins m = piattaforma::desktop().cornice(finestra);
    if (misura == Misura::Variabile) {
        const QSize spazio = area.size().shrunkBy(m);
        finestra->resize(finestra->size().boundedTo(spazio).expandedTo(finestra->minimumSizeHint()));
    }
    const QSize esterno = finestra->size().grownBy(m);
    const auto lato = [](int inizio, int spazio, int misura) {
        return spazio >= misura ? inizio + (spazio - misura) / 2 : inizio;
    };
    // The frame's corner goes there; what is set is the window inside it.
    const QPoint angolo(lato(area.x(), area.width(), esterno.width()), lato(area.y(), area.height(), esterno.height()));
    finestra->setGeometry(QRect(angolo + QPoint(m.left(), m.top()), finestra->size()));
    // Placed again once the frame is known, should it not have been.
    piattaforma::desktop().allaCornice(finestra, [finestra, misura] { colloca(finestra, misura); });
}

} // namespace collocazione
