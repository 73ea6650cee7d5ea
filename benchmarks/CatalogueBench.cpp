// The catalogue on the large synthetic catalogue: rebuilding and painting the whole group
// tree (2 000 groups and subgroups), and listing the products of a group that holds 500.
// Each should fit in one frame (16 ms).
#include "BenchSupport.h"

#include "UDM.h"
#include "UMain.h"

#include <QTableWidget>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

static void BM_PaintGroupTree(benchmark::State &state)
{
    BenchForms forms;
    auto *tree = fMain->findChild<QTreeWidget *>(QStringLiteral("TVGrup"));
    for (auto _ : state) {
        fMain->APaintTVGrup->trigger();
        ProcessEvents();
    }
    int nodes = 0;
    for (QTreeWidgetItemIterator it(tree); *it; ++it)
        ++nodes;
    state.counters["nodes"] = nodes;
}
BENCHMARK(BM_PaintGroupTree)->Unit(benchmark::kMillisecond)->MinTime(2.0);

static void BM_ListProductsOf500(benchmark::State &state)
{
    BenchForms forms;
    // The first subgroup gets exactly 500 products; its own go to its neighbour.
    const int grup = 201;
    TQuery &q = DM->qSaveRac;
    q.SetSQL(QStringLiteral("UPDATE tab_prod SET id_grup=202 WHERE id_grup=201"));
    q.ExecSQL();
    q.SetSQL(QStringLiteral("UPDATE tab_prod SET id_grup=201 WHERE id_prod IN "
                            "(SELECT id_prod FROM tab_prod ORDER BY id_prod LIMIT 500)"));
    q.ExecSQL();

    auto *tree = fMain->findChild<QTreeWidget *>(QStringLiteral("TVGrup"));
    auto *list = fMain->findChild<QTableWidget *>(QStringLiteral("LVProd"));
    for (QTreeWidgetItemIterator it(tree); *it; ++it)
        if ((*it)->data(0, Qt::UserRole).toInt() == grup) {
            tree->setCurrentItem(*it);
            break;
        }
    for (auto _ : state) {
        fMain->APaintTVProd->trigger();
        ProcessEvents();
    }
    state.counters["products"] = list->rowCount();
}
BENCHMARK(BM_ListProductsOf500)->Unit(benchmark::kMillisecond)->MinTime(2.0);
