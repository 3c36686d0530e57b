#pragma once
// The pixels of every shape the seven-segment display paints, for one
// geometry. They are worked out once with the canvas's own polygon and
// ellipse rules and kept as row spans, so that a paint only fills spans.

#include "framework/Color.h"
#include "widgets/LCD99Geometry.h"

#include <QImage>
#include <QVector>

class TBitmap;

class TLCD99Shapes {
public:
    struct TSpan {
        int y, x0, x1; // x1 inclusive
    };
    using TShape = QVector<TSpan>;

    explicit TLCD99Shapes(const TLCD99Options& options);

    const TLCD99Options& Options() const { return options_; }
    const TLCD99Geometry& Geometry() const { return geometry_; }
    // Segment position 1..8 of cell j (1-based); position 8 is both colon dots.
    // In dot mode positions 1..7 are empty: their dots come from BarDots.
    const TShape& Segment(int cell, int position) const { return segments_[Index(cell, position)]; }
    // Dot mode: the dots of bar 1..7 of cell j, in bar order.
    const QVector<TShape>& BarDots(int cell, int position) const { return bars_[Index(cell, position)]; }
    // The decimal point in front of cell j.
    const TShape& Point(int cell) const { return points_[cell - 1]; }

    // Paints a shape in one colour on an image of the geometry's size.
    static void Fill(QImage& image, const TShape& shape, TColor color);

private:
    static size_t Index(int cell, int position) { return size_t(cell - 1) * 8 + size_t(position - 1); }
    template <class Draw>
    TShape Trace(TBitmap& mask, const QRect& box, Draw draw);
    TShape TracePolygon(TBitmap& mask, const QVector<QPoint>& polygon);
    TShape TraceEllipses(TBitmap& mask, std::initializer_list<TRect> boxes);
    TShape TraceRect(const TRect& r) const;

    TLCD99Options options_;
    TLCD99Geometry geometry_;
    QVector<TShape> segments_;
    QVector<QVector<TShape>> bars_;
    QVector<TShape> points_;
};
