// The spin button and its auto-repeat buttons: the size rule, held-button
// repeats and the release click, OnButtonUp, keys, the focus frame and the
// companion control.

#include "widgets/KivSpinButton.h"

#include "framework/Exception.h"
#include "framework/Timer.h"
#include "widgets/TimerSpeedButton.h"

#include <QApplication>
#include <QStringList>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class TTestSpinButton : public TKivSpinButton {
public:
    using TKivSpinButton::DoEnter;
    using TKivSpinButton::KeyDown;
};

struct Events {
    QStringList list;
    explicit Events(TKivSpinButton& s)
    {
        QObject::connect(&s, &TKivSpinButton::OnUpClick, [this] { list << "up"; });
        QObject::connect(&s, &TKivSpinButton::OnDownClick, [this] { list << "down"; });
        QObject::connect(&s, &TKivSpinButton::OnButtonUp, [this] { list << "buttonup"; });
    }
};

// One tick of a button's repeat timer, as the event loop delivers it.
void Tick(TTimerSpeedButton* b) { emit b->RepeatTimer()->OnTimer(b->RepeatTimer()); }

} // namespace

TEST(KivSpinButton, SizeRulePlacesOverlappingButtons)
{
    TKivSpinButton s;
    EXPECT_EQ(QSize(s.Width(), s.Height()), QSize(20, 25));
    EXPECT_EQ(s.UpButton()->BoundsRect(), Bounds(0, 0, 20, 12));
    EXPECT_EQ(s.DownButton()->BoundsRect(), Bounds(0, 11, 20, 14));
    s.SetBounds(0, 0, 10, 30);
    EXPECT_EQ(QSize(s.Width(), s.Height()), QSize(15, 30));
    EXPECT_EQ(s.UpButton()->BoundsRect(), Bounds(0, 0, 15, 15));
    EXPECT_EQ(s.DownButton()->BoundsRect(), Bounds(0, 14, 15, 16));
    EXPECT_EQ(s.UpButton()->Glyph(), "KivSpinUp");
    EXPECT_EQ(s.DownButton()->Glyph(), "KivSpinDown");
}

TEST(KivSpinButton, HeldButtonRepeatsThenClicksOnceMoreOnRelease)
{
    TKivSpinButton s;
    Events e(s);
    TTimerSpeedButton* up = s.UpButton();
    QTest::mousePress(up, Qt::LeftButton, {}, QPoint(5, 5));
    ASSERT_NE(up->RepeatTimer(), nullptr);
    EXPECT_EQ(up->RepeatTimer()->Interval(), 400);
    EXPECT_TRUE(e.list.isEmpty());
    for (int ms = 400; ms <= 1000; ms += 100)
        Tick(up);
    EXPECT_EQ(up->RepeatTimer()->Interval(), 100);
    EXPECT_EQ(e.list.size(), 7) << "400, 500, ... 1000 ms";
    QTest::mouseRelease(up, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(e.list.mid(6), QStringList({"up", "up", "buttonup"})) << "the release click, then OnButtonUp";
    EXPECT_FALSE(up->RepeatTimer()->Enabled());
}

TEST(KivSpinButton, ReleaseOutsideDoesNotClickButLeavesTheReleasedFlag)
{
    TTestSpinButton s;
    Events e(s);
    TTimerSpeedButton* down = s.DownButton();
    QTest::mousePress(down, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseMove(down, QPoint(60, 60));
    Tick(down);
    EXPECT_TRUE(e.list.isEmpty()) << "no repeat while dragged off the button";
    QTest::mouseRelease(down, Qt::LeftButton, {}, QPoint(60, 60));
    EXPECT_TRUE(e.list.isEmpty());
    uint16_t space = VK::Space;
    s.KeyDown(space, {});
    EXPECT_EQ(e.list, QStringList({"up", "buttonup"})) << "Space clicks the focused (up) button";
    uint16_t key = VK::Down;
    s.KeyDown(key, {});
    key = VK::Up;
    s.KeyDown(key, {});
    EXPECT_EQ(e.list.mid(2), QStringList({"down", "up"}));
}

TEST(KivSpinButton, AnyMouseButtonsReleaseSetsTheReleasedFlag)
{
    TTestSpinButton s;
    Events e(s);
    QTest::mouseClick(s.UpButton(), Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_TRUE(e.list.isEmpty()) << "a right click does not click the button";
    uint16_t space = VK::Space;
    s.KeyDown(space, {});
    EXPECT_EQ(e.list, QStringList({"up", "buttonup"}));
}

TEST(KivSpinButton, FocusFrameFollowsTheFocusedButtonOnlyWithTabStop)
{
    QWidget window;
    auto* s = new TTestSpinButton;
    s->setParent(&window);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QApplication::setActiveWindow(&window);
    QTest::mousePress(s->DownButton(), Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(s->DownButton(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(s->FocusedButton(), s->UpButton()) << "TabStop off: the focused button stays";

    s->SetTabStop(true);
    QTest::mousePress(s->DownButton(), Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(s->DownButton(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(s->FocusedButton(), s->DownButton());
    s->DoEnter();
    EXPECT_TRUE(s->DownButton()->TimeBtnState().testFlag(TTimerSpeedButton::tbFocusRect));
    EXPECT_FALSE(s->UpButton()->TimeBtnState().testFlag(TTimerSpeedButton::tbFocusRect));
    const QImage framed = s->DownButton()->PaintToImage().copy();
    EXPECT_NE(framed.pixel(3, 3), framed.pixel(4, 3)) << "the dotted frame 3 pixels in";
}

TEST(KivSpinButton, PressHandsTheFocusToTheCompanion)
{
    QWidget window;
    auto* edit = new TCustomControl(&window);
    edit->SetTabStop(true);
    auto* s = new TKivSpinButton(&window);
    s->SetFocusControl(edit);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QApplication::setActiveWindow(&window);
    QTest::mousePress(s->UpButton(), Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(s->UpButton(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(edit->hasFocus());
    delete edit;
    QTest::mousePress(s->UpButton(), Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(s->UpButton(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(s->FocusControl(), nullptr) << "a companion that went is skipped";
}

TEST(KivSpinButton, GlyphsByName)
{
    TKivSpinButton s;
    EXPECT_THROW(s.SetUpGlyph(QStringLiteral("NoSuchPicture")), Exception);
    EXPECT_EQ(s.UpButton()->Glyph(), "KivSpinUp") << "the old glyph stays";
    s.SetUpGlyph(QStringLiteral("KivSpinDown"));
    EXPECT_EQ(s.UpButton()->Glyph(), "KivSpinDown");
    s.SetUpGlyph(QString());
    EXPECT_EQ(s.UpButton()->Glyph(), "KivSpinUp");
    EXPECT_EQ(s.UpGlyph(), "");
}

TEST(KivSpinButton, ArrowKeysClickTheirButtonAndSpaceTheFocusedOne)
{
    QWidget window;
    auto* s = new TTestSpinButton;
    s->setParent(&window);
    s->SetTabStop(true);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QApplication::setActiveWindow(&window);
    Events e(*s);
    for (uint16_t key : {VK::Down, VK::Space, VK::Up, VK::Space}) {
        uint16_t k = key;
        s->KeyDown(k, {});
    }
    EXPECT_EQ(e.list, QStringList({"down", "down", "up", "up"}));
    EXPECT_EQ(s->FocusedButton(), s->UpButton());
    QTest::mousePress(s->DownButton(), Qt::RightButton, {}, QPoint(5, 5));
    QTest::mouseRelease(s->DownButton(), Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_EQ(s->FocusedButton(), s->UpButton()) << "only a left press moves the focus";
}

// The focus frame stands 3 pixels inside the button, one further right and
// down while the button is shown pressed.
TEST(KivSpinButton, TheFocusFrameMovesWithThePressedButton)
{
    TKivSpinButton s;
    s.SetBounds(0, 0, 20, 40);
    TTimerSpeedButton* up = s.UpButton();
    const auto frameCorner = [&] {
        up->SetTimeBtnState(TTimerSpeedButton::tbAllowTimer);
        const QImage plain = up->PaintToImage().copy();
        up->SetTimeBtnState(TTimerSpeedButton::tbAllowTimer | TTimerSpeedButton::tbFocusRect);
        const QImage framed = up->PaintToImage().copy();
        QPoint corner(plain.width(), plain.height());
        for (int y = 0; y < plain.height(); ++y)
            for (int x = 0; x < plain.width(); ++x)
                if (plain.pixel(x, y) != framed.pixel(x, y))
                    corner = QPoint(std::min(corner.x(), x), std::min(corner.y(), y));
        return corner;
    };
    EXPECT_EQ(frameCorner(), QPoint(3, 3));
    QTest::mousePress(up, Qt::LeftButton, {}, QPoint(5, 5));
    ASSERT_TRUE(up->Pressed());
    EXPECT_EQ(frameCorner(), QPoint(4, 4));
    QTest::mouseRelease(up, Qt::LeftButton, {}, QPoint(5, 5));
}
