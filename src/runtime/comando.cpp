// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/comando.h"

#include "runtime/piattaforma.h"

#include <QCommandLineParser>

#include <cmath>
#include <cstdio>

namespace comando {

namespace {

constexpr char Programma[] = "misure-di-massa";
constexpr char Lavagna[] = "lavagna";
// A bare --lavagna, told apart from --lavagna=<factor>: QCommandLineParser has no option
// whose value may be left out.
constexpr char LavagnaAdatta[] = "lavagna-adatta";
constexpr double FattoreMinimo = 0.5;
constexpr double FattoreMassimo = 8;

// The options QGuiApplication and its X11 and Windows plug-ins take from the command line,
// which the application takes out again when it is made.
constexpr const char* OpzioniQtConValore[] = {
    "platform",
    "platformpluginpath",
    "platformtheme",
    "plugin",
    "qwindowgeometry",
    "qwindowicon",
    "qwindowtitle",
    "session",
    "style",
    "stylesheet",
    "display",
    "name",
    "visual",
    "ncols",
    "cmap",
    "qmljsdebugger",
    "geometry",
    "title",
    "im",
};
constexpr const char* OpzioniQt[] = {"reverse", "widgetcount", "nograb", "dograb", "sync", "testability"};

QString aiuto()
{
    return QStringLiteral("Uso: misure-di-massa [OPZIONE]...\n"
                          "Esercizi di trasformazione tra chilogrammi, ettogrammi, decagrammi e grammi.\n"
                          "\n"
                          "Opzioni:\n"
                          "  --lavagna            modalità lavagna: ogni finestra ingrandita quanto basta\n"
                          "                       perché l'esercizio riempia lo schermo\n"
                          "  --lavagna=FATTORE    ogni finestra ingrandita di FATTORE, da 0,5 a 8 (1,5 o 1.5),\n"
                          "                       al più quanto entra nello schermo\n"
                          "  -h, --help           mostra questo aiuto ed esce\n"
                          "  -v, --version        mostra la versione ed esce\n"
                          "\n"
                          "Accetta anche le opzioni di Qt, come -platform wayland.\n"
                          "Il manuale: man misure-di-massa");
}

Comando errore(const QString& cosa)
{
    return {Azione::Errore,
            {},
            QStringLiteral("%1: %2 (misure-di-massa --help elenca le opzioni)").arg(QLatin1String(Programma), cosa)};
}

} // namespace

Comando leggi(const QStringList& argomenti)
{
    QCommandLineParser p;
    // -platform, as Qt writes its options, is one option, not -p -l -a ...
    p.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption versione(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    p.addOption(help);
    p.addOption(versione);
    p.addOption(QCommandLineOption(QLatin1String(Lavagna), QString(), QStringLiteral("fattore")));
    p.addOption(QCommandLineOption(QLatin1String(LavagnaAdatta)));
    for (const char* nome : OpzioniQtConValore)
        p.addOption(QCommandLineOption(QLatin1String(nome), QString(), QStringLiteral("valore")));
    for (const char* nome : OpzioniQt)
        p.addOption(QCommandLineOption(QLatin1String(nome)));

    QStringList a = argomenti;
    for (qsizetype i = 1; i < a.size() && a[i] != QLatin1String("--"); ++i) {
        if (a[i] == QLatin1String("--lavagna") || a[i] == QLatin1String("-lavagna"))
            a[i] = QStringLiteral("--") + QLatin1String(LavagnaAdatta);
        else if (a[i].startsWith(QLatin1String("--") + QLatin1String(LavagnaAdatta)))
            return errore(QStringLiteral("opzione sconosciuta: %1").arg(a[i]));
    }
    if (!p.parse(a)) {
        if (!p.unknownOptionNames().isEmpty()) {
            const QString nome = p.unknownOptionNames().constFirst();
            return errore(QStringLiteral("opzione sconosciuta: %1%2").arg(nome.size() > 1 ? "--" : "-", nome));
        }
        // The only other fault: an option that takes a value, last and without one.
        return errore(QStringLiteral("manca il valore dopo %1").arg(a.constLast()));
    }
    if (!p.positionalArguments().isEmpty())
        return errore(QStringLiteral("argomento inatteso: %1").arg(p.positionalArguments().constFirst()));
    if (p.isSet(help))
        return {Azione::Aiuto, {}, aiuto()};
    if (p.isSet(versione))
        return {Azione::Versione,
                {},
                QStringLiteral("%1 %2").arg(QLatin1String(Programma), QStringLiteral(MASSA_VERSIONE))};

    Comando c;
    // Named in the order given, one name for each time an option is: the last counts.
    const QStringList valori = p.values(QLatin1String(Lavagna));
    qsizetype conValore = 0;
    for (const QString& nome : p.optionNames()) {
        if (nome == QLatin1String(LavagnaAdatta)) {
            c.lavagna = {.attiva = true, .fattore = 0};
        } else if (nome == QLatin1String(Lavagna)) {
            const QString v = valori.value(conValore++);
            bool ok = false;
            const double f = QString(v).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
            if (!ok || !std::isfinite(f) || f < FattoreMinimo || f > FattoreMassimo)
                return errore(QStringLiteral("--lavagna=%1: il fattore è un numero da 0,5 a 8").arg(v));
            c.lavagna = {.attiva = true, .fattore = f};
        }
    }
    return c;
}

Comando leggi(int argc, const char* const argv[])
{
    QStringList a;
    for (int i = 0; i < argc; ++i)
        a << QString::fromLocal8Bit(argv[i]);
    return leggi(a);
}

int esegui(const Comando& c)
{
    if (c.azione == Azione::Avvia)
        return -1;
    piattaforma::versoIlTerminale();
    const QByteArray testo = c.testo.toLocal8Bit() + '\n';
    std::fputs(testo.constData(), c.azione == Azione::Errore ? stderr : stdout);
    std::fflush(nullptr);
    return c.azione == Azione::Errore ? 2 : 0;
}

} // namespace comando
