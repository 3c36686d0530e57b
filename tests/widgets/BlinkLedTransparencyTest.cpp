// The image-control base as the LED uses it: a transparent LED starts each
// paint from what lies beneath it, captured during ordinary repaints and
// reused for the repaints it asks for itself.

#include "support/TestSupport.h"
#include "widgets/VrBlinkLed.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// A parent whose picture can change without it asking for a repaint.
class Backdrop : public TControl {
public:
    TColor Shade = clGreen;
    int Paints = 0;

protected:
    void Paint() override
    {
        ++Paints;
        TCanvas& c = Canvas();
        c.Brush.Color = Shade;
        c.Brush.Style = bsSolid;
        c.FillRect(ClientRect());
    }
};

// A 20 x 16 rectangle LED at (10, 10): its lamp covers (2, 4)-(12, 12), so
// pixel (0, 0) shows the background.
TVrBlinkLed* PanelLed(QWidget* parent)
{
    auto* led = new TVrBlinkLed(parent);
    led->SetBounds(10, 10, 20, 16);
    led->SetBlinkLedType(TVrBlinkLed::ltRectangle);
    return led;
}

TColor Corner(TVrBlinkLed* led) { return PixelColor(led->OffscreenBitmap().Image(), 0, 0); }

void Settle()
{
    for (int i = 0; i < 5; ++i) {
        QApplication::processEvents();
        QTest::qWait(5);
    }
}

} // namespace

TEST(BlinkLedTransparency, PictureShowsTheParentAndTheControlsBeneath)
{
    Backdrop parent;
    parent.SetBounds(0, 0, 60, 40);
    auto* below = new TControl(&parent);
    below->SetBounds(0, 0, 15, 40);
    below->SetColor(clBlue);
    TVrBlinkLed* led = PanelLed(&parent);
    auto* above = new TControl(&parent); // stacked over the LED: not beneath it
    above->SetBounds(25, 10, 10, 10);
    above->SetColor(clYellow);
    const QImage img = led->PaintToImage();
    EXPECT_EQ(PixelColor(img, 0, 0), clBlue);   // x 10..14 lies over the blue sibling
    EXPECT_EQ(PixelColor(img, 6, 1), clGreen);  // the parent
    EXPECT_EQ(PixelColor(img, 18, 1), clGreen); // the yellow one is above, not beneath
    EXPECT_EQ(PixelColor(img, 6, 8), clRed);    // the lamp
}

TEST(BlinkLedTransparency, OpaqueLedShowsItsColour)
{
    Backdrop parent;
    parent.SetBounds(0, 0, 60, 40);
    TVrBlinkLed* led = PanelLed(&parent);
    led->SetTransparent(false);
    EXPECT_EQ(PixelColor(led->PaintToImage(), 0, 0), clMaroon);
}

TEST(BlinkLedTransparency, OwnRepaintsReuseTheCaptureOrdinaryOnesRefreshIt)
{
    Backdrop parent;
    parent.SetBounds(0, 0, 60, 40);
    TVrBlinkLed* led = PanelLed(&parent);
    parent.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&parent));
    parent.repaint();
    Settle();
    EXPECT_EQ(Corner(led), clGreen);
    EXPECT_FALSE(led->testAttribute(Qt::WA_OpaquePaintEvent));

    // The parent's picture changes behind the LED's back; the LED's own
    // repaint (a property change) counts as opaque and keeps the old capture.
    parent.Shade = clBlue;
    led->SetColorIndex(4);
    EXPECT_TRUE(led->testAttribute(Qt::WA_OpaquePaintEvent));
    Settle();
    EXPECT_EQ(PixelColor(led->OffscreenBitmap().Image(), 6, 8), clLime);
    EXPECT_EQ(Corner(led), clGreen);
    EXPECT_FALSE(led->testAttribute(Qt::WA_OpaquePaintEvent));

    // An ordinary repaint paints the parent beneath and captures afresh.
    parent.repaint();
    Settle();
    EXPECT_EQ(Corner(led), clBlue);

    // The capture reads what the parent has just put on the screen: the
    // parent is painted once per repaint of the LED, not rendered again.
    parent.Shade = clYellow;
    const int before = parent.Paints;
    led->Invalidate();
    Settle();
    EXPECT_EQ(Corner(led), clYellow);
    EXPECT_EQ(parent.Paints, before + 1);
}

// A transparent LED marks a repaint it asks for itself by counting as opaque
// until that paint; requests wait for the end of an update bracket or loading.
TEST(BlinkLedTransparency, RequestsWaitForLoadingAndUpdateBrackets)
{
    TVrBlinkLed led;
    led.BeginUpdate();
    led.SetColorIndex(2);
    led.SetMargin(1);
    EXPECT_FALSE(led.testAttribute(Qt::WA_OpaquePaintEvent));
    led.EndUpdate();
    EXPECT_TRUE(led.testAttribute(Qt::WA_OpaquePaintEvent));
    led.EndUpdate(); // unbalanced: ignored
    EXPECT_EQ(PixelColor(led.PaintToImage(), 8, 10), clAqua);

    TVrBlinkLed loading;
    loading.BeginLoading();
    loading.SetColorIndex(3);
    EXPECT_FALSE(loading.testAttribute(Qt::WA_OpaquePaintEvent));
    loading.EndLoading();
    EXPECT_TRUE(loading.testAttribute(Qt::WA_OpaquePaintEvent));
}
