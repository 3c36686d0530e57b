#pragma once
// TIntScaleMap: the integer form of a scale map, for scales whose values and
// pixels are whole numbers (a diagram's axis, the n-th of n ticks, a level in
// a picture). Products are taken in 64 bits and quotients truncate toward
// zero, in both directions:
//   Pixel(s) = P1 + (s - S1) * (P2 - P1) / (S2 - S1)
//   Value(p) = S1 + (p - P1) * (S2 - S1) / (P2 - P1)
// Truncating both ways makes them disagree by a pixel here and there;
// AgreeingPixel is the pixel whose value reads back as close to `s` as the
// inverse allows. An inverted map has P2 < P1 (or S2 < S1). A scale without
// width maps every value to P1, a paint interval without width every pixel to S1.

#include <cstdint>

class TIntScaleMap {
public:
    TIntScaleMap(int64_t s1, int64_t s2, int64_t p1, int64_t p2) : s1_(s1), s2_(s2), p1_(p1), p2_(p2) { }

    int64_t S1() const { return s1_; }
    int64_t S2() const { return s2_; }
    int64_t P1() const { return p1_; }
    int64_t P2() const { return p2_; }
    TIntScaleMap Inverted() const { return {s1_, s2_, p2_, p1_}; }

    int64_t Offset(int64_t s) const { return s2_ == s1_ ? 0 : (s - s1_) * (p2_ - p1_) / (s2_ - s1_); }
    int Pixel(int64_t s) const { return int(p1_ + Offset(s)); }
    int Value(int64_t p) const { return p2_ == p1_ ? int(s1_) : int(s1_ + (p - p1_) * (s2_ - s1_) / (p2_ - p1_)); }

    // From Pixel(s), steps towards larger or smaller values while the next
    // pixel's value does not pass `s` and this one's falls short of it; at
    // most `maxSteps` steps (a guard against layouts that contradict themselves).
    int AgreeingPixel(int64_t s, int maxSteps) const;

private:
    int64_t s1_, s2_, p1_, p2_;
};
