// SPDX-License-Identifier: GPL-3.0-or-later
#include "informazioni.h"

namespace compagni {

Informazioni::Informazioni(QWidget* genitore)
    : Finestra(QStringLiteral("Informazioni"), QStringLiteral("TRASFORMAZIONI CON LE MISURE DI MASSA"), genitore)
{
    auto* versione = etichetta(QStringLiteral("Versione %1").arg(QStringLiteral(MASSA_VERSIONE)), Sfondo, TestoStriscia,
                               22);
    versione->setObjectName(QStringLiteral("versione"));
    corpo()->addWidget(versione);

    auto* scopo = etichetta(QStringLiteral("Un'esercitazione per imparare a trasformare le misure di massa: "
                                           "chilogrammi, ettogrammi, decagrammi e grammi."),
                            Riquadro, Qt::black, 22);
    scopo->setObjectName(QStringLiteral("scopo"));
    corpo()->addWidget(scopo);
    corpo()->addStretch(1);

    auto* ideazione = etichetta(QStringLiteral("Ideazione, progettazione e realizzazione"), Crediti, Qt::black, 24);
    corpo()->addWidget(ideazione);
    auto* autore = etichetta(QStringLiteral("Il software di Velmaro"), Crediti, QColor(192, 0, 0), 24);
    corpo()->addWidget(autore);
    for (QLabel* l : {versione, scopo, ideazione, autore})
        leggibile(l, l->text());
    // Opened, it says its title and the version.
    versione->setFocus();
    resize(760, 460);
}

} // namespace compagni
