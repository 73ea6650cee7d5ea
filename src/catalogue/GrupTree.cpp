#include "GrupTree.h"

#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

namespace GrupTree {

int NodeId(const QTreeWidgetItem *node)
{
    return node->data(0, Qt::UserRole).toInt();
}

int NodeCount(QTreeWidget *tree)
{
    int count = 0;
    for (QTreeWidgetItemIterator it(tree); *it; ++it)
        ++count;
    return count;
}

QTreeWidgetItem *FindById(QTreeWidget *tree, int id)
{
    for (QTreeWidgetItemIterator it(tree); *it; ++it)
        if (NodeId(*it) == id)
            return *it;
    return nullptr;
}

QTreeWidgetItem *FindByText(QTreeWidget *tree, const QString &text)
{
    for (QTreeWidgetItemIterator it(tree); *it; ++it)
        if ((*it)->text(0) == text)
            return *it;
    return nullptr;
}

QTreeWidgetItem *LastNode(QTreeWidget *tree)
{
    QTreeWidgetItem *last = nullptr;
    for (QTreeWidgetItemIterator it(tree); *it; ++it)
        last = *it;
    return last;
}

void SelectNode(QTreeWidget *tree, QTreeWidgetItem *node)
{
    if (!node)
        return;
    tree->setCurrentItem(node);
    tree->scrollToItem(node);
}

} // namespace GrupTree
