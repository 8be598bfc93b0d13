#include "exercise/frm_equivmul.h"

#include "runtime/piattaforma.h"

#include <QAction>
#include <QCloseEvent>
#include <QKeyEvent>

namespace {
FrmEquivMul* s_caricato = nullptr;
std::function<void()>& ritorno()
{
    static std::function<void()> f;
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

void FrmEquivMul::impostaRitorno(std::function<void()> mostraInizio) { ritorno() = std::move(mostraInizio); }

FrmEquivMul::FrmEquivMul()
    : c(ui::ControlliEquivMul::crea(this)), m_ciclo(c), m_ingresso(c), m_aiuto(c), m_verifica(c, m_aiuto)
{
    setObjectName(QStringLiteral("FrmEquivMul"));
    QObject::connect(c.MnuEsci, &QAction::triggered, this, &FrmEquivMul::MnuEsci_Click);
    QObject::connect(c.CmdOperazione, &ui::Pulsante::clicked, this, [this] {
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

void FrmEquivMul::keyPressEvent(QKeyEvent* e)
{
    if (!m_ingresso.tasto(e->key(), e->modifiers(), e->isAutoRepeat()))
        ui::Finestra::keyPressEvent(e);
}

void FrmEquivMul::colora(const ui::SchemaColori& schema)
{
    superficie()->impostaSfondo(schema.sfondo);
    for (ui::Cornice* f : {c.Frame1, c.frmAiuto, c.fraNumero, c.fraSimbolo})
        f->impostaSfondo(schema.sfondo);
    if (schema.tastierino)
        c.fraTastierino->impostaSfondo(schema.sfondo);
    if (schema.simboli)
        c.FraSimboli->impostaSfondo(schema.sfondo);
    c.LblAiuto->impostaSfondo(schema.aiuto);
    // The buttons, and the statistics frame behind the main ones, take the button colour.
    c.frmElaborazione->impostaSfondo(schema.pulsanti);
    for (ui::Pulsante* b : c.pulsanti())
        b->impostaSfondo(schema.pulsanti);
    c.LblRisultato->impostaInchiostro(QColor(150, 100, 100));
}

void FrmEquivMul::scriviTipo(const QString& testo) { c.Label1->setText(testo); }

void FrmEquivMul::prepara()
{
    piattaforma::desktop().chiediCornice();
    ui::ControlliEquivMul::preparaCaratteri();
}
