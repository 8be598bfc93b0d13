// SPDX-License-Identifier: GPL-3.0-or-later
#include "quadro.h"

#include "regole/unita.h"

#include <QGridLayout>

namespace compagni {

namespace {

using misure::ElencoUnita;

// What a screen reader says of a unit's column: its name and how it stands to its neighbour.
QString colonnaInParole(std::size_t i)
{
    const QString nome = QString::fromUtf8(ElencoUnita[i].singolare);
    const QString capo = nome.left(1).toUpper() + nome.mid(1);
    if (i + 1 < std::size(ElencoUnita))
        return QStringLiteral("%1: 1 %2 uguale 10 %3.").arg(capo, nome, QString::fromUtf8(ElencoUnita[i + 1].plurale));
    return QStringLiteral("%1, la più piccola: 10 %2 uguale 1 %3.")
        .arg(capo, QString::fromUtf8(ElencoUnita[i].plurale), QString::fromUtf8(ElencoUnita[i - 1].singolare));
}

// "3 hg = 30 dag" -> "3 ettogrammi uguale 30 decagrammi": a symbol is spelt out, a name is not.
QString esempioInParole(const QString& esempio)
{
    QStringList parole = esempio.split(QLatin1Char(' '));
    for (qsizetype k = 0; k < parole.size(); ++k) {
        if (parole[k] == QLatin1String("="))
            parole[k] = QStringLiteral("uguale");
        for (const misure::Unita& u : ElencoUnita) {
            if (k > 0 && parole[k] == QLatin1String(u.simbolo))
                parole[k] = QString::fromUtf8(parole[k - 1] == QLatin1String("1") ? u.singolare : u.plurale);
        }
        parole[k].replace(QLatin1Char(','), QStringLiteral(" virgola "));
    }
    return parole.join(QLatin1Char(' '));
}

} // namespace

Quadro::Quadro(QWidget* genitore)
    : Finestra(QStringLiteral("Il quadro delle misure di massa"), QStringLiteral("IL QUADRO DELLE MISURE DI MASSA"),
               genitore)
{
    // On a small screen, or a large scale, it scrolls rather than squeeze a symbol or a sum.
    QVBoxLayout* contenuto = colonnaScorrevole(Scorre::Ovunque);
    auto* griglia = new QGridLayout;
    griglia->setHorizontalSpacing(2);
    griglia->setVerticalSpacing(6);
    int colonna = 0;
    for (int i = 0; i < static_cast<int>(std::size(ElencoUnita)); ++i) {
        // The drill's own units stand out in the stronger yellow.
        const QColor colore = i < misure::UnitaDellEsercizio ? RiquadroForte : Riquadro;
        auto* simbolo = etichetta(QString::fromUtf8(ElencoUnita[i].simbolo), colore, TestoStriscia, 38);
        simbolo->setObjectName(QStringLiteral("simbolo"));
        simbolo->setMinimumWidth(72);
        simbolo->setWordWrap(false);
        leggibile(simbolo, colonnaInParole(static_cast<std::size_t>(i)));
        auto* nome = etichetta(QString::fromUtf8(ElencoUnita[i].singolare), colore, Qt::black, 11);
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
            avanti->setWordWrap(false);
            auto* indietro = etichetta(QStringLiteral("←\n: 10"), Sfondo, QColor(192, 0, 0), 16);
            indietro->setObjectName(QStringLiteral("diviso10"));
            indietro->setMargin(0);
            indietro->setWordWrap(false);
            griglia->addWidget(avanti, 0, colonna);
            griglia->addWidget(indietro, 1, colonna);
            griglia->setColumnStretch(colonna, 1);
            ++colonna;
        }
    }
    contenuto->addLayout(griglia);

    auto* regola = etichetta(QStringLiteral(
                                 "Verso destra l'unità è 10 volte più piccola: il numero si moltiplica per 10.\n"
                                 "Verso sinistra l'unità è 10 volte più grande: il numero si divide per 10."),
                             Sfondo, TestoStriscia, 16);
    regola->setObjectName(QStringLiteral("regola"));
    leggibile(regola, regola->text());
    contenuto->addWidget(regola);

    auto* titoloEsempi = etichetta(QStringLiteral("Esempi"), Striscia, TestoStriscia, 20);
    contenuto->addWidget(titoloEsempi);
    const QString esempi[] = {
        QStringLiteral("1 kg = 10 hg = 100 dag = 1000 g"),
        QStringLiteral("1 g = 10 dg = 100 cg = 1000 mg"),
        QStringLiteral("3 hg = 30 dag = 300 g"),
        QStringLiteral("2500 g = 250 dag = 25 hg = 2,5 kg"),
    };
    for (const QString& testo : esempi) {
        auto* esempio = etichetta(testo, Riquadro, Qt::black, 22);
        esempio->setObjectName(QStringLiteral("esempio"));
        leggibile(esempio, esempioInParole(testo));
        contenuto->addWidget(esempio);
    }
    contenuto->addStretch(1);
    // Opened, it says its title and its first column.
    findChild<QLabel*>(QStringLiteral("simbolo"))->setFocus();
    // Roomy on a classroom screen of 1024 x 768, and whole, frame included, on one of 800 x 600.
    resize(960, 600);
}

} // namespace compagni
