// The setpoint, settings, curve and point records and the shared setpoint record.

#include "TestDiagram.h"

#include "diagram/AllSetpoints.h"
#include "diagram/CurveSetpoints.h"
#include "diagram/Setpoints.h"

#include <QCoreApplication>
#include <QMetaClassInfo>
#include <gtest/gtest.h>
#include <memory>

namespace {

QString DeclaredDefault(const QObject& o, const char* property)
{
    const QMetaObject* m = o.metaObject();
    const int i = m->indexOfClassInfo(QByteArray("default:") + property);
    return i < 0 ? QString() : QString::fromUtf8(m->classInfo(i).value());
}

// Shows the diagram and lets pending paints run, so repaints can be counted.
void Settle(TTestDiagram& d)
{
    d.show();
    QCoreApplication::processEvents();
}

} // namespace

TEST(SetpointsTest, NewRecordTakesSharedTargetAndNegativeHeatingDifference)
{
    TTestDiagram diagram;
    TSetpoints first(&diagram);
    EXPECT_EQ(first.VerwarmVerschil, -15);
    EXPECT_EQ(first.StreefTemp, TMasterDiagram::AllSetpoints->StreefTemp);
    EXPECT_EQ(first.StreefTemp, 185);

    first.SetStreefTemp(212);
    TSetpoints later(&diagram);
    EXPECT_EQ(later.StreefTemp, 212) << "a record created later starts with the target set on another";
}

TEST(SetpointsTest, AlarmAndTargetSettersAlsoReachTheSharedRecord)
{
    TTestDiagram diagram;
    TSetpoints s(&diagram);
    TAllSetpoints& all = *TMasterDiagram::AllSetpoints;
    s.SetMaxAlarm(300);
    s.SetMinAlarm(90);
    s.SetAbsMaxAlarm(400);
    s.SetStreefTemp(190);
    EXPECT_EQ(all.MaxAlarm, 300);
    EXPECT_EQ(all.MinAlarm, 90);
    EXPECT_EQ(all.AbsMaxAlarm, 400);
    EXPECT_EQ(all.StreefTemp, 190);

    s.SetBandbreedte(75);
    s.SetVerwarmVerschil(40);
    EXPECT_EQ(s.Bandbreedte, 75);
    EXPECT_EQ(all.MaxAlarm, 300);
    EXPECT_EQ(all.StreefTemp, 190) << "other setters touch only their own record";
}

TEST(SetpointsTest, RecordsAcceptAnyValueWithoutClamping)
{
    TTestDiagram diagram;
    TSetpoints s(&diagram);
    s.SetMinPositie(150);
    s.SetMaxPositie(-20);
    s.SetBandbreedte(-60);
    EXPECT_EQ(s.MinPositie, 150);
    EXPECT_EQ(s.MaxPositie, -20);
    EXPECT_EQ(s.Bandbreedte, -60);
    diagram.DiagramSettings()->SetMaxXValue(-1000);
    EXPECT_EQ(diagram.DiagramSettings()->MaxXValue, -1000);
}

TEST(SetpointsTest, ChangedValueRepaintsOwnerAndUnchangedValueDoesNot)
{
    TTestDiagram diagram;
    TSetpoints s(&diagram);
    Settle(diagram);
    const int before = diagram.PaintCount;
    s.SetStreefTemp(s.StreefTemp);
    diagram.DiagramSettings()->SetShowGrid(true);
    diagram.SetDiagramTitle(QString());
    QCoreApplication::processEvents();
    EXPECT_EQ(diagram.PaintCount, before);

    s.SetKoelVerschil(31);
    QCoreApplication::processEvents();
    EXPECT_EQ(diagram.PaintCount, before + 1);
    diagram.DiagramSettings()->SetShowGrid(false);
    QCoreApplication::processEvents();
    EXPECT_EQ(diagram.PaintCount, before + 2);
    diagram.SetXAxisTitle(QStringLiteral("Temperatuur"));
    QCoreApplication::processEvents();
    EXPECT_EQ(diagram.PaintCount, before + 3);
}

TEST(SetpointsTest, DeclaredDefaultsDifferFromConstructorValuesWhereListed)
{
    TTestDiagram diagram;
    TSetpoints s(&diagram);
    // A stored description leaves out a value equal to its declared default:
    // these are the ones whose constructor value is not the default.
    EXPECT_EQ(DeclaredDefault(s, "StreefTemp"), QStringLiteral("200"));
    EXPECT_EQ(DeclaredDefault(s, "VerwarmVerschil"), QStringLiteral("15"));
    EXPECT_EQ(DeclaredDefault(s, "MengVerschil"), QStringLiteral("30"));
    EXPECT_EQ(DeclaredDefault(s, "MengAbsoluut"), QStringLiteral("250"));
    EXPECT_EQ(DeclaredDefault(*diagram.DiagramSettings(), "MaxXValue"), QStringLiteral("0"));
    EXPECT_EQ(DeclaredDefault(*diagram.DiagramSettings(), "MaxYValue"), QStringLiteral("0"));
    EXPECT_EQ(diagram.DiagramSettings()->MaxXValue, 500);
    EXPECT_EQ(diagram.DiagramSettings()->MaxYValue, 100);
    EXPECT_EQ(DeclaredDefault(*diagram.DiagramSettings(), "ShowGrid"), QStringLiteral("True"));

    // Published order is the declaration order of the properties.
    const QMetaObject* m = s.metaObject();
    const int first = m->propertyOffset();
    EXPECT_STREQ(m->property(first).name(), "MinPositie");
    EXPECT_STREQ(m->property(first + 5).name(), "Bandbreedte");
    EXPECT_STREQ(m->property(first + 6).name(), "StreefTemp");
    EXPECT_STREQ(m->property(m->propertyCount() - 1).name(), "MengVerschil");
}

TEST(AllSetpointsTest, SharedRecordLivesAsLongAsAnyDiagram)
{
    ASSERT_EQ(TMasterDiagram::InitAllSetpoints, 0);
    ASSERT_EQ(TMasterDiagram::AllSetpoints, nullptr);
    auto first = std::make_unique<TTestDiagram>();
    TAllSetpoints* shared = TMasterDiagram::AllSetpoints;
    ASSERT_NE(shared, nullptr);
    EXPECT_EQ(shared->Owner(), first.get());
    auto second = std::make_unique<TTestDiagram>();
    EXPECT_EQ(TMasterDiagram::AllSetpoints, shared);
    EXPECT_EQ(TMasterDiagram::InitAllSetpoints, 2);

    shared->SetStreefTemp(199);
    first.reset();
    EXPECT_EQ(TMasterDiagram::AllSetpoints, shared);
    EXPECT_EQ(shared->Owner(), nullptr) << "the first diagram is gone; no dangling owner";
    {
        TSetpoints s(second.get());
        EXPECT_EQ(s.StreefTemp, 199);
    }

    second.reset();
    EXPECT_EQ(TMasterDiagram::InitAllSetpoints, 0);
    EXPECT_EQ(TMasterDiagram::AllSetpoints, nullptr);
}

TEST(CurveSetpointsTest, OwnRecordHoldsTenPointsAndHandedRecordIsTakenOver)
{
    TTestDiagram diagram;
    TCurveSetpoints own(&diagram);
    const TCurveStruct& c = *own.CurveStruct();
    EXPECT_EQ(c.PointCount, 10);
    EXPECT_EQ(c.DayCounter, 0);
    EXPECT_EQ(c.SpareValue, 0);
    EXPECT_EQ(c.YFloor, 0);
    EXPECT_EQ(c.YCeiling, 0);
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(c.XValues[size_t(i)], 5 * i);
        EXPECT_EQ(c.YValues[size_t(i)], 50);
    }

    auto* handed = new TCurveStruct;
    handed->PointCount = 3;
    TCurveSetpoints taken(&diagram, handed);
    EXPECT_EQ(taken.CurveStruct(), handed); // freed by the record (the sanitizer build checks)
    TCurveSetpoints none(&diagram, nullptr);
    EXPECT_EQ(none.CurveStruct()->PointCount, 10);
}

TEST(PointListTest, NewPointStartsAsCreateNewPointGivesAndClearsTimeAxis)
{
    TTestDiagram diagram;
    diagram.TimeAxis = true;
    EXPECT_EQ(diagram.CreateNewPoint(), 0);
    EXPECT_EQ(diagram.CreateNewPoint(), 1);
    EXPECT_FALSE(diagram.TimeAxis);
    const TPointInfo& p = *diagram.PointList[1];
    EXPECT_TRUE(p.OptionEnabled);
    EXPECT_FALSE(p.MouseOver);
    EXPECT_FALSE(p.CurveOptionEnabled);
    EXPECT_EQ(p.PointKind, 0);
    EXPECT_EQ(p.SubCommando, 0);
    EXPECT_TRUE(p.LabelText.isEmpty());
    EXPECT_TRUE(p.Values.XUnit.isEmpty());
    EXPECT_TRUE(p.Symbol.SymbolBitmap.Transparent);
    EXPECT_EQ(p.Symbol.SymbolBitmap.TransparentColor(), clWhite);
    EXPECT_EQ(p.Area.AreaKind, akNone) << "a point nobody gave an area draws none";
}

TEST(PointListTest, EmptyingTheListForgetsTheCurrentPoint)
{
    TTestDiagram diagram;
    diagram.AddPoint(100, 50, true);
    diagram.CurrentPoint = diagram.PointList[0].get();
    diagram.EmptyPointInfoList();
    EXPECT_TRUE(diagram.PointList.empty());
    EXPECT_EQ(diagram.PointList.capacity(), 0u);
    EXPECT_EQ(diagram.CurrentPoint, nullptr);
}
