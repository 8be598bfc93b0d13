// SPDX-License-Identifier: GPL-3.0-or-later
// The sound player: libcanberra is opened on the first sound, the call never waits for the
// player (it returns while the player's thread is still held up on an earlier file), the
// chime's samples reach the sound device, a sound that cannot be played is reported once, on
// the GUI thread, and a file that is no sound costs no descriptor. libcanberra goes through
// ALSA here, to a device named by each case: a file the test reads back, or a sound card that
// does not exist.
#include "runtime/lettore_suono.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QtEndian>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool canberraCaricata()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("/libcanberra.so");
}

// The descriptors of this process open on one of `file`: other threads and earlier cases
// open and close descriptors of their own at any time, so only these say what a player kept.
int descrittoriSu(const QStringList& file)
{
    int n = 0;
    const QDir fd(QStringLiteral("/proc/self/fd"));
    for (const QString& voce : fd.entryList(QDir::System | QDir::Files))
        n += file.contains(QFile::symLinkTarget(fd.filePath(voce))) ? 1 : 0;
    return n;
}

// A RIFF WAVE file with one "fmt " chunk of `misuraFmt` bytes and 8 bytes of samples.
QByteArray wav(quint16 formato, quint16 bit, quint32 misuraFmt = 16)
{
    QByteArray fmt(int(misuraFmt), '\0');
    qToLittleEndian<quint16>(formato, fmt.data());
    qToLittleEndian<quint16>(1, fmt.data() + 2);
    qToLittleEndian<quint32>(8000, fmt.data() + 4);
    qToLittleEndian<quint16>(bit, fmt.data() + 14);
    const auto pezzo = [](const char* id, const QByteArray& dati) {
        QByteArray p(id, 4);
        p.resize(8);
        qToLittleEndian<quint32>(quint32(dati.size()), p.data() + 4);
        return p + dati;
    };
    const QByteArray corpo = "WAVE" + pezzo("fmt ", fmt) + pezzo("data", QByteArray(8, '\0'));
    return pezzo("RIFF", corpo);
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

// A file the player's thread cannot get past until the test lets it: a FIFO, whose opening
// waits for a writer. Queued first, it holds up every sound after it. A call that waited for
// the player would wait for ever, so a guard lets the FIFO go after 30 s and says so.
class Ostacolo {
public:
    explicit Ostacolo(const QString& percorso) : m_percorso(QFile::encodeName(percorso))
    {
        if (::mkfifo(m_percorso.constData(), 0600) != 0)
            qFatal("no FIFO at %s", m_percorso.constData());
        m_guardia = std::thread([this] {
            std::unique_lock lock(m_mutex);
            if (m_sveglia.wait_for(lock, std::chrono::seconds(30), [this] { return m_fine; }))
                return;
            m_scaduto = true;
            while (!lascia() && !m_sveglia.wait_for(lock, std::chrono::milliseconds(10), [this] { return m_fine; })) {
            }
        });
    }
    ~Ostacolo()
    {
        {
            const std::lock_guard lock(m_mutex);
            m_fine = true;
        }
        m_sveglia.notify_one();
        m_guardia.join();
        // Whoever waits on it, or is about to, goes on: a writer comes and goes, then the
        // name is gone.
        const int fd = ::open(m_percorso.constData(), O_RDWR | O_NONBLOCK);
        ::unlink(m_percorso.constData());
        if (fd >= 0)
            ::close(fd);
    }
    QString percorso() const { return QFile::decodeName(m_percorso); }
    bool scaduto() const { return m_scaduto; }
    // Lets the player read it, an empty file; false while nobody is waiting to read it. Once
    // let go it stays so: QTRY_VERIFY asks again after the first yes.
    bool lascia()
    {
        if (!m_lasciato) {
            const int fd = ::open(m_percorso.constData(), O_WRONLY | O_NONBLOCK);
            m_lasciato = fd >= 0 && ::close(fd) == 0;
        }
        return m_lasciato;
    }

private:
    const QByteArray m_percorso;
    std::mutex m_mutex;
    std::condition_variable m_sveglia;
    bool m_fine = false;
    std::atomic<bool> m_scaduto = false;
    std::atomic<bool> m_lasciato = false;
    std::thread m_guardia;
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
        QLoggingCategory::setFilterRules(QStringLiteral("misure.di.massa.suono=true"));
    }

    void init()
    {
        qputenv("CANBERRA_DEVICE", "file:FILE=" + QFile::encodeName(m_dir.filePath("uscita.raw")) + ",FORMAT=raw");
    }

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
        QTest::addColumn<QByteArray>("dispositivo"); // empty: the file device of init()
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("perche"); // what the technician reads
        const QString chime = QStringLiteral(MASSA_BIN_DIR "/positivo.wav");
        QTest::newRow("no libcanberra") << QByteArray("libnessuna-canberra.so.0") << QByteArray() << chime
                                        << "libcanberra: .*libnessuna-canberra";
        QTest::newRow("no sound card") << QByteArray("libcanberra.so.0") << QByteArray("hw:97") << chime
                                       << "libcanberra: [A-Z]";
        QTest::newRow("no such file") << QByteArray("libcanberra.so.0") << QByteArray()
                                      << QStringLiteral(MASSA_BIN_DIR "/nessuno.wav") << "non si apre";
        QTest::newRow("not a sound") << QByteArray("libcanberra.so.0") << QByteArray()
                                     << QStringLiteral(MASSA_BIN_DIR "/../CMakeCache.txt")
                                     << "non si apre o non è un suono WAV PCM";
    }

    void nonSuonati()
    {
        QFETCH(QByteArray, libreria);
        QFETCH(QByteArray, dispositivo);
        QFETCH(QString, file);
        QFETCH(QString, perche);
        if (!dispositivo.isEmpty())
            qputenv("CANBERRA_DEVICE", dispositivo);
        for (int volte = 0; volte < 2; ++volte)
            QTest::ignoreMessage(QtInfoMsg,
                                 QRegularExpression(QRegularExpression::escape(file) + " non suonato: " + perche));
        Esito e, trattenuto;
        LettoreSuono lettore(libreria);
        Ostacolo fermo(m_dir.filePath(QStringLiteral("fermo.wav")));
        lettore.suona(fermo.percorso(), trattenuto.fallito());
        lettore.suona(file, e.fallito());
        lettore.suona(file, e.fallito());
        QVERIFY2(!fermo.scaduto(), "the call waited for the player");
        QCOMPARE(e.fallimenti, 0); // never from within the call
        // The calls are over and the player is still on the first file.
        QTRY_VERIFY_WITH_TIMEOUT(fermo.lascia(), 10000);
        QTRY_COMPARE(e.fallimenti, 2);
        QCOMPARE(trattenuto.fallimenti, 1);
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
        Esito e, trattenuto;
        LettoreSuono lettore;
        Ostacolo fermo(m_dir.filePath(QStringLiteral("fermo.wav")));
        lettore.suona(fermo.percorso(), trattenuto.fallito());
        lettore.suona(chime, e.fallito());
        QVERIFY2(!fermo.scaduto(), "the call waited for the sound");
        QCOMPARE(uscita.size(), 0);
        QTRY_VERIFY_WITH_TIMEOUT(fermo.lascia(), 10000);
        QTRY_COMPARE_WITH_TIMEOUT(uscita.size(), attesi.size(), 5000);
        QVERIFY(uscita.open(QIODevice::ReadOnly));
        QVERIFY(uscita.readAll() == attesi);
        QTest::qWait(200);
        QCOMPARE(e.fallimenti, 0);
    }

    // Only what libcanberra reads to the end is handed to it: it keeps open every file it
    // gives up on.
    void leggibile_data()
    {
        QTest::addColumn<QByteArray>("contenuto");
        QTest::addColumn<bool>("suono");
        QFile chime(QStringLiteral(MASSA_BIN_DIR "/positivo.wav"));
        QVERIFY(chime.open(QIODevice::ReadOnly));
        QTest::newRow("the chime") << chime.readAll() << true;
        QTest::newRow("8-bit PCM") << wav(1, 8) << true;
        QTest::newRow("empty") << QByteArray() << false;
        QTest::newRow("text") << QByteArray("non sono un suono\n").repeated(50) << false;
        QTest::newRow("RIFF cut short") << wav(1, 16).left(30) << false;
        QTest::newRow("no samples") << wav(1, 16).left(36) << false;
        QTest::newRow("not PCM") << wav(3, 16) << false;
        QTest::newRow("24-bit") << wav(1, 24) << false;
        QTest::newRow("longer fmt") << wav(1, 16, 18) << false;
        QTest::newRow("Ogg") << QByteArray("OggS").append(4000, 'x') << false;
    }

    void leggibile()
    {
        QFETCH(QByteArray, contenuto);
        QFETCH(bool, suono);
        QBuffer b(&contenuto);
        QVERIFY(b.open(QIODevice::ReadOnly));
        QCOMPARE(LettoreSuono::leggibile(b), suono);
    }

    // Twenty right answers with a positivo.wav that is no sound: a beep each time, and no
    // descriptor left on the file or the sound device.
    void descrittori_data()
    {
        QTest::addColumn<QByteArray>("contenuto");
        QTest::newRow("text") << QByteArray("non sono un suono\n").repeated(50);
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("not PCM") << wav(3, 16);
    }

    void descrittori()
    {
        QFETCH(QByteArray, contenuto);
        // As the kernel names them, without links on the way.
        const QDir dir(QFileInfo(m_dir.path()).canonicalFilePath());
        const QString file = dir.filePath(QStringLiteral("positivo.wav"));
        // A device of this case's own: an earlier case's sound may still be closing its own.
        const QString dispositivo = dir.filePath(QStringLiteral("descrittori.raw"));
        qputenv("CANBERRA_DEVICE", "file:FILE=" + QFile::encodeName(dispositivo) + ",FORMAT=raw");
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(contenuto);
        f.close();
        Esito e;
        LettoreSuono lettore;
        for (int i = 0; i < 20; ++i)
            lettore.suona(file, e.fallito());
        QTRY_COMPARE(e.fallimenti, 20);
        QCOMPARE(descrittoriSu({file, dispositivo}), 0);
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
