#pragma once

#include "answer/tastiera.h"
#include "screens/kit.h"

#include <QWidget>
#include <functional>

class QAction;
class QMenuBar;

// The exercise screen. It is created, and loaded, by its first access through
// istanza(), and destroyed when the learner leaves it: each opening starts afresh.
// Its member functions are spread over the subsystems that own them: the question
// cycle here in exercise/, the answer handlers in answer/, the layout in screens/.
class FrmEquivMul : public ui::Finestra {
    Q_OBJECT
public:
    // The loaded screen, loading it first when it is not.
    static FrmEquivMul* istanza();
    // The loaded screen, or nullptr.
    static FrmEquivMul* caricato();
    // What every closing path does before the screen goes: bring back the start screen.
    static void impostaRitorno(std::function<void()> mostraInizio);

    // Closing paths: all three bring back the start screen, then unload this screen.
    // Unloading a screen that is already being unloaded does nothing.
    void scarica();
    void MnuEsci_Click() { scarica(); }

    void CmdOperazione_Click();
    void CmdVerifica_Click();
    void Cmdsi_Click();
    void Cmdno_Click();
    void mnuQuadro_Click();
    void cmdCancella_Click();
    void Command15_Click();

    // ---- Controls, named as designed ----
    ui::Label *Label2, *Label1, *LblEsito, *LblIstruzione, *Label7;
    ui::Frame *fraNumero, *fraSimbolo, *Frame1, *FraSimboli, *fraTastierino, *frmAiuto;
    // Number question.
    ui::Label *lblHelp, *LblRisultato, *LabelUguale, *Label11, *Label4;
    // Symbol question.
    ui::Label *lblHelpS, *Label4S, *lblRisultatoS, *LabelUgualeS, *label11S;
    // Statistics and main buttons.
    ui::Frame* frmElaborazione;
    ui::Button *CmdOperazione, *CmdVerifica, *cmdSfondo;
    ui::Label *Label5, *Label3, *LblOperazione, *lblRisEsatte, *lblRisErrate, *LblTempoParziale, *lblTempoTotale;
    ui::Line *Line3, *Line1, *Line2, *Line4;
    // Help offer.
    ui::Button *Cmdsi, *Cmdno;
    ui::Label* LblAiuto;
    // Unit symbols.
    ui::Button *Command26, *Command25, *Command24, *Command23, *Command22, *Command21, *Command20, *Command15;
    // Keypad.
    ui::Button *Command2, *Command3, *Command4, *Command16, *Command5, *Command6, *Command7, *Command17,
        *Command8, *Command9, *Command10, *Command18, *Command13, *Command11, *Command12, *Command19,
        *Command1, *cmdCancella;
    // Menu bar.
    QAction *MnuEsci, *vuoto, *mnuQuadro;

    // Every button of the screen, in designed order (the colour schemes paint them all).
    QList<ui::Button*> pulsanti() const;

protected:
    void closeEvent(QCloseEvent* e) override;
    // Physical keys press the on-screen controls.
    void keyPressEvent(QKeyEvent* e) override;

private:
    FrmEquivMul();
    ~FrmEquivMul() override;

    void creaControlli();        // the designed layout
    void collegaEventi();
    void Form_Load();
    void NuovaOperazione();
    void visualizza();
    void DomandaNumeroMinore();
    void DomandaNumeroMaggiore();
    void DomandaSimboloMinore();
    void DomandaSimboloMaggiore();
    void ProssimaOperazione();
    void OffriAiuto();

    // Entry.
    void tasto(const QString& testoTasto);
    void simbolo(int posizione);
    void cambioRisultato(const ui::Label* etichetta);

    // The controls that physical keys press.
    void premi(const Richiesta& r);

    MappaTasti m_tasti;
    bool m_scaricando = false;
};
