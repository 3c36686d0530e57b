// TCurveDiagram: construction, the shared day counter, drags (replacement on
// another point's X, Ctrl lock, the X limit, growing and shrinking axes, the
// Y ceiling), Shift reporting, the right click, key steps, insert and delete.

#include "diagram/CurveDiagram.h"
#include "diagram/CurveSetpoints.h"
#include "diagram/CurveStruct.h"
#include "diagram/DiagramSettings.h"
#include "diagram/FontBitmaps.h"
#include "framework/Exception.h"
#include "framework/Screen.h"
#include "support/TestSupport.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <initializer_list>
#include <vector>

namespace {

class TTestCurve : public TCurveDiagram {
public:
    using TCurveDiagram::TCurveDiagram;
    using TCurveDiagram::MouseDown;
    using TCurveDiagram::MouseMove;
    using TCurveDiagram::MouseUp;
};

TCurveStruct* Record(const std::vector<std::pair<int, int>>& points, int day = 3)
{
    auto* c = new TCurveStruct;
    c->DayCounter = day;
    c->YFloor = 100;
    c->YCeiling = 400;
    c->CurveXValType = vtInteger;
    c->CurveYValType = vtInteger;
    for (const auto& [x, y] : points) {
        c->XValues[c->PointCount] = x;
        c->YValues[c->PointCount] = y;
        ++c->PointCount;
    }
    return c;
}

struct Curve : ::testing::Test {
    TFontBitmaps fonts;
    std::unique_ptr<TTestCurve> d;

    void Make(const std::vector<std::pair<int, int>>& points, int day = 3)
    {
        d = std::make_unique<TTestCurve>(nullptr, Record(points, day), &fonts);
        d->SetBounds(0, 0, 489, 297);
        d->PaintToImage();
    }
    TCurveStruct& C() { return d->Curve(); }
    TDiagramSettings& S() { return *d->DiagramSettings(); }
    TPointInfo& At(int x)
    {
        for (auto& p : d->PointList)
            if (p->PointKind == pkPoint && *p->Values.XValue == x)
                return *p;
        throw std::runtime_error("no point");
    }
    // Presses on the point and moves the mouse to (X, Y) in one drag step.
    void Drag(TPointInfo& p, int X, int Y, TShiftState shift = {})
    {
        const QPoint from(p.XPixel, p.YPixel);
        d->MouseMove({}, from.x(), from.y());
        d->MouseDown(mbLeft, {}, from.x(), from.y());
        ASSERT_EQ(d->DiagramState, dsDragPoint);
        d->MouseMove(shift | ssLeft, X, Y);
    }
    void Release(int X, int Y) { d->MouseUp(mbLeft, {}, X, Y); }
    void TearDown() override { Screen::ClipCursor(std::nullopt); }
};

TEST_F(Curve, SecondConstructorFitsTheAxesAndBindsThePoints)
{
    Make({{0, 50}, {40, 120}, {150, 80}}, 7);
    ASSERT_EQ(d->PointList.size(), 4u);
    EXPECT_EQ(S().MinXValue, -5);
    EXPECT_EQ(S().MaxXValue, 195) << "the span doubles from -5..95 until it holds 150";
    EXPECT_EQ(S().MaxYValue, 200);
    EXPECT_EQ(TCurveDiagram::AllDagenTeller, 7);
    const auto day = std::find_if(d->PointList.begin(), d->PointList.end(),
                                  [](const auto& p) { return p->PointKind == pkVerticalLine2; });
    ASSERT_NE(day, d->PointList.end());
    EXPECT_EQ((*day)->Values.XValue, &TCurveDiagram::AllDagenTeller);
    EXPECT_EQ((*day)->Symbol.SymbolType, vtBitmap);
    EXPECT_EQ((*day)->Symbol.SymbolBitmap.TransparentColor(), clRed);
    EXPECT_TRUE(At(40).XEditable && At(40).YEditable);
}

TEST_F(Curve, FirstConstructorHasElevenPointsAndADefaultGlyphSet)
{
    TTestCurve plain;
    EXPECT_EQ(plain.PointList.size(), 11u);
    ASSERT_NE(plain.FontBitmaps(), nullptr);
    EXPECT_EQ(plain.PointList[0]->PointKind, pkVerticalLine2);
    EXPECT_EQ(plain.PointList[0]->Symbol.SymbolBitmap.Width(), 31);
    EXPECT_EQ(*plain.PointList[10]->Values.XValue, 45);
    plain.SetBounds(0, 0, 489, 297);
    plain.DiagramSettings()->SetShowSymbols(true);
    plain.PaintToImage();
    SUCCEED();
}

TEST_F(Curve, EmptyOrInvertedXSpanStillGrowsToHoldThePoints)
{
    Make({{0, 50}, {60, 50}});
    S().SetMinXValue(300);
    S().SetMaxXValue(300);
    C().XValues[1] = 700;
    d->PaintToImage();
    EXPECT_LE(S().MinXValue, 0);
    EXPECT_GE(S().MaxXValue, 700);
}

TEST_F(Curve, DayCounterFollowsTheDiagramWhoseComputerNumberDiffers)
{
    Make({{0, 50}}, 12);
    TTestCurve other(nullptr, Record({{0, 50}}, 40), &fonts);
    EXPECT_EQ(TCurveDiagram::AllDagenTeller, 40) << "the last built diagram set it";
    TCurveDiagram::AllComputerNumber = 0;
    d->ComputerNumber = 5;
    d->PaintToImage();
    EXPECT_EQ(TCurveDiagram::AllDagenTeller, 12);
    EXPECT_EQ(TCurveDiagram::AllComputerNumber, 5);
    other.SetBounds(0, 0, 489, 297);
    other.PaintToImage();
    EXPECT_EQ(TCurveDiagram::AllDagenTeller, 40) << "ComputerNumber 0 differs from 5";
    TCurveDiagram::AllComputerNumber = 0;
}

TEST_F(Curve, DropOnAnotherPointsXReplacesIt)
{
    Make({{0, 50}, {20, 60}, {40, 30}});
    TPointInfo& target = At(40);
    const QPoint to(target.XPixel, target.YPixel - 40);
    Drag(At(20), to.x(), to.y());
    Release(to.x(), to.y());
    ASSERT_EQ(C().PointCount, 2);
    EXPECT_EQ(C().XValues[0], 0);
    EXPECT_EQ(C().XValues[1], 40);
    EXPECT_GT(C().YValues[1], 30) << "the dropped point stays, the one it landed on is gone";
    EXPECT_EQ(C().XValues[2], 0);
    EXPECT_EQ(d->PointList.size(), 3u);
}

TEST_F(Curve, CtrlLocksTheDragToTheAxisTheMouseMovedFurtherIn)
{
    Make({{0, 50}, {40, 60}, {80, 30}});
    TPointInfo& p = At(40);
    Drag(p, p.XPixel + 4, p.YPixel - 40, ssCtrl);
    EXPECT_EQ(C().XValues[1], 40) << "mostly vertical: X stays";
    EXPECT_GT(C().YValues[1], 60);
    EXPECT_TRUE(d->LockX);
    Release(p.XPixel, p.YPixel);

    TPointInfo& q = At(40);
    const int y = C().YValues[1];
    Drag(q, q.XPixel + 40, q.YPixel - 5, ssCtrl);
    EXPECT_EQ(C().YValues[1], y) << "mostly horizontal: Y stays";
    EXPECT_GT(C().XValues[1], 40);
    EXPECT_TRUE(d->LockY);
}

TEST_F(Curve, DraggedYStopsAtTheCeilingAndGrowsTheAxisBelowIt)
{
    Make({{0, 50}, {40, 90}, {80, 30}});
    ASSERT_EQ(S().MaxYValue, 100);
    TPointInfo& p = At(40);
    Drag(p, p.XPixel, d->AreaRect.Top);
    EXPECT_EQ(C().YValues[1], 100);
    EXPECT_EQ(S().MaxYValue, 200) << "at the top and below the ceiling the axis grows by 100";
    d->MouseMove(ssLeft, p.XPixel, d->AreaRect.Top); // takes the new drag origin
    C().YCeiling = 150;
    d->MouseMove(ssLeft, p.XPixel, d->AreaRect.Top - 300);
    EXPECT_EQ(C().YValues[1], 150);
    EXPECT_EQ(S().MaxYValue, 200);
}

TEST_F(Curve, NoDragTakesAPointBeyondDay999)
{
    Make({{0, 50}, {950, 60}});
    ASSERT_EQ(S().MaxXValue, 1595);
    TPointInfo& p = At(950);
    Drag(p, d->AreaRect.Right, p.YPixel);
    EXPECT_EQ(C().XValues[1], 999);
    EXPECT_EQ(S().MaxXValue, 1595) << "at the limit the axis does not grow";
}

TEST_F(Curve, LastPointDraggedLeftShrinksTheAxisByHalfItsSpanNotBelow95)
{
    Make({{0, 50}, {30, 60}, {380, 40}});
    ASSERT_EQ(S().MaxXValue, 395);
    TPointInfo& p = At(380);
    Drag(p, d->CalcXPixel(100), p.YPixel);
    EXPECT_EQ(S().MaxXValue, 195);
    Release(d->CalcXPixel(100), p.YPixel);

    Make({{0, 50}, {30, 60}, {130, 40}});
    S().SetMaxXValue(135);
    d->PaintToImage();
    TPointInfo& q = At(130);
    Drag(q, d->CalcXPixel(40), q.YPixel);
    EXPECT_EQ(S().MaxXValue, 95);
}

TEST_F(Curve, ShiftReportsTheValuesUnderTheMouseAndEmptyTextsOutsideTheAxes)
{
    Make({{0, 50}, {40, 60}});
    QStringList got;
    QObject::connect(d.get(), &TCurveDiagram::OnMouseCurveValues,
                     [&](const QString& dag, const QString& waarde) { got << dag + QLatin1Char('|') + waarde; });
    const int x = d->CalcXPixel(30), y = d->CalcYPixel(70);
    d->MouseMove({}, x, y);
    EXPECT_TRUE(got.isEmpty()) << "nothing before Shift was held";
    d->MouseMove(ssShift, x, y);
    ASSERT_EQ(got.size(), 1);
    EXPECT_EQ(got.last(), QStringLiteral("30|70"));
    d->MouseMove({}, 3, 3);
    EXPECT_EQ(got.last(), QStringLiteral("|")) << "outside the axes: two empty texts";
    d->MouseDown(mbLeft, {}, 3, 3);
    EXPECT_EQ(got.size(), 3);
    EXPECT_FALSE(d->ReportValues);
    d->MouseMove({}, x, y);
    EXPECT_EQ(got.size(), 3);
}

TEST_F(Curve, RightClickInsideTheAxesReportsThePointUnderTheMouse)
{
    Make({{0, 50}, {40, 60}});
    QList<TPointInfo*> got;
    QObject::connect(d.get(), &TCurveDiagram::OnCurveRightClick, [&](TPointInfo* p, TMasterDiagram*) { got << p; });
    TPointInfo& p = At(40);
    d->MouseMove({}, p.XPixel, p.YPixel);
    d->MouseDown(mbRight, {}, p.XPixel, p.YPixel);
    d->MouseMove({}, 3, 3);
    d->MouseDown(mbRight, {}, 3, 3);
    ASSERT_EQ(got.size(), 1);
    EXPECT_EQ(got[0], &p);
}

TEST_F(Curve, KeyStepToTheRightEndWidensTheAxisByTen)
{
    Make({{0, 50}, {94, 60}});
    TPointInfo& p = At(94);
    p.MouseOver = true;
    int changes = 0;
    QObject::connect(d.get(), &TCurveDiagram::AfterCurveChanged, [&] { ++changes; });
    d->ChangeDiagramValue(cvXUp);
    EXPECT_EQ(C().XValues[1], 95);
    EXPECT_EQ(S().MaxXValue, 105);
    EXPECT_EQ(changes, 1);
    p.MouseOver = false;
    d->ChangeDiagramValue(cvYUp);
    EXPECT_EQ(C().YValues[1], 60) << "only the point under the mouse steps";
    EXPECT_EQ(changes, 1);
}

TEST_F(Curve, InsertPointAtAnExistingXChangesOnlyItsY)
{
    Make({{0, 50}, {40, 60}});
    d->MouseXValue = 40;
    d->MouseYValue = 75;
    d->InsertPoint();
    EXPECT_EQ(C().PointCount, 2);
    EXPECT_EQ(C().YValues[1], 75);
    d->MouseXValue = 20;
    d->InsertPoint();
    EXPECT_EQ(C().PointCount, 3);
    EXPECT_EQ(C().XValues[2], 20);
    EXPECT_EQ(d->PointList.size(), 4u);
}

TEST_F(Curve, InsertPointOnAFullCurveIsRefusedAndKeepsEveryPoint)
{
    Make({{0, 1}, {5, 2}, {10, 3}, {15, 4}, {20, 5}, {25, 6}, {30, 7}, {35, 8}, {40, 9}, {45, 10}});
    d->MouseXValue = 50;
    d->MouseYValue = 11;
    EXPECT_THROW(d->InsertPoint(), Exception);
    EXPECT_EQ(C().PointCount, 10);
    EXPECT_EQ(C().XValues[9], 45);
    EXPECT_EQ(d->PointList.size(), 11u);
}

TEST_F(Curve, DeletePointUnderTheMouseMovesTheLaterEntriesDown)
{
    Make({{0, 50}, {20, 60}, {40, 30}});
    At(20).MouseOver = true;
    d->DeletePoint();
    ASSERT_EQ(C().PointCount, 2);
    EXPECT_EQ(C().XValues[1], 40);
    EXPECT_EQ(C().YValues[1], 30);
    EXPECT_EQ(C().XValues[2], 0);
    d->DeletePoint(d->PointList[0].get()); // the day-counter line matches no entry
    EXPECT_EQ(C().PointCount, 2);
}

TEST_F(Curve, PrintDiagramDrawsOnWhiteAtThePrintSize)
{
    Make({{0, 50}, {40, 60}});
    TBitmap* printed = d->PrintDiagram();
    ASSERT_NE(printed, nullptr);
    EXPECT_EQ(printed->Width(), 700);
    EXPECT_EQ(printed->Height(), 500);
    EXPECT_EQ(PixelColor(printed->Image(), 5, 5), clWhite);
    EXPECT_EQ(d->Width(), 700);
}

} // namespace

namespace {

// A repaint that takes the axes from the previous paint shows exactly what a
// full paint of the same curve shows, and a changed setting redraws the axes.
TEST_F(Curve, RepaintFromTheKeptAxesEqualsAFullPaint)
{
    Make({{0, 50}, {40, 60}, {80, 30}});
    C().YValues[1] = 90;
    S().SetYAxisDecimals(1);
    const QImage repainted = d->PaintToImage().copy();
    TTestCurve fresh(nullptr, Record({{0, 50}, {40, 90}, {80, 30}}), &fonts);
    fresh.SetBounds(0, 0, 489, 297);
    fresh.DiagramSettings()->SetYAxisDecimals(1);
    EXPECT_TRUE(repainted == fresh.PaintToImage());
    C().YValues[1] = 20;
    const QImage again = d->PaintToImage().copy();
    *fresh.PointList[2]->Values.YValue = 20;
    EXPECT_TRUE(again == fresh.PaintToImage());
}

} // namespace

namespace {

// Key steps at both ends of the X axis: it grows by 10 up to day 999 and
// down to day -99, and shrinks back towards -5 .. 95 from the first and the
// last point; a point is held at day 999 and at the ceiling as a drag holds it.
TEST_F(Curve, KeyStepsAtTheEndsOfTheAxes)
{
    const struct {
        const char* what;
        std::vector<std::pair<int, int>> points;
        int day, minX, maxX, maxY, entry;
        TChangeValue change;
        int steps, x, y, expectMinX, expectMaxX;
    } rows[] = {
        {"right end grows, never past 999", {{0, 50}, {994, 60}}, 3, -5, 995, 100, 1, cvXUp, 1, 995, 60, -5, 999},
        {"a point stops at 999", {{0, 50}, {994, 60}}, 3, -5, 995, 100, 1, cvXUp, 6, 999, 60, -5, 999},
        {"held at 999 on a wider axis", {{0, 50}, {998, 60}}, 3, -5, 1595, 100, 1, cvXUp, 3, 999, 60, -5, 1565},
        {"left end grows, never past -99", {{-91, 50}, {40, 60}}, 3, -92, 95, 100, 0, cvXDown, 1, -92, 50, -99, 95},
        {"first point: back to -5 from -14", {{7, 50}, {40, 60}}, 50, -14, 95, 100, 0, cvXUp, 1, 8, 50, -5, 95},
        {"first point: -24 moves to -14", {{7, 50}, {40, 60}}, 50, -24, 95, 100, 0, cvXUp, 1, 8, 50, -14, 95},
        {"last point 20 inside shrinks", {{0, 50}, {96, 60}}, 3, -5, 115, 100, 1, cvXDown, 1, 95, 60, -5, 105},
        {"last point 21 inside keeps", {{0, 50}, {97, 60}}, 3, -5, 115, 100, 1, cvXDown, 1, 96, 60, -5, 115},
        {"held at the ceiling", {{0, 50}, {40, 390}}, 3, -5, 95, 600, 1, cvYUp, 15, 40, 400, -5, 95},
    };
    for (const auto& r : rows) {
        Make(r.points, r.day);
        S().SetMinXValue(r.minX);
        S().SetMaxXValue(r.maxX);
        S().SetMaxYValue(r.maxY);
        d->PaintToImage();
        TPointInfo& p = At(C().XValues[size_t(r.entry)]);
        p.MouseOver = true;
        for (int i = 0; i < r.steps; ++i)
            d->ChangeDiagramValue(r.change);
        EXPECT_EQ(C().XValues[size_t(r.entry)], r.x) << r.what;
        EXPECT_EQ(C().YValues[size_t(r.entry)], r.y) << r.what;
        EXPECT_EQ(S().MinXValue, r.expectMinX) << r.what;
        EXPECT_EQ(S().MaxXValue, r.expectMaxX) << r.what;
    }
}

TEST_F(Curve, AnInsertedPointIsHeldAtDay999AndTheCeiling)
{
    Make({{0, 50}, {998, 60}});
    d->MouseXValue = 1200;
    d->MouseYValue = 500;
    d->InsertPoint();
    ASSERT_EQ(C().PointCount, 3);
    EXPECT_EQ(C().XValues[2], 999);
    EXPECT_EQ(C().YValues[2], 400);
}

// The axes fitted to one point on either side of each bound.
TEST_F(Curve, AxesFitTheCurveOnBothSidesOfEachBound)
{
    const struct {
        int x, y, minX, maxX, minY, maxY;
    } rows[] = {{95, 100, -5, 95, 0, 100}, {96, 101, -5, 195, 0, 200}, {195, 200, -5, 195, 0, 200},
                {196, 201, -5, 395, 0, 300}, {-6, -1, -6, 95, -1, 100}};
    for (const auto& r : rows) {
        Make({{r.x, r.y}});
        EXPECT_EQ(S().MinXValue, r.minX) << r.x;
        EXPECT_EQ(S().MaxXValue, r.maxX) << r.x;
        EXPECT_EQ(S().MinYValue, r.minY) << r.y;
        EXPECT_EQ(S().MaxYValue, r.maxY) << r.y;
    }
}

// With Shift held, the values on the axes' edges are reported; one beyond
// any edge gives two empty texts.
TEST_F(Curve, ReportedValuesOnTheEdgesOfTheAxes)
{
    Make({{0, 50}, {40, 60}});
    QStringList got;
    QObject::connect(d.get(), &TCurveDiagram::OnMouseCurveValues,
                     [&](const QString& dag, const QString& waarde) { got << dag + QLatin1Char('|') + waarde; });
    const struct {
        int x, y;
        bool inside;
    } rows[] = {{-5, 50, true},  {95, 50, true},  {40, 0, true},   {40, 100, true},
                {-6, 50, false}, {96, 50, false}, {40, -1, false}, {40, 101, false}};
    for (const auto& r : rows) {
        d->MouseMove(ssShift, d->CalcXPixel(r.x), d->CalcYPixel(r.y));
        ASSERT_EQ(d->MouseXValue, r.x);
        ASSERT_EQ(d->MouseYValue, r.y);
        EXPECT_EQ(got.last(), r.inside ? QStringLiteral("%1|%2").arg(r.x).arg(r.y) : QStringLiteral("|"))
            << r.x << "," << r.y;
    }
}

} // namespace

namespace {

// Off the doubling ladder of -5 .. 95 (where fitting would hide the
// difference), the last point dragged left takes half the span off the axis.
TEST_F(Curve, LastPointDraggedLeftHalvesASpanOffTheLadder)
{
    Make({{0, 50}, {30, 60}, {380, 40}});
    S().SetMaxXValue(555);
    d->PaintToImage();
    TPointInfo& p = At(380);
    Drag(p, d->CalcXPixel(100), p.YPixel);
    EXPECT_EQ(S().MaxXValue, 275);
}

} // namespace
