#include "framework/Font.h"

#include <QPainter>
#include <atomic>
#include <cstring>
#include <unordered_map>
#include <memory>
#include <vector>

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
    Change([&] { charset_ = value; });
}

void TFont::SetColor(TColor value)
{
    if (value == color_)
        return;
    Change([&] { color_ = value; });
}

void TFont::SetHeight(int value)
{
    if (value == height_)
        return;
    Change([&] { height_ = value; });
}

void TFont::SetName(const QString& value)
{
    if (value == name_)
        return;
    Change([&] { name_ = value; });
}

void TFont::SetPitch(TFontPitch value)
{
    if (value == pitch_)
        return;
    Change([&] { pitch_ = value; });
}

void TFont::SetSize(int points) { SetHeight(-MulDiv(points, PixelsPerInch, 72)); }

void TFont::SetStyle(TFontStyles value)
{
    if (value == style_)
        return;
    Change([&] { style_ = value; });
}

void TFont::SetOrientation(int tenths)
{
    if (tenths == orientation_)
        return;
    Change([&] { orientation_ = tenths; });
}

void TFont::Assign(const TFont& other)
{
    if (SameAs(other))
        return;
    Change([&] {
        charset_ = other.charset_;
        color_ = other.color_;
        height_ = other.height_;
        name_ = other.name_;
        pitch_ = other.pitch_;
        style_ = other.style_;
        orientation_ = other.orientation_;
    });
}

template <class Store> void TFont::Change(Store&& store)
{
    const struct {
        int charset_;
        TColor color_;
        int height_;
        QString name_;
        TFontPitch pitch_;
        TFontStyles style_;
    } was { charset_, color_, height_, name_, pitch_, style_ };
    store();
    Changed();
    if (charset_ != was.charset_)
        emit CharsetChanged();
    if (color_ != was.color_)
        emit ColorChanged();
    if (height_ != was.height_)
        emit HeightChanged();
    if (name_ != was.name_)
        emit NameChanged();
    if (pitch_ != was.pitch_)
        emit PitchChanged();
    if (Size() != -MulDiv(was.height_, 72, PixelsPerInch))
        emit SizeChanged();
    if (style_ != was.style_)
        emit StyleChanged();
}

bool TFont::SameAs(const TFont& o) const
{
    return charset_ == o.charset_ && color_ == o.color_ && height_ == o.height_ && name_ == o.name_ &&
           pitch_ == o.pitch_ && style_ == o.style_ && orientation_ == o.orientation_;
}

// Shaping text is the dear part of measuring and drawing it, and controls
// measure and draw the same few labels on every paint, switching between a
// few fonts as they go (a colour change alone is a new font to them): so the
// platform font, its metrics, and widths and inks per text are remembered per
// face, size and style, across font objects and font changes. One store per
// thread, as fonts are used by any thread that draws; bounded, so random font
// names or texts cannot grow it without end.
namespace {

// Labels are short; a plain multiplicative hash over their UTF-16 units costs
// a fraction of Qt's seeded string hash, which showed as a tenth of a whole
// diagram's paint.
struct TextHash {
    size_t operator()(const QString& text) const noexcept
    {
        size_t h = size_t(text.size());
        for (const QChar c : text)
            h = h * 31 + c.unicode();
        return h;
    }
};

struct TextEqual {
    bool operator()(const QString& a, const QString& b) const noexcept
    {
        return a.size() == b.size() && std::memcmp(a.constData(), b.constData(), size_t(a.size()) * sizeof(QChar)) == 0;
    }
};

template <class T>
using TextTable = std::unordered_map<QString, T, TextHash, TextEqual>;

} // namespace

struct TFont::TextMemory {
    QFont font;
    int ascent = 0;
    int descent = 0;
    TextTable<int> widths;
    TextTable<TFont::Ink> inks; // node-based: a returned ink stays put
};

namespace {

// What the platform font is built from; colour and escapement are not part of it.
struct Face {
    QString name;
    int height;
    int style;
    int pitch;
    int charset;
    bool operator==(const Face&) const = default;
};

// Each store, and each emptying of one, takes a number no other store on
// any thread has had, so a font never trusts a pointer into a store that
// is gone or belongs to another thread.
std::atomic<unsigned> nextGeneration{1};

struct TextStore {
    std::vector<std::pair<Face, std::unique_ptr<TFont::TextMemory>>> fonts;
    unsigned generation = nextGeneration++;
};

thread_local TextStore store;
constexpr size_t kMaxRemembered = 1024;
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
    if (cache_.memory && cache_.generation == store.generation)
        return *cache_.memory;
    const Face face{name_, height_, int(style_), int(pitch_), charset_};
    // A handful of faces per thread: a look along them beats hashing the name.
    for (auto& [known, memory] : store.fonts)
        if (known == face)
            return Remember(*memory);
    if (store.fonts.size() >= kMaxFonts) {
        store.fonts.clear();
        store.generation = nextGeneration++;
    }
    auto memory = std::make_unique<TextMemory>();
    memory->font = BuildQFont();
    const QFontMetricsF fm(memory->font);
    memory->ascent = int(std::ceil(fm.ascent() - 0.01));
    memory->descent = int(std::ceil(fm.descent() - 0.01));
    if (name_.compare(QStringLiteral("Small Fonts"), Qt::CaseInsensitive) == 0) {
        // The classic small face is a bitmap font whose cell is one pixel
        // short of the em asked for, one row of it below the base line (7
        // pixels at 6 points); layouts made for it count on that height. The
        // outline font drawn in its place keeps its own glyphs.
        memory->descent = 1;
        memory->ascent = std::max(1, memory->font.pixelSize() - 2);
    }
    store.fonts.emplace_back(face, std::move(memory));
    return Remember(*store.fonts.back().second);
}

TFont::TextMemory& TFont::Remember(TextMemory& memory) const
{
    cache_.memory = &memory;
    cache_.generation = store.generation;
    return memory;
}

QFont TFont::ToQFont() const { return Memory().font; }
int TFont::Ascent() const { return Memory().ascent; }
int TFont::Descent() const { return Memory().descent; }

int TFont::TextWidth(const QString& text) const
{
    TextMemory& memory = Memory();
    const auto known = memory.widths.find(text);
    if (known != memory.widths.end())
        return known->second;
    Bound(memory.widths);
    const int width = QFontMetrics(memory.font).horizontalAdvance(text);
    memory.widths.emplace(text, width);
    return width;
}

const TFont::Ink& TFont::TextInk(const QString& text) const
{
    TextMemory& memory = Memory();
    const auto known = memory.inks.find(text);
    if (known != memory.inks.end())
        return known->second;
    Bound(memory.inks);
    // Drawn black on white with room around the cell, for glyphs that
    // overhang it; without smoothing every pixel is either ink or untouched.
    const int margin = memory.ascent + memory.descent;
    QImage canvas(TextWidth(text) + 2 * margin, 3 * margin, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    {
        QPainter p(&canvas);
        p.setRenderHint(QPainter::TextAntialiasing, false);
        p.setFont(memory.font);
        p.setPen(Qt::black);
        p.drawText(QPoint(margin, margin + memory.ascent), text);
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
    return memory.inks.emplace(text, std::move(ink)).first->second;
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
    cache_.memory = nullptr;
    emit OnChange(this);
}
