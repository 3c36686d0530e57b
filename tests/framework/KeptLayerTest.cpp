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
    ASSERT_TRUE(layer.CopyTo(target));
    EXPECT_EQ(target.Image(), layer.Picture().Image());
    const QImage kept = layer.Picture().Image().copy();
    target.Canvas().SetPixel(0, 0, clBlack);
    EXPECT_EQ(layer.Picture().Image(), kept);
    EXPECT_EQ(PixelToColor(held.pixel(0, 0)), clLime);
    EXPECT_EQ(PixelToColor(target.Image().pixel(0, 0)), clBlack);

    // Another size is left alone.
    TBitmap other(4, 4);
    EXPECT_FALSE(layer.CopyTo(other));
    EXPECT_EQ(other.Width(), 4);
}
