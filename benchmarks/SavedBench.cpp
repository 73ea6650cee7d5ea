// Saved rations on the large synthetic catalogue: saving a 1 000-entry ration under a new name
// and again into the current saved ration, loading it back into the ration list, and listing
// 1 000 saved rations in the dialog. Saving and loading should each stay under 50 ms, the
// listing within one frame (16 ms).
#include "BenchSupport.h"

#include "ListView.h"
#include "Numbers.h"
#include "SavedRations.h"
#include "UDM.h"
#include "UMain.h"
#include "UMy.h"
#include "USaveRacion.h"
#include "UVvod.h"

#include <QLineEdit>
#include <QTableWidget>
#include <QTreeWidget>

namespace {

const QString SaveCaption = QStringLiteral("Сохранить рацион как");
const QString LoadCaption = QStringLiteral("Загрузить рацион");

void ShowRation(const TArraySave &rac)
{
    ArrSave = rac;
    fMain->APaintLVRAc->trigger();
}

QLineEdit *NameField()
{
    return fSaveRacion->findChild<QLineEdit *>(QStringLiteral("EdNaimRac"));
}

QTreeWidget *Tree()
{
    return fSaveRacion->findChild<QTreeWidget *>(QStringLiteral("TVSaveRac"));
}

} // namespace

// "Да" in save mode under a name not yet taken: the name look-up, the name row and 1 000 rows.
static void BM_SaveNewRation1000(benchmark::State &state)
{
    BenchForms forms;
    ShowRation(BenchRation1000());
    fSaveRacion->setWindowTitle(SaveCaption);
    int n = 0;
    for (auto _ : state) {
        NameField()->setText(QStringLiteral("Замер %1").arg(++n));
        fSaveRacion->ButDaClick();
    }
    state.counters["entries"] = ArrSave.size();
    ArrSave.clear();
}
BENCHMARK(BM_SaveNewRation1000)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// "Сохранить " on a ration that came from a saved one: its rows deleted and written anew.
static void BM_ReSaveRation1000(benchmark::State &state)
{
    BenchForms forms;
    ShowRation(BenchRation1000());
    fVvod->IdRac = SaveNewRacion(QStringLiteral("Замер"), ArrSave);
    for (auto _ : state)
        fMain->ButSaveKakClick();
    state.counters["entries"] = ArrSave.size();
    ArrSave.clear();
}
BENCHMARK(BM_ReSaveRation1000)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// "Да" in load mode with an empty ration list: reading the rows, repainting both ration lists
// with their 1 000 entries and subtotals, and drawing them.
static void BM_LoadRation1000(benchmark::State &state)
{
    BenchForms forms;
    ShowRation(BenchRation1000());
    const qint32 id = SaveNewRacion(QStringLiteral("Замер"), ArrSave);
    fSaveRacion->setWindowTitle(LoadCaption);
    fSaveRacion->FormShow();
    for (int i = 0; i < Tree()->topLevelItemCount(); ++i)
        if (Tree()->topLevelItem(i)->data(0, Qt::UserRole).toInt() == id)
            Tree()->setCurrentItem(Tree()->topLevelItem(i));
    auto *list = fMain->findChild<QTableWidget *>(QStringLiteral("LVRac"));
    for (auto _ : state) {
        state.PauseTiming();
        ArrSave.clear();
        fMain->APaintLVRAc->trigger();
        ProcessEvents();
        state.ResumeTiming();
        fSaveRacion->ButDaClick();
        ProcessEvents();
    }
    state.counters["entries"] = ArrSave.size();
    state.counters["rows"] = list->rowCount();
    ArrSave.clear();
}
BENCHMARK(BM_LoadRation1000)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// Opening the dialog on 1 000 saved rations: the listing with its name proposal, drawn.
static void BM_ListSaved1000(benchmark::State &state)
{
    BenchForms forms;
    TQuery &q = DM->qSaveRac;
    q.SetSQL(QStringLiteral("SELECT count(*) FROM tab_nazv_rac"));
    q.Open();
    {
        TTransaction t(DM->ADOTrans);
        for (int i = q.Field(0).toInt(); i < 1000; ++i) {
            q.SetSQL(QStringLiteral("INSERT INTO tab_nazv_rac(naim_rac) VALUES(:nazv)"));
            q.Bind(QStringLiteral("nazv"), QStringLiteral("Сохраненный рацион %1").arg(i));
            q.ExecSQL();
        }
        t.Commit();
    }
    fSaveRacion->setWindowTitle(LoadCaption);
    fSaveRacion->show();
    ProcessEvents();
    for (auto _ : state) {
        fSaveRacion->FormShow();
        ProcessEvents();
    }
    state.counters["listed"] = Tree()->topLevelItemCount();
    fSaveRacion->hide();
}
BENCHMARK(BM_ListSaved1000)->Unit(benchmark::kMillisecond)->MinTime(2.0);
