#include "gallery/KivGraphicsPage.h"

#include "feed/FWS.h"
#include "framework/ComponentRegistry.h"
#include "gallery/FeedCycleDriver.h"
#include "widgets/AnalogMeter.h"
#include "widgets/GFader.h"
#include "widgets/GSpin.h"

#include <QCheckBox>

TKivGraphicsPage::TKivGraphicsPage(QWidget* parent) : TGalleryPage(PalettePage::KivGraphics, parent)
{
    AddSpin();
    AddFader();
    AddMeter();
    AddFeedWeigher();
}

void TKivGraphicsPage::AddSpin()
{
    auto* spin = new TGSpin(this);
    spin->SetBounds(0, 0, 65, 100);
    spin->SetMax(500);
    spin->SetValue(100);
    AddSection(spin, {"Value", "Min", "Max", "Limited", "Speed", "Delay", "LargeChanges", "LargeChange", "ColorOn",
                      "ColorOff", "Ctl3D"});
}

void TKivGraphicsPage::AddFader()
{
    auto* fader = new TGFader(this);
    fader->SetMarkType(TGFader::mtStepRamp);
    fader->SetValue(60);
    AddSection(fader, {"Value", "Min", "Max", "FaderKind", "FaderSize", "MarkType", "NumMarks", "RampColor",
                       "Labels", "LabelMin", "LabelMax", "DblClkResets"});
}

void TKivGraphicsPage::AddMeter()
{
    auto* meter = new TAnalogMeter(this);
    meter->SetUnitValue(QStringLiteral("°C"));
    meter->SetMaxPosition(400);
    meter->SetPosition(235);
    AddSection(meter, {"Position", "MinPosition", "MaxPosition", "UnitValue", "ValueDecimals", "MajorTicks",
                       "MinorTicks", "PointerColor", "ForeColor", "ShowTicks", "ShowValue"});
}

void TKivGraphicsPage::AddFeedWeigher()
{
    auto* weigher = new TFWS(this);
    weigher->SetValveOpenTime(8);
    weigher->SetAfvoerVijzel(true);
    auto* driver = new TFeedCycleDriver(weigher, weigher);
    auto* run = new QCheckBox(QStringLiteral("Run the feed cycle"));
    run->setChecked(driver->Running());
    connect(run, &QCheckBox::toggled, driver, &TFeedCycleDriver::SetRunning);
    AddSection(weigher, {"FillWeight", "MaxVulGewicht", "VijzelNr", "AfvoerVijzel", "AanvoerGeblokkeerd",
                         "LosklepOpenTijdensVullen", "LosklepSluitNiet", "WeegsignaalIsNul", "CurrentWeight",
                         "FeedStatus"},
               {run});
}
