// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QObject>

class QIODevice;
#include <QString>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

// Plays sound files through libcanberra, the desktop's event-sound library, which goes to
// PulseAudio, PipeWire or ALSA. Nothing of it is loaded before the first sound; from then on
// a thread of the player's own does all of libcanberra's work, so neither loading it nor
// reaching the sound server holds up the window. On Windows the multimedia library plays it
// (PlaySoundW). In a build with neither, every sound is reported as not played, and the
// desktop's beep stands in.
class LettoreSuono {
public:
    // `libreria` is the library file opened; tests name one that does not exist.
    explicit LettoreSuono(QByteArray libreria = QByteArrayLiteral("libcanberra.so.0"));
    // A sound still playing plays to its end; nothing is reported of it.
    ~LettoreSuono();
    LettoreSuono(const LettoreSuono&) = delete;
    LettoreSuono& operator=(const LettoreSuono&) = delete;

    // Queues the file and returns at once. When libcanberra cannot play it (no library, no
    // sound device, not a sound) `fallito` runs once, later, on the thread that made the player.
    void suona(const QString& percorso, std::function<void()> fallito);

    // What libcanberra's finishing report means for the listener: true when it did not play
    // and was not stopped on purpose either.
    static bool nonSuonato(int errore);

    // Whether libcanberra reads the file as a sound: a RIFF WAVE file of 8- or 16-bit PCM.
    // libcanberra keeps the file open for good when it cannot read it, one descriptor per
    // try, so nothing else is handed to it.
    static bool leggibile(QIODevice& file);

    // Reached from libcanberra's threads.
    void segnalaFallimento(std::function<void()> fallito);

    // The way from libcanberra's reports to the player, cut when the player goes.
    struct Ponte {
        std::mutex mutex;
        LettoreSuono* lettore = nullptr;
    };

private:
    struct Richiesta {
        QByteArray percorso;
        std::function<void()> fallito;
    };
    void lavora();

    const QByteArray m_libreria;
    const QByteArray m_nome;
    const QByteArray m_id;
    QObject m_destinatario; // on the creating thread: failures are delivered through it
    std::mutex m_mutex;
    std::condition_variable m_sveglia;
    std::deque<Richiesta> m_coda;
    bool m_fine = false;
    std::thread m_filo;
    std::shared_ptr<Ponte> m_ponte;
};
