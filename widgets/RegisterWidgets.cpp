#include "widgets/RegisterWidgets.h"

#include "framework/ComponentRegistry.h"
#include "widgets/AnalogMeter.h"
#include "widgets/GFader.h"
#include "widgets/GSpin.h"
#include "widgets/KivSpinButton.h"
#include "widgets/LCD99.h"
#include "widgets/TimerSpeedButton.h"
#include "widgets/VrBlinkLed.h"
#include "widgets/VrFormShape.h"
#include "widgets/VrRocker.h"
#include "widgets/VrThermoMeter.h"

void RegisterWidgetsComponents()
{
    RegisterComponents(PalettePage::KivGraphics, {TComponentClass::Of<TGSpin>(), TComponentClass::Of<TGFader>(),
                                                  TComponentClass::Of<TAnalogMeter>()});
    RegisterComponents(PalettePage::Saxel,
                       {TComponentClass::Of<TKivSpinButton>(), TComponentClass::Of<TTimerSpeedButton>()});
    RegisterComponents(PalettePage::Custom, {TComponentClass::Of<TLCD99>()});
    // The thermometer, LED, rocker and shaped window come from an outside
    // party's component family and keep a page of their own.
    RegisterComponents(PalettePage::Vr,
                       {TComponentClass::Of<TvrThermoMeter>(), TComponentClass::Of<TVrBlinkLed>(),
                        TComponentClass::Of<TVrRocker>(), TComponentClass::Of<TVrFormShape>()});
}
