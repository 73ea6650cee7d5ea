#pragma once

#include "UMy.h"

#include <QStringList>
#include <functional>
#include <optional>

// Texts of the ration list and of the day totals. The widgets only show what is built here.

// One row of the ration list: the time cell, then the product, portion, grams, kcal, Б, Ж
// and У cells.
struct TRacRow {
    QString time;
    QStringList cells;
    int index = -1; // the entry's index in the ration; -1 for a meal's subtotal
};

inline const QString RacSubtotalText = QStringLiteral("Итого за прием:");
inline const QString RacDayTotalText = QStringLiteral("Итого за день:");
inline const QString RacDeletedProdText = QStringLiteral("Продукт был удален");
inline const QString RacDeletedMeraText = QStringLiteral("мера удалена");

// Names read from the catalogue while the list is built; nullopt when the row is gone.
struct TRacNames {
    std::function<std::optional<QString>(qint32 idProd)> prod;
    std::function<std::optional<QString>(qint32 idMif)> mera;
};

// Builds the rows of the ration list in order, with a subtotal after each meal when asked,
// and hands each row to `add` as soon as it is complete: a look-up that fails leaves the
// rows before it in place. Subtotals add up the cells as shown, not the entries.
void RacionRows(const TArraySave &rac, bool subtotals, const TRacNames &names,
                const std::function<void(const TRacRow &)> &add);

// The day totals in grams: the grams, kcal, Б, Ж and У cells, each running sum rounded to
// one decimal after every entry as the cells show it.
QStringList DayTotals(const TArraySave &rac);

// Shares of energy of the day's Б, Ж and У in percent, one decimal each; the carbohydrate
// share is the rest to 100 of the shown shares. All zero when there is no energy.
QStringList EnergyShares(double bel, double zir, double ugl);
