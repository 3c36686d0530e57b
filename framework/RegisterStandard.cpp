#include "framework/RegisterStandard.h"

#include "framework/ComponentRegistry.h"
#include "framework/Timer.h"

void RegisterStandardComponents()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    RegisterComponents(PalettePage::Standard, {TComponentClass::Of<TTimer>("TTIMER")});
}
