// The fan thread: its pace, its advance step, and a shutdown that never lets
// a cycle touch a destroyed window. Run this suite under ThreadSanitizer and
// AddressSanitizer as well.

#include "DemoFixture.h"

#include "app/VentThread.h"
#include "diagram/LvdVentDiagram.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

namespace {
// Serves the event loop (and so the thread's synchronous steps) until the
// condition holds or the time is up.
template <class Condition>
bool ServeUntil(Condition done, int ms = 3000)
{
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(1);
    }
    return done();
}
} // namespace

TEST(VentThread, SleepsOneHundredAndTenMinusThePositionWithinTheFanRange)
{
    EXPECT_EQ(TVentThread::SleepTime(0), 110);
    EXPECT_EQ(TVentThread::SleepTime(37), 73);
    EXPECT_EQ(TVentThread::SleepTime(100), 10);
    // Contradictory setpoints can put the position outside 0..100: the pace
    // stays within the fan's range instead of spinning or sleeping for ages.
    EXPECT_EQ(TVentThread::SleepTime(150), 10);
    EXPECT_EQ(TVentThread::SleepTime(-20), 110);
}

using FanThread = DemoFixture;

TEST_F(FanThread, TheFanTurnsWhileThePositionIsAboveZero)
{
    StartDemo(true);
    TLvdVentDiagram* d = mainForm->Diagram;
    ASSERT_NE(mainForm->VentThread(), nullptr);
    int changes = 0;
    int last = d->VentIndex();
    EXPECT_TRUE(ServeUntil([&] {
        if (d->VentIndex() != last) {
            last = d->VentIndex();
            ++changes;
        }
        return changes >= 3;
    }));
}

// The fan stands still at position zero while the thread goes on cycling:
// raising the position turns it again without a new thread.
TEST_F(FanThread, TheFanStandsStillAtPositionZero)
{
    StartDemo(true);
    TLvdVentDiagram* d = mainForm->Diagram;
    d->Setpoints()->SetMinPositie(0);
    d->SetGemetenTemperatuur(100); // well below the target: the minimum position
    d->PaintToImage();
    ASSERT_EQ(d->VentilatieStand(), 0);
    const int frame = d->VentIndex();
    QElapsedTimer t;
    t.start();
    ServeUntil([&] { return t.elapsed() > 400; }, 500);
    EXPECT_EQ(d->VentIndex(), frame);

    d->SetGemetenTemperatuur(300);
    d->PaintToImage();
    ASSERT_GT(d->VentilatieStand(), 0);
    EXPECT_TRUE(ServeUntil([&] { return d->VentIndex() != frame; })) << "the thread stopped cycling";
    EXPECT_FALSE(mainForm->VentThread()->Finished());
}

// Closing while the thread sleeps writes the settings and ends cleanly; the
// window waits for the thread, which the stop request wakes at once.
TEST_F(FanThread, ClosingWhileTheThreadSleepsWritesTheSettingsAndEndsCleanly)
{
    StartDemo(true);
    mainForm->Diagram->Setpoints()->SetMinPositie(0);
    mainForm->Diagram->SetGemetenTemperatuur(100);
    ServeUntil([] { return false; }, 150);
    CloseDemo();
    EXPECT_TRUE(StoredExists("GEMETENTEMP"));
    EXPECT_EQ(StoredInteger("GEMETENTEMP"), 100);
}

// Many quick open/close cycles at full fan speed, with and without serving
// the thread in between: no cycle may outlive its window.
TEST_F(FanThread, ManyQuickOpenCloseCyclesEndCleanly)
{
    for (int i = 0; i < 40; ++i) {
        StartDemo(true);
        mainForm->Diagram->SetGemetenTemperatuur(300); // position 100: 10 ms cycles
        if (i % 2 == 0)
            ServeUntil([] { return false; }, 15);
        CloseDemo();
        ASSERT_EQ(MainForm, nullptr);
    }
    EXPECT_EQ(StoredInteger("GEMETENTEMP"), 300);
}

// Without a main window the thread stays alive while its synchronous steps
// are served, and ends once stopped.
TEST_F(FanThread, AThreadWithoutAMainWindowIdlesUntilStopped)
{
    auto thread = std::make_unique<TVentThread>();
    EXPECT_FALSE(ServeUntil([&] { return thread->Finished(); }, 300)) << "the thread ended on its own";
    thread->Stop();
    EXPECT_TRUE(ServeUntil([&] { return thread->Finished(); }, 1000));
}
