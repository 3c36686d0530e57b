// TFWS: the feed cycle, the feed-time adaptation, the simulated faults, the
// status word, the host's task word and the picture.

#include "feed/FWS.h"

#include "diagram/FontBitmaps.h"
#include "framework/Timer.h"
#include "support/TestSupport.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

struct Weigher : ::testing::Test {
    TFWS w;
    Weigher()
    {
        w.FeedTimer().SetEnabled(false);
        w.Seed(1);
    }
    // Ticks until the cycle reaches the state (at most `limit` ticks); returns the ticks taken.
    int TickUntil(int state, int limit = 1000)
    {
        int ticks = 0;
        while (w.CycleState() != state && ticks < limit) {
            w.OnFeedTimer();
            ++ticks;
        }
        return ticks;
    }
    // A full fill: requested, run, settled and booked.
    int Fill(int weight)
    {
        w.HandleTask(0x0010, weight);
        w.OnFeedTimer();
        const int ticks = TickUntil(2) + 1;
        TickUntil(0);
        return ticks;
    }
    // Drops the hopper's contents into the bin and lets the valve close.
    void Discharge()
    {
        w.SetLosklep(true);
        w.OnFeedTimer();
        TickUntil(0);
    }
};

TEST_F(Weigher, IdleWeigherIsReadyWithAnUncoveredBinSensor)
{
    w.OnFeedTimer();
    EXPECT_EQ(w.FeedStatus(), 0x81C0);
    EXPECT_EQ(w.CycleState(), 0);
}

TEST_F(Weigher, FillStopsAtTheFillWeightAndScalesTheNextRunTime)
{
    const int ticks = Fill(3000);
    EXPECT_LE(ticks, 300);
    EXPECT_GE(w.CurrentWeight(), 3000);
    EXPECT_LT(w.CurrentWeight(), 3000 + 47) << "the auger stops at the first tick that reaches the fill weight";
    EXPECT_TRUE(w.Ready());
    EXPECT_EQ(w.LastFed(), w.CurrentWeight());
    EXPECT_LT(w.FeedTime(), 300) << "FeedTime becomes the time actually used";

    const int feedTime = w.FeedTime(), lastFed = w.LastFed();
    Discharge();
    EXPECT_EQ(w.CurrentWeight(), 0);
    w.HandleTask(0x0010, 1500);
    w.OnFeedTimer();
    EXPECT_EQ(w.CycleState(), 1);
    EXPECT_EQ(w.Countdown(), std::clamp(1500 * feedTime / lastFed, 5, 300));
}

TEST_F(Weigher, BlockedSupplyEndsByTimeOutAndGrowsTheNextFeedTime)
{
    Fill(3000);
    const int learned = w.FeedTime();
    Discharge();
    w.HandleTask(0x0010, 3000);
    w.OnFeedTimer();
    const int planned = w.Countdown();
    EXPECT_EQ(planned, std::clamp(3000 * learned / w.LastFed(), 5, 300));
    for (int i = 0; i < 5; ++i)
        w.OnFeedTimer();
    w.SetAanvoerGeblokkeerd(true);
    const int delivered = w.CurrentWeight();
    TickUntil(0);
    EXPECT_EQ(w.LastFed(), delivered);
    EXPECT_EQ(w.FeedTime(), planned) << "a time-out uses the whole run time";
    w.HandleTask(0x0010, 3000);
    w.OnFeedTimer();
    EXPECT_EQ(w.Countdown(), 300) << "little delivered: the next run time grows to its limit";
}

TEST_F(Weigher, ValveThatDoesNotCloseHoldsAlarmTwo)
{
    w.SetLosklepSluitNiet(true);
    w.SetLosklep(true);
    for (int i = 0; i < 10; ++i)
        w.OnFeedTimer();
    EXPECT_EQ(w.CycleState(), 11);
    EXPECT_EQ(w.AlarmCode(), 2);
    EXPECT_EQ((w.FeedStatus() >> 9) & 3, 2);
    EXPECT_TRUE(w.Losklep());

    w.SetLosklepSluitNiet(false);
    w.OnFeedTimer();
    EXPECT_EQ(w.AlarmCode(), 0);
    EXPECT_EQ(w.CycleState(), 0) << "the open valve starts the discharge again from rest";
}

// The fault transition ends the tick: FeedTime is lowered once, and the
// valve-opening step follows in the next tick.
TEST_F(Weigher, ValveOpeningDuringFillEndsTheTickWithAlarmOne)
{
    w.SetLosklepOpenTijdensVullen(true);
    w.HandleTask(0x0010, 3000);
    w.OnFeedTimer();
    ASSERT_EQ(w.CycleState(), 1);
    ASSERT_GT(w.CurrentWeight(), 0);
    w.SetFillWeight(w.CurrentWeight()); // the end-of-fill test holds in the same tick
    const int countdown = w.Countdown();
    w.FoodCycProc();
    EXPECT_EQ(w.CycleState(), 10);
    EXPECT_EQ(w.FeedTime(), 300 - (countdown - 1));
    EXPECT_EQ(w.AlarmCode(), 1);
    EXPECT_TRUE(w.Losklep());
    EXPECT_FALSE(w.ActivateVijzel());
    w.FoodCycProc();
    EXPECT_EQ(w.CycleState(), 11);
}

TEST_F(Weigher, AugerNumberAndTaskWord)
{
    w.SetVijzelNr(8);
    w.SetVijzelNr(9);
    w.SetVijzelNr(-1);
    EXPECT_EQ(w.VijzelNr(), 8) << "9 and above, and negative numbers, are refused";

    w.HandleTask(0x0013, 2500);
    EXPECT_EQ(w.VijzelNr(), 3);
    EXPECT_TRUE(w.ActivateVijzel());
    EXPECT_EQ(w.FillWeight(), 2500);
    w.OnFeedTimer();
    EXPECT_EQ(w.FeedStatus() & 0x1F, 0x13);
    // The number box (25 x 16 at 0, 14) shows the large "4" at its right edge.
    TFontBitmaps fonts;
    const TBitmap& four = fonts.Find(QLatin1Char('4'), TFontBitmaps::LargeSet)->GlyphBitmap;
    const QImage& picture = w.WorkBitmap().Image();
    const int left = 25 - four.Width();
    for (int y = 0; y < four.Height(); ++y)
        for (int x = 0; x < four.Width(); ++x)
            ASSERT_EQ(PixelColor(picture, left + x, 14 + y) == clBlack, PixelColor(four.Image(), x, y) == clBlack)
                << x << "," << y;
}

TEST_F(Weigher, ResetStopsTheAugerAndClosesTheValve)
{
    w.HandleTask(0x0030, 3000);
    w.SetWeigherReset(true);
    w.OnFeedTimer();
    EXPECT_FALSE(w.ActivateVijzel());
    EXPECT_FALSE(w.Losklep());
    EXPECT_EQ(w.CycleState(), 0);
    EXPECT_TRUE(w.Ready());
}

TEST_F(Weigher, ZeroWeighingSignalRaisesAlarmThreeUntilItReturns)
{
    w.SetWeegsignaalIsNul(true);
    w.OnFeedTimer();
    EXPECT_EQ(w.AlarmCode(), 3);
    w.SetWeegsignaalIsNul(false);
    w.OnFeedTimer();
    EXPECT_EQ(w.AlarmCode(), 0);
}

TEST_F(Weigher, BinSensorCoveredAboveSixtyAndPictureShowsIt)
{
    Fill(3000);
    Discharge();
    Fill(3200);
    Discharge();
    ASSERT_GT(w.HopperWeight(), 5999);
    EXPECT_TRUE(w.HopperSensor());
    EXPECT_EQ(w.FeedStatus() & 0x40, 0);
    EXPECT_EQ(PixelColor(w.WorkBitmap().Image(), 107, 122), clBlack);
    EXPECT_EQ(PixelColor(w.WorkBitmap().Image(), 50, 150), clYellow) << "the bin's contents";
}

// The status word is built from the weights alone: no picture has to be drawn
// between the simulation and the report for the bin sensor to be right.
TEST_F(Weigher, TheTickTellsTheValuesItChanged)
{
    QSignalSpy weight(&w, &TFWS::CurrentWeightChanged);
    QSignalSpy status(&w, &TFWS::FeedStatusChanged);
    QSignalSpy auger(&w, &TFWS::ActivateVijzelChanged);
    w.HandleTask(0x0010, 3000);
    EXPECT_EQ(auger.count(), 1) << "the task word switched the auger on";
    for (int tick = 0; tick < 5; ++tick) {
        const int before = w.CurrentWeight();
        const int beforeStatus = w.FeedStatus();
        weight.clear();
        status.clear();
        w.OnFeedTimer();
        EXPECT_EQ(weight.count(), w.CurrentWeight() != before ? 1 : 0);
        EXPECT_EQ(status.count(), w.FeedStatus() != beforeStatus ? 1 : 0);
    }
    EXPECT_GT(w.CurrentWeight(), 0);
}

TEST_F(Weigher, TheStatusWordReadsTheBinSensorWithoutAPicture)
{
    Fill(3000);
    Discharge();
    Fill(3200);
    Discharge();
    ASSERT_TRUE(w.HopperSensor());
    w.SetAfvoerVijzel(true);
    while (w.HopperWeight() > 5999)
        w.SimulateWeights();
    w.FillFeedStatus();
    EXPECT_FALSE(w.HopperSensor());
    EXPECT_EQ(w.FeedStatus() & 0x40, 0x40) << "the uncovered sensor is reported";
}

TEST_F(Weigher, ZeroCapacityDrawsAFullHopperInsteadOfDividing)
{
    w.HandleTask(0x0010, 3000);
    w.OnFeedTimer();
    w.SetMaxVulGewicht(0);
    w.DrawWeigher();
    EXPECT_EQ(PixelColor(w.WorkBitmap().Image(), 72, 20), clYellow);
}

// An open valve lets through what lies above the residue. A hopper holding
// less than the residue keeps its weight: raising it to the residue would
// book feed that never fell, and lower the totals by the difference.
TEST_F(Weigher, TheOpenValveMovesOnlyWhatLiesAboveTheResidue)
{
    struct Case {
        int residue;
        bool below; // the hopper holds less than the residue
    };
    for (const Case c : {Case{0, false}, Case{10, false}, Case{50, true}}) {
        SCOPED_TRACE(c.residue);
        TFWS f;
        f.FeedTimer().SetEnabled(false);
        f.Seed(1);
        f.HandleTask(0x0010, 3000);
        for (int tick = 0; tick < 1000 && (tick < 2 || f.CycleState() != 0); ++tick)
            f.OnFeedTimer();
        ASSERT_GE(f.CurrentWeight(), 3000);
        f.SetResidue(c.residue);
        const int before = f.CurrentWeight(), total = f.TotalWeight(), bin = f.HopperWeight();
        f.SetLosklep(true);
        f.OnFeedTimer();
        const int moved = c.below ? 0 : before - c.residue * 100;
        EXPECT_EQ(f.CurrentWeight(), before - moved);
        EXPECT_EQ(f.TotalWeight(), total + moved);
        EXPECT_EQ(f.HopperWeight(), bin + moved);
    }
}

// A weight above the capacity fills the hopper to its rim and no further:
// the picture is that of a full hopper.
TEST_F(Weigher, AnOverfullHopperIsDrawnFullToTheRim)
{
    Fill(3000);
    w.SetMaxVulGewicht(w.CurrentWeight());
    const QImage full = w.WorkBitmap().Image();
    w.SetMaxVulGewicht(w.CurrentWeight() / 3);
    EXPECT_EQ(w.WorkBitmap().Image(), full);
}

} // namespace

#include "feed/RegisterFeed.h"
#include "framework/ComponentRegistry.h"

namespace {

TEST(FeedRegistration, WeigherIsOnTheKivGraphicsPage)
{
    RegisterFeedComponents();
    const auto found = FindComponentClass(QStringLiteral("TFWS"));
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(found->Page, QStringLiteral("KivGraphics"));
    std::unique_ptr<QObject> made(found->Create(nullptr));
    auto* weigher = qobject_cast<TFWS*>(made.get());
    ASSERT_NE(weigher, nullptr);
    EXPECT_EQ(weigher->Width(), 140);
    EXPECT_EQ(weigher->Height(), 200);
    EXPECT_TRUE(weigher->FeedTimer().Running()) << "the timer runs from construction";
    EXPECT_EQ(weigher->FeedTimer().Interval(), 150);
}

} // namespace

TEST_F(Weigher, SettlingCountsItsSixTicksDownAndMovesOnTheTickAfter)
{
    w.HandleTask(0x0010, 500);
    TickUntil(2);
    ASSERT_EQ(w.Countdown(), 6);
    for (int tick = 0; tick < 6; ++tick)
        w.OnFeedTimer();
    EXPECT_EQ(w.CycleState(), 2);
    EXPECT_EQ(w.Countdown(), 0);
    w.OnFeedTimer();
    EXPECT_EQ(w.CycleState(), 3);
    EXPECT_FALSE(w.Ready());
    w.OnFeedTimer();
    EXPECT_EQ(w.CycleState(), 0);
    EXPECT_TRUE(w.Ready());
}

namespace {

// The number box at (0, 14) shows `text` right-aligned in large glyphs.
bool ShowsAugerText(TFWS& w, const QString& text)
{
    TFontBitmaps fonts;
    TBitmap expected(25, 16);
    expected.Canvas().Brush.Color = clBtnFace;
    expected.Canvas().FillRect(TRect(0, 0, 25, 16));
    fonts.DrawRightAligned(expected.Canvas(), 25, 0, text, TFontBitmaps::LargeSet);
    const QImage& picture = w.WorkBitmap().Image();
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 25; ++x)
            if ((PixelColor(picture, x, 14 + y) == clBlack) != (PixelColor(expected.Image(), x, y) == clBlack))
                return false;
    return true;
}

} // namespace

// Every number the task word's four auger bits can carry runs, is reported in
// the status word and is shown one higher.
TEST_F(Weigher, EveryAugerNumberOfTheTaskWordIsReportedAndShownPlusOne)
{
    for (int auger = 0; auger < 16; ++auger) {
        w.HandleTask(0x0010 | auger, 3000);
        w.OnFeedTimer();
        EXPECT_EQ(w.VijzelNr(), auger);
        EXPECT_EQ(w.FeedStatus() & 0x1F, 0x10 | auger) << "auger " << auger;
        EXPECT_TRUE(ShowsAugerText(w, QString::number(auger + 1))) << "auger " << auger;
    }
}

TEST_F(Weigher, EachTaskBitSetsOnlyItsOwnField)
{
    const struct {
        int task, auger;
        bool activate, valve, test, reset;
    } rows[] = {{0x0000, 0, false, false, false, false}, {0x000F, 15, false, false, false, false},
                {0x0010, 0, true, false, false, false},  {0x0020, 0, false, true, false, false},
                {0x4000, 0, false, false, true, false},  {0x8000, 0, false, false, false, true},
                {0x3FC0, 0, false, false, false, false}, {0xFFFF, 15, true, true, true, true}};
    for (const auto& r : rows) {
        w.HandleTask(r.task, 1234);
        EXPECT_EQ(w.VijzelNr(), r.auger) << std::hex << r.task;
        EXPECT_EQ(w.ActivateVijzel(), r.activate) << std::hex << r.task;
        EXPECT_EQ(w.Losklep(), r.valve) << std::hex << r.task;
        EXPECT_EQ(w.WeigherTest(), r.test) << std::hex << r.task;
        EXPECT_EQ(w.WeigherReset(), r.reset) << std::hex << r.task;
        EXPECT_EQ(w.FillWeight(), 1234);
    }
}

// The whole status word for each alarm code, with the auger bits at their maximum.
TEST_F(Weigher, StatusWordForEachAlarmCode)
{
    w.HandleTask(0x000F, 3000);
    w.SetWeegsignaalIsNul(true);
    w.OnFeedTimer();
    EXPECT_EQ(w.FeedStatus(), 0x8000 | 0x0600 | 0x01C0 | 0x000F) << std::hex << w.FeedStatus();
    w.SetWeegsignaalIsNul(false);

    w.SetLosklepSluitNiet(true);
    w.SetLosklep(true);
    TickUntil(-1, 10);
    EXPECT_EQ(w.FeedStatus(), 0x8000 | 0x0400 | 0x01E0 | 0x000F) << std::hex << w.FeedStatus();
    w.SetLosklepSluitNiet(false);
    TickUntil(0);
    TickUntil(-1, 20);
    ASSERT_EQ(w.CycleState(), 0);

    w.SetLosklepOpenTijdensVullen(true);
    w.HandleTask(0x001F, 3000);
    TickUntil(10);
    w.OnFeedTimer();
    EXPECT_EQ(w.FeedStatus(), 0x8000 | 0x0200 | 0x0060 | 0x000F) << std::hex << w.FeedStatus();
}

TEST_F(Weigher, AdaptedFeedTimeIsHeldBetween5And300Ticks)
{
    EXPECT_EQ(w.CalculateFeedTime(1), 300) << "no fill yet: FeedTime as it is";
    Fill(3000);
    const int lastFed = w.LastFed();
    ASSERT_GT(lastFed, 0);
    EXPECT_EQ(w.CalculateFeedTime(1), 5);
    EXPECT_EQ(w.CalculateFeedTime(lastFed * 3), 15);
    EXPECT_EQ(w.CalculateFeedTime(lastFed * 1000), 300);
}

TEST_F(Weigher, AFillForTheWeightAlreadyInTheHopperEndsAtTheFirstCheck)
{
    w.SetAanvoerGeblokkeerd(true);
    w.HandleTask(0x0010, 0);
    w.OnFeedTimer();
    ASSERT_EQ(w.CycleState(), 1);
    w.OnFeedTimer();
    EXPECT_EQ(w.CycleState(), 2);
    EXPECT_FALSE(w.ActivateVijzel());
}
