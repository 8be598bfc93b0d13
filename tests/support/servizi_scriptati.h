#pragma once

#include "runtime/servizi.h"

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <deque>
#include <functional>
#include <vector>

// Services a test drives by hand: it lines up random values, sets the clock, and reads
// back which programs were started, which sounds were asked for, how often it beeped and
// which message boxes showed. Message boxes return at once. The program folder is a real,
// temporary one holding a short positivo.wav.
class ScriptedServices final : public Services {
public:
    struct Box {
        QString prompt;
        int style;
        QString title;
    };

    // Random values handed out in order; when they run out, `fallback` is returned.
    std::deque<float> random;
    float fallback = 0.0f;
    int randomTaken = 0;
    std::vector<double> seeds;

    double clock = 36000.0;          // seconds since midnight
    QTemporaryDir programDir;
    QString folder = programDir.path();
    QStringList startable;           // names that start; any other fails
    QStringList started;             // every attempt, in order
    std::vector<Box> boxes;
    QStringList sounds;              // files handed to the sound library, in order
    bool soundsPlay = true;          // false: the library reports each one as not played
    int beeps = 0;

    ScriptedServices()
    {
        QFile chime(folder + QStringLiteral("/positivo.wav"));
        if (chime.open(QIODevice::WriteOnly))
            chime.write(QByteArray(4096, '\0'));
    }

    // Delivers the library's reports of sounds it could not play, as the event loop would.
    void reportSoundFailures()
    {
        auto reports = std::move(m_soundFailures);
        m_soundFailures.clear();
        for (auto& report : reports)
            report();
    }

    void randomize(double seed) override { seeds.push_back(seed); }
    float rnd() override
    {
        ++randomTaken;
        if (random.empty())
            return fallback;
        const float r = random.front();
        random.pop_front();
        return r;
    }
    double timer() override { return clock; }
    bool startProgram(const QString& fileName, int) override
    {
        started << fileName;
        return startable.contains(fileName);
    }
    void messageBox(const QString& prompt, int style, const QString& title) override
    {
        boxes.push_back({prompt, style, title});
    }
    QString programFolder() override { return folder; }
    void startSound(const QString& path, std::function<void()> failed) override
    {
        sounds << path;
        if (!soundsPlay)
            m_soundFailures.push_back(std::move(failed));
    }
    void beep() override { ++beeps; }

private:
    std::vector<std::function<void()>> m_soundFailures;
};

// Installs itself for the lifetime of a test and puts the real services back after.
class ScriptedScope {
public:
    ScriptedScope() { installServices(&s); }
    ~ScriptedScope() { installServices(nullptr); }
    ScriptedServices s;
};
