#include "diagram/MasterDiagram.h"

#include "diagram/AllSetpoints.h"
#include "diagram/DiagramSettings.h"
#include "diagram/FontBitmaps.h"
#include "diagram/Setpoints.h"
#include "framework/DataTable.h"
#include "framework/Exception.h"
#include "framework/Notify.h"
#include "framework/Screen.h"
#include "framework/SegmentPainter.h"

#include <QFocusEvent>
#include <QMetaMethod>
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>

namespace {

// The correction loops of the mapping need a pixel or two; the cap only
// guards against layouts whose area and axis disagree, or inverted ranges.
constexpr int kMaxCorrectionSteps = 1 << 16;

// a * b / c in 32-bit results with a 64-bit product, truncating toward zero.
int ScaleInt(int64_t a, int64_t b, int64_t c) { return int(a * b / c); }

// Pattern "0.0" of a count of tenths, in integers so that no binary fraction
// shifts a digit; a value that rounds to zero carries no sign.
QString OneDecimal(int64_t tenths)
{
    const int64_t magnitude = tenths < 0 ? -tenths : tenths;
    const QString digits = QStringLiteral("%1.%2").arg(magnitude / 10).arg(magnitude % 10);
    return tenths < 0 ? QLatin1Char('-') + digits : digits;
}

// Hundredths to tenths, a half rounded away from zero as the pattern rounds.
int64_t HundredthsToTenths(int64_t hundredths)
{
    return hundredths < 0 ? -((-hundredths + 5) / 10) : (hundredths + 5) / 10;
}

// Hit test with the rectangle's right and bottom bounds counted as inside.
bool InsideInclusive(const TRect& r, int x, int y)
{
    return x >= r.Left && x <= r.Right && y >= r.Top && y <= r.Bottom;
}

void CopyToBitmap(TBitmap& target, TCanvas& source, const TRect& area)
{
    target.SetSize(area.Width(), area.Height());
    target.Canvas().CopyRect(TRect(0, 0, area.Width(), area.Height()), source, area);
}

void SetPenAndBrush(TCanvas& c, TColor color)
{
    c.Pen.Color = color;
    c.Brush.Color = color;
}

int ValueOr(const int* ref, int fallback) { return ref ? *ref : fallback; }

// MoveTo the first point, LineTo each next one; wide pens draw the whole
// path with one painter instead of one per segment.
void StrokePath(TCanvas& c, const QVector<QPoint>& path)
{
    if (path.isEmpty())
        return;
    TSegmentPainter segments(c);
    for (qsizetype i = 1; i < path.size(); ++i)
        segments.Add(path[i - 1], path[i]);
    segments.Flush();
    c.PenPos = path.back();
}

} // namespace

// --- construction -----------------------------------------------------------

TMasterDiagram::TMasterDiagram(QWidget* owner)
    : TCustomControl(owner), diagramSettings_(new TDiagramSettings(this))
{
    PointClick = [this](TPointInfo* point) { GraphPointClick(point); };
    SetBounds(Left(), Top(), owner ? owner->width() : 260, 120);
    TCanvas& c = OffscreenBitmap().Canvas();
    c.Font.SetName(QStringLiteral("Arial"));
    c.Font.SetCharset(1); // default character set
    if (InitAllSetpoints == 0)
        AllSetpoints = new TAllSetpoints(this);
    ++InitAllSetpoints;
}

TMasterDiagram::~TMasterDiagram()
{
    EmptyPointInfoList();
    if (InitAllSetpoints > 0 && --InitAllSetpoints == 0) {
        delete AllSetpoints;
        AllSetpoints = nullptr;
    }
}

void TMasterDiagram::SetDiagramTitle(const QString& value)
{
    SetAndNotify(this, &TMasterDiagram::DiagramTitleChanged, diagramTitle_, value, [&] { Invalidate(); });
}

void TMasterDiagram::SetXAxisTitle(const QString& value)
{
    SetAndNotify(this, &TMasterDiagram::XAxisTitleChanged, xAxisTitle_, value, [&] { Invalidate(); });
}

void TMasterDiagram::SetYAxisTitle(const QString& value)
{
    SetAndNotify(this, &TMasterDiagram::YAxisTitleChanged, yAxisTitle_, value, [&] { Invalidate(); });
}

void TMasterDiagram::AfterInput()
{
    diagramSettings_->NotifyChanges();
    for (auto* setpoints : findChildren<TSetpoints*>(Qt::FindDirectChildrenOnly))
        setpoints->NotifyChanges();
}

void TMasterDiagram::ChangeDiagramValue(TChangeValue) {}
void TMasterDiagram::DeletePoint() {}
void TMasterDiagram::InsertPoint() {}
void TMasterDiagram::CreatePointInfoList() {}
TBitmap* TMasterDiagram::PrintDiagram() { return nullptr; }

int TMasterDiagram::CreateNewPoint()
{
    PointList.push_back(std::make_unique<TPointInfo>());
    TimeAxis = false;
    return int(PointList.size()) - 1;
}

void TMasterDiagram::EmptyPointInfoList()
{
    // Nothing may keep pointing at a destroyed point.
    CurrentPoint = nullptr;
    CurrentSymbolPoint = nullptr;
    while (!PointList.empty())
        PointList.erase(PointList.begin());
    PointList.shrink_to_fit();
}

// --- window messages --------------------------------------------------------

void TMasterDiagram::Resize()
{
    if (Width() < 260)
        SetWidth(260);
    if (Height() < 120)
        SetHeight(120);
    Invalidate();
    TCustomControl::Resize();
}

void TMasterDiagram::focusInEvent(QFocusEvent* event)
{
    if (event->reason() == Qt::MouseFocusReason)
        return;
    TCustomControl::focusInEvent(event);
}

void TMasterDiagram::KeyDown(uint16_t&, TShiftState) {}

void TMasterDiagram::DoEnter()
{
    DiagramState = dsFocused;
    Invalidate();
}

void TMasterDiagram::DoExit()
{
    DiagramState = dsIdle;
    Invalidate();
}

void TMasterDiagram::RunPaintContract(const std::function<void()>& diagramRoutine)
{
    if (DiagramState == dsDragPoint || DiagramState == dsDragSymbol)
        return;
    TCanvas& c = Canvas();
    BitmapRect = TRect(0, 0, Width(), Height());
    c.Brush.Color = clInfoBk;
    c.Brush.Style = bsSolid;
    c.FillRect(BitmapRect);
    if (DiagramState != dsIdle) {
        PaintFocus();
        return;
    }
    PaintKader();
    if (diagramRoutine)
        diagramRoutine();
}

void TMasterDiagram::RunLayeredPaintContract(const std::function<void()>& prepare,
                                             const std::function<void()>& drawStatic,
                                             const std::function<void()>& drawLive)
{
    if (DiagramState == dsDragPoint || DiagramState == dsDragSymbol)
        return;
    if (DiagramState != dsIdle) {
        RunPaintContract({});
        staticValid_ = false;
        return;
    }
    if (!StaticLayerFits()) {
        PaintStaticLayer(prepare, drawStatic);
        liveAll_ = true;
    } else if (!liveAll_ && liveDirty_.isEmpty()) {
        return; // nothing changed: the bitmap holds the picture
    } else {
        TCanvas& c = Canvas();
        afterFrame_.Restore(c);
        if (prepare)
            prepare();
        // A handler raised while preparing may have changed what is shown.
        if (!staticValid_)
            return RunLayeredPaintContract(prepare, drawStatic, drawLive);
        const QRegion region = liveAll_ ? QRegion(BitmapRect.ToQRect()) : liveDirty_;
        RestoreStaticLayer(region);
        afterStatic_.Restore(c);
        if (!liveAll_)
            c.SetClipRegion(region);
    }
    if (drawLive)
        drawLive();
    Canvas().ClearClip();
    liveDirty_ = QRegion();
    liveAll_ = false;
}

bool TMasterDiagram::StaticLayerFits() const
{
    return staticValid_ && staticLayer_.width() == Width() && staticLayer_.height() == Height();
}

void TMasterDiagram::PaintStaticLayer(const std::function<void()>& prepare, const std::function<void()>& drawStatic)
{
    staticValid_ = true; // before prepare: a handler's Invalidate there drops it again
    RunPaintContract([&] {
        TCanvas& c = Canvas();
        afterFrame_.Save(c);
        if (prepare)
            prepare();
        if (drawStatic)
            drawStatic();
        afterStatic_.Save(c);
        KeepStaticLayer(c.Image());
    });
}

// Into the kept buffer when it fits: a fresh copy each time costs a new
// allocation, whose pages the system clears and maps again on every paint.
void TMasterDiagram::KeepStaticLayer(const QImage& image)
{
    if (staticLayer_.size() != image.size() || staticLayer_.format() != image.format() ||
        staticLayer_.bytesPerLine() != image.bytesPerLine()) {
        staticLayer_ = image.copy();
        return;
    }
    std::memcpy(staticLayer_.bits(), image.constBits(), size_t(image.sizeInBytes()));
}

void TMasterDiagram::RestoreStaticLayer(const QRegion& region)
{
    QImage& image = Canvas().Image();
    const int bytesPerPixel = image.depth() / 8;
    for (const QRect& r : region) {
        const QRect clipped = r.intersected(image.rect());
        for (int y = clipped.top(); y <= clipped.bottom(); ++y)
            std::memcpy(image.scanLine(y) + clipped.left() * bytesPerPixel,
                        staticLayer_.constScanLine(y) + clipped.left() * bytesPerPixel,
                        size_t(clipped.width() * bytesPerPixel));
    }
}

void TMasterDiagram::InvalidateLive(const TRect& rect)
{
    if (rect.Right <= rect.Left || rect.Bottom <= rect.Top) {
        liveAll_ = true;
        update();
        return;
    }
    liveDirty_ += rect.ToQRect();
    update(rect.ToQRect());
}

void TMasterDiagram::ContentChanged() { DropKeptLayers(); }

void TMasterDiagram::DropKeptLayers()
{
    staticValid_ = false;
    liveAll_ = true;
}

// --- mapping ----------------------------------------------------------------

int TMasterDiagram::CalcXValue(int px) const
{
    const int span = AreaRect.Right - AreaRect.Left;
    if (span == 0)
        return 0;
    const TDiagramSettings& s = *diagramSettings_;
    return ScaleInt(int64_t(s.MaxXValue) - s.MinXValue, px - AreaRect.Left, span) + s.MinXValue;
}

int TMasterDiagram::CalcYValue(int py) const
{
    const int span = AreaRect.Bottom - AreaRect.Top;
    if (span == 0)
        return 0;
    const TDiagramSettings& s = *diagramSettings_;
    return ScaleInt(int64_t(AreaRect.Bottom) - py, int64_t(s.MaxYValue) - s.MinYValue, span) + s.MinYValue;
}

int TMasterDiagram::CalcXPixel(int value) const
{
    const TDiagramSettings& s = *diagramSettings_;
    if (s.MinXValue == s.MaxXValue)
        return 0;
    int px = ScaleInt(int64_t(value) - s.MinXValue, XAxisWidth, int64_t(s.MaxXValue) - s.MinXValue) + XOrigin;
    for (int step = 0; step < kMaxCorrectionSteps; ++step) {
        if (CalcXValue(px) < value && CalcXValue(px + 1) <= value)
            ++px;
        else if (CalcXValue(px) > value && CalcXValue(px - 1) >= value)
            --px;
        else
            break;
    }
    return px;
}

int TMasterDiagram::CalcYPixel(int value) const
{
    const TDiagramSettings& s = *diagramSettings_;
    if (s.MinYValue == s.MaxYValue)
        return 0;
    int py = YOrigin - ScaleInt(int64_t(value) - s.MinYValue, YAxisHeight, int64_t(s.MaxYValue) - s.MinYValue);
    for (int step = 0; step < kMaxCorrectionSteps; ++step) {
        if (CalcYValue(py) < value && CalcYValue(py - 1) <= value)
            --py;
        else if (CalcYValue(py) > value && CalcYValue(py + 1) >= value)
            ++py;
        else
            break;
    }
    return py;
}

void TMasterDiagram::CalcClipRectRegion(int minX, int minY, int maxY, int maxX)
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
    const QPoint anchor = CurrentPoint ? QPoint(CurrentPoint->XPixel, CurrentPoint->YPixel) : cursor - ClientToScreen(QPoint(0, 0));
    CursorOffsetX = cursor.x() - anchor.x();
    CursorOffsetY = cursor.y() - anchor.y();
    CursorClipRect = TRect(CalcXPixel(minX) + CursorOffsetX, CalcYPixel(maxY) + CursorOffsetY,
                           CalcXPixel(maxX) + CursorOffsetX + 1, CalcYPixel(minY) + CursorOffsetY + 1);
}

// --- text -------------------------------------------------------------------

int TMasterDiagram::GetLineHeight(bool flag)
{
    if (!flag)
        return 0;
    const int points = OffscreenBitmap().Canvas().Font.Size();
    return int(std::abs(MulDiv(points, TFont::PixelsPerInch, 72)) * 1.4) + 2;
}

QString TMasterDiagram::FormatTextString(int decimals, int value)
{
    if (decimals == 0)
        return QString::number(value);
    if (decimals == 1)
        return OneDecimal(value);
    return OneDecimal(HundredthsToTenths(value));
}

QString TMasterDiagram::GetValueString(TValType type, const int* value)
{
    if (!value)
        return QString();
    if (type == vtInteger)
        return QString::number(*value);
    if (type == vtTenths)
        return OneDecimal(*value);
    return QString();
}

// --- layout and axes ----------------------------------------------------------

void TMasterDiagram::CalcAxePositions(const TPointInfoList& points)
{
    const TDiagramSettings& s = *diagramSettings_;
    XOrigin = 31;
    YOrigin = Height() - 12;
    if (s.ShowSymbols)
        for (const auto& p : points)
            if (p->Symbol.SymbolType != vtNone)
                YOrigin -= 20;
    TitleHeight = GetLineHeight(!diagramTitle_.isEmpty());
    if (s.ShowYValues)
        XOrigin += Canvas().TextWidth(FormatTextString(s.YAxisDecimals, s.MaxYValue));
    if (!yAxisTitle_.isEmpty())
        XOrigin += TitleHeight;
    if (s.ShowXValues)
        YOrigin -= GetLineHeight(true);
    if (!xAxisTitle_.isEmpty())
        YOrigin -= GetLineHeight(true);
    YAxisHeight = YOrigin - TitleHeight - 26;
    if (YAxisHeight < 10) {
        YOrigin += 10 - YAxisHeight;
        SetHeight(Height() - YAxisHeight + 10);
        YAxisHeight = 10;
    }
    XAxisWidth = Width() - XOrigin - 28;
    AreaRect = TRect(XOrigin, TitleHeight + 26, Width() - 28, YOrigin);
}

int TMasterDiagram::CalcSteps(int count)
{
    if (count <= 1)
        return 100;
    if (count == 2)
        return 50;
    if (count <= 4)
        return 25;
    if (count == 5)
        return 20;
    return 10;
}

int TMasterDiagram::CalcHourSteps(int count)
{
    if (count <= 1)
        return 1440;
    if (count == 2)
        return 720;
    if (count <= 4)
        return 360;
    if (count <= 6)
        return 240;
    if (count <= 8)
        return 180;
    if (count <= 20)
        return 120;
    return 60;
}

void TMasterDiagram::PaintKader()
{
    TCanvas& c = Canvas();
    const int w = Width(), h = Height();
    c.Pen.Color = clBlack;
    c.Pen.Style = psSolid;
    c.Pen.Width = 2;
    StrokePath(c, {QPoint(1, 0), QPoint(1, h - 1), QPoint(w - 1, h - 1), QPoint(w - 1, 1), QPoint(0, 1)});
    if (!diagramTitle_.isEmpty()) {
        c.Font.SetStyle(fsBold);
        c.TextOut(std::max(0, (w - c.TextWidth(diagramTitle_)) / 2), 2, diagramTitle_);
        c.Font.SetStyle({});
    }
    c.Pen.Width = 1;
}

void TMasterDiagram::PaintFocus()
{
    TCanvas& c = Canvas();
    const int w = Width(), h = Height();
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
void TMasterDiagram::DrawYDivision(int y, int step, int lh, const QString& label)
{
    TCanvas& c = Canvas();
    if (y > 0) {
        c.MoveTo(XOrigin - 4, YOrigin - y);
        c.LineTo(XOrigin, YOrigin - y);
    }
    const int sub = CalcSteps(YAxisHeight / step / 5);
    for (int m = sub; m < 100; m += sub) {
        const int d = (YAxisHeight / step) * m / 100;
        if (d < y) {
            c.MoveTo(XOrigin - 2, YOrigin - y + d);
            c.LineTo(XOrigin, YOrigin - y + d);
        }
    }
    if (diagramSettings_->ShowGrid) {
        c.Pen.Color = clGray;
        c.Pen.Style = psDot;
        c.MoveTo(XOrigin, YOrigin - y);
        c.LineTo(XOrigin + XAxisWidth, YOrigin - y);
        c.Pen.Color = clBlack;
        c.Pen.Style = psSolid;
    }
    if (!label.isEmpty()) {
        const int w = c.TextWidth(label + QStringLiteral("   "));
        c.TextOut(XOrigin - w, YOrigin - y - lh / 2 + 2, label);
    }
}

void TMasterDiagram::PrepareYAxisPen()
{
    TCanvas& c = Canvas();
    c.Pen.Color = clBlack;
    c.Pen.Style = psSolid;
    c.Pen.Width = 1;
}

void TMasterDiagram::DrawNormalYAxis()
{
    const TDiagramSettings& s = *diagramSettings_;
    PrepareYAxisPen();
    const int lh = GetLineHeight(true);
    const int step = CalcSteps(YAxisHeight / (lh + 1));
    for (int p = 0; p <= 100; p += step) {
        QString label;
        if (p > 0 && s.ShowYValues)
            label = FormatTextString(s.YAxisDecimals, ScaleInt(int64_t(s.MaxYValue) - s.MinYValue, p, 100) + s.MinYValue);
        DrawYDivision(p * YAxisHeight / 100, step, lh, label);
    }
}

void TMasterDiagram::DrawTimeYAxis()
{
    const TDiagramSettings& s = *diagramSettings_;
    PrepareYAxisPen();
    const int lh = GetLineHeight(true);
    const int step = CalcHourSteps(YAxisHeight / (lh + 1));
    for (int p = 0; p <= 1440; p += step) {
        QString label;
        if (p > 0 && s.ShowYValues)
            label = QStringLiteral("%1:%2").arg(p / 60, 2, 10, QLatin1Char('0')).arg(p % 60, 2, 10, QLatin1Char('0'));
        DrawYDivision(p * YAxisHeight / 1440, step, lh, label);
    }
}

void TMasterDiagram::DrawYAxisLabels()
{
    if (Height() <= 50)
        return;
    if (TimeAxis)
        DrawTimeYAxis();
    else
        DrawNormalYAxis();
    TCanvas& c = Canvas();
    if (!yAxisTitle_.isEmpty()) {
        c.Font.SetName(QStringLiteral("Arial"));
        c.Font.SetStyle(fsBold);
        c.Font.SetOrientation(900);
        c.Font.SetCharset(1);
        c.Brush.Style = bsClear;
        const int w = c.TextWidth(yAxisTitle_);
        c.TextOut(10, YOrigin + w - YAxisHeight, yAxisTitle_);
        // Setting the style re-creates the font from its properties, which
        // carry no escapement: the rotation ends here.
        c.Font.SetOrientation(0);
    }
    c.Font.SetStyle({});
}

void TMasterDiagram::DrawXAxisLabels()
{
    if (Width() <= 40)
        return;
    TCanvas& c = Canvas();
    const TDiagramSettings& s = *diagramSettings_;
    c.Pen.Width = 1;
    const int w = c.TextWidth(QStringLiteral("  55.5  "));
    const int step = CalcSteps(w > 0 ? (XAxisWidth - w) / w : 0);
    for (int p = step; p <= 100; p += step) {
        const int x = p * XAxisWidth / 100;
        c.MoveTo(XOrigin + x, YOrigin);
        c.LineTo(XOrigin + x, YOrigin + 5);
        const int sub = CalcSteps(XAxisWidth / step / 5);
        for (int m = sub; m < 100; m += sub) {
            const int d = (XAxisWidth / step) * m / 100;
            c.MoveTo(XOrigin + x - d - 1, YOrigin);
            c.LineTo(XOrigin + x - d - 1, YOrigin + 3);
        }
        if (s.ShowGrid) {
            c.Pen.Color = clGray;
            c.Pen.Style = psDot;
            c.MoveTo(XOrigin + x, YOrigin);
            c.LineTo(XOrigin + x, YOrigin - YAxisHeight);
            c.Pen.Color = clBlack;
            c.Pen.Style = psSolid;
        }
        if (s.ShowXValues) {
            const int v = ScaleInt(int64_t(s.MaxXValue) - s.MinXValue, p, 100) + s.MinXValue;
            const QString text = FormatTextString(s.XAxisDecimals, v);
            c.TextOut(XOrigin + x - c.TextWidth(text) / 2, YOrigin + 5, text);
        }
    }
    if (!xAxisTitle_.isEmpty()) {
        c.Font.SetStyle(fsBold);
        c.Brush.Style = bsClear;
        c.TextOut(XOrigin + XAxisWidth - c.TextWidth(xAxisTitle_), YOrigin + c.TextHeight(xAxisTitle_) + 5, xAxisTitle_);
        c.Font.SetStyle({});
    }
}

void TMasterDiagram::DrawXYAxis()
{
    TCanvas& c = Canvas();
    c.Pen.Color = clBlack;
    c.Pen.Style = psSolid;
    c.Pen.Width = 2;
    StrokePath(c, {QPoint(XOrigin, YOrigin - YAxisHeight), QPoint(XOrigin, YOrigin + 1),
                   QPoint(XOrigin + XAxisWidth, YOrigin + 1)});
}

// --- points -----------------------------------------------------------------

void TMasterDiagram::CalcPointInfo(TPointInfo& point)
{
    const TPointValues& v = point.Values;
    const TDiagramSettings& s = *diagramSettings_;
    if (!v.XValue || !v.YValue)
        return;
    if (*v.XValue < s.MinXValue || *v.XValue > s.MaxXValue)
        return;
    if (*v.YValue < s.MinYValue || *v.YValue > s.MaxYValue)
        return;
    point.XPixel = CalcXPixel(*v.XValue);
    point.YPixel = CalcYPixel(*v.YValue);
}

void TMasterDiagram::CalcSetpointInfo(TPointInfo& point)
{
    if (point.Values.XValue)
        *point.Values.XValue = CalcXValue(point.XPixel);
    if (point.Values.YValue)
        *point.Values.YValue = CalcYValue(point.YPixel);
}

void TMasterDiagram::CalcPointsPixels()
{
    for (auto& p : PointList)
        CalcPointInfo(*p);
    SortPointList();
}

void TMasterDiagram::SortPointList()
{
    const int count = int(PointList.size());
    for (int i = 0; i <= count - 2; ++i)
        for (int a = count - 1; a >= i + 1; --a)
            if (PointList[size_t(a)]->XPixel < PointList[size_t(a - 1)]->XPixel)
                std::swap(PointList[size_t(a)], PointList[size_t(a - 1)]);
}

void TMasterDiagram::CalcVirtualValues()
{
    const int count = int(PointList.size());
    for (int i = 1; i <= count - 2; ++i) {
        TPointInfo& r = *PointList[size_t(i)];
        if (r.Values.YValType != vtNone)
            continue;
        int b = i - 1;
        while (b > 0 && PointList[size_t(b)]->Values.YValType == vtNone)
            --b;
        int f = i + 1;
        while (f < count - 1 && PointList[size_t(f)]->Values.YValType == vtNone)
            ++f;
        const TPointInfo& prev = *PointList[size_t(b)];
        const TPointInfo& next = *PointList[size_t(f)];
        if (prev.YPixel == next.YPixel || prev.XPixel == next.XPixel)
            r.YPixel = prev.YPixel; // neighbours on one X pixel have no slope: keep the earlier one's height
        else
            r.YPixel = int(std::trunc(double(r.XPixel - prev.XPixel) * (next.YPixel - prev.YPixel) /
                                          (next.XPixel - prev.XPixel) +
                                      prev.YPixel));
        if (r.Values.YValue)
            *r.Values.YValue = CalcYValue(r.YPixel);
        r.Values.MinY = r.Values.YValue;
        r.Values.MaxY = r.Values.YValue;
    }
}

void TMasterDiagram::SetDrawPointRect(TPointInfo& point)
{
    if (point.PointKind != pkPoint) {
        point.DrawRect = TRect(1, 1, 0, 0);
        return;
    }
    const int r = point.Fixed ? 3 : 5;
    point.DrawRect = TRect(point.XPixel - r, point.YPixel - r, point.XPixel + r, point.YPixel + r);
}

void TMasterDiagram::DrawVerticalLine(int width, TPenStyle style, int value, TColor color)
{
    TCanvas& c = Canvas();
    c.Pen.Width = width;
    c.Pen.Style = style;
    c.Pen.Color = color;
    const int x = CalcXPixel(value);
    c.MoveTo(x, YOrigin - YAxisHeight);
    c.LineTo(x, YOrigin + 1);
}

void TMasterDiagram::DrawLinesFromPointsToAxis()
{
    TCanvas& c = Canvas();
    c.Pen.Color = clBlack;
    c.Pen.Style = psDot;
    c.Pen.Width = 1;
    for (const auto& p : PointList) {
        if (p->PointKind != pkPoint)
            continue;
        const bool edge = p->XPixel == XOrigin || p->XPixel == XOrigin + XAxisWidth;
        c.MoveTo(XOrigin + 1, p->YPixel);
        c.LineTo(p->XPixel - 1, p->YPixel);
        if (!edge)
            c.LineTo(p->XPixel - 1, YOrigin);
        c.MoveTo(XOrigin + 1, p->YPixel + 1);
        c.LineTo(p->XPixel, p->YPixel + 1);
        if (!edge)
            c.LineTo(p->XPixel, YOrigin);
    }
    c.Pen.Style = psSolid;
}

namespace {

void CurvePen(TCanvas& c)
{
    SetPenAndBrush(c, clRed);
    c.Pen.Style = psSolid;
    c.Pen.Width = 2;
}

} // namespace

void TMasterDiagram::DrawLinesBetweenPoints()
{
    TCanvas& c = Canvas();
    CurvePen(c);
    QVector<QPoint> path;
    for (const auto& p : PointList)
        if (p->PointKind == pkPoint)
            path.append(QPoint(p->XPixel, p->YPixel + 1));
    StrokePath(c, path);
}

// The first and the last entry of the list that is a plain point (both null when none is).
std::pair<const TPointInfo*, const TPointInfo*> TMasterDiagram::OuterPoints() const
{
    const auto isPoint = [](const auto& p) { return p->PointKind == pkPoint; };
    const auto first = std::find_if(PointList.begin(), PointList.end(), isPoint);
    if (first == PointList.end())
        return {nullptr, nullptr};
    const auto last = std::find_if(PointList.rbegin(), PointList.rend(), isPoint);
    return {&**first, &**last};
}

void TMasterDiagram::DrawFirstLastHorLinesPoints()
{
    TCanvas& c = Canvas();
    CurvePen(c);
    const auto [first, last] = OuterPoints();
    if (!first)
        return;
    c.MoveTo(first->XPixel, first->YPixel + 1);
    c.LineTo(XOrigin, first->YPixel + 1);
    c.MoveTo(last->XPixel, last->YPixel + 1);
    c.LineTo(XOrigin + XAxisWidth, last->YPixel + 1);
}

void TMasterDiagram::DrawFirstLastVertLinesPoints()
{
    TCanvas& c = Canvas();
    CurvePen(c);
    const auto [first, last] = OuterPoints();
    if (!first)
        return;
    c.MoveTo(first->XPixel, first->YPixel + 1);
    c.LineTo(XOrigin, YOrigin);
    c.MoveTo(last->XPixel, last->YPixel + 1);
    c.LineTo(last->XPixel, YOrigin);
}

bool TMasterDiagram::PointsOverlap(const TRect& a, const TRect& b)
{
    const bool x = (a.Left >= b.Left && a.Left <= b.Right) || (a.Right >= b.Left && a.Right <= b.Right);
    const bool y = (a.Top >= b.Top && a.Top <= b.Bottom) || (a.Bottom >= b.Top && a.Bottom <= b.Bottom);
    return x && y;
}

void TMasterDiagram::DrawPoints()
{
    TCanvas& c = Canvas();
    c.Brush.Style = bsSolid;
    c.Pen.Style = psSolid;
    c.Pen.Width = 1;
    for (size_t i = 0; i < PointList.size(); ++i) {
        TPointInfo& p = *PointList[i];
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
            if (PointsOverlap(p.DrawRect, PointList[j]->DrawRect)) {
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

void TMasterDiagram::DrawArcAreas()
{
    TCanvas& c = Canvas();
    const int count = int(PointList.size());
    for (int i = 0; i < count - 1; ++i) {
        const TPointArea& a = PointList[size_t(i)]->Area;
        if (a.AreaKind != akBelowCurve && a.AreaKind != akAboveCurve)
            continue;
        if (!a.AreaLeft || !a.AreaRight || !a.AreaTop || !a.AreaBottom)
            continue;
        c.Pen.Color = clInfoBk;
        c.Pen.Style = psSolid;
        c.Pen.Width = 1;
        c.Brush.Color = clRed;
        c.Brush.Style = a.AreaBrushStyle;
        const TRect r(CalcXPixel(*a.AreaLeft), CalcYPixel(*a.AreaTop), CalcXPixel(*a.AreaRight) + 1,
                      CalcYPixel(*a.AreaBottom) + 1);
        FillAreaSegments(a, r);
        c.Brush.Style = bsClear;
    }
}

void TMasterDiagram::FillAreaSegments(const TPointArea& area, const TRect& r)
{
    TCanvas& c = Canvas();
    const bool below = area.AreaKind == akBelowCurve;
    for (size_t j = 0; j + 1 < PointList.size(); ++j) {
        const TPointInfo& s = *PointList[j];
        const TPointInfo& n = *PointList[j + 1];
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

void TMasterDiagram::DrawPointLabels()
{
    Canvas().Pen.Width = 1;
    for (auto& p : PointList)
        if (p->PointKind == pkPoint && (diagramSettings_->ShowPointValues || p->MouseOver))
            DrawPointLabel(*p, false);
}

void TMasterDiagram::DrawPointLabel(TPointInfo& point, bool show)
{
    if (point.PointKind != pkPoint)
        return;
    TCanvas& c = Canvas();
    c.Brush.Color = clWhite;
    c.Brush.Style = bsSolid;
    c.Pen.Color = clBlack;
    c.Pen.Style = psSolid;
    const TPointValues& v = point.Values;
    point.LabelText = GetValueString(v.XValType, v.XValue) + v.XUnit;
    const QString y = GetValueString(v.YValType, v.YValue) + v.YUnit;
    if (!point.LabelText.isEmpty() && !y.isEmpty())
        point.LabelText += QStringLiteral(" ; ");
    point.LabelText += y;
    const int w = c.TextWidth(point.LabelText);
    const int lh = GetLineHeight();
    const int left = point.XPixel - w / 2 - 1;
    const int top = point.DrawRect.Top - lh;
    const int right = left + w + 1;
    const int bottom = top + lh - 1;
    CopyToBitmap(point.LabelBackground, c, TRect(left - 1, top - 1, right + 2, bottom));
    c.Rectangle(left - 1, top - 1, right + 2, bottom);
    c.TextOut(left + 1, top, point.LabelText);
    if (show)
        ShowOffscreen();
}

void TMasterDiagram::ClearPointLabel(TPointInfo& point)
{
    if (point.PointKind != pkPoint || point.LabelText.isEmpty())
        return;
    TCanvas& c = Canvas();
    const int w = c.TextWidth(point.LabelText);
    c.Draw(point.XPixel - w / 2 - 2, point.DrawRect.Top - GetLineHeight() - 1, point.LabelBackground);
    ShowOffscreen();
}

void TMasterDiagram::DrawArrow(int fromX, int toX, int y)
{
    TCanvas& c = Canvas();
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

int TMasterDiagram::SymbolRowTop(const TPointInfo& point)
{
    const int lh = GetLineHeight();
    int top = point.Symbol.SymbolRow * 20 + YOrigin + 5;
    if (diagramSettings_->ShowXValues)
        top += lh;
    if (!xAxisTitle_.isEmpty())
        top += lh;
    return top;
}

void TMasterDiagram::DrawSymbols()
{
    if (!diagramSettings_->ShowSymbols)
        return;
    for (auto& p : PointList)
        DrawSymbols(*p, false);
}

void TMasterDiagram::DrawSymbols(TPointInfo& point, bool show)
{
    TPointSymbol& sym = point.Symbol;
    if (!diagramSettings_->ShowSymbols || sym.SymbolType == vtNone)
        return;
    TCanvas& c = Canvas();
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
        sym.SymbolLeft = CalcXPixel(*point.Values.XValue) - bw / 2;
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
        ShowOffscreen();
}

void TMasterDiagram::DrawValueSymbol(TPointInfo& point, int top)
{
    TCanvas& c = Canvas();
    TPointSymbol& sym = point.Symbol;
    const int bw = sym.SymbolBitmap.Width(), bh = sym.SymbolBitmap.Height();
    const QString text = GetValueString(sym.SymbolType, sym.SymbolValue);
    const int tw = c.TextWidth(text) + 3;
    const int p1 = CalcXPixel(*sym.SymbolFromX);
    const int p2 = CalcXPixel(*sym.SymbolToX);
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
    const int ty = (top + bottom - GetLineHeight() + 2) / 2;
    c.Brush.Color = clWhite;
    c.Brush.Style = bsSolid;
    c.Rectangle(tx - 2, ty - 1, tx + tw, bottom - 2);
    c.TextOut(tx, ty, text);
}

void TMasterDiagram::ClearArrowArea(TPointInfo& point)
{
    if (!diagramSettings_->ShowSymbols || point.Symbol.SymbolType == vtNone)
        return;
    Canvas().Draw(point.Symbol.SymbolRect.Left, point.Symbol.SymbolRect.Top, point.SymbolBackground);
    ShowOffscreen();
}

void TMasterDiagram::GraphPointClick(TPointInfo* point)
{
    if (point && point->CurveOptionEnabled && isSignalConnected(QMetaMethod::fromSignal(&TMasterDiagram::OnPointCommand)))
        emit OnPointCommand(point->SubCommando);
}

// --- point options ------------------------------------------------------------

void TMasterDiagram::FillPointOptions(TDataTable& table)
{
    table.RequireFields({QStringLiteral("VarName"), QStringLiteral("OptionEnabled"), QStringLiteral("BitmapName")});
    const bool hasSubCommando = table.HasField(QStringLiteral("SubCommando"));
    const bool hasCurveOption = table.HasField(QStringLiteral("CurveOptionEnabled"));
    for (auto& p : PointList)
        ApplyPointOption(*p, table, hasSubCommando, hasCurveOption);
    RemoveDisabledPoints();
    WidenXRange();
    PointList.shrink_to_fit();
}

void TMasterDiagram::ApplyPointOption(TPointInfo& point, TDataTable& table, bool hasSubCommando, bool hasCurveOption)
{
    const bool found = table.Locate(QStringLiteral("VarName;OptionEnabled"), {point.VarName, true}) ||
                       table.Locate(QStringLiteral("VarName"), {point.VarName});
    if (!found) {
        point.OptionEnabled = false;
        return;
    }
    point.OptionEnabled = table.FieldByName(QStringLiteral("OptionEnabled")).toBool();
    if (hasSubCommando)
        point.SubCommando = table.FieldByName(QStringLiteral("SubCommando")).toInt();
    if (!point.OptionEnabled)
        return;
    point.CurveOptionEnabled = hasCurveOption && table.FieldByName(QStringLiteral("CurveOptionEnabled")).toBool();
    if (point.CurveOptionEnabled) {
        point.XEditable = false;
        point.YEditable = false;
    }
    const QString bitmapName = table.FieldByName(QStringLiteral("BitmapName")).toString();
    if (!bitmapName.isEmpty())
        point.Symbol.SymbolBitmap.LoadFromResourceName(bitmapName);
}

void TMasterDiagram::RemoveDisabledPoints()
{
    for (int i = int(PointList.size()) - 1; i >= 0; --i) {
        TPointInfo* gone = PointList[size_t(i)].get();
        if (gone->OptionEnabled)
            continue;
        const bool hadSymbol = gone->Symbol.SymbolType != vtNone;
        const int row = gone->Symbol.SymbolRow;
        if (CurrentPoint == gone)
            CurrentPoint = nullptr;
        if (CurrentSymbolPoint == gone)
            CurrentSymbolPoint = nullptr;
        PointList.erase(PointList.begin() + i);
        // Every remaining symbol below the removed one moves up, so the rows
        // stay within the bands the layout reserves.
        if (hadSymbol)
            for (auto& p : PointList)
                if (p->Symbol.SymbolType != vtNone && p->Symbol.SymbolRow > row)
                    --p->Symbol.SymbolRow;
    }
}

void TMasterDiagram::WidenXRange()
{
    TDiagramSettings& s = *diagramSettings_;
    for (const auto& p : PointList) {
        if (!p->Values.XValue)
            continue;
        const int64_t x = *p->Values.XValue;
        // The range grows in steps of 50 until it holds the value.
        if (x < s.MinXValue) {
            const int64_t steps = (s.MinXValue - x + 49) / 50;
            s.SetMinXValue(int(std::max<int64_t>(s.MinXValue - 50 * steps, INT_MIN)));
        }
        if (x > s.MaxXValue) {
            const int64_t steps = (x - s.MaxXValue + 49) / 50;
            s.SetMaxXValue(int(std::min<int64_t>(s.MaxXValue + 50 * steps, INT_MAX)));
        }
    }
}

// --- mouse and keys -------------------------------------------------------------

void TMasterDiagram::ClearLabelsExcept(const TPointInfo* keep)
{
    for (auto& q : PointList) {
        if (q.get() == keep || !q->MouseOver)
            continue;
        if (!diagramSettings_->ShowPointValues)
            ClearPointLabel(*q);
        q->MouseOver = false;
    }
}

void TMasterDiagram::MouseMovePosition(int X, int Y)
{
    Screen::SetCursor(crDefault);
    const bool showAll = diagramSettings_->ShowPointValues;
    for (auto& item : PointList) {
        TPointInfo& p = *item;
        if (!InsideInclusive(p.DrawRect, X, Y)) {
            if (!showAll && p.MouseOver)
                ClearPointLabel(p);
            if (p.MouseOver) {
                p.MouseOver = false;
                Invalidate();
            }
            continue;
        }
        if (p.CurveOptionEnabled || p.XEditable || p.YEditable)
            Screen::SetCursor(crHandPoint);
        if (p.Fixed)
            ClearLabelsExcept(&p);
        if (!p.MouseOver && !showAll)
            DrawPointLabel(p, true);
        p.MouseOver = true;
        CurrentPoint = &p;
        if (p.Fixed)
            break;
    }
}

void TMasterDiagram::MMove(TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseMove(Shift, X, Y);
    if (DiagramState == dsFocused)
        Screen::SetCursor(crDefault);
    else if (DiagramState == dsIdle)
        MouseMovePosition(X, Y);
}

void TMasterDiagram::MDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseDown(Button, Shift, X, Y);
    TPointInfo* p = CurrentPoint;
    if (!p || DiagramState == dsFocused || !p->MouseOver || p->Dragging)
        return;
    if (p->XEditable || p->YEditable)
        StartPointDrag(*p, X, Y);
    else if (PointClick)
        PointClick(p);
}

void TMasterDiagram::StartPointDrag(TPointInfo& point, int X, int Y)
{
    DiagramState = dsDragPoint;
    point.Dragging = true;
    MouseDownX = point.DragStartX = X;
    MouseDownY = point.DragStartY = Y;
    TCanvas& c = Canvas();
    SetPenAndBrush(c, clBlue);
    c.Pen.Width = 1;
    c.Pen.Style = psSolid;
    c.Brush.Style = bsSolid;
    c.Rectangle(point.DrawRect);
    ShowOffscreen();
    TPointValues& v = point.Values;
    v.OldXValue = ValueOr(v.XValue, 0);
    v.OldYValue = ValueOr(v.YValue, 0);
    // A limit the filling diagram left open holds the point where it is.
    CalcClipRectRegion(ValueOr(v.MinX, v.OldXValue), ValueOr(v.MinY, v.OldYValue), ValueOr(v.MaxY, v.OldYValue),
                       ValueOr(v.MaxX, v.OldXValue));
    Screen::ClipCursor(CursorClipRect);
}

void TMasterDiagram::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseUp(Button, Shift, X, Y);
    Screen::ClipCursor(std::nullopt);
    if (DiagramState == dsDragPoint && CurrentPoint) {
        EndPointDrag(X, Y);
    } else if (DiagramState != dsDragSymbol) {
        DiagramState = dsIdle;
        Screen::SetCursor(crDefault);
    }
    Invalidate();
}

void TMasterDiagram::EndPointDrag(int X, int Y)
{
    for (auto& p : PointList) {
        p->Dragging = false;
        p->SymbolDragging = false;
    }
    TPointInfo& c = *CurrentPoint;
    if (!InsideInclusive(c.DrawRect, X, Y)) {
        if (!diagramSettings_->ShowPointValues && c.MouseOver)
            ClearPointLabel(c);
        c.MouseOver = false;
        Screen::SetCursor(crDefault);
    } else {
        ClearPointLabel(c);
        DrawPointLabel(c, true);
        c.MouseOver = true;
    }
    emit AfterSetpointChanged(c.VarName, c.NewValue);
    DiagramState = dsIdle;
}

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

bool TMasterDiagram::CheckKeyInputValue(TPointInfo& point, TChangeValue change)
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

// --- day counter ---------------------------------------------------------------

void TMasterDiagram::FillDayBitmap(TPointInfo& point, const TFontBitmaps& fonts)
{
    TBitmap& picture = point.Symbol.SymbolBitmap;
    if (picture.Empty())
        return;
    TCanvas& c = picture.Canvas();
    c.Brush.Color = clWhite;
    c.Brush.Style = bsSolid;
    c.FillRect(TRect(4, 8, picture.Width() - 3, picture.Height() - 2));
    const QString text = GetValueString(vtInteger, point.Values.XValue);
    fonts.DrawRightAligned(c, picture.Width() - 4, 7, text, TFontBitmaps::SmallSet);
}

QString TMasterDiagram::AccessibleName() const
{
    return diagramTitle_.isEmpty() ? QStringLiteral("Diagram") : diagramTitle_;
}
