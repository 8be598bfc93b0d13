// SPDX-License-Identifier: GPL-3.0-or-later
// The designed layout of the exercise screen: every control in place, with its kind and initial state.
// With MASSA_LAVAGNA=<factor> it runs in the drill's whiteboard mode at that factor, and every
// control is drawn at that many times its designed place and size.
#include "esercizio_prova.h"
#include "runtime/comando.h"

#include <QAction>
#include <QMenuBar>

using namespace prova;

namespace {

enum Tipo { Etichetta, Pulsante, Cornice, Linea };

// As designed, container by container, in designed order; twips. A line gives its two ends.
struct Controllo {
    const char* nome;
    const char* contenitore;
    Tipo tipo;
    int l, t, w, h;
    const char* testo; // nullptr: set at run time, not checked here
};
constexpr int K = 765, KH = 465; // every keypad key
const Controllo Disegno[] = {
    {"Label2", "superficie", Etichetta, 0, 0, 11955, 555, nullptr},
    {"Label1", "superficie", Etichetta, 0, 555, 11955, 555, nullptr},
    {"fraNumero", "superficie", Cornice, 15, 1500, 11475, 2295, nullptr},
    {"fraSimbolo", "superficie", Cornice, 0, 1500, 11475, 2280, nullptr},
    {"LblEsito", "superficie", Etichetta, 315, 3870, 4305, 960, ""},
    {"Frame1", "superficie", Cornice, 90, 4995, 4500, 2685, nullptr},
    {"FraSimboli", "superficie", Cornice, 4635, 4530, 3315, 3150, nullptr},
    {"fraTastierino", "superficie", Cornice, 4620, 4530, 3330, 3180, nullptr},
    {"frmAiuto", "superficie", Cornice, 8010, 5985, 3615, 1695, nullptr},
    {"LblIstruzione", "superficie", Etichetta, 75, 7905, 11430, 270, nullptr},
    {"Label7", "superficie", Etichetta, 105, 8235, 840, 255, nullptr},
    {"lblHelp", "fraNumero", Etichetta, 6450, 1305, 2940, 630, ""},
    {"LblRisultato", "fraNumero", Etichetta, 6450, 285, 3060, 990, "?"},
    {"LabelUguale", "fraNumero", Etichetta, 5775, 240, 630, 990, "="},
    {"Label11", "fraNumero", Etichetta, 9960, 240, 1305, 990, nullptr},
    {"Label4", "fraNumero", Etichetta, 855, 240, 3825, 990, nullptr},
    {"lblHelpS", "fraSimbolo", Etichetta, 9960, 1380, 1560, 675, ""},
    {"Label4S", "fraSimbolo", Etichetta, 855, 240, 3825, 990, nullptr},
    {"lblRisultatoS", "fraSimbolo", Etichetta, 9660, 240, 1665, 990, nullptr},
    {"LabelUgualeS", "fraSimbolo", Etichetta, 5775, 240, 630, 990, "="},
    {"label11S", "fraSimbolo", Etichetta, 6450, 240, -1, -1, nullptr}, // sized to its text
    {"frmElaborazione", "Frame1", Cornice, 195, 780, 4215, 1485, nullptr},
    {"CmdOperazione", "Frame1", Pulsante, 210, 135, 4170, 495, "N u o v a   t r a s f o r m a z i o n e"},
    {"CmdVerifica", "Frame1", Pulsante, 255, 135, 4155, 495, "V e r i f i c a "},
    {"cmdSfondo", "Frame1", Pulsante, 240, 150, 4155, 495, ""},
    {"Label5", "frmElaborazione", Etichetta, 150, 360, 4005, 255, "Oper.    Risp.       Risp.    Tempo      Tempo "},
    {"Label3", "frmElaborazione", Etichetta, 330, 600, 3615, 255, "        Esatte      Errate   parziale     totale"},
    {"LblOperazione", "frmElaborazione", Etichetta, 60, 960, 660, 480, "1"},
    {"lblRisEsatte", "frmElaborazione", Etichetta, 840, 960, 660, 480, ""},
    {"lblRisErrate", "frmElaborazione", Etichetta, 1590, 960, 660, 480, ""},
    {"LblTempoParziale", "frmElaborazione", Etichetta, 2400, 960, 660, 480, ""},
    {"lblTempoTotale", "frmElaborazione", Etichetta, 3315, 960, 660, 480, ""},
    {"Line3", "frmElaborazione", Linea, 750, 450, 750, 1320, nullptr},
    {"Line1", "frmElaborazione", Linea, 1560, 390, 1560, 1260, nullptr},
    {"Line2", "frmElaborazione", Linea, 2250, 360, 2250, 1230, nullptr},
    {"Line4", "frmElaborazione", Linea, 3150, 390, 3150, 1230, nullptr},
    {"Cmdsi", "frmAiuto", Pulsante, 1830, 990, 1680, 555, "Si"},
    {"Cmdno", "frmAiuto", Pulsante, 150, 1020, 1620, 555, "No"},
    {"LblAiuto", "frmAiuto", Etichetta, 135, 300, 3330, 555, "Ti aiuto ?"},
    {"Command26", "FraSimboli", Pulsante, 150, 330, 1470, 435, " kg"},
    {"Command25", "FraSimboli", Pulsante, 150, 885, 1470, 465, " hg"},
    {"Command24", "FraSimboli", Pulsante, 165, 1440, 1470, 465, " dag"},
    {"Command23", "FraSimboli", Pulsante, 165, 1980, 3000, 465, " g"},
    {"Command22", "FraSimboli", Pulsante, 1725, 315, 1470, 465, " dg"},
    {"Command21", "FraSimboli", Pulsante, 1710, 870, 1455, 465, " cg"},
    {"Command20", "FraSimboli", Pulsante, 1725, 1440, 1455, 465, " mg"},
    {"Command15", "FraSimboli", Pulsante, 150, 2490, 2970, 495, "Cancella"},
    {"Command2", "fraTastierino", Pulsante, 90, 330, K, KH, "1"},
    {"Command3", "fraTastierino", Pulsante, 885, 330, K, KH, "2"},
    {"Command4", "fraTastierino", Pulsante, 1665, 330, K, KH, "3"},
    {"Command16", "fraTastierino", Pulsante, 2460, 330, K, KH, ","},
    {"Command5", "fraTastierino", Pulsante, 105, 870, K, KH, "4"},
    {"Command6", "fraTastierino", Pulsante, 885, 870, K, KH, "5"},
    {"Command7", "fraTastierino", Pulsante, 1665, 870, K, KH, "6"},
    {"Command17", "fraTastierino", Pulsante, 2445, 885, K, KH, ","},
    {"Command8", "fraTastierino", Pulsante, 105, 1410, K, KH, "7"},
    {"Command9", "fraTastierino", Pulsante, 885, 1410, K, KH, "8"},
    {"Command10", "fraTastierino", Pulsante, 1665, 1410, K, KH, "9"},
    {"Command18", "fraTastierino", Pulsante, 2460, 1425, K, KH, ","},
    {"Command13", "fraTastierino", Pulsante, 105, 1950, K, KH, "0"},
    {"Command11", "fraTastierino", Pulsante, 885, 1950, K, KH, "00"},
    {"Command12", "fraTastierino", Pulsante, 1665, 1950, K, KH, "000"},
    {"Command19", "fraTastierino", Pulsante, 2475, 1935, K, KH, ","},
    {"Command1", "fraTastierino", Pulsante, 60, 2505, K, KH, ","},
    {"cmdCancella", "fraTastierino", Pulsante, 840, 2490, 1575, 495, "Cancella"},
};

int px(int twips) { return qRound(twips / 15.0); }
QRect rettangolo(const Controllo& c) { return {px(c.l), px(c.t), px(c.w), px(c.h)}; }

// Not in use after the first number question: hidden by design, by loading, or by the presentation.
const QStringList Nascosti = {"frmAiuto",    "lblHelp",    "lblHelpS",  "CmdOperazione",
                              "CmdVerifica", "fraSimbolo", "FraSimboli"};

} // namespace

class ProvaLayoutEquivMul : public QObject {
    Q_OBJECT
public:
    // Before the application, as the drill does it with --lavagna=<factor>.
    static void initMain()
    {
        QByteArray nome("prova"), opzione = "--lavagna=" + qgetenv("MASSA_LAVAGNA");
        char* argomenti[] = {nome.data(), opzione.data()};
        const int n = qEnvironmentVariableIsSet("MASSA_LAVAGNA") ? 2 : 1;
        lavagna::prepara(comando::leggi(n, argomenti).lavagna, n, argomenti, QSize());
    }

private slots:
    void init() { m_f = apri(m_sc.s, 1, 1, domanda345()); }
    void cleanup() { chiudi(); }
    void controlli_data();
    void controlli();
    void sovrapposti();
    void pulsantiPrincipali();
    void finestra();
    void menu();
    void facciaPulsante();

private:
    ConServiziDiProva m_sc;
    FrmEquivMul* m_f = nullptr;
};

void ProvaLayoutEquivMul::controlli_data()
{
    QTest::addColumn<int>("i");
    for (int i = 0; i < int(std::size(Disegno)); ++i)
        QTest::newRow(Disegno[i].nome) << i;
}

void ProvaLayoutEquivMul::controlli()
{
    QFETCH(int, i);
    const Controllo& c = Disegno[i];
    QWidget* w = m_f->findChild<QWidget*>(QString::fromLatin1(c.nome));
    QVERIFY(w);
    QCOMPARE(w->parentWidget()->objectName(), QString::fromLatin1(c.contenitore));
    switch (c.tipo) {
    case Etichetta: QVERIFY(qobject_cast<ui::Etichetta*>(w)); break;
    case Pulsante: QVERIFY(qobject_cast<ui::Pulsante*>(w)); break;
    case Cornice: QVERIFY(qobject_cast<ui::Cornice*>(w)); break;
    case Linea: QVERIFY(qobject_cast<ui::Linea*>(w)); break;
    }
    if (c.tipo == Linea) {
        // A vertical rule from one end to the other.
        QVERIFY(w->geometry().contains(px(c.l), px(c.t)));
        QVERIFY(w->geometry().contains(px(c.w), px(c.h)));
        QVERIFY(w->width() <= 2);
    } else if (c.w < 0) {
        QCOMPARE(w->pos(), QPoint(px(c.l), px(c.t)));
    } else {
        QCOMPARE(w->geometry(), rettangolo(c));
        // Drawn in device pixels at the factor times the designed twips, within one.
        const qreal k = m_f->devicePixelRatioF();
        const QRectF d(QPointF(w->pos()) * k, QSizeF(w->size()) * k);
        const QRectF disegno(c.l * k / 15, c.t * k / 15, c.w * k / 15, c.h * k / 15);
        for (const auto lato : {&QRectF::left, &QRectF::top, &QRectF::right, &QRectF::bottom})
            QVERIFY(qAbs((d.*lato)() - (disegno.*lato)()) <= 1);
    }
    if (c.testo) {
        const QString testo = c.tipo == Pulsante ? qobject_cast<ui::Pulsante*>(w)->text()
                                                 : qobject_cast<ui::Etichetta*>(w)->text();
        QCOMPARE(testo, QString::fromUtf8(c.testo));
    }
    QCOMPARE(w->isHidden(), Nascosti.contains(QLatin1String(c.nome)));
    QCOMPARE(w->isEnabled(), qstrcmp(c.nome, "cmdSfondo") != 0);
}

// Within one container, a control listed earlier lies in front of any later one it overlaps.
void ProvaLayoutEquivMul::sovrapposti()
{
    int coppie = 0;
    for (const Controllo& a : Disegno) {
        for (const Controllo* b = &a + 1; b != std::end(Disegno); ++b) {
            if (qstrcmp(a.contenitore, b->contenitore) != 0 || a.w < 0 || b->w < 0)
                continue;
            QWidget* wa = m_f->findChild<QWidget*>(QString::fromLatin1(a.nome));
            QWidget* wb = m_f->findChild<QWidget*>(QString::fromLatin1(b->nome));
            if (!wa->geometry().intersects(wb->geometry()))
                continue;
            const QObjectList& ordine = wa->parent()->children(); // last painted on top
            QVERIFY2(ordine.indexOf(wa) > ordine.indexOf(wb), qPrintable(QString("%1 behind %2").arg(a.nome, b->nome)));
            ++coppie;
        }
    }
    QVERIFY(coppie >= 5); // the two question frames, the two input frames, the three main buttons, ...
}

// The three main buttons share one place: whichever shown first in the list is the one under the pointer.
void ProvaLayoutEquivMul::pulsantiPrincipali()
{
    const QPoint punto = pulsante(m_f, "CmdVerifica")->geometry().center();
    pulsante(m_f, "CmdOperazione")->show();
    pulsante(m_f, "CmdVerifica")->show();
    QCOMPARE(cornice(m_f, "Frame1")->childAt(punto), pulsante(m_f, "CmdOperazione"));
    pulsante(m_f, "CmdOperazione")->hide();
    QCOMPARE(cornice(m_f, "Frame1")->childAt(punto), pulsante(m_f, "CmdVerifica"));
    pulsante(m_f, "CmdVerifica")->hide();
    QCOMPARE(cornice(m_f, "Frame1")->childAt(punto), pulsante(m_f, "cmdSfondo"));
}

void ProvaLayoutEquivMul::finestra()
{
    QCOMPARE(m_f->devicePixelRatioF(), qEnvironmentVariable("MASSA_LAVAGNA", "1").toDouble());
    QCOMPARE(m_f->superficie()->parentWidget(), m_f);
    QCOMPARE(m_f->superficie()->y(), m_f->menuBar()->geometry().bottom() + 1);
    QCOMPARE(m_f->superficie()->objectName(), QStringLiteral("superficie"));
    QCOMPARE(m_f->superficie()->size(), QSize(794, 556));
    QCOMPARE(m_f->minimumSize(), m_f->maximumSize());
    QCOMPARE(m_f->size(), m_f->minimumSize());
    QCOMPARE(m_f->windowTitle(), QStringLiteral("TRASFORMAZIONI CON LE MISURE DI MASSA  kg  hg  dag  g"));
}

void ProvaLayoutEquivMul::menu()
{
    const QStringList nomi = {"MnuEsci", "vuoto", "mnuQuadro"};
    const QStringList testi = {"Esci", "", "Il quadro"};
    const QList<QAction*> voci = m_f->menuBar()->actions();
    QCOMPARE(voci.size(), 3);
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(m_f->findChild<QAction*>(nomi[i]), voci[i]);
        QCOMPARE(voci[i]->text(), testi[i]);
    }
}

// Buttons are filled flat with their colour.
void ProvaLayoutEquivMul::facciaPulsante()
{
    const QImage faccia = pulsante(m_f, "Command2")->grab().toImage();
    for (const int x : {5, 8, 12})
        QCOMPARE(faccia.pixelColor(x, faccia.height() / 2), QColor(255, 255, 128));
    QCOMPARE(faccia.pixelColor(faccia.width() / 4, 6), QColor(255, 255, 128));
}

QTEST_MAIN(ProvaLayoutEquivMul)
#include "prova_layout_equivmul.moc"
