#include "avvertenza.h"

#include <QScrollArea>

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
    // window's width: no word is ever cut off.
    auto* scorrimento = new QScrollArea(this);
    scorrimento->setObjectName(QStringLiteral("scorrimento"));
    scorrimento->setFrameShape(QFrame::NoFrame);
    scorrimento->setWidgetResizable(true);
    scorrimento->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* testo = new QWidget;
    auto* colonna = new QVBoxLayout(testo);
    colonna->setContentsMargins(0, 0, 0, 0);
    colonna->setSpacing(corpo()->spacing());
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
    scorrimento->setWidget(testo);
    // Opened, it says its title and its first paragraph.
    testo->findChild<QLabel*>(QStringLiteral("paragrafo"))->setFocus();
    // The window's green behind the paragraphs, as before they scrolled.
    scorrimento->viewport()->setAutoFillBackground(false);
    testo->setAutoFillBackground(false);
    corpo()->addWidget(scorrimento, 1);
    resize(820, 540);
}

} // namespace compagni
