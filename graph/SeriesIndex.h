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
#include <memory>
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

    // The extremes of a range so far (positions, see TPointStore), merged
    // left to right: on equal values the earlier position is kept.
    struct Accumulator {
        double low = 0, high = 0;
        int64_t lowest = -1, highest = -1;
        void Add(double lo, int64_t loAt, double hi, int64_t hiAt)
        {
            if (lowest < 0 || lo < low) {
                low = lo;
                lowest = loAt;
            }
            if (highest < 0 || hi > high) {
                high = hi;
                highest = hiAt;
            }
        }
        // Adds the points at positions [from, to): their values first, in a
        // loop without branches, then the position only of a value that
        // wins (the few points a kept pixel column gains, or the ragged ends
        // of a range).
        void Scan(const TPointStore& points, int64_t from, int64_t to);
    };

    TSeriesIndex() = default;
    explicit TSeriesIndex(const TPointStore& points) { Extend(points); }

    // Indexes the whole blocks appended since the last call.
    void Extend(const TPointStore& points);
    // Lets go of the blocks wholly dropped from the front.
    void Forget(const TPointStore& points);
    // Empties the index for a build anew, keeping its memory for that build
    // (a series whose points are changed in place is indexed again and
    // again); ReleaseSpare frees what the build did not take up.
    void Clear();
    void ReleaseSpare();
    // Extremes of points [first, last) (first < last, indices of the store).
    Extremes Range(const TPointStore& points, int64_t first, int64_t last) const;
    // The start of the run of points that ends [first, last) (indices of the
    // store) and whose Keys all satisfy `inside`: at least `first`, at most
    // `last`. `inside` must hold on an interval of Keys, so a block whose
    // lowest and highest Key satisfy it lies wholly in the run; such blocks
    // are passed over whole, the coarsest first.
    template <class Inside>
    int64_t TrailingRun(const TPointStore& points, int64_t first, int64_t last, Inside inside) const;
    // Asks the memory for the entries a Range over the positions [from,
    // to) reads, as far as they lie within the points held.
    void Prefetch(const TPointStore& points, int64_t from, int64_t to) const;
    size_t Bytes() const;

private:
    struct Entry {
        double Low, High;
        uint32_t Lowest; // offsets from the block's first position
        uint32_t Highest;
    };
    // The entries of one level, numbered by block, held in chunks of 256
    // (as the points are): appending never moves what is held, so no append
    // waits for a level to be copied, and dropping frees whole chunks at the
    // front. Only the first chunk grows, as a vector does, so a small series'
    // index costs what its entries cost.
    class Level {
    public:
        Level() = default;
        Level(Level&&) noexcept = default;
        Level& operator=(Level&&) noexcept = default;
        int64_t End() const { return end_; }
        const Entry& Block(int64_t b) const { return chunks_[size_t((b >> kShift) - chunkBase_)][b & kMask]; }
        void Push(const Entry& e)
        {
            if (end_ >= allocatedEnd_)
                Grow();
            chunks_[size_t((end_ >> kShift) - chunkBase_)][end_ & kMask] = e;
            ++end_;
        }
        // Continues at block b, which is at least End(); the blocks passed
        // over lie before the first point held and are never read.
        void SkipTo(int64_t b);
        // Lets go of the chunks whose blocks all lie below block `gone`.
        void Forget(int64_t gone);
        // Empties the level; its whole chunks are taken up again by Grow.
        void Clear();
        void ReleaseSpare() { spare_.clear(); }
        size_t Bytes() const;

    private:
        static constexpr int kShift = 8;
        static constexpr int64_t kChunk = int64_t(1) << kShift, kMask = kChunk - 1;
        void Grow();
        std::vector<std::unique_ptr<Entry[]>> chunks_; // slot k: chunk chunkBase_ + k (null once dropped)
        std::vector<std::unique_ptr<Entry[]>> spare_;  // whole chunks, kept by Clear
        int64_t chunkBase_ = 0;
        size_t deadSlots_ = 0;
        int64_t begin_ = 0;        // the first block written since the level (re)started
        int64_t end_ = 0;          // the block past the last one written
        int64_t allocatedEnd_ = 0; // the block past the last one with room
    };
    static int64_t BlockSize(size_t level);
    void ExtendBase(const TPointStore& points);
    void ExtendLevel(const TPointStore& points, size_t level);
    // Splits the positions [first, last) into the whole blocks of the
    // coarsest levels that fit and the ragged ends from the finer ones, in
    // order of position: blocks(entries, level, a, b) for the blocks [a, b)
    // of a level, points(from, to) for what no block of level 0 covers.
    template <class Blocks, class Points>
    void Split(int level, int64_t first, int64_t last, Blocks& blocks, Points& points) const;

    std::vector<Level> levels_;
};

template <class Inside>
int64_t TSeriesIndex::TrailingRun(const TPointStore& points, int64_t first, int64_t last, Inside inside) const
{
    const int64_t offset = points.FirstPosition(), begin = first + offset;
    int64_t p = last + offset; // [p, last) is known to be in the run
    while (p > begin) {
        bool passed = false;
        for (size_t level = levels_.size(); level-- > 0 && !passed;) {
            const int64_t size = BlockSize(level);
            if (p % size != 0 || p - size < begin || p / size > levels_[level].End())
                continue;
            const Entry& e = levels_[level].Block(p / size - 1);
            if (inside(e.Low) && inside(e.High)) {
                p -= size;
                passed = true;
            }
        }
        if (passed)
            continue;
        if (!inside(Key(points.AtPosition(p - 1).Y)))
            break;
        --p;
    }
    return p - offset;
}
