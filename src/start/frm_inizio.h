// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "screens/layout_inizio.h"

#include <QWidget>
#include <functional>

class QAction;
class QMenuBar;

// The start screen: the choice of question kind and direction, the menu of companion
// programs, and every way out of the program. Loaded on first access, it stays loaded
// (shown or hidden) until the program ends.
class FrmInizio : public ui::Finestra {
    Q_OBJECT
public:
    static FrmInizio* istanza();
    static FrmInizio* caricato();

    // Shows the start screen in front (loading it first if needed).
    static void mostra();
    // What the program does once its last screen is gone; the program's main loop by default.
    static void impostaFine(std::function<void()> fine);

    void Command1_Click() { sceltaDirezione(0); }
    void Command3_Click() { sceltaDirezione(1); }
    void Command5_Click() { sceltaDirezione(2); }
    void Command9_Click() { chiudi(); }
    void MnuEsci_Click() { chiudi(); }
    void mnuInfo_Click();
    void mnuAvvertenza_Click();

protected:
    void closeEvent(QCloseEvent* e) override;
    // Return and Enter press the button that has the focus.
    void keyPressEvent(QKeyEvent* e) override;

private:
    FrmInizio();
    ~FrmInizio() override;

    void Form_Load();
    // A direction button: the direction first, then the exercise opens.
    void sceltaDirezione(int i);
    void ApriEsercitazione();
    void Form_Deactivate();
    // Every closing path: unload the start screen, then the background.
    void chiudi();

    ui::ControlliInizio m_ui;
    bool m_scaricando = false;
};
