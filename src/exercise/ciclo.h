// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "regole/frasi.h"
#include "screens/layout_equivmul.h"

// The exercise screen's question cycle: its loading, each new question with its draw,
// quantity and presentation, and "Nuova trasformazione".
class CicloDomande {
public:
    explicit CicloDomande(ui::ControlliEquivMul& controlli);

    // Loading the screen: titles, counters, the symbol table, question 1.
    void Form_Load(QWidget* finestra);
    void CmdOperazione_Click();

private:
    void NuovaOperazione();
    void visualizza();
    void DomandaNumeroMinore();
    void DomandaNumeroMaggiore();
    void DomandaSimboloMinore();
    void DomandaSimboloMaggiore();
    void ProssimaOperazione();
    void domandaNumero(const QString& dato, const QString& unita, const QString& esatta);
    void domandaSimbolo(const QString& dato, const QString& numero, const QString& esatta);
    void mostraCornici(frasi::Incognita incognita);

    ui::ControlliEquivMul& m_ui;
};
