// SPDX-License-Identifier: GPL-3.0-or-later
// Entering an answer on the keypad and the symbol buttons, and the change rule of the answer labels;
// a tap on a touch screen does what a click at the same spot does.
#include "esercizio_prova.h"

#include <QPointingDevice>
#include <QWindow>

using namespace prova;

namespace {
const QString Tastierino = QStringLiteral(
    "Clicca sul tastierino fino a completare il risultato. Poi clicca su Verifica");
const QString IstruzioneVerifica = QStringLiteral("Clicca sul pulsante Verifica");
} // namespace

class ProvaIngresso : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { chiudi(); }
    void tasti_data();
    void tasti();
    void limite_data();
    void limite();
    void cancella_data();
    void cancella();
    void simboli();
    void regolaCambio_data();
    void regolaCambio();
    void corniceDisabilitata_data();
    void corniceDisabilitata();
    void tocco_data();
    void tocco();
};

void ProvaIngresso::tasti_data()
{
    QTest::addColumn<QString>("tasti");
    QTest::addColumn<QString>("risposta");
    QTest::newRow("1,5") << "Command2 Command16 Command6"
                         << "1,5";
    QTest::newRow("4 to 9") << "Command5 Command6 Command7 Command8 Command9 Command10"
                            << "456789";
    QTest::newRow("1 2 3 0") << "Command2 Command3 Command4 Command13"
                             << "1230";
    QTest::newRow("5 00") << "Command6 Command11"
                          << "500";
    QTest::newRow("5 000") << "Command6 Command12"
                           << "5000";
    QTest::newRow("00 alone") << "Command11"
                              << "00";
    QTest::newRow("leading zero") << "Command13 Command6"
                                  << "05";
    for (const char* virgola : {"Command1", "Command16", "Command17", "Command18", "Command19"})
        QTest::newRow(virgola) << virgola << ",";
    QTest::newRow("leading comma") << "Command19 Command6"
                                   << ",5";
    QTest::newRow("two commas") << "Command1 Command17"
                                << ",,";
}

void ProvaIngresso::tasti()
{
    QFETCH(QString, tasti);
    QFETCH(QString, risposta);
    ConServiziDiProva sc;
    FrmEquivMul* f = apri(sc.s, 1, 1, domanda345());
    for (const QString& t : tasti.split(QLatin1Char(' ')))
        clic(pulsante(f, qPrintable(t)));
    QCOMPARE(stato().RispostaData, risposta);
    QCOMPARE(etichetta(f, "LblRisultato")->text(), risposta);
    QVERIFY(!pulsante(f, "CmdVerifica")->isHidden());
    QCOMPARE(etichetta(f, "LblIstruzione")->text(), IstruzioneVerifica);
}

void ProvaIngresso::limite_data()
{
    QTest::addColumn<QString>("prima");
    QTest::addColumn<QString>("tasto");
    QTest::addColumn<bool>("accettato");
    QTest::newRow("5 + 1") << "12345"
                           << "Command2" << true;
    QTest::newRow("6 + 1") << "123456"
                           << "Command2" << false;
    QTest::newRow("6 + ,") << "12345,"
                           << "Command1" << false;
    QTest::newRow("4 + 00") << "1234"
                            << "Command11" << true;
    QTest::newRow("5 + 00") << "12345"
                            << "Command11" << false;
    QTest::newRow("3 + 000") << "123"
                             << "Command12" << true;
    QTest::newRow("4 + 000") << "1234"
                             << "Command12" << false;
}

// The entry never grows beyond the six characters the label can show.
void ProvaIngresso::limite()
{
    QFETCH(QString, prima);
    QFETCH(QString, tasto);
    QFETCH(bool, accettato);
    ConServiziDiProva sc;
    FrmEquivMul* f = apri(sc.s, 1, 1, domanda345());
    digita(f, prima);
    ui::Pulsante* b = pulsante(f, qPrintable(tasto));
    clic(b);
    const QString attesa = accettato ? prima + b->text() : prima;
    QCOMPARE(stato().RispostaData, attesa);
    QCOMPARE(etichetta(f, "LblRisultato")->text(), attesa);
    QVERIFY(!pulsante(f, "CmdVerifica")->isHidden());
    if (!accettato) {
        clic(b);
        QCOMPARE(stato().RispostaData, prima);
    }
}

void ProvaIngresso::cancella_data()
{
    QTest::addColumn<bool>("simbolo");
    QTest::addColumn<QString>("prima"); // keys, or symbol buttons, pressed first
    QTest::newRow("keypad, empty") << false << "";
    QTest::newRow("keypad, full") << false << "12,456";
    QTest::newRow("symbols, empty") << true << "";
    QTest::newRow("symbols, picked") << true << "Command24";
}

void ProvaIngresso::cancella()
{
    QFETCH(bool, simbolo);
    QFETCH(QString, prima);
    ConServiziDiProva sc;
    FrmEquivMul* f = apri(sc.s, simbolo ? 2 : 1, 1, domanda345());
    ui::Etichetta* risposta = simbolo ? etichetta(f, "lblRisultatoS") : etichetta(f, "LblRisultato");
    if (simbolo && !prima.isEmpty())
        clic(pulsante(f, qPrintable(prima)));
    else if (!prima.isEmpty())
        digita(f, prima);
    QCOMPARE(risposta->text(), simbolo && !prima.isEmpty() ? QStringLiteral(" dag")
                               : prima.isEmpty()           ? QStringLiteral("?")
                                                           : prima);
    clic(simbolo ? pulsante(f, "Command15") : pulsante(f, "cmdCancella"));
    QCOMPARE(stato().RispostaData, QString());
    QCOMPARE(risposta->text(), QStringLiteral("?"));
    QVERIFY(pulsante(f, "CmdVerifica")->isHidden());
    QCOMPARE(etichetta(f, "LblIstruzione")->text(), Tastierino);
    // The entry starts again from nothing.
    clic(simbolo ? pulsante(f, "Command23") : pulsante(f, "Command8"));
    QCOMPARE(risposta->text(), simbolo ? QStringLiteral(" g") : QStringLiteral("7"));
}

void ProvaIngresso::simboli()
{
    ConServiziDiProva sc;
    FrmEquivMul* f = apri(sc.s, 2, 1, domanda345());
    const char* nomi[] = {"Command26", "Command25", "Command24", "Command23", "Command22", "Command21", "Command20"};
    const char* attesi[] = {" kg", " hg", " dag", " g", " dg", " cg", " mg"};
    for (int i = 0; i < 7; ++i) {
        clic(pulsante(f, nomi[i])); // each replaces the one before
        QCOMPARE(stato().RispostaData, QString::fromLatin1(attesi[i]));
        QCOMPARE(etichetta(f, "lblRisultatoS")->text(), QString::fromLatin1(attesi[i]));
        QVERIFY(!pulsante(f, "CmdVerifica")->isHidden());
    }
    // The table is read at the click, not copied into the button.
    stato().SimboliUnita[1] = QStringLiteral(" t");
    clic(pulsante(f, "Command26"));
    QCOMPARE(stato().RispostaData, QStringLiteral(" t"));
    QCOMPARE(etichetta(f, "lblRisultatoS")->text(), QStringLiteral(" t"));
}

void ProvaIngresso::regolaCambio_data()
{
    QTest::addColumn<bool>("simbolo");
    QTest::addColumn<QString>("testo");
    QTest::addColumn<bool>("verifica");
    for (const bool s : {false, true}) {
        const QByteArray l = s ? "lblRisultatoS " : "LblRisultato ";
        QTest::newRow(l + "?") << s << "?" << false;
        QTest::newRow(l + "text") << s << "3 kg" << true;
        QTest::newRow(l + "empty") << s << "" << true;
        QTest::newRow(l + "??") << s << "??" << true;
    }
}

// Whoever writes an answer label, the instruction and the check button follow its text.
void ProvaIngresso::regolaCambio()
{
    QFETCH(bool, simbolo);
    QFETCH(QString, testo);
    QFETCH(bool, verifica);
    ConServiziDiProva sc;
    FrmEquivMul* f = apri(sc.s, 3, 3, domanda345(simbolo ? 3 : 1, 4));
    ui::Etichetta* risposta = simbolo ? etichetta(f, "lblRisultatoS") : etichetta(f, "LblRisultato");
    risposta->setText(verifica ? QStringLiteral("?") : QStringLiteral("x"));
    QCOMPARE(pulsante(f, "CmdVerifica")->isHidden(), verifica);
    risposta->setText(testo);
    QCOMPARE(!pulsante(f, "CmdVerifica")->isHidden(), verifica);
    QCOMPARE(etichetta(f, "LblIstruzione")->text(), verifica ? IstruzioneVerifica : Tastierino);
}

void ProvaIngresso::corniceDisabilitata_data()
{
    QTest::addColumn<bool>("simbolo");
    QTest::newRow("keypad") << false;
    QTest::newRow("symbols") << true;
}

// Once checked, the entry is closed: no button of the input frames does anything.
void ProvaIngresso::corniceDisabilitata()
{
    QFETCH(bool, simbolo);
    ConServiziDiProva sc;
    FrmEquivMul* f = apri(sc.s, simbolo ? 2 : 1, 1, domanda345());
    ui::Etichetta* risposta = simbolo ? etichetta(f, "lblRisultatoS") : etichetta(f, "LblRisultato");
    clic(simbolo ? pulsante(f, "Command25") : pulsante(f, "Command2"));
    clic(pulsante(f, "CmdVerifica"));
    QVERIFY(!cornice(f, "fraTastierino")->isEnabled() && !cornice(f, "FraSimboli")->isEnabled());
    const QString mostrata = risposta->text();
    const QString istruzione = etichetta(f, "LblIstruzione")->text();
    const QList<ui::Pulsante*> tutti = (simbolo ? cornice(f, "FraSimboli") : cornice(f, "fraTastierino"))
                                           ->findChildren<ui::Pulsante*>();
    QCOMPARE(tutti.size(), simbolo ? 8 : 18);
    for (ui::Pulsante* b : tutti)
        clic(b);
    QCOMPARE(stato().RispostaData, simbolo ? QStringLiteral(" hg") : QStringLiteral("1"));
    QCOMPARE(risposta->text(), mostrata);
    QCOMPARE(etichetta(f, "LblIstruzione")->text(), istruzione);
    QVERIFY(pulsante(f, "CmdVerifica")->isHidden());
}

void ProvaIngresso::tocco_data()
{
    QTest::addColumn<short>("tipo");
    QTest::addColumn<QString>("prima");   // clicked first
    QTest::addColumn<QString>("premuti"); // then pressed quickly, by taps or by clicks
    QTest::addColumn<bool>("cambia");
    QTest::newRow("keys") << short(1) << ""
                          << "Command4 Command5 Command13 Command13" << true;
    QTest::newRow("symbol") << short(2) << ""
                            << "Command26" << true;
    QTest::newRow("Verifica") << short(1) << "Command2"
                              << "CmdVerifica" << true;
    QTest::newRow("Si") << short(1) << "Command2 CmdVerifica"
                        << "Cmdsi" << true;
    QTest::newRow("No") << short(1) << "Command2 CmdVerifica"
                        << "Cmdno" << true;
    // 34500, right: the second lands on "Nuova trasformazione", shown where "Verifica" was.
    QTest::newRow("Verifica twice") << short(1) << "Command4 Command5 Command6 Command11"
                                    << "CmdVerifica CmdVerifica" << true;
    QTest::newRow("hidden") << short(1) << ""
                            << "CmdVerifica Cmdsi" << false;
    QTest::newRow("disabled") << short(1) << "Command2 CmdVerifica"
                              << "Command3" << false;
}

void ProvaIngresso::tocco()
{
    QFETCH(short, tipo);
    QFETCH(QString, prima);
    QFETCH(QString, premuti);
    QFETCH(bool, cambia);
    static QPointingDevice* const schermo = QTest::createTouchDevice();
    QStringList dopo[2];
    for (const bool tocca : {false, true}) {
        ConServiziDiProva sc;
        FrmEquivMul* f = apri(sc.s, tipo, 1, domanda345(1));
        for (const QString& n : prima.split(' ', Qt::SkipEmptyParts))
            clic(pulsante(f, qPrintable(n)));
        QGuiApplication::styleHints()->setMouseDoubleClickInterval(5000); // far slower than these presses
        const QStringList vista = aspetto(f);
        for (const QString& n : premuti.split(' ')) {
            // Where the control lies, on whatever is in front there.
            const ui::Pulsante* b = pulsante(f, qPrintable(n));
            const QPoint p = b->mapTo(f, b->rect().center());
            if (tocca) {
                QTest::touchEvent(f, schermo).press(0, p, f);
                QTest::touchEvent(f, schermo).release(0, p, f);
            } else {
                QTest::mouseClick(f->windowHandle(), Qt::LeftButton, {}, p);
            }
        }
        dopo[tocca] = aspetto(f) << QString::number(stato().NumeroOperazione) << QString::number(sc.s.suoni.size());
        QCOMPARE(aspetto(f) != vista, cambia);
        chiudi();
    }
    QCOMPARE(dopo[true], dopo[false]);
}

QTEST_MAIN(ProvaIngresso)
#include "prova_ingresso.moc"
