#pragma once
// TRect2D: a rectangle in data units, passed by value.

struct TRect2D {
    double XMin = 0;
    double YMin = 0;
    double XMax = 0;
    double YMax = 0;

    bool operator==(const TRect2D&) const = default;
};
