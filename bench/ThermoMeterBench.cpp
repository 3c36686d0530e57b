// A full paint of the main window's thermometer (89 x 153, scale 0..50 with
// steps 10 and 2, value 23.9). Budget: 0.2 ms median in a release build.

#include "BenchMain.h"
#include "framework/Application.h"
#include "widgets/VrThermoMeter.h"

#include <benchmark/benchmark.h>

namespace {

void SetUpDemo(TvrThermoMeter& t)
{
    t.SetBounds(0, 0, 89, 153);
    t.SetColor(clBtnFace);
    t.SetColorAfter(clBtnFace);
    t.Font()->SetHeight(-13);
    TvrThermoMeterScale* s = t.Scale();
    s->SetOffset(20);
    s->SetHeightMax(14);
    s->SetHeightMin(8);
    s->SetMax(50);
    s->SetMin(0);
    s->SetStep(10);
    s->SetSmallStep(2);
    for (TVrLiniarIndicator* m : {t.SetPoint(), t.PeakMin(), t.PeakMax(), t.Value()})
        m->SetVisible(false);
    t.Value()->SetValue(23.9);
}

void BM_DemoThermometerPaint(benchmark::State& state)
{
    TvrThermoMeter meter;
    SetUpDemo(meter);
    for (auto _ : state)
        benchmark::DoNotOptimize(meter.PaintToImage().constBits());
}
BENCHMARK(BM_DemoThermometerPaint)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv) { return RunBenchmarks(argc, argv); }
