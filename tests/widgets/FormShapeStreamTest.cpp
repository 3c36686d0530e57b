// The shaped window through window descriptions: "RgnData" as a counted
// binary block, read back into a window that takes the stored shape.

#include "widgets/VrFormShape.h"

#include "framework/ComponentRegistry.h"
#include "framework/Exception.h"
#include "framework/RegionData.h"
#include "framework/StreamReader.h"
#include "framework/StreamWriter.h"

#include <QRegularExpression>
#include <gtest/gtest.h>
#include <memory>

// A bare top-level window standing in for a form.
class TShapeHost : public TControl {
    Q_OBJECT
public:
    explicit TShapeHost(QWidget* parent = nullptr) : TControl(parent) {}
};

namespace {

void RegisterOnce()
{
    static const bool done = [] {
        RegisterComponents(QStringLiteral("Shape tests"),
                           {TComponentClass::Of<TShapeHost>(), TComponentClass::Of<TVrFormShape>()});
        return true;
    }();
    Q_UNUSED(done);
}

QRegion PanelRegion()
{
    QRegion r(4, 0, 30, 2);
    r += QRect(0, 2, 38, 20);
    return r;
}

// The text of the description without spaces and line breaks.
QString Squeezed(QString text) { return text.remove(QRegularExpression(QStringLiteral("\\s"))); }

} // namespace

TEST(FormShapeStream, RegionDataRoundTripsThroughADescription)
{
    RegisterOnce();
    TShapeHost form;
    form.setObjectName("GraphForm");
    form.resize(40, 24);
    auto* shape = new TVrFormShape(&form);
    shape->setObjectName("VrFormShape1");
    shape->SetMaskColor(clWhite);
    const QByteArray bytes = RegionData::FromRegion(PanelRegion());
    shape->SetRgnData(bytes);

    const QString text = TStreamWriter::Write(&form);
    const QString shapeText = text.mid(text.indexOf(QStringLiteral("object VrFormShape1")));
    // A 32-bit little-endian byte count (64: header and two rectangles), then the record.
    const QString hex = QString::fromLatin1(bytes.toHex().toUpper());
    EXPECT_TRUE(Squeezed(shapeText).contains(QStringLiteral("RgnData={40000000") + hex + "}")) << text.toStdString();
    EXPECT_TRUE(shapeText.contains(QStringLiteral("MaskColor = clWhite"))) << text.toStdString();
    EXPECT_FALSE(shapeText.contains(QStringLiteral("Mask =")));       // no picture, nothing stored
    EXPECT_FALSE(shapeText.contains(QRegularExpression(QStringLiteral("\\bColor =")))); // only as MaskColor

    std::unique_ptr<QObject> copy(TStreamReader::Read(text, QStringLiteral("round trip")));
    auto* form2 = qobject_cast<TShapeHost*>(copy.get());
    ASSERT_NE(form2, nullptr);
    auto* shape2 = form2->findChild<TVrFormShape*>("VrFormShape1");
    ASSERT_NE(shape2, nullptr);
    EXPECT_EQ(shape2->RgnData(), bytes);
    EXPECT_EQ(shape2->MaskColor(), clWhite);
    EXPECT_EQ(form2->mask(), PanelRegion());
}

TEST(FormShapeStream, EmptyShapeIsWrittenAsAZeroCount)
{
    RegisterOnce();
    TShapeHost form;
    form.setObjectName("F");
    auto* shape = new TVrFormShape(&form);
    shape->setObjectName("S");
    EXPECT_TRUE(Squeezed(TStreamWriter::Write(&form)).contains("RgnData={00000000}"));
}

TEST(FormShapeStream, MaskPictureTravelsWithTheDescription)
{
    RegisterOnce();
    TShapeHost form;
    form.setObjectName("F");
    auto* shape = new TVrFormShape(&form);
    shape->setObjectName("S");
    shape->SetMaskColor(clWhite);
    TBitmap mask(8, 4);
    mask.Canvas().Brush.Color = clWhite;
    mask.Canvas().FillRect(TRect(0, 0, 8, 4));
    mask.Canvas().Brush.Color = clRed;
    mask.Canvas().FillRect(TRect(1, 1, 4, 3));
    shape->SetMask(mask);

    std::unique_ptr<QObject> copy(TStreamReader::Read(TStreamWriter::Write(&form), QStringLiteral("mask")));
    auto* shape2 = copy->findChild<TVrFormShape*>("S");
    ASSERT_NE(shape2, nullptr);
    EXPECT_EQ(shape2->Mask().Image(), mask.Image());
    EXPECT_EQ(static_cast<QWidget*>(copy.get())->mask(), QRegion(1, 1, 3, 2));
}

TEST(FormShapeStream, DamagedRegionDataIsAReadErrorNamingTheLine)
{
    RegisterOnce();
    // The count says 36 bytes follow, and 36 do, but the record's header is wrong.
    const QString text = QStringLiteral(
        "object F: TShapeHost\n"
        "  object S: TVrFormShape\n"
        "    RgnData = {\n"
        "      24000000 28000000 01000000 00000000 00000000 00000000 00000000\n"
        "      00000000 00000000 00000000}\n"
        "  end\n"
        "end\n");
    try {
        std::unique_ptr<QObject> form(TStreamReader::Read(text, QStringLiteral("bad.dfm")));
        FAIL() << "damaged region data was accepted";
    } catch (const EReadError& e) {
        EXPECT_TRUE(e.Message.contains("bad.dfm")) << e.what();
        EXPECT_TRUE(e.Message.contains("RgnData")) << e.what();
        EXPECT_TRUE(e.Message.contains("header size is 40")) << e.what();
    }
}

TEST(FormShapeStream, ShapeOnAPanelIsAReadError)
{
    RegisterOnce();
    const QString text = QStringLiteral(
        "object F: TShapeHost\n"
        "  object P: TShapeHost\n"
        "    object S: TVrFormShape\n"
        "    end\n"
        "  end\n"
        "end\n");
    try {
        std::unique_ptr<QObject> form(TStreamReader::Read(text, QStringLiteral("panel.dfm")));
        FAIL() << "a form shape was placed on a panel";
    } catch (const EReadError& e) {
        EXPECT_TRUE(e.Message.contains("panel.dfm")) << e.what();
        EXPECT_TRUE(e.Message.contains("VrFormShape requires a FORM as parent!")) << e.what();
    }
}

#include "FormShapeStreamTest.moc"
