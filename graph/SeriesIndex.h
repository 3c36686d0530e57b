#pragma once
// TSeriesIndex: a multi-level index over the Y values of a series, so that
// the lowest and the highest point of any range of points is found in time
// that grows with the logarithm of the range, not with its length. Level 0
// holds, per block of 32 points, the first lowest and the first highest
// point (offset and value: a range is reduced without reading the points
// its blocks stand for, which lie far apart in memory); every further level
// does the same over 16 blocks of the level below. 24 bytes per 32 points
// on level 0, about a twentieth of the points' own memory in all.
//
// Blocks are numbered by point position (see TPointStore), so appending
// points only adds blocks at the end (Extend: constant work per point, the
// levels above completed as their 16 blocks are) and dropping points only
// retires whole blocks at the front (Forget). A block that lost points to
// the front is never consulted again: every range asked for lies within the
// points held, and only blocks wholly inside a range are read.

#include "graph/PointStore.h"

#include <cstddef>
#include <cstdint>
#include <limits>
#include <vector>

class TSeriesIndex {
public:
    static constexpr int64_t BaseBlock = 32;
    static constexpr int64_t Fanout = 16;

    struct Extremes {
        int64_t Lowest = -1;  // index of the first point with the lowest Y
        int64_t Highest = -1; // index of the first point with the highest Y
        double Low = 0, High = 0; // their Keys
    };

    // Y as the index compares it: a Y that is not a number counts as
    // +infinity, since both are drawn at the top of the plot; so the values
    // are in one order and the extremes of a range are those of its parts.
    static double Key(double y) { return y == y ? y : std::numeric_limits<double>::infinity(); }

    TSeriesIndex() = default;
    explicit TSeriesIndex(const TPointStore& points) { Extend(points); }

    // Indexes the whole blocks appended since the last call.
    void Extend(const TPointStore& points);
    // Lets go of the blocks wholly dropped from the front.
    void Forget(const TPointStore& points);
    // Extremes of points [first, last) (first < last, indices of the store).
    Extremes Range(const TPointStore& points, int64_t first, int64_t last) const;
    size_t Bytes() const;

private:
    struct Entry {
        double Low, High;
        uint32_t Lowest; // offsets from the block's first position
        uint32_t Highest;
    };
    struct Accumulator; // extremes of a range so far, with their values
    struct Level {
        std::vector<Entry> entries; // entries[k]: block base + k
        int64_t base = 0;
        size_t dead = 0; // entries at the front whose points are all dropped
        int64_t End() const { return base + int64_t(entries.size()); }
        const Entry& Block(int64_t b) const { return entries[size_t(b - base)]; }
    };
    static int64_t BlockSize(size_t level);
    static void Reserve(Level& level, int64_t end);
    void ExtendBase(const TPointStore& points);
    void ExtendLevel(const TPointStore& points, size_t level);
    void Collect(const TPointStore& points, Accumulator& into, int level, int64_t first, int64_t last) const;

    std::vector<Level> levels_;
};
