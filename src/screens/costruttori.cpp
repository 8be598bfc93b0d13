// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/costruttori.h"

namespace ui {

Etichetta* etichetta(QWidget* in, const char* nome, int sinistra, int alto, int larghezza, int altezza,
                     const QString& testo, const QFont& font, const QColor& inchiostro, OpzioniEtichetta opzioni)
{
    auto* x = new Etichetta(in, QString::fromLatin1(nome));
    posiziona(x, sinistra, alto, larghezza, altezza);
    x->setFont(font);
    x->impostaInchiostro(inchiostro);
    x->setAlignment(opzioni & Centrata ? Qt::AlignHCenter : Qt::AlignLeft);
    x->impostaTrasparente(opzioni & Trasparente);
    x->setText(testo);
    x->lower();
    return x;
}

Pulsante* pulsante(QWidget* in, const char* nome, int sinistra, int alto, int larghezza, int altezza,
                   const QString& didascalia, const QFont& font, const QColor& sfondo)
{
    auto* x = new Pulsante(in, QString::fromLatin1(nome), didascalia);
    posiziona(x, sinistra, alto, larghezza, altezza);
    x->setFont(font);
    x->impostaSfondo(sfondo);
    x->lower();
    return x;
}

Cornice* cornice(QWidget* in, const char* nome, int sinistra, int alto, int larghezza, int altezza,
                 const QString& didascalia, const QFont& font, const QColor& sfondo, Bordo bordo)
{
    auto* x = new Cornice(in, QString::fromLatin1(nome), didascalia, bordo);
    posiziona(x, sinistra, alto, larghezza, altezza);
    x->setFont(font);
    x->impostaSfondo(sfondo);
    x->lower();
    return x;
}

} // namespace ui
