#include "scale/ScaleMap.h"

TScaleMap::TScaleMap(double s1, double s2, double p1, double p2, TArithmetic arithmetic)
    : TScaleMap(WithExtent(s1, s2, p1, p2 - p1, arithmetic))
{
}

TScaleMap TScaleMap::WithExtent(double s1, double s2, double p1, double extent, TArithmetic arithmetic)
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

TScaleMap TScaleMap::Inverted() const
{
    return WithExtent(s1_, s2_, p1_ + extent_, -extent_, arithmetic_);
}

double TScaleMap::Offset(double s) const
{
    if (s2_ == s1_)
        return 0;
    if (arithmetic_ == TArithmetic::Factor)
        return (s - s1_) * factor_;
    return (s - s1_) * extent_ / (s2_ - s1_);
}

double TScaleMap::InvOffset(double p) const
{
    if (s2_ == s1_ || extent_ == 0)
        return 0;
    if (arithmetic_ == TArithmetic::Factor)
        return (p - p1_) / factor_;
    return (p - p1_) * (s2_ - s1_) / extent_;
}
