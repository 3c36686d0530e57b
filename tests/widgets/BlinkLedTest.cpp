// The LED's colours, blinking, palettes, refused colour index and what
// assistive technology reads.

#include "framework/Exception.h"
#include "support/TestSupport.h"
#include "widgets/VrBlinkLed.h"

#include <QAccessible>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

// The edge case of the LED: palette 1 white/red, blinking every 200 ms.
struct RedWhiteLed {
    TVrBlinkLed led;
    RedWhiteLed()
    {
        led.SetTransparent(false);
        led.Palette1()->SetLow(clWhite);
        led.Palette1()->SetHigh(clRed);
        led.SetColorIndex(1);
        led.SetBlinkSpeed(200);
        led.SetEnableBlinking(true);
    }
    // The colour in the middle of the round lamp (50 x 20: a 12 x 12 lamp at (2, 4)).
    TColor LampCentre() { return PixelColor(led.PaintToImage(), 8, 10); }
};

} // namespace

TEST(BlinkLed, ConstructionDefaults)
{
    TVrBlinkLed led;
    EXPECT_EQ(led.Width(), 50);
    EXPECT_EQ(led.Height(), 20);
    EXPECT_EQ(led.Color(), clMaroon);
    EXPECT_FALSE(led.ParentColor());
    EXPECT_TRUE(led.Transparent());
    EXPECT_EQ(led.Font()->Color(), clWhite);
    EXPECT_EQ(led.BlinkLedType(), TVrBlinkLed::ltRounded);
    EXPECT_EQ(led.Layout(), TVrBlinkLed::ImageLeft);
    EXPECT_EQ(led.Margin(), 2);
    EXPECT_EQ(led.Spacing(), 3);
    EXPECT_EQ(led.ColorIndex(), 1);
    EXPECT_FALSE(led.EnableBlinking());
    EXPECT_FALSE(led.BlinkTimer().Enabled());
    EXPECT_EQ(led.BlinkTimer().Interval(), 500);
    const TColor highs[] = {clRed, clAqua, clYellow, clLime};
    const TVrPalette* palettes[] = {led.Palette1(), led.Palette2(), led.Palette3(), led.Palette4()};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(palettes[i]->Low(), clBlack) << i;
        EXPECT_EQ(palettes[i]->High(), highs[i]) << i;
    }
    EXPECT_EQ(led.LedColor(), clRed);
}

TEST(BlinkLed, TimerTicksToggleBetweenHighAndLow)
{
    RedWhiteLed d;
    QSignalSpy changes(&d.led, &TVrBlinkLed::OnChange);
    EXPECT_TRUE(d.led.BlinkTimer().Enabled());
    EXPECT_EQ(d.led.BlinkTimer().Interval(), 200);
    EXPECT_EQ(d.LampCentre(), clRed);
    d.led.TimerEvent(nullptr);
    EXPECT_EQ(d.LampCentre(), clWhite);
    EXPECT_EQ(changes.count(), 1);
    d.led.TimerEvent(nullptr);
    EXPECT_EQ(d.LampCentre(), clRed);
    ASSERT_EQ(changes.count(), 2);
    EXPECT_EQ(changes.at(1).at(0).value<QObject*>(), &d.led);
}

TEST(BlinkLed, BlinksEvery200MillisecondsInRealTime)
{
    RedWhiteLed d;
    QSignalSpy changes(&d.led, &TVrBlinkLed::OnChange);
    QElapsedTimer clock;
    clock.start();
    ASSERT_TRUE(changes.wait(2000));
    const qint64 first = clock.elapsed();
    EXPECT_TRUE(d.led.Lit());
    EXPECT_EQ(d.LampCentre(), clWhite);
    ASSERT_TRUE(changes.wait(2000));
    const qint64 second = clock.elapsed();
    EXPECT_EQ(d.LampCentre(), clRed);
    // A periodic timer: ticks near 200 and 400 ms (coarse timers may run 5 %
    // early); the upper bounds are generous because the machine may be busy.
    EXPECT_GE(first, 185);
    EXPECT_LT(first, 1000);
    EXPECT_GE(second, 375);
    EXPECT_LT(second - first, 1000);
}

TEST(BlinkLed, StoppingKeepsTheColourShown)
{
    RedWhiteLed d;
    d.led.TimerEvent(nullptr);
    d.led.SetEnableBlinking(false);
    EXPECT_FALSE(d.led.BlinkTimer().Enabled());
    EXPECT_TRUE(d.led.Lit());
    EXPECT_EQ(d.LampCentre(), clWhite);
    d.led.SetBlinkSpeed(50);
    EXPECT_EQ(d.led.BlinkTimer().Interval(), 50);
    EXPECT_FALSE(d.led.BlinkTimer().Running());
}

TEST(BlinkLed, ColorIndexOutOfRangeIsRefused)
{
    TVrBlinkLed led;
    led.SetColorIndex(3);
    for (int bad : {0, 5, -1, 256}) {
        try {
            led.SetColorIndex(bad);
            ADD_FAILURE() << "no exception for " << bad;
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message, QStringLiteral("Out of range! ColorIndex=[1..4]"));
        }
        EXPECT_EQ(led.ColorIndex(), 3);
    }
    EXPECT_EQ(led.LedColor(), clYellow);
}

TEST(BlinkLed, PaletteSettersCopyTheColours)
{
    TVrBlinkLed led;
    TVrPalette mine(clWhite, clLime);
    TVrPalette* held = led.Palette2();
    led.SetPalette2(&mine);
    EXPECT_EQ(led.Palette2(), held);
    EXPECT_EQ(held->Low(), clWhite);
    EXPECT_EQ(held->High(), clLime);
    mine.SetHigh(clRed);
    EXPECT_EQ(held->High(), clLime);
    led.SetPalette2(nullptr);
    EXPECT_EQ(held->High(), clLime);
}

TEST(BlinkLed, FrontPanelStates)
{
    // A setpoint key's LED: off (index 2, white), selected (index 1 blinking lime and white).
    TVrBlinkLed led;
    led.Palette1()->SetLow(clWhite);
    led.Palette1()->SetHigh(clLime);
    led.Palette2()->SetLow(clWhite);
    led.Palette2()->SetHigh(clWhite);
    led.SetColorIndex(2);
    EXPECT_EQ(led.LedColor(), clWhite);
    led.SetColorIndex(1);
    led.SetEnableBlinking(true);
    EXPECT_EQ(led.LedColor(), clLime);
    led.TimerEvent(nullptr);
    EXPECT_EQ(led.LedColor(), clWhite);
}

TEST(BlinkLed, AccessibleNameAndState)
{
    RedWhiteLed d;
    d.led.setObjectName(QStringLiteral("StreefTempLed"));
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(&d.led);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->role(), QAccessible::StaticText);
    EXPECT_EQ(a->text(QAccessible::Name), QStringLiteral("LED")) << "never the component name";
    ASSERT_NE(a->textInterface(), nullptr);
    EXPECT_EQ(a->textInterface()->text(0, -1), QStringLiteral("red and white, blinking"));
    EXPECT_TRUE(a->state().animated);
    d.led.TimerEvent(nullptr);
    EXPECT_EQ(a->textInterface()->text(0, -1), QStringLiteral("red and white, blinking")) << "a blink is no change";
    d.led.SetEnableBlinking(false);
    EXPECT_EQ(a->text(QAccessible::Value), QStringLiteral("white"));
    EXPECT_FALSE(a->state().animated);
    d.led.SetCaption(QStringLiteral("Alarm"));
    EXPECT_EQ(a->text(QAccessible::Name), QStringLiteral("Alarm"));
    d.led.Palette1()->SetLow(RGB(0, 192, 0));
    EXPECT_EQ(a->text(QAccessible::Value), QStringLiteral("#00C000"));
}
