#include "exercise/frm_equivmul.h"

#include "exercise/quantita.h"
#include "exercise/stato.h"
#include "runtime/servizi.h"
#include "runtime/testo.h"

#include <QAction>
#include <QCloseEvent>
#include <QScreen>

namespace {
FrmEquivMul* s_caricato = nullptr;
std::function<void()>& ritorno()
{
    static std::function<void()> f;
    return f;
}
const QString IstruzioneTastierino =
    QStringLiteral("Clicca sul tastierino fino a completare il risultato. Poi clicca su Verifica");
} // namespace

FrmEquivMul* FrmEquivMul::istanza()
{
    if (!s_caricato) {
        s_caricato = new FrmEquivMul;
        s_caricato->Form_Load();
    }
    return s_caricato;
}

FrmEquivMul* FrmEquivMul::caricato() { return s_caricato; }

void FrmEquivMul::impostaRitorno(std::function<void()> mostraInizio) { ritorno() = std::move(mostraInizio); }

FrmEquivMul::FrmEquivMul()
{
    setObjectName(QStringLiteral("FrmEquivMul"));
    creaControlli();
    collegaEventi();
    if (const QScreen* sc = screen())
        move(sc->availableGeometry().center() - rect().center());
}

FrmEquivMul::~FrmEquivMul()
{
    if (s_caricato == this)
        s_caricato = nullptr;
}

void FrmEquivMul::scarica()
{
    if (m_scaricando)
        return;
    m_scaricando = true;
    if (ritorno())
        ritorno()();
    if (s_caricato == this)
        s_caricato = nullptr;
    hide();
    // Deleted once the current event is over: a handler of this screen may be on the stack.
    deleteLater();
}

void FrmEquivMul::closeEvent(QCloseEvent* e)
{
    // A close request is never refused.
    e->accept();
    scarica();
}

void FrmEquivMul::Form_Load()
{
    StatoProgramma& s = stato();
    setWindowTitle(QStringLiteral("TRASFORMAZIONI CON LE MISURE DI MASSA  kg  hg  dag  g"));
    Label1->setBackground(ui::rgb(255, 240, 150));
    Label2->setBackground(ui::rgb(250, 200, 110));
    Label2->setForeground(ui::rgb(128, 0, 0));
    Label2->setText(s.TestoDirezione);

    s.NumeroErrate = 0;
    s.NumeroEsatte = 0;
    s.NumeroOperazione = 1;
    LblOperazione->setText(testo::digits(s.NumeroOperazione));
    s.TempoTotale = 0;
    s.TempoParziale = 0;
    s.NumeroTentativi = 0;

    // Emptying the labels runs their change rule, which may show CmdVerifica;
    // it is hidden again right after.
    lblRisultatoS->setText(QString());
    LblRisultato->setText(QString());
    s.RispostaData.clear();

    lblHelp->hide();
    lblHelpS->hide();
    CmdOperazione->hide();
    CmdVerifica->hide();

    s.SimboliUnita = {QString(), QStringLiteral(" kg"), QStringLiteral(" hg"), QStringLiteral(" dag"),
                      QStringLiteral(" g"), QStringLiteral(" dg"), QStringLiteral(" cg"), QStringLiteral(" mg")};
    ui::Button* const simboli[] = {Command26, Command25, Command24, Command23, Command22, Command21, Command20};
    for (int i = 0; i < 7; ++i)
        simboli[i]->setText(s.SimboliUnita.at(static_cast<std::size_t>(i + 1)));

    s.LunghezzaMax = 7;
    NuovaOperazione();
}

void FrmEquivMul::NuovaOperazione()
{
    StatoProgramma& s = stato();
    Services& sv = services();
    sv.randomize(sv.timer());
    s.Estrazione = static_cast<short>(testo::floorValue(static_cast<double>(sv.rnd()) * 100.0) + 1);
    Label7->setText(testo::digits(s.Estrazione));

    const Coppia c = coppiaPerEstrazione(s.Estrazione);
    s.UnitaMaggiore = s.SimboliUnita.at(static_cast<std::size_t>(c.maggiore));
    s.UnitaMinore = s.SimboliUnita.at(static_cast<std::size_t>(c.minore));
    s.Distanza = c.distanza;
    generaQuantita(c.generatore, s.Distanza, [&sv] { return sv.rnd(); }, s.NumeroBase, s.ValoreMaggiore,
                   s.ValoreMinore);
    visualizza();
}

void FrmEquivMul::visualizza()
{
    Services& sv = services();
    switch (sceltaPresentazione(stato().TipoCalcolo, stato().Direzione, [&sv] { return sv.rnd(); })) {
    case Presentazione::NumeroMinore: DomandaNumeroMinore(); break;
    case Presentazione::NumeroMaggiore: DomandaNumeroMaggiore(); break;
    case Presentazione::SimboloMinore: DomandaSimboloMinore(); break;
    case Presentazione::SimboloMaggiore: DomandaSimboloMaggiore(); break;
    case Presentazione::Nessuna: break;
    }
    LblEsito->setText(QString());
    LblIstruzione->setText(IstruzioneTastierino);
    stato().TempoInizio = static_cast<float>(sv.timer());
}

namespace {

// Frames first, in the order number, keypad, symbol, symbol buttons.
void mostraCornici(FrmEquivMul* f, bool numero)
{
    f->fraNumero->setVisible(numero);
    f->fraTastierino->setVisible(numero);
    f->fraSimbolo->setVisible(!numero);
    f->FraSimboli->setVisible(!numero);
}

// "dato = ? unita": the number of the other side is asked for.
void domandaNumero(FrmEquivMul* f, const QString& dato, const QString& unita, const QString& esatta)
{
    mostraCornici(f, true);
    f->Label4->setText(dato);
    f->LblRisultato->setText(QStringLiteral("?"));   // runs the change rule before the answer is set
    f->Label11->setText(unita);
    stato().RispostaEsatta = esatta;
}

// "dato = numero ?": the unit of the other side is asked for.
void domandaSimbolo(FrmEquivMul* f, const QString& dato, const QString& numero, const QString& esatta)
{
    mostraCornici(f, false);
    f->Label4S->setText(dato);
    f->label11S->setText(numero);
    f->lblRisultatoS->setText(QStringLiteral("?"));
    stato().RispostaEsatta = esatta;
}

} // namespace

void FrmEquivMul::DomandaNumeroMinore()
{
    const StatoProgramma& s = stato();
    domandaNumero(this, s.ValoreMaggiore + s.UnitaMaggiore, s.UnitaMinore, s.ValoreMinore);
}

void FrmEquivMul::DomandaNumeroMaggiore()
{
    const StatoProgramma& s = stato();
    domandaNumero(this, s.ValoreMinore + s.UnitaMinore, s.UnitaMaggiore, s.ValoreMaggiore);
}

void FrmEquivMul::DomandaSimboloMinore()
{
    const StatoProgramma& s = stato();
    domandaSimbolo(this, s.ValoreMaggiore + s.UnitaMaggiore, s.ValoreMinore, s.UnitaMinore);
}

void FrmEquivMul::DomandaSimboloMaggiore()
{
    const StatoProgramma& s = stato();
    domandaSimbolo(this, s.ValoreMinore + s.UnitaMinore, s.ValoreMaggiore, s.UnitaMaggiore);
}

void FrmEquivMul::CmdOperazione_Click()
{
    Label4->setText(QString());
    Label4S->setText(QString());
    ProssimaOperazione();
}

void FrmEquivMul::ProssimaOperazione()
{
    StatoProgramma& s = stato();
    fraTastierino->setEnabled(true);
    FraSimboli->setEnabled(true);
    Label11->setText(QString());
    LblEsito->setText(QString());
    lblHelp->setText(QString());
    lblHelpS->setText(QString());
    frmAiuto->hide();
    s.RispostaData.clear();
    ++s.NumeroOperazione;
    LblOperazione->setText(testo::digits(s.NumeroOperazione));
    NuovaOperazione();
    CmdOperazione->hide();
    CmdVerifica->hide();
    s.NumeroTentativi = 0;
}

QList<ui::Button*> FrmEquivMul::pulsanti() const
{
    return {CmdVerifica, CmdOperazione, cmdSfondo, Cmdsi, Cmdno,
            Command1, Command2, Command3, Command4, Command5, Command6, Command7, Command8, Command9,
            Command10, Command11, Command12, Command13, Command16, Command17, Command18, Command19, cmdCancella,
            Command20, Command21, Command22, Command23, Command24, Command25, Command26, Command15};
}

void FrmEquivMul::collegaEventi()
{
    connect(MnuEsci, &QAction::triggered, this, &FrmEquivMul::MnuEsci_Click);
    connect(mnuQuadro, &QAction::triggered, this, &FrmEquivMul::mnuQuadro_Click);
    connect(CmdOperazione, &ui::Button::clicked, this, &FrmEquivMul::CmdOperazione_Click);
    connect(CmdVerifica, &ui::Button::clicked, this, &FrmEquivMul::CmdVerifica_Click);
    connect(Cmdsi, &ui::Button::clicked, this, &FrmEquivMul::Cmdsi_Click);
    connect(Cmdno, &ui::Button::clicked, this, &FrmEquivMul::Cmdno_Click);

    // Every keypad key appends its own caption.
    for (ui::Button* k : {Command2, Command3, Command4, Command5, Command6, Command7, Command8, Command9, Command10,
                          Command13, Command11, Command12, Command1, Command16, Command17, Command18, Command19})
        connect(k, &ui::Button::clicked, this, [this, k] { tasto(k->text()); });
    connect(cmdCancella, &ui::Button::clicked, this, &FrmEquivMul::cmdCancella_Click);

    ui::Button* const simboli[] = {Command26, Command25, Command24, Command23, Command22, Command21, Command20};
    for (int i = 0; i < 7; ++i)
        connect(simboli[i], &ui::Button::clicked, this, [this, i] { simbolo(i + 1); });
    connect(Command15, &ui::Button::clicked, this, &FrmEquivMul::Command15_Click);

    connect(LblRisultato, &ui::Label::changed, this, [this] { cambioRisultato(LblRisultato); });
    connect(lblRisultatoS, &ui::Label::changed, this, [this] { cambioRisultato(lblRisultatoS); });
}
