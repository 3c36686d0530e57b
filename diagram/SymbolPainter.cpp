#include "diagram/SymbolPainter.h"

#include "diagram/DiagramDraw.h"
#include "diagram/DiagramSettings.h"
#include "diagram/FontBitmaps.h"
#include "diagram/MasterDiagram.h"

#include <algorithm>

using DiagramDraw::CopyToBitmap;

void TSymbolPainter::DrawPointLabels()
{
    d_.Canvas().Pen.Width = 1;
    for (auto& p : d_.PointList)
        if (p->PointKind == pkPoint && (d_.DiagramSettings()->ShowPointValues || p->MouseOver))
            DrawPointLabel(*p, false);
}

void TSymbolPainter::DrawPointLabel(TPointInfo& point, bool show)
{
    if (point.PointKind != pkPoint)
        return;
    TCanvas& c = d_.Canvas();
    c.Brush.Color = clWhite;
    c.Brush.Style = bsSolid;
    c.Pen.Color = clBlack;
    c.Pen.Style = psSolid;
    const TPointValues& v = point.Values;
    point.LabelText = TMasterDiagram::GetValueString(v.XValType, v.XValue) + v.XUnit;
    const QString y = TMasterDiagram::GetValueString(v.YValType, v.YValue) + v.YUnit;
    if (!point.LabelText.isEmpty() && !y.isEmpty())
        point.LabelText += QStringLiteral(" ; ");
    point.LabelText += y;
    const int w = c.TextWidth(point.LabelText);
    const int lh = d_.GetLineHeight();
    const int left = point.XPixel - w / 2 - 1;
    const int top = point.DrawRect.Top - lh;
    const int right = left + w + 1;
    const int bottom = top + lh - 1;
    CopyToBitmap(point.LabelBackground, c, TRect(left - 1, top - 1, right + 2, bottom));
    c.Rectangle(left - 1, top - 1, right + 2, bottom);
    c.TextOut(left + 1, top, point.LabelText);
    if (show)
        d_.ShowOffscreen();
}

void TSymbolPainter::ClearPointLabel(TPointInfo& point)
{
    if (point.PointKind != pkPoint || point.LabelText.isEmpty())
        return;
    TCanvas& c = d_.Canvas();
    const int w = c.TextWidth(point.LabelText);
    c.Draw(point.XPixel - w / 2 - 2, point.DrawRect.Top - d_.GetLineHeight() - 1, point.LabelBackground);
    d_.ShowOffscreen();
}

void TSymbolPainter::DrawArrow(int fromX, int toX, int y)
{
    TCanvas& c = d_.Canvas();
    c.Brush.Color = clBlack;
    c.Brush.Style = bsSolid;
    const int y0 = y - 3;
    const bool left = toX < fromX;
    c.MoveTo(fromX, y0);
    c.LineTo(fromX, y0 + 7);
    c.MoveTo(fromX - 1, y0);
    c.LineTo(fromX - 1, y0 + 7);
    c.MoveTo(left ? fromX : fromX - 1, y0 + 3);
    c.LineTo(toX, y0 + 3);
    const int b = left ? std::min(toX + 6, fromX) : std::max(toX - 6, fromX);
    c.Polygon({QPoint(toX, y0 + 3), QPoint(b, y0), QPoint(b, y0 + 6)});
}

int TSymbolPainter::SymbolRowTop(const TPointInfo& point)
{
    const int lh = d_.GetLineHeight();
    int top = point.Symbol.SymbolRow * 20 + d_.YOrigin + 5;
    if (d_.DiagramSettings()->ShowXValues)
        top += lh;
    if (!d_.XAxisTitle().isEmpty())
        top += lh;
    return top;
}

void TSymbolPainter::DrawSymbols()
{
    if (!d_.DiagramSettings()->ShowSymbols)
        return;
    for (auto& p : d_.PointList)
        DrawSymbols(*p, false);
}

void TSymbolPainter::DrawSymbols(TPointInfo& point, bool show)
{
    TPointSymbol& sym = point.Symbol;
    if (!d_.DiagramSettings()->ShowSymbols || sym.SymbolType == vtNone)
        return;
    TCanvas& c = d_.Canvas();
    c.Pen.Color = clBlack;
    c.Pen.Style = psSolid;
    c.Pen.Width = 1;
    c.Brush.Color = clBlack;
    c.Brush.Style = bsSolid;
    const int top = SymbolRowTop(point);
    if (sym.SymbolType == vtBitmap) {
        if (!point.Values.XValue)
            return;
        const int bw = sym.SymbolBitmap.Width(), bh = sym.SymbolBitmap.Height();
        sym.SymbolLeft = d_.CalcXPixel(*point.Values.XValue) - bw / 2;
        sym.SymbolTop = top;
        sym.SymbolRect = TRect(sym.SymbolLeft, top, sym.SymbolLeft + bw + 1, top + bh + 1);
        CopyToBitmap(point.SymbolBackground, c, sym.SymbolRect);
        c.Draw(sym.SymbolLeft, top, sym.SymbolBitmap);
    } else {
        if (!sym.SymbolFromX || !sym.SymbolToX)
            return;
        DrawValueSymbol(point, top);
    }
    if (show)
        d_.ShowOffscreen();
}

void TSymbolPainter::DrawValueSymbol(TPointInfo& point, int top)
{
    TCanvas& c = d_.Canvas();
    TPointSymbol& sym = point.Symbol;
    const int bw = sym.SymbolBitmap.Width(), bh = sym.SymbolBitmap.Height();
    const QString text = TMasterDiagram::GetValueString(sym.SymbolType, sym.SymbolValue);
    const int tw = c.TextWidth(text) + 3;
    const int p1 = d_.CalcXPixel(*sym.SymbolFromX);
    const int p2 = d_.CalcXPixel(*sym.SymbolToX);
    const int span = bw + tw;
    const int bottom = top + 1 + (bh < 21 ? 20 : bh);
    sym.SymbolRect = TRect(std::min(p1, p2) - span, top, std::max(p1, p2) + span + 1, bottom);
    CopyToBitmap(point.SymbolBackground, c, sym.SymbolRect);
    int tip;
    if (p1 < p2)
        tip = p2 - bw / 2 < p1 ? p1 - 1 : p2 - bw / 2;
    else
        tip = p1 < p2 + bw / 2 ? p1 + 1 : p2 + bw / 2;
    DrawArrow(p1, tip, (top + bottom) / 2);
    sym.SymbolLeft = p2 - bw / 2;
    sym.SymbolTop = top;
    c.Draw(sym.SymbolLeft, top, sym.SymbolBitmap);
    int tx = (p1 + tip - tw) / 2 + 6;
    if (sym.ArrowMode == 1 || (sym.ArrowMode == 2 && p1 >= p2))
        tx = std::max(tx, p2 + bw / 2);
    if (sym.ArrowMode == 0 || (sym.ArrowMode == 2 && p1 < p2))
        tx = std::min(tx, tip - bw / 2 - tw);
    const int ty = (top + bottom - d_.GetLineHeight() + 2) / 2;
    c.Brush.Color = clWhite;
    c.Brush.Style = bsSolid;
    c.Rectangle(tx - 2, ty - 1, tx + tw, bottom - 2);
    c.TextOut(tx, ty, text);
}

void TSymbolPainter::ClearArrowArea(TPointInfo& point)
{
    if (!d_.DiagramSettings()->ShowSymbols || point.Symbol.SymbolType == vtNone)
        return;
    d_.Canvas().Draw(point.Symbol.SymbolRect.Left, point.Symbol.SymbolRect.Top, point.SymbolBackground);
    d_.ShowOffscreen();
}

void TSymbolPainter::FillDayBitmap(TPointInfo& point, const TFontBitmaps& fonts)
{
    TBitmap& picture = point.Symbol.SymbolBitmap;
    if (picture.Empty())
        return;
    TCanvas& c = picture.Canvas();
    c.Brush.Color = clWhite;
    c.Brush.Style = bsSolid;
    c.FillRect(TRect(4, 8, picture.Width() - 3, picture.Height() - 2));
    const QString text = TMasterDiagram::GetValueString(vtInteger, point.Values.XValue);
    fonts.DrawRightAligned(c, picture.Width() - 4, 7, text, TFontBitmaps::SmallSet);
}
