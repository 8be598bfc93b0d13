// SPDX-License-Identifier: GPL-3.0-or-later
// The physical keyboard on the exercise screen: each key presses its on-screen control,
// with exactly the gating of the mouse.
#include "esercizio_prova.h"
#include "runtime/servizi_reali.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QTimer>

using namespace prova;

namespace {

// "1 Num+5 Ctrl+1 Shift+D , . Backspace Return": the keys as a learner types them.
void premiTasti(FrmEquivMul* f, const QString& tasti)
{
    const QHash<QString, Qt::Key> nomi = {{"Backspace", Qt::Key_Backspace}, {"Delete", Qt::Key_Delete},
                                          {"Return", Qt::Key_Return},       {"Enter", Qt::Key_Enter},
                                          {"Escape", Qt::Key_Escape},       {"Shift", Qt::Key_Shift}};
    for (QString t : tasti.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        Qt::KeyboardModifiers m;
        for (const auto& [prefisso, mod] : {std::pair{QStringLiteral("Ctrl+"), Qt::ControlModifier},
                                            std::pair{QStringLiteral("Shift+"), Qt::ShiftModifier},
                                            std::pair{QStringLiteral("Num+"), Qt::KeypadModifier}}) {
            if (t.startsWith(prefisso) && t.size() > prefisso.size()) {
                m |= mod;
                t.remove(0, prefisso.size());
            }
        }
        const Qt::Key k = nomi.contains(t) ? nomi[t] : Qt::Key(t.at(0).toUpper().unicode());
        // Delivered as the desktop delivers it: to the control that has the focus.
        QWidget* bersaglio = f->focusWidget() ? f->focusWidget() : f;
        QTest::keyClick(bersaglio, k, m);
    }
}

FrmEquivMul* apriAttiva(ServiziDiProva& s, short tipo, std::deque<float> r)
{
    FrmEquivMul* f = apri(s, tipo, 1, std::move(r));
    f->activateWindow();
    if (!QTest::qWaitForWindowActive(f))
        qWarning("the exercise screen did not become active");
    return f;
}

} // namespace

class ProvaTastiera : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { chiudi(); }
    void mappa_data();
    void mappa();
    void detto_data();
    void detto();
    void cicloConInvio_data();
    void cicloConInvio();
    void domandeIntereConLaTastiera();
    void tastiVeloci();
    void tastoTenuto();
    void pressioneVisibile();
    void esc();
    void finestraDiAvviso_data();
    void finestraDiAvviso();
};

void ProvaTastiera::mappa_data()
{
    QTest::addColumn<int>("tipo");      // 1 number question, 2 symbol question
    QTest::addColumn<QString>("prima"); // keys that bring the question to the state to test
    QTest::addColumn<QString>("tasti");
    QTest::addColumn<QString>("risposta");  // RispostaData after the keys
    QTest::addColumn<QString>("etichetta"); // what the answer label shows

    const char* cifre = "0123456789";
    for (const char* c = cifre; *c; ++c) {
        QTest::addRow("number: %c", *c) << 1 << "" << QString(QChar(*c)) << QString(QChar(*c)) << QString(QChar(*c));
        QTest::addRow("number: keypad %c", *c)
            << 1 << "" << QStringLiteral("Num+%1").arg(*c) << QString(QChar(*c)) << QString(QChar(*c));
    }
    QTest::newRow("number: comma") << 1 << ""
                                   << "1 , 5"
                                   << "1,5"
                                   << "1,5";
    QTest::newRow("number: point") << 1 << ""
                                   << "1 . 5"
                                   << "1,5"
                                   << "1,5";
    QTest::newRow("number: keypad decimal") << 1 << ""
                                            << "1 Num+. 5"
                                            << "1,5"
                                            << "1,5";
    QTest::newRow("number: Backspace") << 1 << ""
                                       << "1 2 Backspace"
                                       << ""
                                       << "?";
    QTest::newRow("number: Delete") << 1 << ""
                                    << "1 2 Delete"
                                    << ""
                                    << "?";
    QTest::newRow("number: Backspace then 7") << 1 << ""
                                              << "1 Backspace 7"
                                              << "7"
                                              << "7";
    QTest::newRow("number: symbol letters") << 1 << ""
                                            << "k h g c m d a d g"
                                            << ""
                                            << "?";
    QTest::newRow("number: Ctrl+1") << 1 << ""
                                    << "Ctrl+1"
                                    << ""
                                    << "?";
    QTest::newRow("number: help offer on show") << 1 << "1 Return"
                                                << "2 , Backspace Return"
                                                << "1"
                                                << "1";
    QTest::newRow("number: after a right answer") << 1 << "3 4 5 0 0 Return"
                                                  << "1 Backspace"
                                                  << "34500"
                                                  << "34500";
    QTest::newRow("number: after accepted help") << 1 << "1 Return s"
                                                 << "7 Backspace"
                                                 << "1"
                                                 << "34500";
    QTest::newRow("number: after a declined offer") << 1 << "1 Return n"
                                                    << "7"
                                                    << "7"
                                                    << "7";

    const struct {
        const char* tasti;
        const char* simbolo;
    } lettere[] = {{"k", " kg"},          {"h", " hg"},       {"g", " g"},
                   {"c", " cg"},          {"m", " mg"},       {"d a", " dag"},
                   {"d g", " dg"},        {"Shift+K", " kg"}, {"Shift+D Shift+A", " dag"},
                   {"d Shift a", " dag"}, {"h d a", " dag"},  {"d g k", " kg"}};
    for (const auto& l : lettere)
        QTest::addRow("symbol: %s", l.tasti) << 2 << "" << l.tasti << l.simbolo << l.simbolo;
    QTest::newRow("symbol: d then 1 drops the d") << 2 << ""
                                                  << "d 1 a"
                                                  << ""
                                                  << "?";
    QTest::newRow("symbol: d then k") << 2 << ""
                                      << "d k"
                                      << " kg"
                                      << " kg";
    QTest::newRow("symbol: digits and commas") << 2 << ""
                                               << "1 , 0"
                                               << ""
                                               << "?";
    QTest::newRow("symbol: Backspace") << 2 << ""
                                       << "k Backspace"
                                       << ""
                                       << "?";
    QTest::newRow("symbol: help offer on show") << 2 << "k Return"
                                                << "h Backspace Return"
                                                << " kg"
                                                << " kg";
    QTest::newRow("symbol: after a right answer") << 2 << "d a Return"
                                                  << "k Backspace"
                                                  << " dag"
                                                  << " dag";
}

void ProvaTastiera::mappa()
{
    QFETCH(int, tipo);
    QFETCH(QString, prima);
    QFETCH(QString, tasti);
    QFETCH(QString, risposta);
    QFETCH(QString, etichetta);
    ConServiziDiProva sc;
    FrmEquivMul* f = apriAttiva(sc.s, short(tipo), domanda345());
    premiTasti(f, prima);
    const int verifiche = int(stato().NumeroEsatte + stato().NumeroErrate);
    premiTasti(f, tasti);
    QCOMPARE(stato().RispostaData, risposta);
    QCOMPARE(prova::etichetta(f, tipo == 1 ? "LblRisultato" : "lblRisultatoS")->text(), etichetta);
    // No key of these checks anything on its own.
    QCOMPARE(int(stato().NumeroEsatte + stato().NumeroErrate), verifiche);
}

void ProvaTastiera::detto_data()
{
    QTest::addColumn<int>("tipo");
    QTest::addColumn<QString>("prima");
    QTest::addColumn<QString>("tasti");
    // What the screen reader is given last: "=" nothing new; "…*" begins, "*…" ends so.
    QTest::addColumn<QString>("frase");
    const auto riga = [](const char* nome, int tipo, const char* prima, const char* tasti, const char* frase) {
        QTest::newRow(nome) << tipo << prima << tasti << QString::fromUtf8(frase);
    };
    riga("a first digit, echoed by the screen reader", 1, "", "3", "=");
    riga("the second digit: the number so far", 1, "", "3 4", "34");
    riga("a letter where a number is asked", 1, "", "k", "Qui servono le cifre.");
    riga("Return with nothing written", 1, "", "Return", "Prima scrivi il numero.");
    riga("s with no help offered", 1, "", "s", "S e N servono dopo un errore.*");
    riga("a digit while the help is offered", 1, "1 Return", "2", "Prima rispondi: S sì, N no.");
    riga("a digit after a right answer", 1, "3 4 5 0 0 Return", "7", "Risposta già data. Invio: nuova domanda.");
    riga("the score", 1, "3 4 5 0 0 Return", "p", "Punteggio: esatte 1, errate 0.*");
    riga("a digit where a unit is asked", 2, "", "5", "Qui servono le lettere: k, h, d a, g, d g, c, m.");
    riga("the question again", 2, "", "r", "*in quale unità? Scegli l'unità: k, h, d a, g, d g, c, m; poi Invio.");
}

void ProvaTastiera::detto()
{
    QFETCH(int, tipo);
    QFETCH(QString, prima);
    QFETCH(QString, tasti);
    QFETCH(QString, frase);
    ConServiziDiProva sc;
    FrmEquivMul* f = apriAttiva(sc.s, short(tipo), domanda345());
    premiTasti(f, prima);
    const QString prec = f->avviso()->frase();
    premiTasti(f, tasti);
    const QString detta = f->avviso()->frase();
    if (frase == QLatin1String("="))
        QCOMPARE(detta, prec);
    else if (frase.endsWith(QLatin1Char('*')))
        QVERIFY2(detta.startsWith(frase.chopped(1)), qPrintable(detta));
    else if (frase.startsWith(QLatin1Char('*')))
        QVERIFY2(detta.endsWith(frase.mid(1)), qPrintable(detta));
    else
        QCOMPARE(detta, frase);
}

void ProvaTastiera::cicloConInvio_data()
{
    QTest::addColumn<QString>("prima");
    QTest::addColumn<int>("verifiche"); // checks after Return
    QTest::addColumn<int>("domanda");   // question number after Return
    QTest::newRow("nothing entered") << "" << 0 << 1;
    QTest::newRow("an entry: checks it") << "1" << 1 << 1;
    QTest::newRow("right answer shown: next question") << "3 4 5 0 0 Return" << 1 << 2;
    QTest::newRow("help offer on show: nothing") << "1 Return" << 1 << 1;
    QTest::newRow("help accepted: next question") << "1 Return s" << 1 << 2;
    QTest::newRow("declined, nothing entered: nothing") << "1 Return n" << 1 << 1;
    QTest::newRow("declined, a new entry: checks it") << "1 Return n 2" << 2 << 1;
}

void ProvaTastiera::cicloConInvio()
{
    QFETCH(QString, prima);
    QFETCH(int, verifiche);
    QFETCH(int, domanda);
    ConServiziDiProva sc;
    FrmEquivMul* f = apriAttiva(sc.s, 1, domanda345());
    premiTasti(f, prima);
    sc.s.casuali = domanda345();
    premiTasti(f, QStringLiteral("Return"));
    QCOMPARE(int(stato().NumeroEsatte + stato().NumeroErrate), verifiche);
    QCOMPARE(stato().NumeroOperazione, long(domanda));
}

// A question answered right, and one answered wrong then helped, with keys alone.
void ProvaTastiera::domandeIntereConLaTastiera()
{
    ConServiziDiProva sc;
    FrmEquivMul* f = apriAttiva(sc.s, 1, domanda345());
    premiTasti(f, QStringLiteral("3 4 5 0 0 Enter"));
    QCOMPARE(etichetta(f, "LblEsito")->text(), QStringLiteral("Esatto"));
    QCOMPARE(sc.s.suoni.size(), qsizetype(1));
    sc.s.casuali = domanda345();
    premiTasti(f, QStringLiteral("Return 9 Return"));
    QCOMPARE(stato().NumeroOperazione, 2L);
    QCOMPARE(etichetta(f, "LblEsito")->text(), QStringLiteral("Errato"));
    QVERIFY(f->findChild<QWidget*>(QStringLiteral("frmAiuto"))->isVisible());
    premiTasti(f, QStringLiteral("n 8 Return n 7 Return n"));
    QCOMPARE(sc.s.messaggi.size(), std::size_t(1));
    QCOMPARE(etichetta(f, "LblRisultato")->text(), QStringLiteral("34500"));
    sc.s.casuali = domanda345();
    premiTasti(f, QStringLiteral("Return 1 Return s Return"));
    QCOMPARE(stato().NumeroOperazione, 4L);
    QCOMPARE(stato().NumeroEsatte, 1L);
    QCOMPARE(stato().NumeroErrate, 4L);
}

// Keys that arrive before the screen has had time to repaint are all taken.
void ProvaTastiera::tastiVeloci()
{
    ConServiziDiProva sc;
    FrmEquivMul* f = apriAttiva(sc.s, 1, domanda345());
    for (int i = 0; i < 5; ++i) {
        QCoreApplication::postEvent(f, new QKeyEvent(QEvent::KeyPress, Qt::Key_1, Qt::NoModifier, QStringLiteral("1")));
        QCoreApplication::postEvent(f,
                                    new QKeyEvent(QEvent::KeyRelease, Qt::Key_1, Qt::NoModifier, QStringLiteral("1")));
    }
    QCoreApplication::processEvents();
    QCOMPARE(stato().RispostaData, QStringLiteral("11111"));
}

// Holding a key down types it once.
void ProvaTastiera::tastoTenuto()
{
    ConServiziDiProva sc;
    FrmEquivMul* f = apriAttiva(sc.s, 1, domanda345());
    for (const bool ripetuto : {false, true, true, true}) {
        QKeyEvent e(QEvent::KeyPress, Qt::Key_5, Qt::NoModifier, QStringLiteral("5"), ripetuto);
        QApplication::sendEvent(f, &e);
    }
    QCOMPARE(stato().RispostaData, QStringLiteral("5"));
}

// The key on screen shows the press for a moment, then comes back up.
void ProvaTastiera::pressioneVisibile()
{
    ConServiziDiProva sc;
    FrmEquivMul* f = apriAttiva(sc.s, 1, domanda345());
    ui::Pulsante* cinque = pulsante(f, "Command6");
    const QColor alto = cinque->grab().toImage().pixelColor(2, 0);
    premiTasti(f, QStringLiteral("5"));
    QVERIFY(cinque->grab().toImage().pixelColor(2, 0) != alto);
    QTRY_COMPARE(cinque->grab().toImage().pixelColor(2, 0), alto);
}

// Escape leaves the exercise as the menu entry "Esci" does.
void ProvaTastiera::esc()
{
    ConServiziDiProva sc;
    FrmEquivMul* f = apriAttiva(sc.s, 1, domanda345());
    int ritorni = 0;
    FrmEquivMul::impostaRitorno([&ritorni](const QString&) { ++ritorni; });
    premiTasti(f, QStringLiteral("1 Escape"));
    QCOMPARE(ritorni, 1);
    QVERIFY(!FrmEquivMul::caricato());
}

void ProvaTastiera::finestraDiAvviso_data()
{
    QTest::addColumn<int>("tasto");
    QTest::newRow("Return") << int(Qt::Key_Return);
    QTest::newRow("Escape") << int(Qt::Key_Escape);
}

// The three-attempt message closes from the keyboard.
void ProvaTastiera::finestraDiAvviso()
{
    QFETCH(int, tasto);
    ServiziReali reali;
    bool chiusaDaNoi = false;
    QTimer::singleShot(0, [tasto] {
        if (QWidget* box = QApplication::activeModalWidget())
            QTest::keyClick(box, Qt::Key(tasto));
    });
    // Stopped with this case: a later one's box is not ours to close.
    QTimer limite;
    limite.setSingleShot(true);
    connect(&limite, &QTimer::timeout, [&chiusaDaNoi] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            chiusaDaNoi = true;
            box->close();
        }
    });
    limite.start(3000);
    reali.messaggio(QStringLiteral("Hai già fatto 3 tentativi. \rOra intervengo io. "), StileMessaggio::Informazione,
                    QStringLiteral("Attenzione"));
    QVERIFY(!chiusaDaNoi);
}

QTEST_MAIN(ProvaTastiera)
#include "prova_tastiera.moc"
