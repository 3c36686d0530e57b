#include "framework/KeptLayer.h"

#include <cstring>

bool TKeptLayer::CopyTo(TBitmap& target) const
{
    const QImage& from = bitmap_.Image();
    QImage& to = target.Image();
    if (to.size() != from.size())
        return false;
    // A target that owns its pixels keeps them: no allocation per paint.
    if (to.isDetached() && to.format() == from.format() && to.bytesPerLine() == from.bytesPerLine())
        std::memcpy(to.bits(), from.constBits(), size_t(from.sizeInBytes()));
    else
        to = from;
    return true;
}
