#include "graph/SeriesIndex.h"

#include <algorithm>

namespace {

int64_t BlockSize(size_t level)
{
    int64_t size = TSeriesIndex::BaseBlock;
    for (size_t i = 0; i < level; ++i)
        size *= TSeriesIndex::Fanout;
    return size;
}

} // namespace

TSeriesIndex::TSeriesIndex(const std::vector<TPoint2D>& points)
{
    const int64_t n = int64_t(points.size());
    if (n < BaseBlock * 2)
        return;
    std::vector<Entry> level;
    level.reserve(size_t(n / BaseBlock));
    for (int64_t b = 0; b + BaseBlock <= n; b += BaseBlock) {
        uint32_t lo = uint32_t(b), hi = uint32_t(b);
        double low = points[size_t(b)].Y, high = low;
        for (int64_t i = b + 1; i < b + BaseBlock; ++i) {
            const double y = points[size_t(i)].Y;
            lo = y < low ? uint32_t(i) : lo;
            low = y < low ? y : low;
            hi = y > high ? uint32_t(i) : hi;
            high = y > high ? y : high;
        }
        level.push_back({lo, hi});
    }
    levels_.push_back(std::move(level));
    while (levels_.back().size() >= size_t(Fanout * 2)) {
        const std::vector<Entry>& below = levels_.back();
        std::vector<Entry> up;
        up.reserve(below.size() / Fanout);
        for (size_t b = 0; b + Fanout <= below.size(); b += Fanout) {
            Entry e = below[b];
            for (size_t i = b + 1; i < b + Fanout; ++i) {
                if (points[below[i].Lowest].Y < points[e.Lowest].Y)
                    e.Lowest = below[i].Lowest;
                if (points[below[i].Highest].Y > points[e.Highest].Y)
                    e.Highest = below[i].Highest;
            }
            up.push_back(e);
        }
        levels_.push_back(std::move(up));
    }
}

size_t TSeriesIndex::Bytes() const
{
    size_t bytes = 0;
    for (const auto& level : levels_)
        bytes += level.capacity() * sizeof(Entry);
    return bytes;
}

// Keeps the earlier position on equal values: ranges are merged left to right.
void TSeriesIndex::Merge(const TPoint2D* points, Extremes& into, int64_t lowest, int64_t highest) const
{
    if (into.Lowest < 0 || points[lowest].Y < points[into.Lowest].Y)
        into.Lowest = lowest;
    if (into.Highest < 0 || points[highest].Y > points[into.Highest].Y)
        into.Highest = highest;
}

void TSeriesIndex::ScanPoints(const TPoint2D* points, Extremes& into, int64_t first, int64_t last) const
{
    for (int64_t i = first; i < last; ++i)
        Merge(points, into, i, i);
}

// Blocks [first, last) of one level.
void TSeriesIndex::ScanLevel(const TPoint2D* points, Extremes& into, size_t level, int64_t first, int64_t last) const
{
    const std::vector<Entry>& entries = levels_[level];
    for (int64_t b = first; b < last; ++b)
        Merge(points, into, entries[size_t(b)].Lowest, entries[size_t(b)].Highest);
}

TSeriesIndex::Extremes TSeriesIndex::Range(const TPoint2D* points, int64_t first, int64_t last) const
{
    Extremes result;
    Collect(points, result, int(levels_.size()) - 1, first, last);
    return result;
}

// Whole blocks of this level inside the range, the ragged ends from the finer levels.
void TSeriesIndex::Collect(const TPoint2D* points, Extremes& into, int level, int64_t first, int64_t last) const
{
    if (first >= last)
        return;
    if (level < 0) {
        ScanPoints(points, into, first, last);
        return;
    }
    const int64_t size = BlockSize(size_t(level));
    const int64_t a = (first + size - 1) / size;
    const int64_t b = std::min<int64_t>(last / size, int64_t(levels_[size_t(level)].size()));
    if (a >= b) {
        Collect(points, into, level - 1, first, last);
        return;
    }
    Collect(points, into, level - 1, first, a * size);
    ScanLevel(points, into, size_t(level), a, b);
    Collect(points, into, level - 1, b * size, last);
}
