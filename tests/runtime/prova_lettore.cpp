// The sound player: libcanberra is opened on the first sound, the call never waits for the
// sound, the chime's samples reach the sound device, and a sound that cannot be played is
// reported once, on the GUI thread. libcanberra goes through ALSA here, to a device named
// by each case: a file the test reads back, or a sound card that does not exist.
#include "runtime/lettore_suono.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
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

class ProvaLettore : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

    // The samples of a RIFF/WAVE file as an ALSA device receives them.
    static QByteArray campioni(const QString& wav)
    {
        QFile f(wav);
        if (!f.open(QIODevice::ReadOnly))
            return {};
        const QByteArray tutto = f.readAll();
        const qsizetype dati = tutto.indexOf("data");
        return dati < 0 ? QByteArray() : tutto.mid(dati + 8);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        qputenv("CANBERRA_DRIVER", "alsa");
    }

    void init() { qputenv("CANBERRA_DEVICE", "file:FILE=" + QFile::encodeName(m_dir.filePath("uscita.raw")) + ",FORMAT=raw"); }

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
        QTest::addColumn<QByteArray>("dispositivo");  // empty: the file device of init()
        QTest::addColumn<QString>("file");
        const QString chime = QStringLiteral(MASSA_BIN_DIR "/positivo.wav");
        QTest::newRow("no libcanberra") << QByteArray("libnessuna-canberra.so.0") << QByteArray() << chime;
        QTest::newRow("no sound card") << QByteArray("libcanberra.so.0") << QByteArray("hw:97") << chime;
        QTest::newRow("no such file") << QByteArray("libcanberra.so.0") << QByteArray()
                                      << QStringLiteral(MASSA_BIN_DIR "/nessuno.wav");
        QTest::newRow("not a sound") << QByteArray("libcanberra.so.0") << QByteArray()
                                     << QStringLiteral(MASSA_BIN_DIR "/../CMakeCache.txt");
    }

    void nonSuonati()
    {
        QFETCH(QByteArray, libreria);
        QFETCH(QByteArray, dispositivo);
        QFETCH(QString, file);
        if (!dispositivo.isEmpty())
            qputenv("CANBERRA_DEVICE", dispositivo);
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

    // The chime is played, all of it, and nothing is reported.
    void ilSuono()
    {
        const QString chime = QStringLiteral(MASSA_BIN_DIR "/positivo.wav");
        const QByteArray attesi = campioni(chime);
        QVERIFY(attesi.size() > 10000);
        QFile uscita(m_dir.filePath("uscita.raw"));
        uscita.remove();
        Esito e;
        LettoreSuono lettore;
        QElapsedTimer t;
        t.start();
        lettore.suona(chime, e.fallito());
        QVERIFY2(t.elapsed() < 500, "the call waited for the sound");
        QTRY_COMPARE_WITH_TIMEOUT(uscita.size(), attesi.size(), 5000);
        QVERIFY(uscita.open(QIODevice::ReadOnly));
        QVERIFY(uscita.readAll() == attesi);
        QTest::qWait(200);
        QCOMPARE(e.fallimenti, 0);
    }

    // A player that goes with sounds still queued or playing stops them and reports
    // nothing afterwards.
    void finePrimaDelSuono_data() { nonSuonati_data(); }

    void finePrimaDelSuono()
    {
        QFETCH(QByteArray, libreria);
        QFETCH(QByteArray, dispositivo);
        QFETCH(QString, file);
        if (!dispositivo.isEmpty())
            qputenv("CANBERRA_DEVICE", dispositivo);
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

QTEST_MAIN(ProvaLettore)
#include "prova_lettore.moc"
