// SPDX-License-Identifier: GPL-3.0-or-later
// The command line: what each asks for, and one clear line for whatever is wrong.
#include "runtime/comando.h"
#include "runtime/piattaforma.h"

#include <QTest>

class ProvaComando : public QObject {
    Q_OBJECT

private slots:
    void leggi_data()
    {
        QTest::addColumn<QString>("argomenti");
        QTest::addColumn<int>("uscita");     // -1: the program starts
        QTest::addColumn<double>("fattore"); // -1: no whiteboard; 0: the factor that fits
        QTest::addColumn<QString>("testo");  // in what is printed
        QTest::newRow("nothing") << "" << -1 << -1.0 << "";
        QTest::newRow("Qt's own") << "-platform xcb -style=fusion --reverse" << -1 << -1.0 << "";
        QTest::newRow("fit") << "--lavagna" << -1 << 0.0 << "";
        QTest::newRow("comma") << "--lavagna=1,5" << -1 << 1.5 << "";
        QTest::newRow("bounds, the last counts") << "--lavagna=0.5 --lavagna=8" << -1 << 8.0 << "";
        QTest::newRow("fit last") << "--lavagna=2 --lavagna" << -1 << 0.0 << "";
        QTest::newRow("help") << "--lavagna -h" << 0 << -1.0 << "Uso: misure-di-massa";
        QTest::newRow("version") << "--version" << 0 << -1.0 << "misure-di-massa " MASSA_VERSIONE;
        for (const char* f : {"abc", "0", "-1", "100", "", "8.1", "nan", "inf"})
            QTest::newRow(f) << QStringLiteral("--lavagna=%1").arg(f) << 2 << -1.0
                             << "il fattore è un numero da 0,5 a 8";
        QTest::newRow("unknown") << "--unknown" << 2 << -1.0 << "opzione sconosciuta: --unknown";
        QTest::newRow("case") << "--LAVAGNA=2" << 2 << -1.0 << "opzione sconosciuta: --LAVAGNA";
        QTest::newRow("inner name") << "--lavagna-adatta" << 2 << -1.0 << "opzione sconosciuta";
        QTest::newRow("stray") << "lavagna" << 2 << -1.0 << "argomento inatteso: lavagna";
        QTest::newRow("no value") << "-platform" << 2 << -1.0 << "manca il valore dopo -platform";
    }
    void leggi()
    {
        QFETCH(QString, argomenti);
        QFETCH(int, uscita);
        QFETCH(double, fattore);
        QFETCH(QString, testo);
        const comando::Comando c = comando::leggi(QStringList{QStringLiteral("misure-di-massa")} +
                                                  argomenti.split(' ', Qt::SkipEmptyParts));
        const int attesa[] = {-1, 0, 0, 2};
        QCOMPARE(attesa[int(c.azione)], uscita);
        QCOMPARE(c.lavagna.attiva ? c.lavagna.fattore : -1.0, fattore);
        QVERIFY2(c.testo.contains(testo), qPrintable(c.testo));
        // An error is one line.
        QVERIFY(uscita != 2 || !c.testo.contains(QLatin1Char('\n')));
    }

    // QT_SCALE_FACTOR that is not a finite positive number becomes 1 before Qt reads it.
    void scala_data()
    {
        QTest::addColumn<QByteArray>("valore");
        QTest::addColumn<QByteArray>("usato");
        QTest::newRow("unset") << QByteArray() << QByteArray();
        QTest::newRow("1.5") << QByteArray("1.5") << QByteArray("1.5");
        for (const char* v : {"nan", "inf", "-inf", "0", "-2", "abc", "1e999"})
            QTest::newRow(v) << QByteArray(v) << QByteArray("1");
    }
    void scala()
    {
        QFETCH(QByteArray, valore);
        QFETCH(QByteArray, usato);
        if (valore.isNull())
            qunsetenv("QT_SCALE_FACTOR");
        else
            qputenv("QT_SCALE_FACTOR", valore);
        piattaforma::scalaValida("prova");
        QCOMPARE(qgetenv("QT_SCALE_FACTOR"), usato);
    }
};

QTEST_MAIN(ProvaComando)
#include "prova_comando.moc"
