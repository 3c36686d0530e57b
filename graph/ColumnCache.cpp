#include "graph/ColumnCache.h"

#include <algorithm>

namespace {

// Points gained by a column that are read one by one rather than asking
// the index: a few frames' worth of a fast feed, far fewer than a column of
// a large series holds.
constexpr int64_t kMostGained = 128;

// How many columns ahead PrefetchAhead reads: enough for the memory's
// latency to pass while the columns before it are worked on.
constexpr size_t kAhead = 4;

} // namespace

void TColumnCache::Begin(const TPointStore& points)
{
    if (generation_ != points.Generation()) {
        drawn_.clear();
        generation_ = points.Generation();
    }
    kept_.swap(drawn_);
    drawn_.clear();
    guessCursor_ = keptCursor_ = 0;
    drift_ = kMostGained + 1; // unknown until a kept column is found
}

void TColumnCache::Clear()
{
    kept_.clear();
    drawn_.clear();
    guessCursor_ = keptCursor_ = 0;
}

size_t TColumnCache::Bytes() const { return (kept_.capacity() + drawn_.capacity()) * sizeof(Column); }

int64_t TColumnCache::GuessEnd(int64_t start)
{
    while (guessCursor_ < kept_.size() && kept_[guessCursor_].end <= start)
        ++guessCursor_;
    if (guessCursor_ == kept_.size() || kept_[guessCursor_].start > start)
        return -1;
    const Column& k = kept_[guessCursor_];
    drift_ = start - k.start;
    return start + (k.end - k.start);
}

void TColumnCache::PrefetchAhead(const TPointStore& points, const TSeriesIndex* index) const
{
    const size_t k = guessCursor_ + kAhead;
    if (k >= kept_.size() || drift_ > kMostGained || -drift_ > kMostGained)
        return;
    const Column& c = kept_[k];
    const int64_t start = c.start + drift_, end = c.end + drift_;
    // The column's end is found and its gained points read around there.
    points.Prefetch(std::min(c.end, end) - 1, std::max(c.end, end) + 1);
    if (index && (c.lowest < start || c.highest < start))
        index->Prefetch(points, start, end);
}

// The kept column holding a position, if any.
const TColumnCache::Column* TColumnCache::KeptAround(int64_t position)
{
    while (keptCursor_ < kept_.size() && kept_[keptCursor_].end <= position)
        ++keptCursor_;
    if (keptCursor_ == kept_.size() || kept_[keptCursor_].start > position)
        return nullptr;
    return &kept_[keptCursor_];
}

// The kept extremes still lie in the column, so they are the first lowest
// and highest of the points both hold; those the column gained on either
// side are compared with them in the order of their positions.
bool TColumnCache::Reuse(const TPointStore& points, const Column& kept, Column& c)
{
    if (kept.lowest < c.start || kept.lowest >= c.end || kept.highest < c.start || kept.highest >= c.end)
        return false;
    const int64_t before = std::max<int64_t>(0, kept.start - c.start), after = std::max<int64_t>(0, c.end - kept.end);
    if (before + after > kMostGained)
        return false;
    TSeriesIndex::Accumulator r;
    r.Scan(points, c.start, c.start + before);
    r.Add(kept.low, kept.lowest, kept.high, kept.highest);
    r.Scan(points, c.end - after, c.end);
    c.lowest = r.lowest;
    c.highest = r.highest;
    c.low = r.low;
    c.high = r.high;
    return true;
}

const TColumnCache::Column& TColumnCache::Extremes(const TPointStore& points, const TSeriesIndex& index, int64_t start,
                                                   int64_t end)
{
    Column c;
    c.start = start;
    c.end = end;
    const Column* kept = KeptAround(start + (end - start) / 2);
    if (!kept || !Reuse(points, *kept, c)) {
        const int64_t base = points.FirstPosition();
        const TSeriesIndex::Extremes e = index.Range(points, start - base, end - base);
        c.lowest = e.Lowest + base;
        c.highest = e.Highest + base;
        c.low = e.Low;
        c.high = e.High;
    }
    drawn_.push_back(c);
    return drawn_.back();
}
