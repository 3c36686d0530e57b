#include "StreamTestComponents.h"

#include "framework/ComponentRegistry.h"

void RegisterStreamTestComponents()
{
    RegisterComponents(QStringLiteral("Stream tests"),
                       {TComponentClass::Of<TTestWidget>("TTESTWIDGET"), TComponentClass::Of<TTestNonVisual>(),
                        TComponentClass::Of<TTestRoot>()});
}
