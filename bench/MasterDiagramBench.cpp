// A full paint of a master diagram at the demo's size (489 x 297): frame,
// title, both axes with grid and labels, a hatched zone, a seven-point curve
// with guide lines, every point's label and two symbol rows.

#include "BenchMain.h"
#include "framework/Application.h"
#include "tests/diagram/TestDiagram.h"

#include <benchmark/benchmark.h>

namespace {

struct BusyDiagram {
    TTestDiagram d;
    std::array<int, 4> zone{0, 100, 0, 100};

    BusyDiagram()
    {
        d.SetDiagramTitle(QStringLiteral("Ventilatie"));
        d.DiagramSettings()->SetShowPointValues(true);
        d.DiagramSettings()->SetShowSymbols(true);
        const int xs[] = {0, 100, 160, 185, 245, 360, 500};
        const int ys[] = {10, 10, 10, 10, 100, 100, 100};
        for (int i = 0; i < 7; ++i)
            d.AddPoint(xs[i], ys[i], i > 0 && i < 6);
        TPointArea& a = d.PointList[0]->Area;
        a.AreaLeft = &zone[0];
        a.AreaRight = &zone[1];
        a.AreaBottom = &zone[2];
        a.AreaTop = &zone[3];
        a.AreaBrushStyle = bsFDiagonal;
        a.AreaKind = akBelowCurve;
        AddSymbol(2, 3, 2, 1, QStringLiteral("VLAM"));
        AddSymbol(4, 3, 4, 0, QStringLiteral("BANDBR"));
    }

    void AddSymbol(int point, int from, int to, int row, const QString& picture)
    {
        TPointSymbol& s = d.PointList[size_t(point)]->Symbol;
        s.SymbolType = vtTenths;
        s.SymbolValue = &d.X[size_t(to)];
        s.SymbolFromX = &d.X[size_t(from)];
        s.SymbolToX = &d.X[size_t(to)];
        s.SymbolRow = row;
        s.ArrowMode = 2;
        s.SymbolBitmap.LoadFromResourceName(picture);
    }
};

void BM_MasterDiagramFullPaint489x297(benchmark::State& state)
{
    BusyDiagram busy;
    for (auto _ : state)
        benchmark::DoNotOptimize(busy.d.PaintToImage().constBits());
}
BENCHMARK(BM_MasterDiagramFullPaint489x297)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) { return RunBenchmarks(argc, argv); }
