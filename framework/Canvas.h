#pragma once
// TCanvas: the drawing surface of a bitmap or control, with the pixel rules
// of the classic platform:
//  - LineTo paints its start pixel and stops one short of its end;
//  - Rectangle, Ellipse and FillRect cover Left..Right-1 and Top..Bottom-1;
//  - hatch brushes and clear brushes leave the background showing;
//  - text is drawn opaque on the brush colour while the brush is solid.
// Width-1 pens, fills and flood fills are rasterised here so that every pen
// mode (XOR included) touches each pixel exactly once; wider pens, text and
// image scaling go through QPainter.

#include "framework/Color.h"
#include "framework/Types.h"
#include "framework/Font.h"
#include "framework/Rect.h"

#include <QImage>
#include <QPolygon>
#include <QRegion>
#include <QString>
#include <QVector>

class TBitmap;


struct TPen {
    TColor Color = clBlack;
    int Width = 1;
    TPenStyle Style = psSolid;
    TPenMode Mode = pmCopy;
};

struct TBrush {
    TColor Color = clWhite;
    TBrushStyle Style = bsSolid;
};

class TCanvas {
public:
    explicit TCanvas(QImage* image);
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    TPen Pen;
    TBrush Brush;
    TFont Font;
    QPoint PenPos;

    QImage& Image() { return *image_; }
    const QImage& Image() const { return *image_; }
    int Width() const { return image_->width(); }
    int Height() const { return image_->height(); }

    // Lines
    void MoveTo(int x, int y) { PenPos = QPoint(x, y); }
    void LineTo(int x, int y);
    void Polyline(const QVector<QPoint>& points);

    // Shapes: outline with the pen, inside with the brush.
    void Rectangle(int left, int top, int right, int bottom);
    void Rectangle(const TRect& r) { Rectangle(r.Left, r.Top, r.Right, r.Bottom); }
    void Ellipse(int left, int top, int right, int bottom);
    void Ellipse(const TRect& r) { Ellipse(r.Left, r.Top, r.Right, r.Bottom); }
    void Polygon(const QVector<QPoint>& points);
    void FillRect(const TRect& r);
    void FrameRect(const TRect& r);
    void FloodFill(int x, int y, TColor color, TFillStyle style);

    // Text, positioned by its top-left cell corner; escapement from Font.Orientation.
    void TextOut(int x, int y, const QString& text);
    void TextRect(const TRect& r, int x, int y, const QString& text);
    int TextWidth(const QString& text) const;
    int TextHeight(const QString& text) const;
    QSize TextExtent(const QString& text) const;

    // Pictures
    void Draw(int x, int y, const TBitmap& bitmap);
    void StretchDraw(const TRect& r, const TBitmap& bitmap);
    void CopyRect(const TRect& dest, const TCanvas& source, const TRect& sourceRect);

    TColor Pixel(int x, int y) const;
    void SetPixel(int x, int y, TColor color);

    // Clipping: every operation is limited to the image and to the clip region.
    void SetClipRect(const TRect& r);
    void SetClipRegion(const QRegion& region);
    void ClearClip();
    bool HasClip() const { return clipped_; }
    QRegion ClipRegion() const;

private:
    bool Visible(int x, int y) const;
    // The image as far as the clip's bounds let drawing reach it.
    QRect Drawable() const;
    // True when nothing inside `box` can be drawn for the clip.
    bool Misses(const QRect& box) const;
    // Per-pixel clip test: the bounds first, the region only when it is not one rectangle.
    bool InClip(int x, int y) const
    {
        if (!clipped_)
            return true;
        if (x < clipLeft_ || x > clipRight_ || y < clipTop_ || y > clipBottom_)
            return false;
        return clipIsRect_ || clip_.contains(QPoint(x, y));
    }
    void HLineBrush(int x0, int x1, int y);
    bool BrushPixel(int x, int y) const { return HatchHas(BrushRow(y), x); }
    // The brush's pattern on row y, bit 7 the leftmost of each eight pixels:
    // all set for a solid brush, none for a clear one.
    uint8_t BrushRow(int y) const;
    static bool HatchHas(uint8_t row, int x) { return (row >> (7 - (x & 7))) & 1; }
    void DrawLine1(QPoint from, QPoint to, bool includeEnd);
    void DrawStraightRun(QPoint from, QPoint to, int steps, uint32_t px);
    void DrawSlantedLine(QPoint from, QPoint to, bool includeEnd, uint32_t px);
    void DrawWideLine(QPoint from, QPoint to);
    void FillMask(const QImage& mask, QPoint origin, bool usePen);
    // Sets the mask's pixels (1) to one colour, as text is drawn.
    void StampMask(const QImage& mask, QPoint origin, uint32_t px);
    void PaintImage(const QImage& img, const QRect& dest, bool transparent, uint32_t transparentPx);
    void SetupPainterClip(class QPainter& p) const;

    QImage* image_;
    bool clipped_ = false;
    QRegion clip_;
    int clipLeft_ = 0, clipTop_ = 0, clipRight_ = -1, clipBottom_ = -1;
    bool clipIsRect_ = true;
    int dashPos_ = 0; // position in the dash pattern, carried across joined segments
};
