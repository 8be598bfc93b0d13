// Checking an answer, its times, the help offer, the three-attempt rule and "Il quadro".
#include "esercizio_prova.h"

#include <QAction>
#include <QApplication>

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
    void esattaSenzaSuono();
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
    f->LblRisultato->setText(data);
    clic(f->CmdVerifica);
    QCOMPARE(f->LblEsito->text(), giusta ? QStringLiteral("Esatto") : QStringLiteral("Errato"));
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
            clic(f->Cmdno);
        clic(f->Command2);  // a wrong answer keeps the question open
        sc.s.clock = controlli.at(i);
        clic(f->CmdVerifica);
        QCOMPARE(f->LblTempoParziale->text(), parziali.at(i));
    }
    QTEST(f->lblTempoTotale->text(), "totale");
    QTEST(stato().TempoTotale, "totaleDopo");
}

// 345 kg = ? dag answered 34500.
void TstVerifica::esatta()
{
    ScriptedScope sc;
    FrmEquivMul* f = apri(sc.s, 1, 1, domanda345());
    for (ui::Button* b : {f->Command4, f->Command5, f->Command6, f->Command11})
        clic(b);
    QCOMPARE(f->LblRisultato->text(), QStringLiteral("34500"));
    sc.s.clock += 12.5;
    clic(f->CmdVerifica);
    QCOMPARE(sc.s.sounds, QStringList{sc.s.folder + "/positivo.wav"});
    QCOMPARE(sc.s.beeps, 0);
    QCOMPARE(f->LblEsito->text(), QStringLiteral("Esatto"));
    QCOMPARE(f->lblRisEsatte->text(), QStringLiteral("1"));
    QCOMPARE(f->lblRisErrate->text(), QString());
    QCOMPARE(f->LblTempoParziale->text(), QStringLiteral(" 12"));
    QCOMPARE(f->LblIstruzione->text(), " " + Nuova);
    QVERIFY(!f->CmdOperazione->isHidden());
    QVERIFY(f->CmdVerifica->isHidden());
    QVERIFY(f->frmAiuto->isHidden());
    QVERIFY(!f->fraTastierino->isEnabled() && !f->FraSimboli->isEnabled());
    QCOMPARE(f->LblRisultato->text(), QStringLiteral("34500"));
}

// The sound library cannot play the chime: the beep stands in, and nothing else changes.
void TstVerifica::esattaSenzaSuono()
{
    ScriptedScope sc;
    sc.s.soundsPlay = false;
    FrmEquivMul* f = apri(sc.s, 1, 1, domanda345());
    for (ui::Button* b : {f->Command4, f->Command5, f->Command6, f->Command11})
        clic(b);
    clic(f->CmdVerifica);
    QCOMPARE(sc.s.sounds, QStringList{sc.s.folder + "/positivo.wav"});
    QCOMPARE(sc.s.beeps, 0);
    const QStringList prima = aspetto(f);
    const QWidgetList finestre = QApplication::topLevelWidgets();
    sc.s.reportSoundFailures();
    QCoreApplication::processEvents();
    QCOMPARE(sc.s.beeps, 1);
    QCOMPARE(sc.s.sounds.size(), 1);
    QVERIFY(sc.s.boxes.empty());
    QVERIFY(sc.s.started.isEmpty());
    QCOMPARE(aspetto(f), prima);
    QCOMPARE(QApplication::topLevelWidgets(), finestre);
    QCOMPARE(stato().NumeroEsatte, 1L);
    QCOMPARE(f->LblEsito->text(), QStringLiteral("Esatto"));
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
        clic(f->Command2);
        clic(f->CmdVerifica);
        clic(f->Cmdsi);
        sc.s.random = domanda345();
        clic(f->CmdOperazione);
        ++errate;
    }
    for (long tentativo = 1; tentativo <= 3; ++tentativo) {
        clic(f->Command2);
        clic(f->CmdVerifica);
        QCOMPARE(f->LblEsito->text(), QStringLiteral("Errato"));
        QCOMPARE(f->lblRisErrate->text(), QString::number(++errate));
        QVERIFY(!f->frmAiuto->isHidden());
        QVERIFY(f->CmdOperazione->isHidden());
        QCOMPARE(f->LblIstruzione->text(), QStringLiteral("Clicca sul pulsante Sì o sul pulsante No"));
        clic(f->Cmdno);
        QVERIFY(f->frmAiuto->isHidden());
        QVERIFY(f->CmdVerifica->isHidden());
        QCOMPARE(f->LblEsito->text(), QString());
        QCOMPARE(stato().RispostaData, QString());
        if (tentativo < 3) {
            QCOMPARE(stato().NumeroTentativi, tentativo);
            QVERIFY(sc.s.boxes.empty());
            QCOMPARE(f->LblRisultato->text(), QStringLiteral("?"));
            QCOMPARE(f->lblRisultatoS->text(), QStringLiteral("?"));
            QCOMPARE(f->LblIstruzione->text(), Tastierino);
            QCOMPARE(f->lblHelp->text(), QString());
            QVERIFY(f->fraTastierino->isEnabled() && f->FraSimboli->isEnabled());
        }
    }
    QCOMPARE(sc.s.boxes.size(), std::size_t(1));
    QCOMPARE(sc.s.boxes[0].prompt, QStringLiteral("Hai già fatto 3 tentativi. \rOra intervengo io. "));
    QCOMPARE(sc.s.boxes[0].style, 64);
    QCOMPARE(sc.s.boxes[0].title, QStringLiteral("Attenzione"));
    QCOMPARE(stato().NumeroTentativi, 0L);
    QCOMPARE(f->LblRisultato->text(), QStringLiteral("34500"));
    QCOMPARE(f->lblRisultatoS->text(), QStringLiteral("34500"));
    QCOMPARE(f->LblIstruzione->text(), Nuova);
    QVERIFY(!f->CmdOperazione->isHidden());
    QVERIFY(f->fraTastierino->isEnabled() && !f->FraSimboli->isEnabled());
    for (ui::Label* mark : {f->lblHelp, f->lblHelpS}) {
        QCOMPARE(mark->text(), QStringLiteral("My help"));
        QCOMPARE(!mark->isHidden(), aiutoGiaAccettato);
    }

    // The keypad still works: a new entry, and its check is scored like any other.
    clic(f->Command4);
    QCOMPARE(f->LblRisultato->text(), QStringLiteral("3"));
    QVERIFY(!f->CmdVerifica->isHidden());
    for (ui::Button* b : {f->Command5, f->Command6, f->Command11})
        clic(b);
    clic(f->CmdVerifica);
    QCOMPARE(f->LblEsito->text(), QStringLiteral("Esatto"));
    QCOMPARE(f->lblRisEsatte->text(), QStringLiteral("1"));
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
        clic(f->Command2);
        clic(f->CmdVerifica);
        clic(f->Cmdno);
    }
    QCOMPARE(f->LblRisultato->text(), QStringLiteral("7"));
    QVERIFY(f->CmdVerifica->isHidden());
    clic(f->Command8);
    QCOMPARE(f->LblRisultato->text(), QStringLiteral("7"));
    QVERIFY(!f->CmdVerifica->isHidden());
    QCOMPARE(f->LblIstruzione->text(), QStringLiteral("Clicca sul pulsante Verifica"));
    clic(f->CmdVerifica);
    QCOMPARE(f->LblEsito->text(), QStringLiteral("Esatto"));
}

// Wrong, declined, wrong, accepted: the answer shows at once and one declined offer stays counted.
void TstVerifica::rifiutoPoiAiuto()
{
    ScriptedScope sc;
    FrmEquivMul* f = apri(sc.s, 1, 1, domanda345());
    clic(f->Command2);
    clic(f->CmdVerifica);
    clic(f->Cmdno);
    clic(f->Command3);
    clic(f->CmdVerifica);
    clic(f->Cmdsi);
    QCOMPARE(f->LblRisultato->text(), QStringLiteral("34500"));
    QCOMPARE(f->lblRisultatoS->text(), QStringLiteral("34500"));
    QCOMPARE(stato().NumeroTentativi, 1L);
    QCOMPARE(stato().RispostaData, QStringLiteral("2"));
    for (ui::Label* mark : {f->lblHelp, f->lblHelpS}) {
        QCOMPARE(mark->text(), QStringLiteral("My help"));
        QVERIFY(!mark->isHidden());
    }
    QCOMPARE(f->LblEsito->text(), QString());
    QCOMPARE(f->LblIstruzione->text(), Nuova);
    QVERIFY(f->frmAiuto->isHidden());
    QVERIFY(!f->CmdOperazione->isHidden());
    QVERIFY(f->CmdVerifica->isHidden());
    QVERIFY(!f->fraTastierino->isEnabled() && !f->FraSimboli->isEnabled());
    QVERIFY(sc.s.boxes.empty());
    clic(f->CmdOperazione);
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
    clic(f->Command2);
    const QStringList prima = aspetto(f);
    const QString risposta = stato().RispostaData;
    f->mnuQuadro->trigger();
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
