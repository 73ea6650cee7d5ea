#pragma once

#include "UMy.h"

// Shared ground for the benchmarks. A benchmark source holds only BENCHMARK functions; main()
// (BenchMain.cpp) makes our application object offscreen and runs them.
//
//   static void BM_Something(benchmark::State &state)
//   {
//       BenchForms forms;                 // folder with a copy of big.mdb, every window made
//       for (auto _ : state) { ... }
//   }
//   BENCHMARK(BM_Something)->Unit(benchmark::kMillisecond);
//
// A modal window that opens while a benchmark runs (an error report, a message box) ends the
// program with its text on stderr, unless the benchmark answers it itself (for instance with
// a QTimer::singleShot started before the call that opens it) inside a BenchModalsAllowed
// scope.

#include <benchmark/benchmark.h>

#include <QString>
#include <QTemporaryDir>

#include <memory>

// The synthetic catalogue made by tools/gencat: 100 000 products in 2 000 groups and
// subgroups, three measures each (the first "100г"), 200 saved rations of 30 entries.
QString BigDbPath();

// A temporary folder standing in for the executable's folder, holding a fresh copy of
// big.mdb as KKAL.mdb and no setting.ini (so every setting has its default); AppDir()
// points at it while it lives.
class BenchFolder {
public:
    BenchFolder();
    ~BenchFolder();
    BenchFolder(const BenchFolder &) = delete;
    BenchFolder &operator=(const BenchFolder &) = delete;
    QString Path() const; // with a trailing separator
    QString File(const QString &name) const;

private:
    std::unique_ptr<QTemporaryDir> fDir;
};

// A BenchFolder with the data module and every window created (CreateForms) for the
// benchmark's whole run, destroyed after (DestroyForms). fMain is shown and painted unless
// showMain is false.
class BenchForms {
public:
    explicit BenchForms(bool showMain = true);
    ~BenchForms();
    BenchForms(const BenchForms &) = delete;
    BenchForms &operator=(const BenchForms &) = delete;
    BenchFolder folder;
};

// Runs the pending events (painting, posted events, zero timers) until none is left.
void ProcessEvents();

// While one lives, modal windows may open without ending the program.
class BenchModalsAllowed {
public:
    BenchModalsAllowed();
    ~BenchModalsAllowed();
};

// A ration of 1 000 entries in 25 meals of 40 over products spread through the catalogue,
// each product once; every fourth entry is in portions of a measure of its product.
TArraySave BenchRation1000();
