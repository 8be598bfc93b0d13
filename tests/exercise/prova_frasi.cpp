// The sentences a screen reader says during an exercise: plain texts in, a sentence out.
#include "exercise/frasi.h"

#include <QtTest>

class ProvaFrasi : public QObject {
    Q_OBJECT
private slots:
    void domanda_data()
    {
        QTest::addColumn<QString>("dato");
        QTest::addColumn<QString>("altro");
        QTest::addColumn<bool>("simbolo");
        QTest::addColumn<QString>("attesa");
        QTest::newRow("number") << "83 kg" << " hg" << false << "83 chilogrammi uguale quanti ettogrammi?";
        QTest::newRow("comma, every unit") << "0,37 dag" << " mg" << false << "0 virgola 37 decagrammi uguale quanti milligrammi?";
        QTest::newRow("one is singular") << "1 g" << " dg" << false << "1 grammo uguale quanti decigrammi?";
        QTest::newRow("symbol") << "50 hg" << "5" << true << "50 ettogrammi uguale 5, in quale unità?";
        QTest::newRow("symbol, comma") << "3 cg" << "0,3" << true << "3 centigrammi uguale 0 virgola 3, in quale unità?";
    }
    void domanda()
    {
        QFETCH(QString, dato);
        QFETCH(QString, altro);
        QFETCH(bool, simbolo);
        QFETCH(QString, attesa);
        QCOMPARE(frasi::domanda(dato, altro, simbolo), attesa);
    }

    void quantita_data()
    {
        QTest::addColumn<QString>("numero");
        QTest::addColumn<QString>("simbolo");
        QTest::addColumn<QString>("attesa");
        QTest::newRow("digits so far") << "83" << "" << "83";
        QTest::newRow("a comma just typed") << "8," << "" << "8 virgola";
        QTest::newRow("symbol chosen") << "5" << " kg" << "5 chilogrammi";
        QTest::newRow("one") << "1" << " dag" << "1 decagrammo";
        QTest::newRow("one and a part") << "1,5" << " mg" << "1 virgola 5 milligrammi";
        QTest::newRow("not a unit") << "7" << " xy" << "7 xy";
    }
    void quantita()
    {
        QFETCH(QString, numero);
        QFETCH(QString, simbolo);
        QFETCH(QString, attesa);
        QCOMPARE(frasi::quantita(numero, simbolo), attesa);
    }

    void esito_data()
    {
        QTest::addColumn<bool>("esatta");
        QTest::addColumn<int>("esatte");
        QTest::addColumn<int>("errate");
        QTest::addColumn<QString>("tempo");
        QTest::addColumn<QString>("attesa");
        QTest::newRow("right") << true << 3 << 1 << " 12"
                               << "Esatto. Risposte esatte 3, errate 1. Tempo 12 secondi. Invio per una nuova trasformazione.";
        QTest::newRow("wrong, one second") << false << 0 << 1 << " 1"
                                           << "Errato. Risposte esatte 0, errate 1. Tempo 1 secondo. Ti aiuto? S per sì, N per no.";
    }
    void esito()
    {
        QFETCH(bool, esatta);
        QFETCH(int, esatte);
        QFETCH(int, errate);
        QFETCH(QString, tempo);
        QFETCH(QString, attesa);
        QCOMPARE(frasi::verifica(esatta, esatte, errate, tempo), attesa);
    }

    void aiuto()
    {
        QCOMPARE(frasi::rivelata("8300", " hg"), "La risposta è 8300 ettogrammi. Invio per una nuova trasformazione.");
        QCOMPARE(frasi::riprova("50 ettogrammi uguale 5, in quale unità?"), "Riprova. 50 ettogrammi uguale 5, in quale unità?");
    }
};

QTEST_MAIN(ProvaFrasi)
#include "prova_frasi.moc"
