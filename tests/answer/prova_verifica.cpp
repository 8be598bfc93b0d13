// SPDX-License-Identifier: GPL-3.0-or-later
// Checking an answer, its times, the help offer, the three-attempt rule and "Il quadro".
#include "esercizio_prova.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QWindow>

using namespace prova;

namespace {
const QString Tastierino = QStringLiteral(
    "Clicca sul tastierino fino a completare il risultato. Poi clicca su Verifica");
const QString Nuova = QStringLiteral("Clicca sul pulsante Nuova trasformazione");
} // namespace

class ProvaVerifica : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { chiudi(); }
    void tempiDiUnaDomanda();
    void esatta();
    void esattaSenzaSuono();
    void zeroInUnaDomandaDiSimbolo();
    void treRifiuti_data();
    void treRifiuti();
    void rifiutoPoiAiuto();
    void tastoUgualeAllaRispostaMostrata();
    void verificaDopoLIntervento();
    void doppioClicSuVerifica_data();
    void doppioClicSuVerifica();
    void quadro_data();
    void quadro();
};

// Every check of a question is timed from the moment the question appeared: a retry
// after a declined offer too, and the whole time is added again.
void ProvaVerifica::tempiDiUnaDomanda()
{
    ConServiziDiProva sc;
    sc.s.orologio = 36000.0;
    FrmEquivMul* f = apri(sc.s, 1, 1, domanda345());
    clic(pulsante(f, "Command2"));
    sc.s.orologio = 36010.0;
    clic(pulsante(f, "CmdVerifica"));
    QCOMPARE(etichetta(f, "LblTempoParziale")->text(), QStringLiteral(" 10"));
    clic(pulsante(f, "Cmdno"));
    clic(pulsante(f, "Command2"));
    sc.s.orologio = 36025.0;
    clic(pulsante(f, "CmdVerifica"));
    QCOMPARE(etichetta(f, "LblTempoParziale")->text(), QStringLiteral(" 25"));
    QCOMPARE(etichetta(f, "lblTempoTotale")->text(), QStringLiteral(" 35"));
    QCOMPARE(stato().TempoTotale, 35.0);
}

// 345 kg = ? dag answered 34500.
void ProvaVerifica::esatta()
{
    ConServiziDiProva sc;
    FrmEquivMul* f = apri(sc.s, 1, 1, domanda345());
    for (ui::Pulsante* b :
         {pulsante(f, "Command4"), pulsante(f, "Command5"), pulsante(f, "Command6"), pulsante(f, "Command11")})
        clic(b);
    QCOMPARE(etichetta(f, "LblRisultato")->text(), QStringLiteral("34500"));
    sc.s.orologio += 12.5;
    clic(pulsante(f, "CmdVerifica"));
    QCOMPARE(sc.s.suoni, QStringList{sc.s.cartella + "/positivo.wav"});
    QCOMPARE(sc.s.bipSuonati, 0);
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

// The sound library cannot play the chime: the beep stands in, and nothing else changes.
void ProvaVerifica::esattaSenzaSuono()
{
    ConServiziDiProva sc;
    sc.s.suoniRiescono = false;
    FrmEquivMul* f = apri(sc.s, 1, 1, domanda345());
    for (ui::Pulsante* b :
         {pulsante(f, "Command4"), pulsante(f, "Command5"), pulsante(f, "Command6"), pulsante(f, "Command11")})
        clic(b);
    clic(pulsante(f, "CmdVerifica"));
    QCOMPARE(sc.s.suoni, QStringList{sc.s.cartella + "/positivo.wav"});
    QCOMPARE(sc.s.bipSuonati, 0);
    const QStringList prima = aspetto(f);
    const QWidgetList finestre = QApplication::topLevelWidgets();
    sc.s.consegnaFallimenti();
    QCoreApplication::processEvents();
    QCOMPARE(sc.s.bipSuonati, 1);
    QCOMPARE(sc.s.suoni.size(), 1);
    QVERIFY(sc.s.messaggi.empty());
    QVERIFY(sc.s.avviati.isEmpty());
    QCOMPARE(aspetto(f), prima);
    QCOMPARE(QApplication::topLevelWidgets(), finestre);
    QCOMPARE(stato().NumeroEsatte, 1L);
    QCOMPARE(etichetta(f, "LblEsito")->text(), QStringLiteral("Esatto"));
}

// Draw 1 (kg and hg, generator 1) with n = 0, kind 2, direction 2: "0 hg = 0 ?" expects
// " kg", but " g" makes a true statement too.
void ProvaVerifica::zeroInUnaDomandaDiSimbolo()
{
    ConServiziDiProva sc;
    FrmEquivMul* f = apri(sc.s, 2, 2, {verso(0, 100), verso(0, 9)});
    QCOMPARE(etichetta(f, "Label4S")->text(), QStringLiteral("0 hg"));
    QCOMPARE(etichetta(f, "label11S")->text(), QStringLiteral("0"));
    clic(pulsante(f, "Command23"));
    clic(pulsante(f, "CmdVerifica"));
    QCOMPARE(etichetta(f, "LblEsito")->text(), QStringLiteral("Esatto"));
    QCOMPARE(etichetta(f, "lblRisEsatte")->text(), QStringLiteral("1"));
    QCOMPARE(sc.s.suoni.size(), 1);
    QVERIFY(cornice(f, "frmAiuto")->isHidden());
    QVERIFY(!pulsante(f, "CmdOperazione")->isHidden());
}

void ProvaVerifica::treRifiuti_data()
{
    QTest::addColumn<bool>("aiutoGiaAccettato");
    QTest::newRow("help never accepted") << false;
    QTest::newRow("help accepted before") << true;
}

// Three declined offers on one question: two retries, then the program shows the answer.
void ProvaVerifica::treRifiuti()
{
    QFETCH(bool, aiutoGiaAccettato);
    ConServiziDiProva sc;
    FrmEquivMul* f = apri(sc.s, 1, 1, domanda345());
    long errate = 0;
    if (aiutoGiaAccettato) {
        clic(pulsante(f, "Command2"));
        clic(pulsante(f, "CmdVerifica"));
        clic(pulsante(f, "Cmdsi"));
        sc.s.casuali = domanda345();
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
            QVERIFY(sc.s.messaggi.empty());
            QCOMPARE(etichetta(f, "LblRisultato")->text(), QStringLiteral("?"));
            QCOMPARE(etichetta(f, "lblRisultatoS")->text(), QStringLiteral("?"));
            QCOMPARE(etichetta(f, "LblIstruzione")->text(), Tastierino);
            QCOMPARE(etichetta(f, "lblHelp")->text(), QString());
            QVERIFY(cornice(f, "fraTastierino")->isEnabled() && cornice(f, "FraSimboli")->isEnabled());
        }
    }
    QCOMPARE(sc.s.messaggi.size(), std::size_t(1));
    QCOMPARE(sc.s.messaggi[0].testo, QStringLiteral("Hai già fatto 3 tentativi. \rOra intervengo io. "));
    QCOMPARE(sc.s.messaggi[0].stile, 64);
    QCOMPARE(sc.s.messaggi[0].titolo, QStringLiteral("Attenzione"));
    QCOMPARE(stato().NumeroTentativi, 0L);
    QCOMPARE(etichetta(f, "LblRisultato")->text(), QStringLiteral("34500"));
    QCOMPARE(etichetta(f, "lblRisultatoS")->text(), QStringLiteral("34500"));
    QCOMPARE(etichetta(f, "LblIstruzione")->text(), Nuova);
    QVERIFY(!pulsante(f, "CmdOperazione")->isHidden());
    QVERIFY(cornice(f, "fraTastierino")->isEnabled() && !cornice(f, "FraSimboli")->isEnabled());
    for (ui::Etichetta* mark : {etichetta(f, "lblHelp"), etichetta(f, "lblHelpS")}) {
        QCOMPARE(mark->text(), QStringLiteral("My help"));
        QCOMPARE(!mark->isHidden(), aiutoGiaAccettato);
    }

    // The keypad still works: a new entry, and its check is scored like any other.
    clic(pulsante(f, "Command4"));
    QCOMPARE(etichetta(f, "LblRisultato")->text(), QStringLiteral("3"));
    QVERIFY(!pulsante(f, "CmdVerifica")->isHidden());
    for (ui::Pulsante* b : {pulsante(f, "Command5"), pulsante(f, "Command6"), pulsante(f, "Command11")})
        clic(b);
    clic(pulsante(f, "CmdVerifica"));
    QCOMPARE(etichetta(f, "LblEsito")->text(), QStringLiteral("Esatto"));
    QCOMPARE(etichetta(f, "lblRisEsatte")->text(), QStringLiteral("1"));
}

// After the program has shown the answer 7, the key "7" writes the same text into the
// label; the check button must come back all the same.
void ProvaVerifica::tastoUgualeAllaRispostaMostrata()
{
    ConServiziDiProva sc;
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

// Where a learner clicks: the spot of the main buttons, on whichever is in front there.
void clicSuiPulsantiPrincipali(FrmEquivMul* f,
                               void (*azione)(QWindow*, Qt::MouseButton, Qt::KeyboardModifiers, QPoint, int))
{
    ui::Pulsante* verifica = pulsante(f, "CmdVerifica");
    const QPoint centro = verifica->mapTo(f, verifica->rect().center());
    azione(f->windowHandle(), Qt::LeftButton, {}, centro, -1);
}

// After the program has shown the answer, a new entry brings "Verifica" back, in front
// of "Nuova trasformazione": a click there checks the entry.
void ProvaVerifica::verificaDopoLIntervento()
{
    ConServiziDiProva sc;
    FrmEquivMul* f = apri(sc.s, 1, 1, domanda345());
    for (int i = 0; i < 3; ++i) {
        clic(pulsante(f, "Command2"));
        clic(pulsante(f, "CmdVerifica"));
        clic(pulsante(f, "Cmdno"));
    }
    clic(pulsante(f, "Command4"));
    QVERIFY(pulsante(f, "CmdVerifica")->isVisible() && pulsante(f, "CmdOperazione")->isVisible());
    clicSuiPulsantiPrincipali(f, QTest::mouseClick);
    QCOMPARE(stato().NumeroErrate, 4L);
    QCOMPARE(etichetta(f, "LblEsito")->text(), QStringLiteral("Errato"));
    QCOMPARE(stato().NumeroOperazione, 1L);
    // A later question has the designed order back.
    clic(pulsante(f, "Cmdsi"));
    sc.s.casuali = domanda345();
    clic(pulsante(f, "CmdOperazione"));
    const QObjectList& ordine = cornice(f, "Frame1")->children();
    QVERIFY(ordine.indexOf(pulsante(f, "CmdOperazione")) > ordine.indexOf(pulsante(f, "CmdVerifica")));
}

void ProvaVerifica::doppioClicSuVerifica_data()
{
    QTest::addColumn<bool>("tastiera");
    QTest::newRow("double-click") << false;
    QTest::newRow("Return twice") << true;
}

// A double-click on "Verifica" with a right answer: the second click lands on "Nuova
// trasformazione", shown in the same place, and does not skip the verdict.
void ProvaVerifica::doppioClicSuVerifica()
{
    QFETCH(bool, tastiera);
    ConServiziDiProva sc;
    FrmEquivMul* f = apri(sc.s, 1, 1, domanda345());
    QGuiApplication::styleHints()->setMouseDoubleClickInterval(400);
    digita(f, QStringLiteral("34500"));
    QElapsedTimer orologio;
    orologio.start();
    if (tastiera) {
        QTest::keyClick(f, Qt::Key_Return);
        QTest::keyClick(f, Qt::Key_Return);
    } else {
        clicSuiPulsantiPrincipali(f, QTest::mouseDClick);
    }
    if (orologio.elapsed() >= 400)
        QSKIP("the machine took longer than a double-click to deliver two clicks");
    QCOMPARE(etichetta(f, "LblEsito")->text(), QStringLiteral("Esatto"));
    QCOMPARE(stato().NumeroOperazione, 1L);
    // Once the interval is over, the next click is the learner's own.
    QTest::qWait(450);
    sc.s.casuali = domanda345();
    clicSuiPulsantiPrincipali(f, QTest::mouseClick);
    QCOMPARE(stato().NumeroOperazione, 2L);
}

// Wrong, declined, wrong, accepted: the answer shows at once and one declined offer stays counted.
void ProvaVerifica::rifiutoPoiAiuto()
{
    ConServiziDiProva sc;
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
    for (ui::Etichetta* mark : {etichetta(f, "lblHelp"), etichetta(f, "lblHelpS")}) {
        QCOMPARE(mark->text(), QStringLiteral("My help"));
        QVERIFY(!mark->isHidden());
    }
    QCOMPARE(etichetta(f, "LblEsito")->text(), QString());
    QCOMPARE(etichetta(f, "LblIstruzione")->text(), Nuova);
    QVERIFY(cornice(f, "frmAiuto")->isHidden());
    QVERIFY(!pulsante(f, "CmdOperazione")->isHidden());
    QVERIFY(pulsante(f, "CmdVerifica")->isHidden());
    QVERIFY(!cornice(f, "fraTastierino")->isEnabled() && !cornice(f, "FraSimboli")->isEnabled());
    QVERIFY(sc.s.messaggi.empty());
    clic(pulsante(f, "CmdOperazione"));
    QCOMPARE(stato().NumeroTentativi, 0L);
}

void ProvaVerifica::quadro_data()
{
    QTest::addColumn<bool>("presente");
    QTest::newRow("quadro.exe startable") << true;
    QTest::newRow("quadro.exe missing") << false;
}

void ProvaVerifica::quadro()
{
    QFETCH(bool, presente);
    ConServiziDiProva sc;
    if (presente)
        sc.s.avviabili << QStringLiteral("quadro.exe");
    FrmEquivMul* f = apri(sc.s, 1, 1, domanda345());
    clic(pulsante(f, "Command2"));
    const QStringList prima = aspetto(f);
    const QString risposta = stato().RispostaData;
    azione(f, "mnuQuadro")->trigger();
    QCOMPARE(sc.s.avviati, QStringList{"quadro.exe"});
    if (presente) {
        QVERIFY(sc.s.messaggi.empty());
    } else {
        QCOMPARE(sc.s.messaggi.size(), std::size_t(1));
        QCOMPARE(sc.s.messaggi[0].testo, QStringLiteral("File mancante"));
        QCOMPARE(sc.s.messaggi[0].stile, 0);
        QCOMPARE(sc.s.messaggi[0].titolo, QString());
    }
    QCOMPARE(aspetto(f), prima);
    QCOMPARE(stato().RispostaData, risposta);
}

QTEST_MAIN(ProvaVerifica)
#include "prova_verifica.moc"
