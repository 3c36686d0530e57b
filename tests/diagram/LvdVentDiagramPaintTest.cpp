// What the ventilation diagram draws: its pictures, layout, operating point,
// thermometer icon, heater blend, curve points, areas and symbols.

#include "VentTestDiagram.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>
#include <functional>
#include <map>
#include <vector>

namespace {

const QString kDegrees = QStringLiteral("\u00B0C");

QImage Resource(const char* name)
{
    TBitmap b;
    b.LoadFromResourceName(QString::fromLatin1(name));
    return b.Image();
}

// Every non-white (opaque) pixel of the picture appears at (left, top).
::testing::AssertionResult PictureDrawnAt(const QImage& canvas, const QImage& picture, int left, int top)
{
    int opaque = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const int want = PixelColor(picture, x, y);
            if (want == clWhite)
                continue;
            ++opaque;
            const int got = PixelColor(canvas, left + x, top + y);
            if (got != want)
                return ::testing::AssertionFailure() << "pixel " << x << "," << y << " is " << std::hex << got
                                                     << " instead of " << want;
        }
    if (opaque == 0)
        return ::testing::AssertionFailure() << "the picture has no opaque pixel";
    return ::testing::AssertionSuccess();
}

int CountColor(const QImage& img, const TRect& r, TColor color)
{
    int n = 0;
    for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x)
            n += PixelColor(img, x, y) == color;
    return n;
}

class VentPaint : public ::testing::Test {
protected:
    void SetUp() override { d.ApplyDemoState(); }

    const QImage& Paint() { return d.PaintToImage(); }
    int LineHeight() { return d.GetLineHeight(true); }
    int ThermometerTop() { return d.YOrigin + 5 + LineHeight(); }

    TVentTestDiagram d;
};

} // namespace

TEST(VentPictures, AreCompiledInWithTheirSizes)
{
    const std::map<const char*, QSize> sizes{
        {"VENTBITMAP3", {32, 32}}, {"VENTBITMAP2", {32, 32}}, {"VENTBITMAP", {32, 32}},
        {"TEMPBITMAP", {12, 20}},  {"VLAM", {20, 20}},        {"BANDBR", {17, 20}},
        {"KOELING", {20, 20}},     {"HEATERON", {32, 32}},    {"HEATEROFF", {32, 32}},
        {"TLVDVENTDIAGRAM", {24, 24}}};
    for (const auto& [name, size] : sizes)
        EXPECT_EQ(Resource(name).size(), size) << name;
}

TEST(VentPictures, FanFramesDifferAndHeaterPicturesShareTheirOutline)
{
    EXPECT_NE(Resource("VENTBITMAP3"), Resource("VENTBITMAP2"));
    EXPECT_NE(Resource("VENTBITMAP2"), Resource("VENTBITMAP"));
    EXPECT_NE(Resource("VENTBITMAP"), Resource("VENTBITMAP3"));
    // The blend keeps a pixel transparent only where both pictures are white.
    const QImage on = Resource("HEATERON");
    const QImage off = Resource("HEATEROFF");
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            ASSERT_EQ(PixelColor(on, x, y) == clWhite, PixelColor(off, x, y) == clWhite) << x << "," << y;
}

TEST_F(VentPaint, LayoutLeavesRoomForTheSymbolRowsAndTheThermometer)
{
    Paint();
    const int lh = LineHeight();
    const int textWidth = d.OffscreenBitmap().Canvas().TextWidth(QStringLiteral("100"));
    EXPECT_EQ(lh, 17);
    EXPECT_EQ(d.XOrigin, 51 + textWidth);
    EXPECT_EQ(d.YOrigin, 297 - 12 - 2 * 20 - 20 - lh);
    EXPECT_EQ(d.TitleHeight, 0);
    EXPECT_EQ(d.YAxisHeight, d.YOrigin - 26);
    EXPECT_EQ(d.XAxisWidth, 489 - d.XOrigin - 28);
    EXPECT_EQ(d.AreaRect, TRect(d.XOrigin, 26, 489 - 28, d.YOrigin));

    d.DiagramSettings()->SetShowSymbols(false);
    d.DiagramSettings()->SetShowXValues(false);
    d.SetDiagramTitle(QStringLiteral("Ventilatie"));
    Paint();
    EXPECT_EQ(d.YOrigin, 297 - 12 - 20);
    EXPECT_EQ(d.TitleHeight, lh);
    EXPECT_EQ(d.YAxisHeight, d.YOrigin - lh - 26);
}

TEST_F(VentPaint, OperatingPointFollowsThePositionOfTheLaw)
{
    Paint();
    EXPECT_EQ(d.VentilatieStand(), 37);
    EXPECT_EQ(d.FanTop, d.CalcYPixel(37) - 16);
    EXPECT_EQ(d.OperatingX, d.CalcXPixel(203));
}

TEST_F(VentPaint, FanFrameOfTheCurrentIndexStandsLeftOfTheAxis)
{
    const char* frames[3] = {"VENTBITMAP3", "VENTBITMAP2", "VENTBITMAP"};
    for (int index = 0; index < 3; ++index) {
        d.SetVentIndex(index);
        const QImage& img = Paint();
        EXPECT_TRUE(PictureDrawnAt(img, Resource(frames[index]), 8, d.FanTop)) << "index " << index;
    }
}

TEST_F(VentPaint, GreenGuideRunsFromThePictureToTheThermometer)
{
    const QImage& img = Paint();
    const int y = d.CalcYPixel(37);
    const int x = d.CalcXPixel(203);
    const int bottom = ThermometerTop() - 2;
    for (int row : {y, y + 1})
        EXPECT_EQ(PixelColor(img, 32 + 10, row), clGreen) << row;
    for (int column : {x - 1, x})
        EXPECT_EQ(PixelColor(img, column, bottom - 1), clGreen) << column;
    EXPECT_NE(PixelColor(img, x, bottom), clGreen) << "the end pixel of a line is not painted";
    EXPECT_NE(PixelColor(img, 32 + 9, y), clGreen);
}

TEST_F(VentPaint, ThermometerColumnShowsTheTemperatureInThirteenRows)
{
    const std::map<int, int> redRows{{0, 0}, {-50, 0}, {39, 1}, {203, 5}, {499, 12}, {500, 13}, {900, 13}};
    for (const auto& [g, n] : redRows) {
        d.SetGemetenTemperatuur(g);
        Paint();
        const QImage& icon = d.ThermometerPicture().Image();
        for (int i = 1; i <= 13; ++i)
            for (int x : {5, 6})
                EXPECT_EQ(PixelColor(icon, x, 14 - i), i <= n ? clRed : clWhite) << "G " << g << " row " << i;
    }
}

TEST_F(VentPaint, ThermometerIconIsCentredUnderTheOperatingPoint)
{
    d.SetGemetenTemperatuur(39);
    const QImage& img = Paint();
    const int left = d.OperatingX - 12 / 2;
    const int top = ThermometerTop();
    EXPECT_EQ(PixelColor(img, left + 5, top + 13), clRed) << "row 1 is red at 3.9 degrees";
    EXPECT_EQ(PixelColor(img, left + 5, top + 12), ColorToRGB(clInfoBk)) << "white rows are transparent";
    EXPECT_TRUE(PictureDrawnAt(img, d.ThermometerPicture().Image(), left, top));
}

TEST(VentHeater, CalcPixelColorBlendsByteWiseWithTruncation)
{
    EXPECT_EQ(TLvdVentDiagram::CalcPixelColor(50, 100, 255, 0), 127);
    EXPECT_EQ(TLvdVentDiagram::CalcPixelColor(50, 100, 0, 255), 128); // 255 - 127.5 truncated toward zero
    EXPECT_EQ(TLvdVentDiagram::CalcPixelColor(0, 100, 200, 30), 30);
    EXPECT_EQ(TLvdVentDiagram::CalcPixelColor(100, 100, 200, 30), 200);
    EXPECT_EQ(TLvdVentDiagram::CalcPixelColor(150, 100, 255, 0), 382 & 0xFF) << "only the low byte is kept";
}

TEST_F(VentPaint, HeaterGlowsInProportionToThePosition)
{
    const QImage on = Resource("HEATERON");
    const QImage off = Resource("HEATEROFF");
    d.SetOptieVentilatie(false);
    d.SetGemetenTemperatuur(155); // (90 x 30) / 60 + 10 = 55
    const QImage& img = Paint();
    ASSERT_EQ(d.VentilatieStand(), 55);
    const QImage heater = d.BlendedHeaterPicture().Image();
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const QRgb a = on.pixel(x, y), b = off.pixel(x, y), got = heater.pixel(x, y);
            ASSERT_EQ(qRed(got), TLvdVentDiagram::CalcPixelColor(55, 100, qRed(a), qRed(b)));
            ASSERT_EQ(qGreen(got), TLvdVentDiagram::CalcPixelColor(55, 100, qGreen(a), qGreen(b)));
            ASSERT_EQ(qBlue(got), TLvdVentDiagram::CalcPixelColor(55, 100, qBlue(a), qBlue(b)));
        }
    EXPECT_TRUE(PictureDrawnAt(img, heater, 8, d.FanTop));

    d.Setpoints()->SetMinPositie(0);
    d.SetGemetenTemperatuur(300);
    Paint();
    ASSERT_EQ(d.VentilatieStand(), 0);
    EXPECT_EQ(d.BlendedHeaterPicture().Image(), off);
    d.SetGemetenTemperatuur(100);
    Paint();
    ASSERT_EQ(d.VentilatieStand(), 100);
    EXPECT_EQ(d.BlendedHeaterPicture().Image(), on);
}

TEST_F(VentPaint, PointsBetweenTheirNeighboursFollowTheCurve)
{
    Paint();
    EXPECT_EQ(d.MinAlarmY, 10) << "on the flat start of the curve";
    EXPECT_EQ(d.HeatPointY, 10);
    EXPECT_EQ(d.MaxAlarmY, 100) << "on the flat end of the curve";

    d.Setpoints()->SetMaxAlarm(215); // halfway up the band
    Paint();
    EXPECT_NEAR(d.MaxAlarmY, 55, 1);
    const TPointInfo& alarm = *d.Point(5);
    const TPointInfo& target = *d.Point(3);
    const TPointInfo& band = *d.Point(4);
    const double slope = double(band.YPixel - target.YPixel) / (band.XPixel - target.XPixel);
    EXPECT_EQ(alarm.YPixel, int(target.YPixel + slope * (alarm.XPixel - target.XPixel)));
    EXPECT_EQ(alarm.Values.MinY, &d.MaxAlarmY);
    EXPECT_EQ(alarm.Values.MaxY, &d.MaxAlarmY);
}

TEST_F(VentPaint, AlarmZonesAreHatchedUnderTheCurveOnly)
{
    const QImage& img = Paint();
    const int top = d.YOrigin - 12;
    const int bottom = d.YOrigin - 1;
    const TRect lowZone(d.XOrigin + 3, top, d.CalcXPixel(100) - 3, bottom);
    const TRect highZone(d.CalcXPixel(360) + 3, d.CalcYPixel(100) + 4, d.CalcXPixel(500) - 3, bottom);
    const TRect between(d.CalcXPixel(110), top, d.CalcXPixel(150), bottom);
    EXPECT_GT(CountColor(img, lowZone, clRed), 5);
    EXPECT_GT(CountColor(img, highZone, clRed), 100);
    EXPECT_EQ(CountColor(img, between, clRed), 0);
}

TEST_F(VentPaint, SymbolsStandInTheirRowsAtTheirXValues)
{
    const QImage& img = Paint();
    const int row1 = 20 + d.YOrigin + 5 + LineHeight();
    EXPECT_TRUE(PictureDrawnAt(img, Resource("VLAM"), d.CalcXPixel(155) - 10, row1));
    EXPECT_TRUE(PictureDrawnAt(img, Resource("BANDBR"), d.CalcXPixel(245) - 17 / 2, row1 + 20));

    d.SetOptieKoeling(true);
    const QImage& cooled = Paint();
    EXPECT_TRUE(PictureDrawnAt(cooled, Resource("KOELING"), d.CalcXPixel(215) - 10, row1));
}

namespace {

struct ExpectedRole {
    int* x;
    int* y;
    TValType xType;
    TValType yType;
    QString xUnit;
    QString yUnit;
    bool xEditable;
    bool yEditable;
};

void ExpectRoles(TVentTestDiagram& d, const std::map<int, ExpectedRole>& roles)
{
    ASSERT_EQ(d.PointList.size(), 7u);
    for (const auto& [number, r] : roles) {
        const TPointInfo* p = d.Point(number);
        ASSERT_NE(p, nullptr) << number;
        const TPointValues& v = p->Values;
        EXPECT_EQ(v.XValue, r.x) << number;
        EXPECT_EQ(v.YValue, r.y) << number;
        EXPECT_EQ(v.XValType, r.xType) << number;
        EXPECT_EQ(v.YValType, r.yType) << number;
        EXPECT_EQ(v.XUnit, r.xUnit) << number;
        EXPECT_EQ(v.YUnit, r.yUnit) << number;
        EXPECT_EQ(p->XEditable, r.xEditable) << number;
        EXPECT_EQ(p->YEditable, r.yEditable) << number;
        EXPECT_EQ(v.MinX, v.XValue) << number;
        EXPECT_EQ(v.MaxX, v.XValue) << number;
        EXPECT_EQ(v.MinY, v.YValue) << number;
        EXPECT_EQ(v.MaxY, v.YValue) << number;
        EXPECT_EQ(p->PointKind, pkPoint) << number;
    }
}

} // namespace

TEST_F(VentPaint, VentilationCurveBindsTheSevenRoles)
{
    TSetpoints& s = *d.Setpoints();
    TDiagramSettings& ds = *d.DiagramSettings();
    const QString pct = QStringLiteral("%");
    ExpectRoles(d, {
                       {0, {&ds.MinXValue, &s.MinPositie, vtNone, vtInteger, "", pct, false, true}},
                       {1, {&s.MinAlarm, &d.MinAlarmY, vtTenths, vtNone, kDegrees, "", true, false}},
                       {2, {&d.HeatPoint, &d.HeatPointY, vtTenths, vtNone, kDegrees, "", true, false}},
                       {3, {&s.StreefTemp, &s.MinPositie, vtTenths, vtInteger, kDegrees, pct, true, false}},
                       {4, {&d.BandTop, &s.MaxPositie, vtTenths, vtInteger, kDegrees, pct, true, false}},
                       {5, {&d.MaxAlarmX, &d.MaxAlarmY, vtTenths, vtNone, kDegrees, "", true, false}},
                       {6, {&ds.MaxXValue, &s.MaxPositie, vtNone, vtInteger, "", pct, true, false}},
                   });
}

TEST_F(VentPaint, HeatingCurveBindsTheMirroredRoles)
{
    d.SetOptieVentilatie(false);
    TSetpoints& s = *d.Setpoints();
    TDiagramSettings& ds = *d.DiagramSettings();
    const QString pct = QStringLiteral("%");
    ExpectRoles(d, {
                       {6, {&ds.MinXValue, &s.MaxPositie, vtNone, vtInteger, "", pct, false, true}},
                       {1, {&s.MinAlarm, &d.MinAlarmY, vtTenths, vtNone, kDegrees, "", true, false}},
                       {2, {&d.HeatPoint, &d.HeatPointY, vtTenths, vtNone, kDegrees, "", true, false}},
                       {3, {&s.StreefTemp, &s.MinPositie, vtTenths, vtInteger, kDegrees, pct, true, false}},
                       {4, {&d.BandBottom, &s.MaxPositie, vtTenths, vtInteger, kDegrees, pct, true, false}},
                       {5, {&d.MaxAlarmX, &d.MaxAlarmY, vtTenths, vtNone, kDegrees, "", true, false}},
                       {0, {&ds.MaxXValue, &s.MinPositie, vtNone, vtInteger, "", pct, true, false}},
                   });
    EXPECT_EQ(d.MinAlarmY, s.MaxPositie) << "the minimum-alarm point starts on the high flat end";
    EXPECT_EQ(d.MaxAlarmY, s.MinPositie);
}

TEST_F(VentPaint, AreasAndSymbolsHangOnTheirRoles)
{
    for (bool vent : {true, false}) {
        d.SetOptieVentilatie(vent);
        TSetpoints& s = *d.Setpoints();
        TDiagramSettings& ds = *d.DiagramSettings();
        const TPointArea& low = d.Point(1)->Area;
        EXPECT_EQ(low.AreaKind, akBelowCurve);
        EXPECT_EQ(low.AreaBrushStyle, bsFDiagonal);
        EXPECT_EQ(low.AreaLeft, &ds.MinXValue);
        EXPECT_EQ(low.AreaRight, &s.MinAlarm);
        EXPECT_EQ(low.AreaTop, &ds.MaxYValue);
        EXPECT_EQ(low.AreaBottom, &ds.MinYValue);
        const TPointArea& high = d.Point(5)->Area;
        EXPECT_EQ(high.AreaKind, akBelowCurve);
        EXPECT_EQ(high.AreaLeft, &s.MaxAlarm);
        EXPECT_EQ(high.AreaRight, &ds.MaxXValue);

        const TPointSymbol& heat = d.Point(2)->Symbol;
        EXPECT_EQ(heat.SymbolType, vtTenths);
        EXPECT_EQ(heat.SymbolValue, &s.VerwarmVerschil);
        EXPECT_EQ(heat.SymbolFromX, &s.StreefTemp);
        EXPECT_EQ(heat.SymbolToX, &d.HeatPoint);
        EXPECT_EQ(heat.SymbolRow, 1);
        EXPECT_EQ(heat.ArrowMode, 2);
        EXPECT_EQ(heat.SymbolPoint, d.Point(2));
        const TPointSymbol& band = d.Point(4)->Symbol;
        EXPECT_EQ(band.SymbolValue, &s.Bandbreedte);
        EXPECT_EQ(band.SymbolToX, vent ? &d.BandTop : &d.BandBottom);
        EXPECT_EQ(band.SymbolRow, 2);
        EXPECT_EQ(band.ArrowMode, vent ? 0 : 1);
        EXPECT_EQ(band.SymbolBitmap.Image(), Resource("BANDBR"));

        for (int number : {0, 3, 6}) {
            EXPECT_EQ(d.Point(number)->Area.AreaKind, akNone) << number;
            EXPECT_EQ(d.Point(number)->Symbol.SymbolType, vtNone) << number;
        }
    }
    d.SetOptieKoeling(true);
    EXPECT_EQ(d.Point(2)->Symbol.SymbolBitmap.Image(), Resource("KOELING"));
    d.SetOptieKoeling(false);
    EXPECT_EQ(d.Point(2)->Symbol.SymbolBitmap.Image(), Resource("VLAM"));
    EXPECT_TRUE(d.Point(2)->Symbol.SymbolBitmap.Transparent);
}

TEST_F(VentPaint, NoPointCanBeMovedByAKeyStep)
{
    Paint();
    for (const auto& p : d.PointList) {
        p->MouseOver = true;
        for (TChangeValue change : {cvXUp, cvXDown, cvYUp, cvYDown})
            EXPECT_FALSE(d.CheckKeyInputValue(*p, change)) << p->PointNumber << " " << int(change);
    }
}

// The diagram keeps its curve between paints and redraws only what moved: after
// every kind of change the picture is the one a paint from scratch gives.
TEST_F(VentPaint, APaintFromItsKeptLayersEqualsAPaintFromScratch)
{
    const auto fromScratch = [&] {
        d.DropKeptLayers();
        return d.PaintToImage().copy();
    };
    const std::vector<std::pair<const char*, std::function<void()>>> changes{
        {"nothing", [] {}},
        {"fan frame", [&] { d.SetVentIndex(1); }},
        {"next fan frame", [&] { d.SetVentIndex(2); }},
        {"temperature", [&] { d.SetGemetenTemperatuur(221); }},
        {"temperature and fan", [&] { d.SetGemetenTemperatuur(90); d.SetVentIndex(0); }},
        {"into the high alarm", [&] { d.SetGemetenTemperatuur(365); }},
        {"fan at full position", [&] { d.SetVentIndex(1); }},
        {"setpoint", [&] { d.Setpoints()->SetStreefTemp(200); }},
        {"setpoint through its reference", [&] { d.Setpoints()->Bandbreedte = 90; d.Invalidate(); }},
        {"setpoint in place, then the fan", [&] { d.Setpoints()->Bandbreedte = 40; d.SetVentIndex(0); }},
        {"heating curve", [&] { d.SetOptieVentilatie(false); }},
        {"heater blend", [&] { d.SetGemetenTemperatuur(150); }},
        {"fan index on the heating curve", [&] { d.SetVentIndex(2); }},
        {"target in place, then the fan", [&] { d.Setpoints()->StreefTemp = 170; d.SetVentIndex(0); }},
        {"cooling", [&] { d.SetOptieKoeling(true); d.SetOptieVentilatie(true); }},
        {"selected label", [&] { d.SelectPoint(3); }},
        {"settings", [&] { d.DiagramSettings()->SetShowSymbols(false); }},
        {"size", [&] { d.SetBounds(0, 0, 420, 260); }},
        {"fan after the resize", [&] { d.SetVentIndex(0); }},
    };
    for (const auto& [name, change] : changes) {
        change();
        const QImage kept = Paint().copy();
        EXPECT_EQ(kept, fromScratch()) << name;
    }
}
