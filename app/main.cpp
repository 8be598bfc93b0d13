#include "runtime/servizi_reali.h"
#include "start/programma.h"

#include <QApplication>
#include <QStyleFactory>

#include <fontconfig/fontconfig.h>
#include <thread>

int main(int argc, char* argv[])
{
    // Reading the font configuration is the longest step before the first window can be
    // laid out; it runs while the application connects to the display.
    std::thread fonts([] { FcInit(); });
    QApplication app(argc, argv);
    fonts.join();
    QApplication::setApplicationName(QStringLiteral("misure-di-massa"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // The start screen ends the program itself, once both of its screens are gone.
    QApplication::setQuitOnLastWindowClosed(false);
    RealServices real;
    installServices(&real);

    avviaProgramma();
    const int rc = QApplication::exec();
    installServices(nullptr);
    return rc;
}
