// quil-demo: the demonstration program.

#include "framework/Application.h"
#include "framework/Dialogs.h"
#include "framework/Exception.h"
#include "framework/Control.h"

int main(int argc, char** argv)
{
    TApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Quil demo"));
    try {
        TControl window;
        window.setWindowTitle(QStringLiteral("DEMO QUIL COMPUTER"));
        window.resize(507, 561);
        window.show();
        return app.Run();
    } catch (const std::exception& e) {
        // An error during start-up is shown, and the program still ends normally.
        TApplication::HandleException(e);
        return 0;
    }
}
