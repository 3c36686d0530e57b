// The thermometer in a window description: only what differs from the
// declared defaults is written, records as Record.Field, and reading the text
// back gives the same thermometer.

#include "framework/StreamReader.h"
#include "framework/StreamWriter.h"
#include "support/DemoState.h"
#include "widgets/RegisterWidgets.h"
#include "widgets/VrThermoMeter.h"

#include <gtest/gtest.h>

#include <memory>

TEST(ThermoMeterStream, DemoInstanceRoundTrip)
{
    RegisterWidgetsComponents();
    TvrThermoMeter t;
    t.setObjectName(QStringLiteral("vrThermoMeter"));
    t.SetBounds(78, 11, 89, 153);
    ApplyDemoState(t);

    const QString text = TStreamWriter::Write(&t);
    EXPECT_TRUE(text.contains(QStringLiteral("ColorAfter = clBtnFace"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Scale.Offset = 20")));
    EXPECT_TRUE(text.contains(QStringLiteral("Scale.Color = clBlack"))); // differs from the declared clNavy
    EXPECT_TRUE(text.contains(QStringLiteral("Value.Shape = voLine")));
    EXPECT_TRUE(text.contains(QStringLiteral("Caption = 'vrThermoMeter'")));
    EXPECT_FALSE(text.contains(QStringLiteral("Direction")));
    EXPECT_TRUE(text.contains(QStringLiteral("Scale.Max = 50")));
    EXPECT_FALSE(text.contains(QStringLiteral("Scale.Min")));
    EXPECT_FALSE(text.contains(QStringLiteral("Bitmap")));

    std::unique_ptr<QObject> back(TStreamReader::Read(text, QStringLiteral("thermometer")));
    auto* read = qobject_cast<TvrThermoMeter*>(back.get());
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->Width(), 89);
    EXPECT_EQ(read->ColorAfter(), clBtnFace);
    EXPECT_EQ(read->Scale()->Offset(), 20);
    EXPECT_EQ(read->Scale()->Color(), clBlack);
    EXPECT_FALSE(read->Value()->Visible());
    EXPECT_EQ(read->Value()->Color(), clAqua);
    EXPECT_EQ(read->Caption(), QStringLiteral("vrThermoMeter"));
    EXPECT_EQ(read->PaintToImage(), t.PaintToImage());
}

TEST(ThermoMeterStream, OwnMarkerPictureIsStored)
{
    RegisterWidgetsComponents();
    TvrThermoMeter t;
    TBitmap dot(3, 3);
    dot.Canvas().Brush.Color = clRed;
    dot.Canvas().FillRect(TRect(0, 0, 2, 2));
    t.PeakMax()->SetBitmap(dot);
    const QString text = TStreamWriter::Write(&t);
    EXPECT_TRUE(text.contains(QStringLiteral("PeakMax.Bitmap = {")));
    std::unique_ptr<QObject> back(TStreamReader::Read(text, QStringLiteral("thermometer")));
    auto* read = qobject_cast<TvrThermoMeter*>(back.get());
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->PeakMax()->Bitmap().Image(), dot.Image());
    EXPECT_EQ(read->Value()->Bitmap().Width(), 6);
}
