// SPDX-License-Identifier: GPL-3.0-or-later
// The rules behind a check and the help offer, without any screen.
#include "regole/regole.h"

#include <QTest>

class ProvaRegole : public QObject {
    Q_OBJECT
private slots:
    void confronto_data()
    {
        QTest::addColumn<QString>("esatta");
        QTest::addColumn<QString>("data");
        QTest::addColumn<QString>("maggiore");
        QTest::addColumn<QString>("minore");
        QTest::addColumn<bool>("giusta");
        QTest::newRow("2,5 = 2,5") << "2,5"
                                   << "2,5"
                                   << "0,25"
                                   << "2,5" << true;
        QTest::newRow("2,5 vs 2,50") << "2,5"
                                     << "2,50"
                                     << "0,25"
                                     << "2,5" << false;
        QTest::newRow("2,5 vs 02,5") << "2,5"
                                     << "02,5"
                                     << "0,25"
                                     << "2,5" << false;
        QTest::newRow("2,5 vs 2.5") << "2,5"
                                    << "2.5"
                                    << "0,25"
                                    << "2,5" << false;
        QTest::newRow("' kg' = ' kg'") << " kg"
                                       << " kg"
                                       << "3"
                                       << "30" << true;
        QTest::newRow("' kg' = 'kg '") << " kg"
                                       << "kg "
                                       << "3"
                                       << "30" << true;
        QTest::newRow("' kg' vs ' KG'") << " kg"
                                        << " KG"
                                        << "3"
                                        << "30" << false;
        QTest::newRow("' kg' vs ' hg', 3 kg = 30 ?") << " kg"
                                                     << " hg"
                                                     << "3"
                                                     << "30" << false;
        QTest::newRow("30 vs ' hg'") << "30"
                                     << " hg"
                                     << "3"
                                     << "30" << false;
        QTest::newRow("30 vs '30 hg'") << "30"
                                       << "30 hg"
                                       << "3"
                                       << "30" << false;
        QTest::newRow("seven characters, six right") << "345001"
                                                     << "3450012"
                                                     << "3450,01"
                                                     << "345001" << false;
        // 0 hg = 0 ? is true of every unit.
        for (const char* u : {" kg", " hg", " dag", " g", " dg", " cg", " mg"})
            QTest::addRow("0 hg = 0 ? answered '%s'", u) << " kg" << u << "0"
                                                         << "0" << true;
        QTest::newRow("0 hg = 0 ? answered ''") << " kg"
                                                << ""
                                                << "0"
                                                << "0" << false;
        QTest::newRow("0 kg = ? hg answered 0") << "0"
                                                << "0"
                                                << "0"
                                                << "0" << true;
        QTest::newRow("0 kg = ? hg answered 00") << "0"
                                                 << "00"
                                                 << "0"
                                                 << "0" << false;
        QTest::newRow("0 kg = ? hg answered ' hg'") << "0"
                                                    << " hg"
                                                    << "0"
                                                    << "0" << false;
    }

    // Texts are compared, trimmed, not numbers.
    void confronto()
    {
        QFETCH(QString, esatta);
        QFETCH(QString, data);
        QFETCH(QString, maggiore);
        QFETCH(QString, minore);
        QTEST(rispostaGiusta(esatta, data, maggiore, minore), "giusta");
    }

    void tempi_data()
    {
        QTest::addColumn<float>("inizio");
        QTest::addColumn<float>("verifica");
        QTest::addColumn<double>("totalePrima");
        QTest::addColumn<double>("parziale");
        QTest::addColumn<double>("totale");
        QTest::addColumn<QString>("testoParziale");
        QTest::addColumn<QString>("testoTotale");
        QTest::newRow("99.9 s") << 36000.0f << 36099.9f << 0.0 << 99.0 << 99.0 << " 99"
                                << " 99";
        QTest::newRow("100 s") << 36000.0f << 36100.0f << 0.0 << 100.0 << 100.0 << "99"
                               << " 100";
        QTest::newRow("under 1 s") << 36000.0f << 36000.9f << 0.0 << 0.0 << 0.0 << " 0"
                                   << " 0";
        QTest::newRow("total 999") << 36000.0f << 36010.0f << 989.0 << 10.0 << 999.0 << " 10"
                                   << " 999";
        QTest::newRow("total 1000") << 36000.0f << 36010.0f << 990.0 << 10.0 << 1000.0 << " 10"
                                    << "999";
        QTest::newRow("across midnight") << 86399.5f << 9.5f << 0.0 << 10.0 << 10.0 << " 10"
                                         << " 10";
        QTest::newRow("at midnight") << 86390.0f << 0.0f << 5.0 << 10.0 << 15.0 << " 10"
                                     << " 15";
    }

    // The caps are on what is shown; the values go on growing.
    void tempi()
    {
        QFETCH(float, inizio);
        QFETCH(float, verifica);
        QFETCH(double, totalePrima);
        const Tempi t = tempiDellaVerifica(inizio, verifica, totalePrima);
        QTEST(t.parziale, "parziale");
        QTEST(t.totale, "totale");
        QTEST(t.testoParziale, "testoParziale");
        QTEST(t.testoTotale, "testoTotale");
    }

    void rifiuti_data()
    {
        QTest::addColumn<long>("prima");
        QTest::addColumn<long>("dopo");
        QTest::addColumn<bool>("intervengo");
        QTest::newRow("first") << 0L << 1L << false;
        QTest::newRow("second") << 1L << 2L << false;
        QTest::newRow("third: the program steps in") << 2L << 0L << true;
    }

    void rifiuti()
    {
        QFETCH(long, prima);
        const Rifiuto r = rifiutaAiuto(prima);
        QTEST(r.tentativi, "dopo");
        QTEST(r.intervengo, "intervengo");
    }
};

QTEST_MAIN(ProvaRegole)
#include "prova_regole.moc"
