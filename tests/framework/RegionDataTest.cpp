#include "framework/RegionData.h"

#include "framework/Exception.h"

#include <QtEndian>
#include <gtest/gtest.h>

namespace {

QByteArray Ints(std::initializer_list<qint32> values)
{
    QByteArray out;
    for (qint32 v : values) {
        char b[4];
        qToLittleEndian<qint32>(v, b);
        out.append(b, 4);
    }
    return out;
}

QByteArray Record(std::initializer_list<QRect> rects, qint32 announcedCount = -1)
{
    const qint32 n = announcedCount >= 0 ? announcedCount : qint32(rects.size());
    QByteArray out = Ints({32, 1, n, n * 16, 0, 0, 0, 0});
    for (const QRect& r : rects)
        out += Ints({r.left(), r.top(), r.left() + r.width(), r.top() + r.height()});
    return out;
}

std::string ErrorOf(const QByteArray& data)
{
    try {
        RegionData::ToRegion(data);
    } catch (const Exception& e) {
        return e.what();
    }
    return "no error";
}

} // namespace

TEST(RegionData, WritesTheClassicByteLayout)
{
    // Two bands: x 2..4 on row 1, then x 0..1 and 5..6 on rows 3..4.
    QRegion region(QRect(2, 1, 3, 1));
    region += QRect(0, 3, 2, 2);
    region += QRect(5, 3, 2, 2);

    const QByteArray expected = Ints({32, 1, 3, 48, /*bound*/ 0, 1, 7, 5,
                                      2, 1, 5, 2,
                                      0, 3, 2, 5,
                                      5, 3, 7, 5});
    EXPECT_EQ(RegionData::FromRegion(region), expected);
}

TEST(RegionData, EmptyRegionIsAHeaderWithoutRectangles)
{
    const QByteArray data = RegionData::FromRegion(QRegion());
    EXPECT_EQ(data, Ints({32, 1, 0, 0, 0, 0, 0, 0}));
    EXPECT_TRUE(RegionData::ToRegion(data).isEmpty());
}

TEST(RegionData, RoundTripsBothWays)
{
    QRegion region;
    for (int y = 0; y < 40; y += 3)
        for (int x = y % 7; x < 60; x += 9)
            region += QRect(x, y, 4, 2);
    const QByteArray bytes = RegionData::FromRegion(region);
    EXPECT_EQ(RegionData::ToRegion(bytes), region);
    EXPECT_EQ(RegionData::FromRegion(RegionData::ToRegion(bytes)), bytes);
}

TEST(RegionData, ReadsUnsortedOverlappingRectanglesAsTheirUnion)
{
    // Another writer may list rectangles in any order, overlapping, and
    // leave the size field and the bound at zero.
    const QByteArray data = Record({QRect(5, 5, 4, 4), QRect(0, 0, 6, 6), QRect(3, 3, 1, 1)});
    const QRegion expected = QRegion(0, 0, 6, 6) + QRegion(5, 5, 4, 4);
    EXPECT_EQ(RegionData::ToRegion(data), expected);
}

TEST(RegionData, SkipsEmptyAndInvertedRectangles)
{
    QByteArray data = Record({QRect(1, 1, 2, 2)}, 3);
    data += Ints({4, 4, 4, 9}); // zero width
    data += Ints({9, 9, 2, 2}); // inverted
    EXPECT_EQ(RegionData::ToRegion(data), QRegion(1, 1, 2, 2));
}

TEST(RegionData, RefusesDamagedRecordsWithAClearMessage)
{
    EXPECT_EQ(ErrorOf(QByteArray(31, '\0')), "Region data too short: 31 bytes, the header alone takes 32");

    QByteArray badSize = Record({});
    badSize[0] = 40;
    EXPECT_EQ(ErrorOf(badSize), "Region data header size is 40, expected 32");

    QByteArray badType = Record({});
    badType[4] = 2;
    EXPECT_EQ(ErrorOf(badType), "Region data type is 2, expected rectangles (1)");

    EXPECT_EQ(ErrorOf(Record({QRect(0, 0, 1, 1)}, 2)),
              "Region data holds 48 bytes, but its header announces 2 rectangles");
    // A count near 2^32 must not wrap around into a plausible size.
    QByteArray huge = Record({});
    huge[8] = char(0xFF), huge[9] = char(0xFF), huge[10] = char(0xFF), huge[11] = char(0xFF);
    EXPECT_EQ(ErrorOf(huge), "Region data holds 32 bytes, but its header announces 4294967295 rectangles");

    QByteArray far = Record({}, 1) + Ints({0, 0, 1 << 30, 5});
    EXPECT_EQ(ErrorOf(far), "Region data rectangle 0 lies outside the coordinate range");
}
