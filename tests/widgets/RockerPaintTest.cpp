#include "widgets/VrRocker.h"

#include "support/TestSupport.h"

#include <QApplication>
#include <QMetaEnum>
#include <QMetaProperty>
#include <QTest>
#include <gtest/gtest.h>

namespace {

constexpr TColor Face = clNavy;
constexpr TColor Light = clWhite;     // HighlightColor
constexpr TColor Pressed = clSilver;  // ShadowLightColor
constexpr TColor Shadow = clGray;     // ShadowColor

// The demo's 25 x 57 rocker in colours that tell the bands apart. Inside the
// one-pixel outline: T 1, B 56, h 55, m 27, Depth 2.
struct PaintedRocker {
    TVrRocker rocker;
    explicit PaintedRocker(TVrRocker::TVrRockerState state)
    {
        rocker.resize(25, 57);
        rocker.SetColor(Face);
        rocker.SetHighlightColor(Light);
        rocker.SetShadowLightColor(Pressed);
        rocker.SetShadowColor(Shadow);
        rocker.SetStyle(TVrRocker::rsSwitch);
        rocker.SetState(state);
        rocker.PaintToImage();
    }
    TColor At(int x, int y) const { return PixelColor(const_cast<TVrRocker&>(rocker).OffscreenBitmap().Image(), x, y); }

    // Every inner row from `from` to `to` inclusive has `color` across the full inner width.
    void ExpectRows(int from, int to, TColor color) const
    {
        for (int y = from; y <= to; ++y)
            for (int x : {1, 12, 23})
                ASSERT_EQ(At(x, y), color) << "x " << x << " y " << y;
    }
    void ExpectOutline(TColor color) const
    {
        for (int x = 0; x < 25; ++x) {
            ASSERT_EQ(At(x, 0), color) << x;
            ASSERT_EQ(At(x, 56), color) << x;
        }
        for (int y = 0; y < 57; ++y) {
            ASSERT_EQ(At(0, y), color) << y;
            ASSERT_EQ(At(24, y), color) << y;
        }
    }
};

QString DefaultText(const QObject& o, const QMetaProperty& p)
{
    const QVariant v = p.read(&o);
    if (p.isEnumType())
        return QString::fromLatin1(p.enumerator().valueToKey(v.toInt()));
    if (QByteArray(p.typeName()) == "bool")
        return v.toBool() ? "True" : "False";
    if (QByteArray(p.name()).endsWith("Color"))
        return ColorToString(v.toInt());
    return v.toString();
}

} // namespace

TEST(RockerBands, UpperDown)
{
    PaintedRocker r(TVrRocker::stUpperDown);
    r.ExpectOutline(clBlack);
    r.ExpectRows(1, 27, Pressed);  // upper band T .. T+m
    r.ExpectRows(28, 50, Light);   // lower band T+m .. T+2m-2d
    r.ExpectRows(51, 55, Shadow);  // bottom band T+2m-2d .. B
}

TEST(RockerBands, LowerDown)
{
    PaintedRocker r(TVrRocker::stLowerDown);
    r.ExpectOutline(clBlack);
    r.ExpectRows(1, 4, Light);     // top band T .. T+2d
    r.ExpectRows(5, 27, Shadow);   // upper band T+2d .. T+m
    r.ExpectRows(28, 55, Pressed); // lower band T+m .. B
}

TEST(RockerBands, Released)
{
    PaintedRocker r(TVrRocker::stNone);
    r.ExpectOutline(clBlack);
    r.ExpectRows(1, 2, Light);     // top band T .. T+d
    r.ExpectRows(3, 27, Shadow);   // upper band T+d .. T+m
    r.ExpectRows(28, 52, Light);   // lower band T+m .. T+2m-d
    r.ExpectRows(53, 55, Shadow);  // bottom band T+2m-d .. B
}

TEST(RockerBands, WiderOutlineMovesTheBandsIn)
{
    TVrRocker rocker;
    rocker.resize(20, 40);
    rocker.SetOutlineColor(clRed);
    rocker.SetOutlineWidth(3);
    rocker.SetHighlightColor(Light);
    rocker.SetShadowColor(Shadow);
    const QImage& img = rocker.PaintToImage(); // stNone; inner (3, 3, 17, 37): m 17
    EXPECT_EQ(PixelColor(img, 2, 20), clRed);
    EXPECT_EQ(PixelColor(img, 17, 20), clRed);
    EXPECT_EQ(PixelColor(img, 10, 2), clRed);
    EXPECT_EQ(PixelColor(img, 3, 3), Light);
    EXPECT_EQ(PixelColor(img, 16, 5), Shadow);
    EXPECT_EQ(PixelColor(img, 10, 20), Light);
    EXPECT_EQ(PixelColor(img, 10, 36), Shadow);
}

TEST(RockerDefaults, DeclaredDefaultsMatchANewRocker)
{
    TVrRocker rocker;
    EXPECT_EQ(rocker.width(), 12);
    EXPECT_EQ(rocker.height(), 40);
    const QMetaObject* meta = rocker.metaObject();
    int checked = 0;
    for (int i = meta->classInfoOffset(); i < meta->classInfoCount(); ++i) { // the rocker's own
        const QByteArray key = meta->classInfo(i).name();
        if (!key.startsWith("default:"))
            continue;
        const QByteArray name = key.mid(8);
        const int index = meta->indexOfProperty(name);
        ASSERT_GE(index, 0) << name.constData();
        EXPECT_EQ(DefaultText(rocker, meta->property(index)), QString::fromLatin1(meta->classInfo(i).value()))
            << name.constData();
        ++checked;
    }
    EXPECT_GE(checked, 10);
}

TEST(RockerBands, FocusedOutlineTakesFocusColourAndAClickFocusesATabStop)
{
    TVrRocker rocker;
    rocker.resize(25, 57);
    rocker.SetTabStop(true);
    rocker.show();
    QApplication::setActiveWindow(&rocker);
    QTest::mousePress(&rocker, Qt::LeftButton, {}, QPoint(12, 40));
    QTest::mouseRelease(&rocker, Qt::LeftButton, {}, QPoint(12, 40));
    ASSERT_TRUE(rocker.Focused());
    const QImage& img = rocker.PaintToImage();
    EXPECT_EQ(PixelColor(img, 0, 30), clBlue);
    EXPECT_EQ(PixelColor(img, 24, 30), clBlue);

    rocker.clearFocus();
    EXPECT_EQ(PixelColor(rocker.PaintToImage(), 0, 30), clBlack);
}

TEST(RockerBands, WithoutTabStopAClickLeavesTheFocusAlone)
{
    TVrRocker rocker;
    rocker.resize(25, 57);
    rocker.show();
    QApplication::setActiveWindow(&rocker);
    QTest::mousePress(&rocker, Qt::LeftButton, {}, QPoint(12, 40));
    QTest::mouseRelease(&rocker, Qt::LeftButton, {}, QPoint(12, 40));
    EXPECT_FALSE(rocker.Focused());
}
