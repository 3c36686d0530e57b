// The Qt Designer plugin as Designer and QUiLoader load it: every visual
// library component offered under its palette page, with a drawn icon, a
// header for uic and a placeable default; a form using several of them built
// by QUiLoader with its stored properties.
#include "diagram/LvdVentDiagram.h"
#include "library/RegisterLibrary.h"
#include "widgets/GSpin.h"
#include "widgets/LCD99.h"
#include "widgets/VrRocker.h"

#include <QFile>
#include <QFileInfo>
#include <QPluginLoader>
#include <QUiLoader>
#include <QXmlStreamReader>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>
#include <gtest/gtest.h>
#include <memory>

namespace {

QDesignerCustomWidgetCollectionInterface* Collection()
{
    static QPluginLoader loader(QStringLiteral(QUIL_DESIGNER_PLUGIN));
    QObject* instance = loader.instance();
    EXPECT_NE(instance, nullptr) << loader.errorString().toStdString();
    return qobject_cast<QDesignerCustomWidgetCollectionInterface*>(instance);
}

QString SourceFile(const QString& name) { return QStringLiteral(QUIL_SOURCE_DIR "/") + name; }

int CountOpaque(const QImage& image)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += qAlpha(image.pixel(x, y)) > 0;
    return n;
}

} // namespace

TEST(DesignerPlugin, OffersEveryVisualComponentUnderItsPalettePage)
{
    QDesignerCustomWidgetCollectionInterface* collection = Collection();
    ASSERT_NE(collection, nullptr);
    const QList<QDesignerCustomWidgetInterface*> offered = collection->customWidgets();
    const QList<TComponentClass> expected = VisualLibraryComponents();
    ASSERT_EQ(offered.size(), expected.size());
    for (qsizetype i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(expected[i].ClassName.toStdString());
        EXPECT_EQ(offered[i]->name(), expected[i].ClassName);
        EXPECT_EQ(offered[i]->group(), expected[i].Page);
        EXPECT_FALSE(offered[i]->isContainer());
    }
    QStringList groups;
    for (const QDesignerCustomWidgetInterface* w : offered)
        if (!groups.contains(w->group()))
            groups.append(w->group());
    EXPECT_TRUE(groups.contains(QStringLiteral("Saxel Componenten")));
    EXPECT_TRUE(groups.contains(QStringLiteral("KivGraphics")));
    EXPECT_TRUE(groups.contains(QStringLiteral("Custom components")));
    EXPECT_FALSE(groups.contains(QStringLiteral("Standard")));
}

TEST(DesignerPlugin, EveryEntryHasItsHeaderADrawnIconAndAPlaceableDefault)
{
    for (QDesignerCustomWidgetInterface* w : Collection()->customWidgets()) {
        SCOPED_TRACE(w->name().toStdString());
        const QString header = w->includeFile();
        EXPECT_TRUE(QFile::exists(SourceFile(header))) << header.toStdString();

        const QImage icon = w->icon().pixmap(32, 32).toImage();
        EXPECT_GT(CountOpaque(icon), 32 * 4) << "the icon shows the component";

        QXmlStreamReader xml(w->domXml());
        QString widgetClass, objectName;
        int width = 0;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == QLatin1String("widget")) {
                widgetClass = xml.attributes().value(QLatin1String("class")).toString();
                objectName = xml.attributes().value(QLatin1String("name")).toString();
            }
            if (xml.name() == QLatin1String("width"))
                width = xml.readElementText().toInt();
        }
        EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
        EXPECT_EQ(widgetClass, w->name());
        EXPECT_GT(width, 0);
        if (w->name() == QLatin1String("TLCD99"))
            EXPECT_EQ(objectName, QStringLiteral("lcd99")) << "placed instances get a C++ style name";
    }
}

TEST(DesignerPlugin, QUiLoaderBuildsAFormOfSeveralComponentsWithTheirProperties)
{
    QUiLoader loader;
    loader.clearPluginPaths();
    loader.addPluginPath(QFileInfo(QStringLiteral(QUIL_DESIGNER_PLUGIN)).absolutePath());
    for (const TComponentClass& cls : VisualLibraryComponents())
        EXPECT_TRUE(loader.availableWidgets().contains(cls.ClassName)) << cls.ClassName.toStdString();

    QFile file(SourceFile(QStringLiteral("tests/designer/data/form.ui")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const std::unique_ptr<QWidget> form(loader.load(&file));
    ASSERT_NE(form, nullptr) << loader.errorString().toStdString();

    // One copy of each class in the process: the loaded widgets are the
    // program's own classes.
    auto* diagram = form->findChild<TLvdVentDiagram*>(QStringLiteral("diagram"));
    auto* spin = form->findChild<TGSpin*>(QStringLiteral("spin"));
    auto* lcd = form->findChild<TLCD99*>(QStringLiteral("lcd"));
    auto* rocker = form->findChild<TVrRocker*>(QStringLiteral("rocker"));
    ASSERT_TRUE(diagram && spin && lcd && rocker);
    EXPECT_EQ(diagram->GemetenTemperatuur(), 250);
    EXPECT_EQ(spin->Value(), 42);
    EXPECT_EQ(lcd->Value(), QStringLiteral("12.5"));
    EXPECT_EQ(rocker->State(), TVrRocker::stLowerDown);
    EXPECT_EQ(lcd->geometry(), QRect(500, 110, 121, 84));

    // The display draws its digits in the stored colour.
    const QImage picture = lcd->PaintToImage();
    int red = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            red += picture.pixel(x, y) == qRgb(255, 0, 0);
    EXPECT_GT(red, 100);
}
