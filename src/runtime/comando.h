// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runtime/lavagna.h"

#include <QString>
#include <QStringList>

// The drill's command line: --lavagna[=fattore], --help and --version, and the options Qt
// itself takes (-platform, -style, ...), which the application reads again.
namespace comando {

enum class Azione {
    Avvia,    // start the program
    Aiuto,    // print the help and end
    Versione, // print the version and end
    Errore,   // print the one line saying what is wrong and end with status 2
};

struct Comando {
    Azione azione = Azione::Avvia;
    lavagna::Richiesta lavagna;
    QString testo; // the help, the version or the error line, without a final newline
};

// What the arguments ask for; the first is the program's name. The last --lavagna counts.
Comando leggi(const QStringList& argomenti);
Comando leggi(int argc, const char* const argv[]);

// Prints what the command asks to print and returns the exit status to end with, or -1
// when the program is to start.
int esegui(const Comando& c);

} // namespace comando
