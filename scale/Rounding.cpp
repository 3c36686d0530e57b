#include "scale/Rounding.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

double Rounded(double v, TRounding rule)
{
    switch (rule) {
    case TRounding::Truncate: return std::trunc(v);
    case TRounding::Floor: return std::floor(v);
    case TRounding::HalfUp: return std::floor(v + 0.5);
    case TRounding::HalfEven: return std::nearbyint(v);
    case TRounding::HalfAway: return std::round(v);
    }
    return std::trunc(v);
}

} // namespace

int RoundToPixel(double value, TRounding rule)
{
    if (std::isnan(value))
        return 0;
    constexpr double low = std::numeric_limits<int>::min(), high = std::numeric_limits<int>::max();
    return int(std::clamp(Rounded(value, rule), low, high));
}
