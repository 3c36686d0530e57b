#pragma once
// TDiagramMapping: values to pixels and back for a diagram's last layout, on
// the integer scale maps of its plotting area (values grow upwards on Y).
// Pixels to values truncate toward zero; a value's pixel is the pixel whose
// value reads back as the value, or the last one before the values pass it
// (TIntScaleMap::AgreeingPixel). A zero-length range maps every value to
// pixel 0, an area without width or height every pixel to value 0; there no
// pixel reads back, and a value's pixel is its proportional place on the axis.

#include "framework/Rect.h"
#include "scale/IntScaleMap.h"

class TDiagramSettings;

class TDiagramMapping {
public:
    // area: the plotting area; the axes start at xOrigin and yOrigin and are
    // xAxisWidth and yAxisHeight long (the area's edges, once laid out).
    TDiagramMapping(const TDiagramSettings& settings, const TRect& area, int xOrigin, int xAxisWidth, int yOrigin,
                    int yAxisHeight);

    int XValue(int px) const;
    int YValue(int py) const;
    int XPixel(int value) const;
    int YPixel(int value) const;

private:
    TIntScaleMap XMap() const;
    TIntScaleMap YMap() const;

    const TDiagramSettings& settings_;
    TRect area_;
    int xOrigin_, xAxisWidth_, yOrigin_, yAxisHeight_;
};
