#pragma once
// TDiagramMapping: values to pixels and back for a diagram's last layout.
// Pixels to values divide the axis range over the plotting area, truncating
// toward zero; a value's pixel is the pixel whose value it is, or the last
// one before the values pass it, found from the proportional estimate.
// A zero-length range maps everything to 0.

#include "framework/Rect.h"

class TDiagramSettings;

class TDiagramMapping {
public:
    // area: the plotting area; the axes start at xOrigin and yOrigin and are
    // xAxisWidth and yAxisHeight long.
    TDiagramMapping(const TDiagramSettings& settings, const TRect& area, int xOrigin, int xAxisWidth, int yOrigin,
                    int yAxisHeight);

    int XValue(int px) const;
    int YValue(int py) const;
    int XPixel(int value) const;
    int YPixel(int value) const;

private:
    const TDiagramSettings& settings_;
    TRect area_;
    int xOrigin_, xAxisWidth_, yOrigin_, yAxisHeight_;
};
