#pragma once

#include "screens/tavolozza.h"

#include <QFont>
#include <QString>

#include <future>
#include <thread>

namespace ui {

// The font of menus and messages: the old bitmap sans serif at its classic size.
QFont carattereMenu();

// What the fonts of this desktop give: found once, on a thread of its own where the program
// starts one (PreparazioneCaratteri), otherwise where it is first asked.
struct Caratteri {
    int altezzaRigaMenu = 0;   // the line height of the menu font, in pixels
    QString faccia;            // the face fontconfig gives for Carattere
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
