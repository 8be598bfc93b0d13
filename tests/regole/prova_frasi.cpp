// The sentences a screen reader says during an exercise: plain texts in, a sentence out.
#include "regole/frasi.h"

#include <QTest>

class ProvaFrasi : public QObject {
    Q_OBJECT
private slots:
    void frasi_data()
    {
        QTest::addColumn<QString>("frase");
        QTest::addColumn<QString>("attesa");
        const auto riga = [](const char* nome, const QString& frase, const char* attesa) {
            QTest::newRow(nome) << frase << QString::fromUtf8(attesa);
        };
        riga("number question", frasi::domanda("83 kg", " hg", frasi::Incognita::Numero),
             "83 chilogrammi uguale quanti ettogrammi?");
        riga("comma", frasi::domanda("0,37 dag", " mg", frasi::Incognita::Numero),
             "0 virgola 37 decagrammi uguale quanti milligrammi?");
        riga("one is singular", frasi::domanda("1 g", " dg", frasi::Incognita::Numero),
             "1 grammo uguale quanti decigrammi?");
        riga("symbol question", frasi::domanda("50 hg", "5", frasi::Incognita::Simbolo),
             "50 ettogrammi uguale 5, in quale unità?");
        riga("symbol, comma", frasi::domanda("3 cg", "0,3", frasi::Incognita::Simbolo),
             "3 centigrammi uguale 0 virgola 3, in quale unità?");
        riga("digits so far", frasi::numero("83"), "83");
        riga("a comma just typed", frasi::numero("8,"), "8 virgola");
        riga("symbol chosen", frasi::quantita("5", " kg"), "5 chilogrammi");
        riga("one, a unit", frasi::quantita("1", " dag"), "1 decagrammo");
        riga("one and a part", frasi::quantita("1,5", " mg"), "1 virgola 5 milligrammi");
        riga("not a unit", frasi::quantita("7", " xy"), "7 xy");
        riga("right", frasi::verifica(true, 3, 1, " 12"),
             "Esatto. Risposte esatte 3, errate 1. Tempo 12 secondi. Invio per una nuova trasformazione.");
        riga("wrong, one second", frasi::verifica(false, 0, 1, " 1"),
             "Errato. Risposte esatte 0, errate 1. Tempo 1 secondo. Ti aiuto? S per sì, N per no.");
        riga("revealed", frasi::rivelata("8300", " hg"),
             "La risposta è 8300 ettogrammi. Invio per una nuova trasformazione.");
        riga("retry", frasi::riprova("50 ettogrammi uguale 5, in quale unità?"),
             "Riprova. 50 ettogrammi uguale 5, in quale unità?");
    }
    void frasi()
    {
        QFETCH(QString, frase);
        QFETCH(QString, attesa);
        QCOMPARE(frase, attesa);
    }
};

QTEST_MAIN(ProvaFrasi)
#include "prova_frasi.moc"
