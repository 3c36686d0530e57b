// glyph_pictures: draws the bitmap digit fonts, the unit pictures and the
// day-counter picture, and writes them as PNG files into the folder given on
// the command line (normally resources/bitmaps):
//
//   glyph_pictures resources/bitmaps
//
// Every glyph is 1 bit per pixel, black on white, of the exact size the
// displays expect. The characters of one set come from one bold font at one
// size, drawn without anti-aliasing and placed on one baseline, so a number
// composed from them reads as one word. The day counter is a small 16-colour
// calendar leaf whose outside is pure red, the colour the curve diagram keys out.

#include "PictureOutput.h"

#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdio>
#include <vector>

namespace {

struct GlyphSet {
    const char* prefix; // resource name prefix
    int height;
    int pixelSize;  // font size that makes a digit fill the box
    int inkBottom;  // the baseline row of the digits inside the box
    const char* family;
};

const GlyphSet kLarge{"FONTS", 16, 17, 13, "Liberation Sans"};
const GlyphSet kSmall{"SMALLFONTS", 12, 13, 10, "Liberation Sans"};
const GlyphSet kMicro{"MICROFONTS", 9, 9, 7, "Liberation Sans"};
const GlyphSet kUnit{"UNIT", 16, 13, 12, "Liberation Sans"};

struct Glyph {
    QString name; // without the set prefix
    QString text;
    int width;
};

QFont SetFont(const GlyphSet& set, int pixelSize)
{
    QFont f(QString::fromLatin1(set.family));
    f.setPixelSize(pixelSize);
    f.setBold(true);
    f.setStyleStrategy(QFont::NoAntialias);
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

// The text drawn black on a large white scratch image with its baseline at
// row 3 * size; returns the image and the bounding box of the ink.
QImage Scratch(const QString& text, const QFont& font, int size, QRect& ink)
{
    QImage img(size * 6, size * 4, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(QPoint(size, size * 3), text);
    p.end();
    ink = QRect();
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (qRed(img.pixel(x, y)) < 128)
                ink |= QRect(x, y, 1, 1);
    return img;
}

QImage Mono(const QImage& rgb)
{
    // Index 0 white, index 1 black.
    QImage out(rgb.size(), QImage::Format_Mono);
    out.setColor(0, qRgb(255, 255, 255));
    out.setColor(1, qRgb(0, 0, 0));
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x)
            out.setPixel(x, y, qRed(rgb.pixel(x, y)) < 128 ? 1 : 0);
    return out;
}

// One glyph: the ink centred across the box, the font's baseline on the set's
// baseline row. A glyph too wide for its box is drawn one pixel size smaller
// until it fits with a column to spare, so neighbours never touch.
QImage DrawGlyph(const GlyphSet& set, const Glyph& g)
{
    QImage box(g.width, set.height, QImage::Format_RGB32);
    box.fill(Qt::white);
    if (g.text.trimmed().isEmpty())
        return Mono(box);
    int pixelSize = set.pixelSize;
    QRect ink;
    QImage scratch;
    for (;; --pixelSize) {
        scratch = Scratch(g.text, SetFont(set, pixelSize), set.pixelSize, ink);
        const bool fits = ink.width() <= std::max(1, g.width - 1) && ink.height() <= set.height;
        if (fits || pixelSize <= 6)
            break;
    }
    const int baseline = set.pixelSize * 3 - 1; // last row of the digits in the scratch
    const int dx = (g.width - ink.width() + 1) / 2 - ink.left();
    int dy = set.inkBottom - baseline;
    // Descenders and tall signs stay inside the box.
    if (ink.bottom() + dy >= set.height)
        dy = set.height - 1 - ink.bottom();
    if (ink.top() + dy < 0)
        dy = -ink.top();
    QPainter p(&box);
    p.drawImage(QPoint(dx, dy), scratch);
    p.end();
    return Mono(box);
}

std::vector<Glyph> DigitSet(int blankWidth, int pointWidth, int minusWidth, int digitWidth, int oneWidth)
{
    std::vector<Glyph> glyphs{{QStringLiteral("SPACE"), QStringLiteral(" "), blankWidth},
                              {QStringLiteral("POINT"), QStringLiteral("."), pointWidth},
                              {QStringLiteral("KOMMA"), QStringLiteral(","), pointWidth},
                              {QStringLiteral("MINUS"), QStringLiteral("-"), minusWidth}};
    for (int d = 0; d <= 9; ++d)
        glyphs.push_back({QString::number(d), QString::number(d), d == 1 ? oneWidth : digitWidth});
    return glyphs;
}

std::vector<Glyph> LargeGlyphs()
{
    std::vector<Glyph> g = DigitSet(6, 4, 8, 10, 7);
    g.push_back({QStringLiteral("O"), QStringLiteral("O"), 10});
    g.push_back({QStringLiteral("N"), QStringLiteral("N"), 10});
    g.push_back({QStringLiteral("M"), QStringLiteral("m"), 14});
    g.push_back({QStringLiteral("F"), QStringLiteral("F"), 10});
    g.push_back({QStringLiteral("DBLPNT"), QStringLiteral(":"), 5});
    g.push_back({QStringLiteral("PERC"), QStringLiteral("%"), 13});
    return g;
}

std::vector<Glyph> SmallGlyphs()
{
    std::vector<Glyph> g = DigitSet(6, 4, 6, 8, 8);
    g.push_back({QStringLiteral("O"), QStringLiteral("O"), 8});
    g.push_back({QStringLiteral("M"), QStringLiteral("m"), 11});
    g.push_back({QStringLiteral("N"), QStringLiteral("N"), 8});
    g.push_back({QStringLiteral("F"), QStringLiteral("F"), 8});
    g.push_back({QStringLiteral("DBLPNT"), QStringLiteral(":"), 5});
    g.push_back({QStringLiteral("PERC"), QStringLiteral("%"), 13});
    return g;
}

std::vector<Glyph> MicroGlyphs()
{
    std::vector<Glyph> g = DigitSet(4, 3, 5, 6, 4);
    g.push_back({QStringLiteral("DBLPNT"), QStringLiteral(":"), 3});
    g.push_back({QStringLiteral("PERC"), QStringLiteral("%"), 13});
    return g;
}

std::vector<Glyph> UnitGlyphs()
{
    return {{QStringLiteral("CELS"), QStringLiteral("\u00B0C"), 15},  {QStringLiteral("FAHR"), QStringLiteral("\u00B0F"), 15},
            {QStringLiteral("GRAM"), QStringLiteral("g"), 8},         {QStringLiteral("KG"), QStringLiteral("kg"), 17},
            {QStringLiteral("LTR"), QStringLiteral("l"), 6},          {QStringLiteral("MINUTE"), QStringLiteral("min"), 14},
            {QStringLiteral("ML"), QStringLiteral("ml"), 20},         {QStringLiteral("MS"), QStringLiteral("m/s"), 17},
            {QStringLiteral("PASCAL"), QStringLiteral("Pa"), 17},     {QStringLiteral("PERHOUR"), QStringLiteral("/h"), 17},
            {QStringLiteral("PERC"), QStringLiteral("%"), 13}};
}

// Three lower-case letters of the small set's size family drawn in their own
// boxes: g (7 x 13, with its descender), k (7 x 11) and s (8 x 12).
std::vector<std::pair<Glyph, GlyphSet>> SmallLetters()
{
    GlyphSet g13 = kSmall;
    g13.height = 13;
    GlyphSet k11 = kSmall;
    k11.height = 11;
    k11.inkBottom = 9;
    return {{{QStringLiteral("G"), QStringLiteral("g"), 7}, g13},
            {{QStringLiteral("K"), QStringLiteral("k"), 7}, k11},
            {{QStringLiteral("S"), QStringLiteral("s"), 8}, kSmall}};
}

// A 16-colour picture: the same pixels in a palette of at most 16 entries.
QImage SixteenColours(const QImage& rgb)
{
    return rgb.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither);
}

// The day counter: a calendar leaf with two binding rings, a navy header and
// a white field (x 4..27, y 8..18) that receives the day number; the pointer
// on top marks the day line the picture stands under. Outside is pure red.
QImage DayCounter()
{
    QImage img(31, 21, QImage::Format_RGB32);
    const QRgb red = qRgb(255, 0, 0);
    img.fill(red);
    QPainter p(&img);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0));
    p.drawRect(QRect(1, 3, 29, 18));            // outline
    p.setBrush(QColor(0, 0, 128));
    p.drawRect(QRect(2, 4, 27, 4));             // header
    p.setBrush(QColor(255, 255, 255));
    p.drawRect(QRect(2, 8, 27, 12));            // leaf
    p.setBrush(QColor(128, 128, 128));
    p.drawRect(QRect(2, 19, 27, 1));            // shadow of the leaf's bottom edge
    p.setBrush(QColor(192, 192, 192));
    for (int x : {7, 22})
        p.drawRect(QRect(x, 1, 2, 5));          // binding rings
    p.setBrush(QColor(0, 0, 0));
    for (int row = 0; row < 3; ++row)           // the pointer
        p.drawRect(QRect(15 - row, row, 2 * row + 1, 1));
    p.end();
    return SixteenColours(img);
}

bool SaveSet(const QDir& dir, const GlyphSet& set, const std::vector<Glyph>& glyphs)
{
    for (const Glyph& g : glyphs)
        if (!Save(dir, QString::fromLatin1(set.prefix) + g.name, DrawGlyph(set, g)))
            return false;
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    QDir dir;
    if (const int failed = OpenOutputFolder(argc, argv, dir))
        return failed;
    bool ok = SaveSet(dir, kLarge, LargeGlyphs()) && SaveSet(dir, kSmall, SmallGlyphs())
              && SaveSet(dir, kMicro, MicroGlyphs()) && SaveSet(dir, kUnit, UnitGlyphs());
    // The s glyph is kept as a 16-colour picture, black on white all the same.
    for (const auto& [glyph, set] : SmallLetters()) {
        QImage picture = DrawGlyph(set, glyph);
        if (glyph.name == QLatin1String("S"))
            picture = SixteenColours(picture.convertToFormat(QImage::Format_RGB32));
        ok = ok && Save(dir, QStringLiteral("SMALLFONTS") + glyph.name, picture);
    }
    ok = ok && Save(dir, QStringLiteral("DAGENTELLER"), DayCounter());
    return ok ? 0 : 1;
}
