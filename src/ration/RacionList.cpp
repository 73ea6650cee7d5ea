#include "RacionList.h"

#include "Numbers.h"

namespace {

// A row as shown and the numbers its cells read back as: a one-decimal text reads back as
// exactly the RoundOne of its value, so sums of shown cells need no parsing.
struct TShownRow {
    bool first; // the meal's first row
    double g, kkal, bel, zir, ugl;
};

TShownRow Shown(const TRacionItem &x, bool first)
{
    return {first,           double(x.g),     RoundOne(x.kkal),
            RoundOne(x.bel), RoundOne(x.zir), RoundOne(x.ugl)};
}

// The meal's subtotal, summed upward from its last row to its first as the cells show them,
// each running sum rounded to one decimal.
TRacRow Subtotal(const QList<TShownRow> &meal)
{
    double g = 0, kkal = 0, bel = 0, zir = 0, ugl = 0;
    for (auto r = meal.crbegin(); r != meal.crend(); ++r) {
        g += r->g;
        kkal = RoundOne(kkal + r->kkal);
        bel = RoundOne(bel + r->bel);
        zir = RoundOne(zir + r->zir);
        ugl = RoundOne(ugl + r->ugl);
        if (r->first)
            break;
    }
    TRacRow total;
    total.cells = {QString(),          RacSubtotalText,    FloatToStr(g),     FloatToStrOne(kkal),
                   FloatToStrOne(bel), FloatToStrOne(zir), FloatToStrOne(ugl)};
    return total;
}

QString PorcText(const TRacionItem &x, const TRacNames &names)
{
    if (x.flag)
        return IntToStr(x.g) + QStringLiteral("г");
    if (x.id_porc == 0)
        return RacDeletedMeraText;
    const std::optional<QString> mera = names.mera(x.id_porc);
    if (!mera)
        return RacDeletedMeraText;
    return FloatToStr(x.kol_porc) + QStringLiteral(" * ") + *mera;
}

} // namespace

void RacionRows(const TArraySave &rac, bool subtotals, const TRacNames &names,
                const std::function<void(const TRacRow &)> &add)
{
    QList<TShownRow> meal;
    QString previous;
    for (int i = 0; i < rac.size(); ++i) {
        const TRacionItem &x = rac[i];
        TRacRow row;
        row.index = i;
        const QString time = VremyText(x.vremy);
        const bool first = i == 0 || time != previous;
        if (first) {
            if (i > 0 && subtotals)
                add(Subtotal(meal));
            meal.clear();
            row.time = time;
            previous = time;
        }
        std::optional<QString> prod;
        if (x.id_prod != 0)
            prod = names.prod(x.id_prod);
        row.cells = {prod.value_or(RacDeletedProdText),
                     PorcText(x, names),
                     IntToStr(x.g),
                     FloatToStrOne(x.kkal),
                     FloatToStrOne(x.bel),
                     FloatToStrOne(x.zir),
                     FloatToStrOne(x.ugl)};
        meal.append(Shown(x, first));
        add(row);
    }
    if (subtotals && !meal.isEmpty())
        add(Subtotal(meal));
}

QStringList DayTotals(const TArraySave &rac)
{
    // A 64-bit sum: a day of many large entries must not wrap around.
    qint64 grams = 0;
    double kkal = 0, bel = 0, zir = 0, ugl = 0;
    // Each running sum is what its one-decimal cell would read back as.
    for (const TRacionItem &x : rac) {
        grams += x.g;
        kkal = RoundOne(kkal + x.kkal);
        bel = RoundOne(bel + x.bel);
        zir = RoundOne(zir + x.zir);
        ugl = RoundOne(ugl + x.ugl);
    }
    return {IntToStr(grams), FloatToStrOne(kkal), FloatToStrOne(bel), FloatToStrOne(zir),
            FloatToStrOne(ugl)};
}

QStringList EnergyShares(double bel, double zir, double ugl)
{
    const double k = static_cast<double>(4.1L * bel + 9.3L * zir + 4.1L * ugl);
    if (k == 0)
        return {FloatToStrOne(0), FloatToStrOne(0), FloatToStrOne(0)};
    const QString b = FloatToStrOne(static_cast<double>(bel * 410.0L / k));
    const QString z = FloatToStrOne(static_cast<double>(zir * 930.0L / k));
    return {b, z, FloatToStrOne(100 - StrToFloat(b) - StrToFloat(z))};
}
