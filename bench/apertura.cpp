// SPDX-License-Identifier: GPL-3.0-or-later
// Times the opening of an exercise inside the real program: from the direction click on
// the start screen until the exercise screen is shown and its answer label painted.
// With --bare it times a plain 794x556 window shown over a plain window the same way.
// Prints one line per opening: "first <ms> [click <ms>]" for the first, "again <ms>" after.
// usage: bench-apertura [--bare] [openings]
#include "exercise/frm_equivmul.h"
#include "runtime/servizi_reali.h"
#include "start/frm_inizio.h"
#include "start/programma.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QStyleFactory>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

// Under valgrind --tool=callgrind the first opening is counted alone, in instructions.
#if __has_include(<valgrind/callgrind.h>)
#include <valgrind/callgrind.h>
#else
#define CALLGRIND_ZERO_STATS
#define CALLGRIND_DUMP_STATS_AT(x)
#endif

namespace {

// Notes the first paint of one widget: a window is on screen once its contents are drawn.
class Dipinto : public QObject {
public:
    QObject* bersaglio = nullptr;
    bool visto = false;

protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::Paint && o == bersaglio)
            visto = true;
        return false;
    }
};

// Runs the event loop until the watched widget has been painted, or 5 s have gone.
bool attendiPittura(Dipinto& d)
{
    QElapsedTimer limite;
    limite.start();
    while (!d.visto && limite.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 50);
    return d.visto;
}

// Lets the screens settle for 300 ms, sleeping in the event loop rather than spinning.
void stabilizza()
{
    QEventLoop attesa;
    QTimer::singleShot(300, &attesa, &QEventLoop::quit);
    attesa.exec();
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setQuitOnLastWindowClosed(false);
    const bool nudo = argc > 1 && std::strcmp(argv[1], "--bare") == 0;
    const int volte = argc > 1 + int(nudo) ? std::max(1, std::atoi(argv[1 + int(nudo)])) : 1;

    Dipinto dipinto;
    app.installEventFilter(&dipinto);
    ServiziReali real;
    installaServizi(&real);
    // Once the start screen has been unloaded, the loop is left alone.
    FrmInizio::impostaFine([] {});

    std::unique_ptr<QWidget> base;
    if (nudo) {
        base = std::make_unique<QWidget>();
        base->resize(794, 556);
        dipinto.bersaglio = base.get();
        base->show();
    } else {
        apriProgramma();
        dipinto.bersaglio = FrmInizio::caricato();
    }
    if (!attendiPittura(dipinto)) {
        std::fprintf(stderr, "the first screen was never painted\n");
        return 1;
    }
    stabilizza();

    for (int i = 0; i < volte; ++i) {
        dipinto.visto = false;
        QElapsedTimer t;
        std::unique_ptr<QWidget> finestra;
        qint64 clic = 0;
        if (i == 0)
            CALLGRIND_ZERO_STATS;
        t.start();
        if (nudo) {
            finestra = std::make_unique<QWidget>();
            finestra->resize(794, 556);
            dipinto.bersaglio = finestra.get();
            finestra->show();
        } else {
            // The answer label is created by the click itself; watch it as soon as it exists.
            dipinto.bersaglio = nullptr;
            FrmInizio::caricato()->Command1_Click();
            clic = t.nsecsElapsed();
            FrmEquivMul* e = FrmEquivMul::caricato();
            if (!e) {
                std::fprintf(stderr, "the direction click opened no exercise\n");
                return 1;
            }
            dipinto.bersaglio = e->findChild<QWidget*>(QStringLiteral("LblRisultato"));
        }
        if (!attendiPittura(dipinto)) {
            std::fprintf(stderr, "the exercise screen was never painted\n");
            return 1;
        }
        const double ms = static_cast<double>(t.nsecsElapsed()) / 1e6;
        if (i == 0)
            CALLGRIND_DUMP_STATS_AT("apertura");
        if (i == 0 && !nudo)
            std::printf("first %.3f click %.3f\n", ms, static_cast<double>(clic) / 1e6);
        else
            std::printf("%s %.3f\n", i == 0 ? "first" : "again", ms);
        std::fflush(stdout);

        // Back to the start screen, as the close box does, before the next opening.
        if (nudo)
            finestra.reset();
        else
            FrmEquivMul::caricato()->scarica();
        stabilizza();
    }

    if (!nudo)
        FrmInizio::caricato()->Command9_Click();
    base.reset();
    QCoreApplication::processEvents();
    installaServizi(nullptr);
    return 0;
}
