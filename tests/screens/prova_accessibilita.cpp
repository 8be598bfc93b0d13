// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader is told about both designed screens. Run with the accessibility bus
// on (tests/support/sessione_accessibile.sh), as on a desktop while a screen reader runs.
#include "programma_prova.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <optional>

using namespace prova;

namespace {

struct Atteso {
    const char* nome; // objectName, or the caption of a menu entry
    QAccessible::Role ruolo;
    const char* testo; // accessible name
    const char* descrizione = "";
};

using R = QAccessible::Role;
const Atteso Inizio[] = {
    {"FrmInizio", R::Window, "TRASFORMAZIONI CON LE MISURE DI MASSA"},
    {"superficie", R::Pane, ""},
    {"frmTitolo", R::Pane, ""},
    {"Label6", R::StaticText, "TRASFORMAZIONI CON LE MISURE DI MASSA"},
    {"Label4", R::StaticText, "Chilogrammi, ettogrammi, decagrammi, grammi"},
    {"Label2", R::StaticText, "Esercitazione"},
    {"Combo1", R::ComboBox, "Calcolo del risultato"}, // on Linux a list reads as its choice
    {"Frame1", R::Pane, ""},
    {"Command1", R::Button, "Da unità maggiore a unità minore"},
    {"Command3", R::Button, "Da unità minore a unità maggiore"},
    {"Command5", R::Button, "Da unità maggiore a unità minore e viceversa"},
    {"Command9", R::Button, "Esci"},
    {"Label3", R::StaticText, "Ideazione, progettazione e realizzazione"},
    {"Label5", R::StaticText, "Il software di Velmaro"},
};

const Atteso Esercizio[] = {
    {"FrmEquivMul", R::Window, "Trasformazioni, da chilogrammi a grammi"},
    {"superficie", R::Pane, ""},
    {"Label2", R::StaticText, " Da unità maggiore a unità minore"},
    {"Label1", R::StaticText, " Calcolo del risultato"},
    {"fraNumero", R::Pane, ""},
    {"fraSimbolo", R::Pane, ""},
    {"Label4", R::StaticText, "345 kg"},
    {"LabelUguale", R::StaticText, "="},
    {"LblRisultato", R::StaticText, "?"},
    {"Label11", R::StaticText, " dag"},
    {"lblHelp", R::StaticText, ""},
    {"Label4S", R::StaticText, ""},
    {"LabelUgualeS", R::StaticText, "="},
    {"label11S", R::StaticText, ""},
    {"lblRisultatoS", R::StaticText, ""},
    {"lblHelpS", R::StaticText, ""},
    {"LblEsito", R::StaticText, ""},
    {"Frame1", R::Pane, ""},
    {"CmdOperazione", R::Button, "Nuova trasformazione"},
    {"CmdVerifica", R::Button, "Verifica"},
    {"frmElaborazione", R::Grouping, "ELABORAZIONE"},
    {"Label5", R::StaticText, "Oper.    Risp.       Risp.    Tempo      Tempo "},
    {"Label3", R::StaticText, "        Esatte      Errate   parziale     totale"},
    {"LblOperazione", R::StaticText, "Operazione 1"},
    {"lblRisEsatte", R::StaticText, "Risposte esatte"},
    {"lblRisErrate", R::StaticText, "Risposte errate"},
    {"LblTempoParziale", R::StaticText, "Tempo parziale", "Secondi impiegati per ogni risposta"},
    {"lblTempoTotale", R::StaticText, "Tempo totale", "Secondi impiegati per ogni risposta"},
    {"fraTastierino", R::Grouping, "TASTIERINO"},
    {"Command2", R::Button, "1"},
    {"Command3", R::Button, "2"},
    {"Command4", R::Button, "3"},
    {"Command5", R::Button, "4"},
    {"Command6", R::Button, "5"},
    {"Command7", R::Button, "6"},
    {"Command8", R::Button, "7"},
    {"Command9", R::Button, "8"},
    {"Command10", R::Button, "9"},
    {"Command13", R::Button, "0"},
    {"Command11", R::Button, "00"},
    {"Command12", R::Button, "000"},
    {"Command16", R::Button, "virgola"},
    {"Command17", R::Button, "virgola"},
    {"Command18", R::Button, "virgola"},
    {"Command19", R::Button, "virgola"},
    {"Command1", R::Button, "virgola"},
    {"cmdCancella", R::Button, "Cancella"},
    {"FraSimboli", R::Grouping, "SIMBOLI"},
    // Unit symbols by the names of their units: a voice reads "hg" letter by letter.
    {"Command26", R::Button, "chilogrammi"},
    {"Command25", R::Button, "ettogrammi"},
    {"Command24", R::Button, "decagrammi"},
    {"Command23", R::Button, "grammi"},
    {"Command22", R::Button, "decigrammi"},
    {"Command21", R::Button, "centigrammi"},
    {"Command20", R::Button, "milligrammi"},
    {"Command15", R::Button, "Cancella"},
    {"frmAiuto", R::Grouping, "AIUTO"},
    {"LblAiuto", R::StaticText, "Ti aiuto ?"},
    {"Cmdno", R::Button, "No"},
    {"Cmdsi", R::Button, "Sì"},
    {"LblIstruzione", R::StaticText, "Clicca sul tastierino fino a completare il risultato. Poi clicca su Verifica"},
    {"Label7", R::StaticText, "Numero estratto 23"},
};

// Decorations, spacers and the text-less button behind the main buttons.
const char* const NonOfferti[] = {"Shape1", "Shape2", "Image1", "cmdSfondo", "Line1", "Line2", "Line3", "Line4"};

QStringList nomiFigli(QAccessibleInterface* i)
{
    QStringList nomi;
    for (int k = 0; k < i->childCount(); ++k)
        nomi << i->child(k)->text(QAccessible::Name);
    return nomi;
}

QList<QAccessible::Event> s_eventi;
QList<QObject*> s_origini;
void registra(QAccessibleEvent* e)
{
    s_eventi << e->type();
    s_origini << e->object();
}

} // namespace

class ProvaAccessibilita : public QObject {
    Q_OBJECT
    std::optional<ConProgramma> m_programma;

private slots:
    void init() { m_programma.emplace(); }
    void cleanup() { m_programma.reset(); }

    void controlli_data()
    {
        QTest::addColumn<bool>("diEsercizio");
        QTest::addColumn<int>("i");
        for (int i = 0; i < int(std::size(Inizio)); ++i)
            QTest::addRow("start: %s", Inizio[i].nome) << false << i;
        for (int i = 0; i < int(std::size(Esercizio)); ++i)
            QTest::addRow("exercise: %s", Esercizio[i].nome) << true << i;
    }

    // Role, name and description of every designed control, each listed by its container.
    void controlli()
    {
        QFETCH(bool, diEsercizio);
        QFETCH(int, i);
        const Atteso& a = diEsercizio ? Esercizio[i] : Inizio[i];
        QWidget* schermo = FrmInizio::caricato();
        if (diEsercizio) {
            QTest::mouseClick(pulsante(FrmInizio::caricato(), "Command1"), Qt::LeftButton);
            schermo = FrmEquivMul::caricato();
        }
        QWidget* w = schermo->objectName() == QLatin1String(a.nome)
                         ? schermo
                         : schermo->findChild<QWidget*>(QString::fromLatin1(a.nome));
        QVERIFY(w);
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
        QVERIFY(iface);
        QCOMPARE(iface->role(), a.ruolo);
        QCOMPARE(iface->text(QAccessible::Name), QString::fromUtf8(a.testo));
        QCOMPARE(iface->text(QAccessible::Description), QString::fromUtf8(a.descrizione));
        QAccessibleInterface* contenitore = iface->parent();
        QVERIFY(contenitore);
        QVERIFY(contenitore->indexOfChild(iface) >= 0);
        QCOMPARE(contenitore->child(contenitore->indexOfChild(iface)), iface);
    }

    void nonOffertiEVociVuote()
    {
        QTest::mouseClick(pulsante(FrmInizio::caricato(), "Command1"), Qt::LeftButton);
        for (QWidget* schermo :
             {static_cast<QWidget*>(FrmInizio::caricato()), static_cast<QWidget*>(FrmEquivMul::caricato())}) {
            for (const char* nome : NonOfferti) {
                for (QWidget* w : schermo->findChildren<QWidget*>(QString::fromLatin1(nome))) {
                    QAccessibleInterface* contenitore = QAccessible::queryAccessibleInterface(w->parentWidget());
                    for (int k = 0; k < contenitore->childCount(); ++k)
                        QVERIFY2(contenitore->child(k)->object() != w, nome);
                }
            }
        }
        auto* barraInizio = QAccessible::queryAccessibleInterface(FrmInizio::caricato()->menuBar());
        QCOMPARE(barraInizio->role(), QAccessible::MenuBar);
        QCOMPARE(nomiFigli(barraInizio), QStringList({"Esci", "Informazioni", "Avvertenza"}));
        auto* barra = QAccessible::queryAccessibleInterface(FrmEquivMul::caricato()->menuBar());
        QCOMPARE(nomiFigli(barra), QStringList({"Esci", "Il quadro"}));
        QCOMPARE(barra->child(1)->role(), QAccessible::MenuItem);
        // A menu entry is pressed as a click would.
        int avvii = 0;
        connect(azione(FrmEquivMul::caricato(), "mnuQuadro"), &QAction::triggered, this, [&avvii] { ++avvii; });
        barra->child(1)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(avvii, 1);
    }

    // Top to bottom, each row from left to right.
    void ordineDiLettura()
    {
        QTest::mouseClick(pulsante(FrmInizio::caricato(), "Command1"), Qt::LeftButton);
        FrmEquivMul* e = FrmEquivMul::caricato();
        const auto figli = [e](const char* nome) {
            return nomiFigli(QAccessible::queryAccessibleInterface(e->findChild<QWidget*>(QString::fromLatin1(nome))));
        };
        QCOMPARE(figli("fraTastierino"), QStringList({"1", "2", "3", "virgola", "4", "5", "6", "virgola", "7", "8", "9",
                                                      "virgola", "0", "00", "000", "virgola", "virgola", "Cancella"}));
        QCOMPARE(figli("FraSimboli"), QStringList({"chilogrammi", "decigrammi", "ettogrammi", "centigrammi",
                                                   "decagrammi", "milligrammi", "grammi", "Cancella"}));
        QCOMPARE(figli("fraNumero"), QStringList({"345 kg", "=", "?", " dag", ""}));
        QCOMPARE(figli("frmAiuto"), QStringList({"Ti aiuto ?", "No", "Sì"}));
        QStringList schermo;
        auto* s = QAccessible::queryAccessibleInterface(e->superficie());
        for (int k = 0; k < s->childCount(); ++k)
            schermo << s->child(k)->object()->objectName();
        QCOMPARE(schermo, QStringList({"Label2", "Label1", "fraSimbolo", "fraNumero", "LblEsito", "Frame1",
                                       "fraTastierino", "FraSimboli", "frmAiuto", "LblIstruzione", "Label7"}));
        auto* finestra = QAccessible::queryAccessibleInterface(e);
        QCOMPARE(finestra->child(0)->role(), QAccessible::MenuBar);
        QCOMPARE(finestra->child(1)->object(), e->superficie());
    }

    // The screens are windows of the application; the background is not one of them.
    void finestreDellApplicazione()
    {
        QAccessibleInterface* app = QAccessible::queryAccessibleInterface(qApp);
        QVERIFY(app);
        QStringList finestre;
        for (int k = 0; k < app->childCount(); ++k)
            finestre << app->child(k)->object()->objectName();
        QVERIFY(finestre.contains(QStringLiteral("FrmInizio")));
        QVERIFY(!finestre.contains(QStringLiteral("frmInizioSfondo")));
    }

    // A screen reader hears a label's new text as it appears.
    void nomeCambiato()
    {
        QTRY_VERIFY_WITH_TIMEOUT(QAccessible::isActive(), 10000);
        QTest::mouseClick(pulsante(FrmInizio::caricato(), "Command1"), Qt::LeftButton);
        FrmEquivMul* e = FrmEquivMul::caricato();
        s_eventi.clear();
        s_origini.clear();
        const auto precedente = QAccessible::installUpdateHandler(registra);
        QTest::mouseClick(pulsante(e, "Command2"), Qt::LeftButton);
        QTest::mouseClick(pulsante(e, "CmdVerifica"), Qt::LeftButton);
        QAccessible::installUpdateHandler(precedente);
        for (const char* nome : {"LblRisultato", "LblIstruzione", "LblEsito"}) {
            bool sentito = false;
            for (qsizetype k = 0; k < s_eventi.size(); ++k)
                sentito |= s_origini[k] == etichetta(e, nome) && s_eventi[k] == QAccessible::NameChanged;
            QVERIFY2(sentito, nome);
        }
    }
};

QTEST_MAIN(ProvaAccessibilita)
#include "prova_accessibilita.moc"
