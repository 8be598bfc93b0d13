// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>

// Message-box styles that the drill uses, with the values the design gives them.
enum class StileMessaggio { SoloOk = 0, Informazione = 64 };
// The only window style the drill starts a program with: a normal window that takes the focus.
enum class StileFinestra { Normale = 1 };

// The few platform services the drill leans on. Logic reaches them only through
// servizi(), so a test can install a scripted implementation and pose any question.
class Servizi {
public:
    virtual ~Servizi() = default;

    // Restarts the random sequence from a seed (the drill uses the time of day).
    virtual void inizializzaCasuali(double seme) = 0;
    // Next random value, 0 <= r < 1.
    virtual float valoreCasuale() = 0;
    // Seconds since local midnight, with a fraction.
    virtual double ora() = 0;
    // Starts a program by bare file name: first in the program folder, then on PATH,
    // never in the current directory. Returns false when it cannot be started.
    virtual bool eseguiProgramma(const QString& nome, StileFinestra stile) = 0;
    // Modal; returns when closed. An empty title stands for the application's title.
    virtual void messaggio(const QString& testo, StileMessaggio stile, const QString& titolo = QString()) = 0;
    // Folder of the running executable, without a trailing separator (but "/" itself).
    virtual QString cartellaProgramma() = 0;
    // Hands a sound file to the desktop's sound library and returns at once. When the
    // library cannot play it, `fallito` runs once, later, on the GUI thread.
    virtual void avviaSuono(const QString& percorso, std::function<void()> fallito) = 0;
    // The desktop's beep.
    virtual void bip() = 0;

    // Plays a sound file without waiting for it; when it cannot be played, the desktop's
    // beep stands in. Nothing is ever shown.
    void suona(const QString& percorso);
    // A chime lasts a fraction of a second: a file this large, or larger, is no chime, and
    // is neither read nor handed to the sound server.
    static constexpr qint64 SuonoMassimo = qint64{10} * 1024 * 1024;
};

// The installed services; the real ones unless a test installed others.
Servizi& servizi();
// Installs other services (not owned); nullptr brings back the real ones.
void installaServizi(Servizi* s);

// The application's title, shown on message boxes that have none of their own.
QString titoloApplicazione();

// Starts a companion program by its bare name; when it cannot be started, says
// "File mancante" in a box with the application's title and nothing else.
void avviaCompagno(const QString& nome);
