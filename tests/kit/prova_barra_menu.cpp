// SPDX-License-Identifier: GPL-3.0-or-later
// Both menu bars from the keyboard: F10 or Alt alone enters, Left and Right go round the
// entries that have a caption, Return and Down trigger one, Escape leaves; the focus comes back.
#include "programma_prova.h"

#include <QAccessible>
#include <QApplication>
#include <QTest>
#include <optional>

using namespace prova;

class ProvaBarraMenu : public QObject {
    Q_OBJECT
    std::optional<ConProgramma> m_programma;

    static void premi(const QString& tasti)
    {
        const QHash<QString, Qt::Key> nomi = {{"F10", Qt::Key_F10},   {"Right", Qt::Key_Right},
                                              {"Left", Qt::Key_Left}, {"Return", Qt::Key_Return},
                                              {"Down", Qt::Key_Down}, {"Escape", Qt::Key_Escape},
                                              {"5", Qt::Key_5}};
        for (const QString& t : tasti.split(' ')) {
            QWidget* w = QApplication::focusWidget() ? QApplication::focusWidget() : QApplication::activeWindow();
            if (t == QLatin1String("Alt")) {
                QTest::keyPress(w, Qt::Key_Alt, Qt::AltModifier);
                QTest::keyRelease(QApplication::focusWidget() ? QApplication::focusWidget() : w, Qt::Key_Alt);
            } else {
                QTest::keyClick(w, nomi.value(t));
            }
        }
    }

private slots:
    void init()
    {
        senzaDoppioClic();
        m_programma.emplace();
    }
    void cleanup() { m_programma.reset(); }

    void tastiera_data()
    {
        QTest::addColumn<bool>("diEsercizio");
        QTest::addColumn<QString>("tasti");
        QTest::addColumn<QString>("premuta"); // the entry triggered, by name; none when empty
        QTest::newRow("start: F10 Return") << false << "F10 Return"
                                           << "MnuEsci";
        QTest::newRow("start: blank entries skipped") << false << "F10 Right Return"
                                                      << "mnuInfo";
        QTest::newRow("start: Alt") << false << "Alt Right Right Return"
                                    << "mnuAvvertenza";
        QTest::newRow("start: round the bar") << false << "F10 Left Return"
                                              << "mnuAvvertenza";
        QTest::newRow("start: Escape") << false << "F10 Right Escape"
                                       << "";
        QTest::newRow("start: Alt again") << false << "Alt Right Alt"
                                          << "";
        QTest::newRow("exercise: F10 Right Return") << true << "F10 Right Return"
                                                    << "mnuQuadro";
        QTest::newRow("exercise: Down") << true << "Alt Right Right Down"
                                        << "MnuEsci";
        QTest::newRow("exercise: Escape leaves the bar only") << true << "F10 Escape"
                                                              << "";
        QTest::newRow("exercise: no key reaches the screen") << true << "F10 5 Escape"
                                                             << "";
    }
    void tastiera()
    {
        QFETCH(bool, diEsercizio);
        QFETCH(QString, tasti);
        QFETCH(QString, premuta);
        ui::Finestra* f = FrmInizio::caricato();
        if (diEsercizio) {
            clic(pulsante(f, "Command1"));
            f = FrmEquivMul::caricato();
        }
        f->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f));
        QWidget* prima = QApplication::focusWidget();
        QVERIFY(prima);
        QStringList premute;
        for (QAction* a : f->menuBar()->actions())
            connect(a, &QAction::triggered, this, [&premute, a] { premute << a->objectName(); });

        premi(tasti);
        QCOMPARE(premute, premuta.isEmpty() ? QStringList() : QStringList(premuta));
        if (premuta.isEmpty()) {
            QCOMPARE(QApplication::focusWidget(), prima);
            QVERIFY(!f->menuBar()->voceAttiva());
        }
        if (diEsercizio && premuta.isEmpty())
            QCOMPARE(etichetta(f, "LblRisultato")->text(), QStringLiteral("?"));
    }

    // A screen reader finds the entry the keyboard is on as the bar's focused child.
    void vocePerLoScreenReader()
    {
        FrmInizio* f = FrmInizio::caricato();
        f->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f));
        // The first entry reached says it is in a menu bar, each says its place, and "?" is
        // said in words.
        premi(QStringLiteral("F10"));
        QAccessibleInterface* barra = QAccessible::queryAccessibleInterface(f->menuBar());
        QVERIFY(barra->focusChild());
        QCOMPARE(barra->focusChild()->text(QAccessible::Name), QStringLiteral("Barra dei menu. Esci, 1 di 3"));
        premi(QStringLiteral("Right"));
        QAccessibleInterface* voce = barra->focusChild();
        QVERIFY(voce);
        QCOMPARE(voce->text(QAccessible::Name), QStringLiteral("Informazioni, 2 di 3"));
        QVERIFY(voce->state().focused && voce->state().focusable);
        QVERIFY(!barra->child(0)->state().focused);
        premi(QStringLiteral("Escape"));
        QVERIFY(!barra->focusChild());
        QCOMPARE(barra->child(1)->text(QAccessible::Name), QStringLiteral("Informazioni"));
    }
};

QTEST_MAIN(ProvaBarraMenu)
#include "prova_barra_menu.moc"
