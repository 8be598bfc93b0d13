#include "start/programma.h"

#include "exercise/frm_equivmul.h"
#include "screens/caratteri.h"
#include "screens/kit.h"
#include "start/frm_inizio.h"
#include "start/frm_inizio_sfondo.h"

#include <QApplication>
#include <QFontInfo>
#include <QTimer>

#include <cstdio>

void apriProgramma()
{
    // Menus and messages in the screens' own face at the desktop's classic size; one font
    // file serves the whole program.
    QApplication::setFont(ui::carattereMenu());
    FrmInizioSfondo::istanza();
    // While the learner reads the start screen, the exercise screen's fonts are made ready:
    // the first opening then shows at once.
    QObject::connect(FrmInizio::istanza(), &ui::Finestra::dipinta, qApp, [] { FrmEquivMul::prepara(); },
                     Qt::SingleShotConnection);
    // Once the start screen is on show (the fonts are loaded by then): say so when the face
    // the screens are drawn in is missing, and go on with what fontconfig gives instead.
    QTimer::singleShot(0, [] {
        if (!ui::caratteri().facciaDisegnata())
            std::fprintf(stderr, "misure-di-massa: %s non è installato (pacchetto fonts-liberation2): i testi usano %s\n",
                         qPrintable(ui::Carattere), qPrintable(ui::caratteri().faccia));
    });
}
