#pragma once

// Reading and driving the catalogue's windows in tests, by the controls' object names.
#include "GuiSupport.h"
#include "ListView.h"
#include "UMain.h"

#include <QTableWidget>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

// A control of a window by its object name; fails the test when there is none.
template <class T> T *Child(QWidget *window, const char *name)
{
    T *child = window->findChild<T *>(QString::fromLatin1(name));
    if (!child)
        qFatal("no control %s", name);
    return child;
}

inline QTreeWidget *Tree()
{
    return Child<QTreeWidget>(fMain, "TVGrup");
}

inline QTableWidget *Products()
{
    return Child<QTableWidget>(fMain, "LVProd");
}

// The tree as lines: two blanks per level before the name; the selected node ends in " *".
inline QStringList TreeLines()
{
    QStringList lines;
    for (QTreeWidgetItemIterator it(Tree()); *it; ++it) {
        int level = 0;
        for (QTreeWidgetItem *p = (*it)->parent(); p; p = p->parent())
            ++level;
        QString line = QString(level * 2, QLatin1Char(' ')) + (*it)->text(0);
        if (*it == Tree()->currentItem())
            line += QStringLiteral(" *");
        lines << line;
    }
    return lines;
}

// Selects a node by its name and clicks it, as the user would.
inline void ClickGrup(const QString &name)
{
    for (QTreeWidgetItemIterator it(Tree()); *it; ++it)
        if ((*it)->text(0) == name) {
            Tree()->setCurrentItem(*it);
            fMain->TVGrupClick();
            return;
        }
    QFAIL(qPrintable(QStringLiteral("no group %1").arg(name)));
}

// Rows of a list as "caption | sub-item 0 | sub-item 1 ...".
inline QStringList ListRows(const QTableWidget *list)
{
    QStringList rows;
    for (int r = 0; r < list->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < list->columnCount(); ++c)
            cells << (list->item(r, c) ? list->item(r, c)->text() : QString());
        rows << cells.join(QStringLiteral(" | "));
    }
    return rows;
}

// The first column of every row of a statement, as texts.
inline QStringList Texts(const FormsFixture &f, const QString &sql)
{
    QStringList texts;
    for (const QVariant &v : SqlColumn(f.folder.File(QStringLiteral("KKAL.mdb")), sql))
        texts << v.toString();
    return texts;
}

// Types the text into a widget key by key, Cyrillic letters included.
inline void TypeKeys(QWidget *widget, const QString &text)
{
    for (const QChar c : text)
        if (c.unicode() < 0x80)
            QTest::keyClick(widget, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

inline void Seed(const FormsFixture &f, const QString &sql)
{
    SqlExec(f.folder.File(QStringLiteral("KKAL.mdb")), sql);
}
