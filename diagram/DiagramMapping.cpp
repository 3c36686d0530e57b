#include "diagram/DiagramMapping.h"

#include "diagram/DiagramSettings.h"

namespace {

// The agreeing pixel lies a pixel or two from the proportional one; the cap
// only guards against an area that contradicts its range.
constexpr int kMaxCorrectionSteps = 1 << 16;

} // namespace

TDiagramMapping::TDiagramMapping(const TDiagramSettings& settings, const TRect& area, int xOrigin, int xAxisWidth,
                                 int yOrigin, int yAxisHeight)
    : settings_(settings), area_(area), xOrigin_(xOrigin), xAxisWidth_(xAxisWidth), yOrigin_(yOrigin),
      yAxisHeight_(yAxisHeight)
{
}

TIntScaleMap TDiagramMapping::XMap() const
{
    return TIntScaleMap(settings_.MinXValue, settings_.MaxXValue, area_.Left, area_.Right);
}

TIntScaleMap TDiagramMapping::YMap() const
{
    return TIntScaleMap(settings_.MinYValue, settings_.MaxYValue, area_.Bottom, area_.Top);
}

int TDiagramMapping::XValue(int px) const { return area_.Right == area_.Left ? 0 : XMap().Value(px); }

int TDiagramMapping::YValue(int py) const { return area_.Bottom == area_.Top ? 0 : YMap().Value(py); }

int TDiagramMapping::XPixel(int value) const
{
    const TDiagramSettings& s = settings_;
    if (s.MinXValue == s.MaxXValue)
        return 0;
    if (area_.Right == area_.Left)
        return TIntScaleMap(s.MinXValue, s.MaxXValue, xOrigin_, int64_t(xOrigin_) + xAxisWidth_).Pixel(value);
    return XMap().AgreeingPixel(value, kMaxCorrectionSteps);
}

int TDiagramMapping::YPixel(int value) const
{
    const TDiagramSettings& s = settings_;
    if (s.MinYValue == s.MaxYValue)
        return 0;
    if (area_.Bottom == area_.Top)
        return TIntScaleMap(s.MinYValue, s.MaxYValue, yOrigin_, int64_t(yOrigin_) - yAxisHeight_).Pixel(value);
    return YMap().AgreeingPixel(value, kMaxCorrectionSteps);
}
