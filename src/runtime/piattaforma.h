// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMargins>
#include <QProcessEnvironment>
#include <QRect>
#include <functional>

class QColor;
class QWidget;
class QWindow;

// Everything that differs from one desktop to another, in one place: how the background is
// filled and kept out of task bars, which windows stay in front of it, the frame a window
// manager puts around a window, a window destroyed from outside, who draws title bars,
// reading the font configuration. One implementation speaks X11 itself; the other leaves it
// all to Qt (Wayland, other systems, or a build without X11). Chosen by the platform that
// the application runs on.
namespace piattaforma {

class Desktop {
public:
    virtual ~Desktop() = default;

    // The full-screen background, before it is first shown: filled with its colour, out of
    // task bars and pagers where the desktop allows. True when the window system fills it by
    // itself, so the program never paints it.
    virtual bool preparaSfondo(QWindow* sfondo, const QColor& colore) = 0;
    // A screen about to be shown that stays in front of the background where the window
    // system does not keep it there by itself.
    virtual void davantiAlloSfondo(QWindow* finestra) = 0;

    // The frame the window manager puts around a titled window of ours (none around a
    // frameless one), known before the window is mapped; empty where it cannot be known.
    virtual QMargins cornice(QWidget* finestra) = 0;
    // Asks ahead of time for that frame, so the first titled window finds the answer.
    virtual void chiediCornice() = 0;
    // Where the window manager had not yet told the frame when `finestra` was placed (it is
    // slow on a loaded machine), runs `rifai` once, on the GUI thread, when it does.
    virtual void allaCornice(QWidget* finestra, std::function<void()> rifai) = 0;

    // Runs `perduta` once, on the GUI thread, when the window system destroys the window
    // outright (as `xdotool windowclose` does); with `Perdita::DistruttaORitirata`, also when
    // the window, shown, is unmapped from outside (as some desktops' "hide" or a stray tool
    // does), for a window that must stay. Nowhere but on X11 can that happen.
    enum class Perdita { Distrutta, DistruttaORitirata };
    virtual void sorvegliaDistruzione(QWindow* finestra, std::function<void()> perduta,
                                      Perdita quale = Perdita::Distrutta) = 0;

    // Whether the program draws the title bars of its own windows (StrisciaTitolo): on
    // Wayland, where Qt's own would load a whole OpenGL stack just to be drawn.
    virtual bool titoliPropri() const = 0;

protected:
    QWindow* sfondo() const { return m_sfondo; }
    QWindow* m_sfondo = nullptr;
};

// The desktop the application runs on: call once the application exists.
Desktop& desktop();

// Before the application is made: what the platform plug-ins read from the environment.
void primaDellApplicazione();
// Before any application of the program is made: a QT_SCALE_FACTOR that is not a finite
// positive number would give windows of a few pixels, or none; 1 instead, with a line saying
// so. `programma` names who says it.
void scalaValida(const char* programma);
// Before writing to standard output or error from the command line: on Windows a window
// program has none of its own until it joins the console it was started from.
void versoIlTerminale();
// The environment a companion program starts with: the drill's own, less what it set for
// itself alone.
QProcessEnvironment ambienteCompagni();

// The screen as the program's windows will find it, measured before the application is made
// by a passing application of its own: for what has to be chosen before, as the scale.
struct Schermo {
    QRect areaLibera; // the screen's free area, in device pixels
    QMargins cornice; // the frame around a titled window, in device pixels
    qreal scala = 1;  // the scale in force: device pixels per pixel of the program
    // A title bar goes above the window that nobody measures before (Wayland: the program's
    // own or the compositor's).
    bool titoloSenzaMisura = false;
};
Schermo misuraSchermo(int argc, char* argv[]);

// Reads the font configuration of the system, so that the first font asked for finds it
// ready; safe on any thread. Without fontconfig, Qt's font database reads it when first used.
void leggiConfigurazioneCaratteri();

} // namespace piattaforma
