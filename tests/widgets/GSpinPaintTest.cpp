// The round spin control's pixels: the released frame and bevel, the two
// triangles and their flood-filled insides, the focused and pushed looks and
// the greyed buttons.

#include "widgets/GSpin.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace {

class TTestSpin : public TGSpin {
public:
    using TGSpin::DoEnter;
    using TGSpin::MouseDown;
};

const TColor kFace = ColorToRGB(clBtnFace);
constexpr TColor kLight = 0xE0E0E0;
constexpr TColor kDark = clGray;

// The demo's GSpin1: W 65, H 100, so M 50 and C 32.
constexpr int W = 65, H = 100, M = 50, C = 32;

void MakeDemoSpin(TGSpin& spin)
{
    spin.SetBounds(0, 0, W, H);
    spin.SetMax(500);
    spin.SetValue(100);
}

TColor At(const QImage& image, int x, int y) { return PixelColor(image, x, y); }
TColor UpInside(const QImage& image) { return At(image, C, M - 5); }
TColor DownInside(const QImage& image) { return At(image, C, M + 5); }

} // namespace

TEST(GSpinPaint, ReleasedOutlineAndBevel)
{
    TGSpin spin;
    MakeDemoSpin(spin);
    const QImage image = spin.PaintToImage();
    // Rounded corners: the outline's diagonal and the bevel pixels.
    EXPECT_EQ(At(image, 0, 0), kFace);
    for (auto [x, y] : {std::pair{0, 2}, {1, 1}, {2, 0}, {W - 3, 0}, {W - 2, 1}, {W - 1, 2}, {0, H - 3},
                        {1, H - 2}, {2, H - 1}, {W - 3, H - 1}, {W - 2, H - 2}, {W - 1, H - 3}})
        EXPECT_EQ(At(image, x, y), clBlack) << x << "," << y;
    EXPECT_EQ(At(image, 3, 0), clBlack);
    EXPECT_EQ(At(image, W - 1, 20), clBlack);
    EXPECT_EQ(At(image, 0, 70), clBlack);
    // The notch at the divider: (W-2, M) and (1, M) are on the outline.
    EXPECT_EQ(At(image, W - 2, M), clBlack);
    EXPECT_EQ(At(image, W - 1, M), kFace);
    EXPECT_EQ(At(image, 0, M), kFace);
    // Divider row.
    EXPECT_EQ(At(image, 1, M), clBlack);
    EXPECT_EQ(At(image, W - 3, M), clBlack);
    // Light upper-left, dark lower-right bevels of both buttons.
    EXPECT_EQ(At(image, 10, 1), kLight);
    EXPECT_EQ(At(image, 1, 20), kLight);
    EXPECT_EQ(At(image, 1, M + 1), kLight);
    EXPECT_EQ(At(image, W - 2, 20), kDark);
    EXPECT_EQ(At(image, 20, M - 1), kDark);
    EXPECT_EQ(At(image, 20, H - 2), kDark);
    EXPECT_EQ(At(image, W - 2, 70), kDark);
}

TEST(GSpinPaint, TrianglesAndTheirFilledInsides)
{
    TGSpin spin;
    MakeDemoSpin(spin);
    const QImage image = spin.PaintToImage();
    EXPECT_EQ(At(image, C, 3), kDark) << "up apex";
    EXPECT_EQ(At(image, 10, M - 3), kLight) << "up base";
    EXPECT_EQ(At(image, 10, M + 3), kDark) << "down base";
    EXPECT_EQ(At(image, C, H - 4), kLight) << "down apex";
    EXPECT_EQ(UpInside(image), clNavy);
    EXPECT_EQ(DownInside(image), clNavy);
    EXPECT_EQ(At(image, C, 6), clNavy) << "the fill reaches the apex";
    // The fill stays inside the triangles.
    EXPECT_EQ(At(image, 6, 6), kFace);
    EXPECT_EQ(At(image, W - 7, 6), kFace);
    EXPECT_EQ(At(image, 6, H - 7), kFace);
    EXPECT_EQ(At(image, 5, 30), kFace);
    EXPECT_EQ(At(image, 10, 40), clNavy);
}

TEST(GSpinPaint, FocusedFrame)
{
    TTestSpin spin;
    MakeDemoSpin(spin);
    spin.DoEnter();
    const QImage image = spin.PaintToImage();
    EXPECT_EQ(At(image, 1, 20), clBlack);
    EXPECT_EQ(At(image, 1, 70), clBlack);
    EXPECT_EQ(At(image, 20, 1), clBlack);
    EXPECT_EQ(At(image, 20, H - 2), clBlack);
    EXPECT_EQ(At(image, W - 2, 20), clBlack);
    EXPECT_EQ(At(image, W - 2, 70), clBlack);
    EXPECT_EQ(UpInside(image), clNavy);
}

TEST(GSpinPaint, PushedUpperHalf)
{
    TTestSpin spin;
    MakeDemoSpin(spin);
    spin.MouseDown(mbLeft, {}, C, 20);
    const QImage image = spin.PaintToImage();
    EXPECT_EQ(UpInside(image), clBlue);
    EXPECT_EQ(DownInside(image), clNavy);
    EXPECT_EQ(At(image, 3, 2), clBlack);
    EXPECT_EQ(At(image, 2, M - 1), clBlack);
    EXPECT_EQ(At(image, 20, M - 1), clBlack);
    EXPECT_EQ(At(image, W - 3, M - 3), kDark) << "the dark line continues from the black one's end";
    EXPECT_EQ(At(image, W - 3, 20), kDark);
    EXPECT_EQ(At(image, 20, 2), kDark);
    EXPECT_EQ(At(image, 2, 20), kDark) << "the light bevel turns dark when pushed";
    EXPECT_EQ(At(image, 20, M - 2), kDark);
}

TEST(GSpinPaint, PushedLowerHalf)
{
    TTestSpin spin;
    MakeDemoSpin(spin);
    spin.MouseDown(mbLeft, {}, C, 80);
    const QImage image = spin.PaintToImage();
    EXPECT_EQ(DownInside(image), clBlue);
    EXPECT_EQ(UpInside(image), clNavy);
    EXPECT_EQ(At(image, 2, M + 1), clBlack);
    EXPECT_EQ(At(image, 20, M + 1), clBlack);
    EXPECT_EQ(At(image, W - 3, M + 2), clBlack);
    EXPECT_EQ(At(image, W - 4, H - 3), clBlack);
    EXPECT_EQ(At(image, W - 3, 70), kDark);
    EXPECT_EQ(At(image, 20, H - 3), kDark);
    EXPECT_EQ(At(image, 2, 70), kDark);
}

TEST(GSpinPaint, ColoursFollowTheirProperties)
{
    TTestSpin spin;
    MakeDemoSpin(spin);
    spin.SetColorOff(clMaroon);
    spin.SetColorOn(clRed);
    spin.MouseDown(mbLeft, {}, C, 80);
    const QImage image = spin.PaintToImage();
    EXPECT_EQ(UpInside(image), clMaroon);
    EXPECT_EQ(DownInside(image), clRed);
}

TEST(GSpinPaint, AutoDisableGreysTheButtonAtItsLimit)
{
    TGSpin spin;
    MakeDemoSpin(spin);
    spin.SetAutoDisable(true);
    spin.SetValue(500);
    QImage image = spin.PaintToImage();
    EXPECT_EQ(UpInside(image), kFace);
    EXPECT_EQ(DownInside(image), clNavy);
    EXPECT_EQ(At(image, C, 3), kDark) << "the outline stays";
    spin.SetValue(0);
    image = spin.PaintToImage();
    EXPECT_EQ(UpInside(image), clNavy);
    EXPECT_EQ(DownInside(image), kFace);
    // Without AutoDisable the limit changes nothing.
    spin.SetAutoDisable(false);
    EXPECT_EQ(DownInside(spin.PaintToImage()), clNavy);
}

TEST(GSpinPaint, DisabledGreysBothButtons)
{
    TGSpin spin;
    MakeDemoSpin(spin);
    spin.SetEnabled(false);
    QImage image = spin.PaintToImage();
    EXPECT_EQ(UpInside(image), kFace);
    EXPECT_EQ(DownInside(image), kFace);
    spin.SetEnabled(true);
    image = spin.PaintToImage();
    EXPECT_EQ(UpInside(image), clNavy);
    // The published property (as a window description sets it) greys too.
    spin.setProperty("Enabled", false);
    EXPECT_EQ(DownInside(spin.PaintToImage()), kFace);
}

TEST(GSpinPaint, DefaultSizeKeepsTheTrianglesApart)
{
    TGSpin spin; // 19 x 25: M 12, C 9
    const QImage image = spin.PaintToImage();
    EXPECT_EQ(At(image, 9, 7), clNavy);
    EXPECT_EQ(At(image, 9, 17), clNavy);
    EXPECT_EQ(At(image, 9, 12), clBlack);
    EXPECT_EQ(At(image, 3, 4), kFace);
}
