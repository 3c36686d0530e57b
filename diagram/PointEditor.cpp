#include "diagram/PointEditor.h"

#include "diagram/DiagramDraw.h"
#include "diagram/DiagramSettings.h"
#include "diagram/MasterDiagram.h"
#include "framework/Exception.h"
#include "framework/Screen.h"

using namespace DiagramDraw;

namespace {

// One key step of an editable value toward its limit; false when it may not move.
bool StepTowardLimit(bool editable, int* value, const int* limit, int direction)
{
    if (!editable || !value || !limit || (direction > 0 ? *value >= *limit : *limit >= *value))
        return false;
    *value += direction;
    return true;
}

} // namespace

void TPointEditor::ClearLabelsExcept(const TPointInfo* keep)
{
    for (auto& q : d_.PointList) {
        if (q.get() == keep || !q->MouseOver)
            continue;
        if (!d_.DiagramSettings()->ShowPointValues)
            d_.ClearPointLabel(*q);
        q->MouseOver = false;
    }
}

void TPointEditor::MouseMovePosition(int X, int Y)
{
    Screen::SetCursor(crDefault);
    const bool showAll = d_.DiagramSettings()->ShowPointValues;
    for (auto& item : d_.PointList) {
        TPointInfo& p = *item;
        if (!InsideInclusive(p.DrawRect, X, Y)) {
            if (!showAll && p.MouseOver)
                d_.ClearPointLabel(p);
            if (p.MouseOver) {
                p.MouseOver = false;
                d_.Invalidate();
            }
            continue;
        }
        if (p.CurveOptionEnabled || p.XEditable || p.YEditable)
            Screen::SetCursor(crHandPoint);
        if (p.Fixed)
            ClearLabelsExcept(&p);
        if (!p.MouseOver && !showAll)
            d_.DrawPointLabel(p, true);
        p.MouseOver = true;
        d_.CurrentPoint = &p;
        if (p.Fixed)
            break;
    }
}

void TPointEditor::Press(int X, int Y)
{
    TPointInfo* p = d_.CurrentPoint;
    if (!p || d_.DiagramState == dsFocused || !p->MouseOver || p->Dragging)
        return;
    if (p->XEditable || p->YEditable)
        StartPointDrag(*p, X, Y);
    else if (d_.PointClick)
        d_.PointClick(p);
}

void TPointEditor::StartPointDrag(TPointInfo& point, int X, int Y)
{
    d_.DiagramState = dsDragPoint;
    point.Dragging = true;
    d_.MouseDownX = point.DragStartX = X;
    d_.MouseDownY = point.DragStartY = Y;
    TCanvas& c = d_.Canvas();
    SetPenAndBrush(c, clBlue);
    c.Pen.Width = 1;
    c.Pen.Style = psSolid;
    c.Brush.Style = bsSolid;
    c.Rectangle(point.DrawRect);
    d_.ShowOffscreen();
    TPointValues& v = point.Values;
    v.OldXValue = ValueOr(v.XValue, 0);
    v.OldYValue = ValueOr(v.YValue, 0);
    // A limit the filling diagram left open holds the point where it is.
    CalcClipRectRegion(ValueOr(v.MinX, v.OldXValue), ValueOr(v.MinY, v.OldYValue), ValueOr(v.MaxY, v.OldYValue),
                       ValueOr(v.MaxX, v.OldXValue));
    Screen::ClipCursor(d_.CursorClipRect);
}

void TPointEditor::Release(int X, int Y)
{
    Screen::ClipCursor(std::nullopt);
    if (d_.DiagramState == dsDragPoint && d_.CurrentPoint) {
        EndPointDrag(X, Y);
    } else if (d_.DiagramState != dsDragSymbol) {
        d_.DiagramState = dsIdle;
        Screen::SetCursor(crDefault);
    }
    d_.Invalidate();
}

void TPointEditor::EndPointDrag(int X, int Y)
{
    for (auto& p : d_.PointList) {
        p->Dragging = false;
        p->SymbolDragging = false;
    }
    TPointInfo& c = *d_.CurrentPoint;
    if (!InsideInclusive(c.DrawRect, X, Y)) {
        if (!d_.DiagramSettings()->ShowPointValues && c.MouseOver)
            d_.ClearPointLabel(c);
        c.MouseOver = false;
        Screen::SetCursor(crDefault);
    } else {
        d_.ClearPointLabel(c);
        d_.DrawPointLabel(c, true);
        c.MouseOver = true;
    }
    emit d_.AfterSetpointChanged(c.VarName, c.NewValue);
    d_.DiagramState = dsIdle;
}

bool TPointEditor::CheckKeyInputValue(TPointInfo& point, TChangeValue change)
{
    if (!point.MouseOver)
        return false;
    TPointValues& v = point.Values;
    switch (change) {
    case cvXUp: return StepTowardLimit(point.XEditable, v.XValue, v.MaxX, 1);
    case cvXDown: return StepTowardLimit(point.XEditable, v.XValue, v.MinX, -1);
    case cvYUp: return StepTowardLimit(point.YEditable, v.YValue, v.MaxY, 1);
    case cvYDown: return StepTowardLimit(point.YEditable, v.YValue, v.MinY, -1);
    }
    return false;
}

void TPointEditor::CalcClipRectRegion(int minX, int minY, int maxY, int maxX)
{
    if (maxX < minX) {
        Screen::ClipCursor(std::nullopt);
        throw Exception(QStringLiteral("Error in TMasterDiagram::CalcClipRectRegion : MinX larger than MaxX"));
    }
    if (maxY < minY) {
        Screen::ClipCursor(std::nullopt);
        throw Exception(QStringLiteral("Error in TMasterDiagram::CalcClipRectRegion : MinY larger than MaxY"));
    }
    const QPoint cursor = Screen::CursorPos();
    // Without a current point the offset is that of the control itself.
    const TPointInfo* current = d_.CurrentPoint;
    const QPoint anchor = current ? QPoint(current->XPixel, current->YPixel) : cursor - d_.ClientToScreen(QPoint(0, 0));
    d_.CursorOffsetX = cursor.x() - anchor.x();
    d_.CursorOffsetY = cursor.y() - anchor.y();
    d_.CursorClipRect = TRect(d_.CalcXPixel(minX) + d_.CursorOffsetX, d_.CalcYPixel(maxY) + d_.CursorOffsetY,
                              d_.CalcXPixel(maxX) + d_.CursorOffsetX + 1, d_.CalcYPixel(minY) + d_.CursorOffsetY + 1);
}
