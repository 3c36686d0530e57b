// TFontBitmaps: the 38 glyph entries and their lookup, every glyph picture of
// the resource set at its size, and the day number written into a day-counter
// picture (TMasterDiagram::FillDayBitmap).

#include "diagram/FontBitmaps.h"
#include "diagram/MasterDiagram.h"
#include "support/TestSupport.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

TEST(FontBitmaps, ThirtyEightEntriesInListOrderWithTheirSizes)
{
    TFontBitmaps f;
    ASSERT_EQ(f.Count(), 38);
    const QString order = QStringLiteral(" .,-ONmF:0123456789 .,-OmNF:0123456789");
    for (int i = 0; i < 38; ++i) {
        const TGlyphEntry& e = f.Entry(i);
        EXPECT_EQ(e.GlyphSet, i < 19 ? 0 : 1) << i;
        EXPECT_EQ(e.GlyphChar, QString(order.at(i))) << i;
        EXPECT_EQ(e.GlyphBitmap.Height(), i < 19 ? 16 : 12) << i;
        EXPECT_TRUE(e.GlyphBitmap.Transparent);
        EXPECT_EQ(e.GlyphBitmap.TransparentColor(), clWhite);
    }
    EXPECT_EQ(f.Find(QLatin1Char('1'), 0)->GlyphBitmap.Width(), 7);
    EXPECT_EQ(f.Find(QLatin1Char('m'), 0)->GlyphBitmap.Width(), 14);
    EXPECT_EQ(f.Find(QLatin1Char('m'), 1)->GlyphBitmap.Width(), 11);
    EXPECT_EQ(f.Find(QLatin1Char('-'), 1)->GlyphBitmap.Width(), 6);
}

TEST(FontBitmaps, LookupTakesTheFirstEntryOfTheSetAndSkipsUnknownCharacters)
{
    TFontBitmaps f;
    EXPECT_EQ(f.Find(QLatin1Char('5'), 1), &f.Entry(19 + 9 + 5));
    EXPECT_EQ(f.Find(QLatin1Char('5'), 0), &f.Entry(9 + 5));
    EXPECT_EQ(f.Find(QLatin1Char('x'), 0), nullptr);
    EXPECT_EQ(f.Find(QLatin1Char('5'), 2), nullptr);
    TBitmap target(40, 20);
    EXPECT_EQ(f.DrawRightAligned(target.Canvas(), 40, 0, QStringLiteral("x5?"), 1), 32)
        << "unknown characters take no room";
}

// Every glyph of the resource set, also the ones the class does not load,
// is a 1-bit black-on-white picture of its exact size.
TEST(FontBitmaps, EveryGlyphPictureHasItsSizeAndOneBitPerPixel)
{
    struct Expected {
        QString name;
        int w, h;
    };
    std::vector<Expected> all = {
        {"FONTSSPACE", 6, 16},       {"FONTSPOINT", 4, 16},      {"FONTSKOMMA", 4, 16},     {"FONTSMINUS", 8, 16},
        {"FONTSO", 10, 16},          {"FONTSN", 10, 16},         {"FONTSM", 14, 16},        {"FONTSF", 10, 16},
        {"FONTSDBLPNT", 5, 16},      {"FONTSPERC", 13, 16},      {"SMALLFONTSSPACE", 6, 12}, {"SMALLFONTSPOINT", 4, 12},
        {"SMALLFONTSKOMMA", 4, 12},  {"SMALLFONTSMINUS", 6, 12}, {"SMALLFONTSO", 8, 12},    {"SMALLFONTSM", 11, 12},
        {"SMALLFONTSN", 8, 12},      {"SMALLFONTSF", 8, 12},     {"SMALLFONTSDBLPNT", 5, 12}, {"SMALLFONTSPERC", 13, 12},
        {"SMALLFONTSG", 7, 13},      {"SMALLFONTSK", 7, 11},     {"SMALLFONTSS", 8, 12},    {"MICROFONTSSPACE", 4, 9},
        {"MICROFONTSPOINT", 3, 9},   {"MICROFONTSKOMMA", 3, 9},  {"MICROFONTSDBLPNT", 3, 9}, {"MICROFONTSMINUS", 5, 9},
        {"MICROFONTSPERC", 13, 9},   {"UNITCELS", 15, 16},       {"UNITFAHR", 15, 16},      {"UNITGRAM", 8, 16},
        {"UNITKG", 17, 16},          {"UNITLTR", 6, 16},         {"UNITMINUTE", 14, 16},    {"UNITML", 20, 16},
        {"UNITMS", 17, 16},          {"UNITPASCAL", 17, 16},     {"UNITPERHOUR", 17, 16},   {"UNITPERC", 13, 16},
    };
    for (int d = 0; d <= 9; ++d) {
        const QString digit = QString::number(d);
        all.push_back({QStringLiteral("FONTS") + digit, d == 1 ? 7 : 10, 16});
        all.push_back({QStringLiteral("SMALLFONTS") + digit, 8, 12});
        all.push_back({QStringLiteral("MICROFONTS") + digit, d == 1 ? 4 : 6, 9});
    }
    for (const Expected& e : all) {
        const std::string name = e.name.toStdString();
        const QString path = TBitmap::ResourcePath(e.name);
        ASSERT_FALSE(path.isEmpty()) << name;
        const QImage img(path);
        EXPECT_EQ(img.size(), QSize(e.w, e.h)) << name;
        if (e.name != QLatin1String("SMALLFONTSS")) // kept as a 16-colour picture
            EXPECT_EQ(img.depth(), 1) << name;
        const QImage rgb = img.convertToFormat(QImage::Format_RGB32);
        bool inked = false;
        for (int y = 0; y < rgb.height(); ++y)
            for (int x = 0; x < rgb.width(); ++x) {
                const int c = PixelColor(rgb, x, y);
                ASSERT_TRUE(c == clBlack || c == clWhite) << name;
                inked |= c == clBlack;
            }
        EXPECT_EQ(inked, !e.name.endsWith(QLatin1String("SPACE"))) << name;
    }
}

// --- FillDayBitmap ---------------------------------------------------------------

struct DayPicture : ::testing::Test {
    TFontBitmaps fonts;
    TPointInfo point;
    int day = 0;
    DayPicture()
    {
        point.Symbol.SymbolBitmap.LoadFromResourceName(QStringLiteral("DAGENTELLER"));
        point.Values.XValue = &day;
    }
    const QImage& Fill()
    {
        TMasterDiagram::FillDayBitmap(point, fonts);
        return point.Symbol.SymbolBitmap.Image();
    }
    // The small glyph of `ch` lies at (left, 7) of the picture, on a white field.
    void ExpectGlyphAt(const QImage& picture, QChar ch, int left)
    {
        const TBitmap& g = fonts.Find(ch, TFontBitmaps::SmallSet)->GlyphBitmap;
        for (int y = 0; y < g.Height(); ++y)
            for (int x = 0; x < g.Width(); ++x) {
                const bool ink = PixelColor(g.Image(), x, y) == clBlack;
                const int row = 7 + y;
                if (row < 8 && !ink)
                    continue; // above the white field the picture's own pixels stay
                ASSERT_EQ(PixelColor(picture, left + x, row), ink ? clBlack : clWhite)
                    << ch.toLatin1() << " at " << x << "," << y;
            }
    }
};

TEST_F(DayPicture, OneDigitIsRightAlignedFourPixelsFromTheEdge)
{
    day = 7;
    const QImage& p = Fill();
    ASSERT_EQ(p.size(), QSize(31, 21));
    ExpectGlyphAt(p, QLatin1Char('7'), 31 - 4 - 8);
    for (int y = 8; y < 19; ++y)
        for (int x = 4; x < 31 - 4 - 8; ++x)
            ASSERT_EQ(PixelColor(p, x, y), clWhite) << "left of the number the field is white";
}

TEST_F(DayPicture, ThreeDigitsReadLeftToRightEndingAtTheSameEdge)
{
    day = 123;
    const QImage& p = Fill();
    ExpectGlyphAt(p, QLatin1Char('1'), 3);
    ExpectGlyphAt(p, QLatin1Char('2'), 11);
    ExpectGlyphAt(p, QLatin1Char('3'), 19);
}

TEST_F(DayPicture, NegativeDayHasTheSmallMinusInFront)
{
    day = -5;
    const QImage& p = Fill();
    ExpectGlyphAt(p, QLatin1Char('5'), 19);
    ExpectGlyphAt(p, QLatin1Char('-'), 13);
}

TEST_F(DayPicture, NullValueLeavesOnlyTheWhiteField)
{
    day = 88;
    Fill();
    point.Values.XValue = nullptr;
    const QImage& p = Fill();
    TBitmap fresh;
    fresh.LoadFromResourceName(QStringLiteral("DAGENTELLER"));
    for (int y = 0; y < 21; ++y)
        for (int x = 0; x < 31; ++x) {
            const bool field = x >= 4 && x < 28 && y >= 8 && y < 19;
            ASSERT_EQ(PixelColor(p, x, y), field ? int(clWhite) : PixelColor(fresh.Image(), x, y)) << x << "," << y;
        }
}

} // namespace
