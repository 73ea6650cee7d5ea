#include "RacionList.h"

#include "Numbers.h"

namespace {

// Sums one shown row into the shown subtotal: grams in the general form, the rest with one
// decimal, each read back from its text.
void AddToSubtotal(QStringList &subtotal, const QStringList &row)
{
    subtotal[2] = FloatToStr(StrToFloat(subtotal[2]) + StrToFloat(row[2]));
    for (int k = 3; k <= 6; ++k)
        subtotal[k] = FloatToStrOne(StrToFloat(subtotal[k]) + StrToFloat(row[k]));
}

TRacRow Subtotal(const QList<TRacRow> &meal)
{
    TRacRow total;
    total.cells = {QString(),           RacSubtotalText,     QStringLiteral("0"),
                   QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"),
                   QStringLiteral("0")};
    for (auto r = meal.crbegin(); r != meal.crend(); ++r) {
        AddToSubtotal(total.cells, r->cells);
        if (!r->time.isEmpty())
            break;
    }
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
    QList<TRacRow> meal;
    QString previous;
    bool first = true;
    for (int i = 0; i < rac.size(); ++i) {
        const TRacionItem &x = rac[i];
        TRacRow row;
        row.index = i;
        const QString time = VremyText(x.vremy);
        if (first || time != previous) {
            if (!first && subtotals)
                add(Subtotal(meal));
            meal.clear();
            row.time = time;
            previous = time;
            first = false;
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
        meal.append(row);
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
    // RoundOne gives exactly the value that its one-decimal text reads back as.
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
