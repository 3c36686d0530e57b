// The trend graph with large series at 800 x 400: a random walk with a daily
// sine (one point a minute), drawn whole, zoomed and panned, by the fast
// renderer and by the plain walk over every point; the min/max index build
// and its memory; live data: appending, and the frame of eight series fed
// at 1 kHz each, following the newest point.

#include "BenchMain.h"
#include "WalkSeries.h"
#include "graph/KivGraph.h"

#include <benchmark/benchmark.h>
#include <algorithm>
#include <cmath>
#include <memory>
#include <random>
#include <vector>

namespace {

struct Graph {
    TKivGraph g;
    TSeries* series;
    explicit Graph(int n, bool axes)
    {
        g.resize(800, 400);
        series = WalkWithDailySine(n);
        g.AddSerie(series);
        g.LimitXMin = 0;
        g.LimitXMax = n;
        g.LimitLeftMin = 0;
        g.LimitLeftMax = 120;
        if (!axes) {
            g.SetGridStyle(TKivGraph::gsNone);
            g.ShowXNumbers = g.ShowLeftNumbers = false;
        }
        g.SetVisLeftRect({0, 0, double(n), 120});
        g.PaintToImage(); // builds the index
    }
    void Paint()
    {
        g.NeedsRender = true;
        benchmark::DoNotOptimize(g.PaintToImage().constBits());
    }
};

void Lines(benchmark::State& state)
{
    Graph graph(int(state.range(0)), false);
    for (auto _ : state)
        graph.Paint();
}
BENCHMARK(Lines)->Name("BM_TrendLines")->Arg(1000000)->Arg(10000000)->Unit(benchmark::kMillisecond);

void FullPaint(benchmark::State& state)
{
    Graph graph(int(state.range(0)), true);
    for (auto _ : state)
        graph.Paint();
}
BENCHMARK(FullPaint)->Name("BM_TrendFullPaintWithAxes")->Arg(1000000)->Unit(benchmark::kMillisecond);

void ReferenceWalk(benchmark::State& state)
{
    Graph graph(int(state.range(0)), false);
    graph.g.ReferenceRenderer = true;
    for (auto _ : state)
        graph.Paint();
}
BENCHMARK(ReferenceWalk)->Name("BM_TrendLinesPlainWalk")->Arg(1000000)->Unit(benchmark::kMillisecond);

// A different window of 1/50 of the data in every frame, as while panning.
void Pan(benchmark::State& state)
{
    const int n = int(state.range(0));
    Graph graph(n, false);
    const double span = n / 50.0;
    int frame = 0;
    for (auto _ : state) {
        const double from = std::fmod(frame++ * span * 0.37, n - span);
        graph.g.SetVisLeftRect({from, 0, from + span, 120});
        graph.Paint();
    }
}
BENCHMARK(Pan)->Name("BM_TrendPanZoomed")->Arg(10000000)->Unit(benchmark::kMillisecond);

void IndexBuild(benchmark::State& state)
{
    std::unique_ptr<TSeries> s(WalkWithDailySine(int(state.range(0))));
    for (auto _ : state) {
        s->Invalidate();
        benchmark::DoNotOptimize(&s->Index());
    }
    state.counters["index_bytes_per_point_byte"] =
        double(s->CacheBytes()) / double(s->Points.size() * sizeof(TPoint2D));
}
BENCHMARK(IndexBuild)->Name("BM_TrendIndexBuild")->Arg(10000000)->Unit(benchmark::kMillisecond);

// One by one, as a sensor delivers them, the index kept all along.
void Append(benchmark::State& state)
{
    const int64_t n = state.range(0);
    for (auto _ : state) {
        TSeries s;
        s.Index();
        double v = 50;
        for (int64_t i = 0; i < n; ++i) {
            v += (i & 1) ? 0.5 : -0.25;
            s.Append({double(i), v});
        }
        benchmark::DoNotOptimize(&s.Index());
    }
    state.SetItemsProcessed(state.iterations() * n);
}
BENCHMARK(Append)->Name("BM_TrendAppendOneByOne")->Arg(10000000)->Unit(benchmark::kMillisecond);

// Eight series sharing `range(0)` points retained (X in seconds, 1 kHz), each
// frame 17 new points a series (a 60 Hz frame) with as many dropped by the
// retention, the view following the newest point, and the paint.
void LiveFrame(benchmark::State& state)
{
    constexpr int kSeries = 8, kPerFrame = 17;
    const int64_t perSeries = state.range(0) / kSeries;
    TKivGraph g;
    g.resize(800, 400);
    g.LimitXMin = 0;
    g.LimitXMax = 2000000000;
    std::mt19937 rng(42);
    std::normal_distribution<double> step(0.0, 0.5);
    std::vector<double> level(kSeries, 50);
    std::vector<TSeries*> series;
    for (int k = 0; k < kSeries; ++k) {
        auto* s = new TSeries;
        s->Color = TColor(0x3030C0 + k * 0x101808);
        s->RetainCount = size_t(perSeries);
        s->MaxY = 120; // adding a series sets the graph's value limits to its own
        s->Points.reserve(size_t(perSeries));
        for (int64_t i = 0; i < perSeries; ++i) {
            level[size_t(k)] = std::clamp(level[size_t(k)] + step(rng), 0.0, 100.0);
            s->Points.push_back({double(i) / 1000, level[size_t(k)]});
        }
        g.AddSerie(s);
        series.push_back(s);
    }
    int64_t next = perSeries;
    g.SetVisLeftRect({0, 0, double(perSeries) / 1000, 120});
    g.SetFollow(true);
    g.PaintToImage(); // builds the indexes
    for (auto _ : state) {
        for (int k = 0; k < kSeries; ++k) {
            for (int i = 0; i < kPerFrame; ++i) {
                level[size_t(k)] = std::clamp(level[size_t(k)] + step(rng), 0.0, 100.0);
                series[size_t(k)]->Append({double(next + i) / 1000, level[size_t(k)]});
            }
            g.PointsAppended(series[size_t(k)]);
        }
        next += kPerFrame;
        benchmark::DoNotOptimize(g.PaintToImage().constBits());
    }
    double held = 0, own = 0;
    for (const TSeries* s : series) {
        held += double(s->Points.Bytes() + s->CacheBytes());
        own += double(s->Points.size() * sizeof(TPoint2D));
    }
    state.counters["memory_per_point_byte"] = held / own;
}
BENCHMARK(LiveFrame)->Name("BM_TrendLiveFrame")->Arg(10000000)->Unit(benchmark::kMillisecond);
BENCHMARK(LiveFrame)->Name("BM_TrendLiveFrame100M")->Arg(100000000)->Iterations(60)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) { return RunBenchmarks(argc, argv); }
