#pragma once
// Where the seven-segment display draws: the cells, the shapes of the eight
// segment positions of a cell (filled polygons, or rows of dots in the
// dot-matrix look), the colon and the decimal points.

#include "framework/Rect.h"

#include <QPoint>
#include <QVector>

struct TLCD99Options {
    int Width = 92;
    int Height = 34;
    int DigitNum = 4;
    int DigitSpacing = 5;
    int SegmentSize = 2;
    int GapX = 2;
    int GapY = 2;
    bool DotDisplay = false;
    int DotSpacing = 2;
    bool operator==(const TLCD99Options&) const = default;
};

class TLCD99Geometry {
public:
    explicit TLCD99Geometry(const TLCD99Options& options);

    // False when the control is too small (or the options too odd) for any
    // cell; then only the background is painted.
    bool Valid() const { return valid_; }
    bool Dots() const { return dots_; }
    int Spacing() const { return S_; }
    int CellWidth() const { return Wd_; }
    int CellHeight() const { return Hd_; }
    int HorizontalLength() const { return Lh_; }
    int VerticalLength() const { return Lv_; }
    int Pitch() const { return P_; }
    int DigitNum() const { return N_; }

    // Left edge of cell j (1-based).
    int CellLeft(int j) const { return (j - 1) * (S_ + Wd_) + S_; }
    // Segment positions 1..7 in segment mode: the polygon, its last point
    // repeating the first.
    QVector<QPoint> Segment(int cellLeft, int position) const;
    // The two colon dots (position 8) as ellipse boxes.
    TRect ColonDot(int cellLeft, int which) const;
    // The decimal point in front of a cell: a square, a circle in dot mode.
    TRect Point(int cellLeft) const;
    // Dot mode: the top-left corners of the dots of bar 1..7.
    QVector<QPoint> BarDots(int cellLeft, int position) const;
    // Dot mode: diameter of a dot.
    int DotSize() const { return T_; }

private:
    QVector<QPoint> EndBar(int x, int y, int L, int t) const;
    QVector<QPoint> MiddleBar(int x, int y, int L, int t) const;
    QVector<QPoint> SideBar(int x, int y, int t, int L) const;

    bool valid_ = false;
    bool dots_ = false;
    int N_ = 0, S_ = 0, T_ = 0, gx_ = 0, gy_ = 0;
    int Wd_ = 0, Hd_ = 0, Lh_ = 0, Lv_ = 0, P_ = 0;
};
