#include "identita.h"
#include "runtime/servizi_reali.h"
#include "start/programma.h"

#include <QApplication>
#include <QStyleFactory>
#include <QTimer>

#include <fontconfig/fontconfig.h>
#include <thread>

int main(int argc, char* argv[])
{
    // Reading the font configuration is the longest step before the first window can be
    // laid out; it runs while the application connects to the display.
    std::thread caratteri([] { FcInit(); });
    QApplication app(argc, argv);
    caratteri.join();
    identita::dichiara();
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // The start screen ends the program itself, once both of its screens are gone.
    QApplication::setQuitOnLastWindowClosed(false);
    ServiziReali reali;
    installaServizi(&reali);

    apriProgramma();
    // One icon for every window of the program, read once the start screen is on show:
    // nobody sees it before.
    QTimer::singleShot(0, [] { QApplication::setWindowIcon(identita::icona()); });
    const int rc = QApplication::exec();
    installaServizi(nullptr);
    return rc;
}
