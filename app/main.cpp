// SPDX-License-Identifier: GPL-3.0-or-later
#include "identita.h"
#include "kit/caratteri.h"
#include "kit/finestra.h"
#include "runtime/comando.h"
#include "runtime/piattaforma.h"
#include "runtime/servizi_reali.h"
#include "screens/layout_equivmul.h"
#include "start/programma.h"

#include <QApplication>
#include <QStyleFactory>

int main(int argc, char* argv[])
{
    const comando::Comando c = comando::leggi(argc, argv);
    if (const int fine = comando::esegui(c); fine >= 0)
        return fine;
    // The fonts are made ready on a thread of their own while the application connects to
    // the display and the first windows are built.
    ui::PreparazioneCaratteri caratteri;
    piattaforma::primaDellApplicazione();
    // On a classroom's whiteboard (--lavagna), every window larger, by the factor that makes
    // the exercise screen fill the screen.
    lavagna::prepara(c.lavagna, argc, argv, ui::misuraFinestra(ui::LarghezzaEquivMul, ui::AltezzaEquivMul));
    QApplication app(argc, argv);
    caratteri.applicazionePronta();
    identita::dichiara();
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // The start screen ends the program itself, once both of its screens are gone.
    QApplication::setQuitOnLastWindowClosed(false);
    ServiziReali reali;
    installaServizi(&reali);

    apriProgramma();
    const int rc = QApplication::exec();
    installaServizi(nullptr);
    return rc;
}
