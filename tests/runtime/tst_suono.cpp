// Which sounds reach the sound library and when the beep stands in, with scripted services
// and real files in their program folder.
#include "servizi_scriptati.h"

#include <QtTest>

class TstSuono : public QObject {
    Q_OBJECT

private slots:
    void fileOBeep_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<qint64>("dimensione");  // -1: no such file; -2: a folder of that name
        QTest::addColumn<bool>("suonato");
        QTest::newRow("the chime") << "positivo.wav" << qint64(35324) << true;
        QTest::newRow("empty: the library decides") << "positivo.wav" << qint64(0) << true;
        QTest::newRow("just under the limit") << "positivo.wav" << Services::LargestSound - 1 << true;
        QTest::newRow("at the limit") << "positivo.wav" << Services::LargestSound << false;
        QTest::newRow("1.5 GB") << "positivo.wav" << qint64(1536) * 1024 * 1024 << false;
        QTest::newRow("no file") << "positivo.wav" << qint64(-1) << false;
        QTest::newRow("a folder") << "positivo.wav" << qint64(-2) << false;
    }

    // Large files are checked by size only: sparse files of any length cost nothing here.
    void fileOBeep()
    {
        QFETCH(QString, nome);
        QFETCH(qint64, dimensione);
        QFETCH(bool, suonato);
        ScriptedScope sc;
        const QString percorso = sc.s.folder + "/" + nome;
        QFile::remove(percorso);
        if (dimensione == -2) {
            QVERIFY(QDir(sc.s.folder).mkdir(nome));
        } else if (dimensione >= 0) {
            QFile f(percorso);
            QVERIFY(f.open(QIODevice::WriteOnly));
            QVERIFY(f.resize(dimensione));
        }
        services().playSound(percorso);
        QCOMPARE(sc.s.sounds, suonato ? QStringList{percorso} : QStringList{});
        QCOMPARE(sc.s.beeps, suonato ? 0 : 1);
        sc.s.reportSoundFailures();
        QCOMPARE(sc.s.beeps, suonato ? 0 : 1);  // a played sound reports nothing
    }

    // Each sound the library could not play gives one beep, when the report comes, and
    // nothing else: no message, no program, no second try.
    void fallimentoUnBeep_data()
    {
        QTest::addColumn<int>("suoni");
        QTest::newRow("one") << 1;
        QTest::newRow("three") << 3;
    }

    void fallimentoUnBeep()
    {
        QFETCH(int, suoni);
        ScriptedScope sc;
        sc.s.soundsPlay = false;
        const QString chime = sc.s.folder + "/positivo.wav";
        for (int i = 0; i < suoni; ++i)
            services().playSound(chime);
        QCOMPARE(sc.s.beeps, 0);
        sc.s.reportSoundFailures();
        QCOMPARE(sc.s.beeps, suoni);
        QCOMPARE(sc.s.sounds, QStringList(suoni, chime));
        QVERIFY(sc.s.boxes.empty());
        QVERIFY(sc.s.started.isEmpty());
    }
};

QTEST_MAIN(TstSuono)
#include "tst_suono.moc"
