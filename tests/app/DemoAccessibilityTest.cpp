// The demo to a screen reader: every control named by its job, the panel
// keys and the main window's controls operable through their actions, and
// an accessible change followed by the displays as a mouse change is.

#include "DemoFixture.h"

#include "diagram/LvdVentDiagram.h"
#include "framework/AccessibleControl.h"
#include "framework/Image.h"
#include "framework/SpeedButton.h"
#include "widgets/GSpin.h"
#include "widgets/LCD99.h"
#include "widgets/VrBlinkLed.h"
#include "widgets/VrRocker.h"
#include "widgets/VrThermoMeter.h"

#include <QAccessible>
#include <QAccessibleValueInterface>

namespace {

QAccessibleInterface* Face(QWidget* w) { return QAccessible::queryAccessibleInterface(w); }

void Act(QWidget* w, const QString& action)
{
    QAccessibleInterface* a = Face(w);
    ASSERT_NE(a, nullptr);
    ASSERT_NE(a->actionInterface(), nullptr);
    ASSERT_TRUE(a->actionInterface()->actionNames().contains(action)) << w->objectName().toStdString();
    a->actionInterface()->doAction(action);
}

const QString kPress = QAccessibleActionInterface::pressAction();

} // namespace

class DemoAccessibility : public DemoFixture {
protected:
    void SetUp() override
    {
        DemoFixture::SetUp();
        StartDemo(true);
        PaintDiagram();
    }
};

TEST_F(DemoAccessibility, EveryControlIsNamedByItsJobNotByItsComponentName)
{
    int controls = 0;
    for (QWidget* form : {static_cast<QWidget*>(mainForm.get()), static_cast<QWidget*>(graphForm.get())})
        for (QWidget* w : form->findChildren<QWidget*>()) {
            if (!dynamic_cast<TAccessibleControl*>(w))
                continue;
            ++controls;
            const QString name = Face(w)->text(QAccessible::Name);
            EXPECT_FALSE(name.isEmpty()) << w->objectName().toStdString();
            EXPECT_NE(name, w->objectName());
        }
    EXPECT_GE(controls, 35) << "the panel's keys, LEDs and display and the main window's controls";
}

TEST_F(DemoAccessibility, RolesAndValuesOfTheMainWindow)
{
    struct Row {
        QWidget* control;
        QString name;
        QAccessible::Role role;
        QString value;
    };
    const Row rows[] = {
        {mainForm->LCD991, "Measured temperature", QAccessible::StaticText, "20.3"},
        {mainForm->vrThermoMeter, "House thermometer", QAccessible::ProgressBar, "20.3"},
        {mainForm->GSpin1, "Measured temperature control", QAccessible::SpinBox, "203"},
        {mainForm->VrRocker1, "Heating (upper) or cooling (lower)", QAccessible::Button, "Upper half down"},
        {mainForm->CloseButton, "CLOSE", QAccessible::Button, ""},
        {mainForm->Diagram, "Ventilation diagram", QAccessible::Chart,
         "20.3 °C, ventilation position 37 %, ventilation curve"},
    };
    for (const Row& r : rows) {
        QAccessibleInterface* a = Face(r.control);
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->text(QAccessible::Name), r.name);
        EXPECT_EQ(a->role(), r.role) << r.name.toStdString();
        EXPECT_EQ(a->text(QAccessible::Value), r.value) << r.name.toStdString();
        if (QAccessibleTextInterface* t = a->textInterface())
            EXPECT_EQ(t->text(0, t->characterCount()), r.value) << r.name.toStdString();
    }
}

TEST_F(DemoAccessibility, EveryPanelKeyIsAButtonWithAPressAction)
{
    for (const TKeyEntry& key : graphForm->Keys()) {
        QAccessibleInterface* a = Face(key.KeyImage);
        EXPECT_EQ(a->role(), QAccessible::Button) << key.KeyImage->objectName().toStdString();
        ASSERT_NE(a->actionInterface(), nullptr);
        EXPECT_TRUE(a->actionInterface()->actionNames().contains(kPress));
    }
    EXPECT_EQ(Face(mainForm->MaxAlarmOn)->role(), QAccessible::Graphic) << "a status picture is no key";
    EXPECT_FALSE(Face(mainForm->MaxAlarmOn)->actionInterface()->actionNames().contains(kPress));
}

TEST_F(DemoAccessibility, PressingPanelKeysSelectsAndStepsTheSetpointAsTheMouseDoes)
{
    TSetpoints* sp = mainForm->Diagram->Setpoints();
    const int before = sp->StreefTemp;
    Act(graphForm->StreefTempImage, kPress);
    ASSERT_EQ(graphForm->SelectedEntry(), &graphForm->Keys()[0]);
    EXPECT_EQ(graphForm->LCD->Value(), TGraphForm::FormatTenths(before));
    EXPECT_TRUE(graphForm->StreefTempLed->EnableBlinking());
    Act(graphForm->ArrowUpImage, kPress);
    EXPECT_EQ(sp->StreefTemp, before + 1);
    EXPECT_EQ(graphForm->LCD->Value(), TGraphForm::FormatTenths(before + 1));
    EXPECT_EQ(graphForm->PanelMode(), TGraphForm::ModeIdle) << "released: the arrow does not go on repeating";
    EXPECT_EQ(Face(graphForm->LCD)->textInterface()->text(0, -1), TGraphForm::FormatTenths(before + 1));
}

TEST_F(DemoAccessibility, TheSpinSetThroughAccessibilityMovesTheDiagramAndTheDisplays)
{
    QAccessibleInterface* spin = Face(mainForm->GSpin1);
    ASSERT_NE(spin->valueInterface(), nullptr);
    spin->valueInterface()->setCurrentValue(250.0);
    EXPECT_EQ(mainForm->Diagram->GemetenTemperatuur(), 250);
    EXPECT_EQ(mainForm->LCD991->Value(), "25.0");
    EXPECT_DOUBLE_EQ(mainForm->vrThermoMeter->Value()->Value(), 25.0);
    Act(mainForm->GSpin1, QAccessibleActionInterface::increaseAction());
    EXPECT_EQ(mainForm->Diagram->GemetenTemperatuur(), 251);
    EXPECT_EQ(mainForm->LCD991->Value(), "25.1");
    Act(mainForm->GSpin1, QAccessibleActionInterface::decreaseAction());
    Act(mainForm->GSpin1, QAccessibleActionInterface::decreaseAction());
    EXPECT_EQ(mainForm->LCD991->Value(), "24.9");
    EXPECT_FALSE(mainForm->GSpin1->UpPressed() || mainForm->GSpin1->DownPressed()) << "the key was released";
}

TEST_F(DemoAccessibility, TheRockerActionsSwitchTheOptions)
{
    Act(mainForm->VrRocker1, TVrRocker::PressLowerAction());
    EXPECT_TRUE(mainForm->Diagram->OptieKoeling());
    EXPECT_EQ(Face(mainForm->VrRocker1)->text(QAccessible::Value), "Lower half down");
    Act(mainForm->VrRocker2, TVrRocker::PressLowerAction());
    EXPECT_FALSE(mainForm->Diagram->OptieVentilatie());
    Act(mainForm->VrRocker1, TVrRocker::PressUpperAction());
    EXPECT_FALSE(mainForm->Diagram->OptieKoeling());
}
