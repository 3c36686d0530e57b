#include "graph/SeriesIndex.h"

#include <algorithm>
#include <limits>

namespace {

// The first point of 32 whose Key is v.
uint32_t FirstAt(const TPoint2D* p, double v)
{
    uint32_t i = 0;
    if (v == std::numeric_limits<double>::infinity()) {
        while (!(TSeriesIndex::Key(p[i].Y) == v))
            ++i;
    } else {
        while (!(p[i].Y == v))
            ++i;
    }
    return i;
}

// The first lowest and highest of 32 side-by-side points: the two values
// first, in four independent lanes each (a Y that is not a number never
// compares; a sum of the lanes that is not a number tells one may be
// there), then the first point holding each.
void BlockExtremes(const TPoint2D* p, double& low, double& high, uint32_t& lowest, uint32_t& highest)
{
    constexpr double inf = std::numeric_limits<double>::infinity();
    double lo[4] = {inf, inf, inf, inf}, hi[4] = {-inf, -inf, -inf, -inf}, sum[4] = {0, 0, 0, 0};
    for (int i = 0; i < int(TSeriesIndex::BaseBlock); i += 4)
        for (int k = 0; k < 4; ++k) {
            const double y = p[i + k].Y;
            lo[k] = y < lo[k] ? y : lo[k];
            hi[k] = y > hi[k] ? y : hi[k];
            sum[k] += y;
        }
    low = lo[0];
    high = hi[0];
    for (int k = 1; k < 4; ++k) {
        low = lo[k] < low ? lo[k] : low;
        high = hi[k] > high ? hi[k] : high;
    }
    const double total = sum[0] + sum[1] + sum[2] + sum[3];
    if (total != total) // also from infinities of both signs
        for (int i = 0; i < int(TSeriesIndex::BaseBlock); ++i)
            if (p[i].Y != p[i].Y) {
                high = inf;
                break;
            }
    lowest = FirstAt(p, low);
    highest = FirstAt(p, high);
}

} // namespace

void TSeriesIndex::Level::Grow()
{
    const int64_t start = chunkBase_ << kShift;
    if (allocatedEnd_ - start < kChunk) { // the first chunk, grown by doubling
        const int64_t capacity = std::min(kChunk, std::max<int64_t>(16, 2 * (end_ - start)));
        auto grown = std::make_unique_for_overwrite<Entry[]>(size_t(capacity));
        if (!chunks_.empty())
            std::copy(chunks_[0].get() + (begin_ - start), chunks_[0].get() + (end_ - start), grown.get() + (begin_ - start));
        chunks_.resize(1);
        chunks_[0] = std::move(grown);
        allocatedEnd_ = start + capacity;
        return;
    }
    if (spare_.empty()) {
        chunks_.push_back(std::make_unique_for_overwrite<Entry[]>(size_t(kChunk)));
    } else {
        chunks_.push_back(std::move(spare_.back()));
        spare_.pop_back();
    }
    allocatedEnd_ += kChunk;
}

void TSeriesIndex::Level::Clear()
{
    const bool firstWhole = allocatedEnd_ - (chunkBase_ << kShift) >= kChunk;
    for (size_t k = firstWhole ? 0 : 1; k < chunks_.size(); ++k)
        if (chunks_[k])
            spare_.push_back(std::move(chunks_[k]));
    chunks_.clear();
    chunkBase_ = begin_ = end_ = allocatedEnd_ = 0;
    deadSlots_ = 0;
}

void TSeriesIndex::Level::SkipTo(int64_t b)
{
    if (b <= end_)
        return;
    if (deadSlots_ == chunks_.size()) { // nothing held: start afresh at b
        chunks_.clear();
        deadSlots_ = 0;
        chunkBase_ = b >> kShift;
        begin_ = end_ = b;
        allocatedEnd_ = chunkBase_ << kShift;
        return;
    }
    while (end_ < b)
        Push({0, 0, 0, 0});
}

void TSeriesIndex::Level::Forget(int64_t gone)
{
    while (deadSlots_ < chunks_.size() && (chunkBase_ + int64_t(deadSlots_) + 1) << kShift <= gone)
        chunks_[deadSlots_++].reset();
    if (deadSlots_ >= 16 && deadSlots_ * 2 >= chunks_.size()) {
        chunks_.erase(chunks_.begin(), chunks_.begin() + std::ptrdiff_t(deadSlots_));
        chunkBase_ += int64_t(deadSlots_);
        deadSlots_ = 0;
    }
}

size_t TSeriesIndex::Level::Bytes() const
{
    const int64_t live = allocatedEnd_ - std::max((chunkBase_ + int64_t(deadSlots_)) << kShift, chunkBase_ << kShift);
    return (size_t(std::max<int64_t>(0, live)) + spare_.size() * size_t(kChunk)) * sizeof(Entry)
        + (chunks_.capacity() + spare_.capacity()) * sizeof(chunks_[0]);
}

namespace {

int64_t FirstWithKey(const TPoint2D* p, double key)
{
    int64_t i = 0;
    while (!(TSeriesIndex::Key(p[i].Y) == key))
        ++i;
    return i;
}

} // namespace

void TSeriesIndex::Accumulator::Scan(const TPointStore& points, int64_t from, int64_t to)
{
    while (from < to) { // points lie side by side within a chunk
        const int64_t stop = std::min(to, (from / TPointStore::ChunkSize + 1) * TPointStore::ChunkSize);
        const TPoint2D* p = points.Run(from);
        const int64_t n = stop - from;
        double lo = std::numeric_limits<double>::infinity(), hi = -lo;
        for (int64_t i = 0; i < n; ++i) {
            const double y = Key(p[i].Y);
            lo = y < lo ? y : lo;
            hi = y > hi ? y : hi;
        }
        if (lowest < 0 || lo < low) {
            low = lo;
            lowest = from + FirstWithKey(p, lo);
        }
        if (highest < 0 || hi > high) {
            high = hi;
            highest = from + FirstWithKey(p, hi);
        }
        from = stop;
    }
}

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
    level.SkipTo(std::min(blocks, (points.FirstPosition() + BaseBlock - 1) / BaseBlock)); // else never read (see above)
    for (int64_t b = level.End(); b < blocks; ++b) {
        Entry e;
        BlockExtremes(points.Run(b * BaseBlock), e.Low, e.High, e.Lowest, e.Highest);
        level.Push(e);
    }
}

void TSeriesIndex::ExtendLevel(const TPointStore& points, size_t index)
{
    const Level& below = levels_[index - 1];
    Level& level = levels_[index];
    const int64_t blocks = below.End() / Fanout;
    const int64_t size = BlockSize(index), belowSize = BlockSize(index - 1);
    level.SkipTo(std::min(blocks, (points.FirstPosition() + size - 1) / size));
    for (int64_t b = level.End(); b < blocks; ++b) {
        Accumulator x;
        for (int64_t c = b * Fanout; c < (b + 1) * Fanout; ++c) {
            const Entry& child = below.Block(c);
            x.Add(child.Low, c * belowSize + child.Lowest, child.High, c * belowSize + child.Highest);
        }
        level.Push({x.low, x.high, uint32_t(x.lowest - b * size), uint32_t(x.highest - b * size)});
    }
}

void TSeriesIndex::Forget(const TPointStore& points)
{
    for (size_t i = 0; i < levels_.size(); ++i)
        levels_[i].Forget(points.FirstPosition() / BlockSize(i)); // blocks below lie wholly before the first point
}

void TSeriesIndex::Clear()
{
    for (Level& level : levels_)
        level.Clear();
}

void TSeriesIndex::ReleaseSpare()
{
    while (!levels_.empty() && levels_.back().End() == 0)
        levels_.pop_back();
    for (Level& level : levels_)
        level.ReleaseSpare();
}

template <class Blocks, class Points>
void TSeriesIndex::Split(int level, int64_t first, int64_t last, Blocks& blocks, Points& points) const
{
    if (first >= last)
        return;
    if (level < 0) {
        points(first, last);
        return;
    }
    const Level& entries = levels_[size_t(level)];
    const int64_t size = BlockSize(size_t(level));
    const int64_t a = (first + size - 1) / size;
    const int64_t b = std::min(last / size, entries.End());
    if (a >= b) {
        Split(level - 1, first, last, blocks, points);
        return;
    }
    Split(level - 1, first, a * size, blocks, points);
    blocks(entries, size, a, b);
    Split(level - 1, b * size, last, blocks, points);
}

void TSeriesIndex::Prefetch(const TPointStore& points, int64_t from, int64_t to) const
{
    auto blocks = [&](const Level& entries, int64_t, int64_t a, int64_t b) {
        for (int64_t k = a; k < b; k += 2) // 24-byte entries: every other one reaches the next line
            PrefetchLine(&entries.Block(k));
        PrefetchLine(&entries.Block(b - 1));
    };
    auto ends = [](int64_t, int64_t) {}; // near the column's ends, which are asked for themselves
    Split(int(levels_.size()) - 1, std::max(from, points.FirstPosition()), std::min(to, points.EndPosition()), blocks,
          ends);
}

size_t TSeriesIndex::Bytes() const
{
    size_t bytes = levels_.capacity() * sizeof(Level);
    for (const auto& level : levels_)
        bytes += level.Bytes();
    return bytes;
}

TSeriesIndex::Extremes TSeriesIndex::Range(const TPointStore& points, int64_t first, int64_t last) const
{
    const int64_t offset = points.FirstPosition();
    Accumulator r;
    auto blocks = [&](const Level& entries, int64_t size, int64_t a, int64_t b) {
        for (int64_t k = a; k < b; ++k) {
            const Entry& e = entries.Block(k);
            r.Add(e.Low, k * size + e.Lowest, e.High, k * size + e.Highest);
        }
    };
    auto ends = [&](int64_t from, int64_t to) { r.Scan(points, from, to); };
    Split(int(levels_.size()) - 1, first + offset, last + offset, blocks, ends);
    return {r.lowest - offset, r.highest - offset, r.low, r.high};
}

