// SPDX-License-Identifier: GPL-3.0-or-later
// Any sequence of clicks on whatever is on show must keep the screens consistent.
// The seed is printed; MASSA_SEED=<n> replays a failing run.
#include "controlli.h"
#include "exercise/frm_equivmul.h"
#include "regole/stato.h"
#include "servizi_di_prova.h"
#include "start/frm_inizio.h"
#include "start/frm_inizio_sfondo.h"
#include "start/programma.h"

#include <QAction>
#include <QComboBox>
#include <QTest>
#include <random>

using namespace prova;

namespace {

void eliminaDifferiti() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

bool mostrato(const QWidget* w) { return w->isVisibleTo(w->window()); }

} // namespace

class ProvaClicCasuali : public QObject {
    Q_OBJECT

private slots:
    void ogniClicRispettaGliInvarianti()
    {
        const QByteArray fromEnv = qgetenv("MASSA_SEED");
        const unsigned seme = fromEnv.isEmpty() ? std::random_device{}() : fromEnv.toUInt();
        qInfo("seed %u (replay with MASSA_SEED=%u)", seme, seme);
        std::mt19937 gen(seme);
        const auto uno = [&gen](std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(gen); };

        ConServiziDiProva scope;
        ServiziDiProva& sv = scope.s;
        sv.avviabili << QStringLiteral("quadro.exe");
        stato() = StatoProgramma{};
        senzaDoppioClic();
        int fini = 0;
        FrmInizio::impostaFine([&fini] { ++fini; });
        apriProgramma();

        // MASSA_CLIC=<n> sets how many clicks; 20000 by default.
        const int clic = qEnvironmentVariableIsSet("MASSA_CLIC") ? qEnvironmentVariableIntValue("MASSA_CLIC") : 20000;
        int aperture = 0;
        long esattePrima = 0, errateprima = 0, domande = 0;
        for (int i = 0; i < clic; ++i) {
            // Fresh random values for the question that a click may pose, and time goes by.
            while (sv.casuali.size() < 8)
                sv.casuali.push_back(std::uniform_real_distribution<float>(0.0f, 1.0f)(gen));
            sv.orologio += std::uniform_real_distribution<double>(0.0, 40.0)(gen);
            if (sv.orologio >= 86400.0)
                sv.orologio -= 86400.0;

            FrmEquivMul* e = FrmEquivMul::caricato();
            if (!e) {
                // On the start screen: pick a kind (sometimes), then a direction (or a menu entry).
                FrmInizio* f = FrmInizio::caricato();
                QVERIFY(f && f->isVisible());
                if (uno(3) == 0)
                    tendina(f, "Combo1")->setCurrentIndex(static_cast<int>(uno(3)));
                const std::size_t scelta = uno(10);
                if (scelta < 8) {
                    ui::Pulsante* d[] = {pulsante(f, "Command1"), pulsante(f, "Command3"), pulsante(f, "Command5")};
                    QTest::mouseClick(d[uno(3)], Qt::LeftButton);
                    ++aperture;
                    e = FrmEquivMul::caricato();
                    QVERIFY(e && e->isVisible());
                    QCOMPARE(etichetta(e, "LblOperazione")->text(), QStringLiteral("1"));
                    esattePrima = errateprima = 0;
                    domande = 1;
                } else {
                    QAction* voci[] = {azione(f, "mnuVuoto"), azione(f, "mnuInfo"), azione(f, "vuoto1"),
                                       azione(f, "mnuAvvertenza")};
                    voci[uno(4)]->trigger();
                }
                continue;
            }

            // On the exercise screen: any button on show and enabled, or a menu entry now and then.
            QList<ui::Pulsante*> cliccabili;
            for (ui::Pulsante* b : e->findChildren<ui::Pulsante*>())
                if (mostrato(b) && b->isEnabled())
                    cliccabili << b;
            const bool menu = uno(100) == 0 || cliccabili.isEmpty();
            if (menu) {
                QAction* voci[] = {azione(e, "MnuEsci"), azione(e, "vuoto"), azione(e, "mnuQuadro")};
                QAction* a = voci[uno(3)];
                a->trigger();
                if (a == azione(e, "MnuEsci")) {
                    eliminaDifferiti();
                    QVERIFY(!FrmEquivMul::caricato());
                    continue;
                }
            } else {
                ui::Pulsante* b = cliccabili.at(
                    static_cast<qsizetype>(uno(static_cast<std::size_t>(cliccabili.size()))));
                if (b == pulsante(e, "CmdOperazione"))
                    ++domande;
                QTest::mouseClick(b, Qt::LeftButton);
            }

            // The invariants.
            const StatoProgramma& s = stato();
            QVERIFY2(mostrato(cornice(e, "fraNumero")) != mostrato(cornice(e, "fraSimbolo")),
                     "one question frame at a time");
            QVERIFY2(mostrato(cornice(e, "fraTastierino")) != mostrato(cornice(e, "FraSimboli")),
                     "one input frame at a time");
            const ui::Etichetta* risposta = mostrato(cornice(e, "fraNumero")) ? etichetta(e, "LblRisultato")
                                                                              : etichetta(e, "lblRisultatoS");
            QVERIFY2(risposta->text().size() <= 6, qPrintable(risposta->text()));
            if (mostrato(pulsante(e, "CmdVerifica")))
                QCOMPARE(risposta->text(), s.RispostaData);
            QVERIFY(s.NumeroEsatte >= esattePrima);
            QVERIFY(s.NumeroErrate >= errateprima);
            esattePrima = s.NumeroEsatte;
            errateprima = s.NumeroErrate;
            QVERIFY(s.NumeroTentativi >= 0 && s.NumeroTentativi <= 2);
            QCOMPARE(etichetta(e, "LblOperazione")->text(), QString::number(domande));
            if (QTest::currentTestFailed()) {
                qInfo("failed at click %d of seed %u", i, seme);
                return;
            }
        }
        qInfo("%d openings, %ld right and %ld wrong answers in the last one, %ld questions", aperture,
              stato().NumeroEsatte, stato().NumeroErrate, domande);
        QVERIFY(aperture >= 5);
        QCOMPARE(fini, 0);
        FrmInizio::caricato()->Command9_Click();
        eliminaDifferiti();
        QCOMPARE(fini, 1);
    }
};

QTEST_MAIN(ProvaClicCasuali)
#include "prova_clic_casuali.moc"
