// Where the LED puts its lamp and caption: the three lamp types, the four
// layouts, margin and spacing -1, and the captionless front-panel LED.

#include "support/TestSupport.h"
#include "widgets/VrBlinkLed.h"

#include <gtest/gtest.h>

namespace {

TRect LampOf(TVrBlinkLed& led)
{
    led.PaintToImage();
    return led.LampRect();
}

struct CaptionedLed {
    TVrBlinkLed led;
    int tw = 0, th = 0;
    CaptionedLed(int w, int h, TVrBlinkLed::TVrBlinkLedType type)
    {
        led.SetTransparent(false);
        led.SetBounds(0, 0, w, h);
        led.SetBlinkLedType(type);
        led.SetCaption(QStringLiteral("Led"));
        // Measured as the LED measures it: the canvas's text extent.
        TBitmap probe(1, 1);
        probe.Canvas().Font.Assign(*led.Font());
        const QSize extent = probe.Canvas().TextExtent(QStringLiteral("Led"));
        tw = extent.width();
        th = extent.height();
    }
};

} // namespace

TEST(BlinkLedLayout, CaptionlessFrontPanelLed)
{
    // 20 x 16, rectangle, margin 2, spacing 3: box 15 x 11, less a third: 10 x 8 at (2, 4).
    TVrBlinkLed led;
    led.SetTransparent(false);
    led.SetBounds(0, 0, 20, 16);
    led.SetBlinkLedType(TVrBlinkLed::ltRectangle);
    led.SetColorIndex(4); // lime
    EXPECT_EQ(LampOf(led), TRect(2, 4, 12, 12));
    const QImage img = led.PaintToImage();
    EXPECT_EQ(PixelColor(img, 2, 4), clWhite);   // 3-D frame, light top-left
    EXPECT_EQ(PixelColor(img, 11, 11), clGray);  // dark bottom-right
    EXPECT_EQ(PixelColor(img, 6, 8), clLime);
    EXPECT_EQ(PixelColor(img, 12, 8), clMaroon); // outside the lamp
    EXPECT_EQ(led.CaptionRect(), TRect(12, 8, 12, 8)); // no caption, no spacing
}

TEST(BlinkLedLayout, LargeRectangleHasADoubleFrame)
{
    TVrBlinkLed led;
    led.SetTransparent(false);
    led.SetBounds(0, 0, 20, 16);
    led.SetBlinkLedType(TVrBlinkLed::ltLargeRect);
    EXPECT_EQ(LampOf(led), TRect(2, 3, 17, 14));
    const QImage img = led.PaintToImage();
    EXPECT_EQ(PixelColor(img, 3, 4), clWhite);
    EXPECT_EQ(PixelColor(img, 15, 12), clGray);
    EXPECT_EQ(PixelColor(img, 8, 8), clRed);
}

TEST(BlinkLedLayout, CaptionedLedGetsTheNegativeBoxTurnedRound)
{
    // With a caption the 20 x 16 LED has no room: the box goes negative and
    // the lamp rectangle is normalised (left <= right, top <= bottom).
    CaptionedLed d(20, 16, TVrBlinkLed::ltRectangle);
    const int bh = 16 - d.th - 5;
    ASSERT_LT(bh, 0);
    const int ih = bh - bh / 3;
    const int y = (16 - ih + 1) / 2;
    const int bw = 20 - d.tw - 5;
    const int iw = bw - bw / 3;
    const TRect lamp = LampOf(d.led);
    EXPECT_EQ(lamp, TRect(std::min(2, 2 + iw), std::min(y, y + ih), std::max(2, 2 + iw), std::max(y, y + ih)));
    d.led.PaintToImage(); // and it draws without harm
}

TEST(BlinkLedLayout, FourLayoutsWithACaption)
{
    const int w = 90, h = 40;
    for (auto layout : {TVrBlinkLed::ImageLeft, TVrBlinkLed::ImageRight, TVrBlinkLed::ImageTop,
                        TVrBlinkLed::ImageBottom}) {
        CaptionedLed d(w, h, TVrBlinkLed::ltLargeRect);
        d.led.SetLayout(layout);
        const int iw = w - d.tw - 5, ih = h - d.th - 5;
        const TRect lamp = LampOf(d.led);
        const TRect text = d.led.CaptionRect();
        EXPECT_EQ(lamp.Width(), iw);
        EXPECT_EQ(lamp.Height(), ih);
        EXPECT_EQ(text.Width(), d.tw);
        EXPECT_EQ(text.Height(), d.th);
        switch (layout) {
        case TVrBlinkLed::ImageLeft:
            EXPECT_EQ(lamp.Left, 2);
            EXPECT_EQ(text.Left, 2 + iw + 3);
            EXPECT_EQ(lamp.Top, (h - ih + 1) / 2);
            EXPECT_EQ(text.Top, (h - d.th + 1) / 2);
            break;
        case TVrBlinkLed::ImageRight:
            EXPECT_EQ(lamp.Left, w - 2 - iw);
            EXPECT_EQ(text.Left, lamp.Left - 3 - d.tw);
            break;
        case TVrBlinkLed::ImageTop:
            EXPECT_EQ(lamp.Top, 2);
            EXPECT_EQ(text.Top, 2 + ih + 3);
            EXPECT_EQ(lamp.Left, (w - iw + 1) / 2);
            EXPECT_EQ(text.Left, (w - d.tw + 1) / 2);
            break;
        case TVrBlinkLed::ImageBottom:
            EXPECT_EQ(lamp.Top, h - 2 - ih);
            EXPECT_EQ(text.Top, lamp.Top - 3 - d.th);
            break;
        }
    }
}

TEST(BlinkLedLayout, RoundLampIsSquareAndShaded)
{
    CaptionedLed d(90, 40, TVrBlinkLed::ltRounded);
    const int side = std::min(90 - d.tw - 5, 40 - d.th - 5);
    const TRect lamp = LampOf(d.led);
    EXPECT_EQ(lamp.Width(), side);
    EXPECT_EQ(lamp.Height(), side);
    const QImage img = d.led.PaintToImage();
    const int cx = (lamp.Left + lamp.Right) / 2, cy = (lamp.Top + lamp.Bottom) / 2;
    EXPECT_EQ(PixelColor(img, cx, cy), clRed);
    EXPECT_EQ(PixelColor(img, cx, lamp.Top), clBlack);         // the rim
    EXPECT_EQ(PixelColor(img, lamp.Left + 1, cy - 1), clWhite); // lit upper-left inside the rim
    EXPECT_EQ(PixelColor(img, lamp.Right - 2, cy + 1), clGray); // shaded lower-right
    // The caption is drawn in the white font.
    int ink = 0;
    const TRect t = d.led.CaptionRect();
    for (int y = t.Top; y < t.Bottom; ++y)
        for (int x = t.Left; x < t.Right; ++x)
            ink += PixelColor(img, x, y) == clWhite;
    EXPECT_GT(ink, 10);
}

TEST(BlinkLedLayout, MarginAndSpacingMinusOne)
{
    const int w = 100, h = 30;
    CaptionedLed both(w, h, TVrBlinkLed::ltRectangle);
    both.led.SetMargin(-1);
    both.led.SetSpacing(-1);
    // Box from the raw values: 100 - tw - (-1) - (-1), less a third.
    int iw = w - both.tw + 2;
    iw -= iw / 3;
    int share = (w - iw - both.tw) / 3;
    TRect lamp = LampOf(both.led);
    EXPECT_EQ(lamp.Left, share);
    EXPECT_EQ(both.led.CaptionRect().Left, share + iw + share);

    CaptionedLed marginOnly(w, h, TVrBlinkLed::ltRectangle);
    marginOnly.led.SetMargin(-1);
    iw = w - marginOnly.tw + 1 - 3;
    iw -= iw / 3;
    const int margin = (w - iw - 3 - marginOnly.tw + 1) / 2;
    lamp = LampOf(marginOnly.led);
    EXPECT_EQ(lamp.Left, margin);
    EXPECT_EQ(marginOnly.led.CaptionRect().Left, margin + iw + 3);

    CaptionedLed spacingOnly(w, h, TVrBlinkLed::ltRectangle);
    spacingOnly.led.SetSpacing(-1);
    iw = w - spacingOnly.tw - 2 + 1;
    iw -= iw / 3;
    const int spacing = (w - 2 - iw - spacingOnly.tw) / 2;
    lamp = LampOf(spacingOnly.led);
    EXPECT_EQ(lamp.Left, 2);
    EXPECT_EQ(spacingOnly.led.CaptionRect().Left, 2 + iw + spacing);
}

TEST(BlinkLedLayout, NoCaptionMeansNoSpacing)
{
    // Spacing -1 is irrelevant without a caption: the lamp starts at the margin.
    TVrBlinkLed led;
    led.SetTransparent(false);
    led.SetBounds(0, 0, 40, 20);
    led.SetBlinkLedType(TVrBlinkLed::ltLargeRect);
    led.SetSpacing(-1);
    const TRect lamp = LampOf(led);
    EXPECT_EQ(lamp.Left, 2);
    EXPECT_EQ(lamp.Width(), 40 - 2 + 1);
}
