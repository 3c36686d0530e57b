#pragma once
// Shared by the display's tests: its geometry options and a pixel well
// inside a segment (positions 1..7) or the colon dot (8) of a cell.

#include "widgets/LCD99.h"
#include "widgets/LCD99Geometry.h"

#include <QPoint>

inline TLCD99Options OptionsOf(const TLCD99& lcd)
{
    return {lcd.Width(),    lcd.Height(), lcd.DigitNum(),   lcd.DigitSpacing(), lcd.SegmentSize(),
            lcd.GapX(),     lcd.GapY(),   lcd.DotDisplay(), lcd.DotSpacing()};
}

inline QPoint Probe(const TLCD99Geometry& g, int cell, int position)
{
    const int x0 = g.CellLeft(cell);
    if (position == 8) {
        const TRect r = g.ColonDot(x0, 0);
        return QPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    }
    const QVector<QPoint> polygon = g.Segment(x0, position);
    QPoint sum;
    for (int i = 0; i < 6; ++i)
        sum += polygon[i];
    return sum / 6;
}
