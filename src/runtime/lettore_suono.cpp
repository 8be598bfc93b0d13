// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/lettore_suono.h"

#include "runtime/libreria.h"
#include "runtime/registro.h"
#include "runtime/servizi.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLibrary>
#include <QtEndian>

#if MASSA_CANBERRA
#include <canberra.h>
#elif defined(Q_OS_WIN)
#include <windows.h>
// After windows.h, which it needs.
#include <mmsystem.h>
#endif
#include <memory>
#include <vector>

bool LettoreSuono::leggibile(QIODevice& file)
{
    // As libcanberra reads it: the RIFF header, chunks skipped up to "fmt " (16 bytes of
    // PCM), then up to "data". Any size it refuses, it refuses here too.
    constexpr quint32 Massimo = 64u * 1024 * 1024;
    const auto parola = [](const QByteArray& b, int i) { return qFromLittleEndian<quint32>(b.constData() + i); };
    const QByteArray intestazione = file.read(12);
    if (intestazione.size() != 12 || !intestazione.startsWith("RIFF") || intestazione.mid(8) != "WAVE" ||
        parola(intestazione, 4) == 0 || parola(intestazione, 4) >= Massimo)
        return false;
    const auto fino = [&](const char* id, quint32& misura) {
        for (;;) {
            const QByteArray pezzo = file.read(8);
            if (pezzo.size() != 8)
                return false;
            misura = parola(pezzo, 4);
            if (misura == 0 || misura >= Massimo)
                return false;
            if (pezzo.startsWith(id))
                return true;
            if (!file.seek(file.pos() + misura))
                return false;
        }
    };
    quint32 misura = 0;
    if (!fino("fmt ", misura) || misura != 16)
        return false;
    const QByteArray formato = file.read(16);
    if (formato.size() != 16)
        return false;
    const quint32 tipo = parola(formato, 0);
    const quint32 bit = parola(formato, 12) >> 16;
    if ((tipo & 0xffff) != 1 || (tipo >> 16) == 0 || parola(formato, 4) == 0 || (bit != 8 && bit != 16))
        return false;
    return fino("data", misura) && misura % (bit / 8) == 0;
}

namespace {
// The file opens and reads as a sound the player's library takes.
[[maybe_unused]] bool diSuonoLeggibile(const QString& percorso)
{
    QFile file(percorso);
    return file.open(QIODevice::ReadOnly) && LettoreSuono::leggibile(file);
}

// For the technician: which sound was not played, and why.
[[maybe_unused]] void annota(const QString& percorso, const QString& perche)
{
    qCInfo(registroSuono, "%s non suonato: %s; al suo posto il segnale acustico", qPrintable(percorso),
           qPrintable(perche));
}
[[maybe_unused]] const QString NonUnSuono = QStringLiteral("non si apre o non è un suono WAV PCM");
} // namespace

#if MASSA_CANBERRA
namespace {

// A context is never destroyed: libcanberra's ALSA driver unloads itself with its context
// while the thread of a sound still playing runs in it. One per player, which the program
// keeps to its end; kept here so nothing reads it as lost.
void tieni(ca_context* contesto)
{
    static std::mutex mutex;
    static auto* tenuti = new std::vector<ca_context*>; // never destroyed, like them
    const std::lock_guard lock(mutex);
    tenuti->push_back(contesto);
}

// The few calls the player makes, looked up in the library once it is open. The header
// gives their types; nothing links against libcanberra, so it stays out of the start-up.
struct Canberra {
    decltype(&ca_context_create) creaContesto = nullptr;
    decltype(&ca_context_change_props) proprieta = nullptr;
    decltype(&ca_context_play_full) suona = nullptr;
    decltype(&ca_proplist_create) creaLista = nullptr;
    decltype(&ca_proplist_sets) scrivi = nullptr;
    decltype(&ca_proplist_destroy) distruggiLista = nullptr;
    decltype(&ca_strerror) spiega = nullptr;
    ca_context* contesto = nullptr;
    QString perche; // why apri failed

    bool apri(const QByteArray& file, const QByteArray& nome, const QByteArray& id)
    {
        // Never unloaded: once needed, it stays for the life of the program.
        QLibrary libreria(QFile::decodeName(file));
        libreria.setLoadHints(QLibrary::ResolveAllSymbolsHint);
        if (!libreria.load() || !dinamica::cerca(libreria, "ca_context_create", creaContesto) ||
            !dinamica::cerca(libreria, "ca_context_change_props", proprieta) ||
            !dinamica::cerca(libreria, "ca_context_play_full", suona) ||
            !dinamica::cerca(libreria, "ca_proplist_create", creaLista) ||
            !dinamica::cerca(libreria, "ca_proplist_sets", scrivi) ||
            !dinamica::cerca(libreria, "ca_proplist_destroy", distruggiLista) ||
            !dinamica::cerca(libreria, "ca_strerror", spiega)) {
            perche = libreria.errorString();
            return false;
        }
        if (const int e = creaContesto(&contesto); e != CA_SUCCESS) {
            perche = QString::fromUtf8(spiega(e));
            return false;
        }
        tieni(contesto);
        // The sound server shows these beside the stream.
        if (id.isEmpty())
            proprieta(contesto, CA_PROP_APPLICATION_NAME, nome.constData(), nullptr);
        else
            proprieta(contesto, CA_PROP_APPLICATION_NAME, nome.constData(), CA_PROP_APPLICATION_ID, id.constData(),
                      CA_PROP_APPLICATION_ICON_NAME, id.constData(), nullptr);
        return true;
    }
};

// One sound on its way: what libcanberra hands back when it is over, which may come after
// the player has gone.
struct InCorso {
    std::shared_ptr<LettoreSuono::Ponte> ponte;
    std::function<void()> fallito;
    QString percorso;
    decltype(&ca_strerror) spiega;
};

void finito(ca_context*, std::uint32_t, int errore, void* dati)
{
    std::unique_ptr<InCorso> suono(static_cast<InCorso*>(dati));
    const std::lock_guard lock(suono->ponte->mutex);
    if (suono->ponte->lettore && LettoreSuono::nonSuonato(errore)) {
        annota(suono->percorso, QStringLiteral("libcanberra: ") + QString::fromUtf8(suono->spiega(errore)));
        suono->ponte->lettore->segnalaFallimento(std::move(suono->fallito));
    }
}

} // namespace
#endif

LettoreSuono::LettoreSuono(QByteArray libreria)
    : m_libreria(std::move(libreria)),
      m_nome(titoloApplicazione().toUtf8()),
      m_id(QGuiApplication::desktopFileName().toUtf8()),
      m_ponte(std::make_shared<Ponte>())
{
    m_ponte->lettore = this;
}

LettoreSuono::~LettoreSuono()
{
    {
        const std::lock_guard lock(m_ponte->mutex);
        m_ponte->lettore = nullptr;
    }
    {
        const std::lock_guard lock(m_mutex);
        m_fine = true;
    }
    m_sveglia.notify_one();
    if (m_filo.joinable())
        m_filo.join();
}

bool LettoreSuono::nonSuonato(int errore)
{
#if MASSA_CANBERRA
    // Cancelled or destroyed: the program stopped it. Disabled: the user turned event
    // sounds off, and a beep would go against that.
    return errore != CA_SUCCESS && errore != CA_ERROR_CANCELED && errore != CA_ERROR_DESTROYED &&
           errore != CA_ERROR_DISABLED;
#else
    return errore != 0;
#endif
}

void LettoreSuono::suona(const QString& percorso, std::function<void()> fallito)
{
#if MASSA_CANBERRA
    {
        const std::lock_guard lock(m_mutex);
        m_coda.push_back({QFile::encodeName(percorso), std::move(fallito)});
        if (!m_filo.joinable())
            m_filo = std::thread([this] { lavora(); });
    }
    m_sveglia.notify_one();
#elif defined(Q_OS_WIN)
    // The Windows multimedia library plays it on a thread of its own and returns at once; no
    // default sound stands in for a file it cannot play, the program's beep does.
    const bool diSuono = diSuonoLeggibile(percorso);
    const std::wstring nome = QDir::toNativeSeparators(percorso).toStdWString();
    if (!diSuono || !PlaySoundW(nome.c_str(), nullptr, SND_ASYNC | SND_FILENAME | SND_NODEFAULT)) {
        annota(percorso, diSuono ? QStringLiteral("PlaySound non l'ha suonato") : NonUnSuono);
        segnalaFallimento(std::move(fallito));
    }
#else
    annota(percorso, QStringLiteral("questa versione non ha un lettore di suoni"));
    segnalaFallimento(std::move(fallito));
#endif
}

void LettoreSuono::segnalaFallimento(std::function<void()> fallito)
{
    QMetaObject::invokeMethod(&m_destinatario, std::move(fallito), Qt::QueuedConnection);
}

void LettoreSuono::lavora()
{
#if MASSA_CANBERRA
    Canberra ca;
    const bool pronto = ca.apri(m_libreria, m_nome, m_id);
    std::uint32_t id = 0;
    for (;;) {
        Richiesta r;
        {
            std::unique_lock lock(m_mutex);
            m_sveglia.wait(lock, [this] { return m_fine || !m_coda.empty(); });
            if (m_fine)
                return;
            r = std::move(m_coda.front());
            m_coda.pop_front();
        }
        const QString percorso = QFile::decodeName(r.percorso);
        const bool diSuono = diSuonoLeggibile(percorso);
        ca_proplist* p = nullptr;
        const QString perche = !pronto                          ? QStringLiteral("libcanberra: ") + ca.perche
                               : !diSuono                       ? NonUnSuono
                               : ca.creaLista(&p) != CA_SUCCESS ? QStringLiteral("libcanberra: memoria esaurita")
                                                                : QString();
        if (!perche.isEmpty()) {
            annota(percorso, perche);
            segnalaFallimento(std::move(r.fallito));
            continue;
        }
        ca.scrivi(p, CA_PROP_MEDIA_FILENAME, r.percorso.constData());
        ca.scrivi(p, CA_PROP_MEDIA_ROLE, "event");
        auto* suono = new InCorso{m_ponte, std::move(r.fallito), percorso, ca.spiega};
        // Returns once the sound has started; `finito` hears of its end on another thread.
        const int errore = ca.suona(ca.contesto, ++id, p, finito, suono);
        ca.distruggiLista(p);
        if (errore != CA_SUCCESS) {
            std::unique_ptr<InCorso> mai(suono);
            if (nonSuonato(errore)) {
                annota(percorso, QStringLiteral("libcanberra: ") + QString::fromUtf8(ca.spiega(errore)));
                segnalaFallimento(std::move(mai->fallito));
            }
        }
    }
#endif
}
