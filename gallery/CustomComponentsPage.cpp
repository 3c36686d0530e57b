#include "gallery/CustomComponentsPage.h"

#include "widgets/LCD99.h"
#include "framework/ComponentRegistry.h"

TCustomComponentsPage::TCustomComponentsPage(QWidget* parent) : TGalleryPage(PalettePage::Custom, parent)
{
    auto* lcd = new TLCD99(this);
    lcd->SetBounds(0, 0, 121, 84);
    lcd->SetColor(clBtnFace);
    lcd->SetDigitNum(3);
    lcd->SetSegmentSize(9);
    lcd->SetOnColor(clBlack);
    lcd->SetOffColor(clBtnFace);
    lcd->SetValue(QStringLiteral("23.9"));
    AddSection(lcd, {"Value", "DigitNum", "SegmentSize", "DigitSpacing", "GapX", "GapY", "DotDisplay", "Color", "OnColor",
                     "OffColor", "Animation", "AnimationDelay"});
}
