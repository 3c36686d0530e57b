// The analog meter: setter adjustments, the fixed-point value texts (also of
// negative values), the pointer angle (also for a scale without width) and
// the drawn face, ticks and pointer on the pixels.

#include "widgets/AnalogMeter.h"

#include "framework/Bitmap.h"
#include "support/TestSupport.h"

#include <QSignalSpy>
#include <QtMath>
#include <gtest/gtest.h>
#include <limits>

TEST(AnalogMeter, SettersAdjustAsDeclared)
{
    TAnalogMeter m;
    EXPECT_EQ(m.Width(), 120);
    EXPECT_EQ(m.Height(), 120);
    m.SetValueDecimals(7);
    EXPECT_EQ(m.ValueDecimals(), 3);
    m.SetValueDecimals(-2);
    EXPECT_EQ(m.ValueDecimals(), 0);
    m.SetMajorTicks(1);
    EXPECT_EQ(m.MajorTicks(), 3);
    m.SetMinorTicks(-4);
    EXPECT_EQ(m.MinorTicks(), 0) << "a negative count means none";
    m.SetMinorTickWidth(0);
    EXPECT_EQ(m.MinorTickWidth(), 1);
    m.SetMajorTickWidth(9);
    EXPECT_EQ(m.MajorTickWidth(), 3);
    m.SetPosition(150);
    EXPECT_EQ(m.Position(), 100);
    m.SetPosition(-30);
    EXPECT_EQ(m.Position(), 0) << "the setter keeps the position within the scale";
    m.SetMinPosition(300);
    EXPECT_EQ(m.MaxPosition(), 300);
    m.SetMaxPosition(-10);
    EXPECT_EQ(m.MinPosition(), -10);
}

// What Position reads is what the pointer shows, before any paint, and a
// paint reads the state without changing it.
TEST(AnalogMeter, ThePositionFollowsTheScaleWithoutAPaint)
{
    TAnalogMeter m;
    m.SetPosition(10);
    QSignalSpy position(&m, &TAnalogMeter::PositionChanged);
    m.SetMinPosition(40);
    EXPECT_EQ(m.Position(), 40) << "a raised lower limit takes the position along";
    EXPECT_EQ(position.count(), 1);
    m.SetMaxPosition(30);
    EXPECT_EQ(m.Position(), 30) << "and so does a lowered upper limit";
    EXPECT_EQ(position.count(), 2);
    const QImage picture = m.PaintToImage().copy();
    EXPECT_EQ(m.Position(), 30);
    EXPECT_EQ(position.count(), 2) << "painting changes nothing";
    m.PaintToImage();
    EXPECT_EQ(m.PaintToImage(), picture);
}

TEST(AnalogMeter, ValueTextsUseADecimalComma)
{
    TAnalogMeter m;
    EXPECT_EQ(m.ConvertToFloat(235), "23,5");
    EXPECT_EQ(m.ConvertToFloat(5), "0,5");
    EXPECT_EQ(m.ConvertToInteger(235), "23");
    m.SetValueDecimals(2);
    EXPECT_EQ(m.ConvertToFloat(5), "0,05");
    EXPECT_EQ(m.ConvertToFloat(-5), "-0,05") << "the sign stands before the digits";
    EXPECT_EQ(m.ConvertToFloat(-1234), "-12,34");
    EXPECT_EQ(m.ConvertToInteger(-1234), "-12");
    EXPECT_EQ(m.ConvertToInteger(-5), "0") << "no minus zero";
    EXPECT_EQ(m.ConvertToFloat(std::numeric_limits<int>::min()), "-21474836,48");
    m.SetValueDecimals(0);
    EXPECT_EQ(m.ConvertToFloat(100), "100");
    EXPECT_EQ(m.ConvertToInteger(-7), "-7");
}

TEST(AnalogMeter, PointerAngle)
{
    TAnalogMeter m;
    EXPECT_DOUBLE_EQ(m.PointerAngle(), M_PI / 4);
    m.SetPosition(50);
    EXPECT_DOUBLE_EQ(m.PointerAngle(), M_PI);
    m.SetMaxPosition(120);
    m.SetMinPosition(20);
    m.SetPosition(70);
    EXPECT_DOUBLE_EQ(m.PointerAngle(), M_PI) << "the middle of the arc";
    m.SetMaxPosition(20);
    EXPECT_DOUBLE_EQ(m.PointerAngle(), M_PI / 4) << "a scale without width keeps the pointer at its start";
    m.PaintToImage();
}

TEST(AnalogMeter, FaceTicksAndPointerOnThePixels)
{
    TAnalogMeter m;
    m.SetShowValue(false);
    const TColor face = ColorToRGB(clInfoBk);
    QImage img = m.PaintToImage().copy();
    EXPECT_EQ(PixelColor(img, 1, 60), clBlack) << "face outline, R 59 about (60, 60)";
    EXPECT_EQ(PixelColor(img, 60, 3), clGray) << "the top tick (the scale's middle)";
    EXPECT_EQ(PixelColor(img, 19, 100), clGray) << "the first tick, lower left";
    EXPECT_EQ(PixelColor(img, 60, 35), face) << "no pointer up there at position 0";
    EXPECT_EQ(PixelColor(img, 45, 75), clPurple) << "the pointer towards the lower left";
    EXPECT_EQ(PixelColor(img, 60, 60), clPurple) << "the cap";
    m.SetPosition(50);
    img = m.PaintToImage().copy();
    EXPECT_EQ(PixelColor(img, 60, 35), clPurple) << "pointer up, tip at radius 35";
    EXPECT_EQ(PixelColor(img, 60, 23), face);

    m.SetMajorTicks(5);
    m.SetMinorTicks(4);
    m.SetShowTicks(true);
    img = m.PaintToImage().copy();
    // 21 ticks, 13.5 degrees apart; the second one is minor (3 long).
    const double theta = M_PI / 4 + 3 * M_PI / 40;
    const int x = int(60 - int(std::sin(theta) * 58)), y = int(int(std::cos(theta) * 58) + 60);
    EXPECT_EQ(PixelColor(img, x, y), clGray);
}

TEST(AnalogMeter, ValueTextUnderTheHub)
{
    TAnalogMeter m;
    m.SetUnitValue(QStringLiteral("V"));
    m.SetShowTicks(false);
    m.SetPosition(50);
    const QImage& img = m.PaintToImage();
    int purple = 0;
    for (int y = 90; y < 115; ++y)
        for (int x = 30; x < 90; ++x)
            purple += PixelColor(img, x, y) == clPurple;
    EXPECT_GT(purple, 20) << "\"5,0 V\" in the pointer colour";
}

namespace {

// Whether the number text shows in the tick colour where the meter puts the
// number of a major tick at scale angle theta: centred at the radius less
// half the label depth, which has room for the nines of MaxPosition's text.
bool NumberAt(const QImage& img, const TAnalogMeter& m, double theta, const QString& text)
{
    TBitmap ref(m.Width(), m.Height());
    TCanvas& c = ref.Canvas();
    c.Brush.Color = clWhite;
    c.FillRect(TRect(0, 0, m.Width(), m.Height()));
    c.Font.Assign(*m.Font());
    c.Font.SetSize(m.ScaleFontSize());
    c.Font.SetColor(clBlack);
    c.Brush.Style = bsClear;
    const int R = (std::min(m.Width(), m.Height()) - 1) / 2;
    const int depth = c.TextWidth(QStringLiteral("9")) * int(QString::number(m.MaxPosition()).size()) + m.MajorTickLength() + 10;
    const double r = R - depth / 2;
    c.TextOut(int(m.Width() / 2 - std::sin(theta) * r - c.TextWidth(text) / 2),
              int(m.Height() / 2 + std::cos(theta) * r - c.TextHeight(text) / 2), text);
    int ink = 0;
    for (int y = 0; y < m.Height(); ++y)
        for (int x = 0; x < m.Width(); ++x)
            if (PixelColor(ref.Image(), x, y) == clBlack) {
                ++ink;
                if (PixelColor(img, x, y) != ColorToRGB(m.TickColor()))
                    return false;
            }
    return ink > 0;
}

} // namespace

TEST(AnalogMeter, NumbersStandInsideByTheDepthOfMaxPositionsText)
{
    TAnalogMeter m;
    m.SetShowValue(false);
    m.SetValueDecimals(0);
    m.SetMinPosition(-1000);
    EXPECT_TRUE(NumberAt(m.PaintToImage().copy(), m, M_PI, QStringLiteral("-450")))
        << "a longer MinPosition text leaves the depth as it is";
}

TEST(AnalogMeter, DenseMinorTicksKeepTheMajorTicksAndNumbers)
{
    TAnalogMeter m;
    m.SetShowValue(false);
    m.SetMinorTicks(49); // 501 ticks on an arc of 278 pixels
    const QImage img = m.PaintToImage().copy();
    EXPECT_TRUE(NumberAt(img, m, M_PI, QStringLiteral("5")));
    EXPECT_TRUE(NumberAt(img, m, 7 * M_PI / 4, QStringLiteral("10")));
}

TEST(AnalogMeter, AbsurdTickCountsDoNotStallThePaint)
{
    TAnalogMeter m;
    m.SetMajorTicks(std::numeric_limits<int>::max());
    m.SetMinorTicks(std::numeric_limits<int>::max());
    EXPECT_EQ(PixelColor(m.PaintToImage(), 60, 60), clPurple) << "drawn through to the cap";
    m.SetMinorTicks(0);
    EXPECT_EQ(PixelColor(m.PaintToImage(), 60, 60), clPurple) << "every tick a numbered one";
}

TEST(AnalogMeter, SidesBelowThirtyAreRaised)
{
    TAnalogMeter m;
    m.show();
    m.SetBounds(0, 0, 12, 50);
    EXPECT_EQ(m.Width(), 30);
    EXPECT_EQ(m.Height(), 50);
}

// A hidden meter gets no resize event; its picture is still that of a 30 x 30 dial.
TEST(AnalogMeter, AHiddenSmallMeterIsRaisedBeforeDrawing)
{
    TAnalogMeter small, square;
    small.SetBounds(0, 0, 20, 10);
    square.SetBounds(0, 0, 30, 30);
    const QImage picture = small.PaintToImage();
    EXPECT_EQ(picture.size(), QSize(30, 30));
    EXPECT_EQ(picture, square.PaintToImage());
    EXPECT_EQ(small.Width(), 30);
    EXPECT_EQ(small.Height(), 30);
}

TEST(AnalogMeter, CachedDialGivesThePictureOfAFullDrawing)
{
    TAnalogMeter m;
    m.SetUnitValue(QStringLiteral("V"));
    m.PaintToImage();
    m.SetMinorTicks(1);
    m.SetPosition(70);
    m.PaintToImage();
    m.SetTickColor(clNavy);
    m.SetPosition(-20);
    m.Font()->SetColor(clRed);
    m.SetColor(clWhite);
    const QImage cached = m.PaintToImage().copy();
    TBitmap scratch(m.Width(), m.Height());
    m.DrawCirkel(scratch.Canvas());
    EXPECT_EQ(cached, scratch.Image());
}
