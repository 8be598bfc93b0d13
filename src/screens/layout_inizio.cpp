// SPDX-License-Identifier: GPL-3.0-or-later
// The designed layout of the start screen. Positions are in twips, Left, Top, Width,
// Height, inside each control's container. Within a container the controls are
// created in designed order and lowered on creation, so earlier ones lie in front.
#include "screens/layout_inizio.h"

#include "screens/costruttori.h"

#include "identita.h"

#include <QAction>
#include <QCursor>
#include <QPixmap>

namespace ui {

namespace {

QWidget* immagineVuota(QWidget* in, int indice, int l, int t)
{
    auto* x = new QWidget(in);
    x->setObjectName(QStringLiteral("Image1"));
    x->setProperty("Index", indice);
    decorativo(x);
    posiziona(x, l, t, 4500, 4500);
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
    Cornice* s = finestra->superficie();
    s->impostaSfondo(verde);
    BarraMenu* barra = finestra->menuBar();
    MnuEsci = voceMenu(barra, "MnuEsci", QStringLiteral("Esci"));
    mnuVuoto = voceMenu(barra, "mnuVuoto", QString());
    mnuInfo = voceMenu(barra, "mnuInfo", QStringLiteral("?"), QStringLiteral("Informazioni"));
    vuoto1 = voceMenu(barra, "vuoto1", QString());
    mnuAvvertenza = voceMenu(barra, "mnuAvvertenza", QStringLiteral("Avvertenza"));

    // Title band.
    frmTitolo = cornice(s, "frmTitolo", 75, 195, 11745, 1545, QString(), s->font(), verde, Bordo::Nessuno);
    Label4 = etichetta(frmTitolo, "Label4", 225, 840, 8925, 435, QString(), carattere(Arial, 18, Peso::Grassetto),
                       bluTitolo, Centrata);
    Label4->impostaSfondo(ciano);
    Label2 = etichetta(frmTitolo, "Label2", 9165, 795, 2145, 225, QStringLiteral("Esercitazione"),
                       carattere(Arial, 12, Peso::Grassetto), QColor(0, 0, 128), Trasparente);
    Label6 = etichetta(frmTitolo, "Label6", 195, 165, 11340, 750, QString(), carattere(Arial, 21.75, Peso::Grassetto),
                       bluTitolo, Centrata);
    Label6->impostaSfondo(ciano);
    Shape2 = new Sagoma(frmTitolo, QStringLiteral("Shape2"), CianoChiaro, 1);
    posiziona(Shape2, 90, 90, 11595, 1275);
    Shape2->lower();
    Shape1 = new Sagoma(frmTitolo, QStringLiteral("Shape1"), QColor(0, 192, 192), 2);
    posiziona(Shape1, 60, 150, 11655, 1260);
    Shape1->lower();

    // The kind list: choose only, no typing.
    Combo1 = new Tendina(s, QStringLiteral("Combo1"));
    posiziona(Combo1, 225, 1755, 11550, 600);
    Combo1->setFont(carattere(Arial, 20.25));
    Combo1->impostaSfondo(giallo);
    Combo1->lower();

    // The direction buttons and the exit.
    Frame1 = cornice(s, "Frame1", 4725, 2475, 6795, 4260, QString(), s->font(), giallo);
    const QFont direzione = carattere(Arial, 20.25, Peso::Grassetto);
    Command1 = pulsante(Frame1, "Command1", 75, 315, 6600, 870, QString(), direzione, tasto);
    Command3 = pulsante(Frame1, "Command3", 60, 1320, 6600, 870, QString(), direzione, tasto);
    Command5 = pulsante(Frame1, "Command5", 75, 2250, 6600, 870, QString(), direzione, tasto);
    Command9 = pulsante(Frame1, "Command9", 60, 3630, 6630, 495, QString(), carattere(Arial, 12, Peso::Grassetto),
                        Pesca);

    // Credits.
    const QFont crediti = carattere(Arial, 18, Peso::Grassetto);
    Label5 = etichetta(s, "Label5", 7500, 7440, 4005, 465, QStringLiteral("Il software di Velmaro"), crediti,
                       QColor(192, 0, 0));
    Label5->impostaSfondo(CianoChiaro);
    Label3 = etichetta(s, "Label3", 270, 7425, 8655, 495, QStringLiteral("Ideazione, progettazione e realizzazione"),
                       crediti, QColor(0, 0, 0));
    Label3->impostaSfondo(CianoChiaro);

    // Two empty picture boxes: they show nothing.
    Image1_0 = immagineVuota(s, 0, 120, 2565);
    Image1_7 = immagineVuota(s, 7, 135, 2565);
    avviso = finestra->avviso();
}

void ControlliInizio::caricaPuntatore()
{
    const QPixmap puntatore = identita::immagine(QStringLiteral(":/assets/puntatore.xpm"), "XPM");
    for (Pulsante* b : {Command1, Command3, Command5, Command9})
        b->setCursor(QCursor(puntatore, 0, 0));
}

} // namespace ui
