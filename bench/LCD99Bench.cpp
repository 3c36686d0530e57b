// Full paints of the main window's seven-segment display LCD991 (121 x 84,
// 3 cells, SegmentSize 9). Budget: 0.2 ms median in a release build.
#include "BenchMain.h"
#include "framework/Application.h"
#include "widgets/LCD99.h"

#include <benchmark/benchmark.h>

namespace {

void ConfigureDemoDisplay(TLCD99& lcd)
{
    lcd.SetBounds(168, 48, 121, 84);
    lcd.SetDigitNum(3);
    lcd.SetSegmentSize(9);
    lcd.SetOnColor(clBlack);
    lcd.SetOffColor(clBtnFace);
    lcd.SetColor(clBtnFace);
    lcd.SetAnimation(TLCD99::anDown);
    lcd.SetValue(QStringLiteral("23.9"));
}

// A repaint of an unchanged value (an exposed window): every cell once.
void BM_LCD991_Repaint(benchmark::State& state)
{
    TLCD99 lcd;
    ConfigureDemoDisplay(lcd);
    lcd.PaintToImage();
    for (auto _ : state)
        benchmark::DoNotOptimize(lcd.PaintToImage().constBits());
}
BENCHMARK(BM_LCD991_Repaint)->Unit(benchmark::kMicrosecond);

// The paint after a spin step that changes every cell: the old value is drawn
// first, then every cell again with the new one.
void BM_LCD991_ValueChange(benchmark::State& state)
{
    TLCD99 lcd;
    ConfigureDemoDisplay(lcd);
    lcd.PaintToImage();
    bool flip = false;
    for (auto _ : state) {
        lcd.SetValue(flip ? QStringLiteral("23.9") : QStringLiteral("45.1"));
        flip = !flip;
        benchmark::DoNotOptimize(lcd.PaintToImage().constBits());
    }
}
BENCHMARK(BM_LCD991_ValueChange)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) { return RunBenchmarks(argc, argv); }
