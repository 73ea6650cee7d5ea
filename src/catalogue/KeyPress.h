#pragma once

#include <QKeyEvent>

// The character a key press types, as the key-press handlers of the catalogue's fields see
// it; a null QChar for keys that type nothing there: keys without text (arrows, Home), Delete,
// and Tab and Escape, which belong to the dialog (focus, closing) rather than to the field.
inline QChar TypedChar(const QKeyEvent *event)
{
    const QString text = event->text();
    if (text.size() != 1)
        return QChar();
    const QChar key = text.at(0);
    if (key == QLatin1Char('\t') || key == QChar(0x1b) || key == QChar(0x7f) ||
        event->key() == Qt::Key_Backtab)
        return QChar();
    return key;
}

inline bool IsEnter(const QKeyEvent *event)
{
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}
