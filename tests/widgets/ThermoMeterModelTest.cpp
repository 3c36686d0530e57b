// The thermometer's records and rules: mapping, refused settings, label
// texts, the peaks following the value, the out-of-range event, marker
// ownership, direction changes and what assistive technology reads.

#include "framework/Exception.h"
#include "support/TestSupport.h"
#include "widgets/VrThermoMeter.h"

#include <QAccessible>
#include <QBuffer>
#include <QPointer>
#include <QSignalSpy>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

// 100 x 230 by default, Offset 5: the column runs from 5 to 225 (length 220).
struct Meter {
    TvrThermoMeter t;
    TvrThermoMeterScale& scale = *t.Scale();
};

} // namespace

TEST(ThermoMeterMapping, LinearEndsClampsAndEqualLimits)
{
    Meter m;
    EXPECT_EQ(m.t.ValueToPixels(0), 5);
    EXPECT_EQ(m.t.ValueToPixels(100), 225);
    EXPECT_EQ(m.t.ValueToPixels(50), 115);
    EXPECT_EQ(m.t.ValueToPixels(-1), 5);
    EXPECT_EQ(m.t.ValueToPixels(1e300), 225);
    EXPECT_EQ(m.t.ValueToPixels(std::numeric_limits<double>::quiet_NaN()), 5);
    m.scale.SetMax(0);
    EXPECT_EQ(m.t.ValueToPixels(0), 0);
    EXPECT_EQ(m.t.ValueToPixels(42), 0);
}

TEST(ThermoMeterMapping, RoundsHalvesToEven)
{
    Meter m;
    m.t.SetBounds(0, 0, 100, 12); // Offset 5: length 2
    m.scale.SetMax(8);
    // 5 + 1 * 2 / 8 = 5.25 -> 5; 5 + 2 * 2 / 8 = 5.5 -> 6 (even); 5 + 6 * 2 / 8 = 6.5 -> 6.
    EXPECT_EQ(m.t.ValueToPixels(1), 5);
    EXPECT_EQ(m.t.ValueToPixels(2), 6);
    EXPECT_EQ(m.t.ValueToPixels(6), 6);
    EXPECT_EQ(m.t.ValueToPixels(7), 7);
}

TEST(ThermoMeterMapping, Logarithmic)
{
    Meter m;
    m.scale.SetMin(1);
    m.scale.SetMax(1000);
    m.scale.SetScaleType(TvrThermoMeterScale::voLogarithmic);
    ASSERT_EQ(m.scale.ScaleType(), TvrThermoMeterScale::voLogarithmic);
    EXPECT_EQ(m.t.ValueToPixels(1), 5);
    EXPECT_EQ(m.t.ValueToPixels(10), 5 + int(std::nearbyint(220.0 / 3)));
    EXPECT_EQ(m.t.ValueToPixels(1000), 225);
    // A minimum of 0 counts as 5e-200: 1 lies 199.3 / 202.3 of the way up.
    m.scale.SetMin(0);
    const double lg0 = std::log10(5e-200);
    EXPECT_EQ(m.t.ValueToPixels(1), int(std::nearbyint(5 + 220 * (0 - lg0) / (3 - lg0))));
    EXPECT_EQ(m.t.ValueToPixels(0), 5);
}

TEST(ThermoMeterScale, NegativeLimitsAndLogarithmicExcludeEachOther)
{
    Meter m;
    QSignalSpy changes(&m.scale, &TvrThermoMeterScale::OnChange);
    m.scale.SetMin(-10);
    m.scale.SetScaleType(TvrThermoMeterScale::voLogarithmic);
    EXPECT_EQ(m.scale.ScaleType(), TvrThermoMeterScale::voLinear);
    m.scale.SetMin(1);
    m.scale.SetScaleType(TvrThermoMeterScale::voLogarithmic);
    EXPECT_EQ(changes.count(), 3);
    m.scale.SetMax(-5);
    m.scale.SetMin(-5);
    EXPECT_EQ(m.scale.Max(), 100);
    EXPECT_EQ(m.scale.Min(), 1);
    EXPECT_EQ(changes.count(), 3);
    // An unchanged value notifies nobody.
    m.scale.SetStep(10);
    EXPECT_EQ(changes.count(), 3);
}

TEST(ThermoMeterScale, LabelTexts)
{
    TvrThermoMeterScale s;
    EXPECT_EQ(s.LabelText(20), QStringLiteral("20"));
    EXPECT_EQ(s.LabelText(23.9), QStringLiteral("24"));
    s.SetDecimals(2);
    EXPECT_EQ(s.LabelText(23.9), QStringLiteral("23.90"));
    EXPECT_EQ(s.LabelText(-0.001), QStringLiteral("0.00"));
    s.SetFormatText(QStringLiteral("%s \u00B0C (%%) %s"));
    EXPECT_EQ(s.LabelText(5), QStringLiteral("5.00 \u00B0C (%) %s"));
    s.SetFormatText(QStringLiteral("%s"));
    s.SetDecimals(4);
    // Eight significant digits first, then the decimals.
    EXPECT_EQ(s.LabelText(12345.678912), QStringLiteral("12345.6790"));
    EXPECT_EQ(s.LabelText(1e9), QStringLiteral("1.0000000E+09"));
}

TEST(ThermoMeterPeaks, FollowTheValueSilently)
{
    Meter m;
    m.t.Value()->SetValue(15);
    EXPECT_EQ(m.t.PeakMax()->Value(), 15);
    m.t.PeakMin()->SetValue(10);
    m.t.PeakMax()->SetValue(20);
    QSignalSpy maxChanges(m.t.PeakMax(), &TVrLiniarIndicator::OnChange);
    QSignalSpy outOfRange(&m.t, &TvrThermoMeter::OnOutofRange);
    m.t.Value()->SetValue(15);
    EXPECT_EQ(m.t.PeakMin()->Value(), 10);
    EXPECT_EQ(m.t.PeakMax()->Value(), 20);
    m.t.Value()->SetValue(30);
    EXPECT_EQ(m.t.PeakMax()->Value(), 30);
    m.t.Value()->SetValue(5);
    EXPECT_EQ(m.t.PeakMin()->Value(), 5);
    EXPECT_EQ(m.t.PeakMax()->Value(), 30);
    EXPECT_EQ(maxChanges.count(), 0);
    EXPECT_EQ(outOfRange.count(), 0);
}

TEST(ThermoMeterPeaks, OutOfRangeOnEveryMarkerChangeWhileOutside)
{
    Meter m;
    QSignalSpy outOfRange(&m.t, &TvrThermoMeter::OnOutofRange);
    m.t.Value()->SetValue(101);
    ASSERT_EQ(outOfRange.count(), 1);
    EXPECT_EQ(outOfRange.at(0).at(0).value<QObject*>(), &m.t);
    m.t.SetPoint()->SetColor(clRed); // any marker's change re-checks
    EXPECT_EQ(outOfRange.count(), 2);
    m.t.Value()->SetValue(-1);
    EXPECT_EQ(outOfRange.count(), 3);
    m.t.Value()->SetValue(100);
    EXPECT_EQ(outOfRange.count(), 3);
}

TEST(ThermoMeterPeaks, NothingFollowsWhileLoading)
{
    Meter m;
    QSignalSpy outOfRange(&m.t, &TvrThermoMeter::OnOutofRange);
    m.t.BeginLoading();
    m.t.Value()->SetValue(500);
    m.t.EndLoading();
    EXPECT_EQ(m.t.PeakMax()->Value(), 0);
    EXPECT_EQ(outOfRange.count(), 0);
}

TEST(ThermoMeterMarkers, ReplacedMarkerIsReleasedOnceAndTheNewOneAdopted)
{
    Meter m;
    QPointer<TVrLiniarIndicator> old = m.t.Value();
    QSignalSpy destroyed(old.data(), &QObject::destroyed);
    auto* fresh = new TVrLiniarIndicator;
    fresh->SetValue(42);
    m.t.SetValue(fresh);
    EXPECT_TRUE(old.isNull());
    EXPECT_EQ(destroyed.count(), 1);
    EXPECT_EQ(m.t.Value(), fresh);
    EXPECT_EQ(fresh->parent(), &m.t);
    // The adopted marker reports to the meter.
    QSignalSpy outOfRange(&m.t, &TvrThermoMeter::OnOutofRange);
    fresh->SetValue(200);
    EXPECT_EQ(outOfRange.count(), 1);
    EXPECT_EQ(m.t.PeakMax()->Value(), 200);
    // Null and the held marker itself change nothing.
    m.t.SetValue(nullptr);
    m.t.SetValue(fresh);
    EXPECT_EQ(m.t.Value(), fresh);
}

TEST(ThermoMeterMarkers, OwnedMarkersAreCopiedNotTaken)
{
    Meter a, b;
    TVrLiniarIndicator* theirs = b.t.PeakMax();
    theirs->SetValue(77);
    a.t.SetPeakMax(theirs);
    EXPECT_NE(a.t.PeakMax(), theirs);
    EXPECT_EQ(a.t.PeakMax()->Value(), 77);
    EXPECT_EQ(theirs->parent(), &b.t);
    // One of the meter's own markers in another slot: two distinct objects.
    a.t.SetSetPoint(a.t.Value());
    EXPECT_NE(a.t.SetPoint(), a.t.Value());
    a.t.SetValue(new TVrLiniarIndicator); // releases the old Value only
    a.t.SetPoint()->SetValue(3);          // still alive
    EXPECT_EQ(a.t.SetPoint()->Value(), 3);
}

TEST(ThermoMeterMarkers, BitmapDefaultsToTheBuiltInPicture)
{
    TVrLiniarIndicator m;
    ASSERT_EQ(m.Bitmap().Width(), 6);
    ASSERT_EQ(m.Bitmap().Height(), 9);
    EXPECT_TRUE(m.BitmapData().isEmpty());
    TBitmap square(4, 4);
    square.Canvas().Brush.Color = clRed;
    square.Canvas().FillRect(TRect(1, 1, 3, 3));
    m.SetBitmap(square);
    EXPECT_EQ(m.Bitmap().Width(), 4);
    const QByteArray data = m.BitmapData();
    ASSERT_FALSE(data.isEmpty());
    TVrLiniarIndicator copy;
    copy.SetBitmapData(data);
    EXPECT_EQ(copy.Bitmap().Image(), m.Bitmap().Image());
    // An emptied picture brings the built-in one back.
    m.SetBitmap(TBitmap());
    EXPECT_EQ(m.Bitmap().Width(), 6);
    EXPECT_TRUE(m.BitmapData().isEmpty());
    EXPECT_THROW(m.SetBitmapData(QByteArray("not a picture")), Exception);
    EXPECT_EQ(m.Bitmap().Width(), 6);
}

TEST(ThermoMeterControl, ConstructionDefaults)
{
    TvrThermoMeter t;
    EXPECT_EQ(t.Width(), 100);
    EXPECT_EQ(t.Height(), 230);
    EXPECT_EQ(t.Color(), clSilver);
    EXPECT_FALSE(t.ParentColor());
    EXPECT_FALSE(t.Transparent());
    EXPECT_EQ(t.Font()->Name(), QStringLiteral("Arial"));
    EXPECT_EQ(t.Font()->Height(), -13);
    EXPECT_EQ(t.Scale()->Color(), clBlack);
    EXPECT_EQ(t.Value()->Shape(), TVrLiniarIndicator::voBitmap);
    EXPECT_EQ(t.Value()->Color(), clBlue);
    EXPECT_EQ(t.Scale()->parent(), &t);
}

TEST(ThermoMeterControl, DirectionSwapsTheSizeOutsideLoading)
{
    TvrThermoMeter t;
    t.SetBounds(3, 4, 89, 153);
    t.SetDirection(TvrThermoMeter::voHorizontal);
    EXPECT_EQ(t.Width(), 153);
    EXPECT_EQ(t.Height(), 89);
    EXPECT_EQ(t.Left(), 3);
    t.SetDirection(TvrThermoMeter::voHorizontal);
    EXPECT_EQ(t.Width(), 153);
    t.BeginLoading();
    t.SetDirection(TvrThermoMeter::voVertical);
    t.EndLoading();
    EXPECT_EQ(t.Width(), 153);
    EXPECT_EQ(t.Direction(), TvrThermoMeter::voVertical);
}

TEST(ThermoMeterControl, DesignPresets)
{
    TvrThermoMeter t;
    t.ApplyDesignPresets();
    EXPECT_EQ(t.Scale()->Max(), 150);
    EXPECT_EQ(t.Scale()->Min(), 50);
    EXPECT_EQ(t.Scale()->Offset(), 20);
    EXPECT_EQ(t.Scale()->HeightMin(), 8);
    EXPECT_DOUBLE_EQ(t.SetPoint()->Value(), 100.0 / 3);
    EXPECT_FALSE(t.SetPoint()->Visible());
    EXPECT_EQ(t.Value()->Value(), 100);
    EXPECT_EQ(t.Value()->Shape(), TVrLiniarIndicator::voLine);
    EXPECT_FALSE(t.Value()->Visible());
    EXPECT_EQ(t.PeakMin()->Value(), 70);
    EXPECT_EQ(t.PeakMin()->Color(), clYellow);
    EXPECT_EQ(t.PeakMax()->Value(), 140);
    EXPECT_EQ(t.PeakMax()->Shape(), TVrLiniarIndicator::voTriangle);
}

TEST(ThermoMeterControl, AccessibleNameAndValue)
{
    TvrThermoMeter t;
    t.setObjectName(QStringLiteral("vrThermoMeter"));
    t.Value()->SetValue(239 * 0.1);
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(&t);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->text(QAccessible::Name), QStringLiteral("Thermometer")) << "never the component name";
    ASSERT_NE(a->textInterface(), nullptr) << "Qt passes text on to AT-SPI, not the value text";
    EXPECT_EQ(a->textInterface()->text(0, -1), QStringLiteral("23.9"));
    EXPECT_EQ(a->valueInterface(), nullptr) << "a value interface would offer Increase/Decrease";
    t.SetCaption(QStringLiteral("House"));
    EXPECT_EQ(a->text(QAccessible::Name), QStringLiteral("House"));
    t.Value()->SetValue(-4.5);
    EXPECT_EQ(a->text(QAccessible::Value), QStringLiteral("-4.5"));
}

TEST(ThermoMeterControl, BadScalesDrawWithoutHanging)
{
    Meter m;
    m.scale.SetSmallStep(0);
    m.scale.SetStep(-1);
    m.t.PaintToImage();
    m.scale.SetStep(1e-12);
    m.scale.SetOffset(-50);
    m.t.SetBounds(0, 0, 3, 2);
    m.t.PaintToImage();
    m.scale.SetMax(std::numeric_limits<double>::infinity());
    m.scale.SetMin(-std::numeric_limits<double>::infinity());
    const QImage img = m.t.PaintToImage();
    EXPECT_EQ(img.size(), QSize(3, 2));
}
