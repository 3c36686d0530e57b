#include "framework/KeptLayer.h"

#include <cstring>

namespace {

bool SameLayout(const QImage& a, const QImage& b)
{
    return a.size() == b.size() && a.format() == b.format() && a.bytesPerLine() == b.bytesPerLine();
}

void CopyRows(QImage& into, const QImage& from, const QRect& rect)
{
    const int bytesPerPixel = from.depth() / 8;
    const size_t rowBytes = size_t(rect.width() * bytesPerPixel);
    const int offset = rect.left() * bytesPerPixel;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        std::memcpy(into.scanLine(y) + offset, from.constScanLine(y) + offset, rowBytes);
}

} // namespace

void TKeptLayer::KeepCopyOf(const QImage& picture)
{
    QImage& kept = bitmap_.Image();
    if (SameLayout(kept, picture) && kept.isDetached())
        std::memcpy(kept.bits(), picture.constBits(), size_t(picture.sizeInBytes()));
    else
        kept = picture.copy();
    kept_ = true;
}

bool TKeptLayer::CopyTo(QImage& target) const
{
    const QImage& from = bitmap_.Image();
    if (target.size() != from.size())
        return false;
    if (SameLayout(target, from) && target.isDetached())
        std::memcpy(target.bits(), from.constBits(), size_t(from.sizeInBytes()));
    else
        target = from.copy();
    return true;
}

bool TKeptLayer::CopyTo(QImage& target, const QRegion& region) const
{
    const QImage& from = bitmap_.Image();
    if (!SameLayout(target, from))
        return false;
    for (const QRect& r : region) {
        const QRect clipped = r.intersected(from.rect());
        if (!clipped.isEmpty())
            CopyRows(target, from, clipped);
    }
    return true;
}
