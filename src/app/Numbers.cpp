#include "Numbers.h"

#include "Errors.h"

#include <QLocale>
#include <cmath>
#include <limits>

qint64 RoundEven(double x)
{
    return static_cast<qint64>(std::nearbyint(x));
}

qint32 RoundEven32(double x)
{
    const double r = std::nearbyint(x);
    if (!std::isfinite(r) || r < std::numeric_limits<qint32>::min() ||
        r > std::numeric_limits<qint32>::max())
        throw ERangeError();
    return static_cast<qint32>(r);
}

qint32 AddInt32(qint32 a, qint32 b)
{
    qint32 sum;
    if (__builtin_add_overflow(a, b, &sum))
        throw EIntOverflow();
    return sum;
}

QChar DecimalSeparator()
{
    return QLocale().decimalPoint().at(0);
}

QString IntToStr(qint64 value)
{
    return QString::number(value);
}

double RoundOne(double value)
{
    // Scaling by ten and rounding half away from zero matches what a user expects from the
    // printed decimal (0.35 -> 0.4), where printf-style rounding of the binary value does not.
    const double r = std::round(value * 10.0) / 10.0;
    return r == 0.0 ? 0.0 : r;
}

QString FloatToStrOne(double value)
{
    QString text = QString::number(RoundOne(value), 'f', 1);
    text.replace(QLatin1Char('.'), DecimalSeparator());
    return text;
}

QString FloatToStr(double value)
{
    if (value == 0.0)
        return QStringLiteral("0");
    QString text = QString::number(value, 'g', 15);
    text.replace(QLatin1Char('.'), DecimalSeparator());
    return text;
}

qint32 StrToInt(const QString &text)
{
    bool ok = false;
    const QString t = text.trimmed();
    const qint64 v = t.toLongLong(&ok);
    if (!ok || t.isEmpty() || v < std::numeric_limits<qint32>::min() ||
        v > std::numeric_limits<qint32>::max())
        throw EConvertError(QStringLiteral("'%1' is not a valid integer value").arg(text));
    return static_cast<qint32>(v);
}

bool TryStrToFloat(const QString &text, double &value)
{
    QString t = text.trimmed();
    const QChar sep = DecimalSeparator();
    if (t.isEmpty())
        return false;
    if (sep != QLatin1Char('.')) {
        if (t.contains(QLatin1Char('.')))
            return false;
        t.replace(sep, QLatin1Char('.'));
    }
    for (const QChar c : t)
        if (!(c.isDigit() || c == QLatin1Char('.') || c == QLatin1Char('e') ||
              c == QLatin1Char('E') || c == QLatin1Char('+') || c == QLatin1Char('-')))
            return false;
    bool ok = false;
    const double v = t.toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return false;
    value = v;
    return true;
}

double StrToFloat(const QString &text)
{
    double v = 0;
    if (!TryStrToFloat(text, v))
        throw EConvertError(QStringLiteral("'%1' is not a valid floating point value").arg(text));
    return v;
}

int CenterCoord(int start, int outer, int inner)
{
    return start + static_cast<int>(RoundEven((outer - inner) / 2.0));
}
