// TMasterDiagram: hover tracking, drag start and end with the cursor
// confinement, clicks on points, the keyboard step and the focus display.

#include "TestDiagram.h"

#include "framework/Exception.h"
#include "framework/Screen.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QFocusEvent>
#include <QMouseEvent>
#include <gtest/gtest.h>

namespace {

// A laid-out, painted diagram, as the user sees it before touching it.
struct EditingFixture : ::testing::Test {
    TTestDiagram d;
    void Paint() { d.PaintToImage(); }
    void TearDown() override
    {
        Screen::ClipCursor(std::nullopt);
        Screen::SetCursor(crDefault);
    }
};

void SendMouse(QWidget& w, QEvent::Type type, QPoint at)
{
    QMouseEvent e(type, QPointF(at), w.mapToGlobal(QPointF(at)), Qt::LeftButton,
                  type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&w, &e);
}

} // namespace

TEST_F(EditingFixture, HoverShowsLabelAndHandOnlyOverEditablePoints)
{
    TPointInfo& editable = d.AddPoint(100, 50, true);
    TPointInfo& fixed = d.AddPoint(400, 30, false);
    Paint();
    d.MMove({}, editable.XPixel, editable.YPixel);
    EXPECT_TRUE(editable.MouseOver);
    EXPECT_EQ(d.CurrentPoint, &editable);
    EXPECT_EQ(Screen::Cursor(), crHandPoint);
    EXPECT_EQ(editable.LabelText, QStringLiteral("10.0 ; 50"));

    d.MMove({}, fixed.XPixel + 3, fixed.YPixel - 3); // the rectangle's bounds count as inside
    EXPECT_FALSE(editable.MouseOver);
    EXPECT_TRUE(fixed.MouseOver);
    EXPECT_EQ(Screen::Cursor(), crDefault) << "a black point shows its label but no hand";
    EXPECT_EQ(d.CurrentPoint, &fixed);

    d.MMove({}, 5, 5);
    EXPECT_FALSE(fixed.MouseOver);
    EXPECT_EQ(d.CurrentPoint, &fixed) << "the last point found stays current";
}

TEST_F(EditingFixture, FixedPointUnderTheMouseHidesOtherLabelsAndEndsTheScan)
{
    TPointInfo& a = d.AddPoint(100, 50, true);
    TPointInfo& b = d.AddPoint(102, 51, true); // drawn small and aqua: fixed
    TPointInfo& c = d.AddPoint(103, 50, true);
    Paint();
    ASSERT_TRUE(b.Fixed);
    d.MMove({}, b.XPixel, b.YPixel);
    EXPECT_FALSE(a.MouseOver);
    EXPECT_TRUE(b.MouseOver);
    EXPECT_FALSE(c.MouseOver) << "the scan stops at the fixed point";
    EXPECT_EQ(d.CurrentPoint, &b);
}

TEST_F(EditingFixture, ShowPointValuesKeepsEveryLabel)
{
    d.DiagramSettings()->SetShowPointValues(true);
    TPointInfo& a = d.AddPoint(100, 50, true);
    TPointInfo& b = d.AddPoint(300, 50, true);
    const QImage before = d.PaintToImage();
    d.MMove({}, a.XPixel, a.YPixel);
    d.MMove({}, b.XPixel, b.YPixel);
    EXPECT_EQ(d.OffscreenBitmap().Image(), before) << "hovering neither draws nor clears labels";
}

TEST_F(EditingFixture, DragStartsOnEditablePointConfinesCursorAndEndsWithTheEvent)
{
    TPointInfo& p = d.AddPoint(250, 50, true);
    d.MinX[0] = 100;
    d.MaxX[0] = 400;
    d.MinY[0] = 20;
    d.MaxY[0] = 80;
    p.VarName = QStringLiteral("StreefTemp");
    p.NewValue = 7;
    Paint();
    QString reported;
    int reportedValue = 0;
    QObject::connect(&d, &TMasterDiagram::AfterSetpointChanged, [&](const QString& name, int value) {
        reported = name;
        reportedValue = value;
    });
    d.MMove({}, p.XPixel, p.YPixel);
    d.MDown(mbLeft, {}, p.XPixel, p.YPixel);
    EXPECT_EQ(d.DiagramState, dsDragPoint);
    EXPECT_TRUE(p.Dragging);
    EXPECT_EQ(p.DragStartX, p.XPixel);
    EXPECT_EQ(d.MouseDownY, p.YPixel);
    EXPECT_EQ(p.Values.OldXValue, 250);
    EXPECT_EQ(PixelColor(d.OffscreenBitmap().Image(), p.DrawRect.Left, p.DrawRect.Top), clBlue);
    ASSERT_TRUE(Screen::CursorClip().has_value());
    const TRect clip = *Screen::CursorClip();
    EXPECT_EQ(clip, d.CursorClipRect);
    EXPECT_EQ(clip.Width(), d.CalcXPixel(400) - d.CalcXPixel(100) + 1);
    EXPECT_EQ(clip.Height(), d.CalcYPixel(20) - d.CalcYPixel(80) + 1);
    EXPECT_EQ(clip.Left - d.CursorOffsetX, d.CalcXPixel(100));

    // While dragging, a paint leaves the bitmap to the drag.
    const QImage during = d.OffscreenBitmap().Image();
    d.PaintToImage();
    EXPECT_EQ(d.OffscreenBitmap().Image(), during);

    // Released away from the point: hover ends, the change is still reported.
    d.MouseUp(mbLeft, {}, p.XPixel + 50, p.YPixel);
    EXPECT_EQ(d.DiagramState, dsIdle);
    EXPECT_FALSE(p.Dragging);
    EXPECT_FALSE(p.MouseOver);
    EXPECT_FALSE(Screen::CursorClip().has_value());
    EXPECT_EQ(reported, QStringLiteral("StreefTemp"));
    EXPECT_EQ(reportedValue, 7);
}

TEST_F(EditingFixture, ReleaseOnThePointKeepsItsLabel)
{
    TPointInfo& p = d.AddPoint(250, 50, true);
    Paint();
    d.MMove({}, p.XPixel, p.YPixel);
    d.MDown(mbLeft, {}, p.XPixel, p.YPixel);
    d.MouseUp(mbLeft, {}, p.XPixel, p.YPixel);
    EXPECT_TRUE(p.MouseOver);
    EXPECT_EQ(d.DiagramState, dsIdle);
}

TEST_F(EditingFixture, PressOnFixedCurveOptionPointRaisesTheCommand)
{
    TPointInfo& p = d.AddPoint(250, 50, false);
    p.CurveOptionEnabled = true;
    p.SubCommando = 42;
    Paint();
    int command = -1;
    QObject::connect(&d, &TMasterDiagram::OnPointCommand, [&](int sub) { command = sub; });
    d.MMove({}, p.XPixel, p.YPixel);
    EXPECT_EQ(Screen::Cursor(), crHandPoint);
    d.MDown(mbLeft, {}, p.XPixel, p.YPixel);
    EXPECT_EQ(command, 42);
    EXPECT_EQ(d.DiagramState, dsIdle) << "a curve-option point is never dragged";

    // A plain fixed point raises nothing.
    command = -1;
    p.CurveOptionEnabled = false;
    d.MDown(mbLeft, {}, p.XPixel, p.YPixel);
    EXPECT_EQ(command, -1);
}

TEST_F(EditingFixture, InvertedLimitsReachTheErrorBoxAndTheNextReleaseEndsTheDrag)
{
    QWidget host;
    host.resize(600, 400);
    d.setParent(&host);
    host.show();
    TPointInfo& p = d.AddPoint(250, 50, true);
    d.MinX[0] = 400;
    d.MaxX[0] = 100;
    Paint();
    d.MMove({}, p.XPixel, p.YPixel);
    MessageCapture boxes;
    SendMouse(d, QEvent::MouseButtonPress, QPoint(p.XPixel, p.YPixel));
    ASSERT_EQ(boxes.Texts.size(), 1);
    EXPECT_EQ(boxes.Texts[0], QStringLiteral("Error in TMasterDiagram::CalcClipRectRegion : MinX larger than MaxX"));
    EXPECT_EQ(d.DiagramState, dsDragPoint);
    EXPECT_FALSE(Screen::CursorClip().has_value());

    SendMouse(d, QEvent::MouseButtonRelease, QPoint(p.XPixel, p.YPixel));
    EXPECT_EQ(d.DiagramState, dsIdle);
    d.setParent(nullptr);
}

TEST_F(EditingFixture, InvertedVerticalLimitsNameY)
{
    TPointInfo& p = d.AddPoint(250, 50, true);
    d.MinY[0] = 90;
    d.MaxY[0] = 10;
    Paint();
    d.CurrentPoint = &p;
    Screen::ClipCursor(TRect(0, 0, 10, 10));
    try {
        d.CalcClipRectRegion(100, 90, 10, 400);
        FAIL() << "no exception";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message, QStringLiteral("Error in TMasterDiagram::CalcClipRectRegion : MinY larger than MaxY"));
    }
    EXPECT_FALSE(Screen::CursorClip().has_value()) << "the confinement is released first";
}

TEST_F(EditingFixture, KeyStepStopsAtTheLimits)
{
    TPointInfo& p = d.AddPoint(250, 50, true);
    d.MaxX[0] = 250;
    d.MinY[0] = 50;
    EXPECT_FALSE(d.CheckKeyInputValue(p, cvXDown)) << "only the point under the mouse moves";
    p.MouseOver = true;
    EXPECT_FALSE(d.CheckKeyInputValue(p, cvXUp));
    EXPECT_EQ(d.X[0], 250);
    EXPECT_TRUE(d.CheckKeyInputValue(p, cvXDown));
    EXPECT_EQ(d.X[0], 249);
    EXPECT_FALSE(d.CheckKeyInputValue(p, cvYDown));
    EXPECT_TRUE(d.CheckKeyInputValue(p, cvYUp));
    EXPECT_EQ(d.Y[0], 51);
    EXPECT_FALSE(d.CheckKeyInputValue(p, TChangeValue(9)));
    p.YEditable = false;
    EXPECT_FALSE(d.CheckKeyInputValue(p, cvYUp));
    EXPECT_EQ(d.Y[0], 51);
}

TEST_F(EditingFixture, KeyboardFocusShowsOnlyTheFrameUntilTheNextRelease)
{
    d.AddPoint(250, 50, true);
    QFocusEvent click(QEvent::FocusIn, Qt::MouseFocusReason);
    QApplication::sendEvent(&d, &click);
    EXPECT_EQ(d.DiagramState, dsIdle) << "a click does not enter the focused display";

    QFocusEvent tab(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(&d, &tab);
    EXPECT_EQ(d.DiagramState, dsFocused);
    const QImage img = d.PaintToImage();
    EXPECT_EQ(PixelColor(img, 0, 0), clBlack);
    EXPECT_EQ(PixelColor(img, d.Width() / 2 - 3, d.Height() - 1), clBlack);
    EXPECT_EQ(PixelColor(img, d.Width() / 2, d.Height() / 2), 0xE1FFFF);

    const TPointInfo& p = *d.PointList[0];
    d.MMove({}, p.XPixel, p.YPixel);
    EXPECT_FALSE(p.MouseOver) << "no hover tracking while focused";
    d.MouseUp(mbLeft, {}, 10, 10);
    EXPECT_EQ(d.DiagramState, dsIdle);

    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(&d, &tab);
    QApplication::sendEvent(&d, &out);
    EXPECT_EQ(d.DiagramState, dsIdle);
}

TEST_F(EditingFixture, KeysReachNoHandler)
{
    bool reached = false;
    QObject::connect(&d, &TControl::OnKeyDown, [&](QObject*, uint16_t&, TShiftState) { reached = true; });
    QKeyEvent key(QEvent::KeyPress, Qt::Key_Up, Qt::NoModifier);
    QApplication::sendEvent(&d, &key);
    EXPECT_FALSE(reached);
}
