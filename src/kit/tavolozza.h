// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QString>

// The colours and the typeface that the drill's screens and its companion programs
// share, each named once.
namespace ui {

// Arial, the face the screens were designed in, where Windows has it; elsewhere Liberation
// Sans, metric-compatible with it. It stands in for the old bitmap sans serif too.
#ifdef Q_OS_WIN
inline const QString Carattere = QStringLiteral("Arial");
inline const QString PacchettoCarattere;
#else
inline const QString Carattere = QStringLiteral("Liberation Sans");
inline const QString PacchettoCarattere = QStringLiteral(" (pacchetto fonts-liberation2)");
#endif

// A font of that face. Where Arial is missing (Wine, a trimmed system), its metric twins come
// before any other face, and a sans serif at worst: never a serif.
inline QFont carattereDisegnato()
{
    QFont f(Carattere);
#ifdef Q_OS_WIN
    f.setFamilies({Carattere, QStringLiteral("Liberation Sans"), QStringLiteral("Arimo")});
    f.setStyleHint(QFont::SansSerif);
#endif
    return f;
}

inline const QColor Verde{192, 255, 192};       // the start screen, the background, the companions
inline const QColor Ciano{0, 255, 255};         // title strips
inline const QColor BluTitolo{0, 0, 192};       // titles and most texts
inline const QColor Crema{255, 255, 192};       // frames and the kind list
inline const QColor GialloTasto{255, 255, 128}; // keys and buttons
inline const QColor CianoChiaro{128, 255, 255}; // the credits
inline const QColor Pesca{255, 224, 192};       // the exit and help buttons, the banners as designed

} // namespace ui
