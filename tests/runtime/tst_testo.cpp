// Number-to-text, the text helpers and the random source of the running program.
#include "runtime/servizi_reali.h"
#include "runtime/testo.h"

#include <QLocale>
#include <QTest>
#include <clocale>
#include <vector>

class TstTesto : public QObject {
    Q_OBJECT
private slots:
    void numeroInTesto_data();
    void numeroInTesto();
    void numeroInTestoConLocaleItaliano();
    void parti();
    void casuale();
};

void TstTesto::numeroInTesto_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<QString>("testo");
    QTest::newRow("0") << 0.0 << " 0";
    QTest::newRow("-0") << -0.0 << " 0";
    QTest::newRow("40") << 40.0 << " 40";
    QTest::newRow("999") << 999.0 << " 999";
    QTest::newRow("1234567") << 1234567.0 << " 1234567";
    QTest::newRow("-5") << -5.0 << "-5";
    QTest::newRow("-86390") << -86390.0 << "-86390";
    QTest::newRow("2.5") << 2.5 << " 2.5";
    QTest::newRow("-0.25") << -0.25 << "-0.25";
}

void TstTesto::numeroInTesto()
{
    QFETCH(double, x);
    QFETCH(QString, testo);
    QCOMPARE(testo::numberToText(x), testo);
    // The digits alone are what counts show.
    if (x == std::floor(x))
        QCOMPARE(testo::digits(static_cast<long long>(x)), testo.trimmed());
}

// Neither Qt's default locale nor the C library's numeric locale may bring in a comma or grouping.
void TstTesto::numeroInTestoConLocaleItaliano()
{
    const QLocale prima;
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    QCOMPARE(testo::numberToText(2.5), QStringLiteral(" 2.5"));
    QCOMPARE(testo::numberToText(1234567), QStringLiteral(" 1234567"));
    QLocale::setDefault(prima);

    const std::string vecchio = std::setlocale(LC_NUMERIC, nullptr);
    const char* nomi[] = {"it_IT.UTF-8", "it_IT.utf8", "it_IT"};
    const char* trovato = nullptr;
    for (const char* n : nomi)
        if (!trovato && std::setlocale(LC_NUMERIC, n))
            trovato = n;
    // The build compiles it_IT.UTF-8 for this test, found through LOCPATH.
    QVERIFY2(trovato, "no Italian C locale: run through ctest, which points LOCPATH at the one the build compiles");
    const QString mezzo = testo::numberToText(2.5);
    const QString grande = testo::numberToText(1234567);
    std::setlocale(LC_NUMERIC, vecchio.c_str());
    QCOMPARE(mezzo, QStringLiteral(" 2.5"));
    QCOMPARE(grande, QStringLiteral(" 1234567"));
}

void TstTesto::parti()
{
    QCOMPARE(testo::trim(QStringLiteral("   a b  ")), QStringLiteral("a b"));
    QCOMPARE(testo::trim(QStringLiteral("\ta\n")), QStringLiteral("\ta\n"));  // blanks only
    QCOMPARE(testo::trim(QStringLiteral("   ")), QString());
    QCOMPARE(testo::left(QStringLiteral("347"), 2), QStringLiteral("34"));
    QCOMPARE(testo::right(QStringLiteral("347"), 2), QStringLiteral("47"));
    QCOMPARE(testo::left(QStringLiteral("47"), 3), QStringLiteral("47"));
    QCOMPARE(testo::right(QStringLiteral("47"), 3), QStringLiteral("47"));
    QCOMPARE(testo::left(QStringLiteral("47"), 0), QString());
    QCOMPARE(testo::length(QStringLiteral("già")), 3);
    QCOMPARE(testo::floorValue(2.999), 2.0);
    QCOMPARE(testo::floorValue(-0.5), -1.0);
}

void TstTesto::casuale()
{
    RealServices reale;
    const auto serie = [&reale](double seme) {
        reale.randomize(seme);
        std::vector<float> v(200000);
        for (float& r : v)
            r = reale.rnd();
        return v;
    };
    const std::vector<float> a = serie(36000.123);
    double somma = 0;
    int bassi = 0;
    for (const float r : a) {
        QVERIFY(r >= 0.0f && r < 1.0f);
        somma += r;
        bassi += r < 0.001f;
    }
    // Spread evenly: the mean near one half, the lowest thousandth reached about 200 times.
    QVERIFY(std::abs(somma / double(a.size()) - 0.5) < 0.01);
    QVERIFY(bassi > 100 && bassi < 300);
    QVERIFY(a == serie(36000.123));
    // Two questions a millisecond apart get different questions.
    QVERIFY(a != serie(36000.124));
}

QTEST_GUILESS_MAIN(TstTesto)
#include "tst_testo.moc"
