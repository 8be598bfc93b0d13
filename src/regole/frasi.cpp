#include "regole/frasi.h"

namespace frasi {

namespace {
struct NomeUnita {
    const char* simbolo;
    const char* singolare;
    const char* plurale;
};
// Read letter by letter ("acca gi"), a symbol says nothing to a learner who cannot see it.
constexpr NomeUnita Unita[] = {
    {"kg", "chilogrammo", "chilogrammi"}, {"hg", "ettogrammo", "ettogrammi"},
    {"dag", "decagrammo", "decagrammi"},  {"g", "grammo", "grammi"},
    {"dg", "decigrammo", "decigrammi"},   {"cg", "centigrammo", "centigrammi"},
    {"mg", "milligrammo", "milligrammi"},
};

} // namespace

QString unita(const QString& simbolo, const QString& quantita)
{
    QString s = simbolo.trimmed();
    for (const NomeUnita& u : Unita) {
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

QString verifica(bool esatta, long esatte, long errate, const QString& tempo)
{
    const QString t = tempo.trimmed();
    return QStringLiteral("%1. Risposte esatte %2, errate %3. Tempo %4 %5. %6")
        .arg(esatta ? QStringLiteral("Esatto") : QStringLiteral("Errato"))
        .arg(esatte)
        .arg(errate)
        .arg(t, t == QLatin1String("1") ? QStringLiteral("secondo") : QStringLiteral("secondi"),
             esatta ? QStringLiteral("Invio per una nuova trasformazione.")
                    : QStringLiteral("Ti aiuto? S per sì, N per no."));
}

QString rivelata(const QString& n, const QString& simbolo)
{
    return QStringLiteral("La risposta è %1. Invio per una nuova trasformazione.").arg(quantita(n, simbolo));
}

QString riprova(const QString& d) { return QStringLiteral("Riprova. ") + d; }

} // namespace frasi
