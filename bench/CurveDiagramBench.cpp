// A full paint of a curve diagram at the demo's size (489 x 297): frame,
// title, both axes with grid and labels, ten points with guide lines, one
// hovered label, the day-counter line and its picture with the day number;
// once with the axes kept from the previous paint, once with new axes.

#include "BenchMain.h"
#include "diagram/CurveDiagram.h"
#include "diagram/CurveStruct.h"
#include "diagram/DiagramSettings.h"
#include "diagram/FontBitmaps.h"

namespace {

TCurveStruct* TenPoints()
{
    auto* c = new TCurveStruct;
    c->DayCounter = 123;
    c->PointCount = 10;
    c->YFloor = 100;
    c->YCeiling = 400;
    c->CurveXValType = vtInteger;
    c->CurveYValType = vtTenths;
    for (int i = 0; i < 10; ++i) {
        c->XValues[size_t(i)] = i * 20;
        c->YValues[size_t(i)] = 320 - i * 15;
    }
    return c;
}

struct Diagram {
    TFontBitmaps fonts;
    TCurveDiagram d{nullptr, TenPoints(), &fonts};
    Diagram()
    {
        d.SetBounds(0, 0, 489, 297);
        d.SetDiagramTitle(QStringLiteral("Temperatuurcurve"));
        d.DiagramSettings()->SetShowSymbols(true);
        d.DiagramSettings()->SetYAxisDecimals(1);
        d.PaintToImage();
        d.PointList[4]->MouseOver = true;
    }
};

// The paint of every hover, key step and drag end: the axes are unchanged.
void BM_CurveDiagramFullPaint489x297(benchmark::State& state)
{
    Diagram g;
    for (auto _ : state)
        benchmark::DoNotOptimize(g.d.PaintToImage().constBits());
}
BENCHMARK(BM_CurveDiagramFullPaint489x297)->Unit(benchmark::kMicrosecond);

// The first paint, or one after the axes changed: everything is drawn.
void BM_CurveDiagramPaintNewAxes489x297(benchmark::State& state)
{
    Diagram g;
    int decimals = 0;
    for (auto _ : state) {
        decimals ^= 1;
        g.d.DiagramSettings()->SetYAxisDecimals(decimals);
        benchmark::DoNotOptimize(g.d.PaintToImage().constBits());
    }
}
BENCHMARK(BM_CurveDiagramPaintNewAxes489x297)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) { return RunBenchmarks(argc, argv); }
