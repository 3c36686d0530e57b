#include "feed/RegisterFeed.h"

#include "feed/FWS.h"
#include "framework/ComponentRegistry.h"

void RegisterFeedComponents()
{
    RegisterComponents(PalettePage::KivGraphics, {TComponentClass::Of<TFWS>()});
}
