#include "exercise/frm_equivmul.h"
#include "exercise/stato.h"
#include "runtime/servizi_reali.h"

#include <QApplication>
#include <QStyleFactory>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("misure-di-massa"));
    QApplication::setApplicationDisplayName(applicationTitle());
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    RealServices real;
    installServices(&real);

    // Until the start screen opens it, the exercise runs with number questions from the larger unit.
    stato().TipoCalcolo = 1;
    stato().Direzione = 1;
    stato().TestoDirezione = QStringLiteral(" Da unità maggiore a unità minore");
    FrmEquivMul* f = FrmEquivMul::istanza();
    f->Label1->setText(QStringLiteral(" Calcolo del risultato"));
    FrmEquivMul::impostaRitorno([] { QApplication::quit(); });
    f->show();
    const int rc = QApplication::exec();
    installServices(nullptr);
    return rc;
}
