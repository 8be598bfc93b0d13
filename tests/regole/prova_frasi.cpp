// SPDX-License-Identifier: GPL-3.0-or-later
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
        // The next step comes first or alone, after a verdict of a word or two.
        riga("right", frasi::verifica(frasi::Esito::Esatto), "Esatto! Invio: nuova domanda.");
        riga("wrong", frasi::verifica(frasi::Esito::Errato), "Errato. Vuoi aiuto? S sì, N no.");
        riga("score", frasi::punteggio(3, 1, " 12", " 40"),
             "Punteggio: esatte 3, errate 1. Ultima risposta 12 secondi, in tutto 40 secondi.");
        riga("score, nothing timed yet", frasi::punteggio(0, 0, "", " 1"),
             "Punteggio: esatte 0, errate 0. Ultima risposta 0 secondi, in tutto 1 secondo.");
        riga("revealed", frasi::rivelata("8300", " hg"), "La risposta è 8300 ettogrammi. Invio: nuova domanda.");
        riga("repeated, symbol", frasi::ripeti("50 ettogrammi uguale 5, in quale unità?", frasi::Passo::Simbolo),
             "50 ettogrammi uguale 5, in quale unità? Scegli l'unità: k, h, d a, g, d g, c, m; poi Invio.");
        // A key that does nothing says why, and what to do instead.
        riga("digit, symbol asked", frasi::inutile(frasi::Richiesta::Cifra, frasi::Passo::Simbolo),
             "Qui servono le lettere: k, h, d a, g, d g, c, m.");
        riga("letter, number asked", frasi::inutile(frasi::Richiesta::Simbolo, frasi::Passo::Numero),
             "Qui servono le cifre.");
        riga("Return, nothing written", frasi::inutile(frasi::Richiesta::Verifica, frasi::Passo::Numero),
             "Prima scrivi il numero.");
        riga("Return, no unit chosen", frasi::inutile(frasi::Richiesta::Verifica, frasi::Passo::Simbolo),
             "Prima scegli l'unità.");
        riga("digit, help offered", frasi::inutile(frasi::Richiesta::Cifra, frasi::Passo::Aiuto),
             "Prima rispondi: S sì, N no.");
        riga("s, nothing offered", frasi::inutile(frasi::Richiesta::SiONo, frasi::Passo::Numero),
             "S e N servono dopo un errore. Scrivi il numero, poi Invio.");
        riga("digit, answer settled", frasi::inutile(frasi::Richiesta::Cifra, frasi::Passo::Nuova),
             "Risposta già data. Invio: nuova domanda.");
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
