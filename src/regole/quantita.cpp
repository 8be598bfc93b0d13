// SPDX-License-Identifier: GPL-3.0-or-later
#include "regole/quantita.h"

#include "regole/testo.h"

#include <array>

using testo::destra;
using testo::sinistra;

Coppia coppiaPerEstrazione(int e)
{
    struct Banda {
        int ultima;
        int maggiore;
        int minore;
        short distanza;
    };
    // Tested from the top: the first band that holds the draw wins.
    static constexpr std::array<Banda, 6> Bande{{
        {18, 1, 2, 1},
        {34, 1, 3, 2},
        {48, 1, 4, 3},
        {66, 2, 3, 1},
        {82, 2, 4, 2},
        {100, 3, 4, 1},
    }};
    // Generators used by bands one, two and three steps wide, in rising order of draw.
    static constexpr std::array<int, 18> UnPasso{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18};
    static constexpr std::array<int, 16> DuePassi{1, 2, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17};
    static constexpr std::array<int, 14> TrePassi{1, 2, 4, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17};

    if (e < 1 || e > 100)
        return {};
    int primo = 1;
    for (const Banda& b : Bande) {
        if (e <= b.ultima) {
            const auto i = static_cast<std::size_t>(e - primo);
            const int g = b.distanza == 1 ? UnPasso.at(i) : b.distanza == 2 ? DuePassi.at(i) : TrePassi.at(i);
            return {b.maggiore, b.minore, b.distanza, g};
        }
        primo = b.ultima + 1;
    }
    return {};
}

namespace {

// floor(r * N) + k
long estrai(const FonteCasuale& casuale, long N, long k)
{
    return static_cast<long>(testo::parteIntera(static_cast<double>(casuale()) * static_cast<double>(N))) + k;
}

struct Regola {
    long N;
    long k;
    long fattore;   // n = (floor(r*N) + k) * fattore
    bool ridisegna; // draw again while n is a multiple of ten
};

constexpr std::array<Regola, 19> Regole{{
    {0, 0, 0, false},      // unused
    {9, 0, 1, false},      // 1: 0 to 8
    {9, 1, 10, false},     // 2: 10, 20, ..., 90
    {9, 1, 100, false},    // 3: 100, 200, ..., 900
    {80, 10, 1, true},     // 4
    {80, 10, 1, true},     // 5
    {900, 100, 1, true},   // 6
    {9, 1, 1, false},      // 7
    {9, 1, 1, false},      // 8
    {9, 1, 1, false},      // 9
    {80, 10, 1, true},     // 10
    {80, 10, 1, true},     // 11
    {800, 100, 1, true},   // 12
    {89, 10, 1, true},     // 13
    {800, 100, 1, true},   // 14
    {3000, 1000, 1, true}, // 15
    {800, 100, 1, true},   // 16
    {8000, 1000, 1, true}, // 17
    {8000, 1000, 1, true}, // 18
}};

// The writings of one generator: larger unit, then smaller unit at distances 1, 2, 3.
// Decimal texts are built from the digit text of n, never by computing with fractions.
std::array<QString, 4> scritture(int g, long n)
{
    const QString s = testo::cifre(n);
    const auto per = [n](long f) { return testo::cifre(n * f); };
    const QString c = QStringLiteral(",");
    switch (g) {
    case 1:
    case 2:
    case 3:
    case 4:
    case 6: return {s, per(10), per(100), per(1000)};
    case 5: return {per(10), per(100), per(1000), per(10000)};
    case 7: return {"0," + s, s, s + "0", s + "00"};
    case 8: return {"0,0" + s, "0," + s, s, s + "0"};
    case 9: return {"0,00" + s, "0,0" + s, "0," + s, s};
    case 10: return {"0," + s, sinistra(s, 1) + c + destra(s, 1), s, s + "0"};
    case 11: return {"0,0" + s, "0," + s, sinistra(s, 1) + c + destra(s, 1), s};
    case 12: return {"0," + s, sinistra(s, 1) + c + destra(s, 2), sinistra(s, 2) + c + destra(s, 1), s};
    case 13: return {sinistra(s, 1) + c + destra(s, 1), s, s + "0", s + "00"};
    case 14: return {sinistra(s, 1) + c + destra(s, 2), sinistra(s, 2) + c + destra(s, 1), s, s + "0"};
    case 15:
        return {sinistra(s, 1) + c + destra(s, 3), sinistra(s, 2) + c + destra(s, 2), sinistra(s, 3) + c + destra(s, 1),
                s};
    case 16: return {sinistra(s, 2) + c + destra(s, 1), s, s + "0", s + "00"};
    case 17: return {sinistra(s, 2) + c + destra(s, 2), sinistra(s, 3) + c + destra(s, 1), s, s + "0"};
    case 18: return {sinistra(s, 3) + c + destra(s, 1), s, s + "0", s + "00"};
    default: return {};
    }
}

} // namespace

void generaQuantita(int g, short distanza, const FonteCasuale& casuale, float& numeroBase, QString& valoreMaggiore,
                    QString& valoreMinore)
{
    if (g < 1 || g > 18)
        return;
    const Regola& r = Regole.at(static_cast<std::size_t>(g));
    long n = 0;
    do {
        n = estrai(casuale, r.N, r.k) * r.fattore;
        numeroBase = static_cast<float>(n);
    } while (r.ridisegna && n % 10 == 0);

    const std::array<QString, 4> testi = scritture(g, n);
    valoreMaggiore = testi[0];
    if (distanza >= 1 && distanza <= 3)
        valoreMinore = testi.at(static_cast<std::size_t>(distanza));
}

Presentazione sceltaPresentazione(int tipo, int direzione, const FonteCasuale& casuale)
{
    using P = Presentazione;
    if (tipo < 1 || tipo > 3 || direzione < 1 || direzione > 3)
        return P::Nessuna;
    const auto scelta = [&casuale](long quante) { return estrai(casuale, quante, 1); };
    switch (tipo) {
    case 1:
        if (direzione == 1)
            return P::NumeroMinore;
        if (direzione == 2)
            return P::NumeroMaggiore;
        return scelta(2) == 1 ? P::NumeroMinore : P::NumeroMaggiore;
    case 2:
        if (direzione == 1)
            return P::SimboloMinore;
        if (direzione == 2)
            return P::SimboloMaggiore;
        return scelta(2) == 1 ? P::SimboloMinore : P::SimboloMaggiore;
    default:
        if (direzione == 1)
            return scelta(2) == 1 ? P::NumeroMinore : P::SimboloMinore;
        if (direzione == 2)
            return scelta(2) == 1 ? P::NumeroMaggiore : P::SimboloMaggiore;
        switch (scelta(4)) {
        case 1: return P::NumeroMinore;
        case 2: return P::NumeroMaggiore;
        case 3: return P::SimboloMinore;
        default: return P::SimboloMaggiore;
        }
    }
}
