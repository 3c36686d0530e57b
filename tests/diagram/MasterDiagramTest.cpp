// TMasterDiagram: value/pixel mapping, text formatting, axis layout and the
// pixels of the axes, points, labels, symbols and areas.

#include "TestDiagram.h"

#include "support/TestSupport.h"

#include <QCoreApplication>
#include <climits>
#include <gtest/gtest.h>

namespace {

constexpr TColor kBackground = 0xE1FFFF; // clInfoBk as drawn

// Sets up the mapping of the X example: axis from pixel 40, 400 pixels long.
void UseExampleXAxis(TTestDiagram& d)
{
    d.XOrigin = 40;
    d.XAxisWidth = 400;
    d.AreaRect = TRect(40, 26, 440, 200);
    d.DiagramSettings()->SetMinXValue(0);
    d.DiagramSettings()->SetMaxXValue(500);
}

// Whether the image shows text exactly as the diagram's canvas draws it at (x, y).
bool ShowsText(TTestDiagram& d, const QImage& image, int x, int y, const QString& text)
{
    TBitmap expected(image.width(), image.height());
    expected.Image() = image.copy();
    TCanvas& c = expected.Canvas();
    c.Font.Assign(d.OffscreenBitmap().Canvas().Font);
    c.Brush.Color = clInfoBk;
    c.Brush.Style = bsSolid;
    const QRect box(x, y, c.TextWidth(text), c.TextHeight(text));
    c.FillRect(TRect::FromQRect(box));
    c.TextOut(x, y, text);
    return expected.Image().copy(box) == image.copy(box);
}

bool HasInk(const QImage& image, const QRect& box)
{
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            if (PixelColor(image, x, y) != kBackground)
                return true;
    return false;
}

} // namespace

TEST(MasterMappingTest, XMappingMatchesTheWorkedExample)
{
    TTestDiagram d;
    UseExampleXAxis(d);
    EXPECT_EQ(d.CalcXPixel(250), 240);
    EXPECT_EQ(d.CalcXValue(240), 250);
    EXPECT_EQ(d.CalcXPixel(1), 41) << "the estimate 40 has value 0; pixel 41 has value 1";
    EXPECT_EQ(d.CalcXPixel(0), 40);
    EXPECT_EQ(d.CalcXPixel(500), 440);
    EXPECT_EQ(d.CalcXValue(41), 1);
    // Values between two pixels map to the last pixel before the value passes.
    EXPECT_EQ(d.CalcXPixel(4), 43);
    EXPECT_EQ(d.CalcXValue(43), 3);
    EXPECT_EQ(d.CalcXValue(44), 5);
}

TEST(MasterMappingTest, YMappingCorrectsTheEstimate)
{
    TTestDiagram d;
    d.YOrigin = 200;
    d.YAxisHeight = 100;
    d.AreaRect = TRect(40, 100, 440, 200);
    d.DiagramSettings()->SetMinYValue(0);
    d.DiagramSettings()->SetMaxYValue(1000);
    EXPECT_EQ(d.CalcYPixel(20), 198);
    EXPECT_EQ(d.CalcYValue(198), 20);
    EXPECT_EQ(d.CalcYPixel(15), 199);
    EXPECT_EQ(d.CalcYPixel(1000), 100);
    EXPECT_EQ(d.CalcYValue(100), 1000);
}

TEST(MasterMappingTest, EmptyRangesMapToZeroAndInvertedRangesStillReturn)
{
    TTestDiagram d;
    UseExampleXAxis(d);
    d.DiagramSettings()->SetMaxXValue(0);
    EXPECT_EQ(d.CalcXPixel(250), 0);
    d.AreaRect = TRect(40, 26, 40, 26);
    EXPECT_EQ(d.CalcXValue(300), 0);
    EXPECT_EQ(d.CalcYValue(300), 0);

    // A range running backwards maps onto the axis mirrored.
    d.DiagramSettings()->SetMinXValue(500);
    d.AreaRect = TRect(40, 26, 440, 200);
    EXPECT_EQ(d.CalcXPixel(250), 240);
    EXPECT_EQ(d.CalcXPixel(500), 40);
    EXPECT_EQ(d.CalcXPixel(0), 440);
    d.DiagramSettings()->SetMinYValue(100);
    d.DiagramSettings()->SetMaxYValue(0);
    d.YAxisHeight = 174;
    d.YOrigin = 200;
    EXPECT_EQ(d.CalcYPixel(50), 113);
    EXPECT_EQ(d.CalcYPixel(0), 26);
    EXPECT_EQ(d.CalcYPixel(100), 200);

    // Where the correction cannot settle (an unlaid-out area gives every pixel
    // the value 0; a backwards vertical range sends it the wrong way), it gives
    // up after a bounded number of steps instead of hanging.
    constexpr int kMaxCorrection = 1 << 16;
    d.AreaRect = TRect(40, 26, 40, 26);
    EXPECT_NEAR(d.CalcXPixel(250), 240, kMaxCorrection);
    d.AreaRect = TRect(40, 26, 440, 200);
    EXPECT_NEAR(d.CalcYPixel(30), 79, kMaxCorrection);
}

TEST(MasterTextTest, FormattingOfAxisAndPointValues)
{
    EXPECT_EQ(TMasterDiagram::FormatTextString(0, 1234), QStringLiteral("1234"));
    EXPECT_EQ(TMasterDiagram::FormatTextString(1, 185), QStringLiteral("18.5"));
    EXPECT_EQ(TMasterDiagram::FormatTextString(1, -15), QStringLiteral("-1.5"));
    EXPECT_EQ(TMasterDiagram::FormatTextString(2, 1234), QStringLiteral("12.3"));
    EXPECT_EQ(TMasterDiagram::FormatTextString(7, 1234), QStringLiteral("12.3"));
    // A half hundredth rounds away from zero; 12.35 is no exact binary fraction.
    EXPECT_EQ(TMasterDiagram::FormatTextString(2, 1235), QStringLiteral("12.4"));
    EXPECT_EQ(TMasterDiagram::FormatTextString(2, -1235), QStringLiteral("-12.4"));
    EXPECT_EQ(TMasterDiagram::FormatTextString(2, -4), QStringLiteral("0.0"));
    EXPECT_EQ(TMasterDiagram::FormatTextString(1, INT_MIN), QStringLiteral("-214748364.8"));
    int v = 375;
    EXPECT_EQ(TMasterDiagram::GetValueString(vtTenths, &v), QStringLiteral("37.5"));
    EXPECT_EQ(TMasterDiagram::GetValueString(vtInteger, &v), QStringLiteral("375"));
    EXPECT_TRUE(TMasterDiagram::GetValueString(vtBitmap, &v).isEmpty());
    EXPECT_TRUE(TMasterDiagram::GetValueString(TValType(3), &v).isEmpty());
    EXPECT_TRUE(TMasterDiagram::GetValueString(vtTenths, nullptr).isEmpty());
}

TEST(MasterTextTest, StepChoiceForValueAndTimeAxes)
{
    const std::pair<int, int> steps[] = {{-3, 100}, {1, 100}, {2, 50}, {3, 25}, {4, 25}, {5, 20}, {6, 10}, {40, 10}};
    for (auto [n, step] : steps)
        EXPECT_EQ(TMasterDiagram::CalcSteps(n), step) << n;
    const std::pair<int, int> hours[] = {{0, 1440}, {2, 720}, {4, 360},  {5, 240},
                                         {8, 180},  {9, 120}, {20, 120}, {21, 60}};
    for (auto [n, step] : hours)
        EXPECT_EQ(TMasterDiagram::CalcHourSteps(n), step) << n;
}

TEST(MasterLayoutTest, LineHeightAndLayoutAt96Dpi)
{
    TTestDiagram d;
    d.SetBounds(0, 0, 489, 297);
    EXPECT_EQ(d.GetLineHeight(), 17) << "8-point font at 96 pixels per inch";
    EXPECT_EQ(d.GetLineHeight(false), 0);
    d.Layout();
    const int labelWidth = d.OffscreenBitmap().Canvas().TextWidth(QStringLiteral("100"));
    EXPECT_EQ(d.TitleHeight, 0);
    EXPECT_EQ(d.YOrigin, 297 - 29);
    EXPECT_EQ(d.YAxisHeight, 297 - 55);
    EXPECT_EQ(d.XOrigin, 31 + labelWidth);
    EXPECT_EQ(d.XAxisWidth, 489 - d.XOrigin - 28);
    EXPECT_EQ(d.AreaRect, TRect(d.XOrigin, 26, 489 - 28, d.YOrigin));
}

TEST(MasterLayoutTest, TitlesAndSymbolsTakeTheirRoom)
{
    TTestDiagram d;
    d.SetBounds(0, 0, 489, 297);
    d.DiagramSettings()->SetShowSymbols(true);
    d.AddPoint(100, 50, true).Symbol.SymbolType = vtTenths;
    d.AddPoint(200, 50, true).Symbol.SymbolType = vtBitmap;
    d.AddPoint(300, 50, true);
    d.Layout();
    const int plainX = d.XOrigin;
    EXPECT_EQ(d.YOrigin, 297 - 29 - 40) << "20 pixels for every point with a symbol";

    d.SetYAxisTitle(QStringLiteral("Stand"));
    d.Layout();
    EXPECT_EQ(d.XOrigin, plainX) << "the Y title adds the title height, 0 without a diagram title";
    d.SetDiagramTitle(QStringLiteral("Ventilatie"));
    d.SetXAxisTitle(QStringLiteral("Temperatuur"));
    d.Layout();
    EXPECT_EQ(d.TitleHeight, 17);
    EXPECT_EQ(d.XOrigin, plainX + 17);
    EXPECT_EQ(d.YOrigin, 297 - 12 - 40 - 17 - 17);
    EXPECT_EQ(d.YAxisHeight, d.YOrigin - 17 - 26);
    EXPECT_EQ(d.AreaRect.Top, 17 + 26);
}

TEST(MasterLayoutTest, TooShortDiagramGrowsItsHeight)
{
    TTestDiagram d;
    d.SetBounds(0, 0, 300, 120);
    d.DiagramSettings()->SetShowSymbols(true);
    for (int i = 0; i < 4; ++i)
        d.AddPoint(100 * i, 50, true).Symbol.SymbolType = vtTenths;
    d.Layout();
    // YOrigin 120 - 12 - 80 - 17 = 11 gives an axis of -15 pixels.
    EXPECT_EQ(d.YAxisHeight, 10);
    EXPECT_EQ(d.YOrigin, 36);
    EXPECT_EQ(d.Height(), 145);
}

TEST(MasterLayoutTest, ResizeBelowTheMinimumIsRaised)
{
    QWidget host;
    host.resize(600, 400);
    TTestDiagram d(&host);
    host.show();
    d.SetBounds(0, 0, 200, 100);
    QCoreApplication::processEvents();
    EXPECT_EQ(d.Width(), 260);
    EXPECT_EQ(d.Height(), 120);
    d.SetBounds(0, 0, 400, 150);
    EXPECT_EQ(d.Width(), 400);
    EXPECT_EQ(d.Height(), 150);
}

TEST(MasterAxisTest, TimeAxisLabelsHoursAndSkipsMidnightAtTheOrigin)
{
    TTestDiagram d;
    d.SetBounds(0, 0, 489, 297);
    d.TimeAxis = true;
    const QImage img = d.PaintToImage();
    TCanvas& c = d.OffscreenBitmap().Canvas();
    const int lh = d.GetLineHeight();
    // YAxisHeight 242 fits 13 labels: a step of 120 minutes.
    const auto labelX = [&](const QString& t) { return d.XOrigin - c.TextWidth(t + QStringLiteral("   ")); };
    const int topY = d.YOrigin - d.YAxisHeight - lh / 2 + 2;
    EXPECT_TRUE(ShowsText(d, img, labelX(QStringLiteral("24:00")), topY, QStringLiteral("24:00")));
    const int y2 = 120 * d.YAxisHeight / 1440;
    EXPECT_TRUE(ShowsText(d, img, labelX(QStringLiteral("02:00")), d.YOrigin - y2 - lh / 2 + 2, QStringLiteral("02:00")));
    const QString zero = QStringLiteral("00:00");
    const QRect zeroBox(labelX(zero), d.YOrigin - lh / 2 + 2, c.TextWidth(zero), c.TextHeight(zero));
    EXPECT_FALSE(HasInk(img, zeroBox));
}

TEST(MasterAxisTest, ValueAxesLabelTheirRangeAndTheYTitleStandsRotated)
{
    TTestDiagram d;
    d.SetBounds(0, 0, 489, 297);
    d.SetYAxisTitle(QStringLiteral("Stand"));
    const QImage img = d.PaintToImage();
    TCanvas& c = d.OffscreenBitmap().Canvas();
    const int lh = d.GetLineHeight();
    const int x100 = d.XOrigin - c.TextWidth(QStringLiteral("100   "));
    EXPECT_TRUE(ShowsText(d, img, x100, d.YOrigin - d.YAxisHeight - lh / 2 + 2, QStringLiteral("100")));
    // The X axis ends with MaxXValue 500 shown with one decimal.
    const QString last = QStringLiteral("50.0");
    EXPECT_TRUE(ShowsText(d, img, d.XOrigin + d.XAxisWidth - c.TextWidth(last) / 2, d.YOrigin + 5, last));
    // The rotated title occupies a column from x 10 rightwards, ending at the axis top.
    const int w = c.TextWidth(QStringLiteral("Stand"));
    EXPECT_TRUE(HasInk(img, QRect(10, d.YOrigin - d.YAxisHeight, lh, w)));
    EXPECT_FALSE(HasInk(img, QRect(10, d.YOrigin - d.YAxisHeight - 12, 10, 10)));
    EXPECT_EQ(c.Font.Orientation(), 0) << "text after the title is upright again";
    // The axes: two pixels wide, black.
    EXPECT_EQ(PixelColor(img, d.XOrigin, d.YOrigin - d.YAxisHeight / 2), clBlack);
    EXPECT_EQ(PixelColor(img, d.XOrigin + d.XAxisWidth / 2, d.YOrigin + 1), clBlack);
}

TEST(MasterPointTest, LabelJoinsValueAndUnitWithoutSeparatorWhenXIsEmpty)
{
    TTestDiagram d;
    d.DiagramSettings()->SetMaxYValue(1000);
    TPointInfo& p = d.AddPoint(250, 375, true);
    p.Values.XValType = vtNone;
    p.Values.YValType = vtTenths;
    p.Values.YUnit = QStringLiteral("%");
    p.MouseOver = true;
    const QImage img = d.PaintToImage();
    EXPECT_EQ(p.LabelText, QStringLiteral("37.5%"));

    // A white box with a black border centred over the point, one pixel above it.
    const int w = d.OffscreenBitmap().Canvas().TextWidth(p.LabelText);
    const int lh = d.GetLineHeight();
    const int left = p.XPixel - w / 2 - 1, top = p.DrawRect.Top - lh, right = left + w + 1;
    EXPECT_EQ(PixelColor(img, left - 1, top + 3), clBlack);
    EXPECT_EQ(PixelColor(img, right + 1, top + 3), clBlack);
    EXPECT_EQ(PixelColor(img, left, top), clWhite);
    EXPECT_EQ(PixelColor(img, p.XPixel, top + lh - 2), clBlack) << "bottom border";

    p.Values.XValType = vtTenths;
    p.Values.XUnit = QStringLiteral("\u00B0C");
    d.PaintToImage();
    EXPECT_EQ(p.LabelText, QStringLiteral("25.0\u00B0C ; 37.5%"));
}

TEST(MasterPointTest, PointsShowEditabilityAndOverlap)
{
    TTestDiagram d;
    TPointInfo& editable = d.AddPoint(100, 50, true);
    TPointInfo& fixed = d.AddPoint(300, 50, false);
    TPointInfo& hidden = d.AddPoint(102, 51, true); // overlaps the first point
    const QImage img = d.PaintToImage();
    EXPECT_EQ(editable.DrawRect.Width(), 10);
    EXPECT_EQ(PixelColor(img, editable.DrawRect.Left, editable.DrawRect.Top), clRed);
    EXPECT_FALSE(editable.Fixed);
    EXPECT_EQ(fixed.DrawRect.Width(), 6);
    EXPECT_EQ(PixelColor(img, fixed.XPixel, fixed.YPixel), clBlack);
    EXPECT_TRUE(fixed.Fixed);
    // The later point in X order is drawn small and aqua over the first.
    EXPECT_EQ(hidden.DrawRect.Width(), 6);
    EXPECT_TRUE(hidden.Fixed);
    EXPECT_EQ(PixelColor(img, hidden.DrawRect.Left, hidden.DrawRect.Top), clAqua);
    EXPECT_EQ(hidden.PointImage.Width(), 6);

    hidden.MouseOver = true;
    editable.MouseOver = true;
    const QImage hover = d.PaintToImage();
    EXPECT_EQ(PixelColor(hover, hidden.DrawRect.Left, hidden.DrawRect.Top), clBlue);
    EXPECT_EQ(PixelColor(hover, editable.DrawRect.Left, editable.DrawRect.Top), clBlue);
}

TEST(MasterPointTest, PointsAreSortedByPixelAndOutOfRangePointsKeepTheirPlace)
{
    TTestDiagram d;
    d.AddPoint(400, 50, true);
    d.AddPoint(100, 20, true);
    d.AddPoint(100, 80, true); // same X: keeps its order after the one before it
    d.Layout();
    EXPECT_EQ(d.PointList[0]->PointNumber, 1);
    EXPECT_EQ(d.PointList[1]->PointNumber, 2);
    EXPECT_EQ(d.PointList[2]->PointNumber, 0);

    TPointInfo& moved = *d.PointList[2];
    const int oldX = moved.XPixel, oldY = moved.YPixel;
    d.X[0] = 900; // beyond MaxXValue
    d.Layout();
    EXPECT_EQ(moved.XPixel, oldX);
    EXPECT_EQ(moved.YPixel, oldY);
}

TEST(MasterPointTest, VirtualValuesFollowTheNeighboursAndLockVertically)
{
    TTestDiagram d;
    d.AddPoint(0, 0, true);
    TPointInfo& mid = d.AddPoint(250, 0, false);
    mid.Values.YValType = vtNone;
    d.AddPoint(500, 100, true);
    d.Layout();
    d.CalcVirtualValues();
    EXPECT_EQ(d.Y[1], 50);
    EXPECT_EQ(mid.Values.MinY, mid.Values.YValue);
    EXPECT_EQ(mid.Values.MaxY, mid.Values.YValue);

    // Neighbours on one X pixel: the point takes the earlier neighbour's height.
    TTestDiagram same;
    same.AddPoint(100, 20, true);
    TPointInfo& v = same.AddPoint(100, 0, false);
    v.Values.YValType = vtNone;
    same.AddPoint(100, 80, true);
    same.Layout();
    same.CalcVirtualValues();
    EXPECT_EQ(v.YPixel, same.CalcYPixel(20));
}

TEST(MasterSymbolTest, LeftArrowStopsAtThePictureEdge)
{
    TTestDiagram d;
    d.DiagramSettings()->SetShowSymbols(true);
    TPointInfo& p = d.AddPoint(200, 50, true);
    int from = 300, to = 200, value = 15;
    p.Symbol.SymbolType = vtTenths;
    p.Symbol.SymbolFromX = &from;
    p.Symbol.SymbolToX = &to;
    p.Symbol.SymbolValue = &value;
    p.Symbol.ArrowMode = 1;
    p.Symbol.SymbolBitmap.SetSize(20, 20);
    p.Symbol.SymbolBitmap.Image().fill(QColor(0, 128, 0));
    const QImage img = d.PaintToImage();

    const int p2 = d.CalcXPixel(to);
    const int p1 = d.CalcXPixel(from);
    ASSERT_GE(p1, p2 + 10);
    const int top = d.YOrigin + 5 + d.GetLineHeight();
    const int shaftY = (top + top + 21) / 2;
    EXPECT_EQ(PixelColor(img, p2 + 10, shaftY), clBlack) << "tip at the picture's right edge";
    EXPECT_EQ(PixelColor(img, p2 + 9, shaftY), clGreen) << "the picture stands beyond the tip";
    EXPECT_EQ(PixelColor(img, p2 + 16, shaftY - 3), clBlack) << "head base 6 pixels from the tip";
    EXPECT_EQ(PixelColor(img, p1, shaftY - 3), clBlack) << "bar at the start";
    EXPECT_EQ(PixelColor(img, p1 - 1, shaftY + 3), clBlack);
    EXPECT_EQ(p.Symbol.SymbolLeft, p2 - 10);
    EXPECT_EQ(p.Symbol.SymbolTop, top);
    EXPECT_EQ(p.SymbolBackground.Width(), p.Symbol.SymbolRect.Width());

    // Clearing restores what lay under the symbol.
    d.ClearArrowArea(p);
    EXPECT_EQ(PixelColor(d.OffscreenBitmap().Image(), p2 + 10, shaftY), kBackground);
}

TEST(MasterSymbolTest, HiddenSymbolsDrawNothing)
{
    TTestDiagram d;
    TPointInfo& p = d.AddPoint(200, 50, true);
    int from = 300, to = 200;
    p.Symbol.SymbolType = vtTenths;
    p.Symbol.SymbolFromX = &from;
    p.Symbol.SymbolToX = &to;
    const QImage before = d.PaintToImage();
    d.DrawSymbols(p, false);
    d.ClearArrowArea(p);
    EXPECT_EQ(d.OffscreenBitmap().Image(), before);
}

TEST(MasterAreaTest, HatchFillsBetweenCurveAndAreaBottom)
{
    TTestDiagram d;
    d.AddPoint(0, 100, true);
    TPointInfo& start = d.AddPoint(100, 100, true);
    d.AddPoint(500, 100, true);
    int left = 0, right = 100, top = 100, bottom = 0;
    TPointArea& a = d.PointList[0]->Area;
    a.AreaLeft = &left;
    a.AreaRight = &right;
    a.AreaTop = &top;
    a.AreaBottom = &bottom;
    a.AreaBrushStyle = bsFDiagonal;
    a.AreaKind = akBelowCurve;
    const QImage img = d.PaintToImage();
    int red = 0, redOutside = 0;
    for (int y = d.YOrigin - d.YAxisHeight + 5; y < d.YOrigin - 2; ++y) {
        for (int x = d.XOrigin + 3; x < start.XPixel - 3; ++x)
            red += PixelColor(img, x, y) == clRed;
        for (int x = start.XPixel + 8; x < d.XOrigin + d.XAxisWidth - 3; ++x)
            redOutside += PixelColor(img, x, y) == clRed;
    }
    EXPECT_GT(red, 100) << "the zone is hatched";
    EXPECT_EQ(redOutside, 0) << "nothing beyond the area's right edge";
}

TEST(MasterFrameTest, FrameTitleAndGuideLinesToTheAxes)
{
    TTestDiagram d;
    d.SetDiagramTitle(QStringLiteral("Ventilatie"));
    TPointInfo& inner = d.AddPoint(200, 50, true);
    TPointInfo& edge = d.AddPoint(500, 80, true);
    const QImage img = d.PaintToImage();
    EXPECT_EQ(PixelColor(img, 1, d.Height() / 2), clBlack);
    EXPECT_EQ(PixelColor(img, d.Width() / 2, d.Height() - 1), clBlack);
    EXPECT_EQ(PixelColor(img, d.Width() - 1, d.Height() / 2), clBlack);
    EXPECT_TRUE(HasInk(img, QRect(d.Width() / 2 - 20, 4, 40, 10))) << "the title, centred";
    EXPECT_FALSE(HasInk(img, QRect(2, 4, 60, 10)));

    const auto blackIn = [&](int x, int y0, int y1) {
        int n = 0;
        for (int y = y0; y < y1; ++y)
            n += PixelColor(img, x, y) == clBlack;
        return n;
    };
    // Two-pixel dotted guide down to the X axis, except for a point on the axis end.
    EXPECT_GT(blackIn(inner.XPixel - 1, inner.YPixel + 8, d.YOrigin), 10);
    EXPECT_GT(blackIn(inner.XPixel, inner.YPixel + 8, d.YOrigin), 10);
    EXPECT_EQ(blackIn(edge.XPixel - 1, edge.YPixel + 8, d.YOrigin), 0);
    EXPECT_EQ(edge.XPixel, d.XOrigin + d.XAxisWidth);
}

TEST(MasterFrameTest, FirstAndLastLinesRunToTheAxes)
{
    TTestDiagram d;
    TPointInfo& first = d.AddPoint(100, 30, true);
    TPointInfo& last = d.AddPoint(300, 70, true);
    d.PaintToImage();
    d.DrawFirstLastHorLinesPoints();
    QImage img = d.OffscreenBitmap().Image();
    EXPECT_EQ(PixelColor(img, d.XOrigin + 3, first.YPixel + 1), clRed);
    EXPECT_EQ(PixelColor(img, d.XOrigin + d.XAxisWidth - 3, last.YPixel + 1), clRed);

    d.PaintToImage();
    d.DrawFirstLastVertLinesPoints();
    img = d.OffscreenBitmap().Image();
    EXPECT_EQ(PixelColor(img, last.XPixel, (last.YPixel + d.YOrigin) / 2), clRed);
    EXPECT_NE(PixelColor(img, d.XOrigin + 3, first.YPixel + 1), clRed) << "no horizontal line this time";
}

TEST(MasterPointTest, LeavingAHoveredPointRestoresWhatItsLabelCovered)
{
    TTestDiagram d;
    TPointInfo& p = d.AddPoint(250, 50, true);
    const QImage before = d.PaintToImage();
    d.MMove({}, p.XPixel, p.YPixel);
    const QRect box(p.XPixel - 10, p.DrawRect.Top - d.GetLineHeight(), 20, 10);
    EXPECT_NE(d.OffscreenBitmap().Image().copy(box), before.copy(box)) << "the label is drawn at once";
    d.MMove({}, 5, 5);
    EXPECT_EQ(d.OffscreenBitmap().Image().copy(box), before.copy(box));
    EXPECT_FALSE(p.MouseOver);
}

TEST(MasterSymbolTest, ShortArrowsKeepTheirHeadBetweenStartAndTip)
{
    TTestDiagram d;
    d.PaintToImage();
    TCanvas& c = d.OffscreenBitmap().Canvas();
    c.Pen.Color = clBlack;
    d.DrawArrow(100, 103, 50); // pointing right, shorter than a head
    const QImage& img = d.OffscreenBitmap().Image();
    EXPECT_EQ(PixelColor(img, 100, 47), clBlack) << "head base clamped to the start";
    EXPECT_EQ(PixelColor(img, 99, 53), clBlack) << "start bar";
    EXPECT_EQ(PixelColor(img, 104, 50), kBackground) << "nothing beyond the tip";
    d.DrawArrow(200, 150, 80); // pointing left
    EXPECT_EQ(PixelColor(img, 150, 80), clBlack);
    EXPECT_EQ(PixelColor(img, 156, 77), clBlack);
    EXPECT_EQ(PixelColor(img, 149, 80), kBackground);
}
