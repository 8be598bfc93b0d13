// SPDX-License-Identifier: GPL-3.0-or-later
// The start screen, the background and the colour schemes, driven through the real widgets.
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
#include <memory>
#include <optional>

using namespace prova;

namespace {

QString rettangolo(const QRect& r)
{
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

void eliminaDifferiti() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

ui::Pulsante* direzione(int d)
{
    FrmInizio* f = FrmInizio::caricato();
    return d == 1 ? pulsante(f, "Command1") : d == 2 ? pulsante(f, "Command3") : pulsante(f, "Command5");
}

struct Schema {
    QColor sfondo, aiuto, pulsanti;
    bool tastierino, simboli;
};

Schema schemaPer(int tipo)
{
    switch (tipo) {
    case 1: return {QColor(250, 250, 200), QColor(250, 250, 150), QColor(240, 220, 150), true, false};
    case 2: return {QColor(200, 255, 255), QColor(200, 255, 205), QColor(200, 200, 255), false, true};
    default: return {QColor(255, 215, 220), QColor(255, 215, 170), QColor(240, 180, 220), true, true};
    }
}

void verificaSchema(int tipo)
{
    const Schema s = schemaPer(tipo);
    FrmEquivMul* e = FrmEquivMul::caricato();
    QVERIFY(e);
    const QColor designato(255, 255, 192);
    QCOMPARE(e->superficie()->sfondo(), s.sfondo);
    for (ui::Cornice* f :
         {cornice(e, "Frame1"), cornice(e, "frmAiuto"), cornice(e, "fraNumero"), cornice(e, "fraSimbolo")})
        QCOMPARE(f->sfondo(), s.sfondo);
    QCOMPARE(cornice(e, "fraTastierino")->sfondo(), s.tastierino ? s.sfondo : designato);
    QCOMPARE(cornice(e, "FraSimboli")->sfondo(), s.simboli ? s.sfondo : designato);
    QCOMPARE(etichetta(e, "LblAiuto")->sfondo(), s.aiuto);
    QCOMPARE(cornice(e, "frmElaborazione")->sfondo(), s.pulsanti);
    const QList<ui::Pulsante*> tutti = e->findChildren<ui::Pulsante*>();
    QCOMPARE(tutti.size(), 31);
    for (ui::Pulsante* b : tutti)
        QVERIFY2(b->sfondo() == s.pulsanti, qPrintable(b->objectName()));
    QCOMPARE(etichetta(e, "LblRisultato")->inchiostro(), QColor(150, 100, 100));
    const QColor& p = s.pulsanti;
    QCOMPARE(stato().ColorePulsanti, QString::number(p.red() + 256 * p.green() + 65536 * p.blue()));
}

} // namespace

class ProvaInizio : public QObject {
    Q_OBJECT
    std::unique_ptr<ConServiziDiProva> m_scope;
    int m_fini = 0;

    ServiziDiProva& sv() { return m_scope->s; }

private slots:
    void init()
    {
        m_scope = std::make_unique<ConServiziDiProva>();
        sv().diRiserva = 0.05f; // draw 6: kg / hg, generator 6
        stato() = StatoProgramma{};
        senzaDoppioClic();
        m_fini = 0;
        FrmInizio::impostaFine([this] { ++m_fini; });
        apriProgramma();
    }

    void cleanup()
    {
        // Released at the end however the checks below come out.
        const std::unique_ptr<ConServiziDiProva> scope = std::move(m_scope);
        if (FrmInizio* f = FrmInizio::caricato())
            f->Command9_Click();
        eliminaDifferiti();
        QVERIFY(!FrmEquivMul::caricato());
        QVERIFY(!FrmInizio::caricato());
        QVERIFY(!FrmInizioSfondo::caricato());
    }

    void siApreSulloSfondoConLoSchermoInizialeDavanti()
    {
        FrmInizioSfondo* b = FrmInizioSfondo::caricato();
        FrmInizio* f = FrmInizio::caricato();
        QVERIFY(b && f);
        QVERIFY(b->isVisible());
        QVERIFY(!b->isEnabled());
        QVERIFY(f->isVisible());
        QCOMPARE(f->windowTitle(), QStringLiteral("TRASFORMAZIONI CON LE MISURE DI MASSA"));
        QCOMPARE(tendina(f, "Combo1")->count(), 3);
        QCOMPARE(tendina(f, "Combo1")->currentText(), QStringLiteral("Calcolo del risultato"));
        QVERIFY(!tendina(f, "Combo1")->isEditable());
        QCOMPARE(pulsante(f, "Command9")->text(), QStringLiteral("E s c i "));
        QCOMPARE(pulsante(f, "Command5")->text(), QStringLiteral(" Tuttte"));
        QVERIFY(!FrmEquivMul::caricato());
        // The start screen fits inside the background, centred.
        QVERIFY2(b->geometry().contains(f->geometry()),
                 qPrintable(QStringLiteral("%1 in %2").arg(rettangolo(f->geometry()), rettangolo(b->geometry()))));
    }

    void ogniDirezioneConOgniTipo_data()
    {
        QTest::addColumn<int>("tipo");
        QTest::addColumn<int>("dir");
        QTest::addColumn<QString>("label1");
        QTest::addColumn<QString>("label2");
        const QString kinds[] = {QStringLiteral(" Calcolo del risultato"), QStringLiteral(" Calcolo del simbolo"),
                                 QStringLiteral(" Calcolo casuale del risultato o del simbolo")};
        const QString dirs[] = {QStringLiteral(" Da unità maggiore a unità minore"),
                                QStringLiteral(" Da unità minore a unità maggiore"),
                                QStringLiteral(" Da unità maggiore a unità minore e viceversa")};
        for (int t = 1; t <= 3; ++t)
            for (int d = 1; d <= 3; ++d)
                QTest::addRow("kind %d dir %d", t, d) << t << d << kinds[t - 1] << dirs[d - 1];
    }

    void ogniDirezioneConOgniTipo()
    {
        QFETCH(int, tipo);
        QFETCH(int, dir);
        QFETCH(QString, label1);
        QFETCH(QString, label2);
        tendina(FrmInizio::caricato(), "Combo1")->setCurrentIndex(tipo - 1);
        QTest::mouseClick(direzione(dir), Qt::LeftButton);
        FrmEquivMul* e = FrmEquivMul::caricato();
        QVERIFY(e);
        QVERIFY(e->isVisible());
        QCOMPARE(stato().TipoCalcolo, tipo);
        QCOMPARE(stato().Direzione, dir);
        QCOMPARE(etichetta(e, "Label1")->text(), label1);
        QCOMPARE(etichetta(e, "Label2")->text(), label2);
        QCOMPARE(etichetta(e, "LblOperazione")->text(), QStringLiteral("1"));
        verificaSchema(tipo);
        if (QTest::currentTestFailed())
            return;
        // The kind's input frame is the one on show.
        if (tipo == 1)
            QVERIFY(!cornice(e, "fraTastierino")->isHidden() && cornice(e, "FraSimboli")->isHidden());
        if (tipo == 2)
            QVERIFY(cornice(e, "fraTastierino")->isHidden() && !cornice(e, "FraSimboli")->isHidden());
    }

    void schermoInizialeNascostoDuranteLEsercizio_data()
    {
        QTest::addColumn<int>("via");
        QTest::addColumn<bool>("attivata"); // false: the window system makes no window active
        QTest::newRow("close box") << 0 << true;
        QTest::newRow("menu Esci") << 1 << true;
        QTest::newRow("never made active") << 1 << false;
    }

    void schermoInizialeNascostoDuranteLEsercizio()
    {
        QFETCH(int, via);
        QFETCH(bool, attivata);
        FrmInizio* f = FrmInizio::caricato();
        {
            // No word of the exercise screen becoming the active window reaches the drill.
            std::optional<QSignalBlocker> sordo;
            if (!attivata)
                sordo.emplace(qApp);
            QTest::mouseClick(pulsante(f, "Command1"), Qt::LeftButton);
            QTRY_VERIFY(f->isHidden());
        }
        FrmEquivMul* e = FrmEquivMul::caricato();
        if (via == 0)
            e->close();
        else
            azione(e, "MnuEsci")->trigger();
        eliminaDifferiti();
        QVERIFY(!FrmEquivMul::caricato());
        QCOMPARE(FrmInizio::caricato(), f);
        QVERIFY(f->isVisible());
        QCOMPARE(m_fini, 0);
    }

    void unMessaggioOUnAltroProgrammaNonLoNascondono()
    {
        FrmInizio* f = FrmInizio::caricato();
        QWidget altro; // stands for any window that is not one of the drill's screens
        altro.show();
        altro.activateWindow();
        QCoreApplication::processEvents();
        QVERIFY(f->isVisible());
        azione(f, "mnuInfo")->trigger();
        QCoreApplication::processEvents();
        QVERIFY(f->isVisible());
    }

    void riaprireTieneIlTipoERicomincia()
    {
        FrmInizio* f = FrmInizio::caricato();
        tendina(f, "Combo1")->setCurrentIndex(1);
        QTest::mouseClick(pulsante(f, "Command1"), Qt::LeftButton);
        FrmEquivMul* e = FrmEquivMul::caricato();
        QTest::mouseClick(pulsante(e, "Command23"), Qt::LeftButton); // " g"
        QTest::mouseClick(pulsante(e, "CmdVerifica"), Qt::LeftButton);
        QVERIFY(stato().NumeroEsatte + stato().NumeroErrate == 1);
        e->close();
        eliminaDifferiti();

        // A changed selection does nothing until a direction is pressed.
        tendina(f, "Combo1")->setCurrentIndex(0);
        QCOMPARE(stato().TipoCalcolo, 2);
        QVERIFY(!FrmEquivMul::caricato());
        tendina(f, "Combo1")->setCurrentIndex(1);

        QTest::mouseClick(pulsante(f, "Command3"), Qt::LeftButton);
        e = FrmEquivMul::caricato();
        QVERIFY(e);
        QCOMPARE(stato().TipoCalcolo, 2);
        QCOMPARE(etichetta(e, "LblOperazione")->text(), QStringLiteral("1"));
        QCOMPARE(stato().NumeroEsatte + stato().NumeroErrate, 0L);
        QVERIFY(etichetta(e, "lblRisEsatte")->text().isEmpty());
        QVERIFY(etichetta(e, "lblRisErrate")->text().isEmpty());
        QVERIFY(etichetta(e, "LblTempoParziale")->text().isEmpty());
    }

    void tipoDuePoiTipoUnoNonLasciaTracce()
    {
        FrmInizio* f = FrmInizio::caricato();
        tendina(f, "Combo1")->setCurrentIndex(1);
        QTest::mouseClick(pulsante(f, "Command5"), Qt::LeftButton);
        verificaSchema(2);
        FrmEquivMul::caricato()->close();
        eliminaDifferiti();
        tendina(f, "Combo1")->setCurrentIndex(0);
        QTest::mouseClick(pulsante(f, "Command5"), Qt::LeftButton);
        verificaSchema(1);
        QCOMPARE(etichetta(FrmEquivMul::caricato(), "Label1")->text(), QStringLiteral(" Calcolo del risultato"));
    }

    void ogniChiusuraTerminaUnaVolta_data()
    {
        QTest::addColumn<int>("via");
        QTest::newRow("E s c i") << 0;
        QTest::newRow("menu Esci") << 1;
        QTest::newRow("close request") << 2;
        QTest::newRow("close request while an exercise runs") << 3;
    }

    void ogniChiusuraTerminaUnaVolta()
    {
        QFETCH(int, via);
        FrmInizio* f = FrmInizio::caricato();
        switch (via) {
        case 0: QTest::mouseClick(pulsante(f, "Command9"), Qt::LeftButton); break;
        case 1: azione(f, "MnuEsci")->trigger(); break;
        case 2: f->close(); break;
        default:
            QTest::mouseClick(pulsante(f, "Command1"), Qt::LeftButton);
            f->close();
            break;
        }
        QCOMPARE(m_fini, 1);
        QVERIFY(!FrmInizio::caricato());
        QVERIFY(!FrmInizioSfondo::caricato());
        QVERIFY(!FrmEquivMul::caricato());
        // Asking again, as the unload events themselves would, changes nothing.
        f->close();
        f->Command9_Click();
        eliminaDifferiti();
        QCOMPARE(m_fini, 1);
        QVERIFY(sv().messaggi.empty());
    }

    void vociDiMenu_data()
    {
        QTest::addColumn<QString>("voce");
        QTest::addColumn<QString>("programma");
        QTest::addColumn<bool>("presente");
        QTest::newRow("? missing") << "mnuInfo"
                                   << "www.exe" << false;
        QTest::newRow("Avvertenza missing") << "mnuAvvertenza"
                                            << "avvertenza.exe" << false;
        QTest::newRow("? present") << "mnuInfo"
                                   << "www.exe" << true;
        QTest::newRow("Avvertenza present") << "mnuAvvertenza"
                                            << "avvertenza.exe" << true;
    }

    void vociDiMenu()
    {
        QFETCH(QString, voce);
        QFETCH(QString, programma);
        QFETCH(bool, presente);
        if (presente)
            sv().avviabili << programma;
        FrmInizio* f = FrmInizio::caricato();
        auto* a = f->findChild<QAction*>(voce);
        QVERIFY(a);
        a->trigger();
        a->trigger();
        QCOMPARE(sv().avviati, QStringList({programma, programma}));
        if (presente) {
            QVERIFY(sv().messaggi.empty());
        } else {
            QCOMPARE(sv().messaggi.size(), std::size_t(2));
            for (const auto& b : sv().messaggi) {
                QCOMPARE(b.testo, QStringLiteral("File mancante"));
                QCOMPARE(b.stile, 0);
                QVERIFY(b.titolo.isEmpty());
            }
        }
        QVERIFY(f->isVisible());
        QCOMPARE(m_fini, 0);
    }

    // Tab and Shift+Tab go through the list and the four buttons in screen order; Return
    // and Space press the button that has the focus.
    void tastiera_data()
    {
        QTest::addColumn<QList<int>>("tasti");
        QTest::addColumn<QString>("fuoco"); // where the focus ends
        QTest::addColumn<int>("direzione"); // the exercise opened, 0 none
        QTest::addColumn<int>("fini");
        constexpr int Tab = Qt::Key_Tab, Indietro = Qt::Key_Backtab, Invio = Qt::Key_Return, Spazio = Qt::Key_Space;
        QTest::newRow("focus starts on the list") << QList<int>{} << "Combo1" << 0 << 0;
        QTest::newRow("Tab") << QList<int>{Tab} << "Command1" << 0 << 0;
        QTest::newRow("Tab x4") << QList<int>{Tab, Tab, Tab, Tab} << "Command9" << 0 << 0;
        QTest::newRow("Tab x5 wraps") << QList<int>{Tab, Tab, Tab, Tab, Tab} << "Combo1" << 0 << 0;
        QTest::newRow("Shift+Tab") << QList<int>{Indietro} << "Command9" << 0 << 0;
        QTest::newRow("Return on the list") << QList<int>{Invio} << "Combo1" << 0 << 0;
        QTest::newRow("Return on kg hg dag g") << QList<int>{Tab, Invio} << "" << 1 << 0;
        QTest::newRow("Enter on g dag hg kg") << QList<int>{Tab, Tab, int(Qt::Key_Enter)} << "" << 2 << 0;
        QTest::newRow("Space on Tuttte") << QList<int>{Indietro, Indietro, Spazio} << "" << 3 << 0;
        QTest::newRow("Return on E s c i") << QList<int>{Indietro, Invio} << "" << 0 << 1;
    }

    void tastiera()
    {
        QFETCH(QList<int>, tasti);
        QFETCH(QString, fuoco);
        QFETCH(int, direzione);
        QFETCH(int, fini);
        FrmInizio* f = FrmInizio::caricato();
        f->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f));
        for (const int t : tasti)
            QTest::keyClick(f->focusWidget() ? f->focusWidget() : f, Qt::Key(t));
        if (!fuoco.isEmpty())
            QCOMPARE(f->focusWidget()->objectName(), fuoco);
        QCOMPARE(FrmEquivMul::caricato() != nullptr, direzione != 0);
        if (direzione)
            QCOMPARE(stato().Direzione, direzione);
        QCOMPARE(m_fini, fini);
    }

    void vociVuoteNonFannoNulla()
    {
        FrmInizio* f = FrmInizio::caricato();
        QCOMPARE(azione(f, "mnuVuoto")->text(), QString());
        QCOMPARE(azione(f, "vuoto1")->text(), QString());
        azione(f, "mnuVuoto")->trigger();
        azione(f, "vuoto1")->trigger();
        QVERIFY(sv().avviati.isEmpty());
        QVERIFY(sv().messaggi.empty());
        QVERIFY(!FrmEquivMul::caricato());
        QVERIFY(f->isVisible());
        QCOMPARE(m_fini, 0);
    }
};

QTEST_MAIN(ProvaInizio)
#include "prova_inizio.moc"
