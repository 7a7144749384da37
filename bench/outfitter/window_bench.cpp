// The main window from construction to shown, on a selector folder of 2,000 sets, offscreen.

#include "selector_fixture.h"

#include "outfitter/ui/qiv_form.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

void windowReady(benchmark::State& state) {
    static const outfitter::bench::SelectorFixture fixture;
    for (auto _ : state) {
        outfitter::QIVForm form(fixture.game());
        form.show();
        QApplication::processEvents();
        state.PauseTiming();
        form.close();
        state.ResumeTiming();
    }
}
BENCHMARK(windowReady)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
