#pragma once
// Region data in the classic platform's byte layout, to and from QRegion.
//
// Layout (all fields little-endian 32-bit):
//   header, 32 bytes: dwSize (= 32), iType (= 1, rectangles), nCount,
//                     nRgnSize (bytes of rectangles), rcBound (left, top, right, bottom)
//   then nCount rectangles of 16 bytes: left, top, right, bottom (right/bottom exclusive).
// Windows sometimes writes nRgnSize as 0; readers accept any value there and
// trust nCount, which must agree with the length of the data.

#include <QByteArray>
#include <QRegion>

namespace RegionData {

constexpr int HeaderSize = 32;
constexpr int RectSize = 16;
constexpr quint32 TypeRectangles = 1;
// The classic platform keeps device coordinates within 27 bits; larger
// values can only come from damaged data.
constexpr qint32 CoordinateLimit = (1 << 27) - 1;

// The record for the region: header plus its rectangles in y-x order.
// An empty region gives a header with no rectangles.
QByteArray FromRegion(const QRegion& region);

// Rebuilds the region from a record. Throws Exception naming what is wrong
// for data that is not such a record (short, wrong header, wrong count,
// coordinates out of range). Empty rectangles are skipped.
QRegion ToRegion(const QByteArray& data);

} // namespace RegionData
