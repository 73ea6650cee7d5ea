#pragma once

#include "Redraw.h"

#include <QString>

class QTreeWidget;
class QTreeWidgetItem;

// Reading the group tree TVGrup: each node carries its group's id_grup as data and
// naim_grup as text. "Display order" is the order of the nodes from the top, depth first.
namespace GrupTree {

int NodeId(const QTreeWidgetItem *node);
// Number of nodes in the whole tree, groups and subgroups.
int NodeCount(QTreeWidget *tree);
// The first node in display order with this id, or with this text; null when none.
QTreeWidgetItem *FindById(QTreeWidget *tree, int id);
QTreeWidgetItem *FindByText(QTreeWidget *tree, const QString &text);
// The last node in display order; null for an empty tree.
QTreeWidgetItem *LastNode(QTreeWidget *tree);
// Makes the node the selected one and shows it, expanding its group.
void SelectNode(QTreeWidget *tree, QTreeWidgetItem *node);

} // namespace GrupTree
