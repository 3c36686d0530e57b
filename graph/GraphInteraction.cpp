#include "graph/GraphInteraction.h"

#include "graph/KivGraph.h"
#include "graph/ZoomThread.h"
#include "scale/ScaleMap.h"

#include <algorithm>

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

TGraphInteraction::~TGraphInteraction() { StopZoomThread(); }

void TGraphInteraction::StopZoomThread()
{
    if (zoomThread_) {
        zoomThread_->Terminate();
        delete zoomThread_;
        zoomThread_ = nullptr;
    }
}

void TGraphInteraction::Press(TMouseButton Button, int X, int Y)
{
    if (mouseState_ != msNone || zoomThread_)
        return;
    moveCount_ = 0;
    if (!InPlot(g_.plotRect_, X, Y))
        return;
    if (Button == mbRight && g_.MouseZoom() == TKivGraph::maRight)
        mouseState_ = msZoomOutClick;
    if (Button == mbRight && g_.MousePan() == TKivGraph::maRight) {
        mouseState_ |= msPan;
        panAnchor_ = QPoint(X, Y);
    }
    if (Button == mbLeft && mouseState_ == msNone && g_.MouseZoom() != TKivGraph::macNone) {
        mouseState_ = msRubberBand;
        zoomFrom_ = zoomTo_ = QPoint(X, Y);
    }
}

void TGraphInteraction::Move(TShiftState Shift, int X, int Y)
{
    ++moveCount_;
    if ((mouseState_ & msPan) && moveCount_ > 2) {
        if (g_.MousePan() == TKivGraph::maRight && !(Shift & ssRight))
            mouseState_ = msNone;
        else
            PanTo(X, Y);
    } else if (mouseState_ == msRubberBand && moveCount_ > 2) {
        const TRect& plot = g_.plotRect_;
        g_.LeaveFollow(); // the band marks data that must stay where it is
        EraseBand();
        zoomTo_ = QPoint(std::clamp(X, plot.Left, plot.Right), std::clamp(Y, plot.Top, plot.Bottom));
        LineRect();
        bandShown_ = true;
    }
}

void TGraphInteraction::PanTo(int X, int Y)
{
    g_.LeaveFollow();
    const double w = g_.plotRect_.Width(), h = g_.plotRect_.Height();
    const int dx = X - panAnchor_.x(), dy = Y - panAnchor_.y();
    if (w > 0 && h > 0) {
        // The value distances of the pixel movement: the view follows the mouse.
        TRect2D& l = g_.visLeft_;
        PanAxis(l.XMin, l.XMax, TScaleMap::WithExtent(l.XMin, l.XMax, 0, w).InvOffset(-dx), g_.LimitXMin, g_.LimitXMax);
        PanAxis(l.YMin, l.YMax, TScaleMap::WithExtent(l.YMin, l.YMax, 0, h).InvOffset(dy),
                g_.LimitLeftMin - g_.LimitLeftMin / 10, g_.LimitLeftMax + g_.LimitLeftMax / 10);
        if (g_.RightAxis) {
            TRect2D& r = g_.visRight_;
            r.XMin = l.XMin;
            r.XMax = l.XMax;
            PanAxis(r.YMin, r.YMax, TScaleMap::WithExtent(r.YMin, r.YMax, 0, h).InvOffset(dy),
                    g_.LimitRightMin - g_.LimitRightMin / 10, g_.LimitRightMax + g_.LimitRightMax / 10);
        }
    }
    mouseState_ = msPan;
    g_.NeedsRender = true;
    panAnchor_ = QPoint(X, Y);
    g_.Repaint();
    g_.VisChange();
}

void TGraphInteraction::LineRect()
{
    TCanvas& c = g_.Canvas();
    c.ClearClip();
    c.Pen = TPen{clWhite, 1, psSolid, pmXor};
    c.Brush.Style = bsClear;
    const int l = std::min(zoomFrom_.x(), zoomTo_.x()), r = std::max(zoomFrom_.x(), zoomTo_.x());
    const int t = std::min(zoomFrom_.y(), zoomTo_.y()), b = std::max(zoomFrom_.y(), zoomTo_.y());
    c.Rectangle(l, t, r + 1, b + 1);
    c.Pen.Mode = pmCopy;
    g_.update();
}

// Drawing the band again in XOR takes it away; a band never drawn is left alone.
void TGraphInteraction::EraseBand()
{
    if (!bandShown_)
        return;
    LineRect();
    bandShown_ = false;
}

void TGraphInteraction::Release(TMouseButton Button)
{
    if (mouseState_ == msRubberBand) {
        EraseBand();
        if (Button == mbLeft)
            GraphZoom();
    }
    if ((mouseState_ & msZoomOutClick) && moveCount_ < 3)
        ZoomOut();
    mouseState_ = msNone;
}

void TGraphInteraction::ZoomOut()
{
    g_.followLeft_ = false;
    TRect2D l = g_.visLeft_, r = g_.visRight_;
    WidenAxis(l.XMin, l.XMax, g_.LimitXMin, g_.LimitXMax);
    WidenAxis(l.YMin, l.YMax, g_.LimitLeftMin, g_.LimitLeftMax);
    if (g_.RightAxis) {
        WidenAxis(r.XMin, r.XMax, g_.LimitXMin, g_.LimitXMax);
        WidenAxis(r.YMin, r.YMax, g_.LimitRightMin, g_.LimitRightMax);
    }
    ApplyView(l, r);
}

void TGraphInteraction::GraphZoom()
{
    if (zoomFrom_.x() == zoomTo_.x() || zoomFrom_.y() == zoomTo_.y()) {
        emit g_.OnGraphClick(&g_);
        return;
    }
    const TRect& plot = g_.plotRect_;
    const int left = std::min(zoomFrom_.x(), zoomTo_.x()), right = std::max(zoomFrom_.x(), zoomTo_.x());
    const int top = std::min(zoomFrom_.y(), zoomTo_.y()), bottom = std::max(zoomFrom_.y(), zoomTo_.y());
    if (right - left <= 14 && bottom - top <= 14)
        return;
    // The band's corners on the plot's maps, Y running up from the bottom.
    const auto toData = [&](const TRect2D& v) {
        const TScaleMap x = TScaleMap::WithExtent(v.XMin, v.XMax, plot.Left, plot.Width());
        const TScaleMap y = TScaleMap::WithExtent(v.YMin, v.YMax, plot.Bottom, -double(plot.Height()));
        return TRect2D{x.InvTransform(left), y.InvTransform(bottom), x.InvTransform(right), y.InvTransform(top)};
    };
    const auto shrinks = [](const TRect2D& now, const TRect2D& next) {
        return now.XMax - now.XMin > next.XMax - next.XMin || now.YMax - now.YMin > next.YMax - next.YMin;
    };
    TRect2D l = toData(g_.visLeft_), r = toData(g_.visRight_);
    TKivGraph::AdjustZoom(l);
    bool zoom = shrinks(g_.visLeft_, l);
    if (g_.RightAxis) {
        TKivGraph::AdjustZoom(r);
        zoom = zoom || shrinks(g_.visRight_, r);
    } else {
        r = g_.visRight_;
    }
    if (zoom) {
        g_.LeaveFollow();
        ApplyView(l, r);
    }
}

void TGraphInteraction::ApplyView(const TRect2D& left, const TRect2D& right)
{
    if (g_.ZoomTime <= 0) {
        g_.SetVisLeftRect(left);
        if (g_.RightAxis)
            g_.SetVisRightRect(right);
        g_.FollowNewest();
        g_.NeedsRender = true;
        g_.Repaint();
        g_.VisChange();
        return;
    }
    zoomThread_ = new TZoomThread(&g_, g_.visLeft_, g_.visRight_, left, right, g_.ZoomTime, g_.RenderTime);
}

void TGraphInteraction::ZoomThreadDone(TZoomThread* thread)
{
    if (zoomThread_ == thread)
        zoomThread_ = nullptr;
}

void TGraphInteraction::HookMouseMove(QPoint local)
{
    panAnchor_ = local;
    if (!InPlot(g_.plotRect_, panAnchor_.x(), panAnchor_.y()))
        CancelMouseAction();
}

// A rubber band still shown goes with the action.
void TGraphInteraction::CancelMouseAction()
{
    EraseBand();
    mouseState_ = msNone;
}
