#pragma once

#include <QList>
#include <QString>
#include <QTime>
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

// Values of a product per 100 g.
struct TProdValues {
    double kkal = 0;
    double bel = 0;
    double zir = 0;
    double ugl = 0;
};

// The time of day as an entry keeps it: whole minutes as a fraction of a day.
double VremyOf(const QTime &time);
// The time of day of an entry, whatever date part the value carries.
QTime VremyTime(double vremy);
// "HH:mm", the time cell of the ration list.
QString VremyText(double vremy);

// An entry of `grams` grams of a product.
TRacionItem GrammEntry(double vremy, qint32 idProd, qint32 grams, const TProdValues &p);
// An entry of `count` portions of a measure with `gMera` grams and `kkalMera` kcal in one
// portion. A measure without weight counts its own kcal and no Б, Ж, У.
// "Range check error" when the grams leave the 32-bit range.
TRacionItem PorcEntry(double vremy, qint32 idProd, double count, qint32 idMif, qint32 gMera,
                      double kkalMera, const TProdValues &p);

// Adds an entry and places it; a ration whose list shows no rows is emptied first.
// On an error the ration stays as it was.
void AddRac(TArraySave &rac, const TRacionItem &item, bool listEmpty);
// Gives the entry at `index` new values and places it anew, as if it were added.
// On an error, an index outside the ration included, the ration stays as it was.
void ReplaceRac(TArraySave &rac, int index, const TRacionItem &item);

// Value of `key` in `section` of the initialisation file, or `def` when missing or empty.
QString ReadIni(const QString &fileName, const QString &section, const QString &key,
                const QString &def);
// Writes the value, creating the file or the section; false when the file cannot be written.
bool WriteIni(const QString &fileName, const QString &section, const QString &key,
              const QString &value);
