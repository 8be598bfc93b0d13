// SPDX-License-Identifier: GPL-3.0-or-later
#include "start/schemi.h"

#include "exercise/frm_equivmul.h"
#include "regole/stato.h"

namespace {

QColor daNumero(long v) { return QColor(int(v & 0xFF), int((v >> 8) & 0xFF), int((v >> 16) & 0xFF)); }
long aNumero(const QColor& c) { return c.red() + 256L * c.green() + 65536L * c.blue(); }

void applica(const ui::SchemaColori& schema)
{
    // This first access loads the exercise screen, and poses question 1, before any colour.
    FrmEquivMul* f = FrmEquivMul::istanza();
    // The button colour goes through its decimal text, as ColoraPulsanti reads it back.
    stato().ColorePulsanti = QString::number(aNumero(schema.pulsanti));
    ui::SchemaColori colori = schema;
    colori.pulsanti = daNumero(stato().ColorePulsanti.toLong());
    f->colora(colori);
}

} // namespace

const std::array<TipoDiCalcolo, 3>& tipiDiCalcolo()
{
    static const std::array<TipoDiCalcolo, 3> tipi = {{
        {QStringLiteral("Calcolo del risultato"),
         1,
         propriet1,
         {QColor(250, 250, 200), QColor(250, 250, 150), QColor(240, 220, 150), ui::SchemaColori::Cornici::Tastierino}},
        {QStringLiteral("Calcolo del simbolo"),
         2,
         propriet2,
         {QColor(200, 255, 255), QColor(200, 255, 205), QColor(200, 200, 255), ui::SchemaColori::Cornici::Simboli}},
        {QStringLiteral("Calcolo casuale del risultato o del simbolo"),
         3,
         propriet3,
         {QColor(255, 215, 220), QColor(255, 215, 170), QColor(240, 180, 220), ui::SchemaColori::Cornici::Entrambe}},
    }};
    return tipi;
}

void propriet1() { applica(tipiDiCalcolo()[0].schema); }
void propriet2() { applica(tipiDiCalcolo()[1].schema); }
void propriet3() { applica(tipiDiCalcolo()[2].schema); }
