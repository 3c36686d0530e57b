#include "widgets/DrawFrame3D.h"

#include "framework/Bitmap.h"

#include <gtest/gtest.h>

namespace {

constexpr TColor Top = clWhite;
constexpr TColor Bottom = clGray;
constexpr TColor Back = clNavy;

struct FrameSurface {
    TBitmap bmp{8, 7};
    FrameSurface()
    {
        bmp.Canvas().Brush.Color = Back;
        bmp.Canvas().FillRect(TRect(0, 0, 8, 7));
    }
    TColor at(int x, int y) const { return bmp.Canvas().Pixel(x, y); }
};

} // namespace

TEST(DrawFrame3D, OneRingLightTopLeftDarkBottomRightAndShrinksRect)
{
    FrameSurface s;
    TRect r(1, 1, 6, 5); // covers x 1..5, y 1..4
    DrawFrame3D(s.bmp.Canvas(), r, Top, 1, Bottom);

    EXPECT_EQ(r, TRect(2, 2, 5, 4));
    for (int x = 1; x <= 4; ++x)
        EXPECT_EQ(s.at(x, 1), Top) << x;
    for (int y = 1; y <= 3; ++y)
        EXPECT_EQ(s.at(1, y), Top) << y;
    // The dark edges own both far corners: top-right and bottom-left.
    for (int y = 1; y <= 4; ++y)
        EXPECT_EQ(s.at(5, y), Bottom) << y;
    for (int x = 1; x <= 5; ++x)
        EXPECT_EQ(s.at(x, 4), Bottom) << x;
    // Nothing outside the rectangle, nothing inside the ring.
    for (int x = 0; x < 8; ++x) {
        EXPECT_EQ(s.at(x, 0), Back);
        EXPECT_EQ(s.at(x, 5), Back);
    }
    EXPECT_EQ(s.at(6, 2), Back);
    EXPECT_EQ(s.at(0, 2), Back);
    EXPECT_EQ(s.at(2, 2), Back);
    EXPECT_EQ(s.at(4, 3), Back);
}

TEST(DrawFrame3D, WidthTwoDrawsNestedRingsAndShrinksByTwo)
{
    FrameSurface s;
    TRect r(0, 0, 8, 7);
    DrawFrame3D(s.bmp.Canvas(), r, Top, 2, Bottom);

    EXPECT_EQ(r, TRect(2, 2, 6, 5));
    EXPECT_EQ(s.at(0, 0), Top);
    EXPECT_EQ(s.at(1, 1), Top);
    EXPECT_EQ(s.at(7, 6), Bottom);
    EXPECT_EQ(s.at(6, 5), Bottom);
    EXPECT_EQ(s.at(6, 1), Bottom);
    EXPECT_EQ(s.at(1, 5), Bottom);
    EXPECT_EQ(s.at(2, 2), Back);
    EXPECT_EQ(s.at(5, 4), Back);
}

TEST(DrawFrame3D, ZeroWidthDrawsNothingAndKeepsRect)
{
    FrameSurface s;
    TRect r(1, 1, 6, 5);
    DrawFrame3D(s.bmp.Canvas(), r, Top, 0, Bottom);
    EXPECT_EQ(r, TRect(1, 1, 6, 5));
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 8; ++x)
            EXPECT_EQ(s.at(x, y), Back);
}

TEST(DrawFrame3D, SameColourBothSidesIsAPlainFrame)
{
    FrameSurface s;
    TRect r(0, 0, 4, 4);
    DrawFrame3D(s.bmp.Canvas(), r, clBlack, 1, clBlack);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(s.at(i, 0), clBlack);
        EXPECT_EQ(s.at(i, 3), clBlack);
        EXPECT_EQ(s.at(0, i), clBlack);
        EXPECT_EQ(s.at(3, i), clBlack);
    }
    EXPECT_EQ(s.at(1, 1), Back);
}
