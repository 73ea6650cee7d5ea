// The current ration on the large synthetic catalogue: repainting a ration of 1 000 entries
// (both lists, one or two name look-ups per entry) and adding one entry to it through the
// entry dialog's "Да" (the product's and the measure's values, placing, repaint). Each should
// stay within one frame (16 ms).
#include "BenchSupport.h"

#include "ListView.h"
#include "Numbers.h"
#include "UDM.h"
#include "UMain.h"
#include "UMy.h"
#include "UVvod.h"

#include <QCheckBox>
#include <QDateTimeEdit>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableWidget>

namespace {

template <class T> T *Control(QWidget *window, const char *name)
{
    return window->findChild<T *>(QString::fromLatin1(name));
}

} // namespace

// APaintLVRAc on 1 000 entries, with the subtotals and the day totals, drawn once.
static void BM_PaintRation1000(benchmark::State &state)
{
    BenchForms forms;
    Control<QCheckBox>(fMain, "CB1")->setChecked(true);
    ArrSave = BenchRation1000();
    for (auto _ : state) {
        fMain->APaintLVRAc->trigger();
        ProcessEvents();
    }
    state.counters["rows"] = Control<QTableWidget>(fMain, "LVRac")->rowCount();
    ArrSave.clear();
}
BENCHMARK(BM_PaintRation1000)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// "Да" of the entry dialog in add mode, 2 portions of a measure, into a 1 000-entry ration: a
// product of its own placed into the midday meal, then the repaint.
static void BM_AddEntryTo1000(benchmark::State &state)
{
    BenchForms forms;
    Control<QCheckBox>(fMain, "CB1")->setChecked(true);
    const TArraySave rac = BenchRation1000();
    ArrSave = rac;
    fMain->APaintLVRAc->trigger();
    DM->qSaveRac.SetSQL(QStringLiteral("SELECT id_prod, naim_prod FROM tab_prod WHERE id_prod "
                                       "IN (SELECT id_prod FROM tab_mera WHERE id_mif = 50)"));
    DM->qSaveRac.Open();
    auto *products = Control<QTableWidget>(fMain, "LVProd");
    ListView::Clear(products);
    ListView::Select(products, ListView::AddRow(products, DM->qSaveRac.Field(1).toString(), {},
                                                DM->qSaveRac.Field(0).toInt()));
    fVvod->setWindowTitle(VvodAddCaption);
    fVvod->FillMera(DM->qSaveRac.Field(0).toInt());
    Control<QRadioButton>(fVvod, "RGPorc")->setChecked(true);
    Control<QLineEdit>(fVvod, "EDMera")->setText(QStringLiteral("2"));
    Control<QDateTimeEdit>(fVvod, "DTP")->setTime(QTime(12, 0));
    for (auto _ : state) {
        fVvod->ButDaClick();
        ProcessEvents();
        state.PauseTiming();
        ArrSave = rac;
        state.ResumeTiming();
    }
    state.counters["entries"] = rac.size() + 1;
    ArrSave.clear();
}
BENCHMARK(BM_AddEntryTo1000)->Unit(benchmark::kMillisecond)->MinTime(2.0);
