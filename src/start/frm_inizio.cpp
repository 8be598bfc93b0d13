// SPDX-License-Identifier: GPL-3.0-or-later
#include "start/frm_inizio.h"

#include "exercise/frm_equivmul.h"
#include "regole/frasi.h"
#include "regole/stato.h"
#include "runtime/servizi.h"
#include "start/frm_inizio_sfondo.h"
#include "start/schemi.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QWindow>

namespace {
FrmInizio* s_caricato = nullptr;
// While the program is ending, nothing may bring the start screen back.
bool s_terminando = false;

// The three direction buttons, Command1, Command3 and Command5: caption, Direzione and
// TestoDirezione.
struct Direzione {
    QString didascalia;
    short numero;
    QString frase;
};
const Direzione& direzione(int i)
{
    static const Direzione d[] = {
        {QStringLiteral(" kg  hg  dag  g"), 1, QStringLiteral(" Da unità maggiore a unità minore")},
        {QStringLiteral(" g  dag  hg  kg"), 2, QStringLiteral(" Da unità minore a unità maggiore")},
        {QStringLiteral(" Tuttte"), 3, QStringLiteral(" Da unità maggiore a unità minore e viceversa")},
    };
    return d[i];
}

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

FrmInizio::FrmInizio() : ui::Finestra(Qt::Window | Qt::FramelessWindowHint), m_ui(ui::ControlliInizio::crea(this))
{
    setObjectName(QStringLiteral("FrmInizio"));
    // A screen reader hears the direction in words, not the units spaced out.
    m_ui.Command1->setAccessibleName(direzione(0).frase.trimmed());
    m_ui.Command3->setAccessibleName(direzione(1).frase.trimmed());
    m_ui.Command5->setAccessibleName(direzione(2).frase.trimmed());
    m_ui.Command9->setAccessibleName(QStringLiteral("Esci"));
    m_ui.Combo1->setFocus();

    // Leaving an exercise brings this screen back, and its score is said.
    FrmEquivMul::impostaRitorno([this](const QString& congedo) {
        FrmInizio::mostra();
        m_ui.avviso->annuncia(congedo);
    });

    connect(m_ui.Command1, &ui::Pulsante::clicked, this, &FrmInizio::Command1_Click);
    connect(m_ui.Command3, &ui::Pulsante::clicked, this, &FrmInizio::Command3_Click);
    connect(m_ui.Command5, &ui::Pulsante::clicked, this, &FrmInizio::Command5_Click);
    connect(m_ui.Command9, &ui::Pulsante::clicked, this, &FrmInizio::Command9_Click);
    // A screen reader drops the new choice of a list that moves under the arrow keys: it is said.
    connect(m_ui.Combo1, &QComboBox::activated, this, [this] { m_ui.avviso->annuncia(m_ui.Combo1->currentText()); });
    connect(m_ui.MnuEsci, &QAction::triggered, this, &FrmInizio::MnuEsci_Click);
    connect(m_ui.mnuInfo, &QAction::triggered, this, &FrmInizio::mnuInfo_Click);
    connect(m_ui.mnuAvvertenza, &QAction::triggered, this, &FrmInizio::mnuAvvertenza_Click);
    // The pointer is read once the screen has been painted: nobody sees it before.
    connect(
        this, &ui::Finestra::dipinta, this, [this] { m_ui.caricaPuntatore(); }, Qt::SingleShotConnection);
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
    m_ui.Label6->setText(QStringLiteral("TRASFORMAZIONI CON LE MISURE DI MASSA"));
    m_ui.Label4->setText(QStringLiteral("Chilogrammi, ettogrammi, decagrammi, grammi"));
    m_ui.Label2->setText(QStringLiteral("Esercitazione"));
    m_ui.Command1->setText(direzione(0).didascalia);
    m_ui.Command3->setText(direzione(1).didascalia);
    m_ui.Command5->setText(direzione(2).didascalia);
    m_ui.Command9->setText(QStringLiteral("E s c i "));
    for (const TipoDiCalcolo& t : tipiDiCalcolo())
        m_ui.Combo1->addItem(t.voce);
    m_ui.Combo1->setCurrentIndex(m_ui.Combo1->findText(tipiDiCalcolo()[0].voce));
    m_ui.avviso->annuncia(frasi::benvenuto(m_ui.Combo1->currentText()));
}

void FrmInizio::sceltaDirezione(int i)
{
    stato().TestoDirezione = direzione(i).frase;
    stato().Direzione = direzione(i).numero;
    ApriEsercitazione();
}

void FrmInizio::ApriEsercitazione()
{
    const int posizione = m_ui.Combo1->currentIndex();
    if (posizione >= 0 && posizione < int(tipiDiCalcolo().size())) {
        const TipoDiCalcolo& t = tipiDiCalcolo()[static_cast<std::size_t>(posizione)];
        stato().TipoCalcolo = t.tipoCalcolo;
        t.proprieta();
        FrmEquivMul::istanza()->scriviTipo(QLatin1Char(' ') + t.voce);
    }
    FrmEquivMul* e = FrmEquivMul::istanza();
    // Hidden once the exercise is on screen, even where the window system makes no other
    // screen of the program active (a Wayland compositor without a keyboard to give).
    connect(e, &ui::Finestra::dipinta, this, &FrmInizio::Form_Deactivate, Qt::SingleShotConnection);
    e->show();
    e->raise();
    e->activateWindow();
}

void FrmInizio::Form_Deactivate()
{
    hide();
    // Hidden while the exercise runs: its picture is painted anew when it comes back.
    lasciaImmagine();
}

void FrmInizio::keyPressEvent(QKeyEvent* e)
{
    const bool conferma = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
    auto* b = qobject_cast<ui::Pulsante*>(focusWidget());
    if (conferma && b && !e->isAutoRepeat() && !(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
        b->premi();
    else if (e->key() == Qt::Key_F1 && !e->isAutoRepeat())
        m_ui.avviso->annuncia(frasi::tastiInizio());
    else
        ui::Finestra::keyPressEvent(e);
}

void FrmInizio::mnuInfo_Click() { avviaCompagno(QStringLiteral("www.exe")); }
void FrmInizio::mnuAvvertenza_Click() { avviaCompagno(QStringLiteral("avvertenza.exe")); }

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
