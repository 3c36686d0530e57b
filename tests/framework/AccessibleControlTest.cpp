// The framework's accessibility: speed buttons and pictures that answer the
// mouse are buttons whose press action clicks them as the mouse does.

#include "framework/Image.h"
#include "framework/SpeedButton.h"

#include <QAccessible>
#include <QStringList>
#include <gtest/gtest.h>

namespace {
const QString kPress = QAccessibleActionInterface::pressAction();

QStringList Actions(QWidget* w)
{
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    return a && a->actionInterface() ? a->actionInterface()->actionNames() : QStringList();
}
} // namespace

TEST(AccessibleControl, ASpeedButtonIsNamedByItsCaptionElseItsHint)
{
    TSpeedButton button;
    button.setObjectName("CloseButton");
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(&button);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->role(), QAccessible::Button);
    EXPECT_EQ(a->text(QAccessible::Name), "Button");
    button.SetHint("Close the window");
    EXPECT_EQ(a->text(QAccessible::Name), "Close the window");
    button.SetCaption("CLOSE");
    EXPECT_EQ(a->text(QAccessible::Name), "CLOSE");
}

TEST(AccessibleControl, PressingASpeedButtonClicksItUnlessDisabled)
{
    TSpeedButton button;
    button.resize(40, 20);
    QStringList events;
    QObject::connect(&button, &TControl::OnMouseDown, [&] { events << "down"; });
    QObject::connect(&button, &TControl::OnClick, [&] { events << "click"; });
    QObject::connect(&button, &TControl::OnMouseUp, [&] { events << "up"; });
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(&button);
    ASSERT_TRUE(Actions(&button).contains(kPress));
    a->actionInterface()->doAction(kPress);
    EXPECT_EQ(events, QStringList({"down", "click", "up"})) << "the mouse's order";
    EXPECT_FALSE(button.Pressed());
    button.SetEnabled(false);
    a->actionInterface()->doAction(kPress);
    EXPECT_EQ(events.size(), 3);
}

TEST(AccessibleControl, APictureIsAKeyOnlyWhileItAnswersTheMouse)
{
    TImage image;
    image.resize(30, 30);
    image.setAccessibleName("Target temperature");
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(&image);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->role(), QAccessible::Graphic);
    EXPECT_FALSE(Actions(&image).contains(kPress));
    int downs = 0, ups = 0;
    QObject::connect(&image, &TControl::OnMouseDown, [&] { ++downs; });
    QObject::connect(&image, &TControl::OnMouseUp, [&] { ++ups; });
    EXPECT_EQ(a->role(), QAccessible::Button);
    ASSERT_TRUE(Actions(&image).contains(kPress));
    a->actionInterface()->doAction(kPress);
    EXPECT_EQ(downs, 1);
    EXPECT_EQ(ups, 1);
    EXPECT_EQ(a->text(QAccessible::Name), "Target temperature");
}

TEST(AccessibleControl, AControlInAWindowNeverMappedIsInvisible)
{
    TSpeedButton button;
    button.resize(40, 20);
    button.show();
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(&button);
    EXPECT_FALSE(a->state().invisible);
    button.setAttribute(Qt::WA_DontShowOnScreen); // as a Qt Quick item holds it
    EXPECT_TRUE(a->state().invisible);
}
