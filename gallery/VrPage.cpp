#include "gallery/VrPage.h"

#include "framework/Bitmap.h"
#include "framework/ComponentRegistry.h"
#include "framework/Exception.h"
#include "widgets/VrBlinkLed.h"
#include "widgets/VrFormShape.h"
#include "widgets/VrLiniarIndicator.h"
#include "widgets/VrRocker.h"
#include "widgets/VrThermoMeter.h"
#include "widgets/VrThermoMeterScale.h"

namespace {

// Where the shaped window first appears: beside the gallery's window.
constexpr int kShapeLeft = 1030;
constexpr int kShapeTop = 20;

} // namespace

TVrPage::TVrPage(QWidget* parent) : TGalleryPage(PalettePage::Vr, parent)
{
    AddThermoMeter();
    AddBlinkLed();
    AddRocker();
    AddFormShape();
}

void TVrPage::AddThermoMeter()
{
    auto* meter = new TvrThermoMeter(this);
    // Wider than the demo's 89 pixels: the scale's labels run to "100" here
    // (the demo's to "50"), and to four digits when Scale.Max is raised.
    meter->SetBounds(0, 0, 112, 153);
    meter->Scale()->SetOffset(20);
    meter->Scale()->SetHeightMax(14);
    meter->Scale()->SetHeightMin(8);
    meter->Value()->SetValue(20.3);
    AddSection(meter, {"Value.Value", "Scale.Min", "Scale.Max", "Scale.Step", "Scale.Decimals", "ColorBefore",
                       "ColorAfter", "Direction", "ShowCaption", "Caption", "SetPoint.Visible", "SetPoint.Value"});
}

void TVrPage::AddBlinkLed()
{
    auto* led = new TVrBlinkLed(this);
    led->SetBounds(0, 0, 90, 24);
    led->SetCaption(QStringLiteral("Alarm"));
    // The caption is white for the dark panels the LED is made for; on the
    // gallery's light page it is written dark, to be read.
    led->Font()->SetColor(clWindowText);
    led->SetEnableBlinking(true);
    AddSection(led, {"ColorIndex", "EnableBlinking", "BlinkSpeed", "BlinkLedType", "Layout", "Caption", "Spacing",
                     "Palette1.Low", "Palette1.High"});
}

void TVrPage::AddRocker()
{
    auto* rocker = new TVrRocker(this);
    rocker->SetBounds(0, 0, 25, 57);
    rocker->SetStyle(TVrRocker::rsSwitch);
    rocker->SetState(TVrRocker::stUpperDown);
    AddSection(rocker, {"State", "Style", "Depth", "OutlineColor", "OutlineWidth", "HighlightColor", "ShadowColor"});
}

void TVrPage::AddFormShape()
{
    auto* window = new QWidget(nullptr, Qt::Window);
    window->setWindowTitle(QStringLiteral("Quil gallery - shaped window"));
    auto* shape = new TVrFormShape(window);
    TBitmap face;
    if (!face.LoadFromResourceName(QStringLiteral("FRONTPANEL")))
        throw Exception(QStringLiteral("Gallery: the picture FRONTPANEL is missing"));
    shape->SetMaskColor(clWhite);
    shape->SetMask(face);
    window->setGeometry(kShapeLeft, kShapeTop, face.Width(), face.Height());
    shape->SetBounds(0, 0, face.Width(), face.Height());
    AddWindowSection(window, shape, {"MaskColor"});
}
