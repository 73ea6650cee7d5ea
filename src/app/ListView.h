#pragma once

#include <QStringList>
#include <QTableWidget>
#include <QVariant>

// Report-style lists on QTableWidget, with the wording of the window designs: a row has a
// caption (column 0), sub-items 0.. (columns 1..) and a data slot (Qt::UserRole of column 0).
namespace ListView {

struct Column {
    QString caption;
    int width;
    Qt::Alignment align = Qt::AlignLeft;
};

// Read-only, whole-row, single selection, no row header; grid lines as asked.
void Setup(QTableWidget *list, const QList<Column> &columns, bool gridLines);
// Appends a row and returns its index; cells take their column's alignment.
int AddRow(QTableWidget *list, const QString &caption, const QStringList &subItems = {},
           const QVariant &data = QVariant());
QString Caption(const QTableWidget *list, int row);
QString SubItem(const QTableWidget *list, int row, int k);
void SetSubItem(QTableWidget *list, int row, int k, const QString &text);
QVariant Data(const QTableWidget *list, int row);
// Index of the selected row, or -1.
int Selected(const QTableWidget *list);
void Select(QTableWidget *list, int row);
void Clear(QTableWidget *list);

} // namespace ListView
