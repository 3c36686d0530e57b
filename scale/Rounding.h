#pragma once
// How a map's real position becomes a pixel. Every component chose its own
// rule long ago and its pictures depend on it, so the rule is the caller's
// explicit choice, never a default of the map.

enum class TRounding {
    Truncate, // toward zero
    Floor, // toward minus infinity
    HalfUp, // floor(v + 0.5): halves toward plus infinity
    HalfEven, // nearest, halves to the even neighbour
    HalfAway, // nearest, halves away from zero
};

// Rounds by `rule` and holds the result inside int; not-a-number gives 0.
int RoundToPixel(double value, TRounding rule);
