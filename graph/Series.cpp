#include "graph/Series.h"

void TSeries::Invalidate() const
{
    index_.reset();
    gaps_.clear();
    gaps_.shrink_to_fit();
    gapsDivisor_ = 0;
    indexedSize_ = 0;
    indexedData_ = nullptr;
}

const TSeriesIndex& TSeries::Index() const
{
    if (Stale())
        Invalidate();
    if (!index_) {
        index_ = std::make_unique<TSeriesIndex>(Points);
        indexedSize_ = Points.size();
        indexedData_ = Points.data();
    }
    return *index_;
}

const std::vector<int64_t>& TSeries::Gaps(int divisor) const
{
    Index();
    if (gapsDivisor_ != divisor) {
        gaps_.clear();
        for (size_t i = 1; i < Points.size(); ++i)
            if (Bucket(Points[i].X, divisor) - Bucket(Points[i - 1].X, divisor) > 1)
                gaps_.push_back(int64_t(i));
        gapsDivisor_ = divisor;
    }
    return gaps_;
}

size_t TSeries::CacheBytes() const
{
    return (index_ ? index_->Bytes() : 0) + gaps_.capacity() * sizeof(int64_t);
}
