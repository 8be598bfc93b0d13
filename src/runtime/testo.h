#pragma once

#include <QString>

// Text and number helpers with the exact behaviour the drill's texts rely on.
namespace testo {

// Greatest whole number not above x.
double floorValue(double x);
// Decimal text of a number: a leading blank when not negative, "-" otherwise,
// "." as decimal point whatever the locale, no grouping.
QString numberToText(double x);
// The digits of a whole number alone: trimmed numberToText.
QString digits(long long n);
// Without leading and trailing blanks.
QString trim(const QString& s);
// First or last n characters; the whole text when n is larger.
QString left(const QString& s, int n);
QString right(const QString& s, int n);
int length(const QString& s);

} // namespace testo
