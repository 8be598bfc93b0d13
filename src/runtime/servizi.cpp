// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/lettore_suono.h"
#include "runtime/piattaforma.h"
#include "runtime/registro.h"
#include "runtime/servizi_reali.h"
#include "runtime/striscia_titolo.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QMessageBox>
#include <QProcess>
#include <QTime>

namespace {
Servizi* s_installati = nullptr;
}

Servizi& servizi()
{
    if (s_installati)
        return *s_installati;
    static ServiziReali real;
    return real;
}

void installaServizi(Servizi* s) { s_installati = s; }

QString titoloApplicazione() { return QStringLiteral("Misure di massa"); }

void Servizi::suona(const QString& percorso)
{
    const QFileInfo informazioni(percorso);
    if (!informazioni.isFile() || informazioni.size() >= SuonoMassimo) {
        qCInfo(registroSuono, "%s: %s; al suo posto il segnale acustico", qPrintable(percorso),
               informazioni.isFile() ? "troppo grande per un suono breve" : "il file non c'è");
        bip();
        return;
    }
    avviaSuono(percorso, [this] { bip(); });
}

void avviaCompagno(const QString& nome)
{
    if (!servizi().eseguiProgramma(nome, StileFinestra::Normale))
        servizi().messaggio(QStringLiteral("File mancante"), StileMessaggio::SoloOk);
}

ServiziReali::ServiziReali() = default;
ServiziReali::~ServiziReali() = default;

void ServiziReali::inizializzaCasuali(double seme)
{
    // Every bit of the reading counts, so two questions a few ms apart differ.
    const auto bit = static_cast<std::uint64_t>(seme * 1000.0);
    std::seed_seq sequenza{static_cast<std::uint32_t>(bit), static_cast<std::uint32_t>(bit >> 32)};
    m_generatore.seed(sequenza);
}

float ServiziReali::valoreCasuale()
{
    // 24 random bits give every float step in [0, 1) and can never round up to 1.
    return static_cast<float>(m_generatore() >> 8) * (1.0f / 16777216.0f);
}

double ServiziReali::ora() { return QTime::currentTime().msecsSinceStartOfDay() / 1000.0; }

QStringList ServiziReali::cartelleDiRicerca(const QString& cartella, const QString& variabilePath)
{
    QStringList cartelle;
    if (!cartella.isEmpty())
        cartelle << cartella;
    for (const QString& voce : variabilePath.split(QDir::listSeparator())) {
        if (!voce.isEmpty() && QDir::isAbsolutePath(voce))
            cartelle << voce;
    }
    return cartelle;
}

QString ServiziReali::trovaEseguibile(const QString& nome, const QStringList& cartelle)
{
    // A bare name only: anything with a folder in it is refused.
    if (nome.isEmpty() || nome.contains(QLatin1Char('/')) || nome.contains(QDir::separator()))
        return {};
    for (const QString& cartella : cartelle) {
        const QFileInfo candidato(QDir(cartella), nome);
        if (candidato.isFile() && candidato.isExecutable())
            return candidato.absoluteFilePath();
    }
    return {};
}

bool ServiziReali::eseguiProgramma(const QString& nome, StileFinestra /*stile*/)
{
    const QString percorso = trovaEseguibile(nome,
                                             cartelleDiRicerca(cartellaProgramma(), qEnvironmentVariable("PATH")));
    if (percorso.isEmpty()) {
        qCInfo(registroCompagni, "%s non avviato: non è nella cartella del programma né nel PATH (%s)",
               qPrintable(nome), qPrintable(cartellaProgramma()));
        return false;
    }
    // Detached: the drill neither waits for it nor hears from it.
    QProcess processo;
    processo.setProgram(percorso);
    processo.setWorkingDirectory(QFileInfo(percorso).absolutePath());
    processo.setProcessEnvironment(piattaforma::ambienteCompagni());
    if (processo.startDetached())
        return true;
    qCInfo(registroCompagni, "%s non avviato: %s", qPrintable(percorso), qPrintable(processo.errorString()));
    return false;
}

void ServiziReali::messaggio(const QString& testo, StileMessaggio stile, const QString& titolo)
{
    // A carriage return breaks the line, as the prompts are written.
    QString testoMostrato = testo;
    testoMostrato.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    const QString intestazione = titolo.isEmpty() ? titoloApplicazione() : titolo;
    QMessageBox finestra(stile == StileMessaggio::Informazione ? QMessageBox::Information : QMessageBox::NoIcon,
                         intestazione, testoMostrato, QMessageBox::Ok, QApplication::activeWindow());
    // A box as narrow as "File mancante" would cut its own title short: wide enough for the
    // title in a window manager's (often larger, bold) font, and its buttons.
    if (auto* griglia = qobject_cast<QGridLayout*>(finestra.layout())) {
        const int larghezza = QFontMetrics(finestra.font()).horizontalAdvance(intestazione) * 3 / 2 + 120;
        griglia->addItem(new QSpacerItem(larghezza, 0, QSizePolicy::Minimum, QSizePolicy::Minimum), griglia->rowCount(),
                         0, 1, griglia->columnCount());
    }
    if (piattaforma::desktop().titoliPropri()) {
        // The title where nobody else draws it.
        finestra.setWindowFlag(Qt::FramelessWindowHint);
        const auto* titolo = new StrisciaTitolo(&finestra);
        QMargins m = finestra.layout()->contentsMargins();
        m.setTop(m.top() + titolo->altezza());
        finestra.layout()->setContentsMargins(m);
    }
    finestra.exec();
}

QString ServiziReali::cartellaProgramma() { return QCoreApplication::applicationDirPath(); }

void ServiziReali::avviaSuono(const QString& percorso, std::function<void()> fallito)
{
    // Made on the first sound: until then nothing of libcanberra is loaded.
    if (!m_lettore)
        m_lettore = std::make_unique<LettoreSuono>();
    m_lettore->suona(percorso, std::move(fallito));
}

void ServiziReali::bip() { QApplication::beep(); }
