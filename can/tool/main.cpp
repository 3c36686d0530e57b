// quil-can: a CAN network master, monitor and node host for the CAN objects,
// on Qt's CAN bus plugins (virtualcan for several programs on one machine,
// socketcan for can0/vcan0).

#include "can/tool/ToolCommands.h"
#include "can/tool/ToolOptions.h"
#include "framework/Dialogs.h"
#include "framework/Exception.h"

#include <QCoreApplication>
#include <QLoggingCategory>
#include <QTextStream>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("quil-can"));
    QTextStream err(stderr);
    // A program without windows reports refusals on the terminal.
    Dialogs::SetSink([&err](Dialogs::MessageKind, const QString&, const QString& text) {
        err << "quil-can: " << text << Qt::endl;
    });
    try {
        const TToolOptions options = ParseToolOptions(app.arguments());
        // The plugins' connection chatter would drown the tool's own lines;
        // rules the user set in the environment still come after these.
        if (!options.Verbose)
            QLoggingCategory::setFilterRules(QStringLiteral("qt.canbus*=false"));
        if (options.Command == QLatin1String("help")) {
            QTextStream(stdout) << ToolUsage();
            return 0;
        }
        if (options.Command == QLatin1String("monitor"))
            return RunMonitor(options);
        if (options.Command == QLatin1String("download"))
            return RunDownload(options);
        if (options.Command == QLatin1String("upload"))
            return RunUpload(options);
        return RunNode(options);
    } catch (const EUsageError& e) {
        err << "quil-can: " << e.Message << Qt::endl << ToolUsage();
        return 2;
    } catch (const Exception& e) {
        err << "quil-can: " << e.Message << Qt::endl;
        return 2;
    }
}
