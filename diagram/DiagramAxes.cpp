#include "diagram/DiagramAxes.h"

#include "diagram/DiagramDraw.h"
#include "diagram/DiagramSettings.h"
#include "diagram/MasterDiagram.h"
#include "scale/ScaleLabels.h"
#include "scale/ScaleSteps.h"

#include <algorithm>

using DiagramDraw::ScaleInt;
using DiagramDraw::StrokePath;

void TDiagramAxes::CalcAxePositions(const std::vector<std::unique_ptr<TPointInfo>>& points)
{
    const TDiagramSettings& s = *d_.DiagramSettings();
    d_.XOrigin = 31;
    d_.YOrigin = d_.Height() - 12;
    if (s.ShowSymbols)
        for (const auto& p : points)
            if (p->Symbol.SymbolType != vtNone)
                d_.YOrigin -= 20;
    d_.TitleHeight = d_.GetLineHeight(!d_.DiagramTitle().isEmpty());
    if (s.ShowYValues)
        d_.XOrigin += d_.Canvas().TextWidth(TMasterDiagram::FormatTextString(s.YAxisDecimals, s.MaxYValue));
    if (!d_.YAxisTitle().isEmpty())
        d_.XOrigin += d_.TitleHeight;
    if (s.ShowXValues)
        d_.YOrigin -= d_.GetLineHeight(true);
    if (!d_.XAxisTitle().isEmpty())
        d_.YOrigin -= d_.GetLineHeight(true);
    d_.YAxisHeight = d_.YOrigin - d_.TitleHeight - 26;
    if (d_.YAxisHeight < 10) {
        d_.YOrigin += 10 - d_.YAxisHeight;
        d_.SetHeight(d_.Height() - d_.YAxisHeight + 10);
        d_.YAxisHeight = 10;
    }
    d_.XAxisWidth = d_.Width() - d_.XOrigin - 28;
    d_.AreaRect = TRect(d_.XOrigin, d_.TitleHeight + 26, d_.Width() - 28, d_.YOrigin);
}

int TDiagramAxes::CalcSteps(int count) { return ScaleSteps::PerCent(count); }

int TDiagramAxes::CalcHourSteps(int count) { return ScaleSteps::Hours(count); }

void TDiagramAxes::PaintKader()
{
    TCanvas& c = d_.Canvas();
    const int w = d_.Width(), h = d_.Height();
    const QString& title = d_.DiagramTitle();
    c.Pen.Color = clBlack;
    c.Pen.Style = psSolid;
    c.Pen.Width = 2;
    StrokePath(c, {QPoint(1, 0), QPoint(1, h - 1), QPoint(w - 1, h - 1), QPoint(w - 1, 1), QPoint(0, 1)});
    if (!title.isEmpty()) {
        c.Font.SetStyle(fsBold);
        c.TextOut(std::max(0, (w - c.TextWidth(title)) / 2), 2, title);
        c.Font.SetStyle({});
    }
    c.Pen.Width = 1;
}

void TDiagramAxes::PaintFocus()
{
    TCanvas& c = d_.Canvas();
    const int w = d_.Width(), h = d_.Height();
    c.Pen.Color = clBlack;
    c.Pen.Width = 1;
    c.Pen.Style = psDashDot;
    c.MoveTo(3, 3);
    c.LineTo(3, h - 4);
    c.LineTo(w - 4, h - 4);
    c.LineTo(w - 4, 3);
    c.LineTo(3, 3);
    c.Pen.Style = psSolid;
    c.Brush.Color = clBlack;
    c.Brush.Style = bsSolid;
    const QPoint handles[] = {{0, 0},          {w - 6, 0},         {0, h - 6},         {w - 6, h - 6},
                              {w / 2 - 3, 0},  {w / 2 - 3, h - 6}, {0, h / 2 - 3},     {w - 6, h / 2 - 3}};
    for (const QPoint& at : handles)
        c.FillRect(Bounds(at.x(), at.y(), 6, 6));
}

// One labelled division of a Y axis at height y: its tick, the minor ticks
// below it, the grid line and the label text right-aligned before the axis.
void TDiagramAxes::DrawYDivision(int y, int step, int lh, const QString& label)
{
    TCanvas& c = d_.Canvas();
    const int x0 = d_.XOrigin, y0 = d_.YOrigin, height = d_.YAxisHeight;
    if (y > 0) {
        c.MoveTo(x0 - 4, y0 - y);
        c.LineTo(x0, y0 - y);
    }
    const int sub = CalcSteps(height / step / 5);
    for (int m = sub; m < 100; m += sub) {
        const int d = (height / step) * m / 100;
        if (d < y) {
            c.MoveTo(x0 - 2, y0 - y + d);
            c.LineTo(x0, y0 - y + d);
        }
    }
    if (d_.DiagramSettings()->ShowGrid) {
        c.Pen.Color = clGray;
        c.Pen.Style = psDot;
        c.MoveTo(x0, y0 - y);
        c.LineTo(x0 + d_.XAxisWidth, y0 - y);
        c.Pen.Color = clBlack;
        c.Pen.Style = psSolid;
    }
    if (!label.isEmpty()) {
        const int w = c.TextWidth(label + QStringLiteral("   "));
        c.TextOut(x0 - w, y0 - y - lh / 2 + 2, label);
    }
}

void TDiagramAxes::PrepareYAxisPen()
{
    TCanvas& c = d_.Canvas();
    c.Pen.Color = clBlack;
    c.Pen.Style = psSolid;
    c.Pen.Width = 1;
}

void TDiagramAxes::DrawNormalYAxis()
{
    const TDiagramSettings& s = *d_.DiagramSettings();
    DrawYDivisions(100, CalcSteps, [&s](int p) {
        return TMasterDiagram::FormatTextString(s.YAxisDecimals,
                                                ScaleInt(int64_t(s.MaxYValue) - s.MinYValue, p, 100) + s.MinYValue);
    });
}

void TDiagramAxes::DrawTimeYAxis()
{
    DrawYDivisions(1440, CalcHourSteps, [](int p) { return ScaleLabels::HourMinute(p); });
}

// The divisions of a Y axis running from 0 to `range` (per cent or minutes),
// as far apart as `steps` chooses for the labels that fit; the origin has
// no label.
void TDiagramAxes::DrawYDivisions(int range, int (*steps)(int), const std::function<QString(int)>& label)
{
    PrepareYAxisPen();
    const int lh = d_.GetLineHeight(true);
    const int step = steps(d_.YAxisHeight / (lh + 1));
    const bool labelled = d_.DiagramSettings()->ShowYValues;
    for (int p = 0; p <= range; p += step)
        DrawYDivision(p * d_.YAxisHeight / range, step, lh, p > 0 && labelled ? label(p) : QString());
}

void TDiagramAxes::DrawYAxisLabels()
{
    if (d_.Height() <= 50)
        return;
    if (d_.TimeAxis)
        DrawTimeYAxis();
    else
        DrawNormalYAxis();
    TCanvas& c = d_.Canvas();
    const QString& title = d_.YAxisTitle();
    if (!title.isEmpty()) {
        c.Font.SetName(QStringLiteral("Arial"));
        c.Font.SetStyle(fsBold);
        c.Font.SetOrientation(900);
        c.Font.SetCharset(1);
        c.Brush.Style = bsClear;
        const int w = c.TextWidth(title);
        c.TextOut(10, d_.YOrigin + w - d_.YAxisHeight, title);
        // Setting the style re-creates the font from its properties, which
        // carry no escapement: the rotation ends here.
        c.Font.SetOrientation(0);
    }
    c.Font.SetStyle({});
}

void TDiagramAxes::DrawXAxisLabels()
{
    if (d_.Width() <= 40)
        return;
    TCanvas& c = d_.Canvas();
    const TDiagramSettings& s = *d_.DiagramSettings();
    const int x0 = d_.XOrigin, y0 = d_.YOrigin, width = d_.XAxisWidth;
    c.Pen.Width = 1;
    const int w = c.TextWidth(QStringLiteral("  55.5  "));
    const int step = CalcSteps(w > 0 ? (width - w) / w : 0);
    for (int p = step; p <= 100; p += step) {
        const int x = p * width / 100;
        c.MoveTo(x0 + x, y0);
        c.LineTo(x0 + x, y0 + 5);
        const int sub = CalcSteps(width / step / 5);
        for (int m = sub; m < 100; m += sub) {
            const int d = (width / step) * m / 100;
            c.MoveTo(x0 + x - d - 1, y0);
            c.LineTo(x0 + x - d - 1, y0 + 3);
        }
        if (s.ShowGrid) {
            c.Pen.Color = clGray;
            c.Pen.Style = psDot;
            c.MoveTo(x0 + x, y0);
            c.LineTo(x0 + x, y0 - d_.YAxisHeight);
            c.Pen.Color = clBlack;
            c.Pen.Style = psSolid;
        }
        if (s.ShowXValues) {
            const int v = ScaleInt(int64_t(s.MaxXValue) - s.MinXValue, p, 100) + s.MinXValue;
            const QString text = TMasterDiagram::FormatTextString(s.XAxisDecimals, v);
            c.TextOut(x0 + x - c.TextWidth(text) / 2, y0 + 5, text);
        }
    }
    const QString& title = d_.XAxisTitle();
    if (!title.isEmpty()) {
        c.Font.SetStyle(fsBold);
        c.Brush.Style = bsClear;
        c.TextOut(x0 + width - c.TextWidth(title), y0 + c.TextHeight(title) + 5, title);
        c.Font.SetStyle({});
    }
}

void TDiagramAxes::DrawXYAxis()
{
    TCanvas& c = d_.Canvas();
    c.Pen.Color = clBlack;
    c.Pen.Style = psSolid;
    c.Pen.Width = 2;
    StrokePath(c, {QPoint(d_.XOrigin, d_.YOrigin - d_.YAxisHeight), QPoint(d_.XOrigin, d_.YOrigin + 1),
                   QPoint(d_.XOrigin + d_.XAxisWidth, d_.YOrigin + 1)});
}
