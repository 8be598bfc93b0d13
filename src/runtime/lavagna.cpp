// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/lavagna.h"

#include "runtime/piattaforma.h"
#include "runtime/registro.h"

#include <QByteArray>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace lavagna {

namespace {

constexpr char ScalaQt[] = "QT_SCALE_FACTOR";
// A title bar that nobody measures before the application: the program's own (a line of the
// menu font and its margins, 23 or 24 pixels) or a compositor's, much the same.
constexpr int AltezzaTitolo = 26;
constexpr double PassiScala = 64;

// "1,82": as the factor is written on an Italian command line.
QString decimale(double x) { return QString::number(x, 'g', 4).replace(QLatin1Char('.'), QLatin1Char(',')); }

} // namespace

double fattoreAdatto(QSize area, QMargins cornice, QSize finestra)
{
    if (area.isEmpty() || finestra.isEmpty())
        return 0;
    // A device pixel kept for Qt's rounding of the scaled size.
    const QSize spazio = area.shrunkBy(cornice) - QSize(1, 1);
    const double f = std::min(double(spazio.width()) / finestra.width(), double(spazio.height()) / finestra.height());
    return std::max(0.0, std::floor(f * 1000) / 1000);
}

void prepara(const Richiesta& r, int argc, char* argv[], QSize finestra)
{
    if (!r.attiva)
        return;
    // A scale the desktop already set for Qt is multiplied, as Qt itself reads it.
    bool ok = false;
    double desktop = qEnvironmentVariable(ScalaQt).toDouble(&ok);
    if (!ok || !std::isfinite(desktop) || desktop <= 0)
        desktop = 1;
    const piattaforma::Schermo s = piattaforma::misuraSchermo(argc, argv);
    if (s.titoloSenzaMisura)
        finestra.rheight() += AltezzaTitolo;
    // Measured at the scale in force: the factor is over and above it.
    const double adatto = fattoreAdatto(s.areaLibera.size(), s.cornice, finestra) / s.scala;
    double fattore = r.fattore;
    if (fattore == 0) {
        fattore = adatto;
        if (fattore <= 0)
            return;
    } else if (adatto > 0 && fattore > adatto) {
        // Larger, the keypad and the buttons would be off the screen, out of reach.
        std::fprintf(stderr, "misure-di-massa: con --lavagna=%s le finestre uscirebbero dallo schermo: uso %s\n",
                     qPrintable(decimale(fattore)), qPrintable(decimale(adatto)));
        fattore = adatto;
    }
    // In steps of 1/64, which binary fractions hold exactly: at a factor such as 1.82 Qt sizes a
    // window and paints it at two slightly different scales, and leaves its last row unpainted.
    const double esatto = std::max(1.0, std::floor(desktop * fattore * PassiScala)) / PassiScala;
    qputenv(ScalaQt, QByteArray::number(esatto, 'g', 10));
    qCInfo(registroPiattaforma, "lavagna: fattore %s (adatto allo schermo: %s), scala di Qt %s",
           qPrintable(decimale(fattore)), qPrintable(decimale(adatto)), qPrintable(decimale(esatto)));
}

} // namespace lavagna
