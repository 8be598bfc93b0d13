// SPDX-License-Identifier: GPL-3.0-or-later
// The fonts of this desktop, found once, and off the main thread when the program starts.
#include "kit/caratteri.h"

#include "runtime/piattaforma.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <QFontInfo>
#include <QFontMetrics>
#include <cmath>

namespace ui {

namespace {

Caratteri misura()
{
    Caratteri c;
    // A line of the menu font as a menu bar measures its entries.
    c.altezzaRigaMenu = QFontMetrics(carattereMenu()).size(Qt::TextShowMnemonic, QStringLiteral("Esci")).height();
    c.faccia = QFontInfo(carattereDisegnato()).family();
    return c;
}

std::shared_future<Caratteri>& risultato()
{
    static std::shared_future<Caratteri> r;
    return r;
}

} // namespace

QFont carattere(const QString& faccia, double punti, Peso peso)
{
    // One face stands in for every face of the design.
    Q_UNUSED(faccia);
    QFont f = carattereDisegnato();
    f.setPixelSize(static_cast<int>(std::lround(punti * 96.0 / 72.0)));
    f.setBold(peso == Peso::Grassetto);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

void preparaCarattere(const QFont& f, const QString& caratteri)
{
    // A sheet as the screens are painted on, one glyph at a time so each fits on it.
    const QFontMetrics fm(f);
    const qreal rapporto = qApp->devicePixelRatio();
    QImage foglio(QSize(fm.maxWidth() + 2, fm.height() + 2) * rapporto, QImage::Format_ARGB32_Premultiplied);
    foglio.setDevicePixelRatio(rapporto);
    foglio.fill(Qt::transparent);
    QPainter p(&foglio);
    p.setFont(f);
    // Glyphs are kept for each quarter of a pixel they may start at.
    for (const qreal x : {0.0, 0.25, 0.5, 0.75}) {
        for (const QChar c : caratteri)
            p.drawText(QPointF(x, fm.ascent()), QString(c));
    }
}

QFont carattereMenu() { return carattere(QStringLiteral("MS Sans Serif"), 8.25); }

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
