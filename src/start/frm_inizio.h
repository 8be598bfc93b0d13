#pragma once

#include "screens/kit.h"

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

    void Command1_Click();
    void Command3_Click();
    void Command5_Click();
    void Command9_Click() { chiudi(); }
    void MnuEsci_Click() { chiudi(); }
    void mnuInfo_Click();
    void mnuAvvertenza_Click();

    // ---- Controls, named as designed ----
    ui::Frame* frmTitolo;
    ui::Label *Label4, *Label2, *Label6, *Label5, *Label3;
    ui::RoundedBox *Shape2, *Shape1;
    ui::DropDown* Combo1;
    ui::Frame* Frame1;
    ui::Button *Command1, *Command3, *Command5, *Command9;
    QWidget *Image1_0, *Image1_7;
    QAction *MnuEsci, *mnuVuoto, *mnuInfo, *vuoto1, *mnuAvvertenza;

protected:
    void closeEvent(QCloseEvent* e) override;
    // Return and Enter press the button that has the focus.
    void keyPressEvent(QKeyEvent* e) override;

private:
    FrmInizio();
    ~FrmInizio() override;

    void creaControlli();
    void Form_Load();
    void ApriEsercitazione();
    void Form_Deactivate();
    void avvia(const QString& programma);
    // Every closing path: unload the start screen, then the background.
    void chiudi();

    bool m_scaricando = false;
};
