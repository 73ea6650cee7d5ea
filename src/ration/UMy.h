#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>

// One entry of the current ration; the fields follow the columns of tab_racion.
struct TRacionItem {
    double vremy = 0;    // time of intake as a fraction of a day, whole minutes
    qint32 id_prod = 0;  // product key
    bool flag = false;   // true: given in grams; false: as portions of a measure
    qint32 g = 0;        // whole grams; 0 for portions of a measure without weight
    qint32 id_porc = 0;  // measure key of a portion entry; 0 for grams
    double kol_porc = 0; // number of portions; 0 for grams
    double kkal = 0;     // of this entry, not per 100 g
    double bel = 0;
    double zir = 0;
    double ugl = 0;

    bool operator==(const TRacionItem &) const = default;
};

using TArraySave = QList<TRacionItem>;

// The current ration, kept ordered by time, one product's entries of a meal side by side.
extern TArraySave ArrSave;

// Places the last entry of `rac` among the others: behind every entry of an equal time, next
// to its product's run in the meal, or merged into an entry of the same product and measure.
// "Integer overflow" when merged grams leave the 32-bit range; `rac` is then unchanged.
void SortRac(TArraySave &rac);
// The same on ArrSave.
void SortRac();

// Value of `key` in `section` of the initialisation file, or `def` when missing or empty.
QString ReadIni(const QString &fileName, const QString &section, const QString &key,
                const QString &def);
// Writes the value, creating the file or the section; false when the file cannot be written.
bool WriteIni(const QString &fileName, const QString &section, const QString &key,
              const QString &value);
