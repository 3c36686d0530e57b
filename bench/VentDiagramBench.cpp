// A full paint of the ventilation diagram at the main window's size in the
// demo's stored state: the repaint the fan thread asks for on every frame.

#include "BenchMain.h"
#include "diagram/DiagramSettings.h"
#include "diagram/LvdVentDiagram.h"
#include "framework/Application.h"

#include <benchmark/benchmark.h>

namespace {

void ApplyDemoState(TLvdVentDiagram& d)
{
    d.SetBounds(0, 0, 489, 297);
    TDiagramSettings& ds = *d.DiagramSettings();
    ds.SetShowPointValues(true);
    ds.SetShowSymbols(true);
    ds.SetMaxXValue(500);
    ds.SetMaxYValue(100);
    TSetpoints& s = *d.Setpoints();
    s.SetMinAlarm(100);
    s.SetMaxAlarm(360);
    s.SetBandbreedte(60);
    s.SetStreefTemp(185);
    s.SetVerwarmVerschil(30);
    d.SetGemetenTemperatuur(203);
}

// The fan turns between paints, as under the fan thread.
void BM_VentDiagramFullPaint489x297(benchmark::State& state)
{
    TLvdVentDiagram d;
    ApplyDemoState(d);
    int frame = 0;
    for (auto _ : state) {
        d.SetVentIndex(++frame);
        benchmark::DoNotOptimize(d.PaintToImage().constBits());
    }
}
BENCHMARK(BM_VentDiagramFullPaint489x297)->Unit(benchmark::kMicrosecond);

// The heating curve blends the heater picture anew whenever the position moves.
void BM_VentDiagramHeatingPaint489x297(benchmark::State& state)
{
    TLvdVentDiagram d;
    ApplyDemoState(d);
    d.SetOptieVentilatie(false);
    int step = 0;
    for (auto _ : state) {
        d.SetGemetenTemperatuur(130 + (++step % 50));
        benchmark::DoNotOptimize(d.PaintToImage().constBits());
    }
}
BENCHMARK(BM_VentDiagramHeatingPaint489x297)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) { return RunBenchmarks(argc, argv); }
