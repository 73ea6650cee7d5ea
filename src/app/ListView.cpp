#include "ListView.h"

#include <QHeaderView>

namespace ListView {

namespace {
const int AlignRole = Qt::UserRole + 1;

QTableWidgetItem *Cell(QTableWidget *list, int row, int column)
{
    QTableWidgetItem *item = list->item(row, column);
    if (!item) {
        item = new QTableWidgetItem;
        const QVariant align = list->horizontalHeaderItem(column)
                                   ? list->horizontalHeaderItem(column)->data(AlignRole)
                                   : QVariant();
        item->setTextAlignment(Qt::Alignment(align.toInt()) | Qt::AlignVCenter);
        list->setItem(row, column, item);
    }
    return item;
}
} // namespace

void Setup(QTableWidget *list, const QList<Column> &columns, bool gridLines)
{
    list->clear();
    list->setRowCount(0);
    list->setColumnCount(columns.size());
    for (int i = 0; i < columns.size(); ++i) {
        auto *header = new QTableWidgetItem(columns[i].caption);
        header->setData(AlignRole, int(columns[i].align));
        header->setTextAlignment(columns[i].align | Qt::AlignVCenter);
        list->setHorizontalHeaderItem(i, header);
        list->setColumnWidth(i, columns[i].width);
    }
    list->verticalHeader()->hide();
    list->verticalHeader()->setDefaultSectionSize(list->fontMetrics().height() + 4);
    list->verticalHeader()->setMinimumSectionSize(1);
    list->horizontalHeader()->setStretchLastSection(false);
    list->horizontalHeader()->setHighlightSections(false);
    list->horizontalHeader()->setMinimumSectionSize(0);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setShowGrid(gridLines);
    list->setWordWrap(false);
    list->setTabKeyNavigation(false);
}

int AddRow(QTableWidget *list, const QString &caption, const QStringList &subItems,
           const QVariant &data)
{
    const int row = list->rowCount();
    list->insertRow(row);
    QTableWidgetItem *first = Cell(list, row, 0);
    first->setText(caption);
    first->setData(Qt::UserRole, data);
    for (int k = 0; k < subItems.size() && k + 1 < list->columnCount(); ++k)
        Cell(list, row, k + 1)->setText(subItems.at(k));
    for (int c = subItems.size() + 1; c < list->columnCount(); ++c)
        Cell(list, row, c);
    return row;
}

QString Caption(const QTableWidget *list, int row)
{
    const QTableWidgetItem *item = list->item(row, 0);
    return item ? item->text() : QString();
}

QString SubItem(const QTableWidget *list, int row, int k)
{
    const QTableWidgetItem *item = list->item(row, k + 1);
    return item ? item->text() : QString();
}

void SetSubItem(QTableWidget *list, int row, int k, const QString &text)
{
    Cell(list, row, k + 1)->setText(text);
}

QVariant Data(const QTableWidget *list, int row)
{
    const QTableWidgetItem *item = list->item(row, 0);
    return item ? item->data(Qt::UserRole) : QVariant();
}

int Selected(const QTableWidget *list)
{
    const QList<QTableWidgetItem *> items = list->selectedItems();
    return items.isEmpty() ? -1 : items.first()->row();
}

void Select(QTableWidget *list, int row)
{
    if (row < 0 || row >= list->rowCount()) {
        list->clearSelection();
        return;
    }
    list->setCurrentCell(row, 0);
    list->selectRow(row);
}

void Clear(QTableWidget *list)
{
    list->clearContents();
    list->setRowCount(0);
}

} // namespace ListView
