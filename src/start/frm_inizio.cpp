#include "start/frm_inizio.h"

#include "exercise/frm_equivmul.h"
#include "exercise/stato.h"
#include "runtime/servizi.h"
#include "start/frm_inizio_sfondo.h"
#include "start/schemi.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QScreen>
#include <QWindow>

namespace {
FrmInizio* s_caricato = nullptr;
// While the program is ending, nothing may bring the start screen back.
bool s_terminando = false;
const QString DaMaggioreAMinore = QStringLiteral(" Da unità maggiore a unità minore");
const QString DaMinoreAMaggiore = QStringLiteral(" Da unità minore a unità maggiore");
const QString Entrambe = QStringLiteral(" Da unità maggiore a unità minore e viceversa");
std::function<void()>& fine()
{
    static std::function<void()> f = [] { QCoreApplication::exit(0); };
    return f;
}
} // namespace

FrmInizio* FrmInizio::istanza()
{
    if (!s_caricato) {
        s_caricato = new FrmInizio;
        s_caricato->Form_Load();
    }
    return s_caricato;
}

FrmInizio* FrmInizio::caricato() { return s_caricato; }

void FrmInizio::impostaFine(std::function<void()> f) { fine() = std::move(f); }

void FrmInizio::mostra()
{
    if (s_terminando)
        return;
    FrmInizio* f = istanza();
    f->show();
    f->raise();
    f->activateWindow();
}

FrmInizio::FrmInizio() : ui::Finestra(Qt::Window | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("FrmInizio"));
    creaControlli();
    // A screen reader hears the direction in words, not the units spaced out.
    Command1->setAccessibleName(DaMaggioreAMinore.trimmed());
    Command3->setAccessibleName(DaMinoreAMaggiore.trimmed());
    Command5->setAccessibleName(Entrambe.trimmed());
    Command9->setAccessibleName(QStringLiteral("Esci"));
    ordinaTabulazione();
    Combo1->setFocus();
    if (const QScreen* sc = screen())
        move(sc->geometry().center() - rect().center());

    // Leaving an exercise brings this screen back.
    FrmEquivMul::impostaRitorno([] { FrmInizio::mostra(); });

    connect(Command1, &ui::Button::clicked, this, &FrmInizio::Command1_Click);
    connect(Command3, &ui::Button::clicked, this, &FrmInizio::Command3_Click);
    connect(Command5, &ui::Button::clicked, this, &FrmInizio::Command5_Click);
    connect(Command9, &ui::Button::clicked, this, &FrmInizio::Command9_Click);
    connect(MnuEsci, &QAction::triggered, this, &FrmInizio::MnuEsci_Click);
    connect(mnuInfo, &QAction::triggered, this, &FrmInizio::mnuInfo_Click);
    connect(mnuAvvertenza, &QAction::triggered, this, &FrmInizio::mnuAvvertenza_Click);
    connect(qApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow* w) {
        // Only another screen of the drill hides it: not a message box, not another program.
        if (w && FrmEquivMul::caricato() && w == FrmEquivMul::caricato()->windowHandle())
            Form_Deactivate();
    });
}

FrmInizio::~FrmInizio()
{
    if (s_caricato == this)
        s_caricato = nullptr;
}

void FrmInizio::Form_Load()
{
    setWindowTitle(QStringLiteral("TRASFORMAZIONI CON LE MISURE DI MASSA"));
    Label6->setText(QStringLiteral("TRASFORMAZIONI CON LE MISURE DI MASSA"));
    Label4->setText(QStringLiteral("Chilogrammi, ettogrammi, decagrammi, grammi"));
    Label2->setText(QStringLiteral("Esercitazione"));
    Command1->setText(QStringLiteral(" kg  hg  dag  g"));
    Command3->setText(QStringLiteral(" g  dag  hg  kg"));
    Command5->setText(QStringLiteral(" Tuttte"));
    Command9->setText(QStringLiteral("E s c i "));
    Combo1->addItem(QStringLiteral("Calcolo del risultato"));
    Combo1->addItem(QStringLiteral("Calcolo del simbolo"));
    Combo1->addItem(QStringLiteral("Calcolo casuale del risultato o del simbolo"));
    Combo1->setCurrentIndex(Combo1->findText(QStringLiteral("Calcolo del risultato")));
}

void FrmInizio::Command1_Click()
{
    stato().TestoDirezione = DaMaggioreAMinore;
    stato().Direzione = 1;
    ApriEsercitazione();
}

void FrmInizio::Command3_Click()
{
    stato().TestoDirezione = DaMinoreAMaggiore;
    stato().Direzione = 2;
    ApriEsercitazione();
}

void FrmInizio::Command5_Click()
{
    stato().TestoDirezione = Entrambe;
    stato().Direzione = 3;
    ApriEsercitazione();
}

void FrmInizio::ApriEsercitazione()
{
    switch (Combo1->currentIndex()) {
    case 0:
        stato().TipoCalcolo = 1;
        propriet1();
        FrmEquivMul::istanza()->Label1->setText(QStringLiteral(" Calcolo del risultato"));
        break;
    case 1:
        stato().TipoCalcolo = 2;
        propriet2();
        FrmEquivMul::istanza()->Label1->setText(QStringLiteral(" Calcolo del simbolo"));
        break;
    case 2:
        stato().TipoCalcolo = 3;
        propriet3();
        FrmEquivMul::istanza()->Label1->setText(QStringLiteral(" Calcolo casuale del risultato o del simbolo"));
        break;
    default:
        break;
    }
    FrmEquivMul* e = FrmEquivMul::istanza();
    e->show();
    e->raise();
    e->activateWindow();
}

void FrmInizio::Form_Deactivate() { hide(); }

void FrmInizio::keyPressEvent(QKeyEvent* e)
{
    const bool conferma = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
    auto* b = qobject_cast<ui::Button*>(focusWidget());
    if (conferma && b && !e->isAutoRepeat() && !(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
        b->premi();
    else
        QWidget::keyPressEvent(e);
}

void FrmInizio::avvia(const QString& programma)
{
    if (!services().startProgram(programma, Services::WindowNormalFocus))
        services().messageBox(QStringLiteral("File mancante"), Services::StyleOkOnly);
}

void FrmInizio::mnuInfo_Click() { avvia(QStringLiteral("www.exe")); }
void FrmInizio::mnuAvvertenza_Click() { avvia(QStringLiteral("avvertenza.exe")); }

void FrmInizio::closeEvent(QCloseEvent* e)
{
    // Never refused, never a question.
    e->accept();
    chiudi();
}

void FrmInizio::chiudi()
{
    if (m_scaricando)
        return;
    m_scaricando = true;
    s_terminando = true;
    // The exercise is normally gone already; should the desktop close us while it runs,
    // it goes first.
    if (FrmEquivMul* e = FrmEquivMul::caricato())
        e->scarica();
    s_caricato = nullptr;
    hide();
    deleteLater();
    FrmInizioSfondo::scarica();
    s_terminando = false;
    if (fine())
        fine()();
}
