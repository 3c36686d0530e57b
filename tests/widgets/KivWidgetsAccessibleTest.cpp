// What a screen reader learns about the fader, the meter and the spin
// button: role, name, value with its range, and their actions.

#include "widgets/AnalogMeter.h"
#include "widgets/GFader.h"
#include "widgets/KivSpinButton.h"
#include "widgets/TimerSpeedButton.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <gtest/gtest.h>

TEST(KivWidgetsAccessible, FaderIsASliderWithStepActions)
{
    TGFader fader;
    fader.setObjectName("Fader1");
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(&fader);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->role(), QAccessible::Slider);
    EXPECT_EQ(a->text(QAccessible::Name), "Fader") << "never the component name";
    fader.setAccessibleName("Volume");
    EXPECT_EQ(a->text(QAccessible::Name), "Volume");
    EXPECT_EQ(a->text(QAccessible::Value), "50");
    QAccessibleValueInterface* v = a->valueInterface();
    ASSERT_NE(v, nullptr);
    v->setCurrentValue(250);
    EXPECT_EQ(fader.Value(), 100) << "through the clamping setter";
    a->actionInterface()->doAction(QAccessibleActionInterface::decreaseAction());
    EXPECT_EQ(v->currentValue().toInt(), 99);
    a->actionInterface()->doAction(QAccessibleActionInterface::increaseAction());
    a->actionInterface()->doAction(QAccessibleActionInterface::increaseAction());
    EXPECT_EQ(fader.Value(), 100) << "held at Max";
    v->setCurrentValue(-7);
    a->actionInterface()->doAction(QAccessibleActionInterface::decreaseAction());
    EXPECT_EQ(fader.Value(), 0) << "held at Min";
}

TEST(KivWidgetsAccessible, MeterIsAReadOnlyIndicator)
{
    TAnalogMeter meter;
    meter.SetUnitValue(QStringLiteral("bar"));
    meter.SetPosition(235);
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(&meter);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->role(), QAccessible::ProgressBar);
    ASSERT_NE(a->textInterface(), nullptr);
    EXPECT_EQ(a->textInterface()->text(0, -1), "10,0 bar") << "235 is brought to MaxPosition 100";
    EXPECT_TRUE(a->state().readOnly);
    // Qt adds Increase/Decrease to every value interface; the meter has none to offer.
    EXPECT_EQ(a->valueInterface(), nullptr);
    EXPECT_FALSE(a->actionInterface()->actionNames().contains(QAccessibleActionInterface::increaseAction()));
}

TEST(KivWidgetsAccessible, SpinButtonActionsClickItsButtons)
{
    TKivSpinButton spin;
    int ups = 0, downs = 0;
    QObject::connect(&spin, &TKivSpinButton::OnUpClick, [&] { ++ups; });
    QObject::connect(&spin, &TKivSpinButton::OnDownClick, [&] { ++downs; });
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(&spin);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->role(), QAccessible::SpinBox);
    a->actionInterface()->doAction(QAccessibleActionInterface::increaseAction());
    a->actionInterface()->doAction(QAccessibleActionInterface::decreaseAction());
    EXPECT_EQ(ups, 1);
    EXPECT_EQ(downs, 1);
    QAccessibleInterface* up = QAccessible::queryAccessibleInterface(spin.UpButton());
    ASSERT_NE(up, nullptr);
    EXPECT_EQ(up->role(), QAccessible::Button);
    EXPECT_EQ(up->text(QAccessible::Name), "Up");
    up->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(ups, 2);
}
