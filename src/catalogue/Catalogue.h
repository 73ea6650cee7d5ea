#pragma once

#include <QList>
#include <QString>
#include <QVariant>
#include <QtGlobal>

// Catalogue logic that needs no window: the group hierarchy in display order, the texts of
// the group chooser and of the measures dialog, the numeric input filters and the kcal
// arithmetic of products and measures.

// One row of tab_grup as the tree needs it.
struct TGrupRow {
    int id = 0;
    QString name;
    int parent = 0;
};

// One node of the tree in display order: its row and its depth (0 for a group).
struct TGrupNode {
    TGrupRow row;
    int level = 0;
};

// The nodes in display order, depth first: the rows with parent 0 in their given order, each
// followed by its children in their given order, and so on at any depth. `rows` must already
// stand in sibling order (ascending num_TV). A row whose parent is not shown is left out. A
// group with key 0 gets no children: parent 0 means "none", and taking the groups for its
// children would repeat the tree without end.
QList<TGrupNode> GrupDisplayOrder(const QList<TGrupRow> &rows);

// Text of a group chooser item: a group reads its name, a node below it reads
// "parent : name". A null `parentName` marks a group.
QString GroupChooserText(const QString &parentName, const QString &name);

// Caption of the measures dialog for a product.
QString MeasuresCaption(const QString &productName);

// Typed characters of numeric fields. Each returns the character to put into the field
// (the key itself, or the locale's decimal separator for "." and ","), or a null QChar when
// the key is refused. `text` is the field's text before the key.
//
// Product editor fields: digits, the separator and the exponent letters E and e; "+" and "-"
// and every other printable character are refused; control characters pass.
QChar FloatFieldChar(QChar key, const QString &text);
// Kcal of a measure: digits, the separator and Backspace; everything else is refused.
QChar DecimalChar(QChar key, const QString &text);
// Grams of a measure: digits and Backspace; everything else is refused.
QChar WholeChar(QChar key);

// The text cut to at most one character after the locale's decimal separator (not rounded).
QString CutToOneDecimal(const QString &text);

// Kcal of `grams` of a product with `kkalPer100` kcal per 100 g (not rounded).
double MeasureKcal(double grams, double kkalPer100);
// Whole grams holding `kcal` of such a product, halves to the even neighbour;
// "Range check error" when the result does not fit an integer.
qint32 MeasureGrams(double kcal, double kkalPer100);
