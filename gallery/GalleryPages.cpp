#include "gallery/GalleryPages.h"

#include "gallery/CanPage.h"
#include "gallery/CustomComponentsPage.h"
#include "gallery/KivGraphicsPage.h"
#include "gallery/SaxelPage.h"
#include "gallery/VrPage.h"

QList<TGalleryPage*> CreateGalleryPages(QWidget* parent)
{
    return {new TSaxelPage(parent), new TKivGraphicsPage(parent), new TCanPage(parent),
            new TCustomComponentsPage(parent), new TVrPage(parent)};
}
