#include "diagram/FontBitmaps.h"

#include "framework/Canvas.h"

namespace {

struct GlyphRow {
    uint8_t set;
    char ch;
    const char* resource;
};

// The list order is part of the lookup rule: the first match wins.
constexpr GlyphRow kRows[] = {
    {0, ' ', "FONTSSPACE"}, {0, '.', "FONTSPOINT"}, {0, ',', "FONTSKOMMA"}, {0, '-', "FONTSMINUS"},
    {0, 'O', "FONTSO"},     {0, 'N', "FONTSN"},     {0, 'm', "FONTSm"},     {0, 'F', "FONTSF"},
    {0, ':', "FONTSDBLPNT"},
    {0, '0', "FONTS0"}, {0, '1', "FONTS1"}, {0, '2', "FONTS2"}, {0, '3', "FONTS3"}, {0, '4', "FONTS4"},
    {0, '5', "FONTS5"}, {0, '6', "FONTS6"}, {0, '7', "FONTS7"}, {0, '8', "FONTS8"}, {0, '9', "FONTS9"},
    {1, ' ', "SMALLFONTSSPACE"}, {1, '.', "SMALLFONTSPOINT"}, {1, ',', "SMALLFONTSKOMMA"},
    {1, '-', "SMALLFONTSMINUS"}, {1, 'O', "SMALLFONTSO"},     {1, 'm', "SMALLFONTSm"},
    {1, 'N', "SMALLFONTSN"},     {1, 'F', "SMALLFONTSF"},     {1, ':', "SMALLFONTSDBLPNT"},
    {1, '0', "SMALLFONTS0"}, {1, '1', "SMALLFONTS1"}, {1, '2', "SMALLFONTS2"}, {1, '3', "SMALLFONTS3"},
    {1, '4', "SMALLFONTS4"}, {1, '5', "SMALLFONTS5"}, {1, '6', "SMALLFONTS6"}, {1, '7', "SMALLFONTS7"},
    {1, '8', "SMALLFONTS8"}, {1, '9', "SMALLFONTS9"},
};

} // namespace

TFontBitmaps::TFontBitmaps()
{
    entries_.reserve(std::size(kRows));
    for (const GlyphRow& row : kRows) {
        auto entry = std::make_unique<TGlyphEntry>();
        entry->GlyphSet = row.set;
        entry->GlyphChar = QString(QLatin1Char(row.ch));
        entry->GlyphBitmap.LoadFromResourceName(QLatin1String(row.resource));
        entries_.push_back(std::move(entry));
    }
    for (auto& entry : entries_) {
        entry->GlyphBitmap.Transparent = true;
        entry->GlyphBitmap.SetTransparentColor(clWhite);
    }
}

TFontBitmaps::~TFontBitmaps() = default;

const TGlyphEntry* TFontBitmaps::Find(QChar ch, uint8_t set) const
{
    for (const auto& entry : entries_)
        if (entry->GlyphSet == set && entry->GlyphChar.size() == 1 && entry->GlyphChar.at(0) == ch)
            return entry.get();
    return nullptr;
}

int TFontBitmaps::DrawRightAligned(TCanvas& canvas, int right, int top, const QString& text, uint8_t set) const
{
    int x = right;
    for (qsizetype i = text.size() - 1; i >= 0; --i) {
        const TGlyphEntry* glyph = Find(text.at(i), set);
        if (!glyph)
            continue;
        // An empty picture (not loaded) has width 0: it draws nothing and takes no room.
        const int w = glyph->GlyphBitmap.Width();
        if (w > 0)
            canvas.Draw(x - w, top, glyph->GlyphBitmap);
        x -= w;
    }
    return x;
}
