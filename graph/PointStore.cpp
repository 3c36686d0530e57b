#include "graph/PointStore.h"

#include "framework/PageMemory.h"

#include <algorithm>
#include <cstring>
#include <new>

TPointStore& TPointStore::operator=(const TPointStore& other)
{
    if (this == &other)
        return *this;
    clear();
    reserve(other.size());
    for (int64_t a = other.first_; a < other.EndPosition(); ++a)
        push_back(other.At(a));
    return *this;
}

TPointStore& TPointStore::operator=(TPointStore&& other) noexcept
{
    if (this == &other)
        return *this;
    const uint64_t generation = generation_ + 1;
    chunks_ = std::move(other.chunks_);
    chunkBase_ = other.chunkBase_;
    deadSlots_ = other.deadSlots_;
    allocatedEnd_ = other.allocatedEnd_;
    first_ = other.first_;
    size_ = other.size_;
    generation_ = std::max(generation, other.generation_ + 1);
    other.chunks_.clear();
    other.chunkBase_ = other.allocatedEnd_ = other.first_ = 0;
    other.deadSlots_ = other.size_ = 0;
    ++other.generation_;
    return *this;
}

TPointStore& TPointStore::operator=(std::initializer_list<TPoint2D> points)
{
    Assign(points.begin(), points.size());
    return *this;
}

TPointStore& TPointStore::operator=(const std::vector<TPoint2D>& points)
{
    Assign(points.data(), points.size());
    return *this;
}

void TPointStore::Assign(const TPoint2D* points, size_t n)
{
    clear();
    Append(points, n);
}

void TPointStore::Append(const TPoint2D* points, size_t n)
{
    reserve(size_ + n);
    while (n > 0) {
        const int64_t a = EndPosition();
        if (a == allocatedEnd_)
            Grow();
        const size_t run = std::min(n, size_t(allocatedEnd_ - a));
        // TPoint2D is trivially copyable: copying its bytes creates the points.
        std::memcpy(static_cast<void*>(&At(a)), points, run * sizeof(TPoint2D));
        size_ += run;
        points += run;
        n -= run;
    }
}

// A whole chunk is filled next: its pages are made present at once. The
// first chunk, while it grows, is small.
TPointStore::Chunk TPointStore::NewChunk(int64_t points)
{
    const size_t bytes = size_t(points) * sizeof(TPoint2D);
    if (points == ChunkSize)
        return Chunk(static_cast<TPoint2D*>(PageMemory::AllocateWritable(bytes)));
    void* p = std::malloc(bytes);
    if (!p)
        throw std::bad_alloc();
    return Chunk(static_cast<TPoint2D*>(p));
}

// The first chunk grows by doubling up to a whole chunk; after it, every
// chunk is allocated whole.
void TPointStore::Grow()
{
    if (allocatedEnd_ < ChunkSize) {
        GrowFirst(std::min(ChunkSize, std::max<int64_t>(32, allocatedEnd_ * 2)));
        return;
    }
    chunks_.push_back(NewChunk(ChunkSize));
    allocatedEnd_ += ChunkSize;
}

void TPointStore::GrowFirst(int64_t capacity)
{
    Chunk grown = NewChunk(capacity);
    if (!chunks_.empty())
        std::memcpy(static_cast<void*>(grown.get()), chunks_[0].get(), size_t(EndPosition()) * sizeof(TPoint2D));
    chunks_.resize(1);
    chunks_[0] = std::move(grown);
    allocatedEnd_ = capacity;
}

void TPointStore::reserve(size_t n)
{
    const int64_t want = first_ + int64_t(n);
    if (allocatedEnd_ < ChunkSize && want > allocatedEnd_)
        GrowFirst(std::min(ChunkSize, std::max<int64_t>(32, want)));
    chunks_.reserve(size_t((want >> ChunkShift) - chunkBase_ + 1));
}

void TPointStore::resize(size_t n)
{
    if (n == 0) {
        clear();
        return;
    }
    if (n >= size_) {
        reserve(n);
        while (size_ < n)
            push_back(TPoint2D{});
        return;
    }
    size_ = n;
    ++generation_;
    const int64_t end = EndPosition();
    // Keep the chunk the end lies in (and the growing first chunk).
    const int64_t keepSlots = end <= 0 ? 0 : ((end - 1) >> ChunkShift) - chunkBase_ + 1;
    if (allocatedEnd_ > ChunkSize && keepSlots < int64_t(chunks_.size()))
        FreeChunksFrom(size_t(std::max<int64_t>(keepSlots, 1)));
}

void TPointStore::FreeChunksFrom(size_t slot)
{
    if (slot >= chunks_.size())
        return;
    chunks_.resize(slot);
    allocatedEnd_ = (chunkBase_ + int64_t(slot)) << ChunkShift;
}

void TPointStore::clear()
{
    chunks_.clear();
    chunkBase_ = allocatedEnd_ = first_ = 0;
    deadSlots_ = size_ = 0;
    ++generation_;
}

void TPointStore::DropFront(size_t n)
{
    n = std::min(n, size_);
    first_ += int64_t(n);
    size_ -= n;
    // A chunk goes once every position it covers lies before the first point.
    const int64_t deadChunks = first_ >> ChunkShift; // chunk numbers below this are wholly dropped
    while (chunkBase_ + int64_t(deadSlots_) < deadChunks && deadSlots_ < chunks_.size())
        chunks_[deadSlots_++].reset();
    if (deadSlots_ >= 16 && deadSlots_ * 2 >= chunks_.size()) {
        chunks_.erase(chunks_.begin(), chunks_.begin() + std::ptrdiff_t(deadSlots_));
        chunkBase_ += int64_t(deadSlots_);
        deadSlots_ = 0;
    }
}

size_t TPointStore::Bytes() const
{
    const int64_t firstAllocated = (chunkBase_ + int64_t(deadSlots_)) << ChunkShift;
    return size_t(std::max<int64_t>(0, allocatedEnd_ - firstAllocated)) * sizeof(TPoint2D)
        + chunks_.capacity() * sizeof(chunks_[0]);
}
