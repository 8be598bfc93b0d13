#include "identita.h"

#include <QGuiApplication>

namespace identita {

void dichiara()
{
    QCoreApplication::setApplicationName(QStringLiteral(MASSA_CLASSE));
    QGuiApplication::setDesktopFileName(QStringLiteral(MASSA_ID));
}

QIcon icona()
{
    QIcon icona;
    for (const auto* file : {":/assets/icona-16.xpm", ":/assets/icona-22.xpm", ":/assets/icona-24.xpm",
                             ":/assets/icona.xpm", ":/assets/icone/48/icona.png", ":/assets/icone/64/icona.png"})
        icona.addFile(QString::fromLatin1(file));
    return icona;
}

} // namespace identita
