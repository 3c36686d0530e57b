#include "framework/RegisterStandard.h"

#include "framework/ComponentRegistry.h"
#include "framework/Form.h"
#include "framework/GroupBox.h"
#include "framework/Image.h"
#include "framework/Label.h"
#include "framework/MenuItem.h"
#include "framework/Panel.h"
#include "framework/PopupMenu.h"
#include "framework/SpeedButton.h"
#include "framework/Timer.h"

void RegisterStandardComponents()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    RegisterComponents(PalettePage::Standard,
                       {TComponentClass::Of<TPanel>("TPANEL"), TComponentClass::Of<TGroupBox>("TGROUPBOX"),
                        TComponentClass::Of<TImage>("TIMAGE"), TComponentClass::Of<TSpeedButton>("TSPEEDBUTTON"),
                        TComponentClass::Of<TLabel>("TLABEL"), TComponentClass::Of<TTimer>("TTIMER"),
                        TComponentClass::Of<TPopupMenu>("TPOPUPMENU")});
    // Forms are read from descriptions but are not placed from the palette,
    // and neither are menu items, which live inside their menu.
    RegisterComponents(QString(), {TComponentClass::Of<TForm>(), TComponentClass::Of<TMenuItem>()});
}
