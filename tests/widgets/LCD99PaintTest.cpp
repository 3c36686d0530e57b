// The seven-segment display's geometry and pixels: cells, segment polygons,
// colon and decimal points of the demo's displays, the dot-matrix look and
// sizes that leave no room for a cell.

#include "widgets/LCD99.h"
#include "widgets/LCD99Geometry.h"
#include "widgets/LCD99Text.h"

#include "LCD99Probe.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace {

const TColor kFace = ColorToRGB(clBtnFace);

// LCD991 of the main window.
void MakeDemoDisplay(TLCD99& lcd)
{
    lcd.SetBounds(168, 48, 121, 84);
    lcd.SetDigitNum(3);
    lcd.SetSegmentSize(9);
    lcd.SetOnColor(clBlack);
    lcd.SetOffColor(clBtnFace);
    lcd.SetColor(clBtnFace);
    lcd.SetAnimation(TLCD99::anDown);
    lcd.SetValue("23.9");
}


// Checks every segment position of a cell against the character table.
void ExpectCell(const QImage& image, const TLCD99Geometry& g, int cell, QChar ch, TColor on, TColor off)
{
    for (int p = 1; p <= 8; ++p) {
        const QPoint at = Probe(g, cell, p);
        EXPECT_EQ(PixelColor(image, at.x(), at.y()), TLCD99Text::Lit(ch, p) ? on : off)
            << "cell " << cell << " '" << ch.toLatin1() << "' position " << p;
    }
}

TColor PointColor(const QImage& image, const TLCD99Geometry& g, int cell)
{
    const TRect r = g.Point(g.CellLeft(cell));
    return PixelColor(image, r.Left + r.Width() / 2, r.Top + r.Height() / 2);
}

int CountOf(const QImage& image, TColor color)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += PixelColor(image, x, y) == color;
    return n;
}

} // namespace

TEST(LCD99Geometry, DemoDisplayCells)
{
    const TLCD99Geometry g(TLCD99Options{121, 84, 3, 5, 9, 2, 2, false, 2});
    ASSERT_TRUE(g.Valid());
    EXPECT_EQ(g.Spacing(), 6);
    EXPECT_EQ(g.CellHeight(), 83);
    EXPECT_EQ(g.CellWidth(), 32);
    EXPECT_EQ(g.HorizontalLength(), 28);
    EXPECT_EQ(g.VerticalLength(), 37);
    EXPECT_EQ(g.CellLeft(1), 6);
    EXPECT_EQ(g.CellLeft(2), 44);
    EXPECT_EQ(g.CellLeft(3), 82);
}

TEST(LCD99Geometry, DemoDisplaySegmentShapes)
{
    const TLCD99Geometry g(TLCD99Options{121, 84, 3, 5, 9, 2, 2, false, 2});
    using P = QVector<QPoint>;
    EXPECT_EQ(g.Segment(6, 1), P({{8, 2}, {12, 0}, {32, 0}, {36, 2}, {27, 9}, {17, 9}, {8, 2}}));
    EXPECT_EQ(g.Segment(6, 2), P({{8, 2}, {6, 6}, {6, 35}, {8, 39}, {15, 30}, {15, 11}, {8, 2}}));
    // Negative thickness: drawn to the left, the tip rounds -2.25 to -2.
    EXPECT_EQ(g.Segment(6, 3), P({{36, 2}, {38, 6}, {38, 35}, {36, 39}, {29, 30}, {29, 11}, {36, 2}}));
    // The middle bar's tip: 4.5 rounds to even, 4.
    EXPECT_EQ(g.Segment(6, 4), P({{8, 41}, {17, 37}, {27, 37}, {36, 41}, {27, 46}, {17, 46}, {8, 41}}));
    EXPECT_EQ(g.Segment(6, 5), P({{8, 43}, {6, 47}, {6, 76}, {8, 80}, {15, 71}, {15, 52}, {8, 43}}));
    EXPECT_EQ(g.Segment(6, 7), P({{8, 81}, {12, 83}, {32, 83}, {36, 81}, {27, 74}, {17, 74}, {8, 81}}));
    EXPECT_EQ(g.ColonDot(6, 0), TRect(17, 17, 26, 29));
    EXPECT_EQ(g.ColonDot(6, 1), TRect(17, 53, 26, 65));
    EXPECT_EQ(g.Point(82), TRect(77, 79, 81, 83));
}

TEST(LCD99Geometry, FrontPanelDisplay)
{
    const TLCD99Geometry g(TLCD99Options{81, 33, 3, 5, 4, 1, 1, false, 2});
    ASSERT_TRUE(g.Valid());
    EXPECT_EQ(g.CellWidth(), 18);
    EXPECT_EQ(g.CellHeight(), 32);
    EXPECT_EQ(g.HorizontalLength(), 16);
    EXPECT_EQ(g.VerticalLength(), 14);
    EXPECT_EQ(g.CellLeft(3), 54);
    EXPECT_EQ(g.Segment(6, 1), QVector<QPoint>({{7, 1}, {9, 0}, {21, 0}, {23, 1}, {19, 4}, {11, 4}, {7, 1}}));
    EXPECT_EQ(g.Point(54), TRect(49, 28, 53, 32)) << "f = min(S - 2, T) = 4";
}

TEST(LCD99Geometry, DotMatrixLayout)
{
    // S 6, pitch 6, 9 dots per bar, 4 rows per half.
    const TLCD99Geometry g(TLCD99Options{60, 60, 1, 6, 4, 2, 2, true, 2});
    ASSERT_TRUE(g.Valid());
    EXPECT_EQ(g.Pitch(), 6);
    EXPECT_EQ(g.CellWidth(), 52);
    EXPECT_EQ(g.CellHeight(), 52);
    EXPECT_EQ(g.VerticalLength(), 26);
    EXPECT_EQ(g.CellLeft(1), 6);
    const QVector<QPoint> top = g.BarDots(6, 1);
    ASSERT_EQ(top.size(), 9);
    EXPECT_EQ(top.first(), QPoint(6, 0));
    EXPECT_EQ(top.last(), QPoint(54, 0));
    const QVector<QPoint> upperRight = g.BarDots(6, 3);
    ASSERT_EQ(upperRight.size(), 5);
    EXPECT_EQ(upperRight.first(), QPoint(54, 0)) << "the right bar grows leftwards from the cell edge";
    EXPECT_EQ(upperRight.last(), QPoint(54, 24)) << "and shares its last dot with the middle bar";
    EXPECT_EQ(g.BarDots(6, 4).first(), QPoint(6, 24));
    EXPECT_EQ(g.BarDots(6, 7).first(), QPoint(6, 48)) << "the bottom bar grows upwards";
    EXPECT_EQ(g.BarDots(6, 6).last(), QPoint(54, 48));
}

TEST(LCD99Geometry, NoRoomMeansNoCells)
{
    EXPECT_FALSE(TLCD99Geometry(TLCD99Options{92, 34, 0, 5, 2, 2, 2, false, 2}).Valid());
    EXPECT_FALSE(TLCD99Geometry(TLCD99Options{92, 34, -4, 5, 2, 2, 2, false, 2}).Valid());
    EXPECT_FALSE(TLCD99Geometry(TLCD99Options{10, 34, 4, 5, 2, 2, 2, false, 2}).Valid());
    EXPECT_FALSE(TLCD99Geometry(TLCD99Options{92, 34, 2000000000, 5, 2, 2, 2, false, 2}).Valid());
    EXPECT_FALSE(TLCD99Geometry(TLCD99Options{92, 34, 4, 5, 2000000000, 2, 2, false, 2}).Valid());
    EXPECT_FALSE(TLCD99Geometry(TLCD99Options{92, 34, 4, 5, 4, 2, 2, true, -4}).Valid()) << "dot pitch 0";
    EXPECT_FALSE(TLCD99Geometry(TLCD99Options{92, 34, 4, 5, 0, 2, 2, true, 2}).Valid());
}

TEST(LCD99Paint, DemoDisplayShows23Point9)
{
    TLCD99 lcd;
    MakeDemoDisplay(lcd);
    const QImage image = lcd.PaintToImage();
    const TLCD99Geometry g(OptionsOf(lcd));
    ExpectCell(image, g, 1, '2', clBlack, kFace);
    ExpectCell(image, g, 2, '3', clBlack, kFace);
    ExpectCell(image, g, 3, '9', clBlack, kFace);
    EXPECT_EQ(PointColor(image, g, 3), clBlack) << "the point between 3 and 9";
    EXPECT_EQ(PointColor(image, g, 2), kFace);
    EXPECT_EQ(PointColor(image, g, 1), kFace);
    EXPECT_EQ(PixelColor(image, 78, 80), clBlack);
    EXPECT_EQ(PixelColor(image, 0, 0), kFace);
    EXPECT_EQ(PixelColor(image, 120, 83), kFace);
}

TEST(LCD99Paint, UnlitSegmentsUseOffColor)
{
    TLCD99 lcd;
    MakeDemoDisplay(lcd);
    lcd.SetOffColor(clGray);
    lcd.SetValue("-5");
    const QImage image = lcd.PaintToImage();
    const TLCD99Geometry g(OptionsOf(lcd));
    ExpectCell(image, g, 1, ' ', clBlack, clGray);
    ExpectCell(image, g, 2, '-', clBlack, clGray);
    ExpectCell(image, g, 3, '5', clBlack, clGray);
    EXPECT_EQ(PointColor(image, g, 1), clGray);
}

TEST(LCD99Paint, ColonLightsInItsCell)
{
    TLCD99 lcd;
    lcd.SetBounds(0, 0, 200, 60);
    lcd.SetDigitNum(5);
    lcd.SetSegmentSize(5);
    lcd.SetOffColor(clGreen);
    lcd.SetValue("12:30");
    const QImage image = lcd.PaintToImage();
    const TLCD99Geometry g(OptionsOf(lcd));
    ExpectCell(image, g, 1, '1', clLime, clGreen);
    ExpectCell(image, g, 2, '2', clLime, clGreen);
    ExpectCell(image, g, 3, ':', clLime, clGreen);
    ExpectCell(image, g, 4, '3', clLime, clGreen);
    ExpectCell(image, g, 5, '0', clLime, clGreen);
    const TRect lower = g.ColonDot(g.CellLeft(3), 1);
    EXPECT_EQ(PixelColor(image, (lower.Left + lower.Right) / 2, (lower.Top + lower.Bottom) / 2), clLime);
}

TEST(LCD99Paint, RefusedTextLeavesAllCellsBlank)
{
    TLCD99 lcd;
    MakeDemoDisplay(lcd);
    lcd.PaintToImage();
    lcd.SetValue("2,5");
    const QImage image = lcd.PaintToImage();
    EXPECT_EQ(CountOf(image, kFace), 121 * 84) << "with OffColor = Color the blank cells vanish";
}

TEST(LCD99Paint, OnlyTheFirstDigitNumCellsAreShown)
{
    TLCD99 lcd;
    MakeDemoDisplay(lcd);
    lcd.SetValue("4567");
    const QImage image = lcd.PaintToImage();
    const TLCD99Geometry g(OptionsOf(lcd));
    ExpectCell(image, g, 1, '4', clBlack, kFace);
    ExpectCell(image, g, 3, '6', clBlack, kFace);
}

TEST(LCD99Paint, ChangedValueMatchesAFreshPaint)
{
    // After a change only the differing cells are painted over the old
    // value; the picture must equal that of a display that never showed it.
    TLCD99 changed;
    MakeDemoDisplay(changed);
    changed.PaintToImage();
    changed.SetValue("24.1");
    TLCD99 fresh;
    MakeDemoDisplay(fresh);
    fresh.SetValue("24.1");
    EXPECT_EQ(changed.PaintToImage(), fresh.PaintToImage());
}

TEST(LCD99Paint, DirectPaintingEqualsDoubleBuffered)
{
    TLCD99 buffered;
    MakeDemoDisplay(buffered);
    TLCD99 direct;
    MakeDemoDisplay(direct);
    direct.SetDoubleBuffer(false);
    EXPECT_EQ(buffered.PaintToImage(), direct.PaintToImage());
}

TEST(LCD99Paint, FrontPanelDisplay)
{
    TLCD99 lcd;
    lcd.SetBounds(2, 2, 81, 33);
    lcd.SetDigitNum(3);
    lcd.SetSegmentSize(4);
    lcd.SetGapX(1);
    lcd.SetGapY(1);
    lcd.SetOnColor(clBlack);
    lcd.SetOffColor(0x00C000);
    lcd.SetColor(0x00C000);
    lcd.SetValue("23.9");
    const QImage image = lcd.PaintToImage();
    const TLCD99Geometry g(OptionsOf(lcd));
    ExpectCell(image, g, 1, '2', clBlack, 0x00C000);
    ExpectCell(image, g, 3, '9', clBlack, 0x00C000);
    EXPECT_EQ(PointColor(image, g, 3), clBlack);
}

TEST(LCD99Paint, DotMatrixSharesCornerDotsWithLitNeighbours)
{
    TLCD99 lcd;
    lcd.SetBounds(0, 0, 60, 60);
    lcd.SetDigitNum(1);
    lcd.SetDigitSpacing(6);
    lcd.SetSegmentSize(4);
    lcd.SetDotDisplay(true);
    lcd.SetOffColor(clGreen);
    lcd.SetValue("0");
    const QImage image = lcd.PaintToImage();
    EXPECT_EQ(PixelColor(image, 6 + 2 + 24, 2), clLime) << "a dot of the lit top bar";
    EXPECT_EQ(PixelColor(image, 6 + 2 + 24, 26), clGreen) << "a dot of the unlit middle bar";
    // The middle bar is unlit and painted after the lit upper-left bar; it
    // leaves out the corner dot the two share.
    EXPECT_EQ(PixelColor(image, 6 + 2, 26), clLime);
    EXPECT_EQ(PixelColor(image, 54 + 2, 26), clLime);
    EXPECT_EQ(PixelColor(image, 6 + 5, 2), clBlack) << "between two dots";
}

TEST(LCD99Paint, DotMatrixPointIsACircle)
{
    TLCD99 lcd;
    lcd.SetBounds(0, 0, 120, 60);
    lcd.SetDigitNum(2);
    lcd.SetDigitSpacing(6);
    lcd.SetSegmentSize(4);
    lcd.SetDotDisplay(true);
    lcd.SetValue("1.2");
    const QImage image = lcd.PaintToImage();
    const TLCD99Geometry g(OptionsOf(lcd));
    const TRect r = g.Point(g.CellLeft(2));
    EXPECT_EQ(PixelColor(image, r.Left + 1, r.Top + 1), clLime);
}

TEST(LCD99Paint, SizesWithoutRoomPaintOnlyTheBackground)
{
    struct Case {
        int width, height, digits, spacing, segment;
        bool dots;
    };
    for (const Case& c : {Case{92, 34, 0, 5, 2, false}, Case{92, 34, -3, 5, 2, false}, Case{3, 2, 4, 5, 2, false},
                          Case{92, 34, 4, 5, 1 << 30, false}, Case{92, 34, 1 << 30, 5, 2, false},
                          Case{92, 34, 4, 5, 0, true}}) {
        TLCD99 lcd;
        lcd.SetBounds(0, 0, c.width, c.height);
        lcd.SetDigitNum(c.digits);
        lcd.SetDigitSpacing(c.spacing);
        lcd.SetSegmentSize(c.segment);
        lcd.SetDotDisplay(c.dots);
        lcd.SetValue("88");
        const QImage image = lcd.PaintToImage();
        EXPECT_EQ(CountOf(image, clBlack), c.width * c.height) << c.digits << " digits, segment " << c.segment;
    }
}

TEST(LCD99Paint, OddButPaintableSettingsDoNotCrash)
{
    TLCD99 lcd;
    lcd.SetDigitSpacing(-40);
    lcd.SetGapX(-7);
    lcd.SetGapY(500);
    lcd.SetSegmentSize(-9);
    lcd.SetValue("8.8:8");
    const QImage image = lcd.PaintToImage();
    EXPECT_EQ(image.size(), QSize(92, 34));
    lcd.SetDotDisplay(true);
    lcd.SetSegmentSize(3);
    lcd.SetDotSpacing(-1);
    EXPECT_EQ(lcd.PaintToImage().size(), QSize(92, 34));
}
