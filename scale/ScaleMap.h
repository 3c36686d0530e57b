#pragma once
// TScaleMap: a linear map between a scale interval (values S1..S2) and a paint
// interval (P1 .. P1 + Extent: pixels, or an angle), with its exact inverse.
//
// The paint interval is kept as its start and its extent, so an extent such
// as 3 pi / 2 is used as given and not recomputed from two rounded ends. An
// inverted map (larger values at smaller pixels, such as a vertical scale
// with its maximum at the top) is the same map with its paint ends swapped
// (Inverted()), or one given with its scale ends in the order the paint runs.
//
// Two ways of evaluating the same straight line differ in their last bit, and
// a pixel that lies on a rounding boundary follows that bit. Each component
// keeps the arithmetic its pictures were drawn with:
//   Exact   offset = (s - S1) * Extent / (S2 - S1)  (one rounding of the product's quotient)
//   Factor  offset = (s - S1) * f, f = Extent / (S2 - S1) computed once
// A scale without width (S1 = S2) maps every value to P1 and every position to S1.

#include "scale/Rounding.h"

class TScaleMap {
public:
    enum class TArithmetic { Exact, Factor };

    TScaleMap() = default;
    // The paint interval P1..P2.
    TScaleMap(double s1, double s2, double p1, double p2, TArithmetic arithmetic = TArithmetic::Exact)
        : TScaleMap(WithExtent(s1, s2, p1, p2 - p1, arithmetic))
    {
    }
    // The paint interval P1 .. P1 + extent, the extent taken as it is.
    static TScaleMap WithExtent(
        double s1, double s2, double p1, double extent, TArithmetic arithmetic = TArithmetic::Exact)
    {
        TScaleMap map;
        map.s1_ = s1;
        map.s2_ = s2;
        map.p1_ = p1;
        map.extent_ = extent;
        map.arithmetic_ = arithmetic;
        map.factor_ = s2 == s1 ? 0.0 : extent / (s2 - s1);
        return map;
    }

    double S1() const { return s1_; }
    double S2() const { return s2_; }
    double P1() const { return p1_; }
    double P2() const { return p1_ + extent_; }
    double Extent() const { return extent_; }
    TArithmetic Arithmetic() const { return arithmetic_; }
    // Larger values lie at smaller paint positions.
    bool IsInverting() const { return (extent_ < 0) != (s2_ < s1_); }
    // The same scale painted the other way: P1 and P2 swapped.
    TScaleMap Inverted() const;

    // Paint distance of `s` from P1, and the paint position.
    double Offset(double s) const
    {
        if (s2_ == s1_)
            return 0;
        if (arithmetic_ == TArithmetic::Factor)
            return (s - s1_) * factor_;
        return (s - s1_) * extent_ / (s2_ - s1_);
    }
    double Transform(double s) const { return Offset(s) + p1_; }
    // Scale distance of paint position `p` from S1, and the value.
    double InvOffset(double p) const;
    double InvTransform(double p) const { return InvOffset(p) + s1_; }

    // The pixel of `s`: the paint position rounded by the caller's rule.
    int Pixel(double s, TRounding rule) const { return RoundToPixel(Transform(s), rule); }
    // The pixel distance of `s` from P1, rounded by the caller's rule; for
    // callers that round before adding their integer origin.
    int OffsetPixels(double s, TRounding rule) const { return RoundToPixel(Offset(s), rule); }

private:
    double s1_ = 0, s2_ = 1, p1_ = 0, extent_ = 1;
    double factor_ = 1;
    TArithmetic arithmetic_ = TArithmetic::Exact;
};
