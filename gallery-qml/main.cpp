// quil-gallery-qml: every component of the library, live, in Qt Quick: the
// widget gallery's pages, each component with editors for its main
// properties, built from the QML module Quil.
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QQmlApplicationEngine>
#include <QUrl>
#include <cstdio>

int main(int argc, char** argv)
{
    // The components are widgets behind the items: a widget application.
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("quil-gallery-qml"));
    app.setApplicationVersion(QStringLiteral(QUIL_VERSION));
    // The same text is the manual page (made from it at build time).
    QCommandLineParser commandLine;
    commandLine.setApplicationDescription(QStringLiteral(
        "Every component of the Quil library, live, in Qt Quick: the pages of quil-gallery, one per palette "
        "page, each component an item of the QML module Quil with editors for its main properties.\n"
        "Qt's own options (-platform, -qmljsdebugger, ...) are accepted as well; QML_IMPORT_PATH names "
        "further folders to look for the module Quil in."));
    commandLine.addHelpOption();
    commandLine.addVersionOption();
    commandLine.process(app);

    QQmlApplicationEngine engine;
    // Run from the build tree, the module stands beside the program's folder;
    // installed, it is in Qt's QML folder, which the engine searches anyway.
    const QString buildTreeModules = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../qml"));
    if (QFileInfo::exists(buildTreeModules + QStringLiteral("/Quil/qmldir")))
        engine.addImportPath(buildTreeModules);
    engine.load(QUrl(QStringLiteral("qrc:/QuilGallery/Main.qml")));
    if (engine.rootObjects().isEmpty()) {
        std::fprintf(stderr, "quil-gallery-qml: the gallery's window could not be built (is the QML module Quil "
                             "installed?)\n");
        return 1;
    }
    return app.exec();
}
