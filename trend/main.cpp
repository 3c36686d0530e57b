// quil-trend: logged data on the trend graph, with its legend, zoom and pan;
// several files on one graph, files followed as a logger appends to them,
// the view exported to PNG (also from a script: --export, then quit).
#include "framework/Application.h"
#include "framework/Dialogs.h"
#include "trend/TrendOptions.h"
#include "trend/TrendWindow.h"

#include <QTextStream>
#include <cstring>

namespace {

// A scripted export needs no display: unless told otherwise, Qt draws off screen.
void PreferOffscreenForExport(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--export") == 0 || std::strncmp(argv[i], "--export=", 9) == 0) {
            if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
                qputenv("QT_QPA_PLATFORM", "offscreen");
            return;
        }
}

} // namespace

int main(int argc, char** argv)
{
    PreferOffscreenForExport(argc, argv);
    TApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("quil-trend"));
    app.setApplicationVersion(QStringLiteral(QUIL_VERSION));
    QTextStream err(stderr);
    TTrendOptions options;
    try {
        options = TTrendOptions::Parse(app);
    } catch (const Exception& e) {
        err << "quil-trend: " << e.Message << Qt::endl;
        return 2;
    }
    TTrendWindow window;
    window.resize(options.Size);
    window.SetOpenDefaults(options.Csv, options.Follow);
    app.SetMainForm(&window);
    if (options.Export.isEmpty()) {
        window.show();
        for (const QString& file : options.Files)
            window.Load(file, options.Csv, options.Follow);
        return app.Run();
    }

    // Scripted: faults and skipped rows go to the terminal, the window is
    // laid out but never mapped.
    Dialogs::SetSink([&err](Dialogs::MessageKind, const QString&, const QString& text) { err << "quil-trend: " << text << Qt::endl; });
    window.SetInteractive(false);
    QObject::connect(&window, &TTrendWindow::Problem, &window, [&err](const QString& line) { err << line << Qt::endl; });
    int status = 0;
    QObject::connect(&window, &TTrendWindow::LoadsDone, &window, [&] {
        status = window.FailedLoads() > 0 || !window.ExportPng(options.Export) ? 1 : 0;
        app.Terminate();
    });
    window.setAttribute(Qt::WA_DontShowOnScreen);
    window.show();
    for (const QString& file : options.Files)
        window.Load(file, options.Csv, options.Follow);
    app.Run();
    return status;
}
