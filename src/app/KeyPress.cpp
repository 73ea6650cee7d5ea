#include "KeyPress.h"

#include "NumberInput.h"

#include <QApplication>
#include <QLineEdit>

QChar TypedChar(const QKeyEvent *event)
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

bool IsEnter(const QKeyEvent *event)
{
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

namespace {

bool Apply(QLineEdit *field, QChar key, QChar typed)
{
    if (typed.isNull()) {
        QApplication::beep();
        return true;
    }
    if (typed != key) {
        field->insert(QString(typed));
        return true;
    }
    return false;
}

} // namespace

bool FilterWholeKey(const QKeyEvent *event)
{
    const QChar key = TypedChar(event);
    if (key.isNull() || !WholeChar(key).isNull())
        return false;
    QApplication::beep();
    return true;
}

bool FilterDecimalKey(QLineEdit *field, const QKeyEvent *event)
{
    const QChar key = TypedChar(event);
    return !key.isNull() && Apply(field, key, DecimalChar(key, field->text()));
}

bool FilterFloatKey(QLineEdit *field, const QKeyEvent *event)
{
    const QChar key = TypedChar(event);
    return !key.isNull() && Apply(field, key, FloatFieldChar(key, field->text()));
}
