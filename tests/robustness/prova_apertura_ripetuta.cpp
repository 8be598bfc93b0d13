// SPDX-License-Identifier: GPL-3.0-or-later
// Opening and leaving the exercise again and again must leave nothing behind.
#include "controlli.h"
#include "exercise/frm_equivmul.h"
#include "regole/stato.h"
#include "servizi_di_prova.h"
#include "start/frm_inizio.h"
#include "start/programma.h"

#include <QTest>
#include <fstream>

using namespace prova;

namespace {

qsizetype oggettiVivi()
{
    qsizetype n = QCoreApplication::instance()->findChildren<QObject*>().size();
    for (QWidget* w : QApplication::topLevelWidgets())
        n += 1 + w->findChildren<QObject*>().size();
    return n;
}

long residenteKiB()
{
    std::ifstream statm("/proc/self/statm");
    long pagine = 0, residenti = 0;
    statm >> pagine >> residenti;
    return residenti * 4;
}

} // namespace

class ProvaAperturaRipetuta : public QObject {
    Q_OBJECT

private slots:
    void aprireEUscireNonLasciaNulla_data()
    {
        QTest::addColumn<int>("via");
        QTest::newRow("close box") << 0;
        QTest::newRow("menu Esci") << 1;
    }

    void aprireEUscireNonLasciaNulla()
    {
        QFETCH(int, via);
        ConServiziDiProva scope;
        stato() = StatoProgramma{};
        FrmInizio::impostaFine([] {});
        apriProgramma();
        FrmInizio* f = FrmInizio::caricato();

        const auto giro = [f, via](int i) {
            ui::Pulsante* d[] = {pulsante(f, "Command1"), pulsante(f, "Command3"), pulsante(f, "Command5")};
            QTest::mouseClick(d[i % 3], Qt::LeftButton);
            FrmEquivMul* e = FrmEquivMul::caricato();
            QTest::mouseClick(pulsante(e, "Command2"), Qt::LeftButton);
            if (via == 0)
                e->close();
            else
                azione(e, "MnuEsci")->trigger();
            // As the event loop would: paint, then delete what was left.
            QCoreApplication::processEvents();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        };

        for (int i = 0; i < 50; ++i)
            giro(i);
        const qsizetype oggetti = oggettiVivi();
        const long memoria = residenteKiB();
        for (int i = 0; i < 1000; ++i)
            giro(i);
        QVERIFY(!FrmEquivMul::caricato());
        QCOMPARE(oggettiVivi(), oggetti);
#if !defined(__SANITIZE_ADDRESS__)
        // The sanitizer build holds freed memory in quarantine; its leak report covers it instead.
        QVERIFY2(residenteKiB() - memoria < 1024,
                 qPrintable(QStringLiteral("grew by %1 KiB").arg(residenteKiB() - memoria)));
#else
        Q_UNUSED(memoria);
#endif
        f->Command9_Click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

QTEST_MAIN(ProvaAperturaRipetuta)
#include "prova_apertura_ripetuta.moc"
