#include "gallery/SaxelPage.h"

#include "diagram/LvdVentDiagram.h"
#include "diagram/DiagramSettings.h"
#include "diagram/Setpoints.h"
#include "framework/ComponentRegistry.h"

TSaxelPage::TSaxelPage(QWidget* parent) : TGalleryPage(PalettePage::Saxel, parent)
{
    auto* diagram = new TLvdVentDiagram(this);
    diagram->SetBounds(0, 0, 489, 297);
    diagram->DiagramSettings()->SetShowPointValues(true);
    diagram->DiagramSettings()->SetShowSymbols(true);
    diagram->DiagramSettings()->SetMaxXValue(500);
    diagram->DiagramSettings()->SetMaxYValue(100);
    TSetpoints* setpoints = diagram->Setpoints();
    setpoints->SetMinAlarm(100);
    setpoints->SetMaxAlarm(360);
    setpoints->SetBandbreedte(60);
    setpoints->SetStreefTemp(185);
    setpoints->SetVerwarmVerschil(30);
    diagram->SetGemetenTemperatuur(203);
    AddSection(diagram, {"GemetenTemperatuur", "VentilatieStand", "OptieVentilatie", "OptieKoeling",
                         "Setpoints.StreefTemp", "Setpoints.Bandbreedte", "Setpoints.VerwarmVerschil",
                         "Setpoints.MinPositie", "Setpoints.MaxPositie", "Setpoints.MinAlarm", "Setpoints.MaxAlarm",
                         "DiagramSettings.ShowGrid", "DiagramSettings.ShowSymbols", "DiagramSettings.ShowPointValues",
                         "DiagramTitle"});
}
