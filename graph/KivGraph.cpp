#include "graph/KivGraph.h"

#include "framework/Exception.h"
#include "framework/Notify.h"
#include "framework/ScreenDepth.h"
#include "framework/Thread.h"
#include "graph/GraphAxes.h"
#include "graph/GraphFrame.h"
#include "graph/GraphScale.h"
#include "graph/Legenda.h"
#include "graph/PolygonClip.h"
#include "graph/SeriesLines.h"
#include "scale/ScaleMap.h"

#include <QWidget>
#include <algorithm>
#include <cmath>

namespace {

// A colour about 78% of the way to white.
TColor Lightened(TColor color)
{
    const TColor c = ColorToRGB(color);
    const auto lift = [](int v) { return v + ((51000 - 200 * v) >> 8); };
    return RGB(lift(GetRValue(c)), lift(GetGValue(c)), lift(GetBValue(c)));
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
    interaction_.StopZoomThread();
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

// A property the picture is rendered from: the next paint renders (the
// background too, when asked) and OnChange tells the host.
template <class T>
void TKivGraph::SetRendered(void (TKivGraph::*changed)(), T& field, T value, bool background)
{
    SetAndNotify(this, changed, field, value, [&] {
        NeedsRender = true;
        NeedsBackground = NeedsBackground || background;
        emit OnChange(this);
    });
}

void TKivGraph::SetGraphBorder(TGraphBorderStyle value) { SetRendered(&TKivGraph::GraphBorderChanged, graphBorder_, value); }
void TKivGraph::SetColorBg(TColor value) { SetRendered(&TKivGraph::ColorBgChanged, colorBg_, value, true); }
void TKivGraph::SetColorBg2(TColor value) { SetRendered(&TKivGraph::ColorBg2Changed, colorBg2_, value, true); }
void TKivGraph::SetColorBorder(TColor value) { SetRendered(&TKivGraph::ColorBorderChanged, colorBorder_, value); }
void TKivGraph::SetColorGrid(TColor value) { SetRendered(&TKivGraph::ColorGridChanged, colorGrid_, value); }
void TKivGraph::SetColorNumb(TColor value) { SetRendered(&TKivGraph::ColorNumbChanged, colorNumb_, value); }

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
    if (!Following() || interaction_.ZoomThread())
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
    if (interaction_.BandShown()) // the rubber band lies over the picture until erased
        interaction_.LineRect();
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
    if (NeedsBackground || key != keptKey_)
        keptLayer_.Drop();
    UseFreeBuffer();
    if (!keptLayer_.Kept(bitmap_.Width(), bitmap_.Height())) {
        DrawLayer(c, outer);
        keptLayer_.KeepCopyOf(bitmap_.Image());
        keptKey_ = std::move(key);
    } else {
        keptLayer_.CopyTo(bitmap_.Image());
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
    GraphFrame::DrawBorder(c, outer, TGraphAxes::Border(borderStyle_), colorBorder_);
    for (const auto& f : fillSeries_)
        if (f->Visible)
            DrawSetCurves(c, *f);
    TGraphAxes(*this, c).DrawGridAndNumbers(outer);
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
    const TScaleMap xMap = TScaleMap::WithExtent(r.XMin, r.XMax, 0, w), yMap = TScaleMap::WithExtent(r.YMin, r.YMax, 0, h);
    // Rounded half up, and kept in floating point: a point far outside the
    // plot keeps the slope of its clipped edges.
    const auto halfUp = [](double offset) { return std::floor(offset + 0.5); };
    std::vector<QPointF> points;
    points.reserve(series.Points.size());
    for (const TPoint2D& p : series.Points)
        points.emplace_back(plotRect_.Left + halfUp(xMap.Offset(p.X)), plotRect_.Bottom - halfUp(yMap.Offset(p.Y)));
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

// ---- mouse -----------------------------------------------------------------

void TKivGraph::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TGraphicControl::MouseDown(Button, Shift, X, Y);
    interaction_.Press(Button, X, Y);
}

void TKivGraph::MouseMove(TShiftState Shift, int X, int Y)
{
    TGraphicControl::MouseMove(Shift, X, Y);
    interaction_.Move(Shift, X, Y);
}

void TKivGraph::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    interaction_.Release(Button);
    TGraphicControl::MouseUp(Button, Shift, X, Y);
}

void TKivGraph::KivGraphWndProc(THookMessage message, QPoint screenPos)
{
    if (message == THookMessage::MouseMove) {
        interaction_.HookMouseMove(screenPos - mapToGlobal(QPoint(0, 0)));
        return;
    }
    interaction_.CancelMouseAction();
    if (QWidget* grabber = QWidget::mouseGrabber(); grabber == this)
        releaseMouse();
}

TLegenda* TKivGraph::Legend() const { return legend_.data(); }
