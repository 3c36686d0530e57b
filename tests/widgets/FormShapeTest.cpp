#include "widgets/VrFormShape.h"

#include "framework/Exception.h"
#include "framework/Form.h"
#include "framework/RegionData.h"
#include "framework/Screen.h"
#include "support/TestSupport.h"

#include <QBuffer>
#include <memory>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

// A form: a top-level window holding the shape.
struct ShapedForm {
    QWidget form;
    TVrFormShape* shape = new TVrFormShape(&form);
    ShapedForm()
    {
        form.resize(40, 30);
        shape->SetBounds(0, 0, 40, 30);
    }
};

// A white picture with coloured blocks painted on it.
std::unique_ptr<TBitmap> MaskWithBlocks(int w, int h, std::initializer_list<std::pair<QRect, TColor>> blocks)
{
    auto bmp = std::make_unique<TBitmap>(w, h);
    bmp->Canvas().Brush.Color = clWhite;
    bmp->Canvas().FillRect(TRect(0, 0, w, h));
    for (const auto& [r, color] : blocks) {
        bmp->Canvas().Brush.Color = color;
        bmp->Canvas().FillRect(TRect::FromQRect(r));
    }
    return bmp;
}

// The scan rule spelled out pixel by pixel, rectangles merged by union.
QRegion ReferenceScan(const QImage& img, TColor maskColor)
{
    const int w = img.width();
    const auto isMask = [&](int x, int y) { return PixelColor(img, x, y) == maskColor; };
    QRegion region;
    for (int y = 0; y < img.height(); ++y) {
        int x = 0;
        do {
            while (x < w - 1 && isMask(x, y))
                ++x;
            const int x0 = x++;
            while (x < w - 1 && !isMask(x, y))
                ++x;
            if (x0 < w - 1)
                region += QRect(QPoint(x0, y), QPoint(x - 1, y));
        } while (x < w - 1);
    }
    return region;
}

// Regions cover the same pixels (QRegion's == also compares how they are cut).
::testing::AssertionResult SamePixels(const QRegion& a, const QRegion& b)
{
    const QRegion diff = a.xored(b);
    if (diff.isEmpty())
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "regions differ at " << diff.rectCount() << " rectangles, first at "
                                         << diff.begin()->x() << "," << diff.begin()->y();
}

} // namespace

TEST(FormShapeMask, WhiteRowsAndColouredBlocksGiveExactlyTheBlocksLessTheLastColumn)
{
    ShapedForm f;
    f.shape->SetMaskColor(clWhite);
    // 12 x 8: a red block, a two-colour block touching the right edge, and
    // two runs on one row split by a single white pixel.
    const auto mask = MaskWithBlocks(12, 8,
                                        {{QRect(2, 1, 3, 2), clRed},
                                         {QRect(7, 2, 3, 3), clBlue},
                                         {QRect(10, 2, 2, 3), clLime},
                                         {QRect(0, 6, 4, 1), clNavy},
                                         {QRect(5, 6, 2, 1), clNavy}});
    const TCursor before = Screen::Cursor();
    f.shape->SetMask(*mask);
    EXPECT_EQ(Screen::Cursor(), before);

    QRegion expected;
    expected += QRect(2, 1, 3, 2);
    expected += QRect(7, 2, 4, 3); // x 7..10: column 11 never belongs
    expected += QRect(0, 6, 4, 1);
    expected += QRect(5, 6, 2, 1);
    EXPECT_EQ(RegionData::ToRegion(f.shape->RgnData()), expected);
    EXPECT_EQ(f.shape->RgnData(), RegionData::FromRegion(expected));
    EXPECT_EQ(f.form.mask(), expected);
}

TEST(FormShapeMask, AgreesWithThePixelByPixelRuleOnRandomPictures)
{
    QRandomGenerator random(20240607);
    for (int round = 0; round < 25; ++round) {
        const int w = 1 + random.bounded(30), h = 1 + random.bounded(20);
        TBitmap mask(w, h);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                mask.Canvas().SetPixel(x, y, random.bounded(3) == 0 ? clRed : clYellow);
        ShapedForm f;
        f.shape->SetMaskColor(clYellow);
        f.shape->SetMask(mask);
        const QRegion expected = ReferenceScan(mask.Image(), clYellow);
        if (expected.isEmpty())
            EXPECT_TRUE(f.shape->RgnData().isEmpty()) << "round " << round;
        else
            EXPECT_TRUE(SamePixels(RegionData::ToRegion(f.shape->RgnData()), expected)) << "round " << round;
        EXPECT_TRUE(SamePixels(f.form.mask(), expected)) << "round " << round;
    }
}

TEST(FormShapeMask, AllMaskPictureKeepsThePreviousShape)
{
    ShapedForm f;
    f.shape->SetMaskColor(clWhite);
    f.shape->SetMask(*MaskWithBlocks(10, 4, {{QRect(1, 1, 2, 2), clRed}}));
    const QByteArray shaped = f.shape->RgnData();
    ASSERT_FALSE(shaped.isEmpty());
    f.shape->SetMask(*MaskWithBlocks(10, 4, {}));
    EXPECT_EQ(f.shape->RgnData(), shaped);
    EXPECT_EQ(f.form.mask(), QRegion(1, 1, 2, 2));
}

TEST(FormShapeMask, ChangingTheMaskColourRescans)
{
    ShapedForm f;
    f.shape->SetMaskColor(clWhite);
    f.shape->SetMask(*MaskWithBlocks(6, 2, {{QRect(0, 0, 6, 1), clRed}}));
    EXPECT_EQ(f.form.mask(), QRegion(0, 0, 5, 1));
    f.shape->SetMaskColor(clRed);
    EXPECT_EQ(f.shape->Color(), clRed);
    EXPECT_EQ(f.form.mask(), QRegion(0, 1, 5, 1));
}

TEST(FormShapeRgnData, StoredRecordShapesTheWindowOnLoadWithoutScanningTheMask)
{
    QRegion stored(0, 0, 30, 10);
    stored += QRect(5, 10, 20, 15);
    const QByteArray bytes = RegionData::FromRegion(stored);

    ShapedForm f;
    f.shape->BeginLoading();
    f.shape->SetMaskColor(clWhite);
    // This picture would give another shape; the stored one wins.
    f.shape->SetMask(*MaskWithBlocks(40, 30, {{QRect(1, 1, 3, 3), clRed}}));
    f.shape->SetRgnData(bytes);
    EXPECT_TRUE(f.form.mask().isEmpty()); // nothing applied while loading
    f.shape->EndLoading();

    EXPECT_EQ(f.form.mask(), stored);
    EXPECT_EQ(f.shape->RgnData(), bytes);
    EXPECT_EQ(RegionData::FromRegion(RegionData::ToRegion(f.shape->RgnData())), bytes);
}

TEST(FormShapeRgnData, DescriptionWithAMaskButNoStoredShapeIsShapedFromTheMask)
{
    ShapedForm f;
    f.shape->BeginLoading();
    f.shape->SetMaskColor(clWhite);
    f.shape->SetMask(*MaskWithBlocks(10, 5, {{QRect(2, 2, 3, 2), clRed}}));
    f.shape->EndLoading();
    EXPECT_EQ(f.form.mask(), QRegion(2, 2, 3, 2));
}

TEST(FormShapeRgnData, DamagedRecordIsRefusedAndTheOldShapeStays)
{
    ShapedForm f;
    const QByteArray good = RegionData::FromRegion(QRegion(1, 1, 4, 4));
    f.shape->SetRgnData(good);
    EXPECT_EQ(f.form.mask(), QRegion(1, 1, 4, 4));
    QByteArray bad = good;
    bad.chop(3);
    EXPECT_THROW(f.shape->SetRgnData(bad), Exception);
    EXPECT_EQ(f.shape->RgnData(), good);
    EXPECT_EQ(f.form.mask(), QRegion(1, 1, 4, 4));
}

TEST(FormShapeRgnData, StreamsAsCountedBinaryBesideTheMask)
{
    const QMetaObject* meta = &TVrFormShape::staticMetaObject;
    EXPECT_STREQ(meta->classInfo(meta->indexOfClassInfo("binary:RgnData")).value(), "counted");
    EXPECT_STREQ(meta->classInfo(meta->indexOfClassInfo("default:MaskColor")).value(), "clOlive");
    EXPECT_FALSE(meta->property(meta->indexOfProperty("Color")).isStored());

    TVrFormShape shape;
    EXPECT_EQ(shape.MaskColor(), clOlive);
    EXPECT_TRUE(shape.property("RgnData").toByteArray().isEmpty());
    const QByteArray bytes = RegionData::FromRegion(QRegion(2, 3, 4, 5));
    ASSERT_TRUE(shape.setProperty("RgnData", bytes));
    EXPECT_EQ(shape.property("RgnData").toByteArray(), bytes);
}

TEST(FormShapeMaskData, PictureRoundTripsThroughItsStoredForm)
{
    TVrFormShape shape;
    EXPECT_FALSE(shape.IsMaskStored());
    EXPECT_TRUE(shape.WriteMask().isEmpty());
    const auto mask = MaskWithBlocks(9, 7, {{QRect(1, 2, 3, 4), clRed}});
    shape.SetMask(*mask);
    EXPECT_TRUE(shape.IsMaskStored());

    TVrFormShape copy;
    copy.ReadMask(shape.WriteMask());
    EXPECT_EQ(copy.Mask().Image(), mask->Image());

    // A BMP, as older descriptions hold, reads as well.
    QByteArray bmp;
    QBuffer buffer(&bmp);
    buffer.open(QIODevice::WriteOnly);
    mask->Image().save(&buffer, "BMP");
    TVrFormShape fromBmp;
    fromBmp.ReadMask(bmp);
    EXPECT_EQ(fromBmp.Mask().Image(), mask->Image());

    EXPECT_THROW(copy.ReadMask("not a picture"), Exception);
    EXPECT_EQ(copy.Mask().Image(), mask->Image());
}

TEST(FormShapeParent, OnlyAFormCanHoldIt)
{
    QWidget form;
    QWidget* panel = new QWidget(&form);
    try {
        TVrFormShape shape(panel);
        FAIL() << "created on a panel";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message, "VrFormShape requires a FORM as parent!");
    }
    EXPECT_TRUE(panel->children().isEmpty());

    TVrFormShape shape(&form);
    EXPECT_THROW(shape.SetParent(panel), Exception);
    EXPECT_EQ(shape.parentWidget(), &form);
}

TEST(FormShapeParent, SetsItsFormsBorderStyleToNone)
{
    TForm form;
    ASSERT_EQ(form.BorderStyle(), bsSizeable);
    new TVrFormShape(&form);
    EXPECT_EQ(form.BorderStyle(), bsNone);
}

TEST(FormShapeParent, MakesABareWindowFrameless)
{
    QWidget form, other;
    ASSERT_FALSE(form.windowFlags().testFlag(Qt::FramelessWindowHint));
    auto* shape = new TVrFormShape(&form);
    EXPECT_TRUE(form.windowFlags().testFlag(Qt::FramelessWindowHint));

    shape->SetRgnData(RegionData::FromRegion(QRegion(0, 0, 3, 3)));
    shape->SetParent(&other);
    EXPECT_EQ(shape->parentWidget(), &other);
    EXPECT_TRUE(other.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(other.mask(), QRegion(0, 0, 3, 3));
}

namespace {
class DraggedShape : public TVrFormShape {
public:
    using TVrFormShape::TVrFormShape;
    using TVrFormShape::MouseDown;
    using TVrFormShape::MouseMove;
    using TVrFormShape::MouseUp;
};
} // namespace

TEST(FormShapeDrag, WindowFollowsTheMouseWhereThePlatformDoesNotMoveIt)
{
    QWidget form;
    form.move(100, 100);
    auto* shape = new DraggedShape(&form);
    QSignalSpy downs(shape, &TControl::OnMouseDown);
    shape->MouseDown(mbLeft, ssLeft, 10, 10);
    EXPECT_EQ(downs.count(), 1);
    shape->MouseMove(ssLeft, 30, 25);
    EXPECT_EQ(form.pos(), QPoint(120, 115));
    // The window has moved under the mouse: the same screen point is now 10, 10 again.
    shape->MouseMove(ssLeft, 12, 10);
    EXPECT_EQ(form.pos(), QPoint(122, 115));
    shape->MouseUp(mbLeft, {}, 12, 10);
    shape->MouseMove({}, 40, 40);
    EXPECT_EQ(form.pos(), QPoint(122, 115));

    shape->MouseDown(mbRight, ssRight, 10, 10);
    shape->MouseMove(ssRight, 50, 50);
    EXPECT_EQ(form.pos(), QPoint(122, 115));
}

TEST(FormShapePaint, FaceIsTheMaskDrawnAtTheOrigin)
{
    ShapedForm f;
    f.shape->SetMaskColor(clWhite);
    const auto mask = MaskWithBlocks(40, 30, {{QRect(3, 4, 5, 6), clRed}});
    f.shape->SetMask(*mask);
    const QImage& img = f.shape->PaintToImage();
    EXPECT_EQ(PixelColor(img, 3, 4), clRed);
    EXPECT_EQ(PixelColor(img, 7, 9), clRed);
    EXPECT_EQ(PixelColor(img, 8, 4), clWhite);
    EXPECT_EQ(PixelColor(img, 0, 0), clWhite);
}

TEST(FormShapePaint, WhereTheFaceDoesNotReachTheMaskColourShows)
{
    ShapedForm f; // 40 x 30
    f.shape->SetMaskColor(clWhite);
    f.shape->SetMask(*MaskWithBlocks(20, 10, {{QRect(0, 0, 20, 10), clRed}}));
    const QImage& img = f.shape->PaintToImage();
    EXPECT_EQ(PixelColor(img, 19, 9), clRed);
    EXPECT_EQ(PixelColor(img, 20, 9), clWhite);
    EXPECT_EQ(PixelColor(img, 5, 29), clWhite);
}

TEST(FormShapePaint, AtDesignTimeADottedOutlineAndNoWindowRegion)
{
    ShapedForm f;
    f.shape->SetDesigning(true);
    f.shape->SetTransparent(false);
    f.shape->SetMaskColor(clWhite);
    f.shape->SetMask(*MaskWithBlocks(40, 30, {{QRect(5, 5, 10, 10), clRed}}));
    EXPECT_FALSE(f.shape->RgnData().isEmpty());
    EXPECT_TRUE(f.form.mask().isEmpty());

    const QImage& img = f.shape->PaintToImage();
    EXPECT_EQ(PixelColor(img, 7, 7), clRed);
    int dots = 0, gaps = 0;
    for (int x = 0; x < 40; ++x)
        (PixelColor(img, x, 0) == clBlack ? dots : gaps)++;
    EXPECT_GT(dots, 5);
    EXPECT_GT(gaps, 5);
    EXPECT_EQ(PixelColor(img, 20, 20), clWhite);
}
