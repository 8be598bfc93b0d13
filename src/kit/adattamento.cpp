// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/adattamento.h"

#include "kit/caratteri.h"

#include <QFontMetrics>

namespace ui {

const QFont& CarattereAdattato::per(const QFont& disegnato, const QString& testo, const QSize& spazio,
                                    Posizione posizione)
{
    if (testo == m_testo && spazio == m_spazio && disegnato == m_disegnato)
        return m_adattato;
    m_disegnato = disegnato;
    m_testo = testo;
    m_spazio = spazio;
    m_adattato = disegnato;
    // The design's texts fit their boxes in the face they were designed in.
    if (caratteri().facciaDisegnata())
        return m_adattato;
    for (int pixel = disegnato.pixelSize(); pixel > 5; --pixel) {
        m_adattato.setPixelSize(pixel);
        const QFontMetrics fm(m_adattato);
        if (fm.horizontalAdvance(testo) > spazio.width())
            continue;
        if (fm.ascent() + fm.descent() <= spazio.height())
            break;
        // Taller lines than the box are common (the design fills its boxes); what counts
        // is whether the ink of this text fits.
        const QRect inchiostro = fm.tightBoundingRect(testo);
        const int altezza = posizione == Posizione::InAlto ? fm.ascent() + inchiostro.bottom() + 1
                                                           : inchiostro.height();
        if (altezza <= spazio.height())
            break;
    }
    return m_adattato;
}

} // namespace ui
