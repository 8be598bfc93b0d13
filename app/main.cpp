#include "runtime/servizi_reali.h"
#include "start/programma.h"

#include <QApplication>
#include <QStyleFactory>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
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
