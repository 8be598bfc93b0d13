// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/piattaforma.h"
#include "runtime/libreria.h"
#include "runtime/registro.h"

#if MASSA_X11
#include "runtime/piattaforma_x11.h"
#endif

#include <QFileInfo>
#include <QGuiApplication>
#include <QLibrary>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#if MASSA_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif
#if MASSA_WAYLAND
#include <wayland-client.h>
#endif
#ifdef Q_OS_WIN
#include <windows.h>
#endif

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <vector>

namespace piattaforma {

namespace {

// Qt's Wayland plug-in (6.4) draws title bars only with an OpenGL client buffer
// integration, and loads it to ask, so a window with a title would load EGL, a Mesa driver
// and LLVM (some 50 MiB) for a program that paints everything with the raster engine.
// Without them it stays on shared-memory buffers. A compositor that decorates windows itself
// still draws their title bars; elsewhere the program draws its own.
constexpr char SenzaDecorazioni[] = "QT_WAYLAND_DISABLE_WINDOWDECORATION";
bool s_decorazioniTolte = false;
bool s_compositoreDecora = false;

// Whether the Wayland compositor the application is about to connect to decorates windows
// itself (it offers xdg-decoration, as KWin and wlroots compositors do; GNOME's and weston
// do not). Asked on a connection of our own, before Qt makes its. libwayland-client is opened
// here, on Wayland alone: linked, it would be loaded and relocated at every start on X11 too
// (2.5 % more instructions). Its header gives every type; the calls are those its inline
// wl_display_get_registry and wl_registry_add_listener make.
bool compositoreDecora()
{
#if MASSA_WAYLAND
    const QByteArray piattaforma = qgetenv("QT_QPA_PLATFORM");
    if (piattaforma.isEmpty() ? !qEnvironmentVariableIsSet("WAYLAND_DISPLAY") : !piattaforma.startsWith("wayland"))
        return false;
    QLibrary wl(QStringLiteral("wayland-client"), 0);
    const auto cerca = [&wl](const char* nome, auto& funzione) { return dinamica::cerca(wl, nome, funzione); };
    decltype(&wl_display_connect) connetti = nullptr;
    decltype(&wl_display_disconnect) disconnetti = nullptr;
    decltype(&wl_display_roundtrip) andataRitorno = nullptr;
    decltype(&wl_proxy_marshal_flags) chiedi = nullptr;
    decltype(&wl_proxy_get_version) versione = nullptr;
    decltype(&wl_proxy_add_listener) ascolta = nullptr;
    decltype(&wl_proxy_destroy) distruggi = nullptr;
    const auto* registroInterfaccia = reinterpret_cast<const wl_interface*>(wl.resolve("wl_registry_interface"));
    if (!cerca("wl_display_connect", connetti) || !cerca("wl_display_disconnect", disconnetti) ||
        !cerca("wl_display_roundtrip", andataRitorno) || !cerca("wl_proxy_marshal_flags", chiedi) ||
        !cerca("wl_proxy_get_version", versione) || !cerca("wl_proxy_add_listener", ascolta) ||
        !cerca("wl_proxy_destroy", distruggi) || !registroInterfaccia)
        return false;
    wl_display* display = connetti(nullptr);
    if (!display)
        return false;
    bool decora = false;
    static const wl_registry_listener ascolto{
        [](void* dati, wl_registry*, uint32_t, const char* interfaccia, uint32_t) {
            if (qstrcmp(interfaccia, "zxdg_decoration_manager_v1") == 0)
                *static_cast<bool*>(dati) = true;
        },
        [](void*, wl_registry*, uint32_t) {},
    };
    auto* d = reinterpret_cast<wl_proxy*>(display);
    if (wl_proxy* registro = chiedi(d, WL_DISPLAY_GET_REGISTRY, registroInterfaccia, versione(d), 0, nullptr)) {
        ascolta(registro, reinterpret_cast<void (**)()>(const_cast<wl_registry_listener*>(&ascolto)), &decora);
        andataRitorno(display);
        distruggi(registro);
    }
    disconnetti(display);
    return decora;
#else
    return false;
#endif
}

// Where Qt decides: placement by Qt (the frame it knows), no background fill by the system,
// and on Wayland the screens tied to the background so the compositor keeps them in front.
class DesktopQt final : public Desktop {
public:
    DesktopQt()
        : m_wayland(QGuiApplication::platformName().startsWith(QLatin1String("wayland"))),
          m_titoliPropri(m_wayland && qEnvironmentVariableIntValue(SenzaDecorazioni) != 0 && !s_compositoreDecora)
    {
    }

    bool preparaSfondo(QWindow* sfondo, const QColor&) override
    {
        m_sfondo = sfondo;
#ifdef Q_OS_WIN
        // A tool window: out of the task bar and Alt+Tab, a backdrop and not a window to go to.
        sfondo->setFlag(Qt::Tool);
#endif
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
    void allaCornice(QWidget*, std::function<void()>) override {}
    void sorvegliaDistruzione(QWindow*, std::function<void()>, Perdita) override {}
    bool titoliPropri() const override { return m_titoliPropri; }

private:
    const bool m_wayland;
    const bool m_titoliPropri;
};

std::unique_ptr<Desktop> scegli()
{
#if MASSA_X11
    if (auto x11 = desktopX11()) {
        qCInfo(registroPiattaforma, "piattaforma %s: parla X11 (sfondo dal server, cornici dal window manager)",
               qPrintable(QGuiApplication::platformName()));
        return x11;
    }
#endif
    qCInfo(registroPiattaforma, "piattaforma %s: lascia fare a Qt%s", qPrintable(QGuiApplication::platformName()),
           s_compositoreDecora ? " (il compositore disegna le barre del titolo)" : "");
    return std::make_unique<DesktopQt>();
}

} // namespace

Desktop& desktop()
{
    static const std::unique_ptr<Desktop> d = scegli();
    return *d;
}

void scalaValida(const char* programma)
{
    constexpr char Scala[] = "QT_SCALE_FACTOR";
    if (qEnvironmentVariableIsEmpty(Scala))
        return;
    bool ok = false;
    const double f = qEnvironmentVariable(Scala).toDouble(&ok);
    if (ok && std::isfinite(f) && f > 0)
        return;
    std::fprintf(stderr, "%s: QT_SCALE_FACTOR=%s non è un numero positivo: uso 1\n",
                 qPrintable(QFileInfo(QFile::decodeName(programma)).fileName()), qgetenv(Scala).constData());
    qputenv(Scala, "1");
}

void versoIlTerminale()
{
#ifdef Q_OS_WIN
    // Started from a console, a window program writes there; started from Explorer, nowhere.
    if (AttachConsole(ATTACH_PARENT_PROCESS)) {
        std::FILE* f = nullptr;
        freopen_s(&f, "CONOUT$", "w", stdout);
        freopen_s(&f, "CONOUT$", "w", stderr);
    }
#endif
}

void primaDellApplicazione()
{
    scalaValida("misure-di-massa");
    if (!qEnvironmentVariableIsSet(SenzaDecorazioni)) {
        qputenv(SenzaDecorazioni, "1");
        s_decorazioniTolte = true;
        // Qt still lets a compositor that decorates windows draw their title bars.
        s_compositoreDecora = compositoreDecora();
    }
}

QProcessEnvironment ambienteCompagni()
{
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    if (s_decorazioniTolte)
        ambiente.remove(QString::fromLatin1(SenzaDecorazioni));
    return ambiente;
}

namespace {
Schermo misura(int argc, char* argv[])
{
    // A copy of the arguments: an application takes out those meant for Qt, which the real
    // one must find too.
    std::vector<char*> argomenti(argv, argv + argc);
    argomenti.push_back(nullptr);
    int n = argc;
    QGuiApplication sonda(n, argomenti.data());
    Schermo s;
    const QScreen* schermo = QGuiApplication::primaryScreen();
    if (!schermo)
        return s;
    s.scala = schermo->devicePixelRatio();
    const QRect area = schermo->availableGeometry();
    s.areaLibera = QRect(area.topLeft() * s.scala, area.size() * s.scala);
    s.titoloSenzaMisura = QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
#if MASSA_X11
    s.cornice = corniceX11().value_or(QMargins());
#endif
    return s;
}
} // namespace

Schermo misuraSchermo(int argc, char* argv[])
{
    // An application takes from the environment what the launcher told of this start (so the
    // launcher's busy cursor ends as the first window shows): left there for the real one.
    const char* const avvio[] = {"DESKTOP_STARTUP_ID", "XDG_ACTIVATION_TOKEN"};
    QByteArray valori[2] = {qgetenv(avvio[0]), qgetenv(avvio[1])};
    const Schermo s = misura(argc, argv);
    for (int i = 0; i < 2; ++i) {
        if (!valori[i].isEmpty())
            qputenv(avvio[i], valori[i]);
    }
    return s;
}

void leggiConfigurazioneCaratteri()
{
#if MASSA_FONTCONFIG
    FcInit();
#endif
}

} // namespace piattaforma
