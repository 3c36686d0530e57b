#include "designer/DesignerCollection.h"

#include "designer/DesignerWidget.h"
#include "library/RegisterLibrary.h"

TDesignerCollection::TDesignerCollection(QObject* parent) : QObject(parent)
{
    for (const TComponentClass& cls : VisualLibraryComponents())
        widgets_.append(new TDesignerWidget(cls, this));
}
