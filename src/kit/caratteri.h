// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/tavolozza.h"

#include <QFont>
#include <QString>

#include <future>
#include <thread>

namespace ui {

// Loads a font and draws the given characters once, off screen, so that a window shown
// later finds both ready: loading a face and drawing its glyphs the first time take
// longer than drawing a screenful of text with them afterwards.
void preparaCarattere(const QFont& f, const QString& caratteri);

// A designed font: the face as named ("Arial", "MS Sans Serif"), its size in points
// (fractional sizes are used as they are: 21.75 pt is 29 px at 96 dpi), bold or not.
enum class Peso { Normale, Grassetto };
QFont carattere(const QString& faccia, double punti, Peso peso = Peso::Normale);
inline QColor rgb(int r, int g, int b) { return QColor(r, g, b); }

// The font of menus and messages: the old bitmap sans serif at its classic size.
QFont carattereMenu();

// What the fonts of this desktop give: found once, on a thread of its own where the program
// starts one (PreparazioneCaratteri), otherwise where it is first asked.
struct Caratteri {
    int altezzaRigaMenu = 0; // the line height of the menu font, in pixels
    QString faccia;          // the face fontconfig gives for Carattere
    bool facciaDisegnata() const { return faccia == Carattere; }
};
const Caratteri& caratteri();

// Reading the font configuration, filling Qt's font database and measuring the menu font
// are the longest steps of a start-up; this thread does them while the main thread connects
// to the display and builds the first windows. Made before the application, told when the
// application exists, it is over long before the first window is shown.
class PreparazioneCaratteri {
public:
    PreparazioneCaratteri();
    ~PreparazioneCaratteri();
    PreparazioneCaratteri(const PreparazioneCaratteri&) = delete;
    PreparazioneCaratteri& operator=(const PreparazioneCaratteri&) = delete;
    // The application exists: Qt's font database may be filled now.
    void applicazionePronta();

private:
    std::promise<bool> m_applicazione;
    bool m_detto = false;
    std::thread m_filo;
};

} // namespace ui
