// The sound player: libcanberra is opened on the first sound, the call never waits for the
// sound, and a sound that cannot be played is reported once, on the GUI thread.
#include "runtime/lettore_suono.h"

#include <QElapsedTimer>
#include <QFile>
#include <QThread>
#include <QtTest>

namespace {

bool canberraCaricata()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("/libcanberra.so");
}

// What a player said back about one sound.
struct Esito {
    int fallimenti = 0;
    bool fuoriDalFiloGrafico = false;
    std::function<void()> fallito()
    {
        return [this] {
            ++fallimenti;
            fuoriDalFiloGrafico |= QThread::currentThread() != qApp->thread();
        };
    }
};

} // namespace

class TstLettore : public QObject {
    Q_OBJECT

private slots:
    // First: nothing in this process has loaded libcanberra yet.
    void caricataAlPrimoSuono()
    {
        QVERIFY(!canberraCaricata());
        Esito e;
        LettoreSuono lettore;
        QVERIFY(!canberraCaricata());
        lettore.suona(QStringLiteral(MASSA_BIN_DIR "/positivo.wav"), e.fallito());
        QTRY_VERIFY(canberraCaricata());
    }

    void nonSuonati_data()
    {
        QTest::addColumn<QByteArray>("libreria");
        QTest::addColumn<QString>("file");
        QTest::newRow("no libcanberra") << QByteArray("libnessuna-canberra.so.0")
                                        << QStringLiteral(MASSA_BIN_DIR "/positivo.wav");
        QTest::newRow("no such file") << QByteArray("libcanberra.so.0")
                                      << QStringLiteral(MASSA_BIN_DIR "/nessuno.wav");
        QTest::newRow("not a sound") << QByteArray("libcanberra.so.0")
                                     << QStringLiteral(MASSA_BIN_DIR "/../CMakeCache.txt");
    }

    void nonSuonati()
    {
        QFETCH(QByteArray, libreria);
        QFETCH(QString, file);
        Esito e;
        LettoreSuono lettore(libreria);
        QElapsedTimer t;
        t.start();
        lettore.suona(file, e.fallito());
        lettore.suona(file, e.fallito());
        QVERIFY2(t.elapsed() < 500, "the call waited for the player");
        QCOMPARE(e.fallimenti, 0);  // never from within the call
        QTRY_COMPARE(e.fallimenti, 2);
        QVERIFY(!e.fuoriDalFiloGrafico);
        // Each report comes once.
        QTest::qWait(200);
        QCOMPARE(e.fallimenti, 2);
    }

    // Played or not, depending on this machine's sound: the call does not wait, and a
    // report, if any, comes once and on the GUI thread.
    void ilSuono()
    {
        Esito e;
        LettoreSuono lettore;
        QElapsedTimer t;
        t.start();
        lettore.suona(QStringLiteral(MASSA_BIN_DIR "/positivo.wav"), e.fallito());
        QVERIFY2(t.elapsed() < 500, "the call waited for the sound");
        QTest::qWait(1500);  // the chime lasts 0.4 s
        QVERIFY(e.fallimenti <= 1);
        QVERIFY(!e.fuoriDalFiloGrafico);
    }

    // A player that goes with sounds still queued or playing stops them and reports
    // nothing afterwards.
    void finePrimaDelSuono_data() { nonSuonati_data(); }

    void finePrimaDelSuono()
    {
        QFETCH(QByteArray, libreria);
        QFETCH(QString, file);
        Esito e;
        {
            LettoreSuono lettore(libreria);
            for (int i = 0; i < 5; ++i)
                lettore.suona(file, e.fallito());
        }
        QTest::qWait(200);
        QCOMPARE(e.fallimenti, 0);
    }
};

QTEST_MAIN(TstLettore)
#include "tst_lettore.moc"
