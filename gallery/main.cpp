// quil-gallery: every component of the library, live, with its main
// properties to adjust; one page per palette page.
#include "framework/Application.h"
#include "gallery/GalleryWindow.h"
#include "library/RegisterLibrary.h"

#include <QCommandLineParser>

int main(int argc, char** argv)
{
    TApplication app(argc, argv);
    app.setApplicationVersion(QStringLiteral(QUIL_VERSION));
    // The same text is the manual page (made from it at build time).
    QCommandLineParser commandLine;
    commandLine.setApplicationDescription(QStringLiteral(
        "Every component of the Quil library, live: one page per palette page, each component "
        "with editors for its main properties.\n"
        "Qt's own options (-platform, -style, ...) are accepted as well."));
    commandLine.addHelpOption();
    commandLine.addVersionOption();
    commandLine.process(app);
    RegisterLibraryComponents();
    TGalleryWindow window;
    app.SetMainForm(&window);
    window.show();
    return app.Run();
}
