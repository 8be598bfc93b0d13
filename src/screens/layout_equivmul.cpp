// SPDX-License-Identifier: GPL-3.0-or-later
// The designed layout of the exercise screen. Positions are in twips, Left, Top,
// Width, Height, inside each control's container, as designed. Within a container
// the controls are created in designed order and each is lowered on creation, so
// one listed earlier lies in front of one listed later.
#include "screens/layout_equivmul.h"

#include "screens/costruttori.h"

#include <QAction>
#include <QApplication>

namespace ui {

namespace {

const QString SansSerif = QStringLiteral("MS Sans Serif");

} // namespace

ControlliEquivMul ControlliEquivMul::crea(Finestra* finestra)
{
    ControlliEquivMul c{};
    c.costruisci(finestra);
    return c;
}

QList<Pulsante*> ControlliEquivMul::pulsanti() const
{
    return {CmdVerifica, CmdOperazione, cmdSfondo, Cmdsi,     Cmdno,     Command1,  Command2,    Command3,
            Command4,    Command5,      Command6,  Command7,  Command8,  Command9,  Command10,   Command11,
            Command12,   Command13,     Command16, Command17, Command18, Command19, cmdCancella, Command20,
            Command21,   Command22,     Command23, Command24, Command25, Command26, Command15};
}

std::array<Pulsante*, 10> ControlliEquivMul::cifre() const
{
    return {Command13, Command2, Command3, Command4, Command5, Command6, Command7, Command8, Command9, Command10};
}

std::array<Pulsante*, 7> ControlliEquivMul::simboli() const
{
    return {Command26, Command25, Command24, Command23, Command22, Command21, Command20};
}

std::array<Pulsante*, 5> ControlliEquivMul::virgole() const
{
    return {Command16, Command17, Command18, Command19, Command1};
}

void ControlliEquivMul::preparaCaratteri()
{
    // Each font of the screen with the characters that its controls can show.
    const auto ciascuno = [](const QFont& f, const QString& testi) {
        QString caratteri;
        for (const QChar c : testi) {
            if (!caratteri.contains(c))
                caratteri += c;
        }
        preparaCarattere(f, caratteri);
    };
    const QString cifre = QStringLiteral("0123456789");
    const QString quantita = cifre + QStringLiteral(",?= kghdacm");
    ciascuno(carattere(Arial, 30, Peso::Grassetto), quantita);
    ciascuno(carattere(Arial, 14.25, Peso::Grassetto), quantita + QStringLiteral("CancelSiNo"));
    ciascuno(carattere(Arial, 21.75, Peso::Grassetto),
             QStringLiteral(" Da unità maggiore a unità minore e viceversa Calcolo del "
                            "risultato simbolo casuale Ti aiuto ?"));
    ciascuno(carattere(Arial, 48, Peso::Grassetto), QStringLiteral("EsattoErrato"));
    ciascuno(carattere(Arial, 12, Peso::Grassetto), QStringLiteral("abcdefghijklmnopqrstuvwxyz CNPSVì."));
    ciascuno(carattere(Arial, 9.75, Peso::Grassetto), QStringLiteral("TASTIERINO SIMBOLI AIUTO"));
    ciascuno(carattere(Arial, 8.25, Peso::Grassetto), cifre);
    ciascuno(carattere(SansSerif, 8.25, Peso::Grassetto),
             QStringLiteral("Oper. Risp. Tempo Esatte Errate parziale totale"));
    ciascuno(carattere(SansSerif, 8.25), QStringLiteral("ELABORAZIONE"));
    ciascuno(carattere(SansSerif, 24, Peso::Grassetto), QStringLiteral("My help"));
    ciascuno(carattere(SansSerif, 18, Peso::Grassetto), QStringLiteral("My help"));
}

void ControlliEquivMul::costruisci(Finestra* finestra)
{
    const QColor grigio = QApplication::palette().color(QPalette::Disabled, QPalette::WindowText); // GrayText
    const QColor barraMenu = QApplication::palette().color(QPalette::Button);                      // MenuBar
    const QColor giallo = Crema;
    const QColor tasto = GialloTasto;
    const QColor blu = BluTitolo;

    finestra->vesti(LarghezzaEquivMul, AltezzaEquivMul);
    finestra->superficie()->impostaSfondo(grigio);
    MnuEsci = voceMenu(finestra->menuBar(), "MnuEsci", QStringLiteral("Esci"));
    vuoto = voceMenu(finestra->menuBar(), "vuoto", QString());
    mnuQuadro = voceMenu(finestra->menuBar(), "mnuQuadro", QStringLiteral("Il quadro"));
    QWidget* s = finestra->superficie();
    const QFont didascalie = carattere(Arial, 9.75, Peso::Grassetto);

    const QFont titolo = carattere(Arial, 21.75, Peso::Grassetto);
    Label2 = etichetta(s, "Label2", 0, 0, 11955, 555, QString(), titolo, rgb(128, 0, 0));
    Label2->impostaSfondo(Pesca);
    Label1 = etichetta(s, "Label1", 0, 555, 11955, 555, QString(), titolo, rgb(255, 0, 0));
    Label1->impostaSfondo(Pesca);
    fraNumero = cornice(s, "fraNumero", 15, 1500, 11475, 2295, QString(), didascalie, grigio);
    fraSimbolo = cornice(s, "fraSimbolo", 0, 1500, 11475, 2280, QString(), didascalie, rgb(255, 192, 255));
    LblEsito = etichetta(s, "LblEsito", 315, 3870, 4305, 960, QString(), carattere(Arial, 48, Peso::Grassetto), blu,
                         Centrata | Trasparente);
    Frame1 = cornice(s, "Frame1", 90, 4995, 4500, 2685, QString(), didascalie, grigio, Bordo::Nessuno);
    FraSimboli = cornice(s, "FraSimboli", 4635, 4530, 3315, 3150, QStringLiteral("SIMBOLI"), didascalie, giallo);
    fraTastierino = cornice(s, "fraTastierino", 4620, 4530, 3330, 3180, QStringLiteral("TASTIERINO"), didascalie,
                            giallo);
    frmAiuto = cornice(s, "frmAiuto", 8010, 5985, 3615, 1695, QStringLiteral("AIUTO"), didascalie, giallo);
    frmAiuto->hide();
    LblIstruzione = etichetta(s, "LblIstruzione", 75, 7905, 11430, 270, QString(),
                              carattere(Arial, 12, Peso::Grassetto), blu);
    LblIstruzione->impostaSfondo(rgb(192, 255, 255));
    Label7 = etichetta(s, "Label7", 105, 8235, 840, 255, QString(), carattere(Arial, 8.25, Peso::Grassetto),
                       rgb(192, 0, 0), Centrata | Trasparente);

    // Number question.
    const QFont grande = carattere(Arial, 30, Peso::Grassetto);
    lblHelp = etichetta(fraNumero, "lblHelp", 6450, 1305, 2940, 630, QString(),
                        carattere(SansSerif, 24, Peso::Grassetto), rgb(255, 0, 0), Centrata | Trasparente);
    LblRisultato = etichetta(fraNumero, "LblRisultato", 6450, 285, 3060, 990, QStringLiteral("?"), grande,
                             rgb(192, 64, 0), Centrata | Trasparente);
    LabelUguale = etichetta(fraNumero, "LabelUguale", 5775, 240, 630, 990, QStringLiteral("="), grande, blu,
                            Centrata | Trasparente);
    Label11 = etichetta(fraNumero, "Label11", 9960, 240, 1305, 990, QString(), grande, blu, Centrata | Trasparente);
    Label4 = etichetta(fraNumero, "Label4", 855, 240, 3825, 990, QString(), grande, blu, Centrata | Trasparente);

    // Symbol question.
    lblHelpS = etichetta(fraSimbolo, "lblHelpS", 9960, 1380, 1560, 675, QString(),
                         carattere(SansSerif, 18, Peso::Grassetto), rgb(255, 0, 0), Trasparente);
    Label4S = etichetta(fraSimbolo, "Label4S", 855, 240, 3825, 990, QString(), grande, blu, Centrata | Trasparente);
    lblRisultatoS = etichetta(fraSimbolo, "lblRisultatoS", 9660, 240, 1665, 990, QStringLiteral("?"), grande,
                              rgb(192, 64, 0), Centrata | Trasparente);
    LabelUgualeS = etichetta(fraSimbolo, "LabelUgualeS", 5775, 240, 630, 990, QStringLiteral("="), grande, blu,
                             Centrata | Trasparente);
    label11S = etichetta(fraSimbolo, "label11S", 6450, 240, 165, 690, QString(), grande, blu, Trasparente);
    label11S->impostaAdattaAlTesto();

    // Statistics and main buttons.
    const QFont bottone = carattere(Arial, 12, Peso::Grassetto);
    frmElaborazione = cornice(Frame1, "frmElaborazione", 195, 780, 4215, 1485, QStringLiteral("ELABORAZIONE"),
                              didascalie, barraMenu);
    frmElaborazione->setFont(carattere(SansSerif, 8.25));
    CmdOperazione = pulsante(Frame1, "CmdOperazione", 210, 135, 4170, 495,
                             QStringLiteral("N u o v a   t r a s f o r m a z i o n e"), bottone, barraMenu);
    CmdVerifica = pulsante(Frame1, "CmdVerifica", 255, 135, 4155, 495, QStringLiteral("V e r i f i c a "), bottone,
                           barraMenu);
    cmdSfondo = pulsante(Frame1, "cmdSfondo", 240, 150, 4155, 495, QString(), bottone, barraMenu);
    cmdSfondo->setEnabled(false);

    // The old bitmap face was wider than the one that stands in for it: wider blanks put
    // each heading word between the column rules again, as the blanks were meant to.
    QFont intestazione = carattere(SansSerif, 8.25, Peso::Grassetto);
    intestazione.setWordSpacing(8);
    const QColor testoNormale = QApplication::palette().color(QPalette::WindowText);
    Label5 = etichetta(frmElaborazione, "Label5", 150, 360, 4005, 255,
                       QStringLiteral("Oper.    Risp.       Risp.    Tempo      Tempo "), intestazione, testoNormale,
                       Trasparente);
    Label3 = etichetta(frmElaborazione, "Label3", 330, 600, 3615, 255,
                       QStringLiteral("        Esatte      Errate   parziale     totale"), intestazione, testoNormale,
                       Trasparente);
    const QFont valore = carattere(Arial, 14.25, Peso::Grassetto);
    LblOperazione = etichetta(frmElaborazione, "LblOperazione", 60, 960, 660, 480, QString(), valore, rgb(0, 192, 0),
                              Centrata | Trasparente);
    lblRisEsatte = etichetta(frmElaborazione, "lblRisEsatte", 840, 960, 660, 480, QString(), valore, rgb(0, 0, 255),
                             Centrata | Trasparente);
    lblRisErrate = etichetta(frmElaborazione, "lblRisErrate", 1590, 960, 660, 480, QString(), valore, rgb(0, 0, 255),
                             Centrata | Trasparente);
    const QString suggerimento = QStringLiteral("Secondi impiegati per ogni risposta");
    LblTempoParziale = etichetta(frmElaborazione, "LblTempoParziale", 2400, 960, 660, 480, QString(), valore,
                                 rgb(255, 0, 0), Centrata | Trasparente);
    LblTempoParziale->setToolTip(suggerimento);
    lblTempoTotale = etichetta(frmElaborazione, "lblTempoTotale", 3315, 960, 660, 480, QString(), valore,
                               rgb(255, 0, 0), Centrata | Trasparente);
    lblTempoTotale->setToolTip(suggerimento);
    Line3 = new Linea(frmElaborazione, QStringLiteral("Line3"), 750, 450, 750, 1320);
    Line1 = new Linea(frmElaborazione, QStringLiteral("Line1"), 1560, 390, 1560, 1260);
    Line2 = new Linea(frmElaborazione, QStringLiteral("Line2"), 2250, 360, 2250, 1230);
    Line4 = new Linea(frmElaborazione, QStringLiteral("Line4"), 3150, 390, 3150, 1230);
    for (Linea* l : {Line3, Line1, Line2, Line4})
        l->lower();

    // Help offer.
    const QFont medio = carattere(Arial, 14.25, Peso::Grassetto);
    Cmdsi = pulsante(frmAiuto, "Cmdsi", 1830, 990, 1680, 555, QStringLiteral("Si"), medio, Pesca);
    Cmdno = pulsante(frmAiuto, "Cmdno", 150, 1020, 1620, 555, QStringLiteral("No"), medio, Pesca);
    LblAiuto = etichetta(frmAiuto, "LblAiuto", 135, 300, 3330, 555, QStringLiteral("Ti aiuto ?"), titolo, testoNormale,
                         Centrata);
    LblAiuto->impostaSfondo(tasto);

    // Unit symbols; their captions are set at load.
    Command26 = pulsante(FraSimboli, "Command26", 150, 330, 1470, 435, QStringLiteral(" kg"), medio, barraMenu);
    Command25 = pulsante(FraSimboli, "Command25", 150, 885, 1470, 465, QStringLiteral(" hg"), medio, tasto);
    Command24 = pulsante(FraSimboli, "Command24", 165, 1440, 1470, 465, QStringLiteral(" dag"), medio, tasto);
    Command23 = pulsante(FraSimboli, "Command23", 165, 1980, 3000, 465, QStringLiteral(" g"), medio, tasto);
    Command22 = pulsante(FraSimboli, "Command22", 1725, 315, 1470, 465, QStringLiteral(" dg"), medio, tasto);
    Command21 = pulsante(FraSimboli, "Command21", 1710, 870, 1455, 465, QStringLiteral(" cg"), medio, tasto);
    Command20 = pulsante(FraSimboli, "Command20", 1725, 1440, 1455, 465, QStringLiteral(" mg"), medio, tasto);
    Command15 = pulsante(FraSimboli, "Command15", 150, 2490, 2970, 495, QStringLiteral("Cancella"), medio, tasto);

    // Keypad: four rows of three digit keys and a comma, then a comma and "Cancella".
    const auto key = [&](const char* nome, int l, int t, const char* testo) {
        return pulsante(fraTastierino, nome, l, t, 765, 465, QString::fromLatin1(testo), medio, tasto);
    };
    Command2 = key("Command2", 90, 330, "1");
    Command3 = key("Command3", 885, 330, "2");
    Command4 = key("Command4", 1665, 330, "3");
    Command16 = key("Command16", 2460, 330, ",");
    Command5 = key("Command5", 105, 870, "4");
    Command6 = key("Command6", 885, 870, "5");
    Command7 = key("Command7", 1665, 870, "6");
    Command17 = key("Command17", 2445, 885, ",");
    Command8 = key("Command8", 105, 1410, "7");
    Command9 = key("Command9", 885, 1410, "8");
    Command10 = key("Command10", 1665, 1410, "9");
    Command18 = key("Command18", 2460, 1425, ",");
    Command13 = key("Command13", 105, 1950, "0");
    Command11 = key("Command11", 885, 1950, "00");
    Command12 = key("Command12", 1665, 1950, "000");
    Command19 = key("Command19", 2475, 1935, ",");
    Command1 = key("Command1", 60, 2505, ",");
    cmdCancella = pulsante(fraTastierino, "cmdCancella", 840, 2490, 1575, 495, QStringLiteral("Cancella"), medio,
                           tasto);

    // Plain words for a screen reader where the captions are spelt out or are signs.
    CmdOperazione->setAccessibleName(QStringLiteral("Nuova trasformazione"));
    CmdVerifica->setAccessibleName(QStringLiteral("Verifica"));
    Cmdsi->setAccessibleName(QStringLiteral("Sì"));
    Cmdno->setAccessibleName(QStringLiteral("No"));
    for (Pulsante* b : virgole())
        b->setAccessibleName(QStringLiteral("virgola"));
    // The values of the statistics table are read with their column's heading, the draw
    // number with what it is.
    LblOperazione->impostaIntestazione(QStringLiteral("Operazione"));
    lblRisEsatte->impostaIntestazione(QStringLiteral("Risposte esatte"));
    lblRisErrate->impostaIntestazione(QStringLiteral("Risposte errate"));
    LblTempoParziale->impostaIntestazione(QStringLiteral("Tempo parziale"));
    lblTempoTotale->impostaIntestazione(QStringLiteral("Tempo totale"));
    Label7->impostaIntestazione(QStringLiteral("Numero estratto"));
    avviso = finestra->avviso();
    finestra->ordinaTabulazione();

    finestra->setWindowFlags(FinestraEquivMul);
}

} // namespace ui
