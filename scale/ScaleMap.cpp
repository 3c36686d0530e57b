#include "scale/ScaleMap.h"

TScaleMap TScaleMap::Inverted() const
{
    return WithExtent(s1_, s2_, p1_ + extent_, -extent_, arithmetic_);
}

double TScaleMap::InvOffset(double p) const
{
    if (s2_ == s1_ || extent_ == 0)
        return 0;
    if (arithmetic_ == TArithmetic::Factor)
        return (p - p1_) / factor_;
    return (p - p1_) * (s2_ - s1_) / extent_;
}
