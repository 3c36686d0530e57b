#include "framework/KeptLayer.h"

bool TKeptLayer::CopyTo(TBitmap& target) const
{
    QImage& to = target.Image();
    if (to.size() != bitmap_.Image().size())
        return false;
    // Shared until the target is drawn on: a picture shown as it is costs
    // no copy, one drawn over is copied once, by that drawing.
    to = bitmap_.Image();
    return true;
}
