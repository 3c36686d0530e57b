#include "framework/Bitmap.h"
#include "framework/Canvas.h"

#include <gtest/gtest.h>

namespace {

struct Surface {
    TBitmap bmp{10, 10};
    TCanvas& c = bmp.Canvas();
    Surface()
    {
        c.Brush.Color = clWhite;
        c.FillRect(TRect(0, 0, 10, 10));
    }
    TColor at(int x, int y) const { return bmp.Canvas().Pixel(x, y); }
};

} // namespace

TEST(Canvas, LineToPaintsStartButNotEnd)
{
    Surface s;
    s.c.MoveTo(1, 1);
    s.c.LineTo(5, 1);
    EXPECT_EQ(s.at(1, 1), clBlack);
    EXPECT_EQ(s.at(4, 1), clBlack);
    EXPECT_EQ(s.at(5, 1), clWhite);
    EXPECT_EQ(s.c.PenPos, QPoint(5, 1));
}

TEST(Canvas, RectangleCoversLeftToRightMinusOne)
{
    Surface s;
    s.c.Brush.Color = clRed;
    s.c.Rectangle(1, 0, 4, 3);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 6; ++x) {
            const bool inside = x >= 1 && x <= 3 && y >= 0 && y <= 2;
            if (!inside) {
                EXPECT_EQ(s.at(x, y), clWhite) << x << "," << y;
                continue;
            }
            const bool border = x == 1 || x == 3 || y == 0 || y == 2;
            EXPECT_EQ(s.at(x, y), border ? clBlack : clRed) << x << "," << y;
        }
}
