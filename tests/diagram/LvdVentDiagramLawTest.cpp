// The control law of the ventilation diagram: position step, hysteresis of
// the heating and cooling state, alarms, and the status event.

#include "VentTestDiagram.h"

#include <QSignalSpy>
#include <QTest>
#include <atomic>
#include <climits>
#include <gtest/gtest.h>
#include <thread>
#include <utility>
#include <vector>

namespace {

class VentLaw : public ::testing::Test {
protected:
    void SetUp() override
    {
        TSetpoints& s = *d.Setpoints();
        s.SetStreefTemp(185);
        s.SetBandbreedte(60);
        s.SetMinPositie(10);
        s.SetMaxPositie(100);
    }

    // One run of the law as a paint does it.
    int PositionAt(int g)
    {
        d.SetGemetenTemperatuur(g);
        d.CalcPointInfoList();
        return d.CalcVentilatieStand();
    }

    bool HeatCoolAt(int g)
    {
        d.SetGemetenTemperatuur(g);
        d.CalcPointInfoList();
        return d.HeatCoolActive();
    }

    void ExpectPositions(const std::vector<std::pair<int, int>>& table)
    {
        for (const auto& [g, want] : table)
            EXPECT_EQ(PositionAt(g), want) << "measured " << g;
    }

    TVentTestDiagram d;
};

} // namespace

TEST_F(VentLaw, VentilationCurveRisesThroughTheBandAboveTheTarget)
{
    ExpectPositions({{100, 10}, {185, 10}, {186, 11}, {203, 37}, {244, 98}, {245, 100}, {300, 100}});
}

TEST_F(VentLaw, HeatingCurveRisesThroughTheBandBelowTheTarget)
{
    d.SetOptieVentilatie(false);
    ExpectPositions({{300, 10}, {185, 10}, {184, 11}, {126, 98}, {125, 100}, {100, 100}});
}

TEST_F(VentLaw, ZeroBandwidthJumpsAtTheTarget)
{
    d.Setpoints()->SetBandbreedte(0);
    ExpectPositions({{185, 10}, {186, 100}});
    d.SetOptieVentilatie(false);
    ExpectPositions({{185, 10}, {184, 100}});
}

TEST_F(VentLaw, ContradictorySetpointsFollowTheFormulasUnclamped)
{
    TSetpoints& s = *d.Setpoints();
    s.SetMinPositie(100);
    s.SetMaxPositie(10);
    EXPECT_EQ(PositionAt(215), 55); // 30 x -90 / 60 + 100
    s.SetMinPositie(10);
    s.SetMaxPositie(100);
    s.SetBandbreedte(-10); // the band ends below the target
    ExpectPositions({{180, 10}, {190, 100}});
}

TEST_F(VentLaw, ExtremeSetpointsAreComputedWithoutOverflow)
{
    TSetpoints& s = *d.Setpoints();
    s.SetStreefTemp(0);
    s.SetBandbreedte(INT_MAX);
    s.SetMinPositie(INT_MIN);
    s.SetMaxPositie(INT_MAX);
    // Exact quotients: the products need more than 32 bits.
    EXPECT_EQ(PositionAt(1), INT_MIN + 2);
    EXPECT_EQ(PositionAt(INT_MAX - 1), INT_MAX - 3);
    EXPECT_EQ(PositionAt(INT_MIN), INT_MIN);
    d.SetOptieVentilatie(false);
    EXPECT_EQ(PositionAt(-1), INT_MIN + 2);
}

TEST_F(VentLaw, DerivedValuesFollowTheSetpointsAndOptions)
{
    d.Setpoints()->SetVerwarmVerschil(30);
    d.Setpoints()->SetMaxAlarm(360);
    d.CalcPointInfoList();
    EXPECT_EQ(d.BandTop, 245);
    EXPECT_EQ(d.BandBottom, 125);
    EXPECT_EQ(d.HeatPoint, 155);
    EXPECT_EQ(d.MaxAlarmX, 360);
    d.SetOptieKoeling(true);
    d.CalcPointInfoList();
    EXPECT_EQ(d.HeatPoint, 215) << "the cooling point lies above the target";
}

TEST_F(VentLaw, HeatingSwitchesOnAtTheHeatPointAndOffHalfADegreeAbove)
{
    d.Setpoints()->SetVerwarmVerschil(30); // heat point 155
    EXPECT_FALSE(HeatCoolAt(170));
    EXPECT_TRUE(HeatCoolAt(155));
    for (int g = 156; g <= 159; ++g)
        EXPECT_TRUE(HeatCoolAt(g)) << g;
    EXPECT_FALSE(HeatCoolAt(160));
    EXPECT_FALSE(HeatCoolAt(156)) << "inside the hysteresis the state is kept";
}

TEST_F(VentLaw, CoolingSwitchesOnAtTheCoolingPointAndOffHalfADegreeBelow)
{
    d.Setpoints()->SetVerwarmVerschil(30);
    d.SetOptieKoeling(true); // cooling point 215
    EXPECT_FALSE(HeatCoolAt(200));
    EXPECT_TRUE(HeatCoolAt(215));
    EXPECT_TRUE(HeatCoolAt(211));
    EXPECT_FALSE(HeatCoolAt(210));
    EXPECT_FALSE(HeatCoolAt(214));
}

TEST_F(VentLaw, AlarmsAreActiveFromTheirSetpointOnWithoutHysteresis)
{
    TSetpoints& s = *d.Setpoints();
    s.SetMinAlarm(100);
    s.SetMaxAlarm(360);
    const auto at = [&](int g) {
        d.SetGemetenTemperatuur(g);
        d.CalcPointInfoList();
        return std::make_pair(d.MinAlarmActive(), d.MaxAlarmActive());
    };
    EXPECT_EQ(at(100), std::make_pair(true, false));
    EXPECT_EQ(at(101), std::make_pair(false, false));
    EXPECT_EQ(at(100), std::make_pair(true, false));
    EXPECT_EQ(at(359), std::make_pair(false, false));
    EXPECT_EQ(at(360), std::make_pair(false, true));
    EXPECT_EQ(at(359), std::make_pair(false, false));
}

TEST(VentLawStatus, ConstructorRunSetsTheFlagsWithoutAHandler)
{
    TVentTestDiagram d;
    EXPECT_EQ(d.GemetenTemperatuur(), 215);
    EXPECT_EQ(d.VentilatieStand(), 10);
    EXPECT_FALSE(d.HeatCoolActive());
    EXPECT_FALSE(d.MinAlarmActive());
    EXPECT_TRUE(d.MaxAlarmActive()) << "215 is above the default maximum alarm of 7.0";

    QSignalSpy spy(&d, &TLvdVentDiagram::OnStatusChanged);
    d.PaintToImage();
    EXPECT_EQ(spy.count(), 0) << "the constructor's run already took the copies";
}

TEST(VentLawStatus, RaisedOncePerChangeWithTheDiagramAsSender)
{
    TVentTestDiagram d;
    QSignalSpy spy(&d, &TLvdVentDiagram::OnStatusChanged);
    d.ApplyDemoState();
    d.PaintToImage();
    ASSERT_EQ(spy.count(), 1) << "the stored maximum alarm of 36.0 clears the alarm";
    EXPECT_EQ(spy.front().front().value<QObject*>(), &d);
    EXPECT_FALSE(d.MaxAlarmActive());

    d.PaintToImage();
    d.SetGemetenTemperatuur(204);
    d.PaintToImage();
    EXPECT_EQ(spy.count(), 1) << "no event while every flag keeps its value";

    // Heating on and minimum alarm on in the same run: still one event.
    d.SetGemetenTemperatuur(90);
    d.PaintToImage();
    EXPECT_EQ(spy.count(), 2);
    EXPECT_TRUE(d.MinAlarmActive());
    EXPECT_TRUE(d.HeatCoolActive());
}

// Heating or cooling switching on or off alone, with every alarm as it was,
// is a status change too.
TEST(VentLawStatus, HeatingOrCoolingAloneIsAStatusChange)
{
    TVentTestDiagram d;
    d.ApplyDemoState(); // heating point 15.5, alarms at 10.0 and 36.0
    d.PaintToImage();
    ASSERT_FALSE(d.HeatCoolActive());
    QSignalSpy spy(&d, &TLvdVentDiagram::OnStatusChanged);
    const auto paintAt = [&](int temperature) {
        d.SetGemetenTemperatuur(temperature);
        d.PaintToImage();
        EXPECT_FALSE(d.MinAlarmActive()) << temperature;
        EXPECT_FALSE(d.MaxAlarmActive()) << temperature;
    };
    paintAt(150);
    EXPECT_TRUE(d.HeatCoolActive());
    EXPECT_EQ(spy.count(), 1) << "heating on";
    paintAt(170);
    EXPECT_FALSE(d.HeatCoolActive());
    EXPECT_EQ(spy.count(), 2) << "heating off";

    d.SetOptieKoeling(true); // cooling point 21.5
    paintAt(220);
    EXPECT_TRUE(d.HeatCoolActive());
    EXPECT_EQ(spy.count(), 3) << "cooling on";
}

TEST(VentLawStatus, UnchangedTemperatureNeitherRepaintsNorReports)
{
    TVentTestDiagram d;
    d.ApplyDemoState();
    d.show();
    QCoreApplication::processEvents();
    d.clearFocus(); // the focused display would not run the law
    QCoreApplication::processEvents();
    QSignalSpy spy(&d, &TLvdVentDiagram::OnStatusChanged);
    d.PaintCount = 0;
    d.SetGemetenTemperatuur(203);
    QCoreApplication::processEvents();
    EXPECT_EQ(d.PaintCount, 0);
    d.SetGemetenTemperatuur(90);
    QCoreApplication::processEvents();
    EXPECT_EQ(d.PaintCount, 1);
    EXPECT_EQ(spy.count(), 1) << "the repaint runs the law and reports the new alarm";
}

TEST(VentLawStatus, PaintStoresThePositionOfTheLaw)
{
    TVentTestDiagram d;
    d.ApplyDemoState();
    d.SetVentilatieStand(80); // a streamed value is only a starting value
    d.PaintToImage();
    EXPECT_EQ(d.VentilatieStand(), 37);
}

// Meaningful under the thread sanitizer: the fan thread's unlocked read of
// the position while the user-interface thread paints must not be a race.
TEST(VentLawStatus, PositionCanBeReadFromAnotherThreadWhilePainting)
{
    TVentTestDiagram d;
    d.ApplyDemoState();
    std::atomic<bool> stop{false};
    std::atomic<int> outOfRange{0};
    std::thread reader([&] {
        while (!stop.load()) {
            const int p = d.VentilatieStand();
            if (p < 10 || p > 100)
                ++outOfRange;
        }
    });
    for (int g = 150; g < 260; g += 5) {
        d.SetGemetenTemperatuur(g);
        d.PaintToImage();
    }
    stop = true;
    reader.join();
    EXPECT_EQ(outOfRange.load(), 0);
    EXPECT_EQ(d.VentilatieStand(), 100);
}
