#include "quadro.h"

#include <QGridLayout>

namespace compagni {

namespace {

struct Unita {
    const char* simbolo;
    const char* nome;
};

// From the largest to the smallest: each is ten times the next.
constexpr Unita ElencoUnita[] = {
    {"kg", "chilogrammo"}, {"hg", "ettogrammo"},  {"dag", "decagrammo"}, {"g", "grammo"},
    {"dg", "decigrammo"},  {"cg", "centigrammo"}, {"mg", "milligrammo"},
};
// The drill works with the first four; they stand out in the stronger yellow.
constexpr int UnitaDellEsercizio = 4;

} // namespace

Quadro::Quadro(QWidget* genitore)
    : Finestra(QStringLiteral("Il quadro delle misure di massa"), QStringLiteral("IL QUADRO DELLE MISURE DI MASSA"),
               genitore)
{
    auto* griglia = new QGridLayout;
    griglia->setHorizontalSpacing(2);
    griglia->setVerticalSpacing(6);
    int colonna = 0;
    for (int i = 0; i < static_cast<int>(std::size(ElencoUnita)); ++i) {
        const QColor colore = i < UnitaDellEsercizio ? RiquadroForte : Riquadro;
        auto* simbolo = etichetta(QString::fromUtf8(ElencoUnita[i].simbolo), colore, TestoStriscia, 38);
        simbolo->setObjectName(QStringLiteral("simbolo"));
        simbolo->setMinimumWidth(72);
        auto* nome = etichetta(QString::fromUtf8(ElencoUnita[i].nome), colore, Qt::black, 11);
        nome->setMargin(3);
        nome->setObjectName(QStringLiteral("nome"));
        nome->setWordWrap(false);
        griglia->addWidget(simbolo, 0, colonna);
        griglia->addWidget(nome, 1, colonna);
        griglia->setColumnStretch(colonna, 2);
        ++colonna;
        if (i + 1 < static_cast<int>(std::size(ElencoUnita))) {
            auto* avanti = etichetta(QStringLiteral("x 10\n→"), Sfondo, QColor(0, 128, 0), 16);
            avanti->setObjectName(QStringLiteral("perDieci"));
            avanti->setMargin(0);
            auto* indietro = etichetta(QStringLiteral("←\n: 10"), Sfondo, QColor(192, 0, 0), 16);
            indietro->setObjectName(QStringLiteral("diviso10"));
            indietro->setMargin(0);
            griglia->addWidget(avanti, 0, colonna);
            griglia->addWidget(indietro, 1, colonna);
            griglia->setColumnStretch(colonna, 1);
            ++colonna;
        }
    }
    corpo()->addLayout(griglia);

    auto* regola = etichetta(QStringLiteral(
                                 "Verso destra l'unità è 10 volte più piccola: il numero si moltiplica per 10.\n"
                                 "Verso sinistra l'unità è 10 volte più grande: il numero si divide per 10."),
                             Sfondo, TestoStriscia, 16);
    regola->setObjectName(QStringLiteral("regola"));
    corpo()->addWidget(regola);

    auto* titoloEsempi = etichetta(QStringLiteral("Esempi"), Striscia, TestoStriscia, 20);
    corpo()->addWidget(titoloEsempi);
    const QString esempi[] = {
        QStringLiteral("1 kg = 10 hg = 100 dag = 1000 g"),
        QStringLiteral("1 g = 10 dg = 100 cg = 1000 mg"),
        QStringLiteral("3 hg = 30 dag = 300 g"),
        QStringLiteral("2500 g = 250 dag = 25 hg = 2,5 kg"),
    };
    for (const QString& testo : esempi) {
        auto* esempio = etichetta(testo, Riquadro, Qt::black, 22);
        esempio->setObjectName(QStringLiteral("esempio"));
        corpo()->addWidget(esempio);
    }
    corpo()->addStretch(1);
    // Roomy on a classroom screen of 1024 x 768, and still whole, frame included, on one of
    // 800 x 600.
    resize(qMax(minimumSizeHint().width(), 960), qMax(minimumSizeHint().height(), 600));
}

} // namespace compagni
