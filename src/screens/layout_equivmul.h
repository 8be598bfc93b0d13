// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/accessibilita.h"
#include "kit/barra_menu.h"
#include "kit/caratteri.h"
#include "kit/controlli.h"
#include "kit/finestra.h"

#include <array>

class QAction;

namespace ui {

// The colours of one question kind on the exercise screen.
struct SchemaColori {
    QColor sfondo;   // the screen and its frames
    QColor aiuto;    // LblAiuto
    QColor pulsanti; // every button and frmElaborazione
    // Which of the keypad and symbol-button frames take the screen colour; the other keeps
    // its own.
    enum class Cornici { Tastierino, Simboli, Entrambe } colorate;
};

// The controls of the exercise screen, named as designed. crea() builds them in their
// designed places in a window; the screen owns them and no one else touches them.
// The exercise screen's window: a single fixed frame with a title bar, not resizable.
inline constexpr Qt::WindowFlags FinestraEquivMul = Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                                    Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                                                    Qt::MSWindowsFixedSizeDialogHint;

// Its client area, in twips.
inline constexpr int LarghezzaEquivMul = 11910, AltezzaEquivMul = 8340;

struct ControlliEquivMul {
    static ControlliEquivMul crea(Finestra* finestra);
    // Loads the screen's fonts and draws the characters it shows once, off screen, so that
    // an opening finds them ready.
    static void preparaCaratteri();

    Etichetta *Label2, *Label1, *LblEsito, *LblIstruzione, *Label7;
    Cornice *fraNumero, *fraSimbolo, *Frame1, *FraSimboli, *fraTastierino, *frmAiuto;
    // Number question.
    Etichetta *lblHelp, *LblRisultato, *LabelUguale, *Label11, *Label4;
    // Symbol question.
    Etichetta *lblHelpS, *Label4S, *lblRisultatoS, *LabelUgualeS, *label11S;
    // Statistics and main buttons.
    Cornice* frmElaborazione;
    Pulsante *CmdOperazione, *CmdVerifica, *cmdSfondo;
    Etichetta *Label5, *Label3, *LblOperazione, *lblRisEsatte, *lblRisErrate, *LblTempoParziale, *lblTempoTotale;
    Linea *Line3, *Line1, *Line2, *Line4;
    // Help offer.
    Pulsante *Cmdsi, *Cmdno;
    Etichetta* LblAiuto;
    // Unit symbols.
    Pulsante *Command26, *Command25, *Command24, *Command23, *Command22, *Command21, *Command20, *Command15;
    // Keypad.
    Pulsante *Command2, *Command3, *Command4, *Command16, *Command5, *Command6, *Command7, *Command17, *Command8,
        *Command9, *Command10, *Command18, *Command13, *Command11, *Command12, *Command19, *Command1, *cmdCancella;
    // Menu bar.
    QAction *MnuEsci, *vuoto, *mnuQuadro;
    // What the screen says to a screen reader.
    Avviso* avviso;

    // Every button of the screen, in designed order.
    QList<Pulsante*> pulsanti() const;
    // The keypad's digit keys, "0" to "9".
    std::array<Pulsante*, 10> cifre() const;
    // The unit-symbol buttons, " kg" to " mg".
    std::array<Pulsante*, 7> simboli() const;
    // The five comma keys.
    std::array<Pulsante*, 5> virgole() const;

private:
    void costruisci(Finestra* finestra);
};

} // namespace ui
