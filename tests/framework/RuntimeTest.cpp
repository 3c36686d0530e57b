// Timers, threads, the application's exception handling and the control base.

#include "framework/Application.h"
#include "framework/Control.h"
#include "framework/Exception.h"
#include "framework/Screen.h"
#include "framework/Thread.h"
#include "framework/Timer.h"
#include "support/TestSupport.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

TEST(Timer, FiresOnlyWhenEnabledWithAHandler)
{
    TTimer t;
    t.SetInterval(10);
    EXPECT_FALSE(t.Running()) << "no handler assigned yet";
    int ticks = 0;
    QObject::connect(&t, &TTimer::OnTimer, [&](QObject* sender) {
        EXPECT_EQ(sender, &t);
        ++ticks;
    });
    EXPECT_TRUE(t.Running());
    ASSERT_TRUE(QTest::qWaitFor([&] { return ticks >= 2; }, 5000));
    EXPECT_GE(ticks, 2);
    t.SetEnabled(false);
    const int stopped = ticks;
    QTest::qWait(40);
    EXPECT_EQ(ticks, stopped);
    t.SetEnabled(true);
    t.SetInterval(0);
    EXPECT_FALSE(t.Running()) << "an interval of 0 stops the timer";
}

TEST(Timer, ChangingTheIntervalRestartsTheCount)
{
    TTimer t;
    t.SetInterval(80);
    int ticks = 0;
    QObject::connect(&t, &TTimer::OnTimer, [&] { ++ticks; });
    QTest::qWait(60);
    ticks = 0;
    QElapsedTimer clock;
    clock.start();
    t.SetInterval(400); // restarts: the next tick is 400 ms from now, not 20
    ASSERT_TRUE(QTest::qWaitFor([&] { return ticks >= 1; }, 5000)) << "the timer never fired again";
    EXPECT_GE(clock.elapsed(), 350);
}

namespace {

class CountingThread : public TThread {
public:
    CountingThread() : TThread(true) {}
    std::atomic<int> synced{0};
    int guiValue = 0; // touched only on the user-interface thread

protected:
    void Execute() override
    {
        while (!Terminated()) {
            Synchronize([this] {
                ++guiValue;
                synced = guiValue;
            });
            Sleep(1);
        }
    }
};

class ThrowingThread : public TThread {
public:
    ThrowingThread() : TThread(true) {}

protected:
    void Execute() override { throw Exception(QStringLiteral("worker failed")); }
};

class SelfFreeingThread : public TThread {
public:
    explicit SelfFreeingThread(std::atomic<bool>* destroyed) : TThread(true), destroyed_(destroyed) {}
    ~SelfFreeingThread() override { *destroyed_ = true; }

protected:
    void Execute() override {}

private:
    std::atomic<bool>* destroyed_;
};

// Created running; its own constructor takes a while after the base one.
class SlowlyBuiltThread : public TThread {
public:
    SlowlyBuiltThread() : TThread(false)
    {
        TThread::Sleep(30);
        built = true;
    }
    std::atomic<bool> built{false};
    std::atomic<bool> sawBuilt{false};
    std::atomic<bool> ran{false};

protected:
    void Execute() override
    {
        sawBuilt = built.load();
        ran = true;
    }
};

// Hands over a call that throws, then one that works.
class SyncThrowingThread : public TThread {
public:
    SyncThrowingThread() : TThread(true) {}
    QString caught;
    std::atomic<bool> secondRan{false};

protected:
    void Execute() override
    {
        try {
            Synchronize([] { throw Exception(QStringLiteral("handler failed")); });
        } catch (const Exception& e) {
            caught = e.Message;
        }
        Synchronize([this] { secondRan = true; });
        Synchronize([] { throw Exception(QStringLiteral("left to the worker")); });
    }
};

} // namespace

TEST(Thread, CreatedRunningStartsOnlyOnceBuilt)
{
    auto t = std::make_unique<SlowlyBuiltThread>();
    EXPECT_TRUE(QTest::qWaitFor([&] { return t->ran.load(); }, 5000)) << "the message loop starts it";
    EXPECT_TRUE(t->sawBuilt) << "Execute ran before the derived constructor had finished";

    // Destroyed before the loop turns: it never starts and nothing is left behind.
    auto early = std::make_unique<SlowlyBuiltThread>();
    early.reset();
    QCoreApplication::processEvents();

    auto waited = std::make_unique<SlowlyBuiltThread>();
    waited->WaitFor(); // starts it at once rather than waiting on a thread never started
    EXPECT_TRUE(waited->ran);
}

TEST(Thread, AnExceptionInASynchronizedCallReachesTheWorker)
{
    auto t = std::make_unique<SyncThrowingThread>();
    t->Resume();
    t->WaitFor(); // hung for ever when the exception escaped the user-interface side
    EXPECT_EQ(t->caught, QStringLiteral("handler failed"));
    EXPECT_TRUE(t->secondRan);
    EXPECT_EQ(t->FatalException(), QStringLiteral("left to the worker"));
}

TEST(Thread, SynchronizeRunsOnTheGuiThreadAndWaitForDoesNotDeadlock)
{
    // On the heap: the sanitizer cannot tell a reused stack mutex from the old one.
    auto t = std::make_unique<CountingThread>();
    t->Resume();
    QElapsedTimer clock;
    clock.start();
    while (t->synced < 3 && clock.elapsed() < 5000)
        QCoreApplication::processEvents();
    EXPECT_GE(t->synced, 3);
    t->Terminate();
    t->WaitFor(); // the worker may be inside Synchronize right now
    EXPECT_TRUE(t->Finished());
    EXPECT_EQ(t->guiValue, t->synced);
}

TEST(Thread, AnEscapingExceptionIsKept)
{
    auto t = std::make_unique<ThrowingThread>();
    t->Resume();
    t->WaitFor();
    EXPECT_EQ(t->FatalException(), QStringLiteral("worker failed"));
}

TEST(Thread, FreeOnTerminateReleasesItself)
{
    std::atomic<bool> destroyed{false};
    auto* t = new SelfFreeingThread(&destroyed);
    t->FreeOnTerminate = true;
    t->Resume();
    QElapsedTimer clock;
    clock.start();
    while (!destroyed && clock.elapsed() < 5000)
        QTest::qWait(5);
    EXPECT_TRUE(destroyed);
}

TEST(Thread, TickCountAdvances)
{
    const uint32_t a = GetTickCount();
    TThread::Sleep(20);
    const uint32_t b = GetTickCount();
    EXPECT_GE(b - a, 19u);
    EXPECT_LT(b - a, 2000u);
}

namespace {

class ThrowingControl : public TCustomControl {
public:
    using TCustomControl::TCustomControl;

protected:
    void MouseDown(TMouseButton, TShiftState, int, int) override
    {
        throw Exception(QStringLiteral("Error in a handler"));
    }
};

class RecordingControl : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    QStringList log;

protected:
    void Paint() override
    {
        Canvas().Brush.Color = clRed;
        Canvas().FillRect(ClientRect());
        log << QStringLiteral("paint");
    }
    void MouseDown(TMouseButton b, TShiftState s, int x, int y) override
    {
        log << QStringLiteral("down %1 %2,%3%4").arg(int(b)).arg(x).arg(y).arg(s.testFlag(ssShift) ? " shift" : "");
        TCustomControl::MouseDown(b, s, x, y);
    }
    void MouseUp(TMouseButton b, TShiftState s, int x, int y) override
    {
        log << QStringLiteral("up %1 %2,%3").arg(int(b)).arg(x).arg(y);
        TCustomControl::MouseUp(b, s, x, y);
    }
    void Click() override
    {
        log << QStringLiteral("click");
        TCustomControl::Click();
    }
    void KeyDown(uint16_t& key, TShiftState) override { log << QStringLiteral("key %1").arg(key); }
    void DoEnter() override { log << QStringLiteral("enter"); }
};

} // namespace

TEST(ApplicationObject, ExceptionFromAHandlerIsShownAndTheProgramGoesOn)
{
    MessageCapture messages;
    ThrowingControl c;
    c.resize(20, 20);
    c.show();
    QTest::mouseClick(&c, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    ASSERT_EQ(messages.Texts.size(), 1);
    EXPECT_EQ(messages.Texts.front(), QStringLiteral("Error in a handler"));
    QTest::mouseClick(&c, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_EQ(messages.Texts.size(), 2) << "the control still handles input";
}

TEST(ControlBase, TranslatesInputToClassicCalls)
{
    RecordingControl c;
    c.SetBounds(0, 0, 30, 20);
    c.show();
    QTest::mousePress(&c, Qt::LeftButton, Qt::ShiftModifier, QPoint(3, 4));
    QTest::mouseRelease(&c, Qt::LeftButton, Qt::NoModifier, QPoint(6, 7));
    QTest::mousePress(&c, Qt::RightButton, Qt::NoModifier, QPoint(1, 1));
    QTest::mouseRelease(&c, Qt::RightButton, Qt::NoModifier, QPoint(1, 1));
    c.SetFocus();
    QTest::keyClick(&c, Qt::Key_Up);
    QTest::keyClick(&c, Qt::Key_PageDown);
    QTest::keyClick(&c, Qt::Key_Home);
    const QStringList want{QStringLiteral("down 0 3,4 shift"), QStringLiteral("click"), QStringLiteral("up 0 6,7"),
                           QStringLiteral("down 1 1,1"), QStringLiteral("up 1 1,1")};
    QStringList input = c.log.filter(QRegularExpression(QStringLiteral("^(down|up|click)")));
    EXPECT_EQ(input, want);
    EXPECT_TRUE(c.log.contains(QStringLiteral("key 38")));
    EXPECT_TRUE(c.log.contains(QStringLiteral("key 34")));
    EXPECT_TRUE(c.log.contains(QStringLiteral("key 36")));
}

TEST(ControlBase, PaintGoesThroughTheOffscreenBitmap)
{
    RecordingControl c;
    c.SetBounds(0, 0, 12, 8);
    const QImage& img = c.PaintToImage();
    EXPECT_EQ(img.size(), QSize(12, 8));
    EXPECT_EQ(PixelColor(img, 11, 7), clRed);
    c.SetWidth(20);
    EXPECT_EQ(c.PaintToImage().width(), 20);
    const QImage shot = c.grab().toImage();
    EXPECT_EQ(QColor(shot.pixel(19, 7)), QColor(255, 0, 0));
}

TEST(ControlBase, ChildrenFollowTheParentFontUntilTheyHaveTheirOwn)
{
    TCustomControl parent;
    parent.Font()->SetName(QStringLiteral("Arial"));
    auto* child = new TCustomControl(&parent);
    EXPECT_EQ(child->Font()->Name(), QStringLiteral("Arial"));
    parent.Font()->SetHeight(-20);
    EXPECT_EQ(child->Font()->Height(), -20);
    EXPECT_TRUE(child->ParentFont());
    child->Font()->SetHeight(-9);
    EXPECT_FALSE(child->ParentFont());
    parent.Font()->SetHeight(-30);
    EXPECT_EQ(child->Font()->Height(), -9);
}

TEST(ControlBase, AlignedPanelsFillTheirEdge)
{
    TCustomControl parent;
    parent.SetBounds(0, 0, 200, 100);
    auto* top = new TCustomControl(&parent);
    top->SetHeight(30);
    top->SetAlign(alTop);
    auto* rest = new TCustomControl(&parent);
    rest->SetAlign(alClient);
    EXPECT_EQ(top->BoundsRect(), Bounds(0, 0, 200, 30));
    EXPECT_EQ(rest->BoundsRect(), Bounds(0, 30, 200, 70));
    parent.SetWidth(300);
    EXPECT_EQ(top->Width(), 300);
}

TEST(ScreenCursor, ShapeAndConfinement)
{
    Screen::SetCursor(crHandPoint);
    EXPECT_EQ(Screen::Cursor(), crHandPoint);
    Screen::SetCursor(crDefault);
    EXPECT_EQ(Screen::Cursor(), crDefault);
    Screen::ClipCursor(TRect(10, 10, 20, 20));
    ASSERT_TRUE(Screen::CursorClip().has_value());
    EXPECT_EQ(*Screen::CursorClip(), TRect(10, 10, 20, 20));
    Screen::ClipCursor(std::nullopt);
    EXPECT_FALSE(Screen::CursorClip().has_value());
}

TEST(ApplicationObject, ExceptionFromATimerHandlerIsShownAndTheTimerGoesOn)
{
    MessageCapture messages;
    TTimer t;
    t.SetInterval(5);
    QObject::connect(&t, &TTimer::OnTimer, [] { throw Exception(QStringLiteral("tick failed")); });
    QElapsedTimer clock;
    clock.start();
    while (messages.Texts.size() < 2 && clock.elapsed() < 3000)
        QTest::qWait(5);
    ASSERT_GE(messages.Texts.size(), 2);
    EXPECT_EQ(messages.Texts.front(), QStringLiteral("tick failed"));
}
