// SPDX-License-Identifier: GPL-3.0-or-later
#include "start/programma.h"

#include "exercise/frm_equivmul.h"
#include "identita.h"
#include "kit/caratteri.h"
#include "kit/finestra.h"
#include "runtime/registro.h"
#include "start/frm_inizio.h"
#include "start/frm_inizio_sfondo.h"

#include <QApplication>

void apriProgramma()
{
    // Menus and messages in the screens' own face at the desktop's classic size; one font
    // file serves the whole program.
    QApplication::setFont(ui::carattereMenu());
    FrmInizioSfondo::istanza();
    // What nobody sees before the start screen is on screen waits until it has been painted.
    QObject::connect(
        FrmInizio::istanza(), &ui::Finestra::dipinta, qApp,
        [] {
            // One icon for every window of the program.
            QApplication::setWindowIcon(identita::icona());
            // Say so when the face the screens are drawn in is missing, and go on with what
            // fontconfig gives instead.
            if (!ui::caratteri().facciaDisegnata())
                qCWarning(registroCaratteri, "%s non è installato%s: i testi usano %s", qPrintable(ui::Carattere),
                          qPrintable(ui::PacchettoCarattere), qPrintable(ui::caratteri().faccia));
            // While the learner reads the start screen, the exercise screen's fonts and frame are
            // made ready: the first opening then shows at once.
            FrmEquivMul::prepara();
        },
        Qt::SingleShotConnection);
}
