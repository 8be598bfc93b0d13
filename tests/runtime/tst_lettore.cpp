// The sound player library: loaded by name, it starts the sound and returns at once.
#include <QApplication>
#include <QElapsedTimer>
#include <QLibrary>
#include <QSoundEffect>
#include <QtTest>

class TstLettore : public QObject {
    Q_OBJECT
    using Suona = void (*)(const char*);

private slots:
    void playsWithoutWaiting_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("the chime") << QStringLiteral(MASSA_BIN_DIR "/positivo.wav");
        QTest::newRow("not a sound") << QStringLiteral(MASSA_BIN_DIR "/../CMakeCache.txt");
    }

    void playsWithoutWaiting()
    {
        QFETCH(QString, file);
        QLibrary lettore(QStringLiteral(MASSA_BIN_DIR "/liblettore-suono"));
        const auto suona = reinterpret_cast<Suona>(lettore.resolve("massaSuona"));
        QVERIFY2(suona, qPrintable(lettore.errorString()));
        QElapsedTimer t;
        t.start();
        suona(QFile::encodeName(file).constData());
        suona(QFile::encodeName(file).constData());
        QVERIFY2(t.elapsed() < 1000, "the call waited for the sound");
        // One player, kept by the application and pointed at the file.
        const auto effetti = qApp->findChildren<QSoundEffect*>();
        QCOMPARE(effetti.size(), 1);
        QCOMPARE(effetti.first()->source(), QUrl::fromLocalFile(file));
        // The file is read on a loader thread; let it finish before the next case or the end.
        QTRY_VERIFY_WITH_TIMEOUT(effetti.first()->status() == QSoundEffect::Ready ||
                                     effetti.first()->status() == QSoundEffect::Error,
                                 10000);
    }

    void cleanupTestCase()
    {
        qDeleteAll(qApp->findChildren<QSoundEffect*>());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

QTEST_MAIN(TstLettore)
#include "tst_lettore.moc"
