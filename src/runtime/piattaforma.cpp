#include "runtime/piattaforma.h"

#if MASSA_X11
#include "runtime/piattaforma_x11.h"
#endif

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

#if MASSA_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

#include <memory>

namespace piattaforma {

namespace {

// Qt's Wayland plug-in (6.4) draws title bars only with an OpenGL client buffer
// integration, so a window with a title would load EGL, a Mesa driver and LLVM (some 50 MiB)
// for a program that paints everything with the raster engine. Without them it stays on
// shared-memory buffers, and the program draws its own title bars.
constexpr char SenzaDecorazioni[] = "QT_WAYLAND_DISABLE_WINDOWDECORATION";
bool s_decorazioniTolte = false;

// Where Qt decides: placement by Qt (the frame it knows), no background fill by the system,
// and on Wayland the screens tied to the background so the compositor keeps them in front.
class DesktopQt final : public Desktop {
public:
    DesktopQt()
        : m_wayland(QGuiApplication::platformName().startsWith(QLatin1String("wayland"))),
          m_titoliPropri(m_wayland && qEnvironmentVariableIntValue(SenzaDecorazioni) != 0)
    {
    }

    bool preparaSfondo(QWindow* sfondo, const QColor&) override
    {
        m_sfondo = sfondo;
        return false;
    }

    void davantiAlloSfondo(QWindow* finestra) override
    {
        // Elsewhere a window with a transient parent leaves the task bar (Windows), or is
        // kept above it anyway by the window manager.
        if (m_wayland && m_sfondo && finestra != m_sfondo)
            finestra->setTransientParent(m_sfondo);
    }

    QMargins cornice(QWidget* finestra) override
    {
        if (finestra->windowFlags() & Qt::FramelessWindowHint)
            return {};
        const QWindow* w = finestra->windowHandle();
        return w ? w->frameMargins() : QMargins();
    }

    void chiediCornice() override {}
    void sorvegliaDistruzione(QWindow*, std::function<void()>) override {}
    bool titoliPropri() const override { return m_titoliPropri; }

private:
    const bool m_wayland;
    const bool m_titoliPropri;
};

std::unique_ptr<Desktop> scegli()
{
#if MASSA_X11
    if (auto x11 = desktopX11())
        return x11;
#endif
    return std::make_unique<DesktopQt>();
}

} // namespace

Desktop& desktop()
{
    static const std::unique_ptr<Desktop> d = scegli();
    return *d;
}

void primaDellApplicazione()
{
    if (!qEnvironmentVariableIsSet(SenzaDecorazioni)) {
        qputenv(SenzaDecorazioni, "1");
        s_decorazioniTolte = true;
    }
}

QProcessEnvironment ambienteCompagni()
{
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    if (s_decorazioniTolte)
        ambiente.remove(QString::fromLatin1(SenzaDecorazioni));
    return ambiente;
}

void leggiConfigurazioneCaratteri()
{
#if MASSA_FONTCONFIG
    FcInit();
#endif
}

} // namespace piattaforma
