// The front panel: selecting setpoints, stepping them with the accelerating
// arrows within their limits, the display toggle, the five-second time-out,
// the alarm LEDs and the cursor over the keys.

#include "DemoFixture.h"

#include "diagram/LvdVentDiagram.h"
#include "diagram/PointInfo.h"
#include "framework/Image.h"
#include "framework/Screen.h"
#include "framework/Timer.h"
#include "widgets/LCD99.h"
#include "widgets/VrBlinkLed.h"
#include "widgets/VrFormShape.h"

namespace {
// Setpoint entries in key-table order.
enum { kStreefTemp = 0, kMaxVent = 1, kMinVent = 2, kVerwarm = 3, kBandbr = 4, kMaxTemp = 5, kMinTemp = 6 };
} // namespace

class FrontPanel : public DemoFixture {
protected:
    void SetUp() override
    {
        DemoFixture::SetUp();
        StartDemo(true);
        diagram = mainForm->Diagram;
        sp = diagram->Setpoints();
        PaintDiagram();
    }
    // Presses and releases a key; the release starts the time-out.
    void Tap(TImage* key)
    {
        Press(key);
        Release(key);
    }
    // One tick of the repeat and refresh timer; returns the interval it leaves.
    int Tick()
    {
        graphForm->UpDownTimerTimer(graphForm->UpDownTimer);
        return graphForm->UpDownTimer->Interval();
    }
    bool PointShown(int number) const
    {
        for (const auto& p : diagram->PointList)
            if (p->PointNumber == number)
                return p->MouseOver;
        return false;
    }
    QString Display() const { return graphForm->LCD->Value(); }

    TLvdVentDiagram* diagram = nullptr;
    TSetpoints* sp = nullptr;
};

TEST_F(FrontPanel, TheKeyTableRefersToTheMainWindowsSetpointsAndLimits)
{
    const auto& keys = graphForm->Keys();
    ASSERT_EQ(keys.size(), 9u);
    EXPECT_EQ(keys[kStreefTemp].Value, &sp->StreefTemp);
    EXPECT_EQ(keys[kStreefTemp].LowerLimit, &mainForm->StreefTempLowerLimit);
    EXPECT_EQ(*keys[kStreefTemp].UpperLimit, 500);
    EXPECT_EQ(keys[kMaxVent].LowerLimit, &sp->MinPositie);
    EXPECT_EQ(keys[kMinVent].UpperLimit, &sp->MaxPositie);
    EXPECT_EQ(*keys[kVerwarm].UpperLimit, 60);
    const int points[] = {3, 6, 0, 2, 4, 5, 1};
    const uint8_t decimals[] = {2, 1, 1, 2, 2, 2, 2};
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(keys[i].PointNumber, points[i]) << i;
        EXPECT_EQ(keys[i].DecimalsMode, decimals[i]) << i;
        EXPECT_EQ(keys[i].KeyRole, TKeyEntry::SetpointKey) << i;
    }
    EXPECT_EQ(keys[7].KeyRole, TKeyEntry::ArrowUp);
    EXPECT_EQ(keys[8].KeyRole, TKeyEntry::ArrowDown);
    EXPECT_EQ(keys[7].CurrentValue(), 203);
    EXPECT_EQ(graphForm->DisplayEntry(), &keys[7]);
}

TEST_F(FrontPanel, SelectingTheTargetTemperatureAndSteppingItMovesTheCurve)
{
    Press(graphForm->StreefTempImage);
    EXPECT_EQ(graphForm->SelectedEntry(), &graphForm->Keys()[kStreefTemp]);
    EXPECT_EQ(graphForm->StreefTempLed->ColorIndex(), 1);
    EXPECT_TRUE(graphForm->StreefTempLed->EnableBlinking());
    EXPECT_TRUE(PointShown(3));
    EXPECT_EQ(Display(), "18.5");
    EXPECT_EQ(graphForm->PanelMode(), TGraphForm::ModeIdle);
    Release(graphForm->StreefTempImage);
    Press(graphForm->ArrowUpImage);
    EXPECT_EQ(sp->StreefTemp, 186);
    EXPECT_EQ(Display(), "18.6");
    EXPECT_EQ(graphForm->PanelMode(), TGraphForm::ModeRepeatUp);
    // The curve follows at the next paint: the band ends one tenth later.
    PaintDiagram();
    EXPECT_EQ(diagram->BandTop, 246);
    Release(graphForm->ArrowUpImage);
    EXPECT_EQ(graphForm->PanelMode(), TGraphForm::ModeIdle);
    EXPECT_TRUE(graphForm->ButtonTimer->Enabled());
}

TEST_F(FrontPanel, AHeldArrowRepeatsFasterAndStopsAtTheLimit)
{
    sp->StreefTemp = 495;
    Tap(graphForm->StreefTempImage);
    Press(graphForm->ArrowUpImage);
    EXPECT_EQ(sp->StreefTemp, 496);
    EXPECT_EQ(graphForm->UpDownTimer->Interval(), 500);
    EXPECT_TRUE(graphForm->UpDownTimer->Enabled());
    const int expectedValues[] = {497, 498, 499, 500, 500, 500, 500, 500, 500, 500};
    const int expectedIntervals[] = {450, 400, 350, 300, 250, 200, 150, 100, 100, 100};
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(Tick(), expectedIntervals[i]) << "tick " << i;
        EXPECT_EQ(sp->StreefTemp, expectedValues[i]) << "tick " << i;
        EXPECT_FALSE(graphForm->ButtonTimer->Enabled());
    }
    EXPECT_EQ(Display(), "50.0");
    // A new press at the limit changes nothing and starts no repeat.
    Release(graphForm->ArrowUpImage);
    Press(graphForm->ArrowUpImage);
    EXPECT_EQ(sp->StreefTemp, 500);
    EXPECT_EQ(graphForm->PanelMode(), TGraphForm::ModeIdle);
}

TEST_F(FrontPanel, TheDownArrowStopsAtTheLowerLimit)
{
    sp->VerwarmVerschil = 2;
    Tap(graphForm->VerwarmImage);
    Press(graphForm->ArrowDownImage);
    EXPECT_EQ(sp->VerwarmVerschil, 1);
    Tick();
    Tick();
    Tick();
    EXPECT_EQ(sp->VerwarmVerschil, 0);
    EXPECT_EQ(Display(), "0.0");
}

TEST_F(FrontPanel, ThePositionLimitsFollowEachOther)
{
    // Maximum position down: stops at the current minimum.
    Tap(graphForm->MaxVentImage);
    EXPECT_EQ(Display(), "100");
    Press(graphForm->ArrowDownImage);
    for (int i = 0; i < 200; ++i)
        Tick();
    Release(graphForm->ArrowDownImage);
    EXPECT_EQ(sp->MaxPositie, 10);
    EXPECT_EQ(Display(), "10");
    // Raise the maximum to 40, then the minimum up: it stops at 40.
    Press(graphForm->ArrowUpImage);
    for (int i = 0; i < 29; ++i)
        Tick();
    Release(graphForm->ArrowUpImage);
    EXPECT_EQ(sp->MaxPositie, 40);
    Tap(graphForm->MinVentImage);
    Press(graphForm->ArrowUpImage);
    for (int i = 0; i < 200; ++i)
        Tick();
    EXPECT_EQ(sp->MinPositie, 40);
    EXPECT_EQ(sp->MaxPositie, 40);
}

// A value loaded outside its limits can only be stepped back toward them.
TEST_F(FrontPanel, AValueOutsideItsLimitsOnlyStepsBack)
{
    sp->Bandbreedte = 150;
    Tap(graphForm->BandbrImage);
    Press(graphForm->ArrowUpImage);
    EXPECT_EQ(sp->Bandbreedte, 150);
    Release(graphForm->ArrowUpImage);
    Press(graphForm->ArrowDownImage);
    EXPECT_EQ(sp->Bandbreedte, 149);
}

TEST_F(FrontPanel, WithNothingSelectedTheArrowsToggleTheDisplay)
{
    ASSERT_EQ(diagram->VentilatieStand(), 37);
    graphForm->UpDownTimerTimer(graphForm->UpDownTimer);
    EXPECT_EQ(Display(), "20.3");
    Tap(graphForm->ArrowUpImage);
    EXPECT_EQ(Display(), "37");
    EXPECT_EQ(graphForm->DisplayEntry(), &graphForm->Keys()[8]);
    EXPECT_EQ(graphForm->UpDownTimer->Interval(), 50);
    EXPECT_EQ(graphForm->PanelMode(), TGraphForm::ModeMeasured);
    Tap(graphForm->ArrowDownImage);
    EXPECT_EQ(Display(), "20.3");
    EXPECT_EQ(graphForm->DisplayEntry(), &graphForm->Keys()[7]);
    // The measured value follows the diagram at every refresh.
    diagram->SetGemetenTemperatuur(215);
    Tick();
    EXPECT_EQ(Display(), "21.5");
}

TEST_F(FrontPanel, TheTimeOutEndsTheSelectionAndShowsTheMeasuredValueAgain)
{
    Tap(graphForm->StreefTempImage);
    EXPECT_TRUE(graphForm->ButtonTimer->Enabled());
    EXPECT_EQ(graphForm->ButtonTimer->Interval(), 5000);
    graphForm->ButtonTimerTimer(graphForm->ButtonTimer);
    EXPECT_FALSE(graphForm->ButtonTimer->Enabled());
    EXPECT_EQ(graphForm->SelectedEntry(), nullptr);
    EXPECT_EQ(graphForm->PanelMode(), TGraphForm::ModeMeasured);
    EXPECT_EQ(Display(), "20.3");
    EXPECT_EQ(graphForm->StreefTempLed->ColorIndex(), 2);
    EXPECT_FALSE(graphForm->StreefTempLed->EnableBlinking());
    EXPECT_FALSE(PointShown(3));
}

TEST_F(FrontPanel, APressCancelsThePendingTimeOutAndItsReleaseRestartsIt)
{
    Tap(graphForm->StreefTempImage);
    Press(graphForm->ArrowUpImage);
    EXPECT_FALSE(graphForm->ButtonTimer->Enabled());
    Release(graphForm->ArrowUpImage);
    EXPECT_TRUE(graphForm->ButtonTimer->Enabled());
}

TEST_F(FrontPanel, SelectingAnotherKeyMovesTheBlinkingAndTheHighlight)
{
    Tap(graphForm->StreefTempImage);
    Tap(graphForm->BandbrImage);
    EXPECT_EQ(graphForm->StreefTempLed->ColorIndex(), 2);
    EXPECT_FALSE(graphForm->StreefTempLed->EnableBlinking());
    EXPECT_FALSE(PointShown(3));
    EXPECT_EQ(graphForm->BandbreedteLed->ColorIndex(), 1);
    EXPECT_TRUE(graphForm->BandbreedteLed->EnableBlinking());
    EXPECT_TRUE(PointShown(4));
    EXPECT_EQ(Display(), "6.0");
}

TEST_F(FrontPanel, AnAlarmLedIsSteadyRedBlinksWhenSelectedAndTurnsRedAgainOnTheTimeOut)
{
    diagram->SetGemetenTemperatuur(400);
    PaintDiagram();
    ASSERT_TRUE(diagram->MaxAlarmActive());
    const TKeyEntry& maxTemp = graphForm->Keys()[kMaxTemp];
    EXPECT_EQ(graphForm->MaxTempAlarmLed->ColorIndex(), 3); // Palette3: red / red
    EXPECT_FALSE(graphForm->MaxTempAlarmLed->EnableBlinking());
    EXPECT_EQ(maxTemp.LedState, TKeyEntry::LedAlarm);
    EXPECT_EQ(graphForm->MinTempAlarmLed->ColorIndex(), 2);
    Tap(graphForm->MaxTempImage);
    EXPECT_EQ(graphForm->MaxTempAlarmLed->ColorIndex(), 1); // Palette1: white / red
    EXPECT_TRUE(graphForm->MaxTempAlarmLed->EnableBlinking());
    // The alarm while selected keeps the blinking.
    graphForm->UpdateAlarmLeds();
    EXPECT_EQ(graphForm->MaxTempAlarmLed->ColorIndex(), 1);
    graphForm->ButtonTimerTimer(graphForm->ButtonTimer);
    EXPECT_EQ(graphForm->MaxTempAlarmLed->ColorIndex(), 3);
    EXPECT_FALSE(graphForm->MaxTempAlarmLed->EnableBlinking());
}

TEST_F(FrontPanel, AnAlarmThatEndsWhileSelectedKeepsTheKeyBlinking)
{
    diagram->SetGemetenTemperatuur(400);
    PaintDiagram();
    Tap(graphForm->MaxTempImage);
    diagram->SetGemetenTemperatuur(300);
    PaintDiagram();
    const TKeyEntry& maxTemp = graphForm->Keys()[kMaxTemp];
    EXPECT_FALSE(maxTemp.Alarm);
    EXPECT_EQ(maxTemp.LedState, TKeyEntry::LedSelected);
    EXPECT_EQ(graphForm->MaxTempAlarmLed->ColorIndex(), 1);
    EXPECT_TRUE(graphForm->MaxTempAlarmLed->EnableBlinking());
    graphForm->ButtonTimerTimer(graphForm->ButtonTimer);
    EXPECT_EQ(graphForm->MaxTempAlarmLed->ColorIndex(), 2);
}

TEST_F(FrontPanel, LeavingAnAlarmKeyForAnotherShowsTheAlarmAgain)
{
    diagram->SetGemetenTemperatuur(90);
    PaintDiagram();
    ASSERT_TRUE(diagram->MinAlarmActive());
    Tap(graphForm->MinTempImage);
    Tap(graphForm->StreefTempImage);
    EXPECT_EQ(graphForm->MinTempAlarmLed->ColorIndex(), 3);
    EXPECT_FALSE(graphForm->MinTempAlarmLed->EnableBlinking());
}

TEST_F(FrontPanel, PressesBesideTheKeysDoNothing)
{
    graphForm->ButtonDown(graphForm->LCD, mbLeft, {}, 0, 0);
    EXPECT_EQ(graphForm->SelectedEntry(), nullptr);
    EXPECT_EQ(graphForm->PanelMode(), TGraphForm::ModeMeasured);
}

TEST_F(FrontPanel, TheHandShowsOverTheKeysOnly)
{
    graphForm->KeyImageMouseMove(graphForm->StreefTempImage, {}, 1, 1);
    EXPECT_EQ(Screen::Cursor(), crHandPoint);
    graphForm->VrFormShape1MouseMove(graphForm->VrFormShape1, {}, 1, 1);
    EXPECT_EQ(Screen::Cursor(), crDefault);
    graphForm->KeyImageMouseMove(graphForm->ArrowUpImage, {}, 1, 1);
    graphForm->FormMouseMove(graphForm.get(), {}, 1, 1);
    EXPECT_EQ(Screen::Cursor(), crDefault);
}

TEST_F(FrontPanel, TheLedsAndDisplayHaveTheirLayoutSettings)
{
    const TVrBlinkLed* leds[] = {graphForm->StreefTempLed, graphForm->MaxTempAlarmLed, graphForm->ArrowUpLed};
    for (const TVrBlinkLed* led : leds) {
        EXPECT_EQ(led->ColorIndex(), 2);
        EXPECT_EQ(led->BlinkSpeed(), 200);
        EXPECT_EQ(led->size(), QSize(20, 16));
    }
    EXPECT_EQ(graphForm->StreefTempLed->Palette1()->High(), clLime);
    EXPECT_EQ(graphForm->MaxTempAlarmLed->Palette1()->High(), clRed);
    EXPECT_EQ(graphForm->MaxTempAlarmLed->Palette3()->Low(), clRed);
    EXPECT_EQ(graphForm->LCD->DigitNum(), 3);
    EXPECT_EQ(graphForm->LCD->geometry(), QRect(2, 2, 81, 33));
    EXPECT_EQ(graphForm->UpDownTimer->Interval(), 100);
    EXPECT_FALSE(graphForm->ButtonTimer->Enabled());
}
