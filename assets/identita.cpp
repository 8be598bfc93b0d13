// SPDX-License-Identifier: GPL-3.0-or-later
#include "identita.h"

#include <QGuiApplication>
#include <QImageReader>
#include <QPixmap>

namespace identita {

void dichiara()
{
    QCoreApplication::setApplicationName(QStringLiteral(MASSA_CLASSE));
    QGuiApplication::setDesktopFileName(QStringLiteral(MASSA_ID));
}

QIcon icona()
{
    QIcon icona;
    for (const auto* file :
         {":/assets/icona-16.xpm", ":/assets/icona-22.xpm", ":/assets/icona-24.xpm", ":/assets/icona.xpm"})
        icona.addPixmap(immagine(QString::fromLatin1(file), "XPM"));
    for (const auto* file : {":/assets/icone/48/icona.png", ":/assets/icone/64/icona.png"})
        icona.addPixmap(immagine(QString::fromLatin1(file), "PNG"));
    return icona;
}

QPixmap immagine(const QString& risorsa, const char* formato)
{
    QImageReader lettore(risorsa, formato);
    lettore.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(lettore.read());
}

} // namespace identita
