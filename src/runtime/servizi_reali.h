// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runtime/servizi.h"

#include <QStringList>
#include <memory>
#include <random>

class LettoreSuono;

// The services of the running program: the clock, a seeded generator, QProcess,
// QMessageBox, and libcanberra, loaded on the first sound.
class ServiziReali final : public Servizi {
public:
    ServiziReali();
    ~ServiziReali() override;

    void inizializzaCasuali(double seme) override;
    float valoreCasuale() override;
    double ora() override;
    bool eseguiProgramma(const QString& nome, StileFinestra stile) override;
    void messaggio(const QString& testo, StileMessaggio stile, const QString& titolo) override;
    QString cartellaProgramma() override;
    void avviaSuono(const QString& percorso, std::function<void()> fallito) override;
    void bip() override;

    // Where eseguiProgramma looks for a bare name, in order: the program folder, then
    // each absolute PATH entry. Relative and empty entries (the current directory) never.
    static QStringList cartelleDiRicerca(const QString& cartella, const QString& variabilePath);
    // The first executable file named `nome` in `cartelle`, or an empty text.
    static QString trovaEseguibile(const QString& nome, const QStringList& cartelle);

private:
    std::mt19937 m_generatore;
    std::unique_ptr<LettoreSuono> m_lettore;
};
