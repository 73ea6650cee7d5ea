#include "UMy.h"

#include "Numbers.h"

#include <QSettings>

TArraySave ArrSave;

QString ReadIni(const QString &fileName, const QString &section, const QString &key,
                const QString &def) {
    QSettings ini(fileName, QSettings::IniFormat);
    // A value with a comma comes back as a list; it is still one text to us.
    const QString value = ini.value(section + QLatin1Char('/') + key).toStringList().join(',');
    return value.isEmpty() ? def : value;
}

bool WriteIni(const QString &fileName, const QString &section, const QString &key,
              const QString &value) {
    QSettings ini(fileName, QSettings::IniFormat);
    ini.setValue(section + QLatin1Char('/') + key, value);
    ini.sync();
    return ini.status() == QSettings::NoError;
}

void SortRac(TArraySave &rac) {
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

void SortRac() {
    SortRac(ArrSave);
}
