#include "start/programma.h"

#include "screens/kit.h"
#include "start/frm_inizio_sfondo.h"

#include <QApplication>

void avviaProgramma()
{
    // Menus and messages in the screens' own face at the desktop's classic size; one font
    // file serves the whole program.
    QApplication::setFont(ui::designFont(QStringLiteral("MS Sans Serif"), 8.25, false));
    FrmInizioSfondo::istanza();
}
