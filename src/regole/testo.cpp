// SPDX-License-Identifier: GPL-3.0-or-later
#include "regole/testo.h"

#include <cmath>

namespace testo {

double parteIntera(double x) { return std::floor(x); }

QString numeroInTesto(double x)
{
    // Shortest round-trip-ish writing of the single-precision value, like a BASIC Str$.
    // QString::number ignores the C library's numeric locale, which QApplication takes
    // from the environment and would turn the point into a comma.
    QString s = QString::number(x, 'g', 7);
    if (s.contains(QLatin1Char('e'))) // never reached for the drill's values
        s = QString::number(x, 'f', 0);
    if (s.startsWith(QLatin1String("-0")) && x == 0) // -0 reads as 0
        s = QStringLiteral("0");
    if (!s.startsWith(QLatin1Char('-')))
        s.prepend(QLatin1Char(' '));
    return s;
}

QString cifre(long long n) { return QString::number(n); }

QString senzaSpazi(const QString& s)
{
    qsizetype b = 0, e = s.size();
    while (b < e && s.at(b) == QLatin1Char(' '))
        ++b;
    while (e > b && s.at(e - 1) == QLatin1Char(' '))
        --e;
    return s.mid(b, e - b);
}

QString sinistra(const QString& s, int n) { return s.left(n < 0 ? 0 : n); }
QString destra(const QString& s, int n) { return s.right(n < 0 ? 0 : n); }
int lunghezza(const QString& s) { return static_cast<int>(s.size()); }

} // namespace testo
