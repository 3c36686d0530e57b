// The scale module: maps and their inverses, the rounding rules, the step
// tables and the labels. The figures are those the components drew with
// before they shared the module, so a change here shows as a changed picture.

#include "scale/IntScaleMap.h"
#include "scale/ScaleLabels.h"
#include "scale/ScaleMap.h"
#include "scale/ScaleSteps.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

TEST(ScaleMapTest, RoundingRulesDifferWhereTheyShould)
{
    struct Row {
        double v;
        int trunc, floor, halfUp, halfEven, halfAway;
    };
    const Row rows[] = {{2.5, 2, 2, 3, 2, 3}, {3.5, 3, 3, 4, 4, 4}, {-2.5, -2, -3, -2, -2, -3}, {-0.4, 0, -1, 0, 0, 0},
        {7.49, 7, 7, 7, 7, 7}, {1e300, INT_MAX, INT_MAX, INT_MAX, INT_MAX, INT_MAX},
        {-1e300, INT_MIN, INT_MIN, INT_MIN, INT_MIN, INT_MIN}, {NAN, 0, 0, 0, 0, 0}};
    for (const Row& r : rows) {
        EXPECT_EQ(RoundToPixel(r.v, TRounding::Truncate), r.trunc) << r.v;
        EXPECT_EQ(RoundToPixel(r.v, TRounding::Floor), r.floor) << r.v;
        EXPECT_EQ(RoundToPixel(r.v, TRounding::HalfUp), r.halfUp) << r.v;
        EXPECT_EQ(RoundToPixel(r.v, TRounding::HalfEven), r.halfEven) << r.v;
        EXPECT_EQ(RoundToPixel(r.v, TRounding::HalfAway), r.halfAway) << r.v;
    }
}

// Each arithmetic gives exactly the expression its callers wrote, bit for bit.
TEST(ScaleMapTest, ArithmeticIsTheCallersExpression)
{
    for (int span = 1; span < 60; ++span)
        for (int length = 1; length < 200; length += 7)
            for (int d = 0; d <= span; ++d) {
                const TScaleMap exact(10, 10 + span, 4, 4 + length);
                const TScaleMap factor(10, 10 + span, 4, 4 + length, TScaleMap::TArithmetic::Factor);
                EXPECT_EQ(exact.Transform(10 + d), double(d) * length / span + 4);
                EXPECT_EQ(factor.Transform(10 + d), double(length) / span * d + 4);
                // The scale given top first: a vertical track whose maximum is at P1.
                const TScaleMap down(10 + span, 10, 4, 4 + length, TScaleMap::TArithmetic::Factor);
                EXPECT_EQ(down.Transform(10 + d), double(length) / span * (span - d) + 4);
                EXPECT_EQ(down.InvOffset(4 + d), -(double(d) / (double(length) / span)));
            }
    const TScaleMap dial = TScaleMap::WithExtent(0, 100, M_PI / 4, 3 * M_PI / 2);
    for (int pos = 0; pos <= 100; ++pos)
        EXPECT_EQ(dial.Transform(pos), M_PI / 4 + (3 * M_PI / 2) * pos / 100.0);
}

TEST(ScaleMapTest, InverseAndInversion)
{
    const TScaleMap map(-20, 80, 300, 100); // values grow upward
    EXPECT_TRUE(map.IsInverting());
    EXPECT_EQ(map.Transform(-20), 300);
    EXPECT_EQ(map.Transform(80), 100);
    for (double v : {-20.0, 0.0, 12.5, 80.0})
        EXPECT_NEAR(map.InvTransform(map.Transform(v)), v, 1e-12);
    const TScaleMap turned = map.Inverted();
    EXPECT_FALSE(turned.IsInverting());
    EXPECT_EQ(turned.P1(), 100);
    EXPECT_EQ(turned.P2(), 300);
    EXPECT_EQ(turned.Transform(30) - 100, 300 - map.Transform(30));
    EXPECT_EQ(TScaleMap(5, 5, 7, 9).Pixel(100, TRounding::Truncate), 7);
    EXPECT_EQ(TScaleMap(5, 5, 7, 9).InvTransform(100), 5);
}

// The integer map's forward and inverse truncate each their own way; the
// agreeing pixel of every value a pixel reads is a pixel that reads it back.
TEST(ScaleMapTest, IntegerMapAgreesWithItsInverse)
{
    for (const auto& [lo, hi, width] :
        {std::tuple {0, 1000, 517}, {-300, 450, 260}, {0, 37, 400}, {100, 100000, 113}}) {
        for (const TIntScaleMap map : {TIntScaleMap(lo, hi, 31, 31 + width), TIntScaleMap(lo, hi, 380, 380 - width)}) {
            const int step = map.P2() > map.P1() ? 1 : -1;
            for (int p = int(map.P1()); p != int(map.P2()); p += step) {
                const int v = map.Value(p);
                EXPECT_EQ(map.Value(map.AgreeingPixel(v, 1 << 16)), v) << lo << ".." << hi << " at " << p;
            }
            EXPECT_EQ(map.Pixel(lo), map.P1());
            EXPECT_EQ(map.Pixel(hi), map.P2());
        }
    }
    // Ticks: first + i * track / n.
    const TIntScaleMap ticks(0, 25, 13, 13 + 122);
    EXPECT_EQ(ticks.Pixel(7), 13 + 7 * 122 / 25);
    EXPECT_EQ(TIntScaleMap(0, 0, 3, 9).Pixel(4), 3);
    EXPECT_EQ(TIntScaleMap(2, 8, 3, 3).Value(40), 2);
}

TEST(ScaleStepsTest, StepTables)
{
    EXPECT_EQ(ScaleSteps::OneTwoFive(300000, 1), 300000);
    EXPECT_EQ(ScaleSteps::OneTwoFive(300000, 3), 150000);
    EXPECT_EQ(ScaleSteps::OneTwoFive(300000, 11), 30000);
    EXPECT_EQ(ScaleSteps::OneTwoFive(300000, 21), 15000);
    EXPECT_EQ(ScaleSteps::Halving(300000, 9), 37500);
    EXPECT_EQ(ScaleSteps::Days(300000, 1000, 7), 581);
    EXPECT_EQ(ScaleSteps::Days(300000, 1e9, 28), 28);
    EXPECT_EQ(ScaleSteps::LabelCount(800, 1440, 1440, 40), 20);
    const std::pair<double, int> minutes[]
        = {{1, 1440}, {2, 1440}, {3, 720}, {5, 360}, {24, 120}, {25, 60}, {1200, 2}, {1201, 1}};
    for (const auto& [count, step] : minutes)
        EXPECT_EQ(ScaleSteps::Minutes(count), step) << count;
    const std::pair<int, int> hours[] = {{0, 1440}, {2, 720}, {4, 360}, {6, 240}, {8, 180}, {20, 120}, {21, 60}};
    for (const auto& [count, step] : hours)
        EXPECT_EQ(ScaleSteps::Hours(count), step) << count;
    const std::pair<int, int> perCent[] = {{-3, 100}, {1, 100}, {2, 50}, {4, 25}, {5, 20}, {6, 10}, {90, 10}};
    for (const auto& [count, step] : perCent)
        EXPECT_EQ(ScaleSteps::PerCent(count), step) << count;
    EXPECT_EQ(ScaleSteps::StepCount(100, 10, 10000), 10);
    EXPECT_EQ(ScaleSteps::StepCount(100, 0, 10000), 0);
    EXPECT_EQ(ScaleSteps::StepCount(100, -10, 10000), 0);
    EXPECT_EQ(ScaleSteps::StepCount(1e9, 1, 10000), 0);
    EXPECT_EQ(ScaleSteps::StepCount(NAN, 1, 10000), 0);
}

TEST(ScaleLabelsTest, Formats)
{
    EXPECT_EQ(ScaleLabels::Tenths(125), "12.5");
    EXPECT_EQ(ScaleLabels::Tenths(-5), "-0.5");
    EXPECT_EQ(ScaleLabels::Tenths(0), "0.0");
    EXPECT_EQ(ScaleLabels::HundredthsToTenths(1249), 125);
    EXPECT_EQ(ScaleLabels::HundredthsToTenths(-1245), -125);
    EXPECT_EQ(ScaleLabels::Hundredths(3000), "30.00");
    EXPECT_EQ(ScaleLabels::Hundredths(-7), "-0.07");
    EXPECT_EQ(ScaleLabels::DecimalComma(235, 1), "23,5");
    EXPECT_EQ(ScaleLabels::DecimalComma(-5, 1), "-0,5");
    EXPECT_EQ(ScaleLabels::DecimalComma(7, 3), "0,007");
    EXPECT_EQ(ScaleLabels::DecimalComma(-42, 0), "-42");
    EXPECT_EQ(ScaleLabels::DecimalComma(INT_MIN, 2), "-21474836,48");
    EXPECT_EQ(ScaleLabels::IntegerPart(235, 1), "23");
    EXPECT_EQ(ScaleLabels::IntegerPart(-5, 1), "0");
    EXPECT_EQ(ScaleLabels::IntegerPart(-15, 1), "-1");
    EXPECT_EQ(ScaleLabels::HourMinute(0), "00:00");
    EXPECT_EQ(ScaleLabels::HourMinute(90), "01:30");
    EXPECT_EQ(ScaleLabels::HourMinute(1440), "24:00");
    EXPECT_EQ(ScaleLabels::HourMinute(-90), "-01:-30");
    EXPECT_EQ(ScaleLabels::HourMinute(-30), "00:-30");
}
