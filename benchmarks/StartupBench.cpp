// Start-up on the large catalogue: from creating DM to fMain shown (creation of every
// window in start-up order, fMain's creation handler with its start-up statement, group
// tree and settings, then showing and painting the main window).
#include "BenchSupport.h"

#include "Forms.h"
#include "UMain.h"

static void BM_Startup(benchmark::State &state)
{
    BenchFolder folder;
    for (auto _ : state) {
        CreateForms();
        fMain->show();
        ProcessEvents();
        state.PauseTiming();
        DestroyForms();
        ProcessEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Startup)->Unit(benchmark::kMillisecond)->MinTime(2.0);
