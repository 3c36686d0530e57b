#include "graph/GraphAxes.h"

#include "graph/GraphScale.h"
#include "scale/ScaleMap.h"

#include <cmath>

namespace {

// More divisions than any plot has pixels: a view beyond the spans AdjustZoom
// keeps (one the host set while rendering was not possible) still ends.
constexpr int64_t kMaxDivisions = 100000;

// Calls each(v) for v = first, first + step, ... up to last.
template <class Each>
void ForEachDivision(double first, double step, double last, Each each)
{
    for (int64_t k = 0; k < kMaxDivisions; ++k) {
        const double v = first + double(k) * step;
        if (!(v <= last))
            return;
        each(v);
    }
}

} // namespace

GraphFrame::Border TGraphAxes::Border(TKivGraph::TGraphBorderStyle style)
{
    switch (style) {
    case TKivGraph::bstSingle: return GraphFrame::Border::Single;
    case TKivGraph::bstRaised: return GraphFrame::Border::Raised;
    case TKivGraph::bstLowered: return GraphFrame::Border::Lowered;
    default: return GraphFrame::Border::None;
    }
}

void TGraphAxes::DrawGridAndNumbers(const TRect& outer)
{
    const TRect& plot = g_.plotRect_;
    DrawTitle(outer);
    if (g_.gridStyle_ != TKivGraph::gsNone || g_.ShowLeftNumbers)
        DrawYAxis(g_.visLeft_, false);
    if (!g_.AxisBitmapName.isEmpty() && !g_.axisPicture_.Empty())
        c_.Draw(10, (plot.Top + plot.Bottom) / 2 - 15, g_.axisPicture_);
    if (g_.RightAxis && g_.ShowLeftNumbers)
        DrawYAxis(g_.visRight_, true);
    if (g_.gridStyle_ != TKivGraph::gsNone || g_.ShowXNumbers)
        DrawXAxis();
    GraphFrame::DrawBorder(c_, TRect(plot.Left - 1, plot.Top - 1, plot.Right + 1, plot.Bottom + 1),
                           Border(g_.graphBorder_), g_.colorBorder_);
}

void TGraphAxes::DrawTitle(const TRect& outer)
{
    if (g_.Title.isEmpty())
        return;
    c_.Font.SetStyle(fsBold);
    c_.Font.SetColor(clBlack);
    c_.Brush.Style = bsClear;
    c_.TextOut(outer.Left + (outer.Width() - c_.TextWidth(g_.Title)) / 2, outer.Top + 3, g_.Title);
    c_.Font.SetStyle({});
}

void TGraphAxes::DrawYAxis(const TRect2D& r, bool right)
{
    const TRect& plot = g_.plotRect_;
    const int t = c_.TextHeight(QStringLiteral("Xy"));
    const double plotHeight = plot.Height();
    const double step = GraphScale::ValueStep(plotHeight, r.YMax - r.YMin, t);
    const double first = GraphScale::FirstValue(r.YMin, step);
    const bool grid = !right && (g_.gridStyle_ == TKivGraph::gsXGrid || g_.gridStyle_ == TKivGraph::gsFull);
    c_.Brush.Style = bsClear;
    c_.Font.SetColor(clBlack);
    const TScaleMap map = TScaleMap::WithExtent(r.YMin, r.YMax, 0, plotHeight);
    ForEachDivision(first, step, r.YMax, [&](double v) {
        const int offset = map.OffsetPixels(v, TRounding::Truncate);
        if (offset < 0)
            return;
        const int y = plot.Bottom - offset;
        if (grid) {
            c_.Pen = TPen{g_.colorGrid_, 1, psDot, pmCopy};
            c_.MoveTo(plot.Left, y);
            c_.LineTo(plot.Right + 1, y);
        }
        if (!g_.ShowLeftNumbers)
            return;
        const QString text = GraphScale::ValueLabel(v, !right && g_.LeftTenths);
        if (right)
            c_.TextOut(plot.Right + 3, y - t / 2, text);
        else
            c_.TextRect(TRect(0, 0, plot.Left, plot.Bottom + t / 2 + 1), plot.Left - 3 - c_.TextWidth(text), y - t / 2,
                        text);
    });
}

void TGraphAxes::DrawXAxis()
{
    const TRect2D& r = g_.visLeft_;
    const TAxisType type = g_.XAxisType;
    const QString templ = GraphScale::XTemplate(type, r.XMin, r.XMax);
    const double width = g_.plotRect_.Width(), span = r.XMax - r.XMin;
    const int templWidth = c_.TextWidth(templ);
    const bool days = type == atDaysWeek || type == atDaysMonth;
    double step = 0;
    if (type == atMinutes)
        step = GraphScale::MinuteStep(width, span, 1.5 * templWidth);
    else if (days)
        step = GraphScale::DayStep(width, span, templWidth, type == atDaysWeek ? 7 : 28);
    else
        step = GraphScale::NumberStep(width, span, templWidth);
    const double first = days ? r.XMin : GraphScale::FirstValue(r.XMin, step);
    c_.Brush.Style = bsClear;
    c_.Font.SetColor(clBlack);
    ForEachDivision(first, step, r.XMax, [&](double v) { DrawXDivision(v, templ); });
}

void TGraphAxes::DrawXDivision(double v, const QString& templ)
{
    const TRect& plot = g_.plotRect_;
    const TRect2D& r = g_.visLeft_;
    const int offset = TScaleMap::WithExtent(r.XMin, r.XMax, 0, plot.Width()).OffsetPixels(v, TRounding::Truncate);
    if (offset < 0)
        return;
    const int x = plot.Left + offset;
    if (g_.gridStyle_ == TKivGraph::gsYGrid || g_.gridStyle_ == TKivGraph::gsFull) {
        c_.Pen = TPen{g_.colorGrid_, 1, psDot, pmCopy};
        c_.MoveTo(x, plot.Top);
        c_.LineTo(x, plot.Bottom + 1);
    }
    if (!g_.ShowXNumbers || v == r.XMax)
        return;
    const QString text = GraphScale::FormatTextString(g_.XAxisType, v);
    const int left = x - c_.TextWidth(text) / 2;
    if (left > plot.Left - c_.TextWidth(templ) / 2)
        c_.TextOut(left, plot.Bottom + 4, text);
}
