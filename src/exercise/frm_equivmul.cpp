// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/frm_equivmul.h"

#include "regole/frasi.h"
#include "regole/stato.h"
#include "runtime/piattaforma.h"

#include <QAction>
#include <QCloseEvent>
#include <QKeyEvent>

namespace {
FrmEquivMul* s_caricato = nullptr;
std::function<void(const QString&)>& ritorno()
{
    static std::function<void(const QString&)> f;
    return f;
}
} // namespace

FrmEquivMul* FrmEquivMul::istanza()
{
    if (!s_caricato) {
        s_caricato = new FrmEquivMul;
        s_caricato->m_ciclo.Form_Load(s_caricato);
    }
    return s_caricato;
}

FrmEquivMul* FrmEquivMul::caricato() { return s_caricato; }

void FrmEquivMul::impostaRitorno(std::function<void(const QString&)> mostraInizio)
{
    ritorno() = std::move(mostraInizio);
}

FrmEquivMul::FrmEquivMul()
    : m_ui(ui::ControlliEquivMul::crea(this)), m_ciclo(m_ui), m_ingresso(m_ui), m_aiuto(m_ui), m_verifica(m_ui, m_aiuto)
{
    setObjectName(QStringLiteral("FrmEquivMul"));
    QObject::connect(m_ui.MnuEsci, &QAction::triggered, this, &FrmEquivMul::MnuEsci_Click);
    QObject::connect(m_ui.CmdOperazione, &ui::Pulsante::clicked, this, [this] {
        if (!m_verifica.appenaMostrataOperazione())
            m_ciclo.CmdOperazione_Click();
    });
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
        ritorno()(frasi::fine(stato().NumeroEsatte, stato().NumeroErrate));
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

void FrmEquivMul::keyPressEvent(QKeyEvent* e)
{
    if (!m_ingresso.tasto(e->key(), e->modifiers(), e->isAutoRepeat()))
        ui::Finestra::keyPressEvent(e);
}

void FrmEquivMul::colora(const ui::SchemaColori& schema)
{
    superficie()->impostaSfondo(schema.sfondo);
    for (ui::Cornice* f : {m_ui.Frame1, m_ui.frmAiuto, m_ui.fraNumero, m_ui.fraSimbolo})
        f->impostaSfondo(schema.sfondo);
    using Cornici = ui::SchemaColori::Cornici;
    if (schema.colorate != Cornici::Simboli)
        m_ui.fraTastierino->impostaSfondo(schema.sfondo);
    if (schema.colorate != Cornici::Tastierino)
        m_ui.FraSimboli->impostaSfondo(schema.sfondo);
    m_ui.LblAiuto->impostaSfondo(schema.aiuto);
    // The buttons, and the statistics frame behind the main ones, take the button colour.
    m_ui.frmElaborazione->impostaSfondo(schema.pulsanti);
    for (ui::Pulsante* b : m_ui.pulsanti())
        b->impostaSfondo(schema.pulsanti);
    m_ui.LblRisultato->impostaInchiostro(QColor(150, 100, 100));
}

void FrmEquivMul::scriviTipo(const QString& testo) { m_ui.Label1->setText(testo); }

void FrmEquivMul::prepara()
{
    piattaforma::desktop().chiediCornice();
    ui::ControlliEquivMul::preparaCaratteri();
}
