#include "widgets/LCD99Shapes.h"

#include "framework/Bitmap.h"

namespace {

constexpr TColor kBlank = clWhite;
constexpr TColor kInk = clBlack;

void UseInk(TCanvas& c)
{
    c.Pen.Color = kInk;
    c.Pen.Width = 1;
    c.Pen.Style = psSolid;
    c.Pen.Mode = pmCopy;
    c.Brush.Color = kInk;
    c.Brush.Style = bsSolid;
}

} // namespace

TLCD99Shapes::TLCD99Shapes(const TLCD99Options& options) : options_(options), geometry_(options)
{
    if (!geometry_.Valid())
        return;
    const int n = geometry_.DigitNum();
    segments_.resize(qsizetype(n) * 8);
    bars_.resize(qsizetype(n) * 8);
    points_.resize(n);
    TBitmap mask(options.Width, options.Height);
    mask.Canvas().Brush.Color = kBlank;
    mask.Canvas().FillRect(TRect(0, 0, options.Width, options.Height));
    for (int j = 1; j <= n; ++j) {
        const int x0 = geometry_.CellLeft(j);
        const TRect point = geometry_.Point(x0);
        if (!point.IsEmpty())
            points_[j - 1] = geometry_.Dots() ? TraceEllipses(mask, {point}) : TraceRect(point);
        segments_[Index(j, 8)] = TraceEllipses(mask, {geometry_.ColonDot(x0, 0), geometry_.ColonDot(x0, 1)});
        for (int position = 1; position <= 7; ++position) {
            if (!geometry_.Dots()) {
                segments_[Index(j, position)] = TracePolygon(mask, geometry_.Segment(x0, position));
                continue;
            }
            const int d = geometry_.DotSize();
            for (const QPoint& p : geometry_.BarDots(x0, position))
                bars_[Index(j, position)] << TraceEllipses(mask, {TRect(p.x(), p.y(), p.x() + d, p.y() + d)});
        }
    }
}

// Draws one shape on the blank mask, reads back the pixels it covered within
// box and blanks them again.
template <class Draw>
TLCD99Shapes::TShape TLCD99Shapes::Trace(TBitmap& mask, const QRect& box, Draw draw)
{
    TCanvas& c = mask.Canvas();
    UseInk(c);
    draw(c);
    TShape shape;
    const QRect area = box.intersected(QRect(0, 0, mask.Width(), mask.Height()));
    const uint32_t blank = ColorToPixel(kBlank);
    for (int y = area.top(); y <= area.bottom(); ++y) {
        auto* line = reinterpret_cast<uint32_t*>(mask.Image().scanLine(y));
        int x = area.left();
        while (x <= area.right()) {
            if (line[x] == blank) {
                ++x;
                continue;
            }
            const int start = x;
            while (x <= area.right() && line[x] != blank)
                line[x++] = blank;
            shape.push_back({y, start, x - 1});
        }
    }
    return shape;
}

TLCD99Shapes::TShape TLCD99Shapes::TracePolygon(TBitmap& mask, const QVector<QPoint>& polygon)
{
    const QRect box = QPolygon(polygon).boundingRect();
    return Trace(mask, box, [&](TCanvas& c) { c.Polygon(polygon); });
}

TLCD99Shapes::TShape TLCD99Shapes::TraceEllipses(TBitmap& mask, std::initializer_list<TRect> boxes)
{
    QRect box;
    for (const TRect& r : boxes)
        box |= QRect(QPoint(std::min(r.Left, r.Right), std::min(r.Top, r.Bottom)),
                     QPoint(std::max(r.Left, r.Right), std::max(r.Top, r.Bottom)));
    return Trace(mask, box, [&](TCanvas& c) {
        for (const TRect& r : boxes)
            c.Ellipse(r);
    });
}

// A filled square covers Left..Right-1 and Top..Bottom-1, as FillRect does.
TLCD99Shapes::TShape TLCD99Shapes::TraceRect(const TRect& r) const
{
    TShape shape;
    const QRect area = r.ToQRect().intersected(QRect(0, 0, options_.Width, options_.Height));
    for (int y = area.top(); y <= area.bottom(); ++y)
        shape.push_back({y, area.left(), area.right()});
    return shape;
}

void TLCD99Shapes::Fill(QImage& image, const TShape& shape, TColor color)
{
    const uint32_t px = ColorToPixel(color);
    const int w = image.width(), h = image.height();
    uchar* bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    for (const TSpan& s : shape) {
        if (s.y >= h || s.x0 >= w)
            continue;
        auto* line = reinterpret_cast<uint32_t*>(bits + s.y * stride);
        std::fill(line + s.x0, line + std::min(s.x1, w - 1) + 1, px);
    }
}
