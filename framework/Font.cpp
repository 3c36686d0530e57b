#include "framework/Font.h"

#include <QPainter>
#include <unordered_map>

#include "framework/Types.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <cmath>

TFont::TFont(QObject* parent) : QObject(parent) {}

int TFont::Size() const { return -MulDiv(height_, 72, PixelsPerInch); }

void TFont::SetCharset(int value)
{
    if (value == charset_)
        return;
    charset_ = value;
    Changed();
}

void TFont::SetColor(TColor value)
{
    if (value == color_)
        return;
    color_ = value;
    Changed();
}

void TFont::SetHeight(int value)
{
    if (value == height_)
        return;
    height_ = value;
    Changed();
}

void TFont::SetName(const QString& value)
{
    if (value == name_)
        return;
    name_ = value;
    Changed();
}

void TFont::SetPitch(TFontPitch value)
{
    if (value == pitch_)
        return;
    pitch_ = value;
    Changed();
}

void TFont::SetSize(int points) { SetHeight(-MulDiv(points, PixelsPerInch, 72)); }

void TFont::SetStyle(TFontStyles value)
{
    if (value == style_)
        return;
    style_ = value;
    Changed();
}

void TFont::SetOrientation(int tenths)
{
    if (tenths == orientation_)
        return;
    orientation_ = tenths;
    Changed();
}

void TFont::Assign(const TFont& other)
{
    if (SameAs(other))
        return;
    charset_ = other.charset_;
    color_ = other.color_;
    height_ = other.height_;
    name_ = other.name_;
    pitch_ = other.pitch_;
    style_ = other.style_;
    orientation_ = other.orientation_;
    Changed();
}

bool TFont::SameAs(const TFont& o) const
{
    return charset_ == o.charset_ && color_ == o.color_ && height_ == o.height_ && name_ == o.name_ &&
           pitch_ == o.pitch_ && style_ == o.style_ && orientation_ == o.orientation_;
}

const TFont::Cache& TFont::Cached() const
{
    if (!cache_.valid) {
        cache_.font = BuildQFont();
        const QFontMetricsF fm(cache_.font);
        cache_.ascent = int(std::ceil(fm.ascent() - 0.01));
        cache_.descent = int(std::ceil(fm.descent() - 0.01));
        cache_.memory = nullptr;
        cache_.valid = true;
    }
    return cache_;
}

QFont TFont::ToQFont() const { return Cached().font; }
int TFont::Ascent() const { return Cached().ascent; }
int TFont::Descent() const { return Cached().descent; }

// Shaping text is the dear part of measuring and drawing it, and controls
// measure and draw the same few labels on every paint, switching between a
// few fonts as they go: so widths and inks are remembered per font and text,
// across font objects and font changes. One store per thread, as fonts are
// used by any thread that draws; bounded, so random font names or texts
// cannot grow it without end.
struct TFont::TextMemory {
    QHash<QString, int> widths;
    QHash<QString, TFont::Ink> inks;
};

namespace {

struct TextStore {
    std::unordered_map<QString, TFont::TextMemory> fonts; // node-based: entries stay put
    unsigned generation = 1;
};

thread_local TextStore store;
constexpr qsizetype kMaxRemembered = 1024;
constexpr size_t kMaxFonts = 64;

template <class Map>
void Bound(Map& map)
{
    if (map.size() >= kMaxRemembered)
        map.clear();
}

} // namespace

TFont::TextMemory& TFont::Memory() const
{
    if (!cache_.valid || !cache_.memory || cache_.generation != store.generation) {
        const QString key = QStringLiteral("%1|%2|%3|%4|%5")
                                .arg(name_)
                                .arg(height_)
                                .arg(int(style_))
                                .arg(int(pitch_))
                                .arg(charset_);
        if (store.fonts.size() >= kMaxFonts && !store.fonts.count(key)) {
            store.fonts.clear();
            ++store.generation;
        }
        Cached();
        cache_.memory = &store.fonts[key];
        cache_.generation = store.generation;
    }
    return *cache_.memory;
}

int TFont::TextWidth(const QString& text) const
{
    TextMemory& memory = Memory();
    const auto known = memory.widths.constFind(text);
    if (known != memory.widths.constEnd())
        return *known;
    Bound(memory.widths);
    const int width = QFontMetrics(Cached().font).horizontalAdvance(text);
    memory.widths.insert(text, width);
    return width;
}

const TFont::Ink& TFont::TextInk(const QString& text) const
{
    TextMemory& memory = Memory();
    const auto known = memory.inks.constFind(text);
    if (known != memory.inks.constEnd())
        return *known;
    Bound(memory.inks);
    const Cache& cache = Cached();
    // Drawn black on white with room around the cell, for glyphs that
    // overhang it; without smoothing every pixel is either ink or untouched.
    const int margin = cache.ascent + cache.descent;
    QImage canvas(TextWidth(text) + 2 * margin, 3 * margin, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    {
        QPainter p(&canvas);
        p.setRenderHint(QPainter::TextAntialiasing, false);
        p.setFont(cache.font);
        p.setPen(Qt::black);
        p.drawText(QPoint(margin, margin + cache.ascent), text);
    }
    QRect inked;
    for (int y = 0; y < canvas.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(canvas.constScanLine(y));
        for (int x = 0; x < canvas.width(); ++x)
            if (line[x] != QRgb(0xFFFFFFFF))
                inked |= QRect(x, y, 1, 1);
    }
    Ink ink;
    ink.offset = inked.topLeft() - QPoint(margin, margin);
    ink.mask = QImage(inked.size().expandedTo(QSize(0, 0)), QImage::Format_Grayscale8);
    for (int y = 0; y < ink.mask.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(canvas.constScanLine(inked.top() + y));
        uchar* out = ink.mask.scanLine(y);
        for (int x = 0; x < ink.mask.width(); ++x)
            out[x] = line[inked.left() + x] != QRgb(0xFFFFFFFF) ? 1 : 0;
    }
    return *memory.inks.insert(text, ink);
}

QFont TFont::BuildQFont() const
{
    QFont f(name_);
    // A negative height is the character height without internal leading (the
    // em size); a positive one is the cell height, of which the em is ~7/8.
    const int px = height_ < 0 ? -height_ : (height_ == 0 ? 11 : qMax(1, height_ * 7 / 8));
    f.setPixelSize(px);
    f.setBold(style_.testFlag(fsBold));
    f.setItalic(style_.testFlag(fsItalic));
    f.setUnderline(style_.testFlag(fsUnderline));
    f.setStrikeOut(style_.testFlag(fsStrikeOut));
    f.setHintingPreference(QFont::PreferFullHinting);
    f.setStyleStrategy(QFont::NoAntialias);
    if (pitch_ == fpFixed)
        f.setFixedPitch(true);
    return f;
}

void TFont::InstallSubstitutions()
{
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Small Fonts"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"));
    QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
}

void TFont::Changed()
{
    cache_.valid = false;
    emit OnChange(this);
}
