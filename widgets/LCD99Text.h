#pragma once
// The text side of the seven-segment display: which texts it accepts, how a
// text splits into character cells and decimal points, and which of the
// eight segment positions a character lights.

#include <QString>
#include <cstdint>

class TLCD99Text {
public:
    // Upper-cases the text; a text with a character the display cannot show
    // becomes empty, and one final point is dropped.
    static QString Normalize(const QString& text);
    // Splits a text into its cells and points and right-aligns both to
    // digitNum characters. Points[j] is '.' when a point stands in front of
    // cell j. A text with more cells keeps them all.
    static TLCD99Text Split(const QString& text, int digitNum);
    // Segment positions 1..8 lit by a character, as bits 0..7.
    static uint8_t Segments(QChar ch);
    static bool Lit(QChar ch, int position) { return (Segments(ch) >> (position - 1)) & 1; }

    QString Cells;
    QString Points;

    QChar CellAt(int index) const { return index < Cells.size() ? Cells[index] : QChar(' '); }
    bool PointAt(int index) const { return index < Points.size() && Points[index] == QChar('.'); }
    // True when cell index shows something else than in other (character or point).
    bool Differs(const TLCD99Text& other, int index) const
    {
        return CellAt(index) != other.CellAt(index) || PointAt(index) != other.PointAt(index);
    }
};
