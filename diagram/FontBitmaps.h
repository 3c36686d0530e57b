#pragma once
// TFontBitmaps: the bitmap digit fonts of the controller-style displays. Two
// glyph sets, a large one (set 0, the "FONTS" pictures) and a small one (set
// 1, the "SMALLFONTS" pictures), are loaded into one list of 38 entries in a
// fixed order; a display looks a character up by its text and its set and
// draws the glyph, whose white pixels are transparent.

#include "framework/Bitmap.h"

#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

class TCanvas;

struct TGlyphEntry {
    uint8_t GlyphSet = 0; // 0 large, 1 small
    QString GlyphChar;    // the one character the glyph draws
    TBitmap GlyphBitmap;  // empty when its picture could not be loaded
};

class TFontBitmaps {
public:
    static constexpr uint8_t LargeSet = 0;
    static constexpr uint8_t SmallSet = 1;

    TFontBitmaps();
    virtual ~TFontBitmaps();
    TFontBitmaps(const TFontBitmaps&) = delete;
    TFontBitmaps& operator=(const TFontBitmaps&) = delete;

    int Count() const { return int(entries_.size()); }
    const TGlyphEntry& Entry(int index) const { return *entries_.at(size_t(index)); }

    // The first entry, in list order, for this character in this set; null
    // when the set has no glyph for it.
    const TGlyphEntry* Find(QChar ch, uint8_t set) const;

    // Draws the text right-aligned against x = right with its top at y, the
    // last character first; characters without a glyph are skipped and do not
    // move the pen. Returns where the text begins.
    int DrawRightAligned(TCanvas& canvas, int right, int top, const QString& text, uint8_t set) const;

private:
    std::vector<std::unique_ptr<TGlyphEntry>> entries_;
};
