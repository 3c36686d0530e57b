#pragma once
// TSeries: one trend curve, created and filled by the host; a graph owns it
// once added. Points lie in ascending X. The series keeps, built on first
// use, the min/max index and the gap positions its drawing needs.
//
// A live host appends with Append, which refuses a point before the newest,
// and bounds the series by RetainCount or RetainSpan: the oldest points are
// dropped as new ones come, and the index and the gaps follow both at
// constant cost per point. A host that changes Points otherwise (in place)
// tells the graph (PointsChanged), which drops them; assigning, clearing or
// cutting Points is noticed by the series itself.

#include "framework/Color.h"
#include "graph/ColumnCache.h"
#include "graph/Point2D.h"
#include "graph/PointStore.h"
#include "graph/SeriesIndex.h"

#include <QString>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

class TSeries {
public:
    bool Visible = true;
    QString Name;
    TColor Color = clBlack;
    TPointStore Points;
    TSeries* LinkedSerie = nullptr;
    int MinY = 0;
    int MaxY = 0;
    int UserInt1 = 0; // host values, copied to fill series, not drawn
    int UserInt2 = 0;
    QString BitmapName;
    QString UserText; // host value, not used by the graph
    bool Tenths = false;
    bool LeftAxis = true;
    // Retention of appended data: keep at most this many points (0: all) and
    // only the points within this many X units of the newest (0: all).
    size_t RetainCount = 0;
    double RetainSpan = 0;

    // The bucket of a point for a gap divisor (> 0): whole X units divided by it.
    static int64_t Bucket(double x, int divisor)
    {
        constexpr double limit = 9.0e18; // beyond it no integer part exists in 64 bits
        if (!(x == x))
            return 0; // not a number
        return int64_t(x < -limit ? -limit : (x > limit ? limit : x)) / divisor;
    }

    // Appends one point, or a block in ascending X, after the newest; false
    // (and nothing appended) for an X that is not a number or lies before
    // the newest point's. Then drops what the retention no longer keeps.
    bool Append(const TPoint2D& p);
    bool Append(const TPoint2D* points, size_t count);
    // Drops the n oldest points.
    void DropFront(size_t n);

    // The min/max index over the current points, brought up to date.
    const TSeriesIndex& Index() const;
    // Positions (TPointStore) p, ascending, where the point at p lies more
    // than one bucket past the point before it; only those after the first
    // point held.
    std::span<const int64_t> Gaps(int divisor) const;
    // The extremes of the pixel columns it was drawn with last (see TColumnCache).
    TColumnCache& Columns() const { return columns_; }
    // Forget the index, the gaps and the columns (points were changed in place).
    void Invalidate() const;
    size_t CacheBytes() const;

private:
    void Retain();
    bool IndexCurrent() const { return indexBuilt_ && indexedGeneration_ == Points.Generation(); }

    mutable std::unique_ptr<TSeriesIndex> index_;
    mutable bool indexBuilt_ = false; // index_ covers the points (of indexedGeneration_)
    mutable uint64_t indexedGeneration_ = 0;
    mutable TColumnCache columns_;
    mutable std::vector<int64_t> gaps_;
    mutable size_t gapsDead_ = 0; // gaps at the front before the first point held
    mutable int64_t gapsScanned_ = 0; // positions below this were looked at
    mutable int gapsDivisor_ = 0;
    mutable uint64_t gapsGeneration_ = 0;
};
