#include "diagram/PointPainter.h"

#include "diagram/DiagramDraw.h"
#include "diagram/DiagramSettings.h"
#include "diagram/MasterDiagram.h"

#include <algorithm>
#include <cmath>

using namespace DiagramDraw;

namespace {

void CurvePen(TCanvas& c)
{
    SetPenAndBrush(c, clRed);
    c.Pen.Style = psSolid;
    c.Pen.Width = 2;
}

} // namespace

void TPointPainter::CalcPointInfo(TPointInfo& point)
{
    const TPointValues& v = point.Values;
    const TDiagramSettings& s = *d_.DiagramSettings();
    if (!v.XValue || !v.YValue)
        return;
    if (*v.XValue < s.MinXValue || *v.XValue > s.MaxXValue)
        return;
    if (*v.YValue < s.MinYValue || *v.YValue > s.MaxYValue)
        return;
    point.XPixel = d_.CalcXPixel(*v.XValue);
    point.YPixel = d_.CalcYPixel(*v.YValue);
}

void TPointPainter::CalcSetpointInfo(TPointInfo& point)
{
    if (point.Values.XValue)
        *point.Values.XValue = d_.CalcXValue(point.XPixel);
    if (point.Values.YValue)
        *point.Values.YValue = d_.CalcYValue(point.YPixel);
}

void TPointPainter::CalcPointsPixels()
{
    for (auto& p : d_.PointList)
        CalcPointInfo(*p);
    SortPointList();
}

void TPointPainter::SortPointList()
{
    TPointInfoList& list = d_.PointList;
    const int count = int(list.size());
    for (int i = 0; i <= count - 2; ++i)
        for (int a = count - 1; a >= i + 1; --a)
            if (list[size_t(a)]->XPixel < list[size_t(a - 1)]->XPixel)
                std::swap(list[size_t(a)], list[size_t(a - 1)]);
}

void TPointPainter::CalcVirtualValues()
{
    const TPointInfoList& list = d_.PointList;
    const int count = int(list.size());
    for (int i = 1; i <= count - 2; ++i) {
        TPointInfo& r = *list[size_t(i)];
        if (r.Values.YValType != vtNone)
            continue;
        int b = i - 1;
        while (b > 0 && list[size_t(b)]->Values.YValType == vtNone)
            --b;
        int f = i + 1;
        while (f < count - 1 && list[size_t(f)]->Values.YValType == vtNone)
            ++f;
        const TPointInfo& prev = *list[size_t(b)];
        const TPointInfo& next = *list[size_t(f)];
        if (prev.YPixel == next.YPixel || prev.XPixel == next.XPixel)
            r.YPixel = prev.YPixel; // neighbours on one X pixel have no slope: keep the earlier one's height
        else
            r.YPixel = int(std::trunc(double(r.XPixel - prev.XPixel) * (next.YPixel - prev.YPixel) /
                                          (next.XPixel - prev.XPixel) +
                                      prev.YPixel));
        if (r.Values.YValue)
            *r.Values.YValue = d_.CalcYValue(r.YPixel);
        r.Values.MinY = r.Values.YValue;
        r.Values.MaxY = r.Values.YValue;
    }
}

void TPointPainter::SetDrawPointRect(TPointInfo& point)
{
    if (point.PointKind != pkPoint) {
        point.DrawRect = TRect(1, 1, 0, 0);
        return;
    }
    const int r = point.Fixed ? 3 : 5;
    point.DrawRect = TRect(point.XPixel - r, point.YPixel - r, point.XPixel + r, point.YPixel + r);
}

void TPointPainter::DrawVerticalLine(int width, TPenStyle style, int value, TColor color)
{
    TCanvas& c = d_.Canvas();
    c.Pen.Width = width;
    c.Pen.Style = style;
    c.Pen.Color = color;
    const int x = d_.CalcXPixel(value);
    c.MoveTo(x, d_.YOrigin - d_.YAxisHeight);
    c.LineTo(x, d_.YOrigin + 1);
}

void TPointPainter::DrawLinesFromPointsToAxis()
{
    TCanvas& c = d_.Canvas();
    const int x0 = d_.XOrigin, y0 = d_.YOrigin;
    c.Pen.Color = clBlack;
    c.Pen.Style = psDot;
    c.Pen.Width = 1;
    for (const auto& p : d_.PointList) {
        if (p->PointKind != pkPoint)
            continue;
        const bool edge = p->XPixel == x0 || p->XPixel == x0 + d_.XAxisWidth;
        c.MoveTo(x0 + 1, p->YPixel);
        c.LineTo(p->XPixel - 1, p->YPixel);
        if (!edge)
            c.LineTo(p->XPixel - 1, y0);
        c.MoveTo(x0 + 1, p->YPixel + 1);
        c.LineTo(p->XPixel, p->YPixel + 1);
        if (!edge)
            c.LineTo(p->XPixel, y0);
    }
    c.Pen.Style = psSolid;
}

void TPointPainter::DrawLinesBetweenPoints()
{
    TCanvas& c = d_.Canvas();
    CurvePen(c);
    QVector<QPoint> path;
    for (const auto& p : d_.PointList)
        if (p->PointKind == pkPoint)
            path.append(QPoint(p->XPixel, p->YPixel + 1));
    StrokePath(c, path);
}

// The first and the last entry of the list that is a plain point (both null when none is).
std::pair<const TPointInfo*, const TPointInfo*> TPointPainter::OuterPoints() const
{
    const TPointInfoList& list = d_.PointList;
    const auto isPoint = [](const auto& p) { return p->PointKind == pkPoint; };
    const auto first = std::find_if(list.begin(), list.end(), isPoint);
    if (first == list.end())
        return {nullptr, nullptr};
    const auto last = std::find_if(list.rbegin(), list.rend(), isPoint);
    return {&**first, &**last};
}

void TPointPainter::DrawFirstLastHorLinesPoints() { DrawOuterLines(false); }
void TPointPainter::DrawFirstLastVertLinesPoints() { DrawOuterLines(true); }

// From the first plain point to the Y axis and from the last one to the end
// of the X axis, level with them; or down to the origin and to the X axis.
void TPointPainter::DrawOuterLines(bool down)
{
    TCanvas& c = d_.Canvas();
    CurvePen(c);
    const auto [first, last] = OuterPoints();
    if (!first)
        return;
    c.MoveTo(first->XPixel, first->YPixel + 1);
    c.LineTo(d_.XOrigin, down ? d_.YOrigin : first->YPixel + 1);
    c.MoveTo(last->XPixel, last->YPixel + 1);
    if (down)
        c.LineTo(last->XPixel, d_.YOrigin);
    else
        c.LineTo(d_.XOrigin + d_.XAxisWidth, last->YPixel + 1);
}

bool TPointPainter::PointsOverlap(const TRect& a, const TRect& b)
{
    const bool x = (a.Left >= b.Left && a.Left <= b.Right) || (a.Right >= b.Left && a.Right <= b.Right);
    const bool y = (a.Top >= b.Top && a.Top <= b.Bottom) || (a.Bottom >= b.Top && a.Bottom <= b.Bottom);
    return x && y;
}

void TPointPainter::DrawPoints()
{
    TCanvas& c = d_.Canvas();
    const TPointInfoList& list = d_.PointList;
    c.Brush.Style = bsSolid;
    c.Pen.Style = psSolid;
    c.Pen.Width = 1;
    for (size_t i = 0; i < list.size(); ++i) {
        TPointInfo& p = *list[i];
        if (p.PointKind == pkVerticalLine || p.PointKind == pkVerticalLine2) {
            SetDrawPointRect(p);
            DrawVerticalLine(p.LineWidth, p.LineStyle, ValueOr(p.Values.XValue, 0), p.LineColor);
            // The points after the line keep their one-pixel outline.
            c.Pen.Width = 1;
            c.Pen.Style = psSolid;
            continue;
        }
        if (p.PointKind != pkPoint)
            continue;
        p.Fixed = false;
        if (p.CurveOptionEnabled || p.XEditable || p.YEditable) {
            SetPenAndBrush(c, p.MouseOver ? clBlue : clRed);
        } else {
            SetPenAndBrush(c, clBlack);
            p.Fixed = true;
        }
        SetDrawPointRect(p);
        for (size_t j = 0; j < i; ++j) {
            if (PointsOverlap(p.DrawRect, list[j]->DrawRect)) {
                SetPenAndBrush(c, p.MouseOver ? clBlue : clAqua);
                p.Fixed = true;
                SetDrawPointRect(p);
                break;
            }
        }
        const TRect& r = p.DrawRect;
        if (p.CurveOptionEnabled)
            c.Polygon({QPoint(r.Left, (r.Top + r.Bottom) / 2), QPoint((r.Left + r.Right) / 2, r.Top),
                       QPoint(r.Right, (r.Top + r.Bottom) / 2), QPoint((r.Left + r.Right) / 2, r.Bottom)});
        else
            c.Rectangle(r);
        CopyToBitmap(p.PointImage, c, r);
    }
}

void TPointPainter::DrawArcAreas()
{
    TCanvas& c = d_.Canvas();
    const int count = int(d_.PointList.size());
    for (int i = 0; i < count - 1; ++i) {
        const TPointArea& a = d_.PointList[size_t(i)]->Area;
        if (a.AreaKind != akBelowCurve && a.AreaKind != akAboveCurve)
            continue;
        if (!a.AreaLeft || !a.AreaRight || !a.AreaTop || !a.AreaBottom)
            continue;
        c.Pen.Color = clInfoBk;
        c.Pen.Style = psSolid;
        c.Pen.Width = 1;
        c.Brush.Color = clRed;
        c.Brush.Style = a.AreaBrushStyle;
        const TRect r(d_.CalcXPixel(*a.AreaLeft), d_.CalcYPixel(*a.AreaTop), d_.CalcXPixel(*a.AreaRight) + 1,
                      d_.CalcYPixel(*a.AreaBottom) + 1);
        FillAreaSegments(a, r);
        c.Brush.Style = bsClear;
    }
}

void TPointPainter::FillAreaSegments(const TPointArea& area, const TRect& r)
{
    TCanvas& c = d_.Canvas();
    const TPointInfoList& list = d_.PointList;
    const bool below = area.AreaKind == akBelowCurve;
    for (size_t j = 0; j + 1 < list.size(); ++j) {
        const TPointInfo& s = *list[j];
        const TPointInfo& n = *list[j + 1];
        if (r.Left >= s.XPixel && r.Left < n.XPixel) {
            const int e = std::min(n.XPixel, r.Right);
            if (below)
                c.Polygon({QPoint(r.Left, s.YPixel), QPoint(e, n.YPixel), QPoint(e, r.Bottom), QPoint(r.Left, r.Bottom)});
            else
                c.Polygon({QPoint(r.Left, r.Top), QPoint(e, r.Top), QPoint(e, n.YPixel), QPoint(r.Left, s.YPixel)});
        } else if (r.Left < s.XPixel && r.Right >= n.XPixel) {
            if (below)
                c.Polygon({QPoint(s.XPixel, s.YPixel), QPoint(n.XPixel, n.YPixel), QPoint(n.XPixel, r.Bottom),
                           QPoint(s.XPixel, r.Bottom)});
            else
                c.Polygon({QPoint(s.XPixel, r.Top), QPoint(n.XPixel, r.Top), QPoint(n.XPixel, n.YPixel),
                           QPoint(s.XPixel, s.YPixel)});
        }
    }
}
