#pragma once

#include <QKeyEvent>

class QLineEdit;

// The character a key press types, as the key-press handlers of the fields see it; a null
// QChar for keys that type nothing there: keys without text (arrows, Home), Delete, and Tab
// and Escape, which belong to the dialog (focus, closing) rather than to the field.
QChar TypedChar(const QKeyEvent *event);
bool IsEnter(const QKeyEvent *event);

// Key filters of the numeric fields, run from a field's key-press handler. A refused key
// beeps; a "." or "," types the locale's separator instead. True when the filter consumed
// the key, false when the field should take it as typed.
bool FilterWholeKey(const QKeyEvent *event);
bool FilterDecimalKey(QLineEdit *field, const QKeyEvent *event);
// Product values: also the exponent letters, and control characters pass.
bool FilterFloatKey(QLineEdit *field, const QKeyEvent *event);
