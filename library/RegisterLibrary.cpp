#include "library/RegisterLibrary.h"

#include "can/RegisterCan.h"
#include "diagram/RegisterDiagram.h"
#include "feed/RegisterFeed.h"
#include "framework/RegisterStandard.h"
#include "graph/RegisterGraph.h"
#include "widgets/RegisterWidgets.h"

void RegisterLibraryComponents()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    RegisterStandardComponents();
    RegisterDiagramComponents();
    RegisterWidgetsComponents();
    RegisterCanComponents();
    RegisterFeedComponents();
    RegisterGraphComponents();
}

QList<TComponentClass> VisualLibraryComponents()
{
    RegisterLibraryComponents();
    QList<TComponentClass> result;
    for (const TComponentClass& cls : RegisteredComponentClasses())
        if (cls.Meta && cls.Meta->inherits(&QWidget::staticMetaObject) && !cls.Page.isEmpty() &&
            cls.Page != PalettePage::Standard)
            result.append(cls);
    return result;
}
