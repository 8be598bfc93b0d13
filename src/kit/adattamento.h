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
    // inAlto: the text is drawn from the top of the box (labels), not centred (buttons).
    const QFont& per(const QFont& disegnato, const QString& testo, const QSize& spazio, bool inAlto);

private:
    QFont m_disegnato;
    QString m_testo;
    QSize m_spazio;
    QFont m_adattato;
};

} // namespace ui
