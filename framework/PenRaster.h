#pragma once
// The pixel rules under TCanvas: raster operations of the pen modes, dash
// patterns of one-pixel pens and their walk, the hatch patterns, Bresenham
// lines, coverage masks and the flood-fill area. Inline: they run per pixel.

#include "framework/Types.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <array>
#include <cstdint>
#include <limits>
#include <vector>

namespace PenRaster {

inline constexpr uint32_t kRgbMask = 0x00FFFFFF;

inline uint32_t Rop2(TPenMode mode, uint32_t dst, uint32_t pen)
{
    const uint32_t d = dst & kRgbMask;
    const uint32_t p = pen & kRgbMask;
    uint32_t r = 0;
    switch (mode) {
    case pmBlack: r = 0; break;
    case pmWhite: r = kRgbMask; break;
    case pmNop: r = d; break;
    case pmNot: r = ~d; break;
    case pmCopy: r = p; break;
    case pmNotCopy: r = ~p; break;
    case pmMergePenNot: r = p | ~d; break;
    case pmMaskPenNot: r = p & ~d; break;
    case pmMergeNotPen: r = ~p | d; break;
    case pmMaskNotPen: r = ~p & d; break;
    case pmMerge: r = p | d; break;
    case pmNotMerge: r = ~(p | d); break;
    case pmMask: r = p & d; break;
    case pmNotMask: r = ~(p & d); break;
    case pmXor: r = p ^ d; break;
    case pmNotXor: r = ~(p ^ d); break;
    }
    return 0xFF000000u | (r & kRgbMask);
}

// Dash patterns of one-pixel pens: on, off, on, off ...
inline const std::vector<int>& DashPattern(TPenStyle style)
{
    static const std::vector<int> solid;
    static const std::vector<int> dash{18, 6};
    static const std::vector<int> dot{3, 3};
    static const std::vector<int> dashDot{9, 6, 3, 6};
    static const std::vector<int> dashDotDot{9, 3, 3, 3, 3, 3};
    switch (style) {
    case psDash: return dash;
    case psDot: return dot;
    case psDashDot: return dashDot;
    case psDashDotDot: return dashDotDot;
    default: return solid;
    }
}

// Walks a dash pattern, pixel by pixel or a dash or gap at a time.
class TDashWalker {
public:
    TDashWalker(TPenStyle style, int start)
    {
        const std::vector<int>& pattern = DashPattern(style);
        pattern_ = pattern.data();
        size_ = pattern.size();
        if (size_ == 0)
            return;
        int total = 0;
        for (int v : pattern)
            total += v;
        int at = start % total;
        while (at >= pattern_[index_]) {
            at -= pattern_[index_];
            index_ = (index_ + 1) % size_;
        }
        left_ = pattern_[index_] - at;
    }
    // Whether the current pixel is drawn; then moves to the next one.
    bool Next()
    {
        const bool on = RunOn();
        Advance(1);
        return on;
    }
    // The pixels left in the current dash or gap, and whether they are drawn.
    int RunLeft() const { return size_ == 0 ? std::numeric_limits<int>::max() : left_; }
    bool RunOn() const { return index_ % 2 == 0; }
    // Moves on by n pixels, at most RunLeft().
    void Advance(int n)
    {
        if (size_ == 0)
            return;
        left_ -= n;
        if (left_ == 0) {
            if (++index_ == size_)
                index_ = 0;
            left_ = pattern_[index_];
        }
    }

private:
    const int* pattern_ = nullptr;
    size_t size_ = 0;
    size_t index_ = 0;
    int left_ = 0;
};

// 8 x 8 hatch patterns, bit 7 is the leftmost pixel of a row.
inline constexpr std::array<std::array<uint8_t, 8>, 6> kHatches{{
    {0x00, 0x00, 0x00, 0x00, 0xFF, 0x00, 0x00, 0x00}, // horizontal
    {0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08}, // vertical
    {0x80, 0x40, 0x20, 0x10, 0x08, 0x04, 0x02, 0x01}, // forward diagonal
    {0x01, 0x02, 0x04, 0x08, 0x10, 0x20, 0x40, 0x80}, // backward diagonal
    {0x08, 0x08, 0x08, 0x08, 0xFF, 0x08, 0x08, 0x08}, // cross
    {0x81, 0x42, 0x24, 0x18, 0x18, 0x24, 0x42, 0x81}, // diagonal cross
}};

// Bresenham from a to b; the end point is plotted only when asked.
template <class Plot>
void RasterLine(QPoint a, QPoint b, bool includeEnd, Plot plot)
{
    int x = a.x(), y = a.y();
    const int dx = std::abs(b.x() - x), dy = -std::abs(b.y() - y);
    const int sx = x < b.x() ? 1 : -1, sy = y < b.y() ? 1 : -1;
    int err = dx + dy;
    while (true) {
        const bool atEnd = x == b.x() && y == b.y();
        if (atEnd) {
            if (includeEnd)
                plot(x, y);
            return;
        }
        plot(x, y);
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
}

// The pixels from a to b span, both included. (QRect::normalized leaves a
// rectangle one pixel wide the wrong way round as an empty one.)
inline QRect Span(QPoint a, QPoint b)
{
    return QRect(QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
                 QPoint(std::max(a.x(), b.x()), std::max(a.y(), b.y())));
}

inline QImage MaskImage(const QRect& box)
{
    QImage mask(box.size(), QImage::Format_Grayscale8);
    mask.fill(0);
    return mask;
}


// The pixels of a w x h image reachable from start through pixels for which
// inside(x, y) holds, marked 1 row by row; found whole before anything is
// painted, so that a hatch brush cannot change what counts as inside.
template <class Inside>
std::vector<uint8_t> FloodArea(int w, int h, QPoint start, Inside inside)
{
    std::vector<uint8_t> seen(size_t(w) * size_t(h), 0);
    std::vector<QPoint> stack{start};
    while (!stack.empty()) {
        const QPoint s = stack.back();
        stack.pop_back();
        int x0 = s.x();
        const int sy = s.y();
        if (seen[size_t(sy) * w + x0] || !inside(x0, sy))
            continue;
        while (x0 > 0 && !seen[size_t(sy) * w + x0 - 1] && inside(x0 - 1, sy))
            --x0;
        int x1 = x0;
        while (x1 < w && !seen[size_t(sy) * w + x1] && inside(x1, sy)) {
            seen[size_t(sy) * w + x1] = 1;
            ++x1;
        }
        for (int ny : {sy - 1, sy + 1}) {
            if (ny < 0 || ny >= h)
                continue;
            for (int nx = x0; nx < x1; ++nx)
                if (!seen[size_t(ny) * w + nx] && inside(nx, ny))
                    stack.emplace_back(nx, ny);
        }
    }
    return seen;
}

} // namespace PenRaster
