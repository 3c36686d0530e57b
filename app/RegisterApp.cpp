#include "app/RegisterApp.h"

#include "can/RegisterCan.h"
#include "diagram/RegisterDiagram.h"
#include "framework/RegisterStandard.h"
#include "widgets/RegisterWidgets.h"

void RegisterAppComponents()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    RegisterStandardComponents();
    RegisterDiagramComponents();
    RegisterWidgetsComponents();
    RegisterCanComponents();
}

QWidget* WithAppComponents(QWidget* owner)
{
    RegisterAppComponents();
    return owner;
}
