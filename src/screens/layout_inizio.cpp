// The designed layout of the start screen. Positions are in twips, Left, Top, Width,
// Height, inside each control's container. Within a container the controls are
// created in designed order and lowered on creation, so earlier ones lie in front.
#include "start/frm_inizio.h"

#include <QCursor>
#include <QPixmap>
#include <QTimer>

using namespace ui;

namespace {

const QString Arial = QStringLiteral("Arial");

QWidget* immagineVuota(QWidget* in, int indice, int l, int t)
{
    auto* x = new QWidget(in);
    x->setObjectName(QStringLiteral("Image1"));
    x->setProperty("Index", indice);
    place(x, l, t, 4500, 4500);
    x->lower();
    return x;
}

} // namespace

void FrmInizio::creaControlli()
{
    const QColor verde(192, 255, 192);
    const QColor ciano(0, 255, 255);
    const QColor bluTitolo(0, 0, 192);
    const QColor giallo(255, 255, 192);
    const QColor tasto(255, 255, 128);


    auto* s = new Frame(this, QStringLiteral("superficie"), QString(), false);
    s->setBackground(verde);
    m_barra = dressWindow(this, s, 11910, 8340);
    MnuEsci = menuEntry(m_barra, "MnuEsci", QStringLiteral("Esci"));
    mnuVuoto = menuEntry(m_barra, "mnuVuoto", QString());
    mnuInfo = menuEntry(m_barra, "mnuInfo", QStringLiteral("?"));
    vuoto1 = menuEntry(m_barra, "vuoto1", QString());
    mnuAvvertenza = menuEntry(m_barra, "mnuAvvertenza", QStringLiteral("Avvertenza"));

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
    Shape2 = new RoundedBox(frmTitolo, QStringLiteral("Shape2"), QColor(128, 255, 255), 1);
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
                      QColor(255, 224, 192));
    // The pointer is read once the screen is on show: nobody sees it before.
    QTimer::singleShot(0, this, [this] {
        const QPixmap puntatore(QStringLiteral(":/assets/puntatore.xpm"));
        for (Button* b : {Command1, Command3, Command5, Command9})
            b->setCursor(QCursor(puntatore, 0, 0));
    });

    // Credits.
    const QFont crediti = designFont(Arial, 18, true);
    Label5 = label(s, "Label5", 7500, 7440, 4005, 465, QStringLiteral("Il software di Velmaro"), crediti,
                   QColor(192, 0, 0), false, false);
    Label5->setBackground(QColor(128, 255, 255));
    Label3 = label(s, "Label3", 270, 7425, 8655, 495, QStringLiteral("Ideazione, progettazione e realizzazione"),
                   crediti, QColor(0, 0, 0), false, false);
    Label3->setBackground(QColor(128, 255, 255));

    // Two empty picture boxes: they show nothing.
    Image1_0 = immagineVuota(s, 0, 120, 2565);
    Image1_7 = immagineVuota(s, 7, 135, 2565);
}
