// The round spin control's behaviour: mouse presses (step before clamp), the
// repeat timer, limits, AutoDisable, large steps, keys, focus and what a
// screen reader is told.

#include "widgets/GSpin.h"

#include "framework/Timer.h"

#include <QAccessible>
#include <QApplication>
#include <QAccessibleValueInterface>
#include <QStringList>
#include <utility>
#include <vector>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class TTestSpin : public TGSpin {
public:
    using TGSpin::DoEnter;
    using TGSpin::DoExit;
    using TGSpin::KeyDown;
    using TGSpin::KeyUp;
    using TGSpin::MouseDown;
    using TGSpin::MouseUp;
    using TGSpin::TimerExpired;
};

// Records the events in order, each with the Value its handler sees.
struct Recorder {
    QStringList events;
    explicit Recorder(TGSpin& spin)
    {
        QObject::connect(&spin, &TGSpin::OnUpClick, [&](QObject*) { events << QStringLiteral("up %1").arg(spin.Value()); });
        QObject::connect(&spin, &TGSpin::OnDownClick,
                         [&](QObject*) { events << QStringLiteral("down %1").arg(spin.Value()); });
        QObject::connect(&spin, &TGSpin::OnChange,
                         [&](QObject*) { events << QStringLiteral("change %1").arg(spin.Value()); });
    }
};

// GSpin1 of the main window.
void MakeDemoSpin(TGSpin& spin)
{
    spin.SetBounds(296, 40, 65, 100);
    spin.SetSpeed(10);
    spin.SetMax(500);
    spin.SetValue(100);
}

void Press(TTestSpin& spin, int y, TMouseButton button = mbLeft) { spin.MouseDown(button, {}, 30, y); }
void Release(TTestSpin& spin, TMouseButton button = mbLeft) { spin.MouseUp(button, {}, 30, 10); }
void Key(TTestSpin& spin, uint16_t key)
{
    spin.KeyDown(key, {});
    uint16_t up = key;
    spin.KeyUp(up, {});
}

} // namespace

TEST(GSpin, ConstructorValues)
{
    TGSpin spin;
    EXPECT_EQ(spin.Width(), 19);
    EXPECT_EQ(spin.Height(), 25);
    EXPECT_EQ(spin.Delay(), 280);
    EXPECT_EQ(spin.Speed(), 40);
    EXPECT_EQ(spin.Value(), 0);
    EXPECT_EQ(spin.Min(), 0);
    EXPECT_EQ(spin.Max(), 100);
    EXPECT_TRUE(spin.Limited());
    EXPECT_TRUE(spin.TabStop());
    EXPECT_FALSE(spin.ParentCtl3D());
    EXPECT_FALSE(spin.AutoDisable());
    EXPECT_EQ(spin.ColorOff(), clNavy);
    EXPECT_EQ(spin.ColorOn(), clBlue);
    EXPECT_EQ(spin.RepeatTimer(), nullptr) << "no timer while idle";
}

TEST(GSpin, DemoUpPressRaisesUpClickWithSteppedValueThenChange)
{
    TGSpin spin;
    MakeDemoSpin(spin);
    Recorder rec(spin);
    // Through Qt's own mouse events, as the user presses.
    QTest::mousePress(&spin, Qt::LeftButton, {}, QPoint(32, 20));
    EXPECT_EQ(rec.events, QStringList({"up 101", "change 101"}));
    EXPECT_TRUE(spin.UpPressed());
    ASSERT_NE(spin.RepeatTimer(), nullptr);
    EXPECT_EQ(spin.RepeatTimer()->Interval(), 280) << "the first repeat comes after Delay";
    EXPECT_TRUE(spin.RepeatTimer()->Enabled());
    QTest::mouseRelease(&spin, Qt::LeftButton, {}, QPoint(32, 20));
    EXPECT_FALSE(spin.UpPressed());
    EXPECT_EQ(spin.RepeatTimer(), nullptr);
    EXPECT_EQ(spin.Value(), 101);
}

TEST(GSpin, RepeatTicksStepAtSpeedUntilRelease)
{
    TTestSpin spin;
    MakeDemoSpin(spin);
    Recorder rec(spin);
    Press(spin, 80);
    spin.TimerExpired();
    ASSERT_NE(spin.RepeatTimer(), nullptr);
    EXPECT_EQ(spin.RepeatTimer()->Interval(), 10) << "every further repeat after Speed";
    spin.TimerExpired();
    EXPECT_EQ(rec.events, QStringList({"down 99", "change 99", "down 98", "change 98", "down 97", "change 97"}));
    Release(spin);
    EXPECT_EQ(spin.RepeatTimer(), nullptr);
    EXPECT_FALSE(spin.DownPressed());
}

TEST(GSpin, RealTimerRepeatsWhileHeld)
{
    TTestSpin spin;
    MakeDemoSpin(spin);
    spin.SetDelay(20);
    spin.SetSpeed(5);
    Press(spin, 20);
    EXPECT_TRUE(QTest::qWaitFor([&] { return spin.Value() >= 104; }, 5000));
    Release(spin);
    const int held = spin.Value();
    QTest::qWait(60);
    EXPECT_EQ(spin.Value(), held) << "no repeat after the release";
}

TEST(GSpin, RowMBelongsToTheUpButton)
{
    TTestSpin spin;
    MakeDemoSpin(spin);
    Press(spin, 50);
    EXPECT_TRUE(spin.UpPressed());
    EXPECT_EQ(spin.Value(), 101);
    Release(spin);
    Press(spin, 51);
    EXPECT_TRUE(spin.DownPressed());
    EXPECT_EQ(spin.Value(), 100);
}

TEST(GSpin, LimitReportsOneStepBeyondThenClampsWithoutRepeat)
{
    TTestSpin spin;
    MakeDemoSpin(spin);
    spin.SetValue(500);
    Recorder rec(spin);
    Press(spin, 20);
    EXPECT_EQ(rec.events, QStringList({"up 501", "change 500"}));
    EXPECT_EQ(spin.RepeatTimer(), nullptr) << "Limited: no repeat at the limit";
    EXPECT_TRUE(spin.UpPressed()) << "the button stays pressed";
    Release(spin);

    spin.SetValue(0);
    rec.events.clear();
    Press(spin, 80);
    EXPECT_EQ(rec.events, QStringList({"down -1", "change 0"}));
    EXPECT_EQ(spin.RepeatTimer(), nullptr);
}

TEST(GSpin, RepeatStopsWhenTheLimitIsReached)
{
    TTestSpin spin;
    MakeDemoSpin(spin);
    spin.SetValue(498);
    Recorder rec(spin);
    Press(spin, 20);
    spin.TimerExpired();
    ASSERT_NE(spin.RepeatTimer(), nullptr);
    EXPECT_FALSE(spin.RepeatTimer()->Enabled());
    EXPECT_EQ(rec.events, QStringList({"up 499", "change 499", "up 500", "change 500"}));
    EXPECT_TRUE(spin.UpPressed());
}

TEST(GSpin, UnlimitedKeepsRepeatingAtTheLimit)
{
    TTestSpin spin;
    MakeDemoSpin(spin);
    spin.SetLimited(false);
    spin.SetValue(500);
    Recorder rec(spin);
    Press(spin, 20);
    ASSERT_NE(spin.RepeatTimer(), nullptr);
    spin.TimerExpired();
    EXPECT_TRUE(spin.RepeatTimer()->Enabled());
    EXPECT_EQ(rec.events, QStringList({"up 501", "change 500", "up 501", "change 500"}));
}

TEST(GSpin, SecondPressWhileHeldIsIgnored)
{
    TTestSpin spin;
    MakeDemoSpin(spin);
    spin.SetLargeChanges(true);
    spin.SetLargeChange(10);
    Press(spin, 20);
    Press(spin, 80, mbRight);
    EXPECT_EQ(spin.Value(), 101);
    EXPECT_TRUE(spin.UpPressed());
    EXPECT_FALSE(spin.DownPressed());
}

TEST(GSpin, RightClickNeedsLargeChanges)
{
    TTestSpin spin;
    MakeDemoSpin(spin);
    spin.SetLargeChange(10);
    Recorder rec(spin);
    QTest::mouseClick(&spin, Qt::RightButton, {}, QPoint(30, 20));
    Press(spin, 20, mbRight);
    EXPECT_TRUE(rec.events.isEmpty());
    EXPECT_FALSE(spin.UpPressed());

    spin.SetLargeChanges(true);
    Press(spin, 20, mbRight);
    EXPECT_EQ(rec.events, QStringList({"up 110", "change 110"}));
    spin.TimerExpired();
    EXPECT_EQ(spin.Value(), 120) << "the repeat keeps the large step";
    Press(spin, 20, mbMiddle);
    EXPECT_EQ(spin.Value(), 120) << "already pressed";
    Release(spin, mbRight);
    EXPECT_FALSE(spin.UpPressed());
    EXPECT_EQ(spin.RepeatTimer(), nullptr);
}

TEST(GSpin, AutoDisableIgnoresPressesOnTheGreyedButton)
{
    TTestSpin spin;
    MakeDemoSpin(spin);
    spin.SetAutoDisable(true);
    spin.SetValue(500);
    Recorder rec(spin);
    Press(spin, 20);
    Press(spin, 50); // row M is part of the up button
    EXPECT_TRUE(rec.events.isEmpty());
    EXPECT_FALSE(spin.UpPressed());
    Press(spin, 80);
    EXPECT_EQ(rec.events, QStringList({"down 499", "change 499"}));
    Release(spin);

    spin.SetValue(0);
    rec.events.clear();
    Press(spin, 80);
    EXPECT_TRUE(rec.events.isEmpty());
}

TEST(GSpin, SetValueClampsAndRaisesChangeExceptWhileLoading)
{
    TGSpin spin;
    MakeDemoSpin(spin);
    Recorder rec(spin);
    spin.SetValue(900);
    spin.SetValue(-3);
    EXPECT_EQ(rec.events, QStringList({"change 500", "change 0"}));
    rec.events.clear();
    spin.BeginLoading();
    spin.SetValue(42);
    spin.EndLoading();
    EXPECT_TRUE(rec.events.isEmpty());
    EXPECT_EQ(spin.Value(), 42);
}

TEST(GSpin, MaxHasNoSetterEffectOnValue)
{
    TGSpin spin;
    MakeDemoSpin(spin);
    spin.SetValue(300);
    spin.SetMax(200);
    EXPECT_EQ(spin.Value(), 300) << "unchanged until the next step";
    spin.SetValue(spin.Value());
    EXPECT_EQ(spin.Value(), 200);
}

TEST(GSpin, StepsNeverOverflow)
{
    TTestSpin spin;
    spin.SetMax(std::numeric_limits<int>::max());
    spin.SetValue(std::numeric_limits<int>::max());
    spin.SetLimited(false);
    Press(spin, 2);
    EXPECT_EQ(spin.Value(), std::numeric_limits<int>::max());
}

TEST(GSpin, ArrowKeysClampBeforeTheClickEvent)
{
    TTestSpin spin;
    MakeDemoSpin(spin);
    spin.SetValue(499);
    Recorder rec(spin);
    uint16_t key = VK::Up;
    spin.KeyDown(key, {});
    EXPECT_TRUE(spin.UpPressed());
    spin.KeyUp(key, {});
    EXPECT_FALSE(spin.UpPressed());
    Key(spin, VK::Up); // at Max: nothing
    EXPECT_EQ(rec.events, QStringList({"up 500", "change 500"}));
    EXPECT_EQ(spin.RepeatTimer(), nullptr) << "keys start no timer";

    rec.events.clear();
    spin.SetValue(1);
    rec.events.clear();
    Key(spin, VK::Down);
    Key(spin, VK::Down);
    EXPECT_EQ(rec.events, QStringList({"down 0", "change 0"}));
}

TEST(GSpin, PageKeysNeedLargeChangesAndClampFirst)
{
    TTestSpin spin;
    MakeDemoSpin(spin);
    spin.SetLargeChange(10);
    spin.SetValue(495);
    Recorder rec(spin);
    Key(spin, VK::Prior);
    EXPECT_TRUE(rec.events.isEmpty());
    spin.SetLargeChanges(true);
    Key(spin, VK::Prior);
    EXPECT_EQ(rec.events, QStringList({"up 500", "change 500"}));
    rec.events.clear();
    spin.SetValue(5);
    rec.events.clear();
    Key(spin, VK::Next);
    EXPECT_EQ(rec.events, QStringList({"down 0", "change 0"}));
}

TEST(GSpin, HomeAndEndJumpToTheLimitsWithOneChangeEach)
{
    TTestSpin spin;
    MakeDemoSpin(spin);
    Recorder rec(spin);
    Key(spin, VK::Home);
    EXPECT_EQ(rec.events, QStringList({"change 500"}));
    Key(spin, VK::End);
    EXPECT_EQ(rec.events, QStringList({"change 500", "change 0"}));
}

TEST(GSpin, FocusLossReleasesTheButtons)
{
    TTestSpin spin;
    MakeDemoSpin(spin);
    spin.DoEnter();
    EXPECT_TRUE(spin.IsFocused());
    uint16_t key = VK::Down;
    spin.KeyDown(key, {});
    EXPECT_TRUE(spin.DownPressed());
    spin.DoExit();
    EXPECT_FALSE(spin.IsFocused());
    EXPECT_FALSE(spin.DownPressed());
}

TEST(GSpin, PressTakesTheFocus)
{
    QWidget window;
    window.resize(200, 200);
    auto* spin = new TGSpin(&window);
    MakeDemoSpin(*spin);
    spin->move(10, 10);
    auto* other = new TGSpin(&window);
    other->move(100, 10);
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    other->setFocus();
    ASSERT_TRUE(other->hasFocus());
    QTest::mousePress(spin, Qt::LeftButton, {}, QPoint(30, 20));
    EXPECT_TRUE(spin->hasFocus());
    EXPECT_TRUE(spin->IsFocused());
    QTest::mouseRelease(spin, Qt::LeftButton, {}, QPoint(30, 20));
}

TEST(GSpin, ScreenReaderGetsNameAndValue)
{
    TGSpin spin;
    MakeDemoSpin(spin);
    spin.setObjectName("GSpin1");
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(&spin);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->role(), QAccessible::SpinBox);
    EXPECT_EQ(a->text(QAccessible::Name), "Spin control") << "never the component name";
    EXPECT_EQ(a->text(QAccessible::Value), "100");
    spin.setAccessibleName("Measured temperature");
    EXPECT_EQ(a->text(QAccessible::Name), "Measured temperature");
    QAccessibleValueInterface* v = a->valueInterface();
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(v->maximumValue().toInt(), 500);
    EXPECT_EQ(v->minimumValue().toInt(), 0);
    v->setCurrentValue(900);
    EXPECT_EQ(spin.Value(), 500) << "assistive technology goes through the clamping setter";
    EXPECT_EQ(v->currentValue().toInt(), 500);
}

// What a screen reader changes raises the events a key press raises, so
// whoever follows the spin (the demo's diagram and displays) follows it too.
TEST(GSpin, AccessibleChangesRaiseTheClickEvents)
{
    TGSpin spin;
    MakeDemoSpin(spin);
    std::vector<std::pair<char, int>> events;
    QObject::connect(&spin, &TGSpin::OnUpClick, [&] { events.push_back({'u', spin.Value()}); });
    QObject::connect(&spin, &TGSpin::OnDownClick, [&] { events.push_back({'d', spin.Value()}); });
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(&spin);
    ASSERT_NE(a, nullptr);
    const QString up = QAccessibleActionInterface::increaseAction();
    const QString down = QAccessibleActionInterface::decreaseAction();
    a->valueInterface()->setCurrentValue(250.4); // AT-SPI sends doubles
    a->valueInterface()->setCurrentValue(250.0); // unchanged: no event
    a->actionInterface()->doAction(up);
    a->valueInterface()->setCurrentValue(-7);
    a->actionInterface()->doAction(down); // at Min: nothing to step
    a->valueInterface()->setCurrentValue(500);
    a->actionInterface()->doAction(up);   // at Max: nothing to step
    const std::vector<std::pair<char, int>> expected = {{'u', 250}, {'u', 251}, {'d', 0}, {'u', 500}};
    EXPECT_EQ(events, expected);
    EXPECT_FALSE(spin.UpPressed() || spin.DownPressed());
    EXPECT_TRUE(a->actionInterface()->actionNames().contains(up));
}
