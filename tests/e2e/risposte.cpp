// SPDX-License-Identifier: GPL-3.0-or-later
// The drill as it is, for the play under Wine, which has no screen reader to ask what the
// question is: a watcher writes the right answer, the score and the question's start time into
// the file MASSA_PROVA_RISPOSTE names, a line whenever they change.
#include "regole/stato.h"

#include <QCoreApplication>
#include <QFile>
#include <QTimer>

#include <memory>

namespace {

void osserva()
{
    const QString nome = qEnvironmentVariable("MASSA_PROVA_RISPOSTE");
    if (nome.isEmpty())
        return;
    auto* orologio = new QTimer(qApp);
    auto ultima = std::make_shared<QString>();
    QObject::connect(orologio, &QTimer::timeout, qApp, [nome, ultima] {
        const StatoProgramma& s = stato();
        const QString riga = QStringLiteral("%1|%2|%3|%4")
                                 .arg(s.RispostaEsatta.trimmed())
                                 .arg(s.NumeroEsatte)
                                 .arg(s.NumeroErrate)
                                 .arg(double(s.TempoInizio));
        if (riga == *ultima)
            return;
        *ultima = riga;
        QFile f(nome);
        if (f.open(QIODevice::Append))
            f.write((riga + QLatin1Char('\n')).toUtf8());
    });
    orologio->start(20);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(osserva)
