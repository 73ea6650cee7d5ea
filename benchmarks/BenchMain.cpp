// main() of every benchmark program: our application object on the offscreen platform, a
// guard against modal windows nobody answers, then Google Benchmark.
#include "Application.h"
#include "BenchSupport.h"

#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>

extern int gModalsAllowed;

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    TApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);

    // A modal window's own event loop still runs this timer: an unanswered box would
    // otherwise hang the run.
    QTimer guard;
    QObject::connect(&guard, &QTimer::timeout, [] {
        QWidget *modal = QApplication::activeModalWidget();
        if (modal && gModalsAllowed == 0) {
            std::fprintf(stderr, "benchmark: unexpected modal window \"%s\"\n",
                         qPrintable(modal->windowTitle()));
            std::_Exit(3);
        }
    });
    guard.start(200);

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
