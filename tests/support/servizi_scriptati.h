#pragma once

#include "runtime/servizi.h"

#include <QStringList>
#include <deque>
#include <vector>

// Services a test drives by hand: it lines up random values, sets the clock, and reads
// back which programs were started, which sounds played and which message boxes showed.
// Message boxes return at once.
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
    QString folder = QStringLiteral("/opt/massa");
    QStringList startable;           // names that start; any other fails
    QStringList started;             // every attempt, in order
    std::vector<Box> boxes;
    QStringList sounds;

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
    void playSound(const QString& path) override { sounds << path; }
};

// Installs itself for the lifetime of a test and puts the real services back after.
class ScriptedScope {
public:
    ScriptedScope() { installServices(&s); }
    ~ScriptedScope() { installServices(nullptr); }
    ScriptedServices s;
};
