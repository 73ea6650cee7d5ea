#pragma once

#include <QList>
#include <QString>
#include <QVariant>
#include <QtGlobal>

// Catalogue logic that needs no window: the group hierarchy in display order, the texts of
// the group chooser and of the measures dialog, and the kcal arithmetic of products and
// measures.

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

// Whether a group or subgroup of this exact name is stored (statement on SQLGrup).
bool GrupNameExists(const QString &name);
// Stores a new group (parent 0) or subgroup with its order value among its siblings.
void InsertGrup(const QString &name, int order, int parent);

// Text of a group chooser item: a group reads its name, a node below it reads
// "parent : name". A null `parentName` marks a group.
QString GroupChooserText(const QString &parentName, const QString &name);

// Caption of the measures dialog for a product.
QString MeasuresCaption(const QString &productName);

// Kcal of `grams` of a product with `kkalPer100` kcal per 100 g (not rounded).
double MeasureKcal(double grams, double kkalPer100);
// Whole grams holding `kcal` of such a product, halves to the even neighbour;
// "Range check error" when the result does not fit an integer.
qint32 MeasureGrams(double kcal, double kkalPer100);
