// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The whole program, opened as a learner meets it (the background, then the start screen),
// on scripted services and question 345 kg = ? dag; closed, screens deleted, at the end.
#include "esercizio_prova.h"
#include "start/frm_inizio.h"
#include "start/programma.h"

namespace prova {

class ConProgramma {
public:
    ConProgramma()
    {
        m_servizi.s.casuali = domanda345();
        stato() = StatoProgramma{};
        FrmInizio::impostaFine([] {});
        apriProgramma();
    }
    ~ConProgramma()
    {
        chiudi();
        if (FrmInizio* f = FrmInizio::caricato())
            f->Command9_Click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

private:
    ConServiziDiProva m_servizi;
};

} // namespace prova
