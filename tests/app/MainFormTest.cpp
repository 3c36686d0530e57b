// The main window: what its show event sets up, the spin control feeding the
// measured temperature, the rockers feeding the options, and the status
// pictures following the diagram.

#include "DemoFixture.h"

#include "app/VentThread.h"
#include "diagram/LvdVentDiagram.h"
#include "framework/Image.h"
#include "framework/Panel.h"
#include "framework/SpeedButton.h"
#include "widgets/VrBlinkLed.h"
#include "widgets/GSpin.h"
#include "widgets/LCD99.h"
#include "widgets/VrRocker.h"
#include "widgets/VrThermoMeter.h"

#include <QTest>

namespace {
void Click(QWidget* w, QPoint at)
{
    QTest::mousePress(w, Qt::LeftButton, {}, at);
    QTest::mouseRelease(w, Qt::LeftButton, {}, at);
}
// The two halves of the 65 x 100 spin control and of the 25 x 57 rockers.
const QPoint kSpinUp(32, 20), kSpinDown(32, 80);
const QPoint kRockerUpper(12, 10), kRockerLower(12, 45);
} // namespace

using MainWindow = DemoFixture;

TEST_F(MainWindow, ShowingItSetsTheDisplaysShowsThePanelAndStartsTheFan)
{
    StartDemo();
    EXPECT_EQ(mainForm->LCD991->Value(), "23.9");
    EXPECT_EQ(mainForm->VentThread(), nullptr);
    mainForm->show();
    QCoreApplication::processEvents();
    const TvrThermoMeterScale* scale = mainForm->vrThermoMeter->Scale();
    EXPECT_EQ(scale->Max(), 50);
    EXPECT_EQ(scale->Min(), 0);
    EXPECT_EQ(scale->Step(), 10);
    EXPECT_EQ(scale->SmallStep(), 2);
    EXPECT_DOUBLE_EQ(mainForm->vrThermoMeter->Value()->Value(), 20.3);
    EXPECT_EQ(mainForm->GSpin1->Value(), 203);
    EXPECT_EQ(mainForm->LCD991->Value(), "20.3");
    EXPECT_TRUE(graphForm->isVisible());
    EXPECT_EQ(graphForm->PanelMode(), TGraphForm::ModeMeasured);
    EXPECT_EQ(graphForm->LCD->Color(), 0x00C000);
    EXPECT_EQ(graphForm->LCD->OffColor(), 0x00C000);
    EXPECT_EQ(graphForm->LCDPanel->Color(), 0x00C000);
    ASSERT_NE(mainForm->VentThread(), nullptr);
    // A second show event keeps the one fan thread.
    TVentThread* thread = mainForm->VentThread();
    mainForm->hide();
    mainForm->show();
    QCoreApplication::processEvents();
    EXPECT_EQ(mainForm->VentThread(), thread);
}

TEST_F(MainWindow, ASpinStepSetsTheMeasuredTemperatureTheDisplayAndTheThermometer)
{
    StartDemo(true);
    Click(mainForm->GSpin1, kSpinUp);
    EXPECT_EQ(mainForm->Diagram->GemetenTemperatuur(), 204);
    EXPECT_EQ(mainForm->LCD991->Value(), "20.4");
    EXPECT_DOUBLE_EQ(mainForm->vrThermoMeter->Value()->Value(), 20.4);
    Click(mainForm->GSpin1, kSpinDown);
    Click(mainForm->GSpin1, kSpinDown);
    EXPECT_EQ(mainForm->Diagram->GemetenTemperatuur(), 202);
    EXPECT_EQ(mainForm->LCD991->Value(), "20.2");
}

// The spin control reports the stepped value before clamping it.
TEST_F(MainWindow, AnUpStepAtTheTopPassesOnTheValueOneBeyond)
{
    StartDemo(true);
    mainForm->GSpin1->SetValue(500);
    Click(mainForm->GSpin1, kSpinUp);
    EXPECT_EQ(mainForm->Diagram->GemetenTemperatuur(), 501);
    EXPECT_EQ(mainForm->LCD991->Value(), "50.1");
    EXPECT_EQ(mainForm->GSpin1->Value(), 500);
    Click(mainForm->GSpin1, kSpinDown);
    EXPECT_EQ(mainForm->Diagram->GemetenTemperatuur(), 499);
    EXPECT_EQ(mainForm->LCD991->Value(), "49.9");
}

TEST_F(MainWindow, AtTheBottomTheSpinPassesOnMinusOne)
{
    StartDemo(true);
    mainForm->GSpin1->SetValue(0);
    Click(mainForm->GSpin1, kSpinDown);
    EXPECT_EQ(mainForm->Diagram->GemetenTemperatuur(), -1);
    EXPECT_EQ(mainForm->LCD991->Value(), "-0.1");
}

TEST_F(MainWindow, TheRockersSwitchTheOptions)
{
    StartDemo(true);
    TLvdVentDiagram* d = mainForm->Diagram;
    Click(mainForm->VrRocker1, kRockerLower);
    EXPECT_TRUE(d->OptieKoeling());
    Click(mainForm->VrRocker1, kRockerUpper);
    EXPECT_FALSE(d->OptieKoeling());
    Click(mainForm->VrRocker2, kRockerLower);
    EXPECT_FALSE(d->OptieVentilatie());
    Click(mainForm->VrRocker2, kRockerUpper);
    EXPECT_TRUE(d->OptieVentilatie());
}

TEST_F(MainWindow, TheStatusPicturesFollowTheDiagram)
{
    StartDemo(true);
    TLvdVentDiagram* d = mainForm->Diagram;
    // The layout's values: no alarm, heating off; the snowflake of the layout goes.
    PaintDiagram();
    EXPECT_FALSE(mainForm->MaxAlarmOn->Visible());
    EXPECT_FALSE(mainForm->MinAlarmOn->Visible());
    EXPECT_FALSE(mainForm->KoelingOn->Visible());
    EXPECT_FALSE(mainForm->VerwarmingOn->Visible());
    d->SetGemetenTemperatuur(400); // above MaxAlarm 360
    PaintDiagram();
    EXPECT_TRUE(mainForm->MaxAlarmOn->Visible());
    d->SetGemetenTemperatuur(90); // below MinAlarm 100, and below the heating point 155
    PaintDiagram();
    EXPECT_FALSE(mainForm->MaxAlarmOn->Visible());
    EXPECT_TRUE(mainForm->MinAlarmOn->Visible());
    EXPECT_TRUE(mainForm->VerwarmingOn->Visible());
    EXPECT_FALSE(mainForm->KoelingOn->Visible());
}

TEST_F(MainWindow, CoolingShowsTheSnowflakeUntilHeatingIsChosenAgain)
{
    StartDemo(true);
    TLvdVentDiagram* d = mainForm->Diagram;
    d->SetGemetenTemperatuur(230); // above the cooling point 185 + 30
    Click(mainForm->VrRocker1, kRockerLower);
    PaintDiagram();
    EXPECT_TRUE(d->HeatCoolActive());
    EXPECT_TRUE(mainForm->KoelingOn->Visible());
    EXPECT_FALSE(mainForm->VerwarmingOn->Visible());
    Click(mainForm->VrRocker1, kRockerUpper);
    PaintDiagram();
    EXPECT_FALSE(mainForm->KoelingOn->Visible());
    EXPECT_FALSE(mainForm->VerwarmingOn->Visible());
}

TEST_F(MainWindow, TheStatusEventUpdatesThePanelsAlarmLeds)
{
    StartDemo(true);
    mainForm->Diagram->SetGemetenTemperatuur(400);
    PaintDiagram();
    EXPECT_EQ(graphForm->MaxTempAlarmLed->ColorIndex(), 3);
    EXPECT_TRUE(graphForm->Keys()[5].Alarm);
}

TEST_F(MainWindow, TheLogoIsTheDecodedJpeg)
{
    StartDemo();
    EXPECT_EQ(mainForm->Image5->PictureBitmap().Image().size(), QSize(126, 28));
    EXPECT_EQ(mainForm->Image5->size(), QSize(126, 28));
}

TEST_F(MainWindow, CloseEndsTheApplicationWhenItIsTheMainWindow)
{
    StartDemo(true);
    Click(mainForm->CloseButton, QPoint(27, 27));
    EXPECT_FALSE(mainForm->isVisible());
}
