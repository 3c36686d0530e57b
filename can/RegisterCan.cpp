#include "can/RegisterCan.h"

#include "can/AnaInObj.h"
#include "can/CanCBase.h"
#include "can/DigInObj.h"
#include "framework/ComponentRegistry.h"

void RegisterCanComponents()
{
    RegisterComponents(PalettePage::Can,
                       {TComponentClass::Of<TCanCBase>(QStringLiteral("TCANCBASE")),
                        TComponentClass::Of<TAnaInObj>(QStringLiteral("TANAINOBJ")),
                        TComponentClass::Of<TDigInObj>(QStringLiteral("TDIGINOBJ"))});
}
