#pragma once
// TSeriesIndex: a multi-level index over the Y values of a series, so that
// the lowest and the highest point of any range of points is found in time
// that grows with the logarithm of the range, not with its length. Level 0
// holds, per block of 32 points, the positions of the first lowest and the
// first highest point; every further level does the same over 16 blocks of
// the level below. Positions are 32-bit: 8 bytes per 32 points on level 0,
// about a sixtieth of the points' own memory in all.

#include "graph/Point2D.h"

#include <cstddef>
#include <cstdint>
#include <vector>

class TSeriesIndex {
public:
    static constexpr int64_t BaseBlock = 32;
    static constexpr int64_t Fanout = 16;

    struct Extremes {
        int64_t Lowest = -1;  // position of the first point with the lowest Y
        int64_t Highest = -1; // position of the first point with the highest Y
    };

    TSeriesIndex() = default;
    explicit TSeriesIndex(const std::vector<TPoint2D>& points);

    // Extremes of points [first, last) (first < last) of the indexed vector.
    Extremes Range(const TPoint2D* points, int64_t first, int64_t last) const;
    size_t Bytes() const;

private:
    struct Entry {
        uint32_t Lowest;
        uint32_t Highest;
    };
    void Merge(const TPoint2D* points, Extremes& into, int64_t lowest, int64_t highest) const;
    void ScanPoints(const TPoint2D* points, Extremes& into, int64_t first, int64_t last) const;
    void Collect(const TPoint2D* points, Extremes& into, int level, int64_t first, int64_t last) const;
    void ScanLevel(const TPoint2D* points, Extremes& into, size_t level, int64_t first, int64_t last) const;

    std::vector<std::vector<Entry>> levels_;
};
