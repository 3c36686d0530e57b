// The thermometer's pixels: the main window's instance (89 x 153, scale 0..50
// with steps 10 and 2, offset 20), its column, ticks, labels, bulb and markers.

#include "support/DemoState.h"
#include "support/TestSupport.h"
#include "widgets/VrThermoMeter.h"

#include <QFontMetrics>
#include <gtest/gtest.h>

#include <cmath>
#include <set>

namespace {

constexpr int kW = 89, kH = 153;
constexpr int kColumnX = 44;       // W div 2, even
constexpr int kBaseLine = 56;      // W div 2 + Offset - HeightMin
constexpr int kMarkerCross = 24;   // W div 2 - Offset

struct DemoMeter {
    TvrThermoMeter meter;
    explicit DemoMeter(double value)
    {
        ApplyDemoState(meter);
        meter.Value()->SetValue(value);
    }
    QImage Paint() { return meter.PaintToImage(); }
};

// Rows of the column where the centre pixel has the colour.
std::set<int> RowsOf(const QImage& img, int x, TColor color)
{
    std::set<int> rows;
    for (int y = 0; y < img.height(); ++y)
        if (PixelColor(img, x, y) == ColorToRGB(color))
            rows.insert(y);
    return rows;
}

int ExpectedRow(double value) { return kH - int(std::nearbyint(20 + value * 113 / 50)); }

} // namespace

TEST(ThermoMeterPaint, DemoValuePutsTheColumnTopAtRow79)
{
    DemoMeter d(23.9);
    EXPECT_EQ(d.meter.ValueToPixels(23.9), 74);
    const QImage img = d.Paint();
    // Red across the column's full width (6 px round x = 44) from row 79 to the bulb.
    for (int y = 79; y <= 133; ++y)
        for (int x = 41; x <= 46; ++x)
            ASSERT_EQ(PixelColor(img, x, y), clRed) << x << "," << y;
    // Above the top only the pen's round cap (half the width) may be red.
    for (int y = 20; y < 76; ++y)
        EXPECT_NE(PixelColor(img, kColumnX, y), clRed) << y;
    // The glass: white left edge, grey right edge, the unfilled part in ColorAfter.
    EXPECT_EQ(PixelColor(img, 40, 60), clWhite);
    EXPECT_EQ(PixelColor(img, 47, 60), clGray);
    EXPECT_EQ(PixelColor(img, kColumnX, 60), ColorToRGB(clBtnFace));
}

TEST(ThermoMeterPaint, ColumnTopFollowsTheValue)
{
    for (double v : {5.0, 23.9, 24.0, 37.5, 49.9}) {
        DemoMeter d(v);
        const QImage img = d.Paint();
        const int top = ExpectedRow(v);
        EXPECT_EQ(PixelColor(img, 41, top), clRed) << v;
        EXPECT_NE(PixelColor(img, 41, top - 4), clRed) << v;
    }
}

TEST(ThermoMeterPaint, DemoTickRows)
{
    DemoMeter d(23.9);
    const QImage img = d.Paint();
    std::set<int> small, big{133, 110, 88, 65, 43, 20};
    for (int k = 1; k < 25; ++k)
        small.insert(ExpectedRow(2.0 * k));
    EXPECT_EQ(*small.begin(), 25);
    EXPECT_EQ(*small.rbegin(), 128);
    EXPECT_TRUE(small.count(124) && small.count(119));
    // Every row with a tick starts on the base line; nothing else is there.
    std::set<int> all = small;
    all.insert(big.begin(), big.end());
    EXPECT_EQ(RowsOf(img, kBaseLine, clBlack), all);
    for (int y : all) {
        const bool isBig = big.count(y) > 0;
        const int length = isBig ? 14 : 8;
        for (int x = kBaseLine; x < kBaseLine + length; ++x)
            EXPECT_EQ(PixelColor(img, x, y), clBlack) << x << "," << y;
        // Small ticks stop after 8 px (the end pixel is not painted).
        if (!isBig) {
            EXPECT_NE(PixelColor(img, kBaseLine + 8, y), clBlack) << y;
        }
    }
}

TEST(ThermoMeterPaint, ValuesBeyondTheScale)
{
    DemoMeter above(80);
    QImage img = above.Paint();
    for (int y = 20; y <= 133; ++y)
        ASSERT_EQ(PixelColor(img, kColumnX, y), clRed) << y;

    DemoMeter below(-5);
    img = below.Paint();
    for (int y = 20; y < 129; ++y)
        ASSERT_EQ(PixelColor(img, kColumnX, y), ColorToRGB(clBtnFace)) << y;
}

TEST(ThermoMeterPaint, HiddenScaleKeepsBulbAndMarkers)
{
    DemoMeter d(23.9);
    d.meter.Value()->SetVisible(true);
    d.meter.Scale()->SetVisible(false);
    const QImage img = d.Paint();
    EXPECT_TRUE(RowsOf(img, kColumnX, clRed).count(145)) << "bulb";
    EXPECT_FALSE(RowsOf(img, kColumnX, clRed).count(100)) << "column";
    EXPECT_TRUE(RowsOf(img, kBaseLine, clBlack).empty()) << "ticks";
    // No label text anywhere right of the ticks.
    for (int y = 0; y < kH; ++y)
        for (int x = kBaseLine + 14; x < kW; ++x)
            ASSERT_EQ(PixelColor(img, x, y), ColorToRGB(clBtnFace)) << x << "," << y;
    EXPECT_EQ(PixelColor(img, kMarkerCross, 79), clAqua) << "marker";
}

TEST(ThermoMeterPaint, SmallStepEqualToStepDrawsOnlyTheBigTickRows)
{
    DemoMeter d(10);
    d.meter.Scale()->SetSmallStep(10);
    const QImage img = d.Paint();
    EXPECT_EQ(RowsOf(img, kBaseLine, clBlack), (std::set<int>{133, 110, 88, 65, 43, 20}));
    EXPECT_EQ(PixelColor(img, kBaseLine + 13, 88), clBlack);
}

TEST(ThermoMeterPaint, LabelsSitBesideTheirTicks)
{
    DemoMeter d(23.9);
    const QImage img = d.Paint();
    const QFontMetrics fm(d.meter.Font()->ToQFont());
    const int th = fm.height();
    // Each label's ink lies in its one-line box starting at base line + HeightMax.
    const struct {
        const char* text;
        int y;
    } labels[] = {{"0", 133}, {"10", 110}, {"20", 88}, {"30", 65}, {"40", 43}, {"50", 20}};
    for (const auto& l : labels) {
        const int left = kBaseLine + 14, top = l.y - th / 2;
        const int width = fm.horizontalAdvance(QString::fromLatin1(l.text));
        int ink = 0;
        for (int y = top; y < top + th; ++y)
            for (int x = left; x < kW; ++x)
                if (PixelColor(img, x, y) == clBlack) {
                    ++ink;
                    EXPECT_LT(x, left + width) << l.text;
                }
        EXPECT_GT(ink, 5) << l.text;
    }
}

TEST(ThermoMeterPaint, BulbAndHighlight)
{
    DemoMeter d(23.9);
    const QImage img = d.Paint();
    // Bulb box (34, 133)-(54, 153): red inside, a white highlight of 4 px at (39, 138).
    EXPECT_EQ(PixelColor(img, 48, 146), clRed);
    EXPECT_EQ(PixelColor(img, 40, 139), clWhite);
    EXPECT_EQ(PixelColor(img, 33, 143), ColorToRGB(clBtnFace));
    EXPECT_EQ(PixelColor(img, 54, 143), ColorToRGB(clBtnFace));
}

TEST(ThermoMeterPaint, MarkerShapesOnTheOtherSide)
{
    DemoMeter d(23.9);
    TVrLiniarIndicator* m = d.meter.Value();
    m->SetVisible(true);
    QImage img = d.Paint();
    // A line across q = 24 from q - 8 to q + 8 (end excluded).
    for (int x = 16; x < 32; ++x)
        EXPECT_EQ(PixelColor(img, x, 79), clAqua) << x;
    EXPECT_NE(PixelColor(img, 32, 79), clAqua);

    m->SetShape(TVrLiniarIndicator::voTriangle);
    m->SetColor(clYellow);
    img = d.Paint();
    EXPECT_EQ(PixelColor(img, 20, 79), clYellow);            // inside
    EXPECT_EQ(PixelColor(img, 16, 74), clBlack);             // corner, scale-coloured pen
    EXPECT_NE(PixelColor(img, 33, 79), clYellow);            // the tip is at x 32

    m->SetShape(TVrLiniarIndicator::voBitmap);
    img = d.Paint();
    // The 6 x 9 picture from (32, 75); its white ground is left out.
    EXPECT_EQ(PixelColor(img, 32, 79), clBlack);
    EXPECT_EQ(PixelColor(img, 32, 75), ColorToRGB(clBtnFace));
    EXPECT_EQ(PixelColor(img, 36, 79), clNavy);
}

TEST(ThermoMeterPaint, CaptionCentredAtTheTopWhenShown)
{
    DemoMeter d(23.9);
    const auto inkInTopRows = [&] {
        const QImage img = d.Paint();
        int ink = 0;
        for (int y = 0; y < 12; ++y)
            for (int x = 0; x < kW; ++x)
                ink += PixelColor(img, x, y) == clBlack;
        return ink;
    };
    EXPECT_EQ(inkInTopRows(), 0);
    d.meter.SetShowCaption(true);
    EXPECT_GT(inkInTopRows(), 20);
}

TEST(ThermoMeterPaint, HorizontalMeterRunsAlongX)
{
    TvrThermoMeter t;
    t.SetBounds(0, 0, 200, 60);
    t.SetDirection(TvrThermoMeter::voHorizontal); // swaps to 60 x 200
    EXPECT_EQ(t.Width(), 60);
    t.SetBounds(0, 0, 200, 60);
    t.Scale()->SetSmallStep(10); // ticks every 19 px, at x 5, 24, 43, ...
    t.Value()->SetValue(50);
    t.Value()->SetVisible(false);
    t.SetPoint()->SetVisible(false);
    t.PeakMin()->SetVisible(false);
    t.PeakMax()->SetVisible(false);
    const QImage img = t.PaintToImage();
    // Offset 5: column from x 5 to 195, row 30; value 50 at x 5 + 95 = 100.
    EXPECT_EQ(t.ValueToPixels(50), 100);
    // Column width 2 (Offset div 3, made even): rows 29 and 30, white on top.
    EXPECT_EQ(PixelColor(img, 61, 30), clRed);
    EXPECT_EQ(PixelColor(img, 151, 30), clMaroon);
    // Ticks hang below the base line y = 30 + 5 - 5 = 30, from row 30 downwards.
    EXPECT_EQ(PixelColor(img, 195, 37), clBlack); // big tick at the maximum
}
