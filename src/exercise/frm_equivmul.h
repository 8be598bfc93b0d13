// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "answer/aiuto.h"
#include "answer/ingresso.h"
#include "answer/verifica.h"
#include "exercise/ciclo.h"
#include "screens/layout_equivmul.h"

#include <functional>

// The exercise screen. It is created, and loaded, by its first access through
// istanza(), and destroyed when the learner leaves it: each opening starts afresh.
// It owns its controls and the parts that act on them: the question cycle, the entry,
// the help offer and the check.
class FrmEquivMul : public ui::Finestra {
    Q_OBJECT
public:
    // The loaded screen, loading it first when it is not.
    static FrmEquivMul* istanza();
    // The loaded screen, or nullptr.
    static FrmEquivMul* caricato();
    // What every closing path does before the screen goes: bring back the start screen,
    // which says the farewell it is given (the score).
    static void impostaRitorno(std::function<void(const QString& congedo)> mostraInizio);

    // Closing paths: all three bring back the start screen, then unload this screen.
    // Unloading a screen that is already being unloaded does nothing.
    void scarica();
    void MnuEsci_Click() { scarica(); }

    // What the start screen gives an opening exercise: the colours of its kind, and the
    // kind's text in the banner.
    void colora(const ui::SchemaColori& schema);
    void scriviTipo(const QString& testo);

    // Readies what the first opening needs, while the program waits for the learner's first
    // choice: the screen's fonts, and the frame the window manager will give it.
    static void prepara();

protected:
    void closeEvent(QCloseEvent* e) override;
    // Physical keys press the on-screen controls.
    void keyPressEvent(QKeyEvent* e) override;

private:
    FrmEquivMul();
    ~FrmEquivMul() override;

    ui::ControlliEquivMul m_ui;
    CicloDomande m_ciclo;
    Ingresso m_ingresso;
    Aiuto m_aiuto;
    Verifica m_verifica;
    bool m_scaricando = false;
};
