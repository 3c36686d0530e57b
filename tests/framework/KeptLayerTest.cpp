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

    // A target holding its pixels alone gets them overwritten in place.
    TBitmap target(9, 6);
    target.Canvas().Brush.Color = clLime;
    target.Canvas().FillRect(TRect(0, 0, 9, 6));
    const uchar* pixels = target.Image().constBits();
    ASSERT_TRUE(layer.CopyTo(target));
    EXPECT_EQ(target.Image().constBits(), pixels);
    EXPECT_EQ(target.Image(), layer.Picture().Image());

    // A target whose pixels someone else shares: the other holder keeps its picture.
    target.Canvas().SetPixel(0, 0, clBlack);
    const QImage held = target.Image();
    layer.Drop();
    layer.Keep(9, 6, draw);
    ASSERT_TRUE(layer.CopyTo(target));
    EXPECT_EQ(target.Image(), layer.Picture().Image());
    EXPECT_EQ(held.pixel(0, 0), QColor(Qt::black).rgb());

    // Another size is left alone.
    TBitmap other(4, 4);
    EXPECT_FALSE(layer.CopyTo(other));
    EXPECT_EQ(other.Width(), 4);
}
