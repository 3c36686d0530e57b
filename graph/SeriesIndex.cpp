#include "graph/SeriesIndex.h"

#include <algorithm>

namespace {

// Keeps the earlier position on equal values: ranges are merged left to right.
void Merge(const TPointStore& points, TSeriesIndex::Extremes& into, int64_t lowest, int64_t highest)
{
    if (into.Lowest < 0 || points.AtPosition(lowest).Y < points.AtPosition(into.Lowest).Y)
        into.Lowest = lowest;
    if (into.Highest < 0 || points.AtPosition(highest).Y > points.AtPosition(into.Highest).Y)
        into.Highest = highest;
}

// The first lowest and highest of 32 side-by-side points: the two values
// first, in four independent lanes each, then the first point holding each.
// The lanes start from the first point, as a left-to-right scan does, so a
// leading NaN wins there too; later NaNs never compare lower or higher.
void BlockExtremes(const TPoint2D* p, uint32_t& lowest, uint32_t& highest)
{
    double lo[4], hi[4];
    for (int k = 0; k < 4; ++k)
        lo[k] = hi[k] = p[0].Y;
    for (int i = 0; i < int(TSeriesIndex::BaseBlock); i += 4)
        for (int k = 0; k < 4; ++k) {
            const double y = p[i + k].Y;
            lo[k] = y < lo[k] ? y : lo[k];
            hi[k] = y > hi[k] ? y : hi[k];
        }
    double low = lo[0], high = hi[0];
    for (int k = 1; k < 4; ++k) {
        low = lo[k] < low ? lo[k] : low;
        high = hi[k] > high ? hi[k] : high;
    }
    lowest = highest = 0;
    while (lowest < TSeriesIndex::BaseBlock && !(p[lowest].Y == low))
        ++lowest;
    while (highest < TSeriesIndex::BaseBlock && !(p[highest].Y == high))
        ++highest;
    if (lowest == TSeriesIndex::BaseBlock) // a leading NaN
        lowest = 0;
    if (highest == TSeriesIndex::BaseBlock)
        highest = 0;
}

} // namespace

int64_t TSeriesIndex::BlockSize(size_t level)
{
    int64_t size = BaseBlock;
    for (size_t i = 0; i < level; ++i)
        size *= Fanout;
    return size;
}

void TSeriesIndex::Extend(const TPointStore& points)
{
    if (points.EndPosition() < BaseBlock)
        return;
    if (levels_.empty())
        levels_.emplace_back();
    ExtendBase(points);
    for (size_t level = 0; levels_[level].End() >= Fanout; ++level) {
        if (level + 1 == levels_.size())
            levels_.emplace_back();
        ExtendLevel(points, level + 1);
    }
}

void TSeriesIndex::ExtendBase(const TPointStore& points)
{
    Level& level = levels_[0];
    const int64_t blocks = points.EndPosition() / BaseBlock;
    level.entries.reserve(size_t(blocks - level.base));
    for (int64_t b = level.End(); b < blocks; ++b) {
        uint32_t lowest = 0, highest = 0;
        if (b * BaseBlock >= points.FirstPosition()) // else never read (see above)
            BlockExtremes(points.Run(b * BaseBlock), lowest, highest);
        level.entries.push_back({lowest, highest});
    }
}

void TSeriesIndex::ExtendLevel(const TPointStore& points, size_t index)
{
    const Level& below = levels_[index - 1];
    Level& level = levels_[index];
    const int64_t blocks = below.End() / Fanout;
    const int64_t size = BlockSize(index), belowSize = BlockSize(index - 1);
    level.entries.reserve(size_t(blocks - level.base));
    for (int64_t b = level.End(); b < blocks; ++b) {
        Entry e{0, 0};
        if (b * size >= points.FirstPosition()) {
            Extremes x;
            for (int64_t c = b * Fanout; c < (b + 1) * Fanout; ++c) {
                const Entry& child = below.Block(c);
                Merge(points, x, c * belowSize + child.Lowest, c * belowSize + child.Highest);
            }
            e = {uint32_t(x.Lowest - b * size), uint32_t(x.Highest - b * size)};
        }
        level.entries.push_back(e);
    }
}

void TSeriesIndex::Forget(const TPointStore& points)
{
    for (size_t i = 0; i < levels_.size(); ++i) {
        Level& level = levels_[i];
        const int64_t gone = points.FirstPosition() / BlockSize(i); // blocks below lie wholly before the first point
        level.dead = size_t(std::clamp<int64_t>(gone - level.base, int64_t(level.dead), int64_t(level.entries.size())));
        if (level.dead >= 1024 && level.dead * 2 >= level.entries.size()) {
            level.entries.erase(level.entries.begin(), level.entries.begin() + std::ptrdiff_t(level.dead));
            level.base += int64_t(level.dead);
            level.dead = 0;
        }
    }
}

size_t TSeriesIndex::Bytes() const
{
    size_t bytes = levels_.capacity() * sizeof(Level);
    for (const auto& level : levels_)
        bytes += level.entries.capacity() * sizeof(Entry);
    return bytes;
}

TSeriesIndex::Extremes TSeriesIndex::Range(const TPointStore& points, int64_t first, int64_t last) const
{
    const int64_t offset = points.FirstPosition();
    Extremes result;
    Collect(points, result, int(levels_.size()) - 1, first + offset, last + offset);
    result.Lowest -= offset;
    result.Highest -= offset;
    return result;
}

// Whole blocks of this level inside the range [first, last) of positions,
// the ragged ends from the finer levels.
void TSeriesIndex::Collect(const TPointStore& points, Extremes& into, int level, int64_t first, int64_t last) const
{
    if (first >= last)
        return;
    if (level < 0) {
        for (int64_t i = first; i < last; ++i)
            Merge(points, into, i, i);
        return;
    }
    const Level& entries = levels_[size_t(level)];
    const int64_t size = BlockSize(size_t(level));
    const int64_t a = (first + size - 1) / size;
    const int64_t b = std::min(last / size, entries.End());
    if (a >= b) {
        Collect(points, into, level - 1, first, last);
        return;
    }
    Collect(points, into, level - 1, first, a * size);
    for (int64_t k = a; k < b; ++k) {
        const Entry& e = entries.Block(k);
        Merge(points, into, k * size + e.Lowest, k * size + e.Highest);
    }
    Collect(points, into, level - 1, b * size, last);
}
