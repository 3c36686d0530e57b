// quil-gallery: every component of the library, live, with its main
// properties to adjust; one page per palette page.
#include "framework/Application.h"
#include "gallery/GalleryWindow.h"
#include "library/RegisterLibrary.h"

int main(int argc, char** argv)
{
    TApplication app(argc, argv);
    RegisterLibraryComponents();
    TGalleryWindow window;
    app.SetMainForm(&window);
    window.show();
    return app.Run();
}
