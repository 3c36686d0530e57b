#include "framework/RegionData.h"

#include "framework/Exception.h"

#include <QtEndian>
#include <span>

namespace RegionData {
namespace {

void PutInt(QByteArray& out, qint32 value)
{
    char bytes[4];
    qToLittleEndian<qint32>(value, bytes);
    out.append(bytes, 4);
}

qint32 GetInt(const QByteArray& data, qsizetype offset)
{
    return qFromLittleEndian<qint32>(data.constData() + offset);
}

void PutRect(QByteArray& out, const QRect& r)
{
    PutInt(out, r.left());
    PutInt(out, r.top());
    PutInt(out, r.left() + r.width());
    PutInt(out, r.top() + r.height());
}

bool InRange(qint32 v) { return v >= -CoordinateLimit && v <= CoordinateLimit; }

// The rectangle at index i; an empty QRect for an empty or inverted one.
QRect RectAt(const QByteArray& data, qsizetype i)
{
    const qsizetype at = HeaderSize + i * RectSize;
    const qint32 l = GetInt(data, at), t = GetInt(data, at + 4);
    const qint32 r = GetInt(data, at + 8), b = GetInt(data, at + 12);
    if (!InRange(l) || !InRange(t) || !InRange(r) || !InRange(b))
        throw Exception(QStringLiteral("Region data rectangle %1 lies outside the coordinate range").arg(i));
    if (r <= l || b <= t)
        return {};
    return QRect(l, t, r - l, b - t);
}

// Union by halves: each rectangle takes part in log(n) merges, so even a
// large record is rebuilt in n log n rather than n squared.
QRegion Unite(std::span<const QRect> rects)
{
    if (rects.empty())
        return {};
    if (rects.size() == 1)
        return QRegion(rects.front());
    const auto half = rects.size() / 2;
    return Unite(rects.first(half)).united(Unite(rects.subspan(half)));
}

void CheckHeader(const QByteArray& data)
{
    if (data.size() < HeaderSize)
        throw Exception(QStringLiteral("Region data too short: %1 bytes, the header alone takes %2")
                            .arg(data.size())
                            .arg(HeaderSize));
    if (GetInt(data, 0) != HeaderSize)
        throw Exception(QStringLiteral("Region data header size is %1, expected %2").arg(GetInt(data, 0)).arg(HeaderSize));
    if (quint32(GetInt(data, 4)) != TypeRectangles)
        throw Exception(QStringLiteral("Region data type is %1, expected rectangles (1)").arg(GetInt(data, 4)));
    const qint64 count = quint32(GetInt(data, 8));
    if (HeaderSize + count * RectSize != data.size())
        throw Exception(QStringLiteral("Region data holds %1 bytes, but its header announces %2 rectangles")
                            .arg(data.size())
                            .arg(count));
}

} // namespace

QByteArray FromRegion(const QRegion& region)
{
    const int count = region.rectCount();
    const QRect bound = region.boundingRect();
    QByteArray out;
    out.reserve(HeaderSize + count * RectSize);
    PutInt(out, HeaderSize);
    PutInt(out, TypeRectangles);
    PutInt(out, count);
    PutInt(out, count * RectSize);
    if (count == 0) {
        for (int i = 0; i < 4; ++i)
            PutInt(out, 0);
        return out;
    }
    PutRect(out, bound);
    for (const QRect& r : region)
        PutRect(out, r);
    return out;
}

QRegion ToRegion(const QByteArray& data)
{
    CheckHeader(data);
    const qsizetype count = (data.size() - HeaderSize) / RectSize;
    std::vector<QRect> rects;
    rects.reserve(count);
    for (qsizetype i = 0; i < count; ++i) {
        const QRect r = RectAt(data, i);
        if (!r.isEmpty())
            rects.push_back(r);
    }
    return Unite(rects);
}

} // namespace RegionData
