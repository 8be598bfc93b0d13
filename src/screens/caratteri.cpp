// The fonts of this desktop, found once, and off the main thread when the program starts.
#include "screens/caratteri.h"

#include "runtime/piattaforma.h"
#include "screens/kit.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>

namespace ui {

namespace {

Caratteri misura()
{
    Caratteri c;
    // A line of the menu font as a menu bar measures its entries.
    c.altezzaRigaMenu = QFontMetrics(carattereMenu()).size(Qt::TextShowMnemonic, QStringLiteral("Esci")).height();
    c.faccia = QFontInfo(QFont(Carattere)).family();
    return c;
}

std::shared_future<Caratteri>& risultato()
{
    static std::shared_future<Caratteri> r;
    return r;
}

} // namespace

QFont carattereMenu() { return carattere(QStringLiteral("MS Sans Serif"), 8.25, false); }

const Caratteri& caratteri()
{
    std::shared_future<Caratteri>& r = risultato();
    if (!r.valid()) {
        std::promise<Caratteri> qui;
        qui.set_value(misura());
        r = qui.get_future().share();
    }
    return r.get();
}

PreparazioneCaratteri::PreparazioneCaratteri()
{
    auto applicazione = m_applicazione.get_future();
    std::promise<Caratteri> misurati;
    risultato() = misurati.get_future().share();
    m_filo = std::thread([applicazione = std::move(applicazione), misurati = std::move(misurati)]() mutable {
        piattaforma::leggiConfigurazioneCaratteri();
        if (!applicazione.get()) {
            misurati.set_value(Caratteri{});
            return;
        }
        // Fills Qt's font database, which every later font of every thread uses.
        QFontDatabase::families();
        misurati.set_value(misura());
    });
}

PreparazioneCaratteri::~PreparazioneCaratteri()
{
    // Should the application never have been made, the thread leaves Qt alone.
    if (!m_detto)
        m_applicazione.set_value(false);
    m_filo.join();
}

void PreparazioneCaratteri::applicazionePronta()
{
    m_detto = true;
    m_applicazione.set_value(true);
}

} // namespace ui
