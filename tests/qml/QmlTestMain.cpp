// Runs the Qt Quick tests of the Quil QML module. Widgets live beside the
// scene, so the application object is a QApplication.

#include "WidgetPictures.h"

#include <QApplication>
#include <QQmlContext>
#include <QQmlEngine>
#include <QtQuickTest>

class TSetup : public QObject {
    Q_OBJECT
public slots:
    void qmlEngineAvailable(QQmlEngine* engine)
    {
        engine->addImportPath(QStringLiteral(QUIL_QML_IMPORT_DIR));
        engine->rootContext()->setContextProperty(QStringLiteral("WidgetPictures"), new TWidgetPictures(engine));
    }
};

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    TSetup setup;
    return quick_test_main_with_setup(argc, argv, "quil_qml", QUIL_QML_TEST_DIR, &setup);
}

#include "QmlTestMain.moc"
