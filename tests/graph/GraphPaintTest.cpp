// The graph's picture: layout, single points, gaps, the background and when
// a paint renders anew.

#include "framework/Exception.h"
#include "framework/ScreenDepth.h"
#include "graph/KivGraph.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace {

// 300 x 200, no labels or grid: the plot is the frame's inside.
struct PlainGraph {
    TKivGraph g;
    explicit PlainGraph(TAxisType axis = atNumber)
    {
        g.resize(300, 200);
        g.XAxisType = axis;
        g.ShowXNumbers = g.ShowLeftNumbers = false;
        g.SetGridStyle(TKivGraph::gsNone);
        g.SetColorBg(clWhite);
        g.LimitXMin = 0;
        g.LimitXMax = 600;
        g.LimitLeftMin = 0;
        g.LimitLeftMax = 100;
        g.SetVisLeftRect({0, 0, 600, 100});
    }
    TSeries* Add(std::vector<TPoint2D> points, TColor color = clRed)
    {
        auto* s = new TSeries;
        s->Points = std::move(points);
        s->Color = color;
        g.AddSerie(s);
        return s;
    }
    // Pixel of a data point in the full view (after a paint laid the plot out).
    int X(double v) { g.PaintToImage(); return g.PlotRect().Left + int(std::floor(v * g.PlotRect().Width() / 600 + 0.5)); }
    int Y(double v) { g.PaintToImage(); return g.PlotRect().Bottom - int(std::floor(v * g.PlotRect().Height() / 100 + 0.5)); }
    int Count(TColor color)
    {
        const QImage& image = g.PaintToImage();
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                n += PixelColor(image, x, y) == int(color);
        return n;
    }
};

} // namespace

TEST(GraphPaint, PlotRectLeavesRoomForTitleLabelsAndFrame)
{
    TKivGraph g;
    g.resize(400, 300);
    g.Title = QStringLiteral("Temperatuur");
    g.RightAxis = true;
    g.PaintToImage();
    TCanvas& c = g.OffscreenBitmap().Canvas();
    c.Font.Assign(*g.Font());
    const int xy = c.TextHeight(QStringLiteral("Xy")), numbers = c.TextWidth(QStringLiteral("999999")) + 4;
    const TRect expected(numbers + 1, c.TextHeight(g.Title) + 4 + xy / 2 + 1, 399 - numbers - 1, 299 - xy - 4 - 1);
    EXPECT_EQ(g.PlotRect().Left, expected.Left);
    EXPECT_EQ(g.PlotRect().Top, expected.Top);
    EXPECT_EQ(g.PlotRect().Right, expected.Right);
    EXPECT_EQ(g.PlotRect().Bottom, expected.Bottom);
    // The single frame lies one pixel outside the plot.
    EXPECT_EQ(PixelColor(g.PaintToImage(), expected.Left - 1, expected.Top + 5), int(clBlack));
}

TEST(GraphPaint, ASeriesOfOnePointIsOnePixel)
{
    PlainGraph p;
    p.Add({{300, 50}});
    EXPECT_EQ(p.Count(clRed), 1);
    EXPECT_EQ(PixelColor(p.g.PaintToImage(), p.X(300), p.Y(50)), int(clRed));
}

TEST(GraphPaint, AMinutesSeriesWithATwoHourHoleIsDrawnWithAGap)
{
    PlainGraph p(atMinutes);
    p.Add({{0, 50}, {60, 50}, {120, 50}, {240, 50}, {300, 50}});
    const QImage& image = p.g.PaintToImage();
    EXPECT_EQ(PixelColor(image, p.X(100), p.Y(50)), int(clRed));
    EXPECT_NE(PixelColor(image, p.X(180), p.Y(50)), int(clRed));
    EXPECT_EQ(PixelColor(image, p.X(270), p.Y(50)), int(clRed));
    // One hour is no gap.
    PlainGraph q(atMinutes);
    q.Add({{0, 50}, {120, 50}, {180, 50}});
    EXPECT_EQ(PixelColor(q.g.PaintToImage(), q.X(150), q.Y(50)), int(clRed));
}

TEST(GraphPaint, MarkersAreOpenSquaresAroundVisiblePoints)
{
    PlainGraph p;
    p.g.ShowMarkers = true;
    p.Add({{200, 50}, {400, 50}});
    const QImage& image = p.g.PaintToImage();
    const int x = p.X(200), y = p.Y(50);
    EXPECT_EQ(PixelColor(image, x - 3, y - 3), int(clRed)); // half-size: pen width + 2
    EXPECT_EQ(PixelColor(image, x - 1, y - 2), int(clWhite));
}

TEST(GraphPaint, ANewScreenDepthRendersAgain)
{
    PlainGraph p;
    TSeries* s = p.Add({{0, 50}, {600, 50}});
    EXPECT_GT(p.Count(clRed), 0);
    s->Color = clGreen; // changed behind the graph's back: no render yet
    EXPECT_EQ(p.Count(clGreen), 0);
    Screen::SetColorDepthOverride(Screen::ColorDepth() == 16 ? 24 : 16);
    const int green = p.Count(clGreen);
    Screen::SetColorDepthOverride(0);
    EXPECT_GT(green, 0);
}

TEST(GraphPaint, HorizontalGradientStepsEachChannelInFixedPoint)
{
    TKivGraph g;
    g.resize(50, 200);
    g.SetBgStyle(TKivGraph::bgsLineHoriz);
    g.SetColorBg(clBlack);
    g.SetColorBg2(RGB(200, 100, 255));
    g.ShowXNumbers = g.ShowLeftNumbers = false;
    g.SetGraphBorder(TKivGraph::bstNone);
    g.SetGridStyle(TKivGraph::gsNone);
    const QImage& image = g.PaintToImage();
    for (int y : {0, 77, 199}) {
        const int r = (y * ((200 << 20) / 200)) >> 20, gr = (y * ((100 << 20) / 200)) >> 20, b = (y * ((255 << 20) / 200)) >> 20;
        EXPECT_EQ(PixelColor(image, 25, y), int(RGB(r, gr, b))) << "row " << y;
    }
    // Switching the style alone is enough for the next render to use it.
    g.SetBgStyle(TKivGraph::bgsLineVert);
    g.NeedsRender = true;
    EXPECT_EQ(PixelColor(g.PaintToImage(), 49, 3), int(RGB((49 * ((200 << 20) / 50)) >> 20, (49 * ((100 << 20) / 50)) >> 20,
                                                            (49 * ((255 << 20) / 50)) >> 20)));
}

TEST(GraphPaint, RaisedBorderLightAboveLeftShadowBelowRight)
{
    TKivGraph g;
    g.resize(60, 40);
    g.ShowXNumbers = g.ShowLeftNumbers = false;
    g.SetGraphBorder(TKivGraph::bstNone); // its frame would lie on the outer one
    g.SetBorderStyle(TKivGraph::bstRaised);
    const QImage& image = g.PaintToImage();
    EXPECT_EQ(PixelColor(image, 0, 0), int(ColorToRGB(clBtnHighlight)));
    EXPECT_EQ(PixelColor(image, 59, 0), int(ColorToRGB(clBtnHighlight)));
    EXPECT_EQ(PixelColor(image, 0, 39), int(ColorToRGB(clBtnShadow)));
    EXPECT_EQ(PixelColor(image, 59, 20), int(ColorToRGB(clBtnShadow)));
}

TEST(GraphPaint, TheAxisPictureStandsLeftOfThePlotAtItsMiddle)
{
    TKivGraph g;
    g.resize(300, 200);
    auto* s = new TSeries;
    s->BitmapName = QStringLiteral("HEATER");
    g.AddSerie(s);
    EXPECT_EQ(g.AxisBitmapName, QStringLiteral("HEATER"));
    const QImage& image = g.PaintToImage();
    TBitmap picture;
    ASSERT_TRUE(picture.LoadFromResourceName(QStringLiteral("HEATER")));
    const int top = (g.PlotRect().Top + g.PlotRect().Bottom) / 2 - 15;
    int compared = 0;
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x) {
            const int colour = PixelColor(picture.Image(), x, y);
            if (colour == int(clWhite))
                continue; // the transparent colour
            EXPECT_EQ(PixelColor(image, 10 + x, top + y), colour) << x << "," << y;
            ++compared;
        }
    EXPECT_GT(compared, 0);
}

TEST(GraphPaint, AnUnknownAxisPictureIsReportedByNameAndTheSeriesKept)
{
    TKivGraph g;
    auto* s = new TSeries;
    s->MinY = 3;
    s->BitmapName = QStringLiteral("NO_SUCH_AXIS");
    try {
        g.AddSerie(s);
        ADD_FAILURE() << "no error";
    } catch (const Exception& e) {
        EXPECT_TRUE(e.Message.contains(QStringLiteral("'NO_SUCH_AXIS'"))) << e.what();
    }
    ASSERT_EQ(g.Series().size(), 1u);
    EXPECT_EQ(g.LimitLeftMin, 3);
}

// The X axis has no label at its right end (a label there would stand half
// outside the plot); the left end, a division like the others, has one.
TEST(GraphPaint, NoXLabelAtTheRightEndOfTheAxis)
{
    // Ten weeks: the labels (every 7, 14, 35 or 70 days) reach the right end itself.
    TKivGraph g;
    g.resize(400, 200);
    g.XAxisType = atDaysWeek;
    g.RightAxis = true;
    g.SetColorBg(clWhite);
    g.LimitXMin = 0;
    g.LimitXMax = 70;
    g.LimitLeftMin = g.LimitRightMin = 0;
    g.LimitLeftMax = g.LimitRightMax = 100;
    g.SetVisLeftRect({0, 0, 70, 100});
    g.SetVisRightRect({0, 0, 70, 100});
    const QImage& image = g.PaintToImage();
    const TRect& p = g.PlotRect();
    TCanvas& c = g.OffscreenBitmap().Canvas();
    c.Font.Assign(*g.Font());
    const int below = p.Bottom + c.TextHeight(QStringLiteral("Xy")) / 2 + 2; // under the right axis' "0"
    const auto inkIn = [&](int left, int right) {
        int n = 0;
        for (int y = below; y < image.height() - 1; ++y)
            for (int x = left; x < right; ++x)
                n += PixelColor(image, x, y) == int(clBlack);
        return n;
    };
    EXPECT_GT(inkIn(p.Left, p.Left + 6), 0) << "the label of the left end";
    EXPECT_EQ(inkIn(p.Right + 2, image.width() - 1), 0) << "nothing right of the plot's end";
}
