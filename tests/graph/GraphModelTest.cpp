// The graph's view rules, axis arithmetic and DrawGraphic's set-up.

#include "graph/GraphScale.h"
#include "graph/KivGraph.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TKivGraph* Limited(TKivGraph& g, TAxisType axis)
{
    g.XAxisType = axis;
    g.LimitXMin = 0;
    g.LimitXMax = 1440;
    g.LimitLeftMin = 0;
    g.LimitLeftMax = 100;
    return &g;
}

} // namespace

TEST(GraphView, EqualValuesAreIgnoredAndReversedOnesSwapped)
{
    TKivGraph g;
    Limited(g, atNumber);
    g.SetVisLeftRect({100, 10, 200, 60});
    g.SetVisLeftRect({300, 0, 300, 50});
    g.SetVisLeftRect({150, 20, 250, 20});
    g.SetVisLeftRect({std::nan(""), 20, 250, 30});
    g.SetVisLeftRect({150, 20, 250, HUGE_VAL});
    EXPECT_EQ(g.VisLeftRect(), (TRect2D{100, 10, 200, 60}));
    g.SetVisLeftRect({400, 80, 300, 30});
    EXPECT_EQ(g.VisLeftRect(), (TRect2D{300, 30, 400, 80}));
}

TEST(GraphView, ClampsToTheLimitsAndKeepsMinimumSpans)
{
    TKivGraph g;
    Limited(g, atMinutes);
    g.SetVisLeftRect({-50, -5, 2000, 150});
    EXPECT_EQ(g.VisLeftRect(), (TRect2D{0, 0, 1440, 100}));
    g.SetVisLeftRect({600, 40, 630, 42});
    EXPECT_EQ(g.VisLeftRect(), (TRect2D{600, 40, 690, 45})); // 90 minutes, 5 units
    g.SetVisLeftRect({1420, 40, 1500, 60});                   // pushed past the limit
    EXPECT_EQ(g.VisLeftRect(), (TRect2D{1350, 40, 1440, 60}));
    const std::pair<TAxisType, double> spans[] = {{atNumber, 5},  {atUndefined, 5}, {atMinutes, 90},
                                                  {atHours, 3},   {atDaysWeek, 3},  {atDaysMonth, 3}};
    for (auto [type, span] : spans) {
        g.XAxisType = type;
        g.SetVisLeftRect({10, 40, 11, 60});
        EXPECT_EQ(g.VisLeftRect().XMax, 10 + span) << type;
    }
}

TEST(GraphView, AdjustZoomKeepsSpansBetweenATenthAnd300000AtTheirRatio)
{
    TRect2D narrow{10, 0, 10.05, 4};
    TKivGraph::AdjustZoom(narrow);
    EXPECT_NEAR(narrow.XMax - narrow.XMin, 0.1, 1e-12);
    EXPECT_NEAR(narrow.YMax - narrow.YMin, 8, 1e-9);
    EXPECT_NEAR(narrow.YMin + narrow.YMax, 4, 1e-9); // around the centre
    TRect2D wide{0, 0, 600000, 0.02};
    TKivGraph::AdjustZoom(wide);
    // X narrowed to 300000 takes Y to 0.01; Y widened to 0.1 takes X along.
    EXPECT_NEAR(wide.XMax - wide.XMin, 3000000, 1e-3);
    EXPECT_NEAR(wide.YMax - wide.YMin, 0.1, 1e-9);
}

TEST(GraphScale, StepsAndFirstValues)
{
    EXPECT_EQ(GraphScale::ValueStep(200, 100, 13), 15);
    EXPECT_EQ(GraphScale::ValueStep(200, 100000, 13), 15000);
    EXPECT_EQ(GraphScale::ValueStep(2000, 5, 13), 1); // never below 1
    EXPECT_EQ(GraphScale::FirstValue(7, 15), 15);
    EXPECT_EQ(GraphScale::FirstValue(-7, 15), -15);
    EXPECT_EQ(GraphScale::MinuteStep(600, 1440, 45), 120);  // n = 13
    EXPECT_EQ(GraphScale::MinuteStep(600, 90, 45), 10);     // n = 213
    EXPECT_EQ(GraphScale::NumberStep(600, 1000, 30), 73); // 300000 halved 12 times, truncated
    EXPECT_EQ(GraphScale::DayStep(600, 70, 40, 7), 7);
    EXPECT_EQ(GraphScale::XTemplate(atNumber, -3, 12345), QStringLiteral("88888"));
    EXPECT_EQ(GraphScale::XTemplate(atNumber, 0, 0), QStringLiteral("8"));
}

// The minute step table on both sides of each of its bounds (n labels fit).
TEST(GraphScale, MinuteStepOnBothSidesOfEachBound)
{
    const std::pair<int, int> rows[] = {{2, 1440},  {3, 720},   {4, 480},  {5, 360},  {6, 360},  {7, 240},
                                        {8, 240},   {9, 180},   {12, 180}, {13, 120}, {24, 120}, {25, 60},
                                        {48, 60},   {49, 30},   {144, 30}, {145, 10}, {288, 10}, {289, 5},
                                        {360, 5},   {361, 4},   {720, 4},  {721, 2},  {1200, 2}, {1201, 1}};
    for (auto [n, step] : rows) // a full day over n pixels, labels one pixel wide: n labels fit
        EXPECT_EQ(GraphScale::MinuteStep(n, 1440, 1), step) << n;
}

// Value steps alternate halves and fifths: 300000, 150000, 30000, 15000, ...
TEST(GraphScale, ValueStepOnBothSidesOfEachChange)
{
    const std::pair<int, double> rows[] = {{1, 300000}, {2, 300000}, {3, 150000}, {10, 150000}, {11, 30000},
                                           {20, 30000}, {21, 15000}, {100, 15000}, {101, 3000}};
    for (auto [n, step] : rows) // the full span over n pixels, labels one pixel high: n labels fit
        EXPECT_EQ(GraphScale::ValueStep(n, 300000, 1), step) << n;
    const std::pair<double, double> first[] = {{0, -15}, {14, 15}, {15, 30}, {-14, -15}, {-15, -30}};
    for (auto [min, value] : first)
        EXPECT_EQ(GraphScale::FirstValue(min, 15), value) << min;
}

// Day steps are whole weeks (or four-week months), never less than one.
TEST(GraphScale, DayStepIsWholeUnitsAndAtLeastOne)
{
    const struct {
        double pixels;
        int unit;
        double step;
    } rows[] = {{100, 7, 35}, {100, 28, 28}, {6000, 7, 7}, {6000, 28, 28}};
    for (const auto& r : rows) // 70 days, labels 40 pixels wide
        EXPECT_EQ(GraphScale::DayStep(r.pixels, 70, 40, r.unit), r.step) << r.pixels << " pixels, unit " << r.unit;
}

TEST(GraphScale, FormatTextString)
{
    EXPECT_EQ(TKivGraph::FormatTextString(atNumber, 12.9L), QStringLiteral("12"));
    EXPECT_EQ(TKivGraph::FormatTextString(atHours, -3.7L), QStringLiteral("-3"));
    EXPECT_EQ(TKivGraph::FormatTextString(atMinutes, 89.6L), QStringLiteral("01:30"));
    // Before midnight: each part keeps two digits behind its sign.
    EXPECT_EQ(TKivGraph::FormatTextString(atMinutes, -65.6L), QStringLiteral("-01:-05"));
    EXPECT_EQ(TKivGraph::FormatTextString(atDaysWeek, 10), QStringLiteral("1.3"));
    EXPECT_EQ(TKivGraph::FormatTextString(atDaysMonth, 6), QStringLiteral("0.6"));
    EXPECT_EQ(TKivGraph::FormatTextString(atUndefined, 1), QStringLiteral("Error"));
    EXPECT_EQ(GraphScale::ValueLabel(215, true), QStringLiteral("21.5"));
    EXPECT_EQ(GraphScale::ValueLabel(-0.4, false), QStringLiteral("0"));
}

TEST(GraphDrawGraphic, MixedTenthsGetARightAxisAndLimitsWidenToTheData)
{
    TKivGraph g;
    auto* temperature = new TSeries;
    temperature->Tenths = true;
    temperature->MinY = 0;
    temperature->MaxY = 300;
    temperature->Points = {{0, -12.5}, {10, 301.2}};
    temperature->Color = RGB(0, 100, 255);
    auto* position = new TSeries;
    position->MinY = 0;
    position->MaxY = 100;
    position->Points = {{0, 50}, {20, 100.5}};
    g.AddSerie(temperature);
    g.AddSerie(position);
    auto* fill = new TSeries;
    fill->LinkedSerie = temperature;
    g.AddFillSerie(fill);
    g.LimitXMin = 0;
    g.LimitXMax = 20;
    g.DrawGraphic();
    EXPECT_TRUE(g.RightAxis);
    EXPECT_TRUE(g.LeftTenths);
    EXPECT_TRUE(temperature->LeftAxis);
    EXPECT_FALSE(position->LeftAxis);
    EXPECT_EQ(g.LimitLeftMin, -12);
    EXPECT_EQ(g.LimitLeftMax, 302);
    EXPECT_EQ(g.LimitRightMin, 0);
    EXPECT_EQ(g.LimitRightMax, 101);
    EXPECT_EQ(g.VisLeftRect(), (TRect2D{0, -12, 20, 302}));
    EXPECT_EQ(g.VisRightRect(), (TRect2D{0, 0, 20, 101}));
    EXPECT_TRUE(fill->Tenths);
    EXPECT_EQ(fill->Color, RGB(199, 221, 255)); // each channel c + ((51000 - 200 c) >> 8)
}

TEST(GraphDrawGraphic, AllWholeSeriesKeepOneAxisAndAnEmptyListCountsAsTenths)
{
    TKivGraph g;
    g.DrawGraphic();
    EXPECT_TRUE(g.LeftTenths);
    EXPECT_FALSE(g.RightAxis);
    g.AddSerie(new TSeries);
    g.DrawGraphic();
    EXPECT_FALSE(g.LeftTenths);
    EXPECT_FALSE(g.RightAxis);
}
