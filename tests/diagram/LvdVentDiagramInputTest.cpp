// The ventilation diagram's fan index, option setters, point selection by the
// front panel, mouse handling and palette registration.

#include "VentTestDiagram.h"

#include "diagram/RegisterDiagram.h"
#include "framework/ComponentRegistry.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class VentInput : public ::testing::Test {
protected:
    void SetUp() override
    {
        d.ApplyDemoState();
        d.show();
        QCoreApplication::processEvents();
        // Showing the window gives it the focus; the tests start on the display.
        d.clearFocus();
        QCoreApplication::processEvents();
        ASSERT_EQ(d.DiagramState, dsIdle);
    }

    int PaintsAfter(const std::function<void()>& change)
    {
        QCoreApplication::processEvents();
        d.PaintCount = 0;
        change();
        QCoreApplication::processEvents();
        return d.PaintCount;
    }

    TVentTestDiagram d;
};

} // namespace

TEST_F(VentInput, VentIndexIsStoredModuloThree)
{
    EXPECT_EQ(d.VentIndex(), 0);
    EXPECT_EQ(PaintsAfter([&] { d.SetVentIndex(3); }), 0) << "3 is frame 0 again";
    EXPECT_EQ(PaintsAfter([&] { d.SetVentIndex(5); }), 1);
    EXPECT_EQ(d.VentIndex(), 2);
    EXPECT_EQ(PaintsAfter([&] { d.SetVentIndex(2); }), 0);
    d.SetVentIndex(d.VentIndex() + 1);
    EXPECT_EQ(d.VentIndex(), 0);
    d.SetVentIndex(-1);
    EXPECT_EQ(d.VentIndex(), 2) << "a negative index still names an existing frame";
}

// The fan thread keeps advancing the index on the heating curve, and every
// advance runs the law again, so the status follows within one cycle.
TEST_F(VentInput, VentIndexRepaintsOnTheHeatingCurveToo)
{
    d.SetOptieVentilatie(false);
    EXPECT_EQ(PaintsAfter([&] { d.SetVentIndex(1); }), 1);
    QSignalSpy status(&d, &TLvdVentDiagram::OnStatusChanged);
    d.Setpoints()->MinAlarm = d.GemetenTemperatuur(); // written in place, as the front panel does
    EXPECT_EQ(PaintsAfter([&] { d.SetVentIndex(2); }), 1);
    EXPECT_EQ(status.count(), 1);
    EXPECT_TRUE(d.MinAlarmActive());
}

TEST_F(VentInput, OptionSettersRebindOnlyOnAChange)
{
    EXPECT_EQ(PaintsAfter([&] { d.SetOptieVentilatie(true); }), 0);
    EXPECT_EQ(PaintsAfter([&] { d.SetOptieKoeling(false); }), 0);
    EXPECT_EQ(PaintsAfter([&] { d.SetOptieVentilatie(false); }), 1);
    EXPECT_EQ(d.PointList.front()->PointNumber, 6) << "the heating curve starts at the maximum position";
    EXPECT_EQ(PaintsAfter([&] { d.SetOptieKoeling(true); }), 1);
    EXPECT_EQ(d.HeatPoint, 215);
}

TEST_F(VentInput, SelectPointShowsTheLabelOfThatSetpoint)
{
    d.DiagramSettings()->SetShowPointValues(false);
    TPointInfo* target = d.Point(3);
    ASSERT_NE(target, nullptr);
    target->LabelText.clear(); // forget the labels the shown window drew
    d.PaintToImage();
    EXPECT_TRUE(target->LabelText.isEmpty()) << "without selection no label is drawn";

    EXPECT_EQ(PaintsAfter([&] { d.SelectPoint(3); }), 1);
    EXPECT_EQ(d.CurrentPoint, target);
    EXPECT_TRUE(target->MouseOver);
    d.PaintToImage();
    EXPECT_EQ(target->LabelText, QStringLiteral("18.5\u00B0C ; 10%"));

    d.DeSelectPoint(3);
    EXPECT_FALSE(target->MouseOver);
    EXPECT_EQ(d.CurrentPoint, target);

    EXPECT_EQ(PaintsAfter([&] { d.SelectPoint(42); }), 0) << "no point has that number";
    EXPECT_EQ(d.CurrentPoint, target);
}

TEST_F(VentInput, PressesReachTheDiagramOnlyWhileFocused)
{
    d.PaintToImage();
    const TPointInfo& target = *d.Point(3); // editable in X
    const QPoint at(target.XPixel, target.YPixel);
    QSignalSpy downs(&d, &TControl::OnMouseDown);

    d.MouseMove(TShiftState(), at.x(), at.y());
    ASSERT_EQ(d.CurrentPoint, &target);
    ASSERT_TRUE(target.MouseOver);
    d.MouseDown(mbLeft, TShiftState(), at.x(), at.y());
    EXPECT_EQ(d.DiagramState, dsIdle) << "no drag starts on the display";
    EXPECT_FALSE(target.Dragging);
    EXPECT_EQ(downs.count(), 0);

    d.DiagramState = dsFocused;
    QTest::mousePress(&d, Qt::LeftButton, Qt::NoModifier, at);
    EXPECT_EQ(downs.count(), 1) << "the focused control reports the press";
    EXPECT_EQ(d.DiagramState, dsFocused);
    EXPECT_FALSE(target.Dragging);
    QTest::mouseRelease(&d, Qt::LeftButton, Qt::NoModifier, at);
    EXPECT_EQ(d.DiagramState, dsIdle) << "a release ends the focused display";
}

TEST(VentRegistration, DiagramIsOnTheSaxelPage)
{
    RegisterDiagramComponents();
    const auto found = FindComponentClass(QStringLiteral("TLvdVentDiagram"));
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(found->Page, QStringLiteral("Saxel Componenten"));
    EXPECT_EQ(found->PaletteBitmap, QStringLiteral("TLVDVENTDIAGRAM"));
    TBitmap palette;
    EXPECT_TRUE(palette.LoadFromResourceName(found->PaletteBitmap));

    std::unique_ptr<QObject> made(found->Create(nullptr));
    EXPECT_NE(qobject_cast<TLvdVentDiagram*>(made.get()), nullptr);
}
