#include "runtime/lavagna.h"

#include "runtime/piattaforma.h"

#include <QByteArray>

#include <algorithm>
#include <cmath>

namespace lavagna {

namespace {

constexpr char Opzione[] = "--lavagna";
constexpr char ScalaQt[] = "QT_SCALE_FACTOR";
// A title bar that nobody measures before the application: the program's own (a line of the
// menu font and its margins, 23 or 24 pixels) or a compositor's, much the same.
constexpr int AltezzaTitolo = 26;
constexpr double PassiScala = 64;

} // namespace

Richiesta richiesta(int argc, const char* const argv[])
{
    Richiesta r;
    for (int i = 1; i < argc; ++i) {
        const QByteArray a(argv[i]);
        if (a == Opzione) {
            r = {true, 0};
        } else if (a.startsWith(QByteArray(Opzione) + '=')) {
            bool ok = false;
            const double f = a.mid(static_cast<qsizetype>(qstrlen(Opzione)) + 1).replace(',', '.').toDouble(&ok);
            r = {true, ok && f >= 0.5 && f <= 8 ? f : 0};
        }
    }
    return r;
}

double fattoreAdatto(QSize area, QMargins cornice, QSize finestra)
{
    if (area.isEmpty() || finestra.isEmpty())
        return 0;
    // A device pixel kept for Qt's rounding of the scaled size.
    const QSize spazio = area.shrunkBy(cornice) - QSize(1, 1);
    const double f = std::min(double(spazio.width()) / finestra.width(), double(spazio.height()) / finestra.height());
    return std::max(0.0, std::floor(f * 1000) / 1000);
}

void prepara(int argc, char* argv[], QSize finestra)
{
    const Richiesta r = richiesta(argc, argv);
    if (!r.attiva)
        return;
    // A scale the desktop already set for Qt is multiplied, as Qt itself reads it.
    bool ok = false;
    double desktop = qEnvironmentVariable(ScalaQt).toDouble(&ok);
    if (!ok || desktop <= 0)
        desktop = 1;
    double fattore = r.fattore;
    if (fattore == 0) {
        const piattaforma::Schermo s = piattaforma::misuraSchermo(argc, argv);
        if (s.titoloSenzaMisura)
            finestra.rheight() += AltezzaTitolo;
        // Measured at the scale in force: the factor is over and above it.
        fattore = fattoreAdatto(s.areaLibera.size(), s.cornice, finestra) / s.scala;
        if (fattore <= 0)
            return;
    }
    // In steps of 1/64, which binary fractions hold exactly: at a factor such as 1.82 Qt sizes a
    // window and paints it at two slightly different scales, and leaves its last row unpainted.
    const double esatto = std::max(1.0, std::floor(desktop * fattore * PassiScala)) / PassiScala;
    qputenv(ScalaQt, QByteArray::number(esatto, 'g', 10));
}

} // namespace lavagna
