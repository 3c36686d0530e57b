// A full paint of the main window's thermometer (89 x 153, scale 0..50 with
// steps 10 and 2, value 23.9). Budget: 0.2 ms median in a release build.

#include "BenchMain.h"
#include "framework/Application.h"
#include "tests/support/DemoState.h"
#include "widgets/VrThermoMeter.h"

#include <benchmark/benchmark.h>

namespace {

void BM_DemoThermometerPaint(benchmark::State& state)
{
    TvrThermoMeter meter;
    ApplyDemoState(meter);
    meter.Value()->SetValue(23.9);
    for (auto _ : state)
        benchmark::DoNotOptimize(meter.PaintToImage().constBits());
}
BENCHMARK(BM_DemoThermometerPaint)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv) { return RunBenchmarks(argc, argv); }
