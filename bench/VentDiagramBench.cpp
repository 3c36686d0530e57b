// Paints of the ventilation diagram at the main window's size (489 x 297) in
// the demo's stored state: the repaint the fan thread asks for on every frame,
// a step of the measured temperature, and a paint from scratch.

#include "BenchMain.h"
#include "diagram/LvdVentDiagram.h"
#include "framework/Application.h"
#include "tests/support/DemoState.h"

#include <benchmark/benchmark.h>

namespace {

// The fan turns between paints, as under the fan thread.
void BM_VentDiagramFanFrame489x297(benchmark::State& state)
{
    TLvdVentDiagram d;
    ApplyDemoState(d);
    int frame = 0;
    for (auto _ : state) {
        d.SetVentIndex(++frame);
        benchmark::DoNotOptimize(d.PaintToImage().constBits());
    }
}
BENCHMARK(BM_VentDiagramFanFrame489x297)->Unit(benchmark::kMicrosecond);

// The temperature moves the operating point, the position and (on the heating
// curve) the heater's blend between paints.
void BM_VentDiagramTemperatureStep489x297(benchmark::State& state)
{
    TLvdVentDiagram d;
    ApplyDemoState(d);
    d.SetOptieVentilatie(state.range(0) != 0);
    int step = 0;
    for (auto _ : state) {
        d.SetGemetenTemperatuur(130 + (++step % 50));
        benchmark::DoNotOptimize(d.PaintToImage().constBits());
    }
}
BENCHMARK(BM_VentDiagramTemperatureStep489x297)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// A setpoint changed: everything is drawn anew.
void BM_VentDiagramFromScratch489x297(benchmark::State& state)
{
    TLvdVentDiagram d;
    ApplyDemoState(d);
    for (auto _ : state) {
        d.DropKeptLayers();
        benchmark::DoNotOptimize(d.PaintToImage().constBits());
    }
}
BENCHMARK(BM_VentDiagramFromScratch489x297)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) { return RunBenchmarks(argc, argv); }
