#include "diagram/CurveEditor.h"

#include "diagram/CurveDiagram.h"
#include "diagram/CurveSetpoints.h"
#include "diagram/DiagramSettings.h"
#include "framework/Screen.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace {

int Clamp64(int64_t value) { return int(std::clamp<int64_t>(value, INT_MIN, INT_MAX)); }

} // namespace

void TCurveEditor::DragStep(TShiftState Shift, int X, int Y)
{
    TPointInfo& c = *d_.CurrentPoint;
    TCanvas& canvas = d_.Canvas();
    const TPen savedPen = canvas.Pen;
    const bool lock = Shift.testFlag(ssCtrl) && c.XEditable && c.YEditable;
    d_.ClearPointLabel(c);
    canvas.Draw(c.DrawRect.Left, c.DrawRect.Top, c.PointImage);
    int dx = d_.MouseDownX - X;
    int dy = d_.MouseDownY - Y;
    if (c.XEditable)
        c.XPixel -= dx;
    if (c.YEditable)
        c.YPixel -= dy;
    if (lock) {
        LockDrag(c, X, Y, dx, dy);
    } else {
        Screen::ClipCursor(d_.CursorClipRect);
        d_.LockX = false;
        d_.LockY = false;
    }
    d_.CalcSetpointInfo(c);
    d_.SortPointList();
    TCurveStruct& curve = d_.Curve();
    if (c.Values.YValue && *c.Values.YValue > curve.YCeiling)
        *c.Values.YValue = curve.YCeiling;
    const bool rescaledY = RescaleYForDrag(c);
    const bool rescaledX = RescaleXForDrag(c);
    if (rescaledY || rescaledX) {
        d_.axesRescaled_ = true;
        d_.RepaintKeepingCursor(c);
        canvas.Pen = savedPen;
        return;
    }
    d_.MouseDownX = X;
    d_.MouseDownY = Y;
    ShowDraggedPoint(c, dx, dy);
    canvas.Pen = savedPen;
}

// The point's rectangle moves with it; it keeps a copy of what lies there
// and is drawn blue, with its label.
void TCurveEditor::ShowDraggedPoint(TPointInfo& c, int dx, int dy)
{
    TCanvas& canvas = d_.Canvas();
    c.DrawRect = TRect(c.DrawRect.Left - dx, c.DrawRect.Top - dy, c.DrawRect.Right - dx, c.DrawRect.Bottom - dy);
    const TRect& r = c.DrawRect;
    c.PointImage.SetSize(r.Width(), r.Height());
    c.PointImage.Canvas().CopyRect(TRect(0, 0, r.Width(), r.Height()), canvas, r);
    canvas.Pen.Color = clBlue;
    canvas.Pen.Width = 1;
    canvas.Pen.Style = psSolid;
    canvas.Brush.Color = clBlue;
    canvas.Brush.Style = bsSolid;
    canvas.Rectangle(r);
    d_.DrawPointLabel(c, true);
}

// Ctrl held: the point moves only along the axis in which the mouse has gone
// further since the press; the other coordinate stays at its value from then.
void TCurveEditor::LockDrag(TPointInfo& c, int X, int Y, int& dx, int& dy)
{
    if (std::abs(X - c.DragStartX) < std::abs(Y - c.DragStartY)) {
        c.XPixel = d_.CalcXPixel(c.Values.OldXValue);
        dx = 0;
        if (!d_.LockX) {
            c.YPixel = Y;
            dy = 0;
            Screen::SetCursorPos(QPoint(c.XPixel + d_.CursorOffsetX, Y + d_.CursorOffsetY));
            d_.SetDrawPointRect(c);
        }
        d_.LockX = true;
        d_.LockY = false;
    } else {
        c.YPixel = d_.CalcYPixel(c.Values.OldYValue);
        dy = 0;
        if (!d_.LockY) {
            c.XPixel = X;
            dx = 0;
            Screen::SetCursorPos(QPoint(X + d_.CursorOffsetX, c.YPixel + d_.CursorOffsetY));
            d_.SetDrawPointRect(c);
        }
        d_.LockY = true;
        d_.LockX = false;
    }
}

bool TCurveEditor::RescaleYForDrag(TPointInfo& c)
{
    TDiagramSettings& s = *d_.DiagramSettings();
    const TCurveStruct& curve = d_.Curve();
    const TPointInfoList& list = d_.PointList;
    if (!c.Values.YValue)
        return false;
    const int y = *c.Values.YValue;
    if (y >= s.MaxYValue && y < curve.YCeiling) {
        s.SetMaxYValue(Clamp64(int64_t(s.MaxYValue) + 100));
        return true;
    }
    if (list.size() < 2)
        return false;
    // The highest curve point; the day-counter line at the head is skipped.
    size_t start = list[0]->PointKind == pkVerticalLine2 ? 1 : 0;
    TPointInfo* highest = list[start].get();
    for (size_t j = start + 1; j < list.size(); ++j) {
        TPointInfo* p = list[j].get();
        if (p->PointKind != pkVerticalLine2 && p->Values.YValue && highest->Values.YValue
            && *p->Values.YValue > *highest->Values.YValue)
            highest = p;
    }
    if (highest == &c && int64_t(y) < int64_t(s.MaxYValue) - 105 && curve.YFloor < s.MaxYValue) {
        s.SetMaxYValue(s.MaxYValue - 100);
        return true;
    }
    return false;
}

bool TCurveEditor::RescaleXForDrag(TPointInfo& c)
{
    TDiagramSettings& s = *d_.DiagramSettings();
    if (!c.Values.XValue)
        return false;
    int& x = *c.Values.XValue;
    x = std::min(x, kXLimit);
    int64_t span = int64_t(s.MaxXValue) - s.MinXValue;
    bool changed = false;
    if (s.MinXValue >= x && x >= -98) {
        s.SetMinXValue(Clamp64(s.MinXValue - span));
        span *= 2;
        changed = true;
    }
    if (x >= s.MaxXValue && x < kXLimit) {
        s.SetMaxXValue(Clamp64(s.MaxXValue + span));
        span *= 2;
        changed = true;
    }
    if (d_.PointList.front().get() == &c && x >= s.MinXValue + span / 2 + 5 && s.MinXValue < kHomeLeft) {
        s.SetMinXValue(kHomeLeft);
        changed = true;
    }
    if (d_.PointList.back().get() == &c && x < s.MaxXValue - span / 2 - 5 && s.MaxXValue > kHomeRight) {
        s.SetMaxXValue(std::max(Clamp64(s.MaxXValue - span / 2), kHomeRight));
        changed = true;
    }
    return changed;
}

bool TCurveEditor::RescaleXForKey(TPointInfo& p)
{
    TDiagramSettings& s = *d_.DiagramSettings();
    if (!p.Values.XValue)
        return false;
    const int v = *p.Values.XValue;
    bool changed = false;
    if (s.MinXValue >= v && v >= -98) {
        s.SetMinXValue(std::max(s.MinXValue - 10, kMinLeft));
        changed = true;
    }
    if (v >= s.MaxXValue && v < kXLimit) {
        s.SetMaxXValue(std::min(s.MaxXValue + 10, kXLimit));
        changed = true;
    }
    if (d_.PointList.front().get() == &p && v >= s.MinXValue + 20 && s.MinXValue < kHomeLeft) {
        const int left = s.MinXValue + 10;
        s.SetMinXValue(left >= -4 ? kHomeLeft : left);
        changed = true;
    }
    if (d_.PointList.back().get() == &p && v <= s.MaxXValue - 20 && s.MaxXValue >= 96) {
        s.SetMaxXValue(std::max(s.MaxXValue - 10, kHomeRight));
        changed = true;
    }
    return changed;
}

// Every way of moving a point holds it where a drag does: at day 999 at most
// and never above the curve's ceiling. (The axis may reach further: fitted to
// a record, it doubles past 999.)
void TCurveEditor::HoldInCurveRange(TPointInfo& p)
{
    if (p.XEditable && p.Values.XValue)
        *p.Values.XValue = std::min(*p.Values.XValue, kXLimit);
    if (p.YEditable && p.Values.YValue)
        *p.Values.YValue = std::min(*p.Values.YValue, d_.Curve().YCeiling);
}
