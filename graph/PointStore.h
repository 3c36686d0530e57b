#pragma once
// TPointStore: the points of a series, used as a vector of TPoint2D, held in
// chunks of 16384 points. A live series drops points from its front: whole
// chunks are freed and nothing that stays is moved, and a growing series
// never copies what it holds (only the first chunk grows as a vector does,
// so a series of a few points costs what its points cost).
//
// Index i counts from the first point held. A point's position counts from
// the first point the store was filled with, dropped points included; the
// series' min/max index and gap list are kept by position, so they stay
// valid while points are appended and dropped. Generation() changes whenever
// the points are replaced otherwise (assigned, cleared, cut from the back).

#include "graph/Point2D.h"
#include "graph/Prefetch.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <initializer_list>
#include <iterator>
#include <memory>
#include <new>
#include <vector>

class TPointStore {
public:
    static constexpr int ChunkShift = 14;
    static constexpr int64_t ChunkSize = int64_t(1) << ChunkShift;

    template <class Store, class Point>
    class Iter {
    public:
        using iterator_category = std::random_access_iterator_tag;
        using value_type = TPoint2D;
        using difference_type = std::ptrdiff_t;
        using pointer = Point*;
        using reference = Point&;

        Iter() = default;
        Iter(Store* store, std::ptrdiff_t i) : store_(store), i_(i) {}
        reference operator*() const { return (*store_)[size_t(i_)]; }
        pointer operator->() const { return &(*store_)[size_t(i_)]; }
        reference operator[](difference_type n) const { return (*store_)[size_t(i_ + n)]; }
        Iter& operator++() { ++i_; return *this; }
        Iter operator++(int) { Iter t = *this; ++i_; return t; }
        Iter& operator--() { --i_; return *this; }
        Iter operator--(int) { Iter t = *this; --i_; return t; }
        Iter& operator+=(difference_type n) { i_ += n; return *this; }
        Iter& operator-=(difference_type n) { i_ -= n; return *this; }
        friend Iter operator+(Iter a, difference_type n) { return a += n; }
        friend Iter operator+(difference_type n, Iter a) { return a += n; }
        friend Iter operator-(Iter a, difference_type n) { return a -= n; }
        friend difference_type operator-(const Iter& a, const Iter& b) { return a.i_ - b.i_; }
        friend bool operator==(const Iter& a, const Iter& b) { return a.i_ == b.i_; }
        friend auto operator<=>(const Iter& a, const Iter& b) { return a.i_ <=> b.i_; }

    private:
        Store* store_ = nullptr;
        std::ptrdiff_t i_ = 0;
    };
    using iterator = Iter<TPointStore, TPoint2D>;
    using const_iterator = Iter<const TPointStore, const TPoint2D>;
    using value_type = TPoint2D;

    TPointStore() = default;
    TPointStore(std::initializer_list<TPoint2D> points) { Assign(points.begin(), points.size()); }
    TPointStore(const std::vector<TPoint2D>& points) { Assign(points.data(), points.size()); }
    TPointStore(const TPointStore& other) { *this = other; }
    TPointStore(TPointStore&& other) noexcept { *this = std::move(other); }
    TPointStore& operator=(const TPointStore& other);
    TPointStore& operator=(TPointStore&& other) noexcept;
    TPointStore& operator=(std::initializer_list<TPoint2D> points);
    TPointStore& operator=(const std::vector<TPoint2D>& points);

    size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    TPoint2D& operator[](size_t i) { return At(first_ + int64_t(i)); }
    const TPoint2D& operator[](size_t i) const { return At(first_ + int64_t(i)); }
    TPoint2D& front() { return (*this)[0]; }
    const TPoint2D& front() const { return (*this)[0]; }
    TPoint2D& back() { return (*this)[size_ - 1]; }
    const TPoint2D& back() const { return (*this)[size_ - 1]; }
    iterator begin() { return {this, 0}; }
    iterator end() { return {this, std::ptrdiff_t(size_)}; }
    const_iterator begin() const { return {this, 0}; }
    const_iterator end() const { return {this, std::ptrdiff_t(size_)}; }

    void push_back(const TPoint2D& p)
    {
        const int64_t a = first_ + int64_t(size_);
        if (a == allocatedEnd_)
            Grow();
        new (&At(a)) TPoint2D(p);
        ++size_;
    }
    // Appends n points, a chunk's run at a time.
    void Append(const TPoint2D* points, size_t n);
    void reserve(size_t n);
    void resize(size_t n);
    void clear();

    // Drops the first n points (all, when fewer are held).
    void DropFront(size_t n);
    int64_t FirstPosition() const { return first_; }
    int64_t EndPosition() const { return first_ + int64_t(size_); }
    const TPoint2D& AtPosition(int64_t position) const { return At(position); }
    // The point at a position and the points after it in the same chunk:
    // positions of one block of 32 (aligned) always lie in one chunk.
    const TPoint2D* Run(int64_t position) const { return &At(position); }
    uint64_t Generation() const { return generation_; }
    // Asks the memory for the points at positions [from, to), those held,
    // ahead of their reads (see TColumnCache::PrefetchAhead).
    void Prefetch(int64_t from, int64_t to) const
    {
        from = std::max(from, first_);
        to = std::min(to, EndPosition());
        for (int64_t a = from; a < to; a += 4) // 64-byte lines: each step reaches the next
            PrefetchLine(&At(a));
        if (from < to)
            PrefetchLine(&At(to - 1));
    }
    // Bytes held for points, held or allocated ahead.
    size_t Bytes() const;

private:
    // Chunks are raw storage: a point is constructed when it is written, so a
    // new chunk is not filled first (TPoint2D's initialisers would zero it)
    // and only written points are ever read.
    struct FreeChunk {
        void operator()(TPoint2D* p) const { std::free(p); }
    };
    using Chunk = std::unique_ptr<TPoint2D[], FreeChunk>;
    static Chunk NewChunk(int64_t points);

    TPoint2D& At(int64_t a) const { return chunks_[size_t((a >> ChunkShift) - chunkBase_)][size_t(a & (ChunkSize - 1))]; }
    void Grow();
    void GrowFirst(int64_t capacity);
    void Assign(const TPoint2D* points, size_t n);
    void FreeChunksFrom(size_t slot);

    std::vector<Chunk> chunks_; // slot k: chunk number chunkBase_ + k (null once dropped)
    int64_t chunkBase_ = 0;
    size_t deadSlots_ = 0;     // freed slots at the front of chunks_
    int64_t allocatedEnd_ = 0; // position past the last allocated point
    int64_t first_ = 0;
    size_t size_ = 0;
    uint64_t generation_ = 0;
};
