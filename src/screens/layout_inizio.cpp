// The designed layout of the start screen. Positions are in twips, Left, Top, Width,
// Height, inside each control's container. Within a container the controls are
// created in designed order and lowered on creation, so earlier ones lie in front.
#include "screens/layout_inizio.h"

#include <QAction>
#include <QCursor>
#include <QPixmap>

namespace ui {

namespace {

const QString Arial = QStringLiteral("Arial");

QWidget* immagineVuota(QWidget* in, int indice, int l, int t)
{
    auto* x = new QWidget(in);
    x->setObjectName(QStringLiteral("Image1"));
    x->setProperty("Index", indice);
    decorativo(x);
    place(x, l, t, 4500, 4500);
    x->lower();
    return x;
}

} // namespace

ControlliInizio ControlliInizio::crea(Finestra* finestra)
{
    ControlliInizio c{};
    c.costruisci(finestra);
    return c;
}

void ControlliInizio::costruisci(Finestra* finestra)
{
    const QColor verde = Verde;
    const QColor ciano = Ciano;
    const QColor bluTitolo = BluTitolo;
    const QColor giallo = Crema;
    const QColor tasto = GialloTasto;


    finestra->vesti(11910, 8340);
    Frame* s = finestra->superficie();
    s->setBackground(verde);
    QMenuBar* barra = finestra->menuBar();
    MnuEsci = menuEntry(barra, "MnuEsci", QStringLiteral("Esci"));
    mnuVuoto = menuEntry(barra, "mnuVuoto", QString());
    mnuInfo = menuEntry(barra, "mnuInfo", QStringLiteral("?"));
    vuoto1 = menuEntry(barra, "vuoto1", QString());
    mnuAvvertenza = menuEntry(barra, "mnuAvvertenza", QStringLiteral("Avvertenza"));

    // Title band.
    frmTitolo = new Frame(s, QStringLiteral("frmTitolo"), QString(), false);
    place(frmTitolo, 75, 195, 11745, 1545);
    frmTitolo->setBackground(verde);
    frmTitolo->lower();
    Label4 = label(frmTitolo, "Label4", 225, 840, 8925, 435, QString(), designFont(Arial, 18, true), bluTitolo,
                   true, false);
    Label4->setBackground(ciano);
    Label2 = label(frmTitolo, "Label2", 9165, 795, 2145, 225, QStringLiteral("Esercitazione"),
                   designFont(Arial, 12, true), QColor(0, 0, 128), false, true);
    Label6 = label(frmTitolo, "Label6", 195, 165, 11340, 750, QString(), designFont(Arial, 21.75, true), bluTitolo,
                   true, false);
    Label6->setBackground(ciano);
    Shape2 = new RoundedBox(frmTitolo, QStringLiteral("Shape2"), CianoChiaro, 1);
    place(Shape2, 90, 90, 11595, 1275);
    Shape2->lower();
    Shape1 = new RoundedBox(frmTitolo, QStringLiteral("Shape1"), QColor(0, 192, 192), 2);
    place(Shape1, 60, 150, 11655, 1260);
    Shape1->lower();

    // The kind list: choose only, no typing.
    Combo1 = new DropDown(s, QStringLiteral("Combo1"));
    place(Combo1, 225, 1755, 11550, 600);
    Combo1->setFont(designFont(Arial, 20.25, false));
    Combo1->setBackground(giallo);
    Combo1->lower();

    // The direction buttons and the exit.
    Frame1 = new Frame(s, QStringLiteral("Frame1"), QString(), true);
    place(Frame1, 4725, 2475, 6795, 4260);
    Frame1->setBackground(giallo);
    Frame1->lower();
    const QFont direzione = designFont(Arial, 20.25, true);
    Command1 = button(Frame1, "Command1", 75, 315, 6600, 870, QString(), direzione, tasto);
    Command3 = button(Frame1, "Command3", 60, 1320, 6600, 870, QString(), direzione, tasto);
    Command5 = button(Frame1, "Command5", 75, 2250, 6600, 870, QString(), direzione, tasto);
    Command9 = button(Frame1, "Command9", 60, 3630, 6630, 495, QString(), designFont(Arial, 12, true),
                      Pesca);

    // Credits.
    const QFont crediti = designFont(Arial, 18, true);
    Label5 = label(s, "Label5", 7500, 7440, 4005, 465, QStringLiteral("Il software di Velmaro"), crediti,
                   QColor(192, 0, 0), false, false);
    Label5->setBackground(CianoChiaro);
    Label3 = label(s, "Label3", 270, 7425, 8655, 495, QStringLiteral("Ideazione, progettazione e realizzazione"),
                   crediti, QColor(0, 0, 0), false, false);
    Label3->setBackground(CianoChiaro);

    // Two empty picture boxes: they show nothing.
    Image1_0 = immagineVuota(s, 0, 120, 2565);
    Image1_7 = immagineVuota(s, 7, 135, 2565);
}

void ControlliInizio::caricaPuntatore()
{
    const QPixmap puntatore(QStringLiteral(":/assets/puntatore.xpm"));
    for (Button* b : {Command1, Command3, Command5, Command9})
        b->setCursor(QCursor(puntatore, 0, 0));
}

} // namespace ui
