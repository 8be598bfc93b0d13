// SPDX-License-Identifier: GPL-3.0-or-later
// The random source of the running program.
#include "runtime/servizi_reali.h"

#include <QTest>
#include <vector>

class ProvaServizi : public QObject {
    Q_OBJECT
private slots:
    void casuale();
};

void ProvaServizi::casuale()
{
    ServiziReali reale;
    const auto serie = [&reale](double seme) {
        reale.inizializzaCasuali(seme);
        std::vector<float> v(200000);
        for (float& r : v)
            r = reale.valoreCasuale();
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

QTEST_GUILESS_MAIN(ProvaServizi)
#include "prova_servizi.moc"
