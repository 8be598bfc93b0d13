// SPDX-License-Identifier: GPL-3.0-or-later
// The question cycle of the exercise screen: presentation, next question, closing and reopening.
#include "esercizio_prova.h"

#include <QAction>
#include <QPointer>

using namespace prova;

namespace {
const QString Tastierino = QStringLiteral(
    "Clicca sul tastierino fino a completare il risultato. Poi clicca su Verifica");
}

class ProvaCiclo : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { chiudi(); }
    void presentazione_data();
    void presentazione();
    void cornicNascosteIntatte();
    void fuoriCampo_data();
    void fuoriCampo();
    void numeroDomanda();
    void chiusura_data();
    void chiusura();
};

void ProvaCiclo::presentazione_data()
{
    QTest::addColumn<int>("tipo");
    QTest::addColumn<int>("direzione");
    QTest::addColumn<int>("c"); // 0: no choice drawn
    QTest::addColumn<int>("di");
    QTest::addColumn<int>("p"); // 1 number/smaller, 2 number/larger, 3 symbol/smaller, 4 symbol/larger
    QTest::newRow("1/1") << 1 << 1 << 0 << 0 << 1;
    QTest::newRow("1/2") << 1 << 2 << 0 << 0 << 2;
    QTest::newRow("2/1") << 2 << 1 << 0 << 0 << 3;
    QTest::newRow("2/2") << 2 << 2 << 0 << 0 << 4;
    const struct {
        int tipo, dir, uno, due;
    } coppie[] = {{1, 3, 1, 2}, {2, 3, 3, 4}, {3, 1, 1, 3}, {3, 2, 2, 4}};
    for (const auto& x : coppie) {
        const QByteArray n = QByteArray::number(x.tipo) + '/' + QByteArray::number(x.dir);
        QTest::newRow(n + " c1") << x.tipo << x.dir << 1 << 2 << x.uno;
        QTest::newRow(n + " c2") << x.tipo << x.dir << 2 << 2 << x.due;
    }
    for (int c = 1; c <= 4; ++c)
        QTest::newRow(QByteArray("3/3 c") + QByteArray::number(c)) << 3 << 3 << c << 4 << c;
}

// 345 kg = 34500 dag in each of the four presentations.
void ProvaCiclo::presentazione()
{
    QFETCH(int, tipo);
    QFETCH(int, direzione);
    QFETCH(int, c);
    QFETCH(int, di);
    QFETCH(int, p);
    ConServiziDiProva sc;
    sc.s.orologio = 40000.25;
    FrmEquivMul* f = apri(sc.s, short(tipo), short(direzione), domanda345(c, di));
    const bool numero = p <= 2, minore = p % 2 == 1;
    const QString dato = minore ? QStringLiteral("345 kg") : QStringLiteral("34500 dag");

    QCOMPARE(!cornice(f, "fraNumero")->isHidden(), numero);
    QCOMPARE(!cornice(f, "fraTastierino")->isHidden(), numero);
    QCOMPARE(cornice(f, "fraSimbolo")->isHidden(), numero);
    QCOMPARE(cornice(f, "FraSimboli")->isHidden(), numero);
    if (numero) {
        QCOMPARE(etichetta(f, "Label4")->text(), dato);
        QCOMPARE(etichetta(f, "LblRisultato")->text(), QStringLiteral("?"));
        QCOMPARE(etichetta(f, "Label11")->text(), minore ? QStringLiteral(" dag") : QStringLiteral(" kg"));
        QCOMPARE(stato().RispostaEsatta, minore ? QStringLiteral("34500") : QStringLiteral("345"));
        QCOMPARE(etichetta(f, "Label4S")->text(), QString());
    } else {
        QCOMPARE(etichetta(f, "Label4S")->text(), dato);
        QCOMPARE(etichetta(f, "label11S")->text(), minore ? QStringLiteral("34500") : QStringLiteral("345"));
        QCOMPARE(etichetta(f, "lblRisultatoS")->text(), QStringLiteral("?"));
        QCOMPARE(stato().RispostaEsatta, minore ? QStringLiteral(" dag") : QStringLiteral(" kg"));
        QCOMPARE(etichetta(f, "Label4")->text(), QString());
    }
    QCOMPARE(sc.s.casualiPresi, c ? 3 : 2);
    QCOMPARE(etichetta(f, "Label7")->text(), QStringLiteral("23"));
    QCOMPARE(etichetta(f, "LblOperazione")->text(), QStringLiteral("1"));
    QCOMPARE(etichetta(f, "LblIstruzione")->text(), Tastierino);
    QCOMPARE(etichetta(f, "LblEsito")->text(), QString());
    QVERIFY(pulsante(f, "CmdVerifica")->isHidden());
    QCOMPARE(stato().TempoInizio, 40000.25f);
    QCOMPARE(sc.s.semi, std::vector<double>{40000.25});
}

// The frame a question hides keeps the texts of the last question that showed it.
void ProvaCiclo::cornicNascosteIntatte()
{
    ConServiziDiProva sc;
    FrmEquivMul* f = apri(sc.s, 3, 1, domanda345(1, 2));
    digita(f, QStringLiteral("34500"));
    clic(pulsante(f, "CmdVerifica"));
    // Draw 1 (kg and hg, generator 1) with n = 3, asked as a symbol: 3 kg = 30 ?
    sc.s.casuali = {verso(0, 100), verso(3, 9), verso(1, 2)};
    clic(pulsante(f, "CmdOperazione"));
    QVERIFY(cornice(f, "fraNumero")->isHidden());
    QCOMPARE(etichetta(f, "LblRisultato")->text(), QStringLiteral("34500"));
    QCOMPARE(etichetta(f, "Label4S")->text(), QStringLiteral("3 kg"));
    clic(pulsante(f, "Command25"));
    clic(pulsante(f, "CmdVerifica"));
    QCOMPARE(etichetta(f, "LblEsito")->text(), QStringLiteral("Esatto"));
    sc.s.casuali = domanda345(1, 2);
    clic(pulsante(f, "CmdOperazione"));
    QVERIFY(cornice(f, "fraSimbolo")->isHidden());
    QCOMPARE(etichetta(f, "Label4")->text(), QStringLiteral("345 kg"));
    QCOMPARE(etichetta(f, "label11S")->text(), QStringLiteral("30"));
    QCOMPARE(etichetta(f, "lblRisultatoS")->text(), QStringLiteral(" hg"));
}

void ProvaCiclo::fuoriCampo_data()
{
    QTest::addColumn<int>("tipo");
    QTest::addColumn<int>("direzione");
    QTest::newRow("kind 0") << 0 << 1;
    QTest::newRow("kind 4") << 4 << 3;
    QTest::newRow("kind -1") << -1 << 2;
    QTest::newRow("direction 0") << 1 << 0;
    QTest::newRow("direction 4") << 3 << 4;
}

// No presentation: the screen keeps the last question, but the question is still finished.
void ProvaCiclo::fuoriCampo()
{
    QFETCH(int, tipo);
    QFETCH(int, direzione);
    ConServiziDiProva sc;
    FrmEquivMul* f = apri(sc.s, 1, 1, domanda345());
    digita(f, QStringLiteral("34500"));
    clic(pulsante(f, "CmdVerifica"));
    stato().TipoCalcolo = short(tipo);
    stato().Direzione = short(direzione);
    sc.s.casuali = {verso(99, 100), verso(7999, 8000)};
    sc.s.orologio = 37000.5;
    clic(pulsante(f, "CmdOperazione"));
    QCOMPARE(sc.s.casualiPresi, 4);
    QCOMPARE(etichetta(f, "Label7")->text(), QStringLiteral("100"));
    QCOMPARE(stato().ValoreMaggiore, QStringLiteral("899,9"));
    QVERIFY(!cornice(f, "fraNumero")->isHidden() && !cornice(f, "fraTastierino")->isHidden());
    QVERIFY(cornice(f, "fraSimbolo")->isHidden() && cornice(f, "FraSimboli")->isHidden());
    QCOMPARE(etichetta(f, "LblRisultato")->text(), QStringLiteral("34500"));
    QCOMPARE(etichetta(f, "lblRisultatoS")->text(), QString());
    QCOMPARE(etichetta(f, "Label4")->text(), QString());
    QCOMPARE(stato().RispostaEsatta, QStringLiteral("34500"));
    QCOMPARE(etichetta(f, "LblEsito")->text(), QString());
    QCOMPARE(etichetta(f, "LblIstruzione")->text(), Tastierino);
    QCOMPARE(stato().TempoInizio, 37000.5f);
}

// Checking never moves the question number; only "Nuova trasformazione" does.
void ProvaCiclo::numeroDomanda()
{
    ConServiziDiProva sc;
    FrmEquivMul* f = apri(sc.s, 1, 1, domanda345());
    digita(f, QStringLiteral("1"));
    clic(pulsante(f, "CmdVerifica"));
    clic(pulsante(f, "Cmdsi"));
    QCOMPARE(etichetta(f, "LblOperazione")->text(), QStringLiteral("1"));
    clic(pulsante(f, "CmdOperazione"));
    QCOMPARE(etichetta(f, "LblOperazione")->text(), QStringLiteral("2"));
    digita(f, QStringLiteral("34500"));
    clic(pulsante(f, "CmdVerifica"));
    QCOMPARE(etichetta(f, "LblOperazione")->text(), QStringLiteral("2"));
    QCOMPARE(stato().NumeroOperazione, 2L);
}

void ProvaCiclo::chiusura_data()
{
    QTest::addColumn<bool>("menu");
    QTest::newRow("close box") << false;
    QTest::newRow("Esci") << true;
}

void ProvaCiclo::chiusura()
{
    QFETCH(bool, menu);
    ConServiziDiProva sc;
    QPointer<FrmEquivMul> f = apri(sc.s, 1, 1, domanda345());
    digita(f, QStringLiteral("34500"));
    clic(pulsante(f, "CmdVerifica"));
    clic(pulsante(f, "CmdOperazione"));
    QCOMPARE(stato().NumeroEsatte, 1L);

    int ritorni = 0;
    bool caricatoAlRitorno = false;
    FrmEquivMul::impostaRitorno([&](const QString&) {
        ++ritorni;
        caricatoAlRitorno = FrmEquivMul::caricato() == f;
        f->close(); // a second request while unloading
        f->scarica();
    });
    if (menu)
        azione(f, "MnuEsci")->trigger();
    else
        f->close();
    QCOMPARE(ritorni, 1);
    QVERIFY(caricatoAlRitorno);
    QCOMPARE(FrmEquivMul::caricato(), nullptr);
    QVERIFY(f->isHidden());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(f.isNull());

    // Reopened without touching the shared state: a new exercise from question 1.
    sc.s.casuali = domanda345();
    FrmEquivMul* g = FrmEquivMul::istanza();
    QCOMPARE(etichetta(g, "LblOperazione")->text(), QStringLiteral("1"));
    QCOMPARE(etichetta(g, "lblRisEsatte")->text(), QString());
    QCOMPARE(stato().NumeroOperazione, 1L);
    QCOMPARE(stato().NumeroEsatte, 0L);
    QCOMPARE(stato().TempoTotale, 0.0);
    QCOMPARE(etichetta(g, "LblRisultato")->text(), QStringLiteral("?"));
    QCOMPARE(ritorni, 1);
    FrmEquivMul::impostaRitorno([&](const QString&) { ++ritorni; });
    g->close();
    QCOMPARE(ritorni, 2);
}

QTEST_MAIN(ProvaCiclo)
#include "prova_ciclo.moc"
