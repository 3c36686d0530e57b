#include "graph/RegisterGraph.h"

#include "framework/ComponentRegistry.h"
#include "graph/KivGraph.h"
#include "graph/Legenda.h"

void RegisterGraphComponents()
{
    RegisterComponents(PalettePage::Saxel, {TComponentClass::Of<TKivGraph>(QStringLiteral("TKIVGRAPH")),
                                            TComponentClass::Of<TLegenda>(QStringLiteral("TLEGENDA"))});
}
