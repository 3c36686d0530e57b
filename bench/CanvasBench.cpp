// A full off-screen paint at the ventilation diagram's size: a few hundred
// lines, polygons and text runs, as a busy diagram draws them.

#include "BenchMain.h"
#include "framework/Application.h"
#include "framework/Bitmap.h"

#include <benchmark/benchmark.h>

namespace {

void PaintScene(TCanvas& c, int w, int h)
{
    c.Brush.Style = bsSolid;
    c.Brush.Color = clBtnFace;
    c.FillRect(TRect(0, 0, w, h));
    c.Pen.Color = clGray;
    c.Pen.Style = psDot;
    for (int i = 0; i < 100; ++i) { // grid
        c.MoveTo(40 + i * 4, 20);
        c.LineTo(40 + i * 4, h - 40);
    }
    c.Pen.Style = psSolid;
    c.Pen.Color = clBlack;
    for (int i = 0; i < 200; ++i) { // curve segments
        c.MoveTo(40 + i * 2, h - 40 - (i * 7) % 200);
        c.LineTo(42 + i * 2, h - 40 - ((i + 1) * 7) % 200);
    }
    c.Brush.Color = clRed;
    c.Brush.Style = bsBDiagonal;
    for (int i = 0; i < 50; ++i) // hatched areas and markers
        c.Polygon({QPoint(40 + i * 8, 30), QPoint(46 + i * 8, 30), QPoint(43 + i * 8, 60)});
    c.Brush.Style = bsSolid;
    c.Brush.Color = clWhite;
    for (int i = 0; i < 50; ++i) // axis labels
        c.TextOut(40 + (i % 10) * 44, h - 35 + (i / 10) * 6, QString::number(i * 10));
}

void BM_FullPaint489x297(benchmark::State& state)
{
    TBitmap bmp(489, 297);
    for (auto _ : state) {
        PaintScene(bmp.Canvas(), 489, 297);
        benchmark::DoNotOptimize(bmp.Image().constBits());
    }
}
BENCHMARK(BM_FullPaint489x297)->Unit(benchmark::kMicrosecond);

void BM_FloodFillTriangle(benchmark::State& state)
{
    TBitmap bmp(65, 100);
    for (auto _ : state) {
        TCanvas& c = bmp.Canvas();
        c.Brush.Color = clWhite;
        c.FillRect(TRect(0, 0, 65, 100));
        c.Brush.Style = bsClear;
        c.Polygon({QPoint(10, 40), QPoint(55, 40), QPoint(32, 10)});
        c.Brush.Style = bsSolid;
        c.Brush.Color = clBlack;
        c.FloodFill(32, 35, clWhite, fsSurface);
    }
}
BENCHMARK(BM_FloodFillTriangle)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) { return RunBenchmarks(argc, argv); }
