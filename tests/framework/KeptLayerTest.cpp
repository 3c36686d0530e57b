// TKeptLayer: drawn once, drawn again only after a drop or a resize, and
// copied without disturbing anyone who shares the target's pixels.

#include "framework/KeptLayer.h"

#include <gtest/gtest.h>

TEST(KeptLayerTest, KeepsDropsAndCopies)
{
    TKeptLayer layer;
    int draws = 0;
    const auto draw = [&](TBitmap& b) {
        ++draws;
        b.Canvas().Brush.Color = draws == 1 ? clRed : clBlue;
        b.Canvas().FillRect(TRect(0, 0, b.Width(), b.Height()));
    };
    EXPECT_TRUE(layer.Keep(8, 6, draw));
    EXPECT_FALSE(layer.Keep(8, 6, draw));
    EXPECT_EQ(draws, 1);
    EXPECT_TRUE(layer.Keep(9, 6, draw)); // another size
    layer.Drop();
    EXPECT_FALSE(layer.Kept(9, 6));
    EXPECT_TRUE(layer.Keep(9, 6, draw));
    EXPECT_EQ(draws, 3);

    // Drawing over the copy leaves the kept picture as it was, and the
    // target's former pixels stay with whoever else holds them.
    TBitmap target(9, 6);
    target.Canvas().Brush.Color = clLime;
    target.Canvas().FillRect(TRect(0, 0, 9, 6));
    const QImage held = target.Image();
    ASSERT_TRUE(layer.CopyTo(target.Image()));
    EXPECT_EQ(target.Image(), layer.Picture().Image());
    const QImage kept = layer.Picture().Image().copy();
    target.Canvas().SetPixel(0, 0, clBlack);
    EXPECT_EQ(layer.Picture().Image(), kept);
    EXPECT_EQ(PixelToColor(held.pixel(0, 0)), clLime);
    EXPECT_EQ(PixelToColor(target.Image().pixel(0, 0)), clBlack);

    // A target nobody else holds is copied into in place; a region copy
    // restores only its part.
    const uchar* own = target.Image().constBits();
    ASSERT_TRUE(layer.CopyTo(target.Image()));
    EXPECT_EQ(target.Image().constBits(), own);
    target.Canvas().Brush.Color = clLime;
    target.Canvas().FillRect(TRect(0, 0, 9, 6));
    ASSERT_TRUE(layer.CopyTo(target.Image(), QRegion(2, 1, 3, 2) + QRegion(8, 5, 4, 4)));
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 9; ++x) {
            const bool inside = (x >= 2 && x < 5 && y >= 1 && y < 3) || (x == 8 && y == 5);
            EXPECT_EQ(PixelToColor(target.Image().pixel(x, y)), inside ? clBlue : clLime) << x << "," << y;
        }

    // Another size is left alone.
    TBitmap other(4, 4);
    EXPECT_FALSE(layer.CopyTo(other.Image()));
    EXPECT_FALSE(layer.CopyTo(other.Image(), QRegion(0, 0, 2, 2)));
    EXPECT_EQ(other.Width(), 4);
}
