#include "app/RegisterApp.h"

#include "diagram/RegisterDiagram.h"
#include "framework/ComponentRegistry.h"
#include "framework/RegisterStandard.h"
#include "widgets/GSpin.h"
#include "widgets/LCD99.h"
#include "widgets/VrBlinkLed.h"
#include "widgets/VrFormShape.h"
#include "widgets/VrRocker.h"
#include "widgets/VrThermoMeter.h"

void RegisterAppComponents()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    RegisterStandardComponents();
    RegisterDiagramComponents();
    RegisterComponents(PalettePage::KivGraphics, {TComponentClass::Of<TGSpin>()});
    RegisterComponents(PalettePage::Custom, {TComponentClass::Of<TLCD99>()});
    RegisterComponents(QStringLiteral("Vr"), {TComponentClass::Of<TvrThermoMeter>(), TComponentClass::Of<TVrBlinkLed>(),
                                              TComponentClass::Of<TVrRocker>(), TComponentClass::Of<TVrFormShape>()});
}

QWidget* WithAppComponents(QWidget* owner)
{
    RegisterAppComponents();
    return owner;
}
