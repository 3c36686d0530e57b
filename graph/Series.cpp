#include "graph/Series.h"

#include <algorithm>
#include <limits>

bool TSeries::Append(const TPoint2D& p)
{
    if (!(p.X == p.X) || (!Points.empty() && p.X < Points.back().X))
        return false;
    Points.push_back(p);
    // Indexing each block as it fills keeps the index current at a bounded
    // cost per point, instead of a catch-up at the next paint.
    if (Points.EndPosition() % TSeriesIndex::BaseBlock == 0 && IndexCurrent())
        index_->Extend(Points);
    if (RetainCount > 0 || RetainSpan > 0)
        Retain();
    return true;
}

bool TSeries::Append(const TPoint2D* points, size_t count)
{
    double previous = Points.empty() ? -std::numeric_limits<double>::infinity() : Points.back().X;
    for (size_t i = 0; i < count; ++i) {
        if (!(points[i].X >= previous))
            return false; // also NaN
        previous = points[i].X;
    }
    Points.Append(points, count);
    if (IndexCurrent())
        index_->Extend(Points);
    Retain();
    return true;
}

void TSeries::Retain()
{
    size_t drop = RetainCount > 0 && Points.size() > RetainCount ? Points.size() - RetainCount : 0;
    if (RetainSpan > 0 && !Points.empty()) {
        const double from = Points.back().X - RetainSpan;
        while (drop < Points.size() && Points[drop].X < from)
            ++drop;
    }
    if (drop > 0)
        DropFront(drop);
}

void TSeries::DropFront(size_t n)
{
    Points.DropFront(n);
    if (IndexCurrent())
        index_->Forget(Points);
}

void TSeries::Invalidate() const
{
    if (index_)
        index_->Clear(); // its memory is taken up again by the next build
    indexBuilt_ = false;
    columns_.Clear();
    gaps_.clear();
    gaps_.shrink_to_fit();
    gapsDead_ = 0;
    gapsScanned_ = 0;
    gapsDivisor_ = 0;
}

const TSeriesIndex& TSeries::Index() const
{
    if (indexBuilt_ && indexedGeneration_ != Points.Generation())
        Invalidate();
    if (!index_)
        index_ = std::make_unique<TSeriesIndex>();
    index_->Forget(Points);
    index_->Extend(Points);
    if (!indexBuilt_) {
        index_->ReleaseSpare();
        indexBuilt_ = true;
        indexedGeneration_ = Points.Generation();
    }
    return *index_;
}

std::span<const int64_t> TSeries::Gaps(int divisor) const
{
    if (gapsDivisor_ != divisor || gapsGeneration_ != Points.Generation()) {
        gaps_.clear();
        gapsDead_ = 0;
        gapsScanned_ = 0;
        gapsDivisor_ = divisor;
        gapsGeneration_ = Points.Generation();
    }
    const int64_t first = Points.FirstPosition(), end = Points.EndPosition();
    for (int64_t p = std::max(gapsScanned_, first + 1); p < end; ++p)
        if (Bucket(Points.AtPosition(p).X, divisor) - Bucket(Points.AtPosition(p - 1).X, divisor) > 1)
            gaps_.push_back(p);
    gapsScanned_ = std::max(gapsScanned_, end);
    while (gapsDead_ < gaps_.size() && gaps_[gapsDead_] <= first)
        ++gapsDead_;
    if (gapsDead_ >= 64 && gapsDead_ * 2 >= gaps_.size()) {
        gaps_.erase(gaps_.begin(), gaps_.begin() + std::ptrdiff_t(gapsDead_));
        gapsDead_ = 0;
    }
    return std::span<const int64_t>(gaps_).subspan(gapsDead_);
}

size_t TSeries::CacheBytes() const
{
    return (index_ ? index_->Bytes() : 0) + columns_.Bytes() + gaps_.capacity() * sizeof(int64_t);
}
