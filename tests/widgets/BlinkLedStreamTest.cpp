// A front-panel LED in a window description and back.

#include "framework/Exception.h"
#include "framework/StreamReader.h"
#include "framework/StreamWriter.h"
#include "widgets/RegisterWidgets.h"
#include "widgets/VrBlinkLed.h"

#include <gtest/gtest.h>

#include <memory>

TEST(BlinkLedStream, FrontPanelLedRoundTrip)
{
    RegisterWidgetsComponents();
    TVrBlinkLed led;
    led.setObjectName(QStringLiteral("MaxTempAlarmLed"));
    led.SetBounds(311, 362, 20, 16);
    led.SetBlinkLedType(TVrBlinkLed::ltRectangle);
    led.SetBlinkSpeed(200);
    led.SetColorIndex(2);
    led.Palette1()->SetLow(clWhite);
    led.Palette3()->SetLow(clRed);
    const QString text = TStreamWriter::Write(&led);
    EXPECT_TRUE(text.contains(QStringLiteral("BlinkLedType = ltRectangle"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("BlinkSpeed = 200")));
    EXPECT_TRUE(text.contains(QStringLiteral("ColorIndex = 2")));
    EXPECT_TRUE(text.contains(QStringLiteral("Palette1.Low = clWhite")));
    // Palettes have no declared defaults: both colours are always written.
    EXPECT_TRUE(text.contains(QStringLiteral("Palette4.High = clLime")));
    EXPECT_FALSE(text.contains(QStringLiteral("Margin")));
    EXPECT_FALSE(text.contains(QStringLiteral("Transparent")));
    EXPECT_FALSE(text.contains(QStringLiteral("EnableBlinking")));

    std::unique_ptr<QObject> back(TStreamReader::Read(text, QStringLiteral("led")));
    auto* read = qobject_cast<TVrBlinkLed*>(back.get());
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->BlinkLedType(), TVrBlinkLed::ltRectangle);
    EXPECT_EQ(read->BlinkTimer().Interval(), 200);
    EXPECT_EQ(read->ColorIndex(), 2);
    EXPECT_EQ(read->Palette1()->Low(), clWhite);
    EXPECT_EQ(read->Palette3()->Low(), clRed);
    EXPECT_EQ(read->LedColor(), clAqua);
}

TEST(BlinkLedStream, BadColorIndexInADescriptionIsAnError)
{
    RegisterWidgetsComponents();
    const QString text = QStringLiteral("object Led: TVrBlinkLed\n  ColorIndex = 7\nend\n");
    try {
        delete TStreamReader::Read(text, QStringLiteral("led.dfm"));
        ADD_FAILURE() << "read an LED with ColorIndex 7";
    } catch (const Exception& e) {
        EXPECT_TRUE(e.Message.contains(QStringLiteral("Out of range! ColorIndex=[1..4]"))) << e.Message.toStdString();
    }
}
