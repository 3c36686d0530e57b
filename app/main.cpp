// quil-demo: the demonstration program. The main window is created first
// (it becomes the application's main window and loads the settings), the
// front panel second (it refers to the main window's setpoints); the message
// loop runs until the main window closes. Destruction runs the other way
// round, so the panel never outlives the setpoints it edits.

#include "app/GraphForm.h"
#include "app/MainForm.h"
#include "app/StartupReport.h"
#include "framework/Application.h"
#include "framework/Bitmap.h"

#include <QCommandLineParser>
#include <QIcon>
#include <QPixmap>
#include <memory>

namespace {

// The front panel stands beside the main window, and only X11 lets a program
// place its windows; Wayland leaves that to the compositor. So where an X
// server is at hand (XWayland on a Wayland desktop) the demo runs on it, and
// without one on Wayland itself, where the compositor places the panel and the
// user moves it by its face. A platform the user chose (QT_QPA_PLATFORM,
// -platform) is kept.
void PreferPlatformThatPlacesWindows()
{
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        return;
    if (!qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb;wayland");
    else if (!qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "wayland;xcb");
}

} // namespace

int main(int argc, char** argv)
{
    QElapsedTimer sinceMain;
    sinceMain.start();
    PreferPlatformThatPlacesWindows();
    TApplication app(argc, argv);
    TStartupReport startupReport(sinceMain);
    app.setApplicationName(QStringLiteral("Quil demo"));
    app.setApplicationVersion(QStringLiteral(QUIL_VERSION));
    // The same text is the manual page (made from it at build time).
    QCommandLineParser commandLine;
    commandLine.setApplicationDescription(QStringLiteral(
        "The demonstration of a livestock-house climate computer: the window \"DEMO QUIL COMPUTER\" "
        "with an imitated front panel, its ventilation diagram and trend graph.\n"
        "The settings are kept in $XDG_CONFIG_HOME/quil/ (by default ~/.config/quil/). "
        "Qt's own options (-platform, -style, ...) are accepted as well."));
    commandLine.addHelpOption();
    commandLine.addVersionOption();
    commandLine.process(app);
    try {
        TBitmap icon;
        if (icon.LoadFromResourceName(QStringLiteral("QUILICON")))
            QApplication::setWindowIcon(QIcon(QPixmap::fromImage(icon.Image())));
        auto mainForm = std::make_unique<TMainForm>();
        app.SetMainForm(mainForm.get()); // the first window created
        auto graphForm = std::make_unique<TGraphForm>();
        startupReport.Watch(mainForm.get());
        mainForm->show();
        return app.Run();
    } catch (const std::exception& e) {
        // An error during start-up is shown, and the program still ends normally.
        TApplication::HandleException(e);
        return 0;
    }
}
