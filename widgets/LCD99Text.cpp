#include "widgets/LCD99Text.h"

#include <array>

namespace {

bool Showable(QChar ch)
{
    const char16_t c = ch.unicode();
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || c == '-' || c == ' ' || c == '.' || c == ':';
}

// Segment positions 1..8 as bits 0..7: top, upper left, upper right, middle,
// lower left, lower right, bottom, colon.
constexpr uint8_t Bits(const char (&row)[9])
{
    uint8_t bits = 0;
    for (int i = 0; i < 8; ++i)
        if (row[i] == '1')
            bits |= uint8_t(1u << i);
    return bits;
}

constexpr std::array<uint8_t, 10> kDigits{
    Bits("11101110"), Bits("00100100"), Bits("10111010"), Bits("10110110"), Bits("01110100"),
    Bits("11010110"), Bits("11011110"), Bits("10100100"), Bits("11111110"), Bits("11110110"),
};

constexpr std::array<uint8_t, 26> kLetters{
    Bits("11111100"), // A
    Bits("01011110"), // B
    Bits("11001010"), // C
    Bits("00111110"), // D
    Bits("11011010"), // E
    Bits("11011000"), // F
    Bits("11011110"), // G
    Bits("01011100"), // H
    Bits("00100100"), // I
    Bits("00100110"), // J
    Bits("01111100"), // K
    Bits("01001010"), // L
    Bits("00011100"), // M
    Bits("00011100"), // N
    Bits("00011110"), // O
    Bits("11111000"), // P
    Bits("11110100"), // Q
    Bits("00011000"), // R
    Bits("11010110"), // S
    Bits("01011000"), // T
    Bits("01101110"), // U
    Bits("01101110"), // V
    Bits("01101110"), // W
    Bits("01111100"), // X
    Bits("01110100"), // Y
    Bits("10111010"), // Z
};

} // namespace

QString TLCD99Text::Normalize(const QString& text)
{
    QString result = text;
    for (QChar& ch : result) {
        if (ch >= QChar('a') && ch <= QChar('z'))
            ch = QChar(ch.unicode() - 'a' + 'A');
        if (!Showable(ch))
            return QString();
    }
    if (result.endsWith(QChar('.')))
        result.chop(1);
    return result;
}

TLCD99Text TLCD99Text::Split(const QString& text, int digitNum)
{
    TLCD99Text out;
    bool afterPoint = false;
    for (const QChar ch : text) {
        if (ch == QChar('.')) {
            out.Points += QChar('.');
            if (afterPoint)
                out.Cells += QChar(' ');
            afterPoint = true;
        } else {
            out.Cells += ch;
            if (!afterPoint)
                out.Points += QChar(' ');
            afterPoint = false;
        }
    }
    // A point at the very end stands in front of a cell that does not exist
    // yet; give it that (blank) cell so points and cells stay aligned.
    while (out.Cells.size() < out.Points.size())
        out.Cells += QChar(' ');
    if (out.Cells.size() < digitNum) {
        out.Cells = QString(digitNum - out.Cells.size(), QChar(' ')) + out.Cells;
        out.Points = QString(digitNum - out.Points.size(), QChar(' ')) + out.Points;
    }
    return out;
}

uint8_t TLCD99Text::Segments(QChar ch)
{
    const char16_t c = ch.unicode();
    if (c >= '0' && c <= '9')
        return kDigits[size_t(c - '0')];
    if (c >= 'A' && c <= 'Z')
        return kLetters[size_t(c - 'A')];
    if (c == '-')
        return Bits("00010000");
    if (c == ':')
        return Bits("00000001");
    return 0;
}
