#include "runtime/lettore_suono.h"

#include "runtime/servizi.h"

#include <QFile>
#include <QGuiApplication>

#include <canberra.h>
#include <dlfcn.h>
#include <memory>

namespace {

// The few calls the player makes, looked up in the library once it is open. The header
// gives their types; nothing links against libcanberra, so it stays out of the start-up.
struct Canberra {
    decltype(&ca_context_create) creaContesto = nullptr;
    decltype(&ca_context_change_props) proprieta = nullptr;
    decltype(&ca_context_play_full) suona = nullptr;
    decltype(&ca_context_destroy) distruggi = nullptr;
    decltype(&ca_proplist_create) creaLista = nullptr;
    decltype(&ca_proplist_sets) scrivi = nullptr;
    decltype(&ca_proplist_destroy) distruggiLista = nullptr;
    ca_context* contesto = nullptr;

    template <typename F>
    static bool cerca(void* libreria, const char* nome, F& funzione)
    {
        funzione = reinterpret_cast<F>(dlsym(libreria, nome));
        return funzione != nullptr;
    }

    bool apri(const QByteArray& file, const QByteArray& nome, const QByteArray& id)
    {
        // Never closed: once needed, it stays for the life of the program.
        void* libreria = dlopen(file.constData(), RTLD_NOW | RTLD_LOCAL);
        if (!libreria || !cerca(libreria, "ca_context_create", creaContesto) ||
            !cerca(libreria, "ca_context_change_props", proprieta) ||
            !cerca(libreria, "ca_context_play_full", suona) ||
            !cerca(libreria, "ca_context_destroy", distruggi) ||
            !cerca(libreria, "ca_proplist_create", creaLista) || !cerca(libreria, "ca_proplist_sets", scrivi) ||
            !cerca(libreria, "ca_proplist_destroy", distruggiLista))
            return false;
        if (creaContesto(&contesto) != CA_SUCCESS)
            return false;
        // The sound server shows these beside the stream.
        if (id.isEmpty())
            proprieta(contesto, CA_PROP_APPLICATION_NAME, nome.constData(), nullptr);
        else
            proprieta(contesto, CA_PROP_APPLICATION_NAME, nome.constData(), CA_PROP_APPLICATION_ID, id.constData(),
                      CA_PROP_APPLICATION_ICON_NAME, id.constData(), nullptr);
        return true;
    }

    ~Canberra()
    {
        if (contesto)
            distruggi(contesto);
    }
};

// One sound on its way: what libcanberra hands back when it is over.
struct InCorso {
    LettoreSuono* lettore;
    std::function<void()> fallito;
};

void finito(ca_context*, std::uint32_t, int errore, void* dati)
{
    std::unique_ptr<InCorso> suono(static_cast<InCorso*>(dati));
    if (LettoreSuono::nonSuonato(errore))
        suono->lettore->segnalaFallimento(std::move(suono->fallito));
}

} // namespace

LettoreSuono::LettoreSuono(QByteArray libreria)
    : m_libreria(std::move(libreria)),
      m_nome(titoloApplicazione().toUtf8()),
      m_id(QGuiApplication::desktopFileName().toUtf8())
{
}

LettoreSuono::~LettoreSuono()
{
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
    // Cancelled or destroyed: the program stopped it. Disabled: the user turned event
    // sounds off, and a beep would go against that.
    return errore != CA_SUCCESS && errore != CA_ERROR_CANCELED && errore != CA_ERROR_DESTROYED &&
           errore != CA_ERROR_DISABLED;
}

void LettoreSuono::suona(const QString& percorso, std::function<void()> fallito)
{
    {
        const std::lock_guard lock(m_mutex);
        m_coda.push_back({QFile::encodeName(percorso), std::move(fallito)});
        if (!m_filo.joinable())
            m_filo = std::thread([this] { lavora(); });
    }
    m_sveglia.notify_one();
}

void LettoreSuono::segnalaFallimento(std::function<void()> fallito)
{
    QMetaObject::invokeMethod(&m_destinatario, std::move(fallito), Qt::QueuedConnection);
}

void LettoreSuono::lavora()
{
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
        ca_proplist* p = nullptr;
        if (!pronto || ca.creaLista(&p) != CA_SUCCESS) {
            segnalaFallimento(std::move(r.fallito));
            continue;
        }
        ca.scrivi(p, CA_PROP_MEDIA_FILENAME, r.percorso.constData());
        ca.scrivi(p, CA_PROP_MEDIA_ROLE, "event");
        auto* suono = new InCorso{this, std::move(r.fallito)};
        // Returns once the sound has started; `finito` hears of its end on another thread.
        const int errore = ca.suona(ca.contesto, ++id, p, finito, suono);
        ca.distruggiLista(p);
        if (errore != CA_SUCCESS) {
            std::unique_ptr<InCorso> mai(suono);
            if (nonSuonato(errore))
                segnalaFallimento(std::move(mai->fallito));
        }
    }
}
