#pragma once
// TSeriesLines: draws a series as a line through its points within a view,
// by the walk that defines the picture: points left of the view only lead
// into it, the first point right of it ends the line, a jump of more than one
// bucket of X (see the gap divisor) lifts the pen, a series of one point is a
// pixel, and markers square each visible point.
//
// DrawReference performs that walk point by point. Draw gives the same
// pixels from far less work: it finds the visible points by binary search,
// and where several consecutive points fall on one pixel column it keeps the
// column's first, lowest, highest and last point, found through the series'
// min/max index (or from the columns it was drawn with last, see
// TColumnCache). Lines of a column between them are vertical and cover the
// same pixels as all the column's points would; in a column where the line
// ends (before a gap or at the series' end) the extremes are those of the
// points before the run of points on the last point's pixel that ends it,
// found by whole index blocks (see AddColumn). So no column costs more than
// a few index look-ups, however many points it holds.
//
// The caller sets the canvas pen (colour, width), the brush for the markers
// and the clip; both draw with pmCopy in one colour, so only the set of
// pixels matters, never the order.

#include "framework/Canvas.h"
#include "framework/Rect.h"
#include "graph/Rect2D.h"
#include "graph/Series.h"
#include "scale/ScaleMap.h"

#include <QPoint>
#include <algorithm>
#include <cmath>
#include <vector>

class TSegmentPainter;

class TSeriesLines {
public:
    // plot: the plot rectangle (x = Left .. Right, y = Top .. Bottom, as
    // mapped); divisor 0 means no gaps.
    TSeriesLines(TCanvas& canvas, const TRect& plot, const TRect2D& view, int divisor, bool markers);

    void DrawReference(const TSeries& series);
    void Draw(const TSeries& series);

    // Rounded half up and held within the pixel limit, the curves' own rule;
    // inline, since a dense series maps several points per pixel column.
    int PixelX(double x) const { return ClampPixel(plot_.Left + std::floor(xMap_.Offset(x) + 0.5)); }
    int PixelY(double y) const { return ClampPixel(plot_.Bottom - std::floor(yMap_.Offset(y) + 0.5)); }
    QPoint Pixel(const TPoint2D& p) const { return QPoint(PixelX(p.X), PixelY(p.Y)); }

private:
    // Pixel coordinates are held within +-2^24: far enough outside any plot
    // that the visible part of a line keeps its slope, near enough for 64-bit steps.
    static constexpr double kPixelLimit = 16777216.0;
    static int ClampPixel(double v)
    {
        if (!(v > -kPixelLimit)) // also NaN
            return int(-kPixelLimit);
        return int(std::min(v, kPixelLimit));
    }

    struct Walk; // the visible range of one series and how its ends are drawn
    Walk Locate(const TSeries& series) const;
    bool GapBefore(const TSeries& series, int64_t i) const;
    void Marker(QPoint p);
    void SinglePixel(QPoint p);
    void DrawRun(const TSeries& series, int64_t first, int64_t last, bool lineEnds, std::vector<QPoint>& nodes);
    void AddColumn(const TSeries& series, int64_t first, int64_t last, bool lineEnds, std::vector<QPoint>& nodes);
    int64_t ColumnEnd(const TSeries& series, int64_t from, int64_t last, int column, int64_t guess) const;
    void DrawMarkers(const TSeries& series, int64_t first, int64_t last);
    static void AddNode(std::vector<QPoint>& nodes, QPoint p);
    void Stroke(TSegmentPainter& segments, const std::vector<QPoint>& nodes, int64_t points) const;

    TCanvas& canvas_;
    TRect plot_;
    TRect2D view_;
    int divisor_;
    bool markers_;
    // Distances from the plot's left and bottom edges.
    TScaleMap xMap_, yMap_;
    // While Draw runs: the series' index once asked for, and the position of its first point.
    const TSeriesIndex* index_ = nullptr;
    int64_t base_ = 0;
};
