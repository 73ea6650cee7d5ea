#pragma once

#include <QString>
#include <QWidget>

class QTreeWidget;
class QTreeWidgetItem;

// Suspends a widget's redrawing for a scope, also when the scope is left by an error.
class TRedrawOff {
public:
    explicit TRedrawOff(QWidget *widget) : fWidget(widget) { fWidget->setUpdatesEnabled(false); }
    ~TRedrawOff() { fWidget->setUpdatesEnabled(true); }
    TRedrawOff(const TRedrawOff &) = delete;
    TRedrawOff &operator=(const TRedrawOff &) = delete;

private:
    QWidget *fWidget;
};

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
