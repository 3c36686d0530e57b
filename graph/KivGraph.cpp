#include "graph/KivGraph.h"

#include "framework/Exception.h"
#include "framework/Notify.h"
#include "framework/ScreenDepth.h"
#include "framework/Thread.h"
#include "graph/GraphFrame.h"
#include "graph/GraphScale.h"
#include "graph/Legenda.h"
#include "graph/PolygonClip.h"
#include "graph/SeriesLines.h"
#include "graph/ZoomThread.h"

#include <QWidget>
#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

GraphFrame::Border ToBorder(TKivGraph::TGraphBorderStyle style)
{
    switch (style) {
    case TKivGraph::bstSingle: return GraphFrame::Border::Single;
    case TKivGraph::bstRaised: return GraphFrame::Border::Raised;
    case TKivGraph::bstLowered: return GraphFrame::Border::Lowered;
    default: return GraphFrame::Border::None;
    }
}

// A colour about 78% of the way to white.
TColor Lightened(TColor color)
{
    const TColor c = ColorToRGB(color);
    const auto lift = [](int v) { return v + ((51000 - 200 * v) >> 8); };
    return RGB(lift(GetRValue(c)), lift(GetGValue(c)), lift(GetBValue(c)));
}

// More divisions than any plot has pixels: a view beyond the spans AdjustZoom
// keeps (one the host set while rendering was not possible) still ends.
constexpr int64_t kMaxDivisions = 100000;

// Into memory already held when it can (see UseFreeBuffer).
void CopyPixels(QImage& into, const QImage& from)
{
    if (into.size() == from.size() && into.format() == from.format() && into.isDetached())
        std::memcpy(into.bits(), from.constBits(), size_t(from.sizeInBytes()));
    else
        into = from.copy();
}

double MinimumXSpan(TAxisType type)
{
    switch (type) {
    case atMinutes: return 90;
    case atHours:
    case atDaysWeek:
    case atDaysMonth: return 3;
    default: return 5;
    }
}

} // namespace

TKivGraph::TKivGraph(QWidget* parent) : TGraphicControl(parent)
{
    SetBounds(0, 0, 60, 40);
    axisPicture_.Transparent = true;
    axisPicture_.SetTransparentMode(tmFixed);
    axisPicture_.SetTransparentColor(clWhite);
}

TKivGraph::~TKivGraph()
{
    if (zoomThread_) {
        zoomThread_->Terminate();
        delete zoomThread_;
        zoomThread_ = nullptr;
    }
    // The legend lists this graph's series, which go with it.
    if (legend_ && legend_->graph_ == this) {
        legend_->graph_ = nullptr;
        series_.clear();
        legend_->UpdateList(-1);
    }
}

// ---- properties -----------------------------------------------------------

void TKivGraph::SetBgStyle(TBgStyle value)
{
    SetAndNotify(this, &TKivGraph::BgStyleChanged, bgStyle_, value);
}
void TKivGraph::SetBorderStyle(TGraphBorderStyle value)
{
    SetAndNotify(this, &TKivGraph::BorderStyleChanged, borderStyle_, value);
}

void TKivGraph::SetGraphBorder(TGraphBorderStyle value)
{
    SetAndNotify(this, &TKivGraph::GraphBorderChanged, graphBorder_, value, [&] {
        NeedsRender = true;
        emit OnChange(this);
    });
}

void TKivGraph::SetColorBg(TColor value)
{
    SetAndNotify(this, &TKivGraph::ColorBgChanged, colorBg_, value, [&] {
        NeedsRender = NeedsBackground = true;
        emit OnChange(this);
    });
}

void TKivGraph::SetColorBg2(TColor value)
{
    SetAndNotify(this, &TKivGraph::ColorBg2Changed, colorBg2_, value, [&] {
        NeedsRender = NeedsBackground = true;
        emit OnChange(this);
    });
}

void TKivGraph::SetColorBorder(TColor value)
{
    SetAndNotify(this, &TKivGraph::ColorBorderChanged, colorBorder_, value, [&] {
        NeedsRender = true;
        emit OnChange(this);
    });
}

void TKivGraph::SetColorGrid(TColor value)
{
    SetAndNotify(this, &TKivGraph::ColorGridChanged, colorGrid_, value, [&] {
        NeedsRender = true;
        emit OnChange(this);
    });
}

void TKivGraph::SetColorNumb(TColor value)
{
    SetAndNotify(this, &TKivGraph::ColorNumbChanged, colorNumb_, value, [&] {
        NeedsRender = true;
        emit OnChange(this);
    });
}

void TKivGraph::SetGridStyle(TGridStyle value)
{
    SetAndNotify(this, &TKivGraph::GridStyleChanged, gridStyle_, value, [&] { emit OnChange(this); });
}

// ---- visible rectangles -------------------------------------------------------

void TKivGraph::StoreVisRect(TRect2D& target, TRect2D r, int limitMin, int limitMax)
{
    if (r.XMin == r.XMax || r.YMin == r.YMax)
        return;
    if (!std::isfinite(r.XMin) || !std::isfinite(r.XMax) || !std::isfinite(r.YMin) || !std::isfinite(r.YMax))
        return; // no view can be made of it
    if (r.XMin > r.XMax)
        std::swap(r.XMin, r.XMax);
    if (r.YMax < r.YMin)
        std::swap(r.YMin, r.YMax);
    r.XMin = std::max(r.XMin, double(LimitXMin));
    r.XMax = std::min(r.XMax, double(LimitXMax));
    r.YMin = std::max(r.YMin, double(limitMin));
    r.YMax = std::min(r.YMax, double(limitMax));
    const double minimum = MinimumXSpan(XAxisType);
    if (r.XMax - r.XMin < minimum) {
        r.XMax = r.XMin + minimum;
        if (r.XMax > LimitXMax) {
            r.XMax = LimitXMax;
            r.XMin = LimitXMax - minimum;
        }
    }
    if (r.YMax - r.YMin < 5)
        r.YMax = r.YMin + 5;
    target = r;
    NeedsRender = true;
    VisChange();
}

void TKivGraph::SetVisLeftRect(TRect2D r) { StoreVisRect(visLeft_, r, LimitLeftMin, LimitLeftMax); }
void TKivGraph::SetVisRightRect(TRect2D r) { StoreVisRect(visRight_, r, LimitRightMin, LimitRightMax); }

void TKivGraph::AdjustZoom(TRect2D& r)
{
    const auto scale = [](double& lo, double& hi, double factor) {
        const double centre = (lo + hi) / 2, half = (hi - lo) * factor / 2;
        lo = centre - half;
        hi = centre + half;
    };
    const auto bound = [&](double& lo, double& hi, double& otherLo, double& otherHi) {
        const double span = hi - lo;
        if (span == 0) { // no ratio to keep: only this span opens up
            lo -= 0.05;
            hi += 0.05;
            return;
        }
        if (!(span > 0))
            return;
        const double target = span < 0.1 ? 0.1 : (span > 300000 ? 300000 : span);
        if (target == span)
            return;
        const double factor = target / span;
        scale(lo, hi, factor);
        scale(otherLo, otherHi, factor);
    };
    bound(r.XMin, r.XMax, r.YMin, r.YMax);
    bound(r.YMin, r.YMax, r.XMin, r.XMax);
}

QString TKivGraph::FormatTextString(TAxisType type, long double x) { return GraphScale::FormatTextString(type, x); }

// ---- series ---------------------------------------------------------------

void TKivGraph::AddSerie(TSeries* series)
{
    if (!series)
        return;
    series_.emplace_back(series);
    LimitLeftMin = LimitRightMin = series->MinY;
    LimitLeftMax = LimitRightMax = series->MaxY;
    AxisBitmapName = series->BitmapName;
    axisPicture_.Assign(QImage());
    const bool pictureFound = AxisBitmapName.isEmpty() || axisPicture_.LoadFromResourceName(AxisBitmapName);
    if (legend_)
        legend_->UpdateList(-1);
    // The series is the graph's by now and listed: only the picture is missing.
    if (!pictureFound)
        throw Exception(QStringLiteral("Error in TKivGraph::AddSerie : bitmap resource '%1' not found").arg(AxisBitmapName));
}

void TKivGraph::AddFillSerie(TSeries* series)
{
    if (!series)
        return;
    fillSeries_.emplace_back(series);
    ++layerSerial_;
    LimitLeftMin = LimitRightMin = series->MinY;
    LimitLeftMax = LimitRightMax = series->MaxY;
}

void TKivGraph::EmptySeriesList()
{
    series_.clear();
    fillSeries_.clear();
    ++layerSerial_;
    if (legend_)
        legend_->UpdateList(-1);
}

void TKivGraph::PointsChanged(QObject*)
{
    NeedsRender = true;
    ++layerSerial_;
    for (const auto& s : series_)
        s->Invalidate();
    FollowNewest();
}

void TKivGraph::PointsAppended(const TSeries* series)
{
    NeedsRender = true;
    if (!series || std::any_of(fillSeries_.begin(), fillSeries_.end(), [&](const auto& f) { return f.get() == series; }))
        ++layerSerial_;
    FollowNewest();
}

void TKivGraph::SetFollow(bool on)
{
    follow_ = on;
    followLeft_ = false;
    FollowNewest();
}

// While a zoom animates, the thread owns the view; the next change of the
// data after it moves the view on.
void TKivGraph::FollowNewest()
{
    if (!Following() || zoomThread_)
        return;
    bool any = false;
    double newest = 0;
    for (const auto& s : series_)
        if (!s->Points.empty()) {
            newest = any ? std::max(newest, s->Points.back().X) : s->Points.back().X;
            any = true;
        }
    if (!any)
        return;
    const double width = visLeft_.XMax - visLeft_.XMin;
    double to = std::min(newest, double(LimitXMax)), from = to - width;
    if (from < LimitXMin) {
        from = LimitXMin;
        to = std::min(from + width, double(LimitXMax));
    }
    if (from == visLeft_.XMin && to == visLeft_.XMax)
        return;
    SetVisLeftRect({from, visLeft_.YMin, to, visLeft_.YMax});
    if (RightAxis)
        SetVisRightRect({from, visRight_.YMin, to, visRight_.YMax});
}

void TKivGraph::AssignAxes()
{
    bool someTenths = false, someWhole = false;
    for (const auto& s : series_) {
        s->LeftAxis = true;
        (s->Tenths ? someTenths : someWhole) = true;
    }
    if (someTenths && someWhole) {
        RightAxis = true;
        LeftTenths = true;
        for (const auto& s : series_)
            s->LeftAxis = s->Tenths;
    } else {
        LeftTenths = !someWhole;
    }
}

void TKivGraph::WidenLimits()
{
    for (const auto& s : series_) {
        int& lo = s->LeftAxis ? LimitLeftMin : LimitRightMin;
        int& hi = s->LeftAxis ? LimitLeftMax : LimitRightMax;
        lo = std::min(lo, s->MinY);
        hi = std::max(hi, s->MaxY);
        const auto toInt = [](double v) { return int(std::clamp(std::trunc(v), -2147483648.0, 2147483647.0)); };
        for (const TPoint2D& p : s->Points) {
            if (p.Y < lo)
                lo = toInt(p.Y);
            if (p.Y > hi)
                hi = toInt(p.Y + 1);
        }
    }
}

void TKivGraph::DrawGraphic()
{
    AssignAxes();
    WidenLimits();
    for (const auto& f : fillSeries_) {
        if (const TSeries* link = f->LinkedSerie) {
            f->LeftAxis = link->LeftAxis;
            f->Tenths = link->Tenths;
            f->MinY = link->MinY;
            f->MaxY = link->MaxY;
            f->UserInt1 = link->UserInt1;
            f->UserInt2 = link->UserInt2;
            f->Color = Lightened(link->Color);
        }
    }
    visLeft_ = TRect2D{double(LimitXMin), double(LimitLeftMin), double(LimitXMax), double(LimitLeftMax)};
    visRight_ = TRect2D{double(LimitXMin), double(LimitRightMin), double(LimitXMax), double(LimitRightMax)};
    DrawGraph();
}

void TKivGraph::DrawGraph()
{
    NeedsRender = NeedsBackground = true;
    Repaint();
}

// ---- painting ---------------------------------------------------------------

bool TKivGraph::RenderNeeded() const
{
    return NeedsRender || bitmap_.Width() != width() || bitmap_.Height() != height()
        || Screen::ColorDepth() != depth_;
}

void TKivGraph::Paint()
{
    if (RenderNeeded()) {
        const uint32_t start = GetTickCount();
        Render();
        RenderTime = int(GetTickCount() - start);
    }
    Canvas(); // sizes the control's bitmap like ours
    OffscreenBitmap().Image() = bitmap_.Image(); // shared until either is drawn on
    if (bandShown_) // the rubber band lies over the picture until erased
        LineRect();
}

void TKivGraph::PrepareBitmaps()
{
    const int depth = Screen::ColorDepth();
    if (depth != depth_) {
        bitmap_.Assign(QImage());
        gradient_.reset();
        NeedsBackground = true;
        depth_ = depth;
    }
    bitmap_.SetSize(width(), height());
    if (gradient_ && (gradient_->Width() != width() || gradient_->Height() != height())) {
        gradient_->SetSize(width(), height());
        NeedsBackground = true;
    }
    // The style is not part of the change flags: a gradient drawn for another
    // style (or none) is drawn again.
    if (bgStyle_ != bgsSolid && gradientStyle_ != bgStyle_)
        NeedsBackground = true;
}

void TKivGraph::DrawBackground()
{
    if (NeedsBackground) {
        NeedsBackground = false;
        if (!gradient_)
            gradient_ = std::make_unique<TBitmap>(width(), height());
        gradientStyle_ = bgStyle_;
        if (bgStyle_ != bgsSolid)
            GraphFrame::DrawGradient(*gradient_, bgStyle_ == bgsLineHoriz ? GraphFrame::Direction::Rows : GraphFrame::Direction::Columns,
                                     colorBg_, colorBg2_);
    }
    TCanvas& c = bitmap_.Canvas();
    if (bgStyle_ != bgsSolid) {
        c.CopyRect(ClientRect(), gradient_->Canvas(), ClientRect());
    } else {
        c.Brush.Style = bsSolid;
        c.Brush.Color = colorBg_;
        c.FillRect(ClientRect());
    }
}

void TKivGraph::LayoutPlotRect(TCanvas& c, const TRect& outer)
{
    TRect p = outer;
    const int xy = c.TextHeight(QStringLiteral("Xy"));
    if (!Title.isEmpty())
        p.Top += c.TextHeight(Title) + 4;
    p.Top += xy / 2;
    if (ShowXNumbers)
        p.Bottom -= xy + 4;
    if (ShowLeftNumbers) {
        const int numbers = c.TextWidth(QStringLiteral("999999")) + 4;
        p.Left += numbers + (AxisBitmapName.isEmpty() ? 0 : 35);
        if (RightAxis)
            p.Right -= numbers;
    }
    if (graphBorder_ != bstNone)
        p = TRect(p.Left + 1, p.Top + 1, p.Right - 1, p.Bottom - 1);
    plotRect_ = p;
}

void TKivGraph::Render()
{
    PrepareBitmaps();
    NeedsRender = false;
    TCanvas& c = bitmap_.Canvas();
    c.ClearClip();
    c.Font.Assign(*Font());
    const TRect outer(0, 0, width() - 1, height() - 1);
    LayoutPlotRect(c, outer);
    AdjustZoom(visLeft_);
    if (RightAxis)
        AdjustZoom(visRight_);
    LayerKey key = CurrentLayerKey();
    UseFreeBuffer();
    if (NeedsBackground || keptLayer_.isNull() || key != keptKey_) {
        DrawLayer(c, outer);
        CopyPixels(keptLayer_, bitmap_.Image());
        keptKey_ = std::move(key);
    } else {
        CopyPixels(bitmap_.Image(), keptLayer_);
    }
    for (const auto& s : series_)
        if (s->Visible)
            DrawLines(c, *s);
    c.ClearClip();
}

// The control shows the last picture without a copy of it (shared); drawing
// the next one into it would first copy it into fresh memory, which costs a
// page fault a page on every frame. The picture before, which nobody holds
// by now, is drawn into instead (all of it is drawn over).
void TKivGraph::UseFreeBuffer()
{
    QImage& image = bitmap_.Image();
    if (image.isDetached())
        return;
    if (spare_.size() != image.size() || spare_.format() != image.format() || !spare_.isDetached())
        spare_ = QImage(image.size(), image.format());
    image.swap(spare_);
}

void TKivGraph::DrawLayer(TCanvas& c, const TRect& outer)
{
    DrawBackground();
    c.ClearClip();
    c.Font.Assign(*Font());
    GraphFrame::DrawBorder(c, outer, ToBorder(borderStyle_), colorBorder_);
    for (const auto& f : fillSeries_)
        if (f->Visible)
            DrawSetCurves(c, *f);
    DrawGridAndNumbers(c, outer);
}

TKivGraph::LayerKey TKivGraph::CurrentLayerKey() const
{
    LayerKey k;
    k.width = width();
    k.height = height();
    k.bgStyle = bgStyle_;
    k.borderStyle = borderStyle_;
    k.graphBorder = graphBorder_;
    k.gridStyle = gridStyle_;
    k.axisType = XAxisType;
    k.colorBg = colorBg_;
    k.colorBg2 = colorBg2_;
    k.colorBorder = colorBorder_;
    k.colorGrid = colorGrid_;
    const TFont& f = *Font();
    k.fontName = f.Name();
    k.fontHeight = f.Height();
    k.fontCharset = f.Charset();
    k.fontPitch = int(f.Pitch());
    k.fontStyle = f.Style().toInt();
    k.fontColor = f.Color();
    k.title = Title;
    k.axisBitmapName = AxisBitmapName;
    k.showX = ShowXNumbers;
    k.showLeft = ShowLeftNumbers;
    k.rightAxis = RightAxis;
    k.leftTenths = LeftTenths;
    k.left = visLeft_;
    k.right = visRight_;
    k.serial = layerSerial_;
    for (const auto& s : fillSeries_)
        k.fills.push_back({s.get(), s->Visible, s->LeftAxis, s->Color, s->Points.size(), s->Points.FirstPosition(),
                           s->Points.Generation()});
    return k;
}

void TKivGraph::DrawSetCurves(TCanvas& c, const TSeries& series)
{
    if (series.Points.empty() || plotRect_.Right < plotRect_.Left || plotRect_.Bottom < plotRect_.Top)
        return;
    const TRect2D& r = AxisRect(series);
    const double w = plotRect_.Width(), h = plotRect_.Height();
    std::vector<QPointF> points;
    points.reserve(series.Points.size());
    for (const TPoint2D& p : series.Points)
        points.emplace_back(plotRect_.Left + std::floor((p.X - r.XMin) * w / (r.XMax - r.XMin) + 0.5),
                            plotRect_.Bottom - std::floor((p.Y - r.YMin) * h / (r.YMax - r.YMin) + 0.5));
    const QRectF around(plotRect_.Left - 2, plotRect_.Top - 2, w + 4, h + 4);
    QVector<QPoint> polygon;
    for (const QPointF& p : ClipPolygon(points, around))
        polygon.push_back(QPoint(int(std::lround(p.x())), int(std::lround(p.y()))));
    c.SetClipRect(TRect(plotRect_.Left, plotRect_.Top, plotRect_.Right + 1, plotRect_.Bottom + 1));
    c.Pen = TPen{series.Color, 1, psSolid, pmCopy};
    c.Brush.Style = bsSolid;
    c.Brush.Color = series.Color;
    c.Polygon(polygon);
    c.ClearClip();
}

void TKivGraph::DrawLines(TCanvas& c, const TSeries& series)
{
    if (plotRect_.Right < plotRect_.Left || plotRect_.Bottom < plotRect_.Top)
        return;
    c.SetClipRect(TRect(plotRect_.Left, plotRect_.Top, plotRect_.Right + 1, plotRect_.Bottom + 1));
    c.Pen = TPen{series.Color, std::max(1, lineWidth_), psSolid, pmCopy};
    c.Brush.Style = bsClear; // markers are open squares
    TSeriesLines lines(c, plotRect_, AxisRect(series), GraphScale::GapDivisor(XAxisType), ShowMarkers);
    if (ReferenceRenderer)
        lines.DrawReference(series);
    else
        lines.Draw(series);
    c.ClearClip();
}

// ---- grid, labels, title ------------------------------------------------------

void TKivGraph::DrawGridAndNumbers(TCanvas& c, const TRect& outer)
{
    DrawTitle(c, outer);
    if (gridStyle_ != gsNone || ShowLeftNumbers)
        DrawYAxis(c, visLeft_, false);
    if (!AxisBitmapName.isEmpty() && !axisPicture_.Empty())
        c.Draw(10, (plotRect_.Top + plotRect_.Bottom) / 2 - 15, axisPicture_);
    if (RightAxis && ShowLeftNumbers)
        DrawYAxis(c, visRight_, true);
    if (gridStyle_ != gsNone || ShowXNumbers)
        DrawXAxis(c);
    GraphFrame::DrawBorder(c, TRect(plotRect_.Left - 1, plotRect_.Top - 1, plotRect_.Right + 1, plotRect_.Bottom + 1),
                           ToBorder(graphBorder_), colorBorder_);
}

void TKivGraph::DrawTitle(TCanvas& c, const TRect& outer)
{
    if (Title.isEmpty())
        return;
    c.Font.SetStyle(fsBold);
    c.Font.SetColor(clBlack);
    c.Brush.Style = bsClear;
    c.TextOut(outer.Left + (outer.Width() - c.TextWidth(Title)) / 2, outer.Top + 3, Title);
    c.Font.SetStyle({});
}

void TKivGraph::DrawYAxis(TCanvas& c, const TRect2D& r, bool right)
{
    const int t = c.TextHeight(QStringLiteral("Xy"));
    const double plotHeight = plotRect_.Height();
    const double span = r.YMax - r.YMin;
    const double step = GraphScale::ValueStep(plotHeight, span, t);
    const double first = GraphScale::FirstValue(r.YMin, step);
    const bool grid = !right && (gridStyle_ == gsXGrid || gridStyle_ == gsFull);
    c.Brush.Style = bsClear;
    c.Font.SetColor(clBlack);
    for (int64_t k = 0; k < kMaxDivisions; ++k) {
        const double v = first + double(k) * step;
        if (!(v <= r.YMax))
            break;
        const double offset = std::trunc((v - r.YMin) * plotHeight / span);
        if (offset < 0)
            continue;
        const int y = plotRect_.Bottom - int(offset);
        if (grid) {
            c.Pen = TPen{colorGrid_, 1, psDot, pmCopy};
            c.MoveTo(plotRect_.Left, y);
            c.LineTo(plotRect_.Right + 1, y);
        }
        if (!ShowLeftNumbers)
            continue;
        const QString text = GraphScale::ValueLabel(v, !right && LeftTenths);
        if (right)
            c.TextOut(plotRect_.Right + 3, y - t / 2, text);
        else
            c.TextRect(TRect(0, 0, plotRect_.Left, plotRect_.Bottom + t / 2 + 1), plotRect_.Left - 3 - c.TextWidth(text),
                       y - t / 2, text);
    }
}

void TKivGraph::DrawXAxis(TCanvas& c)
{
    const TRect2D& r = visLeft_;
    const QString templ = GraphScale::XTemplate(XAxisType, r.XMin, r.XMax);
    const double width = plotRect_.Width(), span = r.XMax - r.XMin;
    const int templWidth = c.TextWidth(templ);
    double step = 0, first = 0;
    if (XAxisType == atMinutes) {
        step = GraphScale::MinuteStep(width, span, 1.5 * templWidth);
    } else if (XAxisType == atDaysWeek || XAxisType == atDaysMonth) {
        step = GraphScale::DayStep(width, span, templWidth, XAxisType == atDaysWeek ? 7 : 28);
    } else {
        step = GraphScale::NumberStep(width, span, templWidth);
    }
    first = (XAxisType == atDaysWeek || XAxisType == atDaysMonth) ? r.XMin : GraphScale::FirstValue(r.XMin, step);
    c.Brush.Style = bsClear;
    c.Font.SetColor(clBlack);
    for (int64_t k = 0; k < kMaxDivisions; ++k) {
        const double v = first + double(k) * step;
        if (!(v <= r.XMax))
            break;
        DrawXDivision(c, v, templ);
    }
}

void TKivGraph::DrawXDivision(TCanvas& c, double v, const QString& templ)
{
    const TRect2D& r = visLeft_;
    const double offset = std::trunc((v - r.XMin) * plotRect_.Width() / (r.XMax - r.XMin));
    if (offset < 0)
        return;
    const int x = plotRect_.Left + int(offset);
    if (gridStyle_ == gsYGrid || gridStyle_ == gsFull) {
        c.Pen = TPen{colorGrid_, 1, psDot, pmCopy};
        c.MoveTo(x, plotRect_.Top);
        c.LineTo(x, plotRect_.Bottom + 1);
    }
    if (!ShowXNumbers || v == r.XMax)
        return;
    const QString text = GraphScale::FormatTextString(XAxisType, v);
    const int left = x - c.TextWidth(text) / 2;
    if (left > plotRect_.Left - c.TextWidth(templ) / 2)
        c.TextOut(left, plotRect_.Bottom + 4, text);
}

// ---- zoom and pan -------------------------------------------------------------

namespace {

bool InPlot(const TRect& plot, int x, int y)
{
    return x >= plot.Left && x < plot.Right && y >= plot.Top && y < plot.Bottom;
}

// Moves lo/hi by delta; a bound crossed is taken and the other end keeps its old value.
void PanAxis(double& lo, double& hi, double delta, double lower, double upper)
{
    const double oldLo = lo, oldHi = hi;
    lo += delta;
    hi += delta;
    if (lo < lower) {
        lo = lower;
        hi = oldHi;
    } else if (hi > upper) {
        hi = upper;
        lo = oldLo;
    }
}

// The span doubled around its centre, within the limits.
void WidenAxis(double& lo, double& hi, double lower, double upper)
{
    const double half = (hi - lo) / 2;
    lo = std::max(lo - half, lower);
    hi = std::min(hi + half, upper);
}

} // namespace

void TKivGraph::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TGraphicControl::MouseDown(Button, Shift, X, Y);
    if (mouseState_ != 0 || zoomThread_)
        return;
    moveCount_ = 0;
    if (!InPlot(plotRect_, X, Y))
        return;
    if (Button == mbRight && mouseZoom_ == maRight)
        mouseState_ = 1;
    if (Button == mbRight && mousePan_ == maRight) {
        mouseState_ += 2;
        panAnchor_ = QPoint(X, Y);
    }
    if (Button == mbLeft && mouseState_ == 0 && mouseZoom_ != macNone) {
        mouseState_ = 4;
        zoomFrom_ = zoomTo_ = QPoint(X, Y);
    }
}

void TKivGraph::MouseMove(TShiftState Shift, int X, int Y)
{
    TGraphicControl::MouseMove(Shift, X, Y);
    ++moveCount_;
    if ((mouseState_ & 2) && moveCount_ > 2) {
        if (mousePan_ == maRight && !(Shift & ssRight))
            mouseState_ = 0;
        else
            PanTo(X, Y);
    } else if (mouseState_ == 4 && moveCount_ > 2) {
        LeaveFollow(); // the band marks data that must stay where it is
        EraseBand();
        zoomTo_ = QPoint(std::clamp(X, plotRect_.Left, plotRect_.Right), std::clamp(Y, plotRect_.Top, plotRect_.Bottom));
        LineRect();
        bandShown_ = true;
    }
}

void TKivGraph::PanTo(int X, int Y)
{
    LeaveFollow();
    const double w = plotRect_.Width(), h = plotRect_.Height();
    const int dx = X - panAnchor_.x(), dy = Y - panAnchor_.y();
    if (w > 0 && h > 0) {
        TRect2D& l = visLeft_;
        PanAxis(l.XMin, l.XMax, -dx * (l.XMax - l.XMin) / w, LimitXMin, LimitXMax);
        PanAxis(l.YMin, l.YMax, dy * (l.YMax - l.YMin) / h, LimitLeftMin - LimitLeftMin / 10, LimitLeftMax + LimitLeftMax / 10);
        if (RightAxis) {
            TRect2D& r = visRight_;
            r.XMin = l.XMin;
            r.XMax = l.XMax;
            PanAxis(r.YMin, r.YMax, dy * (r.YMax - r.YMin) / h, LimitRightMin - LimitRightMin / 10,
                    LimitRightMax + LimitRightMax / 10);
        }
    }
    mouseState_ = 2;
    NeedsRender = true;
    panAnchor_ = QPoint(X, Y);
    Repaint();
    VisChange();
}

void TKivGraph::LineRect()
{
    TCanvas& c = Canvas();
    c.ClearClip();
    c.Pen = TPen{clWhite, 1, psSolid, pmXor};
    c.Brush.Style = bsClear;
    const int l = std::min(zoomFrom_.x(), zoomTo_.x()), r = std::max(zoomFrom_.x(), zoomTo_.x());
    const int t = std::min(zoomFrom_.y(), zoomTo_.y()), b = std::max(zoomFrom_.y(), zoomTo_.y());
    c.Rectangle(l, t, r + 1, b + 1);
    c.Pen.Mode = pmCopy;
    update();
}

// Drawing the band again in XOR takes it away; a band never drawn is left alone.
void TKivGraph::EraseBand()
{
    if (!bandShown_)
        return;
    LineRect();
    bandShown_ = false;
}

void TKivGraph::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (mouseState_ == 4) {
        EraseBand();
        if (Button == mbLeft)
            GraphZoom();
    }
    if ((mouseState_ & 1) && moveCount_ < 3)
        ZoomOut();
    mouseState_ = 0;
    TGraphicControl::MouseUp(Button, Shift, X, Y);
}

void TKivGraph::ZoomOut()
{
    followLeft_ = false;
    TRect2D l = visLeft_, r = visRight_;
    WidenAxis(l.XMin, l.XMax, LimitXMin, LimitXMax);
    WidenAxis(l.YMin, l.YMax, LimitLeftMin, LimitLeftMax);
    if (RightAxis) {
        WidenAxis(r.XMin, r.XMax, LimitXMin, LimitXMax);
        WidenAxis(r.YMin, r.YMax, LimitRightMin, LimitRightMax);
    }
    ApplyView(l, r);
}

void TKivGraph::GraphZoom()
{
    if (zoomFrom_.x() == zoomTo_.x() || zoomFrom_.y() == zoomTo_.y()) {
        emit OnGraphClick(this);
        return;
    }
    const int left = std::min(zoomFrom_.x(), zoomTo_.x()), right = std::max(zoomFrom_.x(), zoomTo_.x());
    const int top = std::min(zoomFrom_.y(), zoomTo_.y()), bottom = std::max(zoomFrom_.y(), zoomTo_.y());
    if (right - left <= 14 && bottom - top <= 14)
        return;
    const double w = plotRect_.Width(), h = plotRect_.Height();
    const auto toData = [&](const TRect2D& v) {
        return TRect2D{v.XMin + (left - plotRect_.Left) * (v.XMax - v.XMin) / w,
                       v.YMin + (plotRect_.Bottom - bottom) * (v.YMax - v.YMin) / h,
                       v.XMin + (right - plotRect_.Left) * (v.XMax - v.XMin) / w,
                       v.YMin + (plotRect_.Bottom - top) * (v.YMax - v.YMin) / h};
    };
    const auto shrinks = [](const TRect2D& now, const TRect2D& next) {
        return now.XMax - now.XMin > next.XMax - next.XMin || now.YMax - now.YMin > next.YMax - next.YMin;
    };
    TRect2D l = toData(visLeft_), r = toData(visRight_);
    AdjustZoom(l);
    bool zoom = shrinks(visLeft_, l);
    if (RightAxis) {
        AdjustZoom(r);
        zoom = zoom || shrinks(visRight_, r);
    } else {
        r = visRight_;
    }
    if (zoom) {
        LeaveFollow();
        ApplyView(l, r);
    }
}

void TKivGraph::ApplyView(const TRect2D& left, const TRect2D& right)
{
    if (ZoomTime <= 0) {
        SetVisLeftRect(left);
        if (RightAxis)
            SetVisRightRect(right);
        FollowNewest();
        NeedsRender = true;
        Repaint();
        VisChange();
        return;
    }
    zoomThread_ = new TZoomThread(this, visLeft_, visRight_, left, right, ZoomTime, RenderTime);
}

void TKivGraph::ZoomThreadDone(TZoomThread* thread)
{
    if (zoomThread_ == thread)
        zoomThread_ = nullptr;
}

void TKivGraph::KivGraphWndProc(THookMessage message, QPoint screenPos)
{
    if (message == THookMessage::MouseMove) {
        panAnchor_ = screenPos - mapToGlobal(QPoint(0, 0));
        if (!InPlot(plotRect_, panAnchor_.x(), panAnchor_.y()))
            CancelMouseAction();
        return;
    }
    CancelMouseAction();
    if (QWidget* grabber = QWidget::mouseGrabber(); grabber == this)
        releaseMouse();
}

// A rubber band still shown goes with the action.
void TKivGraph::CancelMouseAction()
{
    EraseBand();
    mouseState_ = 0;
}

TLegenda* TKivGraph::Legend() const { return legend_.data(); }
