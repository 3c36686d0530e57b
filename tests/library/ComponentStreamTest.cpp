// Every component of the library in one window description: written, read
// and written again to the same text, with the drag, popup-menu and hint
// properties at their defaults (then not written at all) and set.

#include "library/RegisterLibrary.h"

#include "framework/ComponentRegistry.h"
#include "framework/Form.h"
#include "framework/PopupMenu.h"
#include "framework/StreamReader.h"
#include "framework/StreamWriter.h"

#include <QMap>
#include <gtest/gtest.h>
#include <memory>

namespace {

// The framework properties the published lists name, each with a value other than its default.
const QList<QPair<const char*, QVariant>> kSetValues = {
    {"DragMode", QVariant::fromValue(dmAutomatic)},
    {"DragCursor", QVariant::fromValue(crHandPoint)},
    {"DragKind", QVariant::fromValue(dkDock)},
    {"ParentShowHint", false},
    {"Text", QStringLiteral("list text")},
};

std::unique_ptr<TForm> EveryComponent()
{
    RegisterLibraryComponents();
    auto form = std::make_unique<TForm>();
    form->setObjectName(QStringLiteral("Root"));
    for (const TComponentClass& cls : RegisteredComponentClasses()) {
        if (cls.Page.isEmpty())
            continue; // forms and menu items are not placed on their own
        QObject* component = cls.Create(form.get());
        EXPECT_NE(component, nullptr) << cls.ClassName.toStdString();
        if (!component)
            continue;
        component->setObjectName(cls.ClassName.mid(1) + QStringLiteral("1"));
        // As a form designer places it: captioned with its name, so that an
        // auto-sized label has the size of its text before it is written.
        if (component->metaObject()->indexOfProperty("Caption") >= 0)
            component->setProperty("Caption", component->objectName());
    }
    return form;
}

// Read and written again, the text is the same; the first line that is not is reported.
void ExpectWrittenAgain(const QString& text)
{
    std::unique_ptr<QObject> back(TStreamReader::Read(text, QStringLiteral("every.dfm")));
    const QStringList before = text.split(QLatin1Char('\n')), after = TStreamWriter::Write(back.get()).split(QLatin1Char('\n'));
    for (int i = 0; i < std::min(before.size(), after.size()); ++i)
        if (before[i] != after[i]) {
            ADD_FAILURE() << "line " << i + 1 << ": '" << before[i].toStdString() << "' read back as '"
                          << after[i].toStdString() << "'";
            return;
        }
    EXPECT_EQ(before.size(), after.size());
}

// The property lines of one object, without its nested objects.
QStringList PropertyNames(const QString& text, const QString& objectName)
{
    QStringList names;
    int depth = 0, inside = -1;
    for (const QString& raw : text.split(QLatin1Char('\n'))) {
        const QString line = raw.trimmed();
        if (line.startsWith(QStringLiteral("object "))) {
            ++depth;
            if (line.startsWith(QStringLiteral("object ") + objectName + QLatin1Char(':')))
                inside = depth;
        } else if (line == QStringLiteral("end")) {
            if (depth-- == inside)
                inside = -1;
        } else if (depth == inside && line.contains(QStringLiteral(" = "))) {
            names << line.section(QStringLiteral(" = "), 0, 0);
        }
    }
    return names;
}

TEST(EveryComponent, RoundTripsWithTheFrameworkPropertiesAtTheirDefaults)
{
    const auto form = EveryComponent();
    const QString text = TStreamWriter::Write(form.get());
    for (const auto& [name, value] : kSetValues)
        EXPECT_FALSE(text.contains(QStringLiteral("  %1 = ").arg(QLatin1String(name)))) << name;
    EXPECT_FALSE(text.contains(QStringLiteral("PopupMenu = ")));
    ExpectWrittenAgain(text);
}

TEST(EveryComponent, RoundTripsWithTheFrameworkPropertiesSet)
{
    const auto form = EveryComponent();
    auto* menu = new TPopupMenu(form.get());
    menu->setObjectName(QStringLiteral("Menu1"));
    auto* item = new TMenuItem(menu);
    item->setObjectName(QStringLiteral("Item1"));
    item->SetCaption(QStringLiteral("Item"));
    QMap<QString, QStringList> expected; // object name -> properties set on it
    for (QObject* component : form->children()) {
        const QMetaObject* meta = component->metaObject();
        for (const auto& [name, value] : kSetValues)
            if (meta->indexOfProperty(name) >= 0) {
                EXPECT_TRUE(component->setProperty(name, value)) << meta->className() << "." << name;
                expected[component->objectName()] << QLatin1String(name);
            }
        if (meta->indexOfProperty("PopupMenu") >= 0) {
            EXPECT_TRUE(component->setProperty("PopupMenu", QVariant::fromValue(menu)));
            expected[component->objectName()] << QStringLiteral("PopupMenu");
        }
    }
    // Every list that names them: LCD, thermometer, LED, rocker, shaped
    // window, fader, spin button and legend.
    for (const char* name : {"LCD991", "vrThermoMeter1", "VrBlinkLed1", "VrRocker1", "VrFormShape1", "GFader1",
                             "KivSpinButton1", "Legenda1"})
        EXPECT_TRUE(expected.contains(QLatin1String(name))) << name;
    const QString text = TStreamWriter::Write(form.get());
    for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
        const QStringList written = PropertyNames(text, it.key());
        for (const QString& name : it.value())
            EXPECT_TRUE(written.contains(name)) << it.key().toStdString() << "." << name.toStdString();
    }
    ExpectWrittenAgain(text);
}

} // namespace
