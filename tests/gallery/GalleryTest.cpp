// The gallery: every visual library component live on the page named after
// its palette page, and the property editors writing, following and refusing
// values the way the components do.
#include "framework/Exception.h"
#include "gallery/GalleryPage.h"
#include "gallery/GalleryWindow.h"
#include "gallery/PropertyEditor.h"
#include "library/RegisterLibrary.h"
#include "widgets/GSpin.h"
#include "widgets/VrBlinkLed.h"
#include "widgets/VrRocker.h"
#include "widgets/VrThermoMeter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>
#include <gtest/gtest.h>

namespace {

struct GalleryFixture : ::testing::Test {
    GalleryFixture() { RegisterLibraryComponents(); }
    TGalleryWindow window;
};

} // namespace

TEST_F(GalleryFixture, EveryVisualComponentIsLiveOnThePageOfItsPalettePage)
{
    QStringList shown;
    for (TGalleryPage* page : window.Pages()) {
        SCOPED_TRACE(page->PaletteName().toStdString());
        EXPECT_FALSE(page->Components().isEmpty() && page->Nodes().isEmpty()) << "a page without components is left out";
        for (QWidget* component : page->Components()) {
            const auto cls = FindComponentClass(QLatin1String(component->metaObject()->className()));
            ASSERT_TRUE(cls.has_value());
            EXPECT_EQ(cls->Page, page->PaletteName());
            EXPECT_FALSE(component->isHidden()) << cls->ClassName.toStdString();
            EXPECT_NE(page->EditorOf(component), nullptr);
            shown.append(cls->ClassName);
        }
        for (QObject* node : page->Nodes()) {
            const auto cls = FindComponentClass(QLatin1String(node->metaObject()->className()));
            ASSERT_TRUE(cls.has_value());
            EXPECT_EQ(cls->Page, page->PaletteName());
            EXPECT_NE(page->EditorOf(node), nullptr);
            shown.append(cls->ClassName);
        }
    }
    for (const TComponentClass& cls : VisualLibraryComponents())
        EXPECT_TRUE(shown.contains(cls.ClassName)) << cls.ClassName.toStdString() << " has no section";
    for (const QString& name : {"TCanCBase", "TAnaInObj", "TDigInObj"})
        EXPECT_TRUE(shown.contains(name)) << name.toStdString() << " has no section";
}

TEST_F(GalleryFixture, ShowingAPageNamesItInTheTitle)
{
    for (int i = 0; i < window.Pages().size(); ++i) {
        window.ShowPage(i);
        EXPECT_EQ(window.CurrentPage(), i);
        EXPECT_EQ(window.windowTitle(), QStringLiteral("Quil gallery - ") + window.Pages()[i]->PaletteName());
    }
}

TEST(GalleryPropertyEditor, EditorsWriteFollowAndReachIntoRecords)
{
    TGSpin spin;
    TPropertyEditor editor(&spin, {"Value", "Limited", "ColorOn"});
    auto* value = qobject_cast<QSpinBox*>(editor.EditorOf(QStringLiteral("Value")));
    auto* limited = qobject_cast<QCheckBox*>(editor.EditorOf(QStringLiteral("Limited")));
    auto* colorOn = qobject_cast<QComboBox*>(editor.EditorOf(QStringLiteral("ColorOn")));
    ASSERT_TRUE(value && limited && colorOn);
    EXPECT_EQ(value->value(), spin.Value());
    EXPECT_EQ(colorOn->currentText(), QStringLiteral("clBlue"));

    value->setValue(7);
    EXPECT_EQ(spin.Value(), 7);
    limited->setChecked(!spin.Limited());
    EXPECT_EQ(limited->isChecked(), spin.Limited());
    colorOn->setCurrentIndex(colorOn->findText(QStringLiteral("clRed")));
    emit colorOn->activated(colorOn->currentIndex());
    EXPECT_EQ(spin.ColorOn(), clRed);

    spin.SetValue(12); // the user clicked the component itself
    editor.Refresh();
    EXPECT_EQ(value->value(), 12);

    TvrThermoMeter meter;
    TPropertyEditor records(&meter, {"Scale.Max", "Direction"});
    auto* direction = qobject_cast<QComboBox*>(records.EditorOf(QStringLiteral("Direction")));
    ASSERT_NE(direction, nullptr);
    EXPECT_EQ(direction->currentText(), QStringLiteral("voVertical"));
}

// What the Vr page shows can be read: the LED's caption stands out from the
// page, and the thermometer's labels end inside the control, not at its edge.
TEST_F(GalleryFixture, VrPageCaptionsAreLegibleAndLabelsUnclipped)
{
    TGalleryPage* vr = nullptr;
    for (TGalleryPage* page : window.Pages())
        if (page->PaletteName() == QLatin1String("Vr"))
            vr = page;
    ASSERT_NE(vr, nullptr);
    const auto luminance = [](QColor c) { return 0.2126 * c.redF() + 0.7152 * c.greenF() + 0.0722 * c.blueF(); };
    for (QWidget* component : vr->Components()) {
        if (auto* led = qobject_cast<TVrBlinkLed*>(component)) {
            const double text = luminance(ColorToQColor(led->Font()->Color()));
            const double page = luminance(vr->palette().color(QPalette::Window));
            EXPECT_GT(std::max(text, page) + 0.05, 4.5 * (std::min(text, page) + 0.05)) << "caption contrast";
        }
        if (auto* meter = qobject_cast<TvrThermoMeter*>(component)) {
            const QImage picture = meter->grab().toImage();
            int ink = 0; // dark label pixels in the last two columns
            for (int x = picture.width() - 2; x < picture.width(); ++x)
                for (int y = 0; y < picture.height(); ++y)
                    ink += qGray(picture.pixel(x, y)) < 64 ? 1 : 0;
            EXPECT_EQ(ink, 0) << "a label reaches the right edge";
        }
    }
}

TEST(GalleryPropertyEditor, UnknownPathsAndRefusedValuesAreReported)
{
    TVrRocker rocker;
    try {
        TPropertyEditor editor(&rocker, {"Stat"});
        FAIL() << "an unknown property is refused";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message, QStringLiteral("Gallery: TVrRocker has no property 'Stat'"));
    }

    TVrBlinkLed led;
    TPropertyEditor editor(&led, {"ColorIndex"});
    auto* index = qobject_cast<QSpinBox*>(editor.EditorOf(QStringLiteral("ColorIndex")));
    ASSERT_NE(index, nullptr);
    EXPECT_THROW(index->setValue(7), Exception);
    EXPECT_EQ(led.ColorIndex(), 1);
    editor.Refresh();
    EXPECT_EQ(index->value(), 1) << "the editor shows the kept value again";
}
