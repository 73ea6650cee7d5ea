#include "NumberInput.h"

#include "Numbers.h"

namespace {

bool IsControl(QChar key)
{
    return key.unicode() < 0x20 || key.unicode() == 0x7f;
}

const QChar Backspace(0x08);

// "." and "," both stand for the decimal separator, and a number holds one at most.
QChar Separator(const QString &text)
{
    const QChar sep = DecimalSeparator();
    return text.contains(sep) ? QChar() : sep;
}

bool IsSeparatorKey(QChar key)
{
    return key == QLatin1Char('.') || key == QLatin1Char(',') || key == DecimalSeparator();
}

bool IsDigit(QChar key)
{
    return key >= QLatin1Char('0') && key <= QLatin1Char('9');
}

} // namespace

QChar FloatFieldChar(QChar key, const QString &text)
{
    if (IsControl(key))
        return key;
    if (IsSeparatorKey(key))
        return Separator(text);
    if (IsDigit(key) || key == QLatin1Char('E') || key == QLatin1Char('e'))
        return key;
    return QChar();
}

QChar DecimalChar(QChar key, const QString &text)
{
    if (IsSeparatorKey(key))
        return Separator(text);
    return WholeChar(key);
}

QChar WholeChar(QChar key)
{
    if (IsDigit(key) || key == Backspace)
        return key;
    return QChar();
}

QString CutToOneDecimal(const QString &text)
{
    const int at = text.indexOf(DecimalSeparator());
    if (at < 0 || text.size() <= at + 2)
        return text;
    return text.left(at + 2);
}
