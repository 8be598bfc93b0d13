// SPDX-License-Identifier: GPL-3.0-or-later
// Which sounds reach the sound library and when the beep stands in, with scripted services
// and real files in their program folder.
#include "servizi_di_prova.h"

#include <QTest>

class ProvaSuono : public QObject {
    Q_OBJECT

private slots:
    void fileOBeep_data()
    {
        QTest::addColumn<qint64>("dimensione"); // -1: no such file; -2: a folder of that name
        QTest::addColumn<bool>("suonato");
        QTest::newRow("the chime") << qint64(35324) << true;
        QTest::newRow("empty: the library decides") << qint64(0) << true;
        QTest::newRow("just under the limit") << Servizi::SuonoMassimo - 1 << true;
        QTest::newRow("at the limit") << Servizi::SuonoMassimo << false;
        QTest::newRow("1.5 GB") << qint64(1536) * 1024 * 1024 << false;
        QTest::newRow("no file") << qint64(-1) << false;
        QTest::newRow("a folder") << qint64(-2) << false;
    }

    // Large files are checked by size only: sparse files of any length cost nothing here.
    void fileOBeep()
    {
        QFETCH(qint64, dimensione);
        QFETCH(bool, suonato);
        ConServiziDiProva sc;
        const QString percorso = sc.s.cartella + "/positivo.wav";
        QFile::remove(percorso);
        if (dimensione == -2) {
            QVERIFY(QDir(sc.s.cartella).mkdir(QStringLiteral("positivo.wav")));
        } else if (dimensione >= 0) {
            QFile f(percorso);
            QVERIFY(f.open(QIODevice::WriteOnly));
            QVERIFY(f.resize(dimensione));
        }
        servizi().suona(percorso);
        QCOMPARE(sc.s.suoni, suonato ? QStringList{percorso} : QStringList{});
        QCOMPARE(sc.s.bipSuonati, suonato ? 0 : 1);
    }
};

QTEST_MAIN(ProvaSuono)
#include "prova_suono.moc"
