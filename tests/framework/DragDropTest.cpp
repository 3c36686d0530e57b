// Drag and drop between controls, hints that follow the parent, and the
// typed-character event: what the framework gives every control.

#include "framework/DragCursor.h"
#include "framework/DragOperation.h"
#include "framework/Panel.h"

#include <QApplication>
#include <QDrag>
#include <QHelpEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <QToolTip>
#include <gtest/gtest.h>

namespace {

// Stands in for the platform: the pointer enters `target` at `at`, then the
// button is released there (a drop where the target accepts, else it leaves).
struct DropOn {
    QWidget* target;
    QPoint at;
    int runs = 0;
    QImage moveCursor, noDropCursor;
    Qt::DropAction operator()(QDrag& drag)
    {
        ++runs;
        moveCursor = drag.dragCursor(Qt::MoveAction).toImage();
        noDropCursor = drag.dragCursor(Qt::IgnoreAction).toImage();
        QDragEnterEvent enter(at, Qt::MoveAction, drag.mimeData(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        if (!enter.isAccepted() || enter.dropAction() == Qt::IgnoreAction) {
            QDragLeaveEvent leave;
            QApplication::sendEvent(target, &leave);
            return Qt::IgnoreAction;
        }
        QDropEvent drop(at, Qt::MoveAction, drag.mimeData(), Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(target, &drop);
        return drop.isAccepted() ? drop.dropAction() : Qt::IgnoreAction;
    }
};

struct Ends {
    QObject* target = reinterpret_cast<QObject*>(1); // "not raised"
    QPoint at;
};

class DragDrop : public ::testing::Test {
protected:
    TPanel window;
    TPanel* source = new TPanel(&window);
    TPanel* target = new TPanel(&window);
    std::shared_ptr<DropOn> platform = std::make_shared<DropOn>(DropOn{target, QPoint(7, 9)});
    TDragOperation::TExecutor previous;
    Ends ends;
    QList<TDragState> states;
    int starts = 0;

    void SetUp() override
    {
        source->SetBounds(0, 0, 40, 40);
        target->SetBounds(50, 0, 40, 40);
        previous = TDragOperation::SetExecutor([p = platform](QDrag& d) { return (*p)(d); });
        QObject::connect(source, &TControl::OnStartDrag, [this](QObject*) { ++starts; });
        QObject::connect(source, &TControl::OnEndDrag, [this](QObject*, QObject* t, int x, int y) {
            ends.target = t;
            ends.at = QPoint(x, y);
        });
    }
    void TearDown() override { TDragOperation::SetExecutor(previous); }
    // The target's OnDragOver answers `accept`.
    void TargetAnswers(bool accept)
    {
        QObject::connect(target, &TControl::OnDragOver,
                         [this, accept](QObject*, QObject* src, int, int, TDragState state, bool& a) {
                             EXPECT_EQ(src, source);
                             states << state;
                             a = accept;
                         });
    }
    void Mouse(QEvent::Type type, QPoint p, Qt::MouseButton button, Qt::MouseButtons held)
    {
        QMouseEvent e(type, p, source->mapToGlobal(p), button, held, Qt::NoModifier);
        QApplication::sendEvent(source, &e);
    }
};

TEST_F(DragDrop, AnAcceptedDropReachesTheTargetAndTheSourceLearnsWhere)
{
    TargetAnswers(true);
    QObject* droppedSource = nullptr;
    QPoint droppedAt;
    QObject::connect(target, &TControl::OnDragDrop, [&](QObject* sender, QObject* src, int x, int y) {
        EXPECT_EQ(sender, target);
        droppedSource = src;
        droppedAt = QPoint(x, y);
    });
    source->BeginDrag(true);
    EXPECT_EQ(starts, 1);
    EXPECT_EQ(droppedSource, source);
    EXPECT_EQ(droppedAt, QPoint(7, 9));
    EXPECT_EQ(ends.target, target);
    EXPECT_EQ(ends.at, QPoint(7, 9));
    EXPECT_EQ(states, QList<TDragState>{dsDragEnter});
    EXPECT_FALSE(source->Dragging());
    EXPECT_EQ(TDragOperation::Current(), nullptr);
}

TEST_F(DragDrop, TheDragShowsTheSourcesDragCursorAndTheNoDropCursor)
{
    for (const TCursor shape : {crDrag, crMultiDrag}) {
        source->SetDragCursor(shape);
        source->BeginDrag(true);
        EXPECT_FALSE(platform->moveCursor.isNull());
        EXPECT_EQ(platform->moveCursor, DragCursorPixmap(shape).toImage()) << int(shape);
        EXPECT_EQ(platform->noDropCursor, DragCursorPixmap(crNoDrop).toImage());
    }
    EXPECT_NE(DragCursorPixmap(crDrag).toImage(), DragCursorPixmap(crMultiDrag).toImage());
}

TEST_F(DragDrop, ARefusedOrUnansweredDropEndsWithoutATarget)
{
    for (const bool handler : {true, false}) {
        SCOPED_TRACE(handler ? "handler refuses" : "no OnDragOver handler");
        if (handler)
            TargetAnswers(false);
        int drops = 0;
        const auto c = QObject::connect(target, &TControl::OnDragDrop, [&] { ++drops; });
        ends = Ends();
        source->BeginDrag(true);
        EXPECT_EQ(drops, 0);
        EXPECT_EQ(ends.target, nullptr);
        EXPECT_EQ(ends.at, QPoint(0, 0));
        QObject::disconnect(c);
        QObject::disconnect(target, &TControl::OnDragOver, nullptr, nullptr);
    }
    EXPECT_EQ(states, (QList<TDragState>{dsDragEnter, dsDragLeave}));
}

TEST_F(DragDrop, AutomaticModeBeginsPastTheThresholdAndTakesThePress)
{
    TargetAnswers(true);
    source->SetDragMode(dmAutomatic);
    int downs = 0;
    QObject::connect(source, &TControl::OnMouseDown, [&] { ++downs; });
    const int threshold = QApplication::startDragDistance();
    // A release before the pointer moved far enough: started, ended, no drag run.
    Mouse(QEvent::MouseButtonPress, QPoint(5, 5), Qt::LeftButton, Qt::LeftButton);
    Mouse(QEvent::MouseMove, QPoint(5 + threshold - 1, 5), Qt::NoButton, Qt::LeftButton);
    EXPECT_TRUE(source->Dragging());
    Mouse(QEvent::MouseButtonRelease, QPoint(5 + threshold - 1, 5), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(platform->runs, 0);
    EXPECT_EQ(ends.target, nullptr);
    EXPECT_FALSE(source->Dragging());
    // Past the threshold the drag runs and drops.
    Mouse(QEvent::MouseButtonPress, QPoint(5, 5), Qt::LeftButton, Qt::LeftButton);
    Mouse(QEvent::MouseMove, QPoint(5, 5 + threshold), Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(platform->runs, 1);
    EXPECT_EQ(ends.target, target);
    EXPECT_EQ(starts, 2);
    EXPECT_EQ(downs, 0) << "an automatic drag takes the press";
    // Manual mode presses are presses again.
    source->SetDragMode(dmManual);
    Mouse(QEvent::MouseButtonPress, QPoint(5, 5), Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(downs, 1);
    EXPECT_FALSE(source->Dragging());
}

TEST_F(DragDrop, DockDragsRaiseTheDockEventsAndFindNoTarget)
{
    TargetAnswers(true);
    source->SetDragKind(dkDock);
    int dockStarts = 0;
    QObject* dockTarget = source;
    QObject::connect(source, &TControl::OnStartDock, [&] { ++dockStarts; });
    QObject::connect(source, &TControl::OnEndDock, [&](QObject*, QObject* t) { dockTarget = t; });
    source->BeginDrag(true);
    EXPECT_EQ(dockStarts, 1);
    EXPECT_EQ(dockTarget, nullptr);
    EXPECT_EQ(starts, 0);
    EXPECT_TRUE(states.isEmpty()) << "no control is asked to take a dock drag";
}

TEST_F(DragDrop, DragsOfOtherProgramsAreRefused)
{
    TargetAnswers(true);
    QMimeData foreign;
    foreign.setData("application/x-quil-control-drag", "1");
    foreign.setText("file");
    QDragEnterEvent enter(QPoint(1, 1), Qt::MoveAction, &foreign, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    EXPECT_FALSE(enter.isAccepted());
    EXPECT_TRUE(states.isEmpty());
}

// ---- hints ---------------------------------------------------------------

// The tool-tip event is taken (accepted) by the control or parent that shows a tip.
bool ShowsToolTip(TControl* control)
{
    QHelpEvent help(QEvent::ToolTip, QPoint(2, 2), control->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(control, &help);
    return help.isAccepted() && QToolTip::text() == control->Hint();
}

TEST(Hints, ParentShowHintFollowsTheParentUntilShowHintIsSet)
{
    TPanel window;
    auto* panel = new TPanel(&window);
    auto* child = new TPanel(panel);
    window.SetBounds(0, 0, 100, 100);
    panel->SetBounds(0, 0, 80, 80);
    child->SetBounds(0, 0, 40, 40);
    child->SetHint("child hint");
    window.show();
    QSignalSpy parentShowHint(child, &TControl::ParentShowHintChanged);
    EXPECT_TRUE(child->ParentShowHint());
    EXPECT_FALSE(ShowsToolTip(child)) << "no hint while ShowHint is off";
    window.SetShowHint(true); // through the panel to the child
    EXPECT_TRUE(panel->ShowHint());
    EXPECT_TRUE(child->ShowHint());
    EXPECT_TRUE(ShowsToolTip(child));
    child->SetShowHint(false);
    EXPECT_FALSE(child->ParentShowHint());
    EXPECT_EQ(parentShowHint.count(), 1);
    EXPECT_FALSE(ShowsToolTip(child));
    window.SetShowHint(false);
    window.SetShowHint(true);
    EXPECT_FALSE(child->ShowHint()) << "no longer following";
    child->SetParentShowHint(true);
    EXPECT_TRUE(child->ShowHint());
    EXPECT_EQ(parentShowHint.count(), 2);
    // A control placed later takes its new parent's setting.
    auto* late = new TPanel;
    late->setParent(panel);
    EXPECT_TRUE(late->ShowHint());
    delete late;
}

TEST(TypedCharacters, FollowTheKeyDownAlsoForKeysWithoutAVirtualCode)
{
    TPanel panel;
    QString typed;
    QStringList order;
    QObject::connect(&panel, &TControl::OnKeyDown, [&](QObject*, uint16_t&, TShiftState) { order << "down"; });
    QObject::connect(&panel, &TControl::OnKeyPress, [&](QObject*, QChar& key) {
        order << "press";
        typed += key;
    });
    QTest::keyClick(&panel, Qt::Key_A);
    QTest::keyClick(&panel, Qt::Key_Comma, Qt::NoModifier);
    QTest::keyClick(&panel, Qt::Key_Return);
    EXPECT_EQ(typed, QStringLiteral("a,\r"));
    EXPECT_EQ(order, (QStringList{"down", "press", "press", "down", "press"}));
}

} // namespace
