// A full paint of a curve diagram at the demo's size (489 x 297): frame,
// title, both axes with grid and labels, ten points with guide lines, one
// hovered label, the day-counter line and its picture with the day number.

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

void BM_CurveDiagramFullPaint489x297(benchmark::State& state)
{
    TFontBitmaps fonts;
    TCurveDiagram d(nullptr, TenPoints(), &fonts);
    d.SetBounds(0, 0, 489, 297);
    d.SetDiagramTitle(QStringLiteral("Temperatuurcurve"));
    d.DiagramSettings()->SetShowSymbols(true);
    d.DiagramSettings()->SetYAxisDecimals(1);
    d.PaintToImage();
    d.PointList[4]->MouseOver = true;
    for (auto _ : state)
        benchmark::DoNotOptimize(d.PaintToImage().constBits());
}
BENCHMARK(BM_CurveDiagramFullPaint489x297)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) { return RunBenchmarks(argc, argv); }
