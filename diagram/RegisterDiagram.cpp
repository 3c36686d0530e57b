#include "diagram/RegisterDiagram.h"

#include "diagram/LvdVentDiagram.h"
#include "framework/ComponentRegistry.h"

void RegisterDiagramComponents()
{
    RegisterComponents(PalettePage::Saxel, {TComponentClass::Of<TLvdVentDiagram>(QStringLiteral("TLVDVENTDIAGRAM"))});
}
