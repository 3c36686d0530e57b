#include "framework/Bitmap.h"
#include "framework/Color.h"

#include <gtest/gtest.h>

TEST(Color, NamedAndSystemColoursResolve)
{
    EXPECT_EQ(ColorToRGB(clRed), 0x0000FF);
    EXPECT_EQ(ColorToQColor(clRed), QColor(255, 0, 0));
    EXPECT_EQ(ColorToQColor(clNavy), QColor(0, 0, 128));
    EXPECT_EQ(QColorToColor(QColor(0, 192, 0)), 0x00C000);
    for (TColor alias : {clBtnFace, clBtnShadow, clBtnHighlight, clInfoBk, clWindowText}) {
        EXPECT_EQ(ColorToRGB(alias) & ~0xFFFFFF, 0) << "aliases resolve to plain RGB";
        EXPECT_NE(alias, ColorToRGB(alias));
    }
    EXPECT_EQ(ColorToRGB(clBtnHighlight), clWhite);
    EXPECT_EQ(ColorToRGB(clWindowText), clBlack);
}

TEST(Color, TextFormRoundTrips)
{
    for (TColor c : {clBtnFace, clMaroon, clWhite, TColor(0x00C000), clNone}) {
        const auto back = StringToColor(ColorToString(c));
        ASSERT_TRUE(back.has_value()) << ColorToString(c).toStdString();
        EXPECT_EQ(*back, c);
    }
    EXPECT_EQ(ColorToString(clBtnFace), QStringLiteral("clBtnFace"));
    EXPECT_EQ(*StringToColor(QStringLiteral("clbtnface")), clBtnFace);
    EXPECT_EQ(*StringToColor(QStringLiteral("$0000C000")), 0x00C000);
    EXPECT_EQ(*StringToColor(QStringLiteral("16711680")), clBlue);
    EXPECT_FALSE(StringToColor(QStringLiteral("clPink")).has_value());
    EXPECT_FALSE(StringToColor(QStringLiteral("$XYZ")).has_value());
}

TEST(Bitmap, ResizeKeepsTheOverlapAndWhitensTheRest)
{
    TBitmap b(4, 4);
    b.Canvas().Brush.Color = clRed;
    b.Canvas().FillRect(TRect(0, 0, 4, 4));
    b.SetSize(6, 3);
    EXPECT_EQ(b.Width(), 6);
    EXPECT_EQ(b.Height(), 3);
    EXPECT_EQ(b.Canvas().Pixel(3, 2), clRed);
    EXPECT_EQ(b.Canvas().Pixel(5, 0), clWhite);
    b.Canvas().SetPixel(5, 0, clBlue); // the canvas follows the resized picture
    EXPECT_EQ(b.Canvas().Pixel(5, 0), clBlue);
    b.SetSize(-3, 2);
    EXPECT_TRUE(b.Empty());
}

TEST(Bitmap, AssignCopiesPictureAndTransparency)
{
    TBitmap a(3, 3);
    a.Canvas().SetPixel(1, 1, clGreen);
    a.Transparent = true;
    a.SetTransparentColor(clGreen);
    TBitmap b;
    b.Assign(a);
    EXPECT_EQ(b.Canvas().Pixel(1, 1), clGreen);
    EXPECT_TRUE(b.Transparent);
    EXPECT_EQ(b.TransparentColor(), clGreen);
    a.Canvas().SetPixel(1, 1, clRed);
    EXPECT_EQ(b.Canvas().Pixel(1, 1), clGreen) << "an assigned picture is a copy";
}

TEST(Bitmap, MissingResourceNameLeavesAnEmptyBitmap)
{
    TBitmap b(5, 5);
    EXPECT_FALSE(b.LoadFromResourceName(QStringLiteral("NO_SUCH_PICTURE")));
    EXPECT_TRUE(b.Empty());
    b.Canvas().Brush.Color = clRed; // drawing on an empty bitmap is harmless
    b.Canvas().FillRect(TRect(0, 0, 5, 5));
    TBitmap target(4, 4);
    target.Canvas().Draw(0, 0, b);
    EXPECT_EQ(target.Canvas().Pixel(0, 0), clWhite);
}
