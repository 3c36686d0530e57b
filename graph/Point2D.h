#pragma once
// TPoint2D: one sample of a trend series. Held in double precision: a year
// of one-second samples is 31 million points, stored side by side, and
// 16 bytes a point keeps such a series in memory and in cache; doubles still
// resolve a second within a century of X values.

struct TPoint2D {
    double X = 0;
    double Y = 0;
};
