// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QSize>
#include <QString>

namespace ui {

// The designed font of a text, or a smaller size of it where the face that fontconfig gave
// would draw the text outside its box: with any sans font, every word stays whole. Kept
// until the text, the box or the font changes.
class CarattereAdattato {
public:
    // Where the text is drawn in its box: from the top (labels) or centred (buttons).
    enum class Posizione { InAlto, AlCentro };
    const QFont& per(const QFont& disegnato, const QString& testo, const QSize& spazio, Posizione posizione);

private:
    QFont m_disegnato;
    QString m_testo;
    QSize m_spazio;
    QFont m_adattato;
};

} // namespace ui
