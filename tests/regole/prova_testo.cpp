// SPDX-License-Identifier: GPL-3.0-or-later
// Number-to-text and the text helpers.
#include "regole/testo.h"

#include <QLocale>
#include <QTest>
#include <clocale>

class ProvaTesto : public QObject {
    Q_OBJECT
private slots:
    void numeroInTesto_data();
    void numeroInTesto();
    void numeroInTestoConLocaleItaliano();
    void parti();
};

void ProvaTesto::numeroInTesto_data()
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

void ProvaTesto::numeroInTesto()
{
    QFETCH(double, x);
    QFETCH(QString, testo);
    QCOMPARE(testo::numeroInTesto(x), testo);
    // The digits alone are what counts show.
    if (x == std::floor(x))
        QCOMPARE(testo::cifre(static_cast<long long>(x)), testo.trimmed());
}

// Neither Qt's default locale nor the C library's numeric locale may bring in a comma or grouping.
void ProvaTesto::numeroInTestoConLocaleItaliano()
{
    const QLocale prima;
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    QCOMPARE(testo::numeroInTesto(2.5), QStringLiteral(" 2.5"));
    QCOMPARE(testo::numeroInTesto(1234567), QStringLiteral(" 1234567"));
    QLocale::setDefault(prima);

    const std::string vecchio = std::setlocale(LC_NUMERIC, nullptr);
    const char* nomi[] = {"it_IT.UTF-8", "it_IT.utf8", "it_IT", "Italian_Italy.1252"};
    const char* trovato = nullptr;
    for (const char* n : nomi)
        if (!trovato && std::setlocale(LC_NUMERIC, n))
            trovato = n;
    // On Linux the build compiles it_IT.UTF-8 for this test, found through LOCPATH; Windows has its own.
    QVERIFY2(trovato, "no Italian C locale: run through ctest, which points LOCPATH at the one the build compiles");
    const QString mezzo = testo::numeroInTesto(2.5);
    const QString grande = testo::numeroInTesto(1234567);
    std::setlocale(LC_NUMERIC, vecchio.c_str());
    QCOMPARE(mezzo, QStringLiteral(" 2.5"));
    QCOMPARE(grande, QStringLiteral(" 1234567"));
}

void ProvaTesto::parti()
{
    QCOMPARE(testo::senzaSpazi(QStringLiteral("   a b  ")), QStringLiteral("a b"));
    QCOMPARE(testo::senzaSpazi(QStringLiteral("\ta\n")), QStringLiteral("\ta\n")); // blanks only
    QCOMPARE(testo::senzaSpazi(QStringLiteral("   ")), QString());
    QCOMPARE(testo::sinistra(QStringLiteral("347"), 2), QStringLiteral("34"));
    QCOMPARE(testo::destra(QStringLiteral("347"), 2), QStringLiteral("47"));
    QCOMPARE(testo::sinistra(QStringLiteral("47"), 3), QStringLiteral("47"));
    QCOMPARE(testo::destra(QStringLiteral("47"), 3), QStringLiteral("47"));
    QCOMPARE(testo::sinistra(QStringLiteral("47"), 0), QString());
    QCOMPARE(testo::lunghezza(QStringLiteral("già")), 3);
    QCOMPARE(testo::parteIntera(2.999), 2.0);
    QCOMPARE(testo::parteIntera(-0.5), -1.0);
}

QTEST_GUILESS_MAIN(ProvaTesto)
#include "prova_testo.moc"
