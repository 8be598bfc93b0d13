#pragma once

#include "runtime/servizi.h"

#include <QStringList>
#include <memory>
#include <random>

class LettoreSuono;

// The services of the running program: the clock, a seeded generator, QProcess,
// QMessageBox, and libcanberra, loaded on the first sound.
class RealServices final : public Services {
public:
    RealServices();
    ~RealServices() override;

    void randomize(double seed) override;
    float rnd() override;
    double timer() override;
    bool startProgram(const QString& fileName, int windowStyle) override;
    void messageBox(const QString& prompt, int style, const QString& title) override;
    QString programFolder() override;
    void startSound(const QString& path, std::function<void()> failed) override;
    void beep() override;

    // Where startProgram looks for a bare name, in order: the program folder, then
    // each absolute PATH entry. Relative and empty entries (the current directory) never.
    static QStringList searchFolders(const QString& programFolder, const QString& pathVariable);
    // The first executable file named fileName in folders, or an empty text.
    static QString locate(const QString& fileName, const QStringList& folders);

private:
    std::mt19937 m_generator;
    std::unique_ptr<LettoreSuono> m_lettore;
};
