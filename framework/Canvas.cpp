#include "framework/Canvas.h"

#include "framework/Bitmap.h"
#include "framework/PenRaster.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <cstring>
#include <vector>

using namespace PenRaster;

TCanvas::TCanvas(QImage* image) : image_(image) {}

bool TCanvas::Visible(int x, int y) const
{
    if (x < 0 || y < 0 || x >= image_->width() || y >= image_->height())
        return false;
    return InClip(x, y);
}

QRect TCanvas::Drawable() const
{
    const QRect all = image_->rect();
    if (!clipped_)
        return all;
    return all.intersected(QRect(QPoint(clipLeft_, clipTop_), QPoint(clipRight_, clipBottom_)));
}

bool TCanvas::Misses(const QRect& box) const
{
    return clipped_ && !box.intersects(Drawable());
}

uint8_t TCanvas::BrushRow(int y) const
{
    if (Brush.Style == bsSolid)
        return 0xFF;
    if (Brush.Style == bsClear)
        return 0;
    return kHatches[size_t(Brush.Style) - size_t(bsHorizontal)][size_t(y & 7)];
}

void TCanvas::HLineBrush(int x0, int x1, int y)
{
    const QRect drawable = Drawable();
    if (Brush.Style == bsClear || y < drawable.top() || y > drawable.bottom())
        return;
    const uint32_t px = ColorToPixel(Brush.Color);
    const uint8_t hatch = BrushRow(y);
    auto* line = reinterpret_cast<uint32_t*>(image_->scanLine(y));
    x0 = std::max(x0, drawable.left());
    x1 = std::min(x1, drawable.right());
    for (int x = x0; x <= x1; ++x)
        if (HatchHas(hatch, x) && (clipIsRect_ || InClip(x, y)))
            line[x] = px;
}

void TCanvas::DrawLine1(QPoint from, QPoint to, bool includeEnd)
{
    // The walk plots one pixel per step along the longer axis; the dash
    // pattern runs on over every one of them, drawn or clipped.
    const int steps = std::max(std::abs(to.x() - from.x()), std::abs(to.y() - from.y())) + (includeEnd ? 1 : 0);
    if (Misses(Span(from, to))) {
        dashPos_ += steps;
        return;
    }
    const uint32_t px = ColorToPixel(Pen.Color);
    if (from.x() == to.x() || from.y() == to.y())
        DrawStraightRun(from, to, steps, px);
    else
        DrawSlantedLine(from, to, includeEnd, px);
    dashPos_ += steps;
}

void TCanvas::DrawSlantedLine(QPoint from, QPoint to, bool includeEnd, uint32_t px)
{
    const TPenMode mode = Pen.Mode;
    uchar* bits = image_->bits();
    const qsizetype stride = image_->bytesPerLine();
    const QRect d = Drawable();
    TDashWalker dash(Pen.Style, dashPos_);
    RasterLine(from, to, includeEnd, [&](int x, int y) {
        if (!dash.Next() || x < d.left() || x > d.right() || y < d.top() || y > d.bottom())
            return;
        if (!clipIsRect_ && !InClip(x, y))
            return;
        auto* p = reinterpret_cast<uint32_t*>(bits + y * stride) + x;
        *p = mode == pmCopy ? px : Rop2(mode, *p, px);
    });
}

// Grid lines and frames: a straight run, walked over its drawable part a dash
// or gap at a time.
void TCanvas::DrawStraightRun(QPoint from, QPoint to, int steps, uint32_t px)
{
    const int sx = (to.x() > from.x()) - (to.x() < from.x());
    const int sy = (to.y() > from.y()) - (to.y() < from.y());
    const QRect d = Drawable();
    int first = 0, last = steps - 1;
    // Narrows [first, last] to the steps i with lo <= start + i * step <= hi.
    const auto keep = [&](int start, int step, int lo, int hi) {
        if (step == 0) {
            if (start < lo || start > hi)
                last = -1;
            return;
        }
        first = std::max(first, step > 0 ? lo - start : start - hi);
        last = std::min(last, step > 0 ? hi - start : start - lo);
    };
    keep(from.x(), sx, d.left(), d.right());
    keep(from.y(), sy, d.top(), d.bottom());
    if (first > last)
        return;
    const TPenMode mode = Pen.Mode;
    const qsizetype stride = image_->bytesPerLine() / qsizetype(sizeof(uint32_t));
    auto* p = reinterpret_cast<uint32_t*>(image_->bits()) + (from.y() + first * sy) * stride + from.x() + first * sx;
    const qsizetype advance = sx + sy * stride;
    TDashWalker dash(Pen.Style, dashPos_ + first);
    int x = from.x() + first * sx, y = from.y() + first * sy;
    for (int i = first; i <= last;) {
        const int run = std::min(dash.RunLeft(), last - i + 1);
        if (dash.RunOn()) {
            for (int k = 0; k < run; ++k, p += advance)
                if (clipIsRect_ || InClip(x + k * sx, y + k * sy))
                    *p = mode == pmCopy ? px : Rop2(mode, *p, px);
        } else {
            p += run * advance;
        }
        x += run * sx;
        y += run * sy;
        i += run;
        dash.Advance(run);
    }
}

void TCanvas::SetupPainterClip(QPainter& p) const
{
    if (clipped_)
        p.setClipRegion(clip_);
}

void TCanvas::DrawWideLine(QPoint from, QPoint to)
{
    const int reach = Pen.Width;
    if (Misses(Span(from, to).adjusted(-reach, -reach, reach, reach)))
        return;
    QPainter p(image_);
    SetupPainterClip(p);
    QPen pen(ColorToQColor(Pen.Color), Pen.Width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    if (Pen.Mode == pmXor)
        p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    else if (Pen.Mode == pmNotXor)
        p.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
    else if (Pen.Mode == pmNot)
        p.setCompositionMode(QPainter::RasterOp_NotDestination);
    p.drawLine(from, to);
}

void TCanvas::LineTo(int x, int y)
{
    const QPoint to(x, y);
    if (Pen.Style != psClear) {
        dashPos_ = 0;
        if (Pen.Width <= 1)
            DrawLine1(PenPos, to, false);
        else
            DrawWideLine(PenPos, to);
    }
    PenPos = to;
}

void TCanvas::Polyline(const QVector<QPoint>& points)
{
    if (points.isEmpty())
        return;
    dashPos_ = 0;
    for (qsizetype i = 1; i < points.size(); ++i) {
        if (Pen.Style == psClear)
            continue;
        if (Pen.Width <= 1)
            DrawLine1(points[i - 1], points[i], false);
        else
            DrawWideLine(points[i - 1], points[i]);
    }
}

// Fills the pixels set in the mask (box-relative) with the brush, or the pen when asked.
void TCanvas::FillMask(const QImage& mask, QPoint origin, bool usePen)
{
    const QRect area = QRect(origin, mask.size()).intersected(Drawable());
    if (area.isEmpty())
        return;
    const uint32_t px = ColorToPixel(usePen ? Pen.Color : Brush.Color);
    const bool copy = !usePen || Pen.Mode == pmCopy;
    uchar* bits = image_->bits();
    const qsizetype stride = image_->bytesPerLine();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const uchar* m = mask.constScanLine(y - origin.y());
        auto* line = reinterpret_cast<uint32_t*>(bits + y * stride);
        const auto fill = [&](int x) {
            if (m[x - origin.x()] != 1 || (!clipIsRect_ && !InClip(x, y)))
                return;
            line[x] = copy ? px : Rop2(Pen.Mode, line[x], px);
        };
        const uint8_t hatch = usePen ? 0xFF : BrushRow(y);
        if (hatch == 0xFF) {
            for (int x = area.left(); x <= area.right(); ++x)
                fill(x);
            continue;
        }
        // A hatch sets one or two pixels in eight: visit just those.
        int set[8], count = 0;
        for (int bit = 0; bit < 8; ++bit)
            if (HatchHas(hatch, bit))
                set[count++] = bit;
        for (int base = area.left() & ~7; base <= area.right(); base += 8)
            for (int k = 0; k < count; ++k)
                if (const int x = base + set[k]; x >= area.left() && x <= area.right())
                    fill(x);
    }
}

void TCanvas::StampMask(const QImage& mask, QPoint origin, uint32_t px)
{
    const QRect area = QRect(origin, mask.size()).intersected(Drawable());
    if (area.isEmpty())
        return;
    uchar* bits = image_->bits();
    const qsizetype stride = image_->bytesPerLine();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const uchar* m = mask.constScanLine(y - origin.y());
        auto* line = reinterpret_cast<uint32_t*>(bits + y * stride);
        for (int x = area.left(); x <= area.right(); ++x)
            if (m[x - origin.x()] == 1 && (clipIsRect_ || InClip(x, y)))
                line[x] = px;
    }
}

void TCanvas::Rectangle(int left, int top, int right, int bottom)
{
    if (right < left)
        std::swap(left, right);
    if (bottom < top)
        std::swap(top, bottom);
    if (right == left || bottom == top)
        return;
    if (Pen.Style == psClear) {
        FillRect(TRect(left, top, right, bottom));
        return;
    }
    if (Pen.Width > 1) {
        const int w = Pen.Width;
        FillRect(TRect(left + w / 2, top + w / 2, right - w / 2, bottom - w / 2));
        QPainter p(image_);
        SetupPainterClip(p);
        p.setPen(QPen(ColorToQColor(Pen.Color), w, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        p.setBrush(Qt::NoBrush);
        const qreal inset = w / 2.0;
        p.drawRect(QRectF(left + inset, top + inset, right - left - 2 * inset, bottom - top - 2 * inset));
        return;
    }
    FillRect(TRect(left + 1, top + 1, right - 1, bottom - 1));
    dashPos_ = 0;
    const int r = right - 1, b = bottom - 1;
    if (r == left || b == top) {
        DrawLine1(QPoint(left, top), QPoint(r, b), true);
        return;
    }
    DrawLine1(QPoint(left, top), QPoint(r, top), false);
    DrawLine1(QPoint(r, top), QPoint(r, b), false);
    DrawLine1(QPoint(r, b), QPoint(left, b), false);
    DrawLine1(QPoint(left, b), QPoint(left, top), false);
}

void TCanvas::Ellipse(int left, int top, int right, int bottom)
{
    if (right < left)
        std::swap(left, right);
    if (bottom < top)
        std::swap(top, bottom);
    if (right - left < 1 || bottom - top < 1)
        return;
    const QRect box(left, top, right - left, bottom - top);
    QImage fill = MaskImage(box);
    QImage outline = MaskImage(box);
    const QRect local(0, 0, box.width() - 1, box.height() - 1);
    {
        QPainter p(&fill);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(1, 1, 1));
        p.drawEllipse(local.adjusted(0, 0, 1, 1));
    }
    if (Pen.Style != psClear) {
        QPainter p(&outline);
        p.setPen(QPen(QColor(1, 1, 1), std::max(1, Pen.Width)));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(local);
        // The inside is what the outline leaves of the filled shape.
        const int fw = fill.width(), fh = fill.height();
        for (int y = 0; y < fh; ++y) {
            uchar* f = fill.scanLine(y);
            const uchar* o = outline.constScanLine(y);
            for (int x = 0; x < fw; ++x)
                if (o[x])
                    f[x] = 0;
        }
    }
    FillMask(fill, box.topLeft(), false);
    if (Pen.Style != psClear)
        FillMask(outline, box.topLeft(), true);
}

void TCanvas::Polygon(const QVector<QPoint>& points)
{
    if (points.size() < 2)
        return;
    const QRect box = QPolygon(points).boundingRect().adjusted(0, 0, 1, 1);
    const int reach = Pen.Width;
    if (Misses(box.adjusted(-reach, -reach, reach, reach)))
        return;
    QImage fill = MaskImage(box);
    {
        QPainter p(&fill);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(1, 1, 1));
        p.translate(-box.topLeft());
        p.drawPolygon(QPolygon(points), Qt::OddEvenFill);
    }
    // A solid copying outline covers every pixel it marks, so only a dashed
    // or mixing one needs the fill to leave them alone.
    const bool outlineCovers = Pen.Style == psSolid && Pen.Mode == pmCopy;
    if (Pen.Style != psClear && Pen.Width <= 1 && !outlineCovers) {
        QImage outline = MaskImage(box);
        const auto mark = [&](int x, int y) {
            const int mx = x - box.left(), my = y - box.top();
            if (mx >= 0 && my >= 0 && mx < outline.width() && my < outline.height())
                outline.scanLine(my)[mx] = 1;
        };
        for (qsizetype i = 0; i < points.size(); ++i)
            RasterLine(points[i], points[(i + 1) % points.size()], false, mark);
        const int fw = fill.width(), fh = fill.height();
        for (int y = 0; y < fh; ++y) {
            uchar* f = fill.scanLine(y);
            const uchar* o = outline.constScanLine(y);
            for (int x = 0; x < fw; ++x)
                f[x] &= uchar(o[x] ^ 1); // both masks hold 0 or 1
        }
    }
    FillMask(fill, box.topLeft(), false);
    if (Pen.Style == psClear)
        return;
    if (Pen.Width <= 1) {
        dashPos_ = 0;
        for (qsizetype i = 0; i < points.size(); ++i)
            DrawLine1(points[i], points[(i + 1) % points.size()], false);
    } else {
        for (qsizetype i = 0; i < points.size(); ++i)
            DrawWideLine(points[i], points[(i + 1) % points.size()]);
    }
}

void TCanvas::FillRect(const TRect& r)
{
    if (Brush.Style == bsClear)
        return;
    const QRect area = r.ToQRect().intersected(Drawable());
    if (area.isEmpty())
        return;
    if ((!clipped_ || clipIsRect_) && Brush.Style == bsSolid) {
        const uint32_t px = ColorToPixel(Brush.Color);
        uchar* bits = image_->bits();
        const qsizetype stride = image_->bytesPerLine();
        for (int y = area.top(); y <= area.bottom(); ++y) {
            auto* line = reinterpret_cast<uint32_t*>(bits + y * stride);
            std::fill(line + area.left(), line + area.right() + 1, px);
        }
        return;
    }
    for (int y = area.top(); y <= area.bottom(); ++y)
        HLineBrush(area.left(), area.right(), y);
}

void TCanvas::FrameRect(const TRect& r)
{
    if (r.IsEmpty())
        return;
    const TBrushStyle keep = Brush.Style;
    Brush.Style = bsSolid;
    FillRect(TRect(r.Left, r.Top, r.Right, r.Top + 1));
    FillRect(TRect(r.Left, r.Bottom - 1, r.Right, r.Bottom));
    FillRect(TRect(r.Left, r.Top + 1, r.Left + 1, r.Bottom - 1));
    FillRect(TRect(r.Right - 1, r.Top + 1, r.Right, r.Bottom - 1));
    Brush.Style = keep;
}

void TCanvas::FloodFill(int x, int y, TColor color, TFillStyle style)
{
    if (!Visible(x, y) || Brush.Style == bsClear)
        return;
    const int w = image_->width(), h = image_->height();
    const uint32_t key = ColorToPixel(color) & kRgbMask;
    const auto pixelAt = [&](int px, int py) {
        return reinterpret_cast<const uint32_t*>(image_->constScanLine(py))[px] & kRgbMask;
    };
    const auto inside = [&](int px, int py) {
        const bool same = pixelAt(px, py) == key;
        return (style == fsSurface ? same : !same) && Visible(px, py);
    };
    if (!inside(x, y))
        return;
    const std::vector<uint8_t> seen = FloodArea(w, h, QPoint(x, y), inside);
    const uint32_t px = ColorToPixel(Brush.Color);
    for (int py = 0; py < h; ++py) {
        auto* line = reinterpret_cast<uint32_t*>(image_->scanLine(py));
        for (int pxl = 0; pxl < w; ++pxl)
            if (seen[size_t(py) * w + pxl] && BrushPixel(pxl, py))
                line[pxl] = px;
    }
}

void TCanvas::TextOut(int x, int y, const QString& text)
{
    if (text.isEmpty())
        return;
    const int width = Font.TextWidth(text);
    if (Font.Orientation() == 0) {
        // Glyphs may overhang their cell by part of a character.
        const int overhang = Font.TextHeight();
        if (Misses(QRect(x - overhang, y - overhang, width + 2 * overhang, 3 * overhang))) {
            PenPos = QPoint(x + width, y);
            return;
        }
    }
    if (Font.Orientation() == 0) {
        // Upright text is stamped from its ink mask: the same pixels as the
        // painter draws, without shaping the text again on every paint.
        if (Brush.Style == bsSolid)
            FillRect(TRect(x, y, x + width, y + Font.TextHeight()));
        const TFont::Ink& ink = Font.TextInk(text);
        StampMask(ink.mask, QPoint(x, y) + ink.offset, ColorToPixel(Font.Color()));
        PenPos = QPoint(x + width, y);
        return;
    }
    const QFont font = Font.ToQFont();
    QPainter p(image_);
    SetupPainterClip(p);
    p.setRenderHint(QPainter::TextAntialiasing, false);
    p.translate(x, y);
    p.rotate(-Font.Orientation() / 10.0);
    if (Brush.Style == bsSolid)
        p.fillRect(QRect(0, 0, width, Font.TextHeight()), ColorToQColor(Brush.Color));
    p.setFont(font);
    p.setPen(ColorToQColor(Font.Color()));
    p.drawText(QPoint(0, Font.Ascent()), text);
    PenPos = QPoint(x + width, y);
}

void TCanvas::TextRect(const TRect& r, int x, int y, const QString& text)
{
    const QRect area = r.ToQRect();
    if (area.isEmpty())
        return;
    const bool hadClip = clipped_;
    const QRegion oldClip = clip_;
    const QRegion limited = clipped_ ? clip_.intersected(area) : QRegion(area);
    if (Brush.Style == bsSolid)
        FillRect(r);
    SetClipRegion(limited);
    const TBrushStyle keep = Brush.Style;
    Brush.Style = bsClear; // the rectangle is already filled
    TextOut(x, y, text);
    Brush.Style = keep;
    if (hadClip)
        SetClipRegion(oldClip);
    else
        ClearClip();
}

int TCanvas::TextWidth(const QString& text) const { return Font.TextWidth(text); }

int TCanvas::TextHeight(const QString& text) const { return TextExtent(text).height(); }

QSize TCanvas::TextExtent(const QString& text) const
{
    return QSize(Font.TextWidth(text), Font.TextHeight());
}

void TCanvas::PaintImage(const QImage& img, const QRect& dest, bool transparent, uint32_t transparentPx)
{
    const QRect area = dest.intersected(Drawable());
    if (area.isEmpty())
        return;
    uchar* bits = image_->bits();
    const qsizetype stride = image_->bytesPerLine();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const auto* src = reinterpret_cast<const uint32_t*>(img.constScanLine(y - dest.top()));
        const int from = dest.left();
        auto* line = reinterpret_cast<uint32_t*>(bits + y * stride);
        if (!transparent && clipIsRect_) {
            // Labels' and symbols' backgrounds: a plain copy of the row.
            for (int x = area.left(); x <= area.right(); ++x)
                line[x] = src[x - from] | 0xFF000000u;
            continue;
        }
        for (int x = area.left(); x <= area.right(); ++x) {
            const uint32_t s = src[x - from] | 0xFF000000u;
            if (transparent && (s & kRgbMask) == (transparentPx & kRgbMask))
                continue;
            if (!InClip(x, y))
                continue;
            line[x] = s;
        }
    }
}

void TCanvas::Draw(int x, int y, const TBitmap& bitmap)
{
    if (bitmap.Empty())
        return;
    const QImage& src = bitmap.Image();
    PaintImage(src, QRect(x, y, src.width(), src.height()), bitmap.Transparent,
               ColorToPixel(bitmap.TransparentColor()));
}

void TCanvas::StretchDraw(const TRect& r, const TBitmap& bitmap)
{
    if (bitmap.Empty() || r.IsEmpty())
        return;
    const QImage& src = bitmap.Image();
    const QImage scaled = (src.width() == r.Width() && src.height() == r.Height())
                              ? src
                              : src.scaled(r.Width(), r.Height(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    PaintImage(scaled.convertToFormat(QImage::Format_RGB32), r.ToQRect(), bitmap.Transparent,
               ColorToPixel(bitmap.TransparentColor()));
}

void TCanvas::CopyRect(const TRect& dest, const TCanvas& source, const TRect& sourceRect)
{
    if (dest.IsEmpty() || sourceRect.IsEmpty() || Misses(dest.ToQRect()))
        return;
    // Pixels outside the source image read as black, as an off-canvas copy does.
    QImage part(sourceRect.Width(), sourceRect.Height(), QImage::Format_RGB32);
    part.fill(Qt::black);
    const QImage& from = source.Image();
    const QRect inside = sourceRect.ToQRect().intersected(from.rect());
    if (from.format() == QImage::Format_RGB32) {
        // Rows copied straight: a painter per copy costs more than the copy.
        for (int y = inside.top(); y <= inside.bottom(); ++y)
            std::memcpy(part.scanLine(y - sourceRect.Top) + (inside.left() - sourceRect.Left) * 4,
                        from.constScanLine(y) + inside.left() * 4, size_t(inside.width()) * 4);
    } else if (!inside.isEmpty()) {
        QPainter p(&part);
        p.drawImage(inside.topLeft() - QPoint(sourceRect.Left, sourceRect.Top), from, inside);
    }
    if (part.size() != QSize(dest.Width(), dest.Height()))
        part = part.scaled(dest.Width(), dest.Height(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    PaintImage(part, dest.ToQRect(), false, 0);
}

TColor TCanvas::Pixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= image_->width() || y >= image_->height())
        return clNone;
    return PixelToColor(reinterpret_cast<const uint32_t*>(image_->constScanLine(y))[x]);
}

void TCanvas::SetPixel(int x, int y, TColor color)
{
    if (!Visible(x, y))
        return;
    reinterpret_cast<uint32_t*>(image_->scanLine(y))[x] = ColorToPixel(color);
}

void TCanvas::SetClipRect(const TRect& r) { SetClipRegion(QRegion(r.ToQRect())); }

void TCanvas::SetClipRegion(const QRegion& region)
{
    clip_ = region;
    clipped_ = true;
    const QRect bounds = region.boundingRect();
    clipLeft_ = bounds.left();
    clipTop_ = bounds.top();
    clipRight_ = bounds.isEmpty() ? bounds.left() - 1 : bounds.right();
    clipBottom_ = bounds.isEmpty() ? bounds.top() - 1 : bounds.bottom();
    clipIsRect_ = region.rectCount() <= 1;
}

void TCanvas::ClearClip()
{
    clip_ = QRegion();
    clipped_ = false;
}

QRegion TCanvas::ClipRegion() const { return clipped_ ? clip_ : QRegion(image_->rect()); }
