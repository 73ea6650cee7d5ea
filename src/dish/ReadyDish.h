#pragma once

#include <QString>
#include <functional>

// Kilocalories and proteins, fats, carbohydrates in grams: the ration's day totals, or the
// values per 100 g of the dish made from them.
struct TDishTotals {
    double K = 0;
    double B = 0;
    double Z = 0;
    double U = 0;
};

// The totals as the ration's totals row shows them (kcal, Б, Ж, У cells) read back.
TDishTotals DishTotalsFromTexts(const QString &k, const QString &b, const QString &z,
                                const QString &u);

// Values per 100 g of a cooked dish weighing `grams`, not rounded.
TDishTotals Per100g(const TDishTotals &totals, qint32 grams);

// Rounded to two decimals, halves away from zero, as a two-decimal text read back would be.
double RoundTwo(double value);

// Per-gram values of a dish divided into `portions` portions of `gramsPerPortion` grams each,
// each rounded to two decimals.
TDishTotals PerGram(const TDishTotals &totals, double portions, qint32 gramsPerPortion);

// Writes a dish given by its portions as a new product in group `groupId`, with its "100г"
// measure and the portion measure, all in one transaction. With a known portion weight
// `beforeRecompute` runs just before every measure and the product get their values from the
// per-gram kilocalories; without it the product stays at 0 and the portion measure carries the
// kilocalories of one portion. Returns the new product's key, 0 when none was found.
qint32 WritePortionDish(const QString &name, qint32 groupId, const QString &portionName,
                        const TDishTotals &totals, double portions, qint32 gramsPerPortion,
                        const std::function<void()> &beforeRecompute);

// The count of portions after a click on its up or down arrow: up adds one (an empty count
// becomes "0"), down takes one only while the result stays above 0.1. False when the count
// does not change.
bool StepPortionCount(QString &text, bool up);
