// Whiteboard mode: what the command line asks for.
#include "runtime/lavagna.h"

#include <QTest>

class ProvaLavagna : public QObject {
    Q_OBJECT

private slots:
    void richiesta_data()
    {
        QTest::addColumn<QString>("argomenti");
        QTest::addColumn<double>("fattore"); // -1: not asked for; 0: the factor that fits
        QTest::newRow("others") << "-platform xcb --lavagnaX lavagna" << -1.0;
        QTest::newRow("fit") << "--lavagna" << 0.0;
        QTest::newRow("comma") << "x --lavagna=1,5 y" << 1.5;
        QTest::newRow("bounds, the last counts") << "--lavagna=0.5 --lavagna=8" << 8.0;
        QTest::newRow("too large") << "--lavagna=8.1" << 0.0;
        QTest::newRow("no number") << "--lavagna=grande --lavagna=" << 0.0;
    }
    void richiesta()
    {
        QFETCH(QString, argomenti);
        QFETCH(double, fattore);
        const QByteArrayList a = ("misure-di-massa " + argomenti).toUtf8().split(' ');
        std::vector<const char*> argv;
        for (const QByteArray& x : a)
            argv.push_back(x.constData());
        const lavagna::Richiesta r = lavagna::richiesta(int(argv.size()), argv.data());
        QCOMPARE(r.attiva ? r.fattore : -1.0, fattore);
    }
};

QTEST_MAIN(ProvaLavagna)
#include "prova_lavagna.moc"
