#pragma once

#include "UMy.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// A saved ration as the saved-rations dialog lists it: its key and its name.
struct TSavedRacion {
    qint32 id = 0;
    QString name;
};

// Saved rations in the order of their names; those named "" or "***" are never listed.
QList<TSavedRacion> ListSavedRations();

// The name the dialog proposes: with no saved ration current the date as "dd.mm.yy" (only
// when anything is listed), otherwise the current ration's name when it is listed; in every
// other case the field keeps `current`.
QString ProposeRacionName(const QList<TSavedRacion> &listed, qint32 idRac, const QString &current,
                          const QDateTime &now);

// Key of the saved ration with exactly this name, as the database compares texts.
std::optional<qint32> FindSavedRacion(const QString &name);
// Whether a saved ration with this key still has its name row.
bool SavedRacionExists(qint32 id);

// Writes every entry of `rac`, in index order, as rows of the saved ration `idRac`; the caller
// holds the transaction.
void InsertRacionRows(qint32 idRac, const TArraySave &rac);
// Saves `rac` under a new name in one transaction and returns the new key.
qint32 SaveNewRacion(const QString &name, const TArraySave &rac);
// Replaces every entry of the saved ration `id` by the entries of `rac`, in one transaction;
// its name row stays.
void RewriteRacion(qint32 id, const TArraySave &rac);
// The entries of the saved ration `id` in order of time, equal times in their saved order.
// False when it has none; `rac` is then left as it was.
bool LoadRacion(qint32 id, TArraySave &rac);
// Deletes the saved ration with its entries, in one transaction.
void DeleteSavedRacion(qint32 id);

// The composition preview of a saved ration: one line per entry ("name 150г -375,0 ккал"),
// a dashed line and "Итого: " with the kilocalories; empty when it has no entries.
QStringList SostavLines(qint32 id);
