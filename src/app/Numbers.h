#pragma once

#include <QString>
#include <QtGlobal>

// Every number text the user sees or types goes through here, with the decimal separator of
// QLocale() (the default locale, which tests set with QLocale::setDefault).

// Half to the even neighbour, as the whole-number roundings of the program need
// (grams of a portion entry, centring of windows, grams from kcal).
qint64 RoundEven(double x);
// RoundEven checked into a 32-bit integer; "Range check error" when it does not fit.
qint32 RoundEven32(double x);
// Sum of two 32-bit integers; "Integer overflow" when it leaves the range.
qint32 AddInt32(qint32 a, qint32 b);

// Decimal digits of an integer.
QString IntToStr(qint64 value);
// Fixed notation with exactly one decimal, rounded half away from zero ("%.1f").
QString FloatToStrOne(double value);
// Shortest general form with at most 15 significant digits and no trailing zeros.
QString FloatToStr(double value);
// The value rounded to one decimal, half away from zero, as FloatToStrOne shows it.
double RoundOne(double value);

// The locale's decimal separator as a character.
QChar DecimalSeparator();

// Whole number from text; EConvertError "'%s' is not a valid integer value" otherwise.
qint32 StrToInt(const QString &text);
// Decimal number from text, with the locale's separator (exponent allowed);
// EConvertError "'%s' is not a valid floating point value" otherwise.
double StrToFloat(const QString &text);
// Like StrToFloat, but false instead of an error.
bool TryStrToFloat(const QString &text, double &value);

// Offset that centres a span of `inner` inside a span of `outer` starting at `start`,
// halves rounded to even: start + (outer - inner) / 2.
int CenterCoord(int start, int outer, int inner);
