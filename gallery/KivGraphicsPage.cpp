#include "gallery/KivGraphicsPage.h"

#include "widgets/GSpin.h"
#include "framework/ComponentRegistry.h"

TKivGraphicsPage::TKivGraphicsPage(QWidget* parent) : TGalleryPage(PalettePage::KivGraphics, parent)
{
    auto* spin = new TGSpin(this);
    spin->SetBounds(0, 0, 65, 100);
    spin->SetMax(500);
    spin->SetValue(100);
    AddSection(spin, {"Value", "Min", "Max", "Limited", "Speed", "Delay", "LargeChanges", "LargeChange", "ColorOn",
                      "ColorOff", "Ctl3D"});
}
