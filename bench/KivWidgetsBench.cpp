// Full paints of the fader, the analog meter and the spin button at their
// default sizes. Budget: 0.05 ms each in a release build. The fader's full
// paint draws every layer again; the meter's paint reuses its cached dial, as
// every paint after a position change does (its drawing from scratch, needed
// only after a change of scale, colours, fonts or size, is measured apart).
#include "BenchMain.h"
#include "widgets/AnalogMeter.h"
#include "widgets/GFader.h"
#include "widgets/KivSpinButton.h"
#include "widgets/TimerSpeedButton.h"

#include <benchmark/benchmark.h>

namespace {

// Everything drawn again: scale, labels, groove, head and composite.
void BM_FaderFullPaint(benchmark::State& state)
{
    TGFader fader;
    fader.SetMarkType(TGFader::TMarkType(state.range(0)));
    for (auto _ : state) {
        fader.InvalidateCache();
        benchmark::DoNotOptimize(fader.PaintToImage().constBits());
    }
}
BENCHMARK(BM_FaderFullPaint)->Arg(TGFader::mtMarks)->Arg(TGFader::mtRamp)->Arg(TGFader::mtStepRamp)->Unit(benchmark::kMicrosecond);

// A value change: only the head is placed again on the cached base.
void BM_FaderValueChange(benchmark::State& state)
{
    TGFader fader;
    fader.PaintToImage();
    int value = 0;
    for (auto _ : state) {
        fader.SetValue(value = (value + 7) % 101);
        benchmark::DoNotOptimize(fader.PaintToImage().constBits());
    }
}
BENCHMARK(BM_FaderValueChange)->Unit(benchmark::kMicrosecond);

// What a new position costs: the cached dial, then pointer, cap and value.
void BM_AnalogMeterPaint(benchmark::State& state)
{
    TAnalogMeter meter;
    meter.SetUnitValue(QStringLiteral("°C"));
    meter.PaintToImage();
    int position = 0;
    for (auto _ : state) {
        meter.SetPosition(position = (position + 7) % 101);
        benchmark::DoNotOptimize(meter.PaintToImage().constBits());
    }
}
BENCHMARK(BM_AnalogMeterPaint)->Unit(benchmark::kMicrosecond);

// Everything from scratch, as after a change of the scale or the colours.
void BM_AnalogMeterFullDrawing(benchmark::State& state)
{
    TAnalogMeter meter;
    meter.SetUnitValue(QStringLiteral("°C"));
    meter.SetPosition(50);
    TBitmap bitmap(meter.Width(), meter.Height());
    for (auto _ : state) {
        meter.DrawCirkel(bitmap.Canvas());
        benchmark::DoNotOptimize(bitmap.Image().constBits());
    }
}
BENCHMARK(BM_AnalogMeterFullDrawing)->Unit(benchmark::kMicrosecond);

// The control and both of its buttons.
void BM_KivSpinButtonPaint(benchmark::State& state)
{
    TKivSpinButton spin;
    for (auto _ : state) {
        benchmark::DoNotOptimize(spin.PaintToImage().constBits());
        benchmark::DoNotOptimize(spin.UpButton()->PaintToImage().constBits());
        benchmark::DoNotOptimize(spin.DownButton()->PaintToImage().constBits());
    }
}
BENCHMARK(BM_KivSpinButtonPaint)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) { return RunBenchmarks(argc, argv); }
