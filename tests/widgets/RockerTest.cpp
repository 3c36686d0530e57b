#include "widgets/VrRocker.h"

#include "support/TestSupport.h"

#include <QAccessible>
#include <QMetaEnum>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Opens the input handlers so the press rules can be driven step by step.
class ProbeRocker : public TVrRocker {
public:
    using TVrRocker::MouseDown;
    using TVrRocker::MouseEnter;
    using TVrRocker::MouseLeave;
    using TVrRocker::MouseMove;
    using TVrRocker::MouseUp;

    void Press(int x, int y) { MouseDown(mbLeft, ssLeft, x, y); }
    void Release(int x, int y) { MouseUp(mbLeft, {}, x, y); }
};

// The demo's rocker: 25 x 57, a switch, starting with the upper half down.
struct DemoRocker {
    ProbeRocker rocker;
    QSignalSpy upper{&rocker, &TVrRocker::OnUpperClick};
    QSignalSpy lower{&rocker, &TVrRocker::OnLowerClick};
    DemoRocker()
    {
        rocker.resize(25, 57);
        rocker.SetStyle(TVrRocker::rsSwitch);
        rocker.SetState(TVrRocker::stUpperDown);
    }
    int Clicks() const { return int(upper.count() + lower.count()); }
};

constexpr int UpperY = 10;
constexpr int LowerY = 40;

} // namespace

TEST(RockerSwitch, ClickOnTheHalfAlreadyDownRaisesNothing)
{
    DemoRocker d;
    d.rocker.Press(12, UpperY);
    d.rocker.Release(12, UpperY);
    EXPECT_EQ(d.Clicks(), 0);
    EXPECT_EQ(d.rocker.State(), TVrRocker::stUpperDown);
}

TEST(RockerSwitch, ClickOnTheOtherHalfShowsItAtOnceAndRaisesItsEventOnRelease)
{
    DemoRocker d;
    d.rocker.Press(12, LowerY);
    EXPECT_EQ(d.rocker.State(), TVrRocker::stLowerDown);
    EXPECT_EQ(d.Clicks(), 0);
    d.rocker.Release(12, LowerY);
    EXPECT_EQ(d.lower.count(), 1);
    EXPECT_EQ(d.upper.count(), 0);
    EXPECT_EQ(d.lower.at(0).at(0).value<QObject*>(), &d.rocker);
    EXPECT_EQ(d.rocker.State(), TVrRocker::stLowerDown);

    d.rocker.Press(12, UpperY);
    d.rocker.Release(12, UpperY);
    EXPECT_EQ(d.upper.count(), 1);
    EXPECT_EQ(d.rocker.State(), TVrRocker::stUpperDown);
}

TEST(RockerSwitch, StateSetThroughThePropertyRaisesNoClick)
{
    DemoRocker d;
    d.rocker.SetState(TVrRocker::stLowerDown);
    d.rocker.SetState(TVrRocker::stUpperDown);
    EXPECT_EQ(d.Clicks(), 0);
}

TEST(RockerButton, PressShowsTheHalfWhileHeldThenSpringsBackBeforeTheEvent)
{
    ProbeRocker rocker;
    rocker.resize(25, 57);
    ASSERT_EQ(rocker.Style(), TVrRocker::rsButton);
    ASSERT_EQ(rocker.State(), TVrRocker::stNone);
    TVrRocker::TVrRockerState seenInHandler = TVrRocker::stLowerDown;
    int lowerClicks = 0;
    QObject::connect(&rocker, &TVrRocker::OnLowerClick, [&](QObject*) {
        ++lowerClicks;
        seenInHandler = rocker.State();
    });

    rocker.Press(5, LowerY);
    EXPECT_EQ(rocker.State(), TVrRocker::stLowerDown);
    rocker.Release(5, LowerY);
    EXPECT_EQ(lowerClicks, 1);
    EXPECT_EQ(seenInHandler, TVrRocker::stNone);
    EXPECT_EQ(rocker.State(), TVrRocker::stNone);
}

TEST(RockerButton, ChoosingButtonStyleReleasesTheSwitch)
{
    DemoRocker d;
    d.rocker.SetStyle(TVrRocker::rsButton);
    EXPECT_EQ(d.rocker.State(), TVrRocker::stNone);
    EXPECT_EQ(d.Clicks(), 0);
}

TEST(RockerPress, DraggedOutsideAndReleasedThereIsCancelled)
{
    DemoRocker d;
    d.rocker.Press(12, LowerY);
    d.rocker.MouseLeave();
    d.rocker.Release(60, LowerY);
    EXPECT_EQ(d.Clicks(), 0);
    EXPECT_EQ(d.rocker.State(), TVrRocker::stUpperDown);
}

TEST(RockerPress, CancelledByMovingOutEvenWithoutALeaveReport)
{
    // Platforms may hold enter and leave back while a button is down.
    DemoRocker d;
    d.rocker.Press(12, LowerY);
    d.rocker.MouseMove(ssLeft, 12, 70);
    d.rocker.Release(12, 70);
    EXPECT_EQ(d.Clicks(), 0);
    EXPECT_EQ(d.rocker.State(), TVrRocker::stUpperDown);
}

TEST(RockerPress, DraggedBackInCounts)
{
    DemoRocker d;
    d.rocker.Press(12, LowerY);
    d.rocker.MouseLeave();
    d.rocker.MouseMove(ssLeft, -5, LowerY);
    d.rocker.MouseEnter();
    d.rocker.MouseMove(ssLeft, 12, UpperY); // the half chosen at the press stays
    d.rocker.Release(12, UpperY);
    EXPECT_EQ(d.lower.count(), 1);
    EXPECT_EQ(d.upper.count(), 0);
    EXPECT_EQ(d.rocker.State(), TVrRocker::stLowerDown);
}

TEST(RockerPress, OtherButtonsNeitherPressNorUndoTheSwitch)
{
    DemoRocker d;
    d.rocker.MouseDown(mbRight, ssRight, 12, LowerY);
    EXPECT_EQ(d.rocker.State(), TVrRocker::stUpperDown);
    d.rocker.MouseUp(mbRight, {}, 12, LowerY);
    EXPECT_EQ(d.rocker.State(), TVrRocker::stUpperDown);

    d.rocker.Press(12, LowerY);
    d.rocker.Release(12, LowerY);
    ASSERT_EQ(d.rocker.State(), TVrRocker::stLowerDown);
    // A later stray release must not bring back the position before that press.
    d.rocker.MouseUp(mbRight, {}, 12, LowerY);
    d.rocker.MouseLeave();
    d.rocker.MouseUp(mbLeft, {}, 12, LowerY);
    EXPECT_EQ(d.rocker.State(), TVrRocker::stLowerDown);
    EXPECT_EQ(d.lower.count(), 1);
}

TEST(RockerPress, RealMouseEventsReachTheRules)
{
    DemoRocker d;
    d.rocker.show();
    QTest::mousePress(&d.rocker, Qt::LeftButton, {}, QPoint(12, LowerY));
    EXPECT_EQ(d.rocker.State(), TVrRocker::stLowerDown);
    QTest::mouseRelease(&d.rocker, Qt::LeftButton, {}, QPoint(12, LowerY));
    EXPECT_EQ(d.lower.count(), 1);
}

TEST(RockerHalves, OddHeightLeavesTheLastRowToNeither)
{
    DemoRocker d; // 57 high: halves of 28 rows
    EXPECT_EQ(d.rocker.NewState(0, 0), TVrRocker::stUpperDown);
    EXPECT_EQ(d.rocker.NewState(24, 27), TVrRocker::stUpperDown);
    EXPECT_EQ(d.rocker.NewState(0, 28), TVrRocker::stLowerDown);
    EXPECT_EQ(d.rocker.NewState(24, 55), TVrRocker::stLowerDown);
    EXPECT_EQ(d.rocker.NewState(12, 56), TVrRocker::stNone);
    EXPECT_EQ(d.rocker.NewState(25, 10), TVrRocker::stNone);
    EXPECT_EQ(d.rocker.NewState(-1, 10), TVrRocker::stNone);
}

TEST(RockerAccessibility, ReadsNameAndPosition)
{
    DemoRocker d;
    d.rocker.setObjectName("VrRocker1");
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(&d.rocker);
    ASSERT_NE(face, nullptr);
    EXPECT_EQ(face->text(QAccessible::Name), "Rocker switch") << "never the component name";
    EXPECT_EQ(face->text(QAccessible::Value), "Upper half down");
    d.rocker.SetState(TVrRocker::stLowerDown);
    EXPECT_EQ(face->text(QAccessible::Value), "Lower half down");
    d.rocker.SetStyle(TVrRocker::rsButton);
    EXPECT_EQ(face->text(QAccessible::Value), "Released");
    d.rocker.setAccessibleName("Cooling");
    EXPECT_EQ(face->text(QAccessible::Name), "Cooling");
    EXPECT_EQ(face->role(), QAccessible::Button);
}

// Each half's action is a press and release there: the click events come
// as from the mouse, and the switch rule (the half already down raises
// nothing) holds for them too.
TEST(RockerAccessibility, TheHalfActionsClickAsTheMouseDoes)
{
    DemoRocker d;
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(&d.rocker);
    ASSERT_NE(face, nullptr);
    QAccessibleActionInterface* actions = face->actionInterface();
    ASSERT_NE(actions, nullptr);
    EXPECT_TRUE(face->state().pressed);
    actions->doAction(TVrRocker::PressUpperAction());
    EXPECT_EQ(d.Clicks(), 0) << "the upper half is down already";
    actions->doAction(TVrRocker::PressLowerAction());
    EXPECT_EQ(d.lower.count(), 1);
    EXPECT_EQ(d.rocker.State(), TVrRocker::stLowerDown);
    EXPECT_EQ(face->textInterface()->text(0, -1), "Lower half down");
    d.rocker.SetStyle(TVrRocker::rsButton);
    actions->doAction(TVrRocker::PressUpperAction());
    EXPECT_EQ(d.upper.count(), 1);
    EXPECT_EQ(d.rocker.State(), TVrRocker::stNone) << "a button springs back";
    EXPECT_FALSE(face->state().pressed);
}
