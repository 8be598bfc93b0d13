// SPDX-License-Identifier: GPL-3.0-or-later
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
class ServiziDiProva final : public Servizi {
public:
    struct Messaggio {
        QString testo;
        int stile;
        QString titolo;
    };

    // Random values handed out in order; when they run out, `diRiserva` is returned.
    std::deque<float> casuali;
    float diRiserva = 0.0f;
    int casualiPresi = 0;
    std::vector<double> semi;

    double orologio = 36000.0; // seconds since midnight
    QTemporaryDir cartellaTemporanea;
    QString cartella = cartellaTemporanea.path();
    QStringList avviabili; // names that start; any other fails
    QStringList avviati;   // every attempt, in order
    std::vector<Messaggio> messaggi;
    QStringList suoni;         // files handed to the sound library, in order
    bool suoniRiescono = true; // false: the library reports each one as not played
    int bipSuonati = 0;

    ServiziDiProva()
    {
        QFile trillo(cartella + QStringLiteral("/positivo.wav"));
        if (trillo.open(QIODevice::WriteOnly))
            trillo.write(QByteArray(4096, '\0'));
    }

    // Delivers the library's reports of sounds it could not play, as the event loop would.
    void consegnaFallimenti()
    {
        auto rapporti = std::move(m_fallimenti);
        m_fallimenti.clear();
        for (auto& rapporto : rapporti)
            rapporto();
    }

    void inizializzaCasuali(double seme) override { semi.push_back(seme); }
    float valoreCasuale() override
    {
        ++casualiPresi;
        if (casuali.empty())
            return diRiserva;
        const float r = casuali.front();
        casuali.pop_front();
        return r;
    }
    double ora() override { return orologio; }
    bool eseguiProgramma(const QString& nome, StileFinestra) override
    {
        avviati << nome;
        return avviabili.contains(nome);
    }
    void messaggio(const QString& testo, StileMessaggio stile, const QString& titolo) override
    {
        messaggi.push_back({testo, static_cast<int>(stile), titolo});
    }
    QString cartellaProgramma() override { return cartella; }
    void avviaSuono(const QString& percorso, std::function<void()> fallito) override
    {
        suoni << percorso;
        if (!suoniRiescono)
            m_fallimenti.push_back(std::move(fallito));
    }
    void bip() override { ++bipSuonati; }

private:
    std::vector<std::function<void()>> m_fallimenti;
};

// Installs itself for the lifetime of a test and puts the real services back after.
class ConServiziDiProva {
public:
    ConServiziDiProva() { installaServizi(&s); }
    ~ConServiziDiProva() { installaServizi(nullptr); }
    ServiziDiProva s;
};
