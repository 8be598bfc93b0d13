// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Text and number helpers with the exact behaviour the drill's texts rely on.
namespace testo {

// Greatest whole number not above x.
double parteIntera(double x);
// Decimal text of a number: a leading blank when not negative, "-" otherwise,
// "." as decimal point whatever the locale, no grouping.
QString numeroInTesto(double x);
// The digits of a whole number alone: trimmed numeroInTesto.
QString cifre(long long n);
// Without leading and trailing blanks.
QString senzaSpazi(const QString& s);
// First or last n characters; the whole text when n is larger.
QString sinistra(const QString& s, int n);
QString destra(const QString& s, int n);
int lunghezza(const QString& s);

} // namespace testo
