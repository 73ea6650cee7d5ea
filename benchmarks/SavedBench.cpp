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

// 1 000 entries in 25 meals of 40, over products spread through the catalogue; every fourth
// entry is in portions of a measure of its product.
TArraySave Ration1000()
{
    TQuery &q = DM->qSaveRac;
    q.SetSQL(QStringLiteral("SELECT id_prod, id_mif, g_mera FROM tab_mera WHERE id_mif % 97 = 0 "
                            "ORDER BY id_mif LIMIT 1000"));
    q.Open();
    TArraySave rac;
    for (int i = 0; !q.Eof(); q.Next(), ++i) {
        TRacionItem e;
        e.vremy = (6 * 60 + (i / 40) * 30) / 1440.0;
        e.id_prod = q.Field(0).toInt();
        e.flag = i % 4 != 0;
        if (e.flag) {
            e.g = 50 + i % 200;
        } else {
            e.id_porc = q.Field(1).toInt();
            e.kol_porc = 1.5;
            e.g = RoundEven32(1.5 * q.Field(2).toInt());
        }
        e.kkal = e.g * 1.7;
        e.bel = e.g * 0.05;
        e.zir = e.g * 0.03;
        e.ugl = e.g * 0.2;
        rac.append(e);
    }
    return rac;
}

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
    ShowRation(Ration1000());
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
    ShowRation(Ration1000());
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
    ShowRation(Ration1000());
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
