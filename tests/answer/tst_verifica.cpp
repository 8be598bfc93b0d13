// Checking an answer, its times, the help offer, the three-attempt rule and "Il quadro".
#include "esercizio_prova.h"

#include <QAction>

using namespace prova;

namespace {
const QString Tastierino = QStringLiteral("Clicca sul tastierino fino a completare il risultato. Poi clicca su Verifica");
const QString Nuova = QStringLiteral("Clicca sul pulsante Nuova trasformazione");

// Everything a learner can see of the screen: texts, shown and enabled states.
QStringList aspetto(FrmEquivMul* f)
{
    QStringList a;
    for (QWidget* w : f->findChildren<QWidget*>()) {
        QString riga = w->objectName() + (w->isHidden() ? " hidden" : "") + (w->isEnabled() ? "" : " disabled");
        if (auto* l = qobject_cast<ui::Label*>(w))
            riga += " [" + l->text() + "]";
        a << riga;
    }
    return a;
}
} // namespace

class TstVerifica : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { chiudi(); }
    void confronto_data();
    void confronto();
    void tempi_data();
    void tempi();
    void esatta();
    void treRifiuti_data();
    void treRifiuti();
    void rifiutoPoiAiuto();
    void tastoUgualeAllaRispostaMostrata();
    void quadro_data();
    void quadro();
};

void TstVerifica::confronto_data()
{
    QTest::addColumn<QString>("esatta");
    QTest::addColumn<QString>("data");
    QTest::addColumn<bool>("giusta");
    QTest::newRow("2,5 = 2,5") << "2,5" << "2,5" << true;
    QTest::newRow("2,5 vs 2,50") << "2,5" << "2,50" << false;
    QTest::newRow("2,5 vs 02,5") << "2,5" << "02,5" << false;
    QTest::newRow("2,5 vs 2.5") << "2,5" << "2.5" << false;
    QTest::newRow("' kg' = ' kg'") << " kg" << " kg" << true;
    QTest::newRow("' kg' = 'kg '") << " kg" << "kg " << true;
    QTest::newRow("' kg' vs ' KG'") << " kg" << " KG" << false;
    QTest::newRow("30 vs ' hg'") << "30" << " hg" << false;
    QTest::newRow("30 vs '30 hg'") << "30" << "30 hg" << false;
}

// Texts are compared, trimmed, not numbers.
void TstVerifica::confronto()
{
    QFETCH(QString, esatta);
    QFETCH(QString, data);
    QFETCH(bool, giusta);
    ScriptedScope sc;
    FrmEquivMul* f = apri(sc.s, 1, 1, domanda345());
    stato().RispostaEsatta = esatta;
    stato().RispostaData = data;
    etichetta(f, "LblRisultato")->setText(data);
    clic(pulsante(f, "CmdVerifica"));
    QCOMPARE(etichetta(f, "LblEsito")->text(), giusta ? QStringLiteral("Esatto") : QStringLiteral("Errato"));
    QCOMPARE(stato().NumeroEsatte, giusta ? 1L : 0L);
    QCOMPARE(stato().NumeroErrate, giusta ? 0L : 1L);
    QCOMPARE(sc.s.sounds.size(), giusta ? 1 : 0);
}

void TstVerifica::tempi_data()
{
    QTest::addColumn<double>("inizio");
    QTest::addColumn<QList<double>>("controlli");  // clock at each check of one question
    QTest::addColumn<double>("totalePrima");
    QTest::addColumn<QStringList>("parziali");
    QTest::addColumn<QString>("totale");
    QTest::addColumn<double>("totaleDopo");
    QTest::newRow("99.9 s") << 36000.0 << QList<double>{36099.9} << 0.0 << QStringList{" 99"} << " 99" << 99.0;
    QTest::newRow("100 s") << 36000.0 << QList<double>{36100.0} << 0.0 << QStringList{"99"} << " 100" << 100.0;
    QTest::newRow("under 1 s") << 36000.0 << QList<double>{36000.9} << 0.0 << QStringList{" 0"} << " 0" << 0.0;
    QTest::newRow("total 999") << 36000.0 << QList<double>{36010.0} << 989.0 << QStringList{" 10"} << " 999" << 999.0;
    QTest::newRow("total 1000") << 36000.0 << QList<double>{36010.0} << 990.0 << QStringList{" 10"} << "999" << 1000.0;
    QTest::newRow("two checks") << 36000.0 << QList<double>{36010.0, 36025.0} << 0.0 << QStringList{" 10", " 25"}
                                << " 35" << 35.0;
    QTest::newRow("midnight") << 86399.5 << QList<double>{9.5} << 0.0 << QStringList{" 10"} << " 10" << 10.0;
}

// Every check of a question is timed from the moment the question appeared.
void TstVerifica::tempi()
{
    QFETCH(double, inizio);
    QFETCH(QList<double>, controlli);
    QFETCH(double, totalePrima);
    QFETCH(QStringList, parziali);
    ScriptedScope sc;
    sc.s.clock = inizio;
    FrmEquivMul* f = apri(sc.s, 1, 1, domanda345());
    stato().TempoTotale = totalePrima;
    for (qsizetype i = 0; i < controlli.size(); ++i) {
        if (i > 0)
            clic(pulsante(f, "Cmdno"));
        clic(pulsante(f, "Command2"));  // a wrong answer keeps the question open
        sc.s.clock = controlli.at(i);
        clic(pulsante(f, "CmdVerifica"));
        QCOMPARE(etichetta(f, "LblTempoParziale")->text(), parziali.at(i));
    }
    QTEST(etichetta(f, "lblTempoTotale")->text(), "totale");
    QTEST(stato().TempoTotale, "totaleDopo");
}

// 345 kg = ? dag answered 34500.
void TstVerifica::esatta()
{
    ScriptedScope sc;
    FrmEquivMul* f = apri(sc.s, 1, 1, domanda345());
    for (ui::Button* b : {pulsante(f, "Command4"), pulsante(f, "Command5"), pulsante(f, "Command6"), pulsante(f, "Command11")})
        clic(b);
    QCOMPARE(etichetta(f, "LblRisultato")->text(), QStringLiteral("34500"));
    sc.s.clock += 12.5;
    clic(pulsante(f, "CmdVerifica"));
    QCOMPARE(sc.s.sounds, QStringList{"/opt/massa/positivo.wav"});
    QCOMPARE(etichetta(f, "LblEsito")->text(), QStringLiteral("Esatto"));
    QCOMPARE(etichetta(f, "lblRisEsatte")->text(), QStringLiteral("1"));
    QCOMPARE(etichetta(f, "lblRisErrate")->text(), QString());
    QCOMPARE(etichetta(f, "LblTempoParziale")->text(), QStringLiteral(" 12"));
    QCOMPARE(etichetta(f, "LblIstruzione")->text(), " " + Nuova);
    QVERIFY(!pulsante(f, "CmdOperazione")->isHidden());
    QVERIFY(pulsante(f, "CmdVerifica")->isHidden());
    QVERIFY(cornice(f, "frmAiuto")->isHidden());
    QVERIFY(!cornice(f, "fraTastierino")->isEnabled() && !cornice(f, "FraSimboli")->isEnabled());
    QCOMPARE(etichetta(f, "LblRisultato")->text(), QStringLiteral("34500"));
}

void TstVerifica::treRifiuti_data()
{
    QTest::addColumn<bool>("aiutoGiaAccettato");
    QTest::newRow("help never accepted") << false;
    QTest::newRow("help accepted before") << true;
}

// Three declined offers on one question: two retries, then the program shows the answer.
void TstVerifica::treRifiuti()
{
    QFETCH(bool, aiutoGiaAccettato);
    ScriptedScope sc;
    FrmEquivMul* f = apri(sc.s, 1, 1, domanda345());
    long errate = 0;
    if (aiutoGiaAccettato) {
        clic(pulsante(f, "Command2"));
        clic(pulsante(f, "CmdVerifica"));
        clic(pulsante(f, "Cmdsi"));
        sc.s.random = domanda345();
        clic(pulsante(f, "CmdOperazione"));
        ++errate;
    }
    for (long tentativo = 1; tentativo <= 3; ++tentativo) {
        clic(pulsante(f, "Command2"));
        clic(pulsante(f, "CmdVerifica"));
        QCOMPARE(etichetta(f, "LblEsito")->text(), QStringLiteral("Errato"));
        QCOMPARE(etichetta(f, "lblRisErrate")->text(), QString::number(++errate));
        QVERIFY(!cornice(f, "frmAiuto")->isHidden());
        QVERIFY(pulsante(f, "CmdOperazione")->isHidden());
        QCOMPARE(etichetta(f, "LblIstruzione")->text(), QStringLiteral("Clicca sul pulsante Sì o sul pulsante No"));
        clic(pulsante(f, "Cmdno"));
        QVERIFY(cornice(f, "frmAiuto")->isHidden());
        QVERIFY(pulsante(f, "CmdVerifica")->isHidden());
        QCOMPARE(etichetta(f, "LblEsito")->text(), QString());
        QCOMPARE(stato().RispostaData, QString());
        if (tentativo < 3) {
            QCOMPARE(stato().NumeroTentativi, tentativo);
            QVERIFY(sc.s.boxes.empty());
            QCOMPARE(etichetta(f, "LblRisultato")->text(), QStringLiteral("?"));
            QCOMPARE(etichetta(f, "lblRisultatoS")->text(), QStringLiteral("?"));
            QCOMPARE(etichetta(f, "LblIstruzione")->text(), Tastierino);
            QCOMPARE(etichetta(f, "lblHelp")->text(), QString());
            QVERIFY(cornice(f, "fraTastierino")->isEnabled() && cornice(f, "FraSimboli")->isEnabled());
        }
    }
    QCOMPARE(sc.s.boxes.size(), std::size_t(1));
    QCOMPARE(sc.s.boxes[0].prompt, QStringLiteral("Hai già fatto 3 tentativi. \rOra intervengo io. "));
    QCOMPARE(sc.s.boxes[0].style, 64);
    QCOMPARE(sc.s.boxes[0].title, QStringLiteral("Attenzione"));
    QCOMPARE(stato().NumeroTentativi, 0L);
    QCOMPARE(etichetta(f, "LblRisultato")->text(), QStringLiteral("34500"));
    QCOMPARE(etichetta(f, "lblRisultatoS")->text(), QStringLiteral("34500"));
    QCOMPARE(etichetta(f, "LblIstruzione")->text(), Nuova);
    QVERIFY(!pulsante(f, "CmdOperazione")->isHidden());
    QVERIFY(cornice(f, "fraTastierino")->isEnabled() && !cornice(f, "FraSimboli")->isEnabled());
    for (ui::Label* mark : {etichetta(f, "lblHelp"), etichetta(f, "lblHelpS")}) {
        QCOMPARE(mark->text(), QStringLiteral("My help"));
        QCOMPARE(!mark->isHidden(), aiutoGiaAccettato);
    }

    // The keypad still works: a new entry, and its check is scored like any other.
    clic(pulsante(f, "Command4"));
    QCOMPARE(etichetta(f, "LblRisultato")->text(), QStringLiteral("3"));
    QVERIFY(!pulsante(f, "CmdVerifica")->isHidden());
    for (ui::Button* b : {pulsante(f, "Command5"), pulsante(f, "Command6"), pulsante(f, "Command11")})
        clic(b);
    clic(pulsante(f, "CmdVerifica"));
    QCOMPARE(etichetta(f, "LblEsito")->text(), QStringLiteral("Esatto"));
    QCOMPARE(etichetta(f, "lblRisEsatte")->text(), QStringLiteral("1"));
}

// After the program has shown the answer 7, the key "7" writes the same text into the
// label; the check button must come back all the same.
void TstVerifica::tastoUgualeAllaRispostaMostrata()
{
    ScriptedScope sc;
    // Draw 7: kg and hg, generator 7 with n = 7: 0,7 kg = ? hg.
    FrmEquivMul* f = apri(sc.s, 1, 1, {verso(6, 100), verso(6, 9)});
    QCOMPARE(stato().RispostaEsatta, QStringLiteral("7"));
    for (int i = 0; i < 3; ++i) {
        clic(pulsante(f, "Command2"));
        clic(pulsante(f, "CmdVerifica"));
        clic(pulsante(f, "Cmdno"));
    }
    QCOMPARE(etichetta(f, "LblRisultato")->text(), QStringLiteral("7"));
    QVERIFY(pulsante(f, "CmdVerifica")->isHidden());
    clic(pulsante(f, "Command8"));
    QCOMPARE(etichetta(f, "LblRisultato")->text(), QStringLiteral("7"));
    QVERIFY(!pulsante(f, "CmdVerifica")->isHidden());
    QCOMPARE(etichetta(f, "LblIstruzione")->text(), QStringLiteral("Clicca sul pulsante Verifica"));
    clic(pulsante(f, "CmdVerifica"));
    QCOMPARE(etichetta(f, "LblEsito")->text(), QStringLiteral("Esatto"));
}

// Wrong, declined, wrong, accepted: the answer shows at once and one declined offer stays counted.
void TstVerifica::rifiutoPoiAiuto()
{
    ScriptedScope sc;
    FrmEquivMul* f = apri(sc.s, 1, 1, domanda345());
    clic(pulsante(f, "Command2"));
    clic(pulsante(f, "CmdVerifica"));
    clic(pulsante(f, "Cmdno"));
    clic(pulsante(f, "Command3"));
    clic(pulsante(f, "CmdVerifica"));
    clic(pulsante(f, "Cmdsi"));
    QCOMPARE(etichetta(f, "LblRisultato")->text(), QStringLiteral("34500"));
    QCOMPARE(etichetta(f, "lblRisultatoS")->text(), QStringLiteral("34500"));
    QCOMPARE(stato().NumeroTentativi, 1L);
    QCOMPARE(stato().RispostaData, QStringLiteral("2"));
    for (ui::Label* mark : {etichetta(f, "lblHelp"), etichetta(f, "lblHelpS")}) {
        QCOMPARE(mark->text(), QStringLiteral("My help"));
        QVERIFY(!mark->isHidden());
    }
    QCOMPARE(etichetta(f, "LblEsito")->text(), QString());
    QCOMPARE(etichetta(f, "LblIstruzione")->text(), Nuova);
    QVERIFY(cornice(f, "frmAiuto")->isHidden());
    QVERIFY(!pulsante(f, "CmdOperazione")->isHidden());
    QVERIFY(pulsante(f, "CmdVerifica")->isHidden());
    QVERIFY(!cornice(f, "fraTastierino")->isEnabled() && !cornice(f, "FraSimboli")->isEnabled());
    QVERIFY(sc.s.boxes.empty());
    clic(pulsante(f, "CmdOperazione"));
    QCOMPARE(stato().NumeroTentativi, 0L);
}

void TstVerifica::quadro_data()
{
    QTest::addColumn<bool>("presente");
    QTest::newRow("quadro.exe startable") << true;
    QTest::newRow("quadro.exe missing") << false;
}

void TstVerifica::quadro()
{
    QFETCH(bool, presente);
    ScriptedScope sc;
    if (presente)
        sc.s.startable << QStringLiteral("quadro.exe");
    FrmEquivMul* f = apri(sc.s, 1, 1, domanda345());
    clic(pulsante(f, "Command2"));
    const QStringList prima = aspetto(f);
    const QString risposta = stato().RispostaData;
    azione(f, "mnuQuadro")->trigger();
    QCOMPARE(sc.s.started, QStringList{"quadro.exe"});
    if (presente) {
        QVERIFY(sc.s.boxes.empty());
    } else {
        QCOMPARE(sc.s.boxes.size(), std::size_t(1));
        QCOMPARE(sc.s.boxes[0].prompt, QStringLiteral("File mancante"));
        QCOMPARE(sc.s.boxes[0].style, 0);
        QCOMPARE(sc.s.boxes[0].title, QString());
    }
    QCOMPARE(aspetto(f), prima);
    QCOMPARE(stato().RispostaData, risposta);
}

QTEST_MAIN(TstVerifica)
#include "tst_verifica.moc"
