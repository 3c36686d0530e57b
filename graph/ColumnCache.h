#pragma once
// TColumnCache: the first lowest and highest point of every pixel column a
// series was drawn with last, by position (see TPointStore), for its next
// drawing. While a live graph follows the newest point its view moves by a
// fraction of a column a frame: a column then keeps most of its points and
// its extremes are the kept ones, compared with the few points it gained,
// unless an extreme was among the few it lost; only such columns, and all
// of them after a jump or a zoom, ask the index. The answer is the index's
// own (the first lowest and the first highest point, in its order of
// values), so a picture drawn with the cache is the picture drawn without.
//
// Positions stay valid while points are appended and dropped; the cache
// empties itself when the store is filled anew (its Generation), and the
// series empties it when its points are changed in place.

#include "graph/PointStore.h"
#include "graph/SeriesIndex.h"

#include <cstddef>
#include <cstdint>
#include <vector>

class TColumnCache {
public:
    struct Column {
        int64_t start = 0, end = 0;      // positions [start, end)
        int64_t lowest = 0, highest = 0; // positions
        double low = 0, high = 0;        // their values as the index compares them
    };

    // Begins a drawing: the columns of the last one become those to reuse.
    void Begin(const TPointStore& points);
    // Where the column starting at `start` probably ends: as far from its
    // start as the kept column holding that position reached; -1 if none.
    int64_t GuessEnd(int64_t start);
    // While the view moves by less than a column: asks the memory for what
    // a column a few ahead of the last guessed one will read (the points
    // around its end, and the index's entries if it lost an extreme), so
    // that the reads of several columns, far apart in a large series,
    // overlap instead of waiting one after another.
    void PrefetchAhead(const TPointStore& points, const TSeriesIndex* index) const;
    // The extremes of the points at positions [start, end), kept for the
    // next drawing. Within a drawing, columns come in ascending order.
    const Column& Extremes(const TPointStore& points, const TSeriesIndex& index, int64_t start, int64_t end);
    void Clear();
    size_t Bytes() const;

private:
    const Column* KeptAround(int64_t position);
    static bool Reuse(const TPointStore& points, const Column& kept, Column& c);

    std::vector<Column> kept_, drawn_;
    size_t guessCursor_ = 0, keptCursor_ = 0;
    int64_t drift_ = 0; // how far the columns moved since the last drawing, in positions
    uint64_t generation_ = 0;
};
