#include "start/schemi.h"

#include "exercise/frm_equivmul.h"
#include "exercise/stato.h"

#include <QString>

namespace {

struct Schema {
    QColor sfondo;       // the screen and its frames
    QColor aiuto;        // LblAiuto
    QColor pulsanti;     // every button and frmElaborazione
    bool tastierino;     // whether the keypad frame takes the screen colour
    bool simboli;        // whether the symbol frame takes it
};

QColor daNumero(long v) { return QColor(int(v & 0xFF), int((v >> 8) & 0xFF), int((v >> 16) & 0xFF)); }
long aNumero(const QColor& c) { return c.red() + 256L * c.green() + 65536L * c.blue(); }

void ColoraPulsanti()
{
    FrmEquivMul* f = FrmEquivMul::istanza();
    const QColor colore = daNumero(stato().ColorePulsanti.toLong());
    f->frmElaborazione->setBackground(colore);
    for (ui::Button* b : f->pulsanti())
        b->setBackground(colore);
    f->LblRisultato->setForeground(QColor(150, 100, 100));
}

void applica(const Schema& s)
{
    // This first access loads the exercise screen, and poses question 1, before any colour.
    FrmEquivMul* f = FrmEquivMul::istanza();
    f->superficie()->setBackground(s.sfondo);
    f->Frame1->setBackground(s.sfondo);
    f->frmAiuto->setBackground(s.sfondo);
    f->fraNumero->setBackground(s.sfondo);
    f->fraSimbolo->setBackground(s.sfondo);
    if (s.tastierino)
        f->fraTastierino->setBackground(s.sfondo);
    if (s.simboli)
        f->FraSimboli->setBackground(s.sfondo);
    f->LblAiuto->setBackground(s.aiuto);
    stato().ColorePulsanti = QString::number(aNumero(s.pulsanti));
    ColoraPulsanti();
}

} // namespace

void propriet1() { applica({QColor(250, 250, 200), QColor(250, 250, 150), QColor(240, 220, 150), true, false}); }
void propriet2() { applica({QColor(200, 255, 255), QColor(200, 255, 205), QColor(200, 200, 255), false, true}); }
void propriet3() { applica({QColor(255, 215, 220), QColor(255, 215, 170), QColor(240, 180, 220), true, true}); }
