#include "diagram/DiagramMapping.h"

#include "diagram/DiagramDraw.h"
#include "diagram/DiagramSettings.h"

using DiagramDraw::ScaleInt;

namespace {

// The correction needs a pixel or two; the cap only guards against layouts
// whose area and axis disagree, or inverted ranges.
constexpr int kMaxCorrectionSteps = 1 << 16;

} // namespace

TDiagramMapping::TDiagramMapping(const TDiagramSettings& settings, const TRect& area, int xOrigin, int xAxisWidth,
                                 int yOrigin, int yAxisHeight)
    : settings_(settings), area_(area), xOrigin_(xOrigin), xAxisWidth_(xAxisWidth), yOrigin_(yOrigin),
      yAxisHeight_(yAxisHeight)
{
}

int TDiagramMapping::XValue(int px) const
{
    const int span = area_.Right - area_.Left;
    if (span == 0)
        return 0;
    const TDiagramSettings& s = settings_;
    return ScaleInt(int64_t(s.MaxXValue) - s.MinXValue, px - area_.Left, span) + s.MinXValue;
}

int TDiagramMapping::YValue(int py) const
{
    const int span = area_.Bottom - area_.Top;
    if (span == 0)
        return 0;
    const TDiagramSettings& s = settings_;
    return ScaleInt(int64_t(area_.Bottom) - py, int64_t(s.MaxYValue) - s.MinYValue, span) + s.MinYValue;
}

int TDiagramMapping::XPixel(int value) const
{
    const TDiagramSettings& s = settings_;
    if (s.MinXValue == s.MaxXValue)
        return 0;
    int px = ScaleInt(int64_t(value) - s.MinXValue, xAxisWidth_, int64_t(s.MaxXValue) - s.MinXValue) + xOrigin_;
    for (int step = 0; step < kMaxCorrectionSteps; ++step) {
        if (XValue(px) < value && XValue(px + 1) <= value)
            ++px;
        else if (XValue(px) > value && XValue(px - 1) >= value)
            --px;
        else
            break;
    }
    return px;
}

int TDiagramMapping::YPixel(int value) const
{
    const TDiagramSettings& s = settings_;
    if (s.MinYValue == s.MaxYValue)
        return 0;
    int py = yOrigin_ - ScaleInt(int64_t(value) - s.MinYValue, yAxisHeight_, int64_t(s.MaxYValue) - s.MinYValue);
    for (int step = 0; step < kMaxCorrectionSteps; ++step) {
        if (YValue(py) < value && YValue(py - 1) <= value)
            --py;
        else if (YValue(py) > value && YValue(py + 1) >= value)
            ++py;
        else
            break;
    }
    return py;
}
