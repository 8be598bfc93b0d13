// SPDX-License-Identifier: GPL-3.0-or-later
#include "avvertenza.h"

namespace compagni {

Avvertenza::Avvertenza(QWidget* genitore)
    : Finestra(QStringLiteral("Avvertenza"), QStringLiteral("AVVERTENZA"), genitore)
{
    const QString paragrafi[] = {
        QStringLiteral("Agli insegnanti e ai genitori."),
        QStringLiteral("Il programma fa esercitare nelle trasformazioni tra chilogrammi, ettogrammi, "
                       "decagrammi e grammi."),
        QStringLiteral("Nella finestra iniziale si sceglie che cosa trovare (il numero, il simbolo dell'unità "
                       "di misura, oppure l'uno o l'altro a caso) e in quale verso trasformare. "
                       "Poi si compone la risposta con la tastiera sullo schermo o con i pulsanti dei simboli "
                       "e si preme «Verifica»."),
        QStringLiteral("Dopo una risposta sbagliata il programma offre un aiuto; dopo tre tentativi mostra "
                       "la risposta esatta. Il menu «Il quadro» apre la tabella delle unità di misura."),
        QStringLiteral("Il programma non salva nulla sul disco: risposte, punteggi e tempi si perdono "
                       "quando lo si chiude."),
    };
    // On a screen too small for the whole notice the paragraphs scroll, still wrapped to the
    // window's width.
    QVBoxLayout* colonna = colonnaScorrevole(Scorre::Giu);
    bool primo = true;
    for (const QString& paragrafo : paragrafi) {
        auto* l = etichetta(paragrafo, primo ? Sfondo : Riquadro, primo ? TestoStriscia : Qt::black, 20);
        l->setAlignment(primo ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
        l->setObjectName(QStringLiteral("paragrafo"));
        // Read paragraph by paragraph with the arrows or Tab.
        leggibile(l, paragrafo);
        colonna->addWidget(l);
        primo = false;
    }
    colonna->addStretch(1);
    // Opened, it says its title and its first paragraph.
    findChild<QLabel*>(QStringLiteral("paragrafo"))->setFocus();
    resize(820, 540);
}

} // namespace compagni
