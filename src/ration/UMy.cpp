#include "UMy.h"

#include "Errors.h"
#include "Numbers.h"

#include <QSettings>
#include <cmath>

TArraySave ArrSave;

QString ReadIni(const QString &fileName, const QString &section, const QString &key,
                const QString &def)
{
    QSettings ini(fileName, QSettings::IniFormat);
    // A value with a comma comes back as a list; it is still one text to us.
    const QString value = ini.value(section + QLatin1Char('/') + key).toStringList().join(',');
    return value.isEmpty() ? def : value;
}

bool WriteIni(const QString &fileName, const QString &section, const QString &key,
              const QString &value)
{
    QSettings ini(fileName, QSettings::IniFormat);
    ini.setValue(section + QLatin1Char('/') + key, value);
    ini.sync();
    return ini.status() == QSettings::NoError;
}

void SortRac(TArraySave &rac)
{
    const qsizetype n = rac.size();
    if (n <= 1)
        return;
    const TRacionItem x = rac.last();
    // Positions are worked out on the entries before X so that a failing merge leaves the
    // ration as it was; `a` is where X stands after sinking behind every equal time.
    qsizetype a = n - 1;
    while (a > 0 && x.vremy < rac[a - 1].vremy)
        --a;
    qsizetype s = a;
    while (s > 0 && rac[s - 1].vremy == x.vremy)
        --s;
    qsizetype c = s;
    while (c < a && rac[c].id_prod != x.id_prod)
        ++c;
    if (c == a) {
        rac.removeLast();
        rac.insert(a, x);
        return;
    }
    for (qsizetype i = c; i < a; ++i) {
        TRacionItem &d = rac[i];
        if (d.id_prod != x.id_prod) {
            c = i - 1;
            break;
        }
        if (d.id_porc == x.id_porc) {
            const qint32 g = AddInt32(d.g, x.g);
            d.g = g;
            d.kol_porc += x.kol_porc;
            d.kkal += x.kkal;
            d.bel += x.bel;
            d.zir += x.zir;
            d.ugl += x.ugl;
            rac.removeLast();
            return;
        }
    }
    rac.removeLast();
    rac.insert(c + 1, x);
}

void SortRac()
{
    SortRac(ArrSave);
}

double VremyOf(const QTime &time)
{
    return (time.hour() * 60 + time.minute()) / 1440.0;
}

QTime VremyTime(double vremy)
{
    const double msPerDay = 86400000.0;
    const double dayPart = std::fabs(vremy - std::trunc(vremy));
    const qint64 ms = std::llround(dayPart * msPerDay) % static_cast<qint64>(msPerDay);
    return QTime::fromMSecsSinceStartOfDay(static_cast<int>(ms));
}

QString VremyText(double vremy)
{
    // Written by hand: the list writes one per entry, and the general formatter is slow.
    const QTime t = VremyTime(vremy);
    const auto digit = [](int d) { return QChar(u'0' + d); };
    const QChar text[] = {digit(t.hour() / 10), digit(t.hour() % 10), QLatin1Char(':'),
                          digit(t.minute() / 10), digit(t.minute() % 10)};
    return QString(text, 5);
}

TRacionItem GrammEntry(double vremy, qint32 idProd, qint32 grams, const TProdValues &p)
{
    TRacionItem x;
    x.vremy = vremy;
    x.id_prod = idProd;
    x.flag = true;
    x.g = grams;
    x.kkal = grams * p.kkal / 100;
    x.bel = grams * p.bel / 100;
    x.zir = grams * p.zir / 100;
    x.ugl = grams * p.ugl / 100;
    return x;
}

TRacionItem PorcEntry(double vremy, qint32 idProd, double count, qint32 idMif, qint32 gMera,
                      double kkalMera, const TProdValues &p)
{
    TRacionItem x;
    x.vremy = vremy;
    x.id_prod = idProd;
    x.flag = false;
    x.g = RoundEven32(count * gMera);
    x.id_porc = idMif;
    x.kol_porc = count;
    if (x.g != 0) {
        x.kkal = p.kkal * x.g / 100;
        x.bel = p.bel * x.g / 100;
        x.zir = p.zir * x.g / 100;
        x.ugl = p.ugl * x.g / 100;
    } else {
        x.kkal = count * kkalMera;
    }
    return x;
}

void AddRac(TArraySave &rac, const TRacionItem &item, bool listEmpty)
{
    TArraySave next;
    if (!listEmpty)
        next = rac;
    next.append(item);
    SortRac(next);
    rac = std::move(next);
}

void ReplaceRac(TArraySave &rac, int index, const TRacionItem &item)
{
    if (index < 0 || index >= rac.size())
        throw ERangeError();
    TArraySave next = rac;
    next.removeAt(index);
    next.append(item);
    SortRac(next);
    rac = std::move(next);
}
