// SPDX-License-Identifier: GPL-3.0-or-later
#include "regole/frasi.h"

#include "regole/unita.h"

namespace frasi {

// Read letter by letter ("acca gi"), a symbol says nothing to a learner who cannot see it.
QString unita(const QString& simbolo, const QString& quantita)
{
    QString s = simbolo.trimmed();
    for (const misure::Unita& u : misure::ElencoUnita) {
        if (s == QLatin1String(u.simbolo))
            return QString::fromLatin1(quantita.trimmed() == QLatin1String("1") ? u.singolare : u.plurale);
    }
    return s;
}

QString numero(const QString& quantita)
{
    QString n = quantita.trimmed();
    n.replace(QLatin1Char(','), QStringLiteral(" virgola "));
    return n.simplified();
}

QString quantita(const QString& n, const QString& simbolo)
{
    return (numero(n) + QLatin1Char(' ') + unita(simbolo, n)).trimmed();
}

QString domanda(const QString& dato, const QString& altro, Incognita incognita)
{
    // A quantity text has no blank; its symbol begins with one.
    const QString d = dato.trimmed();
    const qsizetype spazio = d.indexOf(QLatin1Char(' '));
    const QString dettoDato = spazio < 0 ? numero(d) : quantita(d.left(spazio), d.mid(spazio));
    if (incognita == Incognita::Simbolo)
        return QStringLiteral("%1 uguale %2, in quale unità?").arg(dettoDato, numero(altro));
    return QStringLiteral("%1 uguale quanti %2?").arg(dettoDato, unita(altro));
}

namespace {
QString secondi(const QString& tempo)
{
    QString t = tempo.trimmed();
    if (t.isEmpty())
        t = QStringLiteral("0");
    return t + (t == QLatin1String("1") ? QStringLiteral(" secondo") : QStringLiteral(" secondi"));
}
QString lettere() { return QStringLiteral("k, h, d a, g, d g, c, m"); }
} // namespace

QString passo(Passo p)
{
    switch (p) {
    case Passo::Numero: return QStringLiteral("Scrivi il numero, poi Invio.");
    case Passo::Simbolo: return QStringLiteral("Scegli l'unità: %1; poi Invio.").arg(lettere());
    case Passo::Aiuto: return QStringLiteral("Vuoi aiuto? S sì, N no.");
    case Passo::Nuova: break;
    }
    return QStringLiteral("Invio: nuova domanda.");
}

QString verifica(Esito esito)
{
    return esito == Esito::Esatto ? QStringLiteral("Esatto! ") + passo(Passo::Nuova)
                                  : QStringLiteral("Errato. ") + passo(Passo::Aiuto);
}

QString punteggio(long esatte, long errate, const QString& parziale, const QString& totale)
{
    return QStringLiteral("Punteggio: esatte %1, errate %2. Ultima risposta %3, in tutto %4.")
        .arg(esatte)
        .arg(errate)
        .arg(secondi(parziale), secondi(totale));
}

QString fine(long esatte, long errate)
{
    return QStringLiteral("Esercizio finito: esatte %1, errate %2.").arg(esatte).arg(errate);
}

QString rivelata(const QString& n, const QString& simbolo)
{
    return QStringLiteral("La risposta è %1. ").arg(quantita(n, simbolo)) + passo(Passo::Nuova);
}

QString riprova(const QString& d) { return QStringLiteral("Riprova. ") + d; }

QString ripeti(const QString& d, Passo p) { return d + QLatin1Char(' ') + passo(p); }

QString inutile(Richiesta r, Passo p)
{
    if (p == Passo::Aiuto && r != Richiesta::SiONo)
        return QStringLiteral("Prima rispondi: S sì, N no.");
    if (p == Passo::Nuova)
        return QStringLiteral("Risposta già data. ") + passo(p);
    switch (r) {
    case Richiesta::Cifra: return QStringLiteral("Qui servono le lettere: %1.").arg(lettere());
    case Richiesta::Simbolo: return QStringLiteral("Qui servono le cifre.");
    case Richiesta::Verifica:
        return p == Passo::Numero ? QStringLiteral("Prima scrivi il numero.") : QStringLiteral("Prima scegli l'unità.");
    case Richiesta::Cancella: return QStringLiteral("Niente da cancellare.");
    case Richiesta::SiONo: break;
    }
    return QStringLiteral("S e N servono dopo un errore. ") + passo(p);
}

QString tastiEsercizio()
{
    return QStringLiteral("Cifre e virgola per il numero; lettere %1 per l'unità; Invio verifica; "
                          "Canc cancella; R ripete la domanda; P il punteggio; Esc esce.")
        .arg(lettere());
}

QString tastiInizio()
{
    return QStringLiteral("Frecce: il tipo di esercizio; Tab: la direzione; Invio: inizia; F10: menu; "
                          "F1: questi tasti.");
}

QString benvenuto(const QString& scelta)
{
    return scelta.trimmed() + QStringLiteral(". Frecce per cambiare, Tab per la direzione, poi Invio. F1: i tasti.");
}

} // namespace frasi
