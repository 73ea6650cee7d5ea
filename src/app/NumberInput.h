#pragma once

#include <QChar>
#include <QString>

// Typed characters of numeric fields. Each returns the character to put into the field
// (the key itself, or the locale's decimal separator for "." and ","), or a null QChar when
// the key is refused. `text` is the field's text before the key.
//
// Product editor fields: digits, the separator and the exponent letters E and e; "+" and "-"
// and every other printable character are refused; control characters pass.
QChar FloatFieldChar(QChar key, const QString &text);
// Decimal fields (kcal of a measure, a number of portions): digits, the separator and
// Backspace; everything else is refused.
QChar DecimalChar(QChar key, const QString &text);
// Whole-number fields (grams): digits and Backspace; everything else is refused.
QChar WholeChar(QChar key);

// The text cut to at most one character after the locale's decimal separator (not rounded).
QString CutToOneDecimal(const QString &text);
