// SPDX-License-Identifier: GPL-3.0-or-later
// The quantity generators, the draw table and the choice of presentation, as plain functions.
#include "regole/quantita.h"

#include <QRegularExpression>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <deque>
#include <set>

namespace {

// Hands out the values it is given, counting how many were taken.
struct Fonte {
    std::deque<float> valori;
    int presi = 0;
    FonteCasuale f()
    {
        return [this] {
            ++presi;
            if (valori.empty())
                return 0.0f;
            const float r = valori.front();
            valori.pop_front();
            return r;
        };
    }
};

const float QuasiUno = std::nextafter(1.0f, 0.0f);

// A value that floor(r * N) turns into i.
float verso(long i, long N) { return static_cast<float>((static_cast<double>(i) + 0.5) / static_cast<double>(N)); }

// How each generator draws n: floor(r * N) + k, then times f; whether it must avoid multiples of ten;
// the value written in the larger unit as n * num / den; the values n may take, da to a by passo.
struct Estrazione {
    long N, k, f;
    bool ridisegna;
    long num, den;
    long da, a, passo;
};
const Estrazione Tabella[19] = {
    {},
    {9, 0, 1, false, 1, 1, 0, 8, 1},
    {9, 1, 10, false, 1, 1, 10, 90, 10},
    {9, 1, 100, false, 1, 1, 100, 900, 100},
    {80, 10, 1, true, 1, 1, 11, 89, 1},
    {80, 10, 1, true, 10, 1, 11, 89, 1},
    {900, 100, 1, true, 1, 1, 101, 999, 1},
    {9, 1, 1, false, 1, 10, 1, 9, 1},
    {9, 1, 1, false, 1, 100, 1, 9, 1},
    {9, 1, 1, false, 1, 1000, 1, 9, 1},
    {80, 10, 1, true, 1, 100, 11, 89, 1},
    {80, 10, 1, true, 1, 1000, 11, 89, 1},
    {800, 100, 1, true, 1, 1000, 101, 899, 1},
    {89, 10, 1, true, 1, 10, 11, 98, 1},
    {800, 100, 1, true, 1, 100, 101, 899, 1},
    {3000, 1000, 1, true, 1, 1000, 1001, 3999, 1},
    {800, 100, 1, true, 1, 10, 101, 899, 1},
    {8000, 1000, 1, true, 1, 100, 1001, 8999, 1},
    {8000, 1000, 1, true, 1, 10, 1001, 8999, 1},
};

// A quantity text read as digits / 10^decimals, after checking every rule of its form.
struct Valore {
    long long cifre = 0;
    int decimali = 0;
};
Valore leggi(const QString& t)
{
    static const QRegularExpression forma(QStringLiteral("^(0|[1-9][0-9]*)(,[0-9]*[1-9])?$"));
    if (!forma.match(t).hasMatch())
        qFatal("not a quantity text: \"%s\"", qPrintable(t));
    const qsizetype virgola = t.indexOf(QLatin1Char(','));
    Valore v;
    v.decimali = virgola < 0 ? 0 : static_cast<int>(t.size() - virgola - 1);
    v.cifre = QString(t).remove(QLatin1Char(',')).toLongLong();
    return v;
}
long long potenza(int e)
{
    long long p = 1;
    while (e-- > 0)
        p *= 10;
    return p;
}
// a == b * m / d, exactly.
bool uguale(const Valore& a, const Valore& b, long long m, long long d)
{
    return a.cifre * potenza(b.decimali) * d == b.cifre * m * potenza(a.decimali);
}

} // namespace

class ProvaQuantita : public QObject {
    Q_OBJECT
private slots:
    void generatori();
    void ridisegno();
    void esempi_data();
    void esempi();
    void distanzaFuoriCampo();
    void estrazioni_data();
    void estrazioni();
    void tutteLeEstrazioni();
    void presentazione_data();
    void presentazione();
};

// Every generator at every distance, over its whole range and at both ends of r: the texts,
// their values, their lengths and the set of values drawn.
void ProvaQuantita::generatori()
{
    std::set<std::pair<int, int>> dalSorteggio;
    for (int e = 1; e <= 100; ++e)
        dalSorteggio.insert({coppiaPerEstrazione(e).generatore, coppiaPerEstrazione(e).distanza});

    for (int g = 1; g <= 18; ++g) {
        const Estrazione& x = Tabella[g];
        std::set<long> attesi, visti;
        for (long v = x.da; v <= x.a; v += x.passo)
            if (!x.ridisegna || v % 10 != 0)
                attesi.insert(v);
        for (short d = 1; d <= 3; ++d) {
            std::vector<float> rs{0.0f, QuasiUno};
            for (long i = 0; i < x.N; ++i)
                rs.push_back(verso(i, x.N));
            for (const float r : rs) {
                const long atteso = (static_cast<long>(std::floor(static_cast<double>(r) * static_cast<double>(x.N))) +
                                     x.k) *
                                    x.f;
                if (x.ridisegna && atteso % 10 == 0)
                    continue; // covered by ridisegno()
                Fonte fonte{{r}};
                float n = -1;
                QString maggiore, minore;
                generaQuantita(g, d, fonte.f(), n, maggiore, minore);
                const QByteArray dove = QStringLiteral("g%1 d%2 r=%3").arg(g).arg(d).arg(double(r), 0, 'g', 9).toUtf8();
                QVERIFY2(fonte.presi == 1, dove);
                QVERIFY2(n == static_cast<float>(atteso), dove);
                visti.insert(atteso);
                const Valore vM = leggi(maggiore), vm = leggi(minore);
                QVERIFY2(uguale(vM, Valore{atteso, 0}, x.num, x.den), dove);
                QVERIFY2(uguale(vm, vM, potenza(d), 1), dove);
                const qsizetype limite = dalSorteggio.count({g, d}) ? 5 : 6;
                QVERIFY2(maggiore.size() <= limite && minore.size() <= limite, dove);
            }
        }
        // Every value of the range is reached, and nothing outside it.
        QVERIFY2(visti == attesi, qPrintable(QStringLiteral("generator %1").arg(g)));
    }
    // Pairings never drawn may need the sixth character.
    Fonte fonte{{QuasiUno}};
    float n;
    QString maggiore, minore;
    generaQuantita(3, 3, fonte.f(), n, maggiore, minore);
    QCOMPARE(minore, QStringLiteral("900000"));
}

// A multiple of ten is drawn again, with a fresh random value each time.
void ProvaQuantita::ridisegno()
{
    for (int g = 4; g <= 18; ++g) {
        const long N = Tabella[g].N;
        if (!Tabella[g].ridisegna)
            continue;
        // r = 0 gives k itself, a multiple of ten for every generator that redraws.
        Fonte fonte{{0.0f, verso(10, N), verso(3, N)}};
        float n;
        QString maggiore, minore;
        generaQuantita(g, 1, fonte.f(), n, maggiore, minore);
        QCOMPARE(fonte.presi, 3);
        QCOMPARE(static_cast<long>(n), Tabella[g].k + 3);
    }
    // Generator 2 keeps its multiples of ten.
    Fonte fonte{{0.0f, 0.9f}};
    float n;
    QString maggiore, minore;
    generaQuantita(2, 1, fonte.f(), n, maggiore, minore);
    QCOMPARE(fonte.presi, 1);
    QCOMPARE(n, 10.0f);
}

void ProvaQuantita::esempi_data()
{
    QTest::addColumn<int>("g");
    QTest::addColumn<long>("n");
    QTest::addColumn<QStringList>("testi"); // larger unit, then distances 1 to 3
    QTest::newRow("1: 0") << 1 << 0L << QStringList{"0", "0", "0", "0"};
    QTest::newRow("4: 47") << 4 << 47L << QStringList{"47", "470", "4700", "47000"};
    QTest::newRow("5: 47") << 5 << 47L << QStringList{"470", "4700", "47000", "470000"};
    QTest::newRow("8: 7") << 8 << 7L << QStringList{"0,07", "0,7", "7", "70"};
    QTest::newRow("9: 9") << 9 << 9L << QStringList{"0,009", "0,09", "0,9", "9"};
    QTest::newRow("10: 47") << 10 << 47L << QStringList{"0,47", "4,7", "47", "470"};
    QTest::newRow("12: 305") << 12 << 305L << QStringList{"0,305", "3,05", "30,5", "305"};
    QTest::newRow("13: 98") << 13 << 98L << QStringList{"9,8", "98", "980", "9800"};
    QTest::newRow("14: 105") << 14 << 105L << QStringList{"1,05", "10,5", "105", "1050"};
    QTest::newRow("15: 1005") << 15 << 1005L << QStringList{"1,005", "10,05", "100,5", "1005"};
    QTest::newRow("15: 2347") << 15 << 2347L << QStringList{"2,347", "23,47", "234,7", "2347"};
    QTest::newRow("16: 347") << 16 << 347L << QStringList{"34,7", "347", "3470", "34700"};
    QTest::newRow("17: 1003") << 17 << 1003L << QStringList{"10,03", "100,3", "1003", "10030"};
    QTest::newRow("18: 8999") << 18 << 8999L << QStringList{"899,9", "8999", "89990", "899900"};
}

void ProvaQuantita::esempi()
{
    QFETCH(int, g);
    QFETCH(long, n);
    QFETCH(QStringList, testi);
    for (short d = 1; d <= 3; ++d) {
        Fonte fonte{{verso(n - Tabella[g].k, Tabella[g].N)}};
        float base;
        QString maggiore, minore;
        generaQuantita(g, d, fonte.f(), base, maggiore, minore);
        QCOMPARE(base, static_cast<float>(n));
        QCOMPARE(maggiore, testi.at(0));
        QCOMPARE(minore, testi.at(d));
    }
}

void ProvaQuantita::distanzaFuoriCampo()
{
    for (const short d : {short(0), short(4), short(-1)}) {
        Fonte fonte{{verso(37, 80)}};
        float n = 0;
        QString maggiore = QStringLiteral("vecchio"), minore = QStringLiteral("vecchio");
        generaQuantita(4, d, fonte.f(), n, maggiore, minore);
        QCOMPARE(n, 47.0f);
        QCOMPARE(maggiore, QStringLiteral("47"));
        QCOMPARE(minore, QStringLiteral("vecchio"));
    }
}

void ProvaQuantita::estrazioni_data()
{
    QTest::addColumn<int>("estrazione");
    QTest::addColumn<int>("maggiore");
    QTest::addColumn<int>("minore");
    QTest::addColumn<int>("distanza");
    QTest::addColumn<int>("generatore");
    QTest::newRow("1") << 1 << 1 << 2 << 1 << 1;
    QTest::newRow("18") << 18 << 1 << 2 << 1 << 18;
    QTest::newRow("19") << 19 << 1 << 3 << 2 << 1;
    QTest::newRow("37") << 37 << 1 << 4 << 3 << 4;
    QTest::newRow("38") << 38 << 1 << 4 << 3 << 7;
    QTest::newRow("82") << 82 << 2 << 4 << 2 << 17;
    QTest::newRow("83") << 83 << 3 << 4 << 1 << 1;
    QTest::newRow("100") << 100 << 3 << 4 << 1 << 18;
    QTest::newRow("0") << 0 << 0 << 0 << 0 << 0;
    QTest::newRow("101") << 101 << 0 << 0 << 0 << 0;
}

void ProvaQuantita::estrazioni()
{
    QFETCH(int, estrazione);
    const Coppia c = coppiaPerEstrazione(estrazione);
    QTEST(c.maggiore, "maggiore");
    QTEST(c.minore, "minore");
    QTEST(int(c.distanza), "distanza");
    QTEST(c.generatore, "generatore");
}

// Every draw against the bands and against the list of draws of each generator.
void ProvaQuantita::tutteLeEstrazioni()
{
    const std::vector<std::vector<int>> estrazioniDi = {
        {},
        {1, 19, 35, 49, 67, 83},
        {2, 20, 36, 50, 68, 84},
        {3, 51, 85},
        {4, 21, 37, 52, 69, 86},
        {5, 22, 53, 70, 87},
        {6, 23, 54, 71, 88},
        {7, 24, 38, 55, 72, 89},
        {8, 25, 39, 56, 73, 90},
        {9, 26, 40, 57, 74, 91},
        {10, 27, 41, 58, 75, 92},
        {11, 28, 42, 59, 76, 93},
        {12, 29, 43, 60, 77, 94},
        {13, 30, 44, 61, 78, 95},
        {14, 31, 45, 62, 79, 96},
        {15, 32, 46, 63, 80, 97},
        {16, 33, 47, 64, 81, 98},
        {17, 34, 48, 65, 82, 99},
        {18, 66, 100},
    };
    const struct {
        int ultima, maggiore, minore;
    } bande[] = {{18, 1, 2}, {34, 1, 3}, {48, 1, 4}, {66, 2, 3}, {82, 2, 4}, {100, 3, 4}};
    int visti = 0;
    for (int g = 1; g <= 18; ++g) {
        for (const int e : estrazioniDi[static_cast<std::size_t>(g)]) {
            const Coppia c = coppiaPerEstrazione(e);
            const auto* b = std::find_if(std::begin(bande), std::end(bande),
                                         [e](const auto& x) { return e <= x.ultima; });
            QCOMPARE(c.generatore, g);
            QCOMPARE(c.maggiore, b->maggiore);
            QCOMPARE(c.minore, b->minore);
            QCOMPARE(int(c.distanza), b->minore - b->maggiore);
            ++visti;
        }
    }
    QCOMPARE(visti, 100);
}

void ProvaQuantita::presentazione_data()
{
    using P = Presentazione;
    QTest::addColumn<int>("tipo");
    QTest::addColumn<int>("direzione");
    QTest::addColumn<float>("r");
    QTest::addColumn<P>("attesa");
    QTest::addColumn<int>("presi");
    const P numMin = P::NumeroMinore, numMag = P::NumeroMaggiore, simMin = P::SimboloMinore,
            simMag = P::SimboloMaggiore;
    QTest::newRow("1/1") << 1 << 1 << 0.9f << numMin << 0;
    QTest::newRow("1/2") << 1 << 2 << 0.1f << numMag << 0;
    QTest::newRow("2/1") << 2 << 1 << 0.9f << simMin << 0;
    QTest::newRow("2/2") << 2 << 2 << 0.1f << simMag << 0;
    const struct {
        int tipo, dir;
        P uno, due;
    } coppie[] = {{1, 3, numMin, numMag}, {2, 3, simMin, simMag}, {3, 1, numMin, simMin}, {3, 2, numMag, simMag}};
    for (const auto& c : coppie) {
        const QByteArray n = QByteArray::number(c.tipo) + '/' + QByteArray::number(c.dir);
        QTest::newRow(n + " r=0") << c.tipo << c.dir << 0.0f << c.uno << 1;
        QTest::newRow(n + " r<.5") << c.tipo << c.dir << std::nextafter(0.5f, 0.0f) << c.uno << 1;
        QTest::newRow(n + " r=.5") << c.tipo << c.dir << 0.5f << c.due << 1;
        QTest::newRow(n + " r<1") << c.tipo << c.dir << QuasiUno << c.due << 1;
    }
    QTest::newRow("3/3 r=0") << 3 << 3 << 0.0f << numMin << 1;
    QTest::newRow("3/3 r<.25") << 3 << 3 << std::nextafter(0.25f, 0.0f) << numMin << 1;
    QTest::newRow("3/3 r=.25") << 3 << 3 << 0.25f << numMag << 1;
    QTest::newRow("3/3 r=.5") << 3 << 3 << 0.5f << simMin << 1;
    QTest::newRow("3/3 r<.75") << 3 << 3 << std::nextafter(0.75f, 0.0f) << simMin << 1;
    QTest::newRow("3/3 r=.75") << 3 << 3 << 0.75f << simMag << 1;
    QTest::newRow("3/3 r<1") << 3 << 3 << QuasiUno << simMag << 1;
    const std::pair<int, int> fuori[] = {{0, 1}, {4, 1}, {-1, 3}, {1, 0}, {2, 4}, {3, -1}, {0, 0}};
    for (const auto& [t, d] : fuori)
        QTest::newRow(qPrintable(QStringLiteral("out %1/%2").arg(t).arg(d))) << t << d << 0.0f << P::Nessuna << 0;
}

void ProvaQuantita::presentazione()
{
    QFETCH(int, tipo);
    QFETCH(int, direzione);
    QFETCH(float, r);
    Fonte fonte{{r}};
    QTEST(sceltaPresentazione(tipo, direzione, fonte.f()), "attesa");
    QTEST(fonte.presi, "presi");
}

QTEST_APPLESS_MAIN(ProvaQuantita)
#include "prova_quantita.moc"
