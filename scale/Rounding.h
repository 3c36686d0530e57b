#pragma once
// How a map's real position becomes a pixel. Every component chose its own
// rule long ago and its pictures depend on it, so the rule is the caller's
// explicit choice, never a default of the map.

#include <algorithm>
#include <cmath>
#include <limits>

enum class TRounding {
    Truncate, // toward zero
    Floor, // toward minus infinity
    HalfUp, // floor(v + 0.5): halves toward plus infinity
    HalfEven, // nearest, halves to the even neighbour
    HalfAway, // nearest, halves away from zero
};

// Rounds by `rule` and holds the result inside int; not-a-number gives 0.
// Inline: it runs for every pixel a map places.
inline int RoundToPixel(double value, TRounding rule)
{
    if (std::isnan(value))
        return 0;
    double r = std::trunc(value);
    switch (rule) {
    case TRounding::Truncate: break;
    case TRounding::Floor: r = std::floor(value); break;
    case TRounding::HalfUp: r = std::floor(value + 0.5); break;
    case TRounding::HalfEven: r = std::nearbyint(value); break;
    case TRounding::HalfAway: r = std::round(value); break;
    }
    constexpr double low = std::numeric_limits<int>::min(), high = std::numeric_limits<int>::max();
    return int(std::clamp(r, low, high));
}
