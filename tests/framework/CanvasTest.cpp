#include "framework/Bitmap.h"
#include "framework/Canvas.h"

#include <QPainter>
#include <array>
#include <gtest/gtest.h>
#include <thread>

namespace {

struct Surface {
    TBitmap bmp;
    TCanvas& c;
    explicit Surface(int w = 10, int h = 10) : bmp(w, h), c(bmp.Canvas())
    {
        c.Brush.Color = clWhite;
        c.FillRect(TRect(0, 0, w, h));
    }
    TColor at(int x, int y) const { return bmp.Canvas().Pixel(x, y); }
    int count(TColor color) const
    {
        int n = 0;
        for (int y = 0; y < bmp.Height(); ++y)
            for (int x = 0; x < bmp.Width(); ++x)
                n += at(x, y) == color;
        return n;
    }
};

} // namespace

TEST(Canvas, LineToPaintsStartButNotEnd)
{
    Surface s;
    s.c.MoveTo(1, 1);
    s.c.LineTo(5, 1);
    EXPECT_EQ(s.at(1, 1), clBlack);
    EXPECT_EQ(s.at(4, 1), clBlack);
    EXPECT_EQ(s.at(5, 1), clWhite);
    EXPECT_EQ(s.c.PenPos, QPoint(5, 1));
    // Diagonal and backwards lines follow the same rule.
    s.c.MoveTo(8, 8);
    s.c.LineTo(5, 5);
    EXPECT_EQ(s.at(8, 8), clBlack);
    EXPECT_EQ(s.at(6, 6), clBlack);
    EXPECT_EQ(s.at(5, 5), clWhite);
}

TEST(Canvas, PolylineJoinsWithoutDoublePaintingCorners)
{
    Surface s;
    s.c.Pen.Mode = pmXor;
    s.c.Pen.Color = clWhite; // white XOR white gives black
    s.c.Polyline({QPoint(1, 1), QPoint(6, 1), QPoint(6, 6)});
    EXPECT_EQ(s.at(6, 1), clBlack) << "the corner is painted once, by the second segment";
    EXPECT_EQ(s.at(6, 6), clWhite);
    EXPECT_EQ(s.count(clBlack), 10);
}

TEST(Canvas, RectangleCoversLeftToRightMinusOne)
{
    Surface s;
    s.c.Brush.Color = clRed;
    s.c.Rectangle(1, 0, 4, 3);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 6; ++x) {
            const bool inside = x >= 1 && x <= 3 && y >= 0 && y <= 2;
            if (!inside) {
                EXPECT_EQ(s.at(x, y), clWhite) << x << "," << y;
                continue;
            }
            const bool border = x == 1 || x == 3 || y == 0 || y == 2;
            EXPECT_EQ(s.at(x, y), border ? clBlack : clRed) << x << "," << y;
        }
}

TEST(Canvas, FillRectAndFrameRectStayInsideTheRectangle)
{
    Surface s;
    s.c.Brush.Color = clBlue;
    s.c.FillRect(TRect(2, 2, 5, 4));
    EXPECT_EQ(s.count(clBlue), 6);
    EXPECT_EQ(s.at(4, 3), clBlue);
    EXPECT_EQ(s.at(5, 3), clWhite);
    s.c.Brush.Color = clRed;
    s.c.FrameRect(TRect(0, 6, 4, 10));
    EXPECT_EQ(s.count(clRed), 12);
    EXPECT_EQ(s.at(1, 7), clWhite);
}

TEST(Canvas, EllipseStaysInsideItsBox)
{
    Surface s(20, 20);
    s.c.Brush.Color = clLime;
    s.c.Ellipse(2, 3, 12, 9);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x)
            if (x < 2 || x > 11 || y < 3 || y > 8)
                EXPECT_EQ(s.at(x, y), clWhite) << x << "," << y;
    EXPECT_EQ(s.at(7, 6), clLime);
    EXPECT_EQ(s.at(2, 3), clWhite) << "corners of the box are outside the ellipse";
    EXPECT_GT(s.count(clBlack), 16);
}

TEST(Canvas, XorDrawnTwiceRestoresThePicture)
{
    Surface s(30, 30);
    s.c.Brush.Color = clYellow;
    s.c.FillRect(TRect(5, 5, 20, 20));
    const QImage before = s.bmp.Image().copy();
    s.c.Pen.Mode = pmXor;
    s.c.Pen.Color = clRed;
    s.c.Brush.Style = bsClear;
    for (int pass = 0; pass < 2; ++pass) {
        s.c.Rectangle(2, 2, 25, 25);
        s.c.MoveTo(0, 0);
        s.c.LineTo(29, 17);
        s.c.Polygon({QPoint(3, 3), QPoint(20, 8), QPoint(8, 22)});
        EXPECT_EQ(s.bmp.Image() == before, pass == 1);
    }
}

TEST(Canvas, NotXorAndNotModes)
{
    Surface s;
    s.c.Pen.Mode = pmNot;
    s.c.MoveTo(0, 0);
    s.c.LineTo(3, 0);
    EXPECT_EQ(s.at(0, 0), clBlack);
    s.c.Pen.Mode = pmNotXor;
    s.c.Pen.Color = clBlack;
    s.c.MoveTo(0, 0);
    s.c.LineTo(3, 0);
    EXPECT_EQ(s.at(0, 0), clWhite);
}

TEST(Canvas, DottedPenLeavesGaps)
{
    Surface s(20, 3);
    s.c.Pen.Style = psDot;
    s.c.MoveTo(0, 1);
    s.c.LineTo(20, 1);
    EXPECT_EQ(s.at(0, 1), clBlack);
    EXPECT_EQ(s.at(2, 1), clBlack);
    EXPECT_EQ(s.at(3, 1), clWhite);
    EXPECT_EQ(s.at(6, 1), clBlack);
    EXPECT_EQ(s.count(clBlack), 11) << "on 0-2, 6-8, 12-14, 18-19";
    s.c.Pen.Style = psClear;
    s.c.MoveTo(0, 0);
    s.c.LineTo(20, 0);
    EXPECT_EQ(s.count(clBlack), 11);
}

TEST(Canvas, SurfaceFloodFillStopsAtAnotherColour)
{
    Surface s;
    s.c.Brush.Style = bsClear;
    s.c.Rectangle(2, 2, 8, 8); // black frame, white inside
    s.c.Brush.Style = bsSolid;
    s.c.Brush.Color = clRed;
    s.c.FloodFill(4, 4, clWhite, fsSurface);
    EXPECT_EQ(s.at(4, 4), clRed);
    EXPECT_EQ(s.at(3, 3), clRed);
    EXPECT_EQ(s.at(2, 2), clBlack);
    EXPECT_EQ(s.at(0, 0), clWhite);
    EXPECT_EQ(s.count(clRed), 16);
    // A seed that does not have the surface colour fills nothing.
    s.c.Brush.Color = clBlue;
    s.c.FloodFill(0, 0, clGreen, fsSurface);
    EXPECT_EQ(s.count(clBlue), 0);
}

TEST(Canvas, BorderFloodFillStopsAtTheBorderColour)
{
    Surface s;
    s.c.Brush.Color = clYellow;
    s.c.FillRect(TRect(4, 4, 6, 6)); // an island of another colour inside
    s.c.Brush.Style = bsClear;
    s.c.Pen.Color = clBlue;
    s.c.Rectangle(2, 2, 8, 8);
    s.c.Brush.Style = bsSolid;
    s.c.Brush.Color = clRed;
    s.c.FloodFill(3, 3, clBlue, fsBorder);
    EXPECT_EQ(s.at(4, 4), clRed) << "a border fill covers every colour but the border";
    EXPECT_EQ(s.at(2, 2), clBlue);
    EXPECT_EQ(s.at(0, 0), clWhite);
    EXPECT_EQ(s.count(clRed), 16);
}

TEST(Canvas, HatchBrushLeavesTheBackground)
{
    Surface s(16, 16);
    s.c.Brush.Color = clRed;
    s.c.Brush.Style = bsHorizontal;
    s.c.FillRect(TRect(0, 0, 16, 16));
    EXPECT_EQ(s.count(clRed), 32);
    EXPECT_EQ(s.at(0, 4), clRed);
    EXPECT_EQ(s.at(0, 5), clWhite);
    s.c.Brush.Style = bsBDiagonal;
    s.c.Brush.Color = clBlue;
    s.c.FillRect(TRect(0, 0, 8, 8));
    EXPECT_EQ(s.count(clBlue), 8);
    s.c.Brush.Style = bsDiagCross;
    s.c.Brush.Color = clLime;
    s.c.FillRect(TRect(8, 8, 16, 16));
    EXPECT_EQ(s.count(clLime), 16);
}

TEST(Canvas, TransparentDrawLeavesTransparentPixelsUntouched)
{
    TBitmap sprite(4, 4);
    sprite.Canvas().Brush.Color = clFuchsia;
    sprite.Canvas().FillRect(TRect(0, 0, 4, 4));
    sprite.Canvas().SetPixel(1, 1, clGreen);
    Surface s;
    s.c.Draw(2, 2, sprite);
    EXPECT_EQ(s.count(clFuchsia), 15);
    Surface t;
    sprite.Transparent = true; // automatic: the bottom-left pixel
    EXPECT_EQ(sprite.TransparentColor(), clFuchsia);
    t.c.Draw(2, 2, sprite);
    EXPECT_EQ(t.count(clFuchsia), 0);
    EXPECT_EQ(t.at(3, 3), clGreen);
    sprite.SetTransparentColor(clGreen);
    Surface u;
    u.c.Draw(2, 2, sprite);
    EXPECT_EQ(u.at(3, 3), clWhite);
    EXPECT_EQ(u.count(clFuchsia), 15);
}

TEST(Canvas, StretchDrawAndCopyRectScale)
{
    TBitmap src(2, 2);
    src.Canvas().SetPixel(0, 0, clRed);
    src.Canvas().SetPixel(1, 0, clBlue);
    src.Canvas().SetPixel(0, 1, clBlue);
    src.Canvas().SetPixel(1, 1, clRed);
    Surface s;
    s.c.StretchDraw(TRect(0, 0, 4, 4), src);
    EXPECT_EQ(s.at(1, 1), clRed);
    EXPECT_EQ(s.at(2, 1), clBlue);
    EXPECT_EQ(s.at(3, 3), clRed);
    EXPECT_EQ(s.at(4, 4), clWhite);
    Surface t;
    t.c.CopyRect(TRect(5, 5, 7, 7), s.c, TRect(2, 0, 4, 2));
    EXPECT_EQ(t.at(5, 5), clBlue);
    EXPECT_EQ(t.at(6, 6), clBlue);
    EXPECT_EQ(t.at(7, 7), clWhite);
}

TEST(Canvas, ClippingLimitsEveryOperation)
{
    Surface s;
    s.c.SetClipRect(TRect(2, 2, 5, 5));
    s.c.Brush.Color = clRed;
    s.c.FillRect(TRect(0, 0, 10, 10));
    s.c.MoveTo(0, 7);
    s.c.LineTo(10, 7);
    EXPECT_EQ(s.count(clRed), 9);
    EXPECT_EQ(s.count(clBlack), 0);
    s.c.SetClipRegion(QRegion(0, 0, 2, 2) + QRegion(8, 8, 2, 2));
    s.c.Brush.Color = clBlue;
    s.c.FillRect(TRect(0, 0, 10, 10));
    EXPECT_EQ(s.count(clBlue), 8);
    // Lines one pixel long against the axes' direction still reach the clip.
    s.c.SetClipRect(TRect(3, 3, 4, 4));
    s.c.Pen.Color = clLime;
    s.c.MoveTo(3, 3);
    s.c.LineTo(2, 3);
    s.c.Pen.Color = clAqua;
    s.c.MoveTo(3, 3);
    s.c.LineTo(3, 2);
    EXPECT_EQ(s.at(3, 3), clAqua);
    s.c.ClearClip();
    s.c.SetPixel(9, 0, clGreen);
    EXPECT_EQ(s.at(9, 0), clGreen);
}

TEST(Canvas, OutOfRangeAccessIsHarmless)
{
    Surface s;
    s.c.SetPixel(-1, 3, clRed);
    s.c.SetPixel(10, 3, clRed);
    EXPECT_EQ(s.at(-1, 0), clNone);
    s.c.MoveTo(-50, -50);
    s.c.LineTo(60, 60);
    s.c.FloodFill(100, 100, clWhite, fsSurface);
    s.c.Brush.Color = clGreen;
    s.c.Rectangle(-5, -5, 50, 50);
    EXPECT_EQ(s.count(clRed), 0);
    EXPECT_EQ(s.count(clGreen), 100) << "only the inside of the huge rectangle is visible";
}

TEST(Canvas, TextIsOpaqueOnSolidBrushAndTransparentOnClear)
{
    Surface s(60, 20);
    s.c.Font.SetName(QStringLiteral("Arial"));
    s.c.Font.SetHeight(-13);
    s.c.Font.SetColor(clBlack);
    s.c.Brush.Color = clYellow;
    const QSize ext = s.c.TextExtent(QStringLiteral("Hi"));
    EXPECT_GT(ext.width(), 5);
    EXPECT_GE(ext.height(), 13);
    EXPECT_EQ(s.c.TextWidth(QStringLiteral("Hi")), ext.width());
    s.c.TextOut(0, 0, QStringLiteral("Hi"));
    EXPECT_EQ(s.at(ext.width() - 1, ext.height() - 1), clYellow) << "cell background in the brush colour";
    EXPECT_GT(s.count(clBlack), 5) << "glyph pixels drawn in the font colour";
    EXPECT_EQ(s.at(ext.width() + 1, 0), clWhite);
    Surface t(60, 20);
    t.c.Brush.Style = bsClear;
    t.c.TextOut(0, 0, QStringLiteral("Hi"));
    EXPECT_EQ(t.count(clYellow), 0);
    EXPECT_GT(t.count(clBlack), 5);
}

TEST(Canvas, DefaultFontHasThirteenPixelLines)
{
    Surface s;
    EXPECT_EQ(s.c.TextHeight(QStringLiteral("Ag")), 13);
    s.c.Font.SetSize(8);
    EXPECT_EQ(s.c.Font.Height(), -11);
    EXPECT_EQ(s.c.Font.Size(), 8);
}

TEST(Canvas, RotatedTextRunsUpwards)
{
    Surface s(30, 60);
    s.c.Brush.Style = bsClear;
    s.c.Font.SetHeight(-13);
    s.c.Font.SetOrientation(900);
    s.c.TextOut(5, 55, QStringLiteral("WWWW"));
    int top = 60, bottom = -1, left = 30, right = -1;
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 30; ++x)
            if (s.at(x, y) == clBlack) {
                top = std::min(top, y);
                bottom = std::max(bottom, y);
                left = std::min(left, x);
                right = std::max(right, x);
            }
    EXPECT_GT(bottom - top, right - left) << "text at 90 degrees is taller than wide";
    EXPECT_LE(bottom, 55);
    EXPECT_LE(right, 5 + 14);
}

TEST(Canvas, TextRectClipsToItsRectangle)
{
    Surface s(60, 20);
    s.c.Brush.Color = clAqua;
    s.c.TextRect(TRect(0, 0, 10, 20), 0, 0, QStringLiteral("WWWWWW"));
    for (int y = 0; y < 20; ++y)
        for (int x = 10; x < 60; ++x)
            ASSERT_EQ(s.at(x, y), clWhite) << x << "," << y;
    EXPECT_EQ(s.at(9, 19), clAqua) << "the whole rectangle is filled while the brush is solid";
}

// Upright text is stamped from a kept mask of its ink; it must give exactly
// the pixels the painter draws, also clipped and over a coloured background.
TEST(Canvas, StampedTextEqualsThePaintersText)
{
    struct Face {
        const char* name;
        int height;
        TFontStyles style;
    };
    const Face faces[] = {{"Arial", -13, {}}, {"Arial", -11, fsBold}, {"MS Sans Serif", -11, fsItalic},
                          {"Courier New", -12, fsUnderline}};
    const QString texts[] = {QStringLiteral("20.3 \u00B0C"), QStringLiteral("Wgfj|"), QStringLiteral("100 %")};
    for (const Face& face : faces)
        for (const QString& text : texts)
            for (const bool solid : {false, true}) {
                TBitmap stamped(90, 40);
                stamped.Canvas().Brush.Color = clAqua;
                stamped.Canvas().FillRect(TRect(0, 0, 90, 40));
                QImage painted = stamped.Image().copy();
                TCanvas& c = stamped.Canvas();
                c.Font.SetName(QString::fromLatin1(face.name));
                c.Font.SetHeight(face.height);
                c.Font.SetStyle(face.style);
                c.Font.SetColor(clMaroon);
                c.Brush.Color = clYellow;
                c.Brush.Style = solid ? bsSolid : bsClear;
                c.SetClipRect(TRect(12, 0, 70, 22)); // cuts through the glyphs
                c.TextOut(9, 7, text);
                c.TextOut(30, 20, text); // a second time: from the kept mask

                QPainter p(&painted);
                p.setClipRect(QRect(12, 0, 58, 22));
                p.setRenderHint(QPainter::TextAntialiasing, false);
                p.setFont(c.Font.ToQFont());
                p.setPen(ColorToQColor(clMaroon));
                for (const QPoint at : {QPoint(9, 7), QPoint(30, 20)}) {
                    if (solid)
                        p.fillRect(QRect(at, QSize(c.TextWidth(text), c.Font.TextHeight())), ColorToQColor(clYellow));
                    p.drawText(at + QPoint(0, c.Font.Ascent()), text);
                }
                p.end();
                EXPECT_EQ(stamped.Image(), painted) << face.name << " " << text.toStdString() << " solid " << solid;
            }
}

// A dotted polyline keeps its pattern running over segments the clip hides.
TEST(Canvas, ClippedSegmentsKeepTheDashPatternRunning)
{
    const QVector<QPoint> path{{0, 2}, {13, 2}, {13, 30}, {2, 30}};
    Surface whole(40, 40), clipped(40, 40);
    for (Surface* s : {&whole, &clipped}) {
        s->c.Pen.Style = psDot;
        s->c.Pen.Color = clBlack;
    }
    clipped.c.SetClipRect(TRect(0, 20, 40, 40)); // hides the first segment whole
    whole.c.Polyline(path);
    clipped.c.Polyline(path);
    int dots = 0;
    for (int y = 20; y < 40; ++y)
        for (int x = 0; x < 40; ++x) {
            EXPECT_EQ(clipped.at(x, y), whole.at(x, y)) << x << "," << y;
            dots += whole.at(x, y) == clBlack;
        }
    EXPECT_GT(dots, 0);
}

// Dashed straight lines in every direction, cut by a rectangle and by a
// region of two rectangles, leave inside the clip just what the whole line
// leaves there: the pattern's phase survives the part skipped before the clip.
TEST(Canvas, ClippedStraightDashesMatchTheWholeLine)
{
    const QLine lines[] = {{3, 5, 36, 5}, {36, 9, 3, 9}, {7, 2, 7, 37}, {11, 37, 11, 2}};
    const QRegion clips[] = {QRegion(9, 0, 13, 40), QRegion(0, 4, 40, 11) + QRegion(0, 30, 10, 5),
                             QRegion(5, 6, 4, 4) + QRegion(20, 0, 6, 40)};
    for (const TPenStyle style : {psDot, psDash, psDashDot, psDashDotDot})
        for (const QRegion& clip : clips) {
            Surface whole(40, 40), clipped(40, 40);
            for (Surface* s : {&whole, &clipped}) {
                s->c.Pen.Style = style;
                s->c.Pen.Color = clBlack;
            }
            clipped.c.SetClipRegion(clip);
            for (const QLine& l : lines)
                for (Surface* s : {&whole, &clipped}) {
                    s->c.MoveTo(l.x1(), l.y1());
                    s->c.LineTo(l.x2(), l.y2());
                }
            for (int y = 0; y < 40; ++y)
                for (int x = 0; x < 40; ++x)
                    ASSERT_EQ(clipped.at(x, y), clip.contains(QPoint(x, y)) ? whole.at(x, y) : clWhite)
                        << "style " << int(style) << " at " << x << "," << y;
        }
}

// Every hatch sets exactly its pattern's pixels inside the shape and the
// clip, whether it fills a rectangle or a polygon's mask, for shapes that
// start and end at any column of the eight-pixel pattern.
TEST(Canvas, HatchedFillsSetExactlyThePatternInsideShapeAndClip)
{
    const std::array<uint8_t, 8> rows[] = {{0, 0, 0, 0, 0xFF, 0, 0, 0},
                                           {0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08},
                                           {0x80, 0x40, 0x20, 0x10, 0x08, 0x04, 0x02, 0x01},
                                           {0x01, 0x02, 0x04, 0x08, 0x10, 0x20, 0x40, 0x80},
                                           {0x08, 0x08, 0x08, 0x08, 0xFF, 0x08, 0x08, 0x08},
                                           {0x81, 0x42, 0x24, 0x18, 0x18, 0x24, 0x42, 0x81}};
    const TBrushStyle styles[] = {bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross};
    const QRect shape(3, 5, 27, 19); // right and bottom edges off the pattern's grid
    const QRegion clips[] = {QRegion(0, 0, 40, 40), QRegion(6, 0, 11, 40) + QRegion(0, 15, 40, 3)};
    for (size_t i = 0; i < std::size(styles); ++i)
        for (const QRegion& clip : clips)
            for (const bool polygon : {false, true}) {
                Surface s(40, 40);
                s.c.SetClipRegion(clip);
                s.c.Brush.Style = styles[i];
                s.c.Brush.Color = clRed;
                s.c.Pen.Style = psClear;
                const TRect r(shape.left(), shape.top(), shape.right() + 1, shape.bottom() + 1);
                if (polygon)
                    s.c.Polygon({QPoint(r.Left, r.Top), QPoint(r.Right, r.Top), QPoint(r.Right, r.Bottom),
                                 QPoint(r.Left, r.Bottom)});
                else
                    s.c.FillRect(r);
                for (int y = 0; y < 40; ++y)
                    for (int x = 0; x < 40; ++x) {
                        const bool set = shape.contains(x, y) && clip.contains(QPoint(x, y)) &&
                                         ((rows[i][size_t(y & 7)] >> (7 - (x & 7))) & 1);
                        ASSERT_EQ(s.at(x, y), set ? clRed : clWhite)
                            << "style " << int(styles[i]) << (polygon ? " polygon" : " rect") << " at " << x << "," << y;
                    }
            }
}

// A font measured on one thread and then on others that come and go finds its
// texts again on each without reaching into a store that has gone.
TEST(Canvas, FontMeasuresAlikeOnThreadsThatComeAndGo)
{
    TFont font;
    font.SetName(QStringLiteral("Arial"));
    const QString text = QStringLiteral("20.3 \u00B0C");
    const int width = font.TextWidth(text);
    EXPECT_GT(width, 0);
    for (int round = 0; round < 3; ++round) {
        int there = 0;
        std::thread([&] { there = font.TextWidth(text); }).join();
        EXPECT_EQ(there, width);
    }
    font.SetColor(clRed); // no new face: the same widths
    EXPECT_EQ(font.TextWidth(text), width);
    font.SetStyle(fsBold);
    EXPECT_NE(font.TextWidth(text), width);
}
