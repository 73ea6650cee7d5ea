#include "Catalogue.h"

#include "Numbers.h"
#include "UDM.h"

#include <QHash>

QList<TGrupNode> GrupDisplayOrder(const QList<TGrupRow> &rows)
{
    QHash<int, QList<int>> children; // parent key -> indexes into rows, in sibling order
    for (int i = 0; i < rows.size(); ++i)
        children[rows.at(i).parent].append(i);

    QList<TGrupNode> order;
    struct Frame {
        const QList<int> *siblings;
        int next;
        int level;
    };
    const QList<int> none;
    const auto top = children.constFind(0);
    QList<Frame> stack{{top == children.constEnd() ? &none : &top.value(), 0, 0}};
    while (!stack.isEmpty()) {
        Frame &frame = stack.last();
        if (frame.next >= frame.siblings->size()) {
            stack.removeLast();
            continue;
        }
        const TGrupRow &row = rows.at(frame.siblings->at(frame.next++));
        const int level = frame.level;
        order.append({row, level});
        // Parent 0 means "no parent": a group with key 0 has no children of its own.
        const auto kids = row.id == 0 ? children.constEnd() : children.constFind(row.id);
        if (kids != children.constEnd())
            stack.append({&kids.value(), 0, level + 1});
    }
    return order;
}

QString GroupChooserText(const QString &parentName, const QString &name)
{
    if (parentName.isNull())
        return name;
    return parentName + QStringLiteral(" : ") + name;
}

bool GrupNameExists(const QString &name)
{
    TQuery &q = DM->SQLGrup;
    q.SetSQL(QStringLiteral("SELECT * FROM tab_grup WHERE naim_grup=:naim_mera"));
    q.Bind(QStringLiteral("naim_mera"), name);
    q.Open();
    return !q.IsEmpty();
}

void InsertGrup(const QString &name, int order, int parent)
{
    TQuery &q = DM->SQLGrup;
    q.SetSQL(QStringLiteral("INSERT INTO tab_grup(naim_grup,num_tv,id_parent) "
                            "VALUES(:naim_mera,:id_prod,:g)"));
    q.Bind(QStringLiteral("naim_mera"), name);
    q.Bind(QStringLiteral("id_prod"), order);
    q.Bind(QStringLiteral("g"), parent);
    q.ExecSQL();
}

QString MeasuresCaption(const QString &productName)
{
    return QStringLiteral("Меры для продукта \"") + productName + QLatin1Char('"');
}

double MeasureKcal(double grams, double kkalPer100)
{
    return grams * kkalPer100 / 100;
}

qint32 MeasureGrams(double kcal, double kkalPer100)
{
    return RoundEven32(kcal * 100 / kkalPer100);
}
