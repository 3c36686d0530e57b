// One tick of the feed weigher (cycle step, weight simulation, full redraw of
// the 140 x 200 picture with its four numbers, status word) while it runs
// fill and discharge cycles without pause, the discharge auger always on.

#include "BenchMain.h"
#include "feed/FWS.h"
#include "framework/Timer.h"

namespace {

void BM_FeedWeigherTick(benchmark::State& state)
{
    TFWS w;
    w.FeedTimer().SetEnabled(false);
    w.Seed(3);
    w.SetAfvoerVijzel(true);
    bool fill = true;
    for (auto _ : state) {
        if (w.CycleState() == 0 && w.Ready() && !w.ActivateVijzel() && !w.Losklep()) {
            if (fill)
                w.HandleTask(0x0012, 3000);
            else
                w.SetLosklep(true);
            fill = !fill;
        }
        w.OnFeedTimer();
        benchmark::DoNotOptimize(w.FeedStatus());
    }
}
BENCHMARK(BM_FeedWeigherTick)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) { return RunBenchmarks(argc, argv); }
