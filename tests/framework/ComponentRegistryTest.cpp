// The component registry: classes with factory, page and palette bitmap,
// found by name ignoring case, listed by page.

#include "StreamTestComponents.h"

#include "framework/ComponentRegistry.h"
#include "framework/Form.h"
#include "framework/Panel.h"
#include "framework/RegisterStandard.h"
#include "framework/Timer.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

QStringList ClassNames(const QList<TComponentClass>& classes)
{
    QStringList names;
    for (const TComponentClass& c : classes)
        names.append(c.ClassName);
    return names;
}

TEST(ComponentRegistry, RecordsClassPageBitmapAndFactory)
{
    RegisterComponents("Registry page A", {TComponentClass::Of<TTestWidget>("TTESTWIDGETBMP")});
    const auto c = FindComponentClass("ttestWIDGET");
    ASSERT_TRUE(c.has_value());
    EXPECT_EQ(c->ClassName, "TTestWidget");
    EXPECT_EQ(c->Page, "Registry page A");
    EXPECT_EQ(c->PaletteBitmap, "TTESTWIDGETBMP");
    EXPECT_EQ(c->Meta, &TTestWidget::staticMetaObject);
    TTestRoot parent;
    QObject* made = c->Create(&parent);
    EXPECT_TRUE(qobject_cast<TTestWidget*>(made));
    EXPECT_EQ(made->parent(), &parent);
    // Non-visual classes get a plain QObject parent.
    RegisterComponents("Registry page A", {TComponentClass::Of<TTestNonVisual>()});
    QObject owner;
    QObject* nonVisual = FindComponentClass("TTestNonVisual")->Create(&owner);
    EXPECT_EQ(nonVisual->parent(), &owner);
    RegisterStreamTestComponents(); // put the test classes back on their own page
}

TEST(ComponentRegistry, UnknownClassesAreNotFound) { EXPECT_FALSE(FindComponentClass("TNoSuchComponent").has_value()); }

TEST(ComponentRegistry, ReRegistrationReplacesWithoutDuplicates)
{
    RegisterComponents("Registry page B", {TComponentClass::Of<TTestRoot>("FIRST")});
    RegisterComponents("Registry page C", {TComponentClass::Of<TTestRoot>("SECOND")});
    const auto all = ClassNames(RegisteredComponentClasses());
    EXPECT_EQ(all.count("TTestRoot"), 1);
    EXPECT_EQ(FindComponentClass("TTestRoot")->Page, "Registry page C");
    EXPECT_EQ(FindComponentClass("TTestRoot")->PaletteBitmap, "SECOND");
    EXPECT_TRUE(ComponentClassesOfPage("Registry page B").isEmpty());
    RegisterStreamTestComponents();
}

TEST(ComponentRegistry, ListsPagesInFirstUseOrderAndClassesInRegistrationOrder)
{
    RegisterStandardComponents();
    RegisterComponents("Registry page D", {TComponentClass::Of<TTestWidget>(), TComponentClass::Of<TTestNonVisual>()});
    const QStringList pages = ComponentPages();
    EXPECT_TRUE(pages.contains("Standard"));
    EXPECT_GT(pages.indexOf("Registry page D"), pages.indexOf("Standard"));
    EXPECT_FALSE(pages.contains(QString()));
    EXPECT_EQ(ClassNames(ComponentClassesOfPage("registry PAGE d")).join(','), "TTestWidget,TTestNonVisual");
    RegisterStreamTestComponents();
}

TEST(ComponentRegistry, StandardControlsAndForms)
{
    RegisterStandardComponents();
    RegisterStandardComponents(); // harmless twice
    EXPECT_EQ(ClassNames(ComponentClassesOfPage(PalettePage::Standard)).join(','),
              "TPanel,TGroupBox,TImage,TSpeedButton,TLabel,TTimer,TPopupMenu");
    EXPECT_EQ(FindComponentClass("TTimer")->PaletteBitmap, "TTIMER");
    // Forms are readable by name but sit on no palette page.
    const auto form = FindComponentClass("TForm");
    ASSERT_TRUE(form.has_value());
    EXPECT_TRUE(form->Page.isEmpty());
    std::unique_ptr<QObject> f(form->Create(nullptr));
    EXPECT_TRUE(qobject_cast<TForm*>(f.get()));
}

} // namespace
