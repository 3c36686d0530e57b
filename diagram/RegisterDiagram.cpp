#include "diagram/RegisterDiagram.h"

#include "diagram/CurveDiagram.h"
#include "diagram/DiagramButton.h"
#include "diagram/LvdVentDiagram.h"
#include "framework/ComponentRegistry.h"

void RegisterDiagramComponents()
{
    RegisterComponents(PalettePage::Saxel, {TComponentClass::Of<TLvdVentDiagram>(QStringLiteral("TLVDVENTDIAGRAM")),
                                            TComponentClass::Of<TCurveDiagram>(),
                                            TComponentClass::Of<TDiagramButton>()});
}
