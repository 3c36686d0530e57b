#pragma once
// TSeries: one trend curve, created and filled by the host; a graph owns it
// once added. Points lie side by side in ascending X. The series keeps, built
// on first use, the min/max index and the gap positions its drawing needs;
// a host that changes Points in place tells the graph (PointsChanged), which
// drops them.

#include "framework/Color.h"
#include "graph/Point2D.h"
#include "graph/SeriesIndex.h"

#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

class TSeries {
public:
    bool Visible = true;
    QString Name;
    TColor Color = clBlack;
    std::vector<TPoint2D> Points;
    TSeries* LinkedSerie = nullptr;
    int MinY = 0;
    int MaxY = 0;
    int UserInt1 = 0; // host values, copied to fill series, not drawn
    int UserInt2 = 0;
    QString BitmapName;
    QString UserText; // host value, not used by the graph
    bool Tenths = false;
    bool LeftAxis = true;

    // The bucket of a point for a gap divisor (> 0): whole X units divided by it.
    static int64_t Bucket(double x, int divisor)
    {
        constexpr double limit = 9.0e18; // beyond it no integer part exists in 64 bits
        if (!(x == x))
            return 0; // not a number
        return int64_t(x < -limit ? -limit : (x > limit ? limit : x)) / divisor;
    }

    // The min/max index over the current points, built when missing or stale.
    const TSeriesIndex& Index() const;
    // Positions i (ascending) where point i lies more than one bucket past point i - 1.
    const std::vector<int64_t>& Gaps(int divisor) const;
    // Forget the index and the gaps (points were changed in place).
    void Invalidate() const;
    size_t CacheBytes() const;

private:
    bool Stale() const { return indexedSize_ != Points.size() || indexedData_ != Points.data(); }

    mutable std::unique_ptr<TSeriesIndex> index_;
    mutable size_t indexedSize_ = 0;
    mutable const TPoint2D* indexedData_ = nullptr;
    mutable std::vector<int64_t> gaps_;
    mutable int gapsDivisor_ = 0;
};
