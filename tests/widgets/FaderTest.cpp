// The fader: head placement, the size rule, keys, track stepping with its
// repeat, head dragging, the double-click reset, a range with Max at or below
// Min, and the drawn scale, ramp, step bars, groove and head on the pixels.

#include "widgets/GFader.h"

#include "framework/Timer.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>
#include <limits>

namespace {

class TTestFader : public TGFader {
public:
    using TGFader::DblClick;
    using TGFader::DoEnter;
    using TGFader::KeyDown;
    using TGFader::MouseDown;
    using TGFader::MouseMove;
    using TGFader::MouseUp;
    using TGFader::TimerExpired;
    using TGFader::OffscreenBitmap;
};

// A 150 x 40 horizontal fader with the default properties otherwise (head at y 23).
void Make150x40(TGFader& f) { f.SetBounds(0, 0, 150, 40); }

void Key(TTestFader& f, uint16_t key) { f.KeyDown(key, {}); }

const TColor kLight = 0xE0E0E0;
TColor Face() { return ColorToRGB(clBtnFace); }

} // namespace

TEST(Fader, SizeRuleAndHeadPlace)
{
    TGFader f;
    EXPECT_EQ(f.Width(), 150);
    EXPECT_EQ(f.LabelsFont()->TextHeight(), 7) << "the small face's 6-point cell";
    EXPECT_EQ(f.Height(), 13 + 8 + 7 + 4 + 8) << "head, marks, labels, margins";
    Make150x40(f);
    ASSERT_EQ(f.Height(), 40);
    EXPECT_EQ(f.GetHeadX(), 65) << "trunc(122 / 100 * 50 + 4)";
    EXPECT_EQ(f.GetHeadY(), 23);
    f.show(); // a size change reaches a shown control at once
    f.SetBounds(0, 0, 10, 99);
    EXPECT_EQ(f.Width(), 20 + 8 + 2) << "at least the head and the margins";
    EXPECT_EQ(f.Height(), 40) << "a horizontal fader's height is the rule's";

    f.SetFaderKind(TGFader::fkVertical);
    EXPECT_EQ(f.HeadSize(), QSize(14, 18));
    EXPECT_EQ(f.Height(), 30) << "the old width becomes the height";
    f.SetBounds(0, 0, 60, 150);
    EXPECT_EQ(f.Width(), f.NeededWidth());
    f.SetValue(100);
    EXPECT_EQ(f.GetHeadY(), 4 + 1) << "Max at the top, one pixel down for this head size";
    f.SetValue(0);
    EXPECT_EQ(f.GetHeadY(), 150 - 8 - 18 + 4 + 1);
}

TEST(Fader, SettersIgnoreUnchangedValuesAndKeepTheLengthsOrdered)
{
    TGFader f;
    int changes = 0;
    QObject::connect(&f, &TGFader::OnChange, [&] { ++changes; });
    f.SetValue(50);
    f.SetValue(500);
    EXPECT_EQ(f.Value(), 100);
    f.SetValue(-5);
    EXPECT_EQ(f.Value(), 0);
    EXPECT_EQ(changes, 2);
    const int height = f.Height();
    f.SetMarksPos(3);
    EXPECT_EQ(f.Height(), height);
    f.SetMarksPos(7);
    EXPECT_EQ(f.Height(), height + 4);
    f.SetShortMarksLen(9);
    EXPECT_EQ(f.ShortMarksLen(), 5) << "kept at most LongMarksLen";
    f.SetLongMarksLen(1);
    EXPECT_EQ(f.LongMarksLen(), 5) << "kept at least ShortMarksLen";
    f.SetNumMarks(0);
    EXPECT_EQ(f.NumMarks(), 1);
}

TEST(Fader, KeysFollowTheOrientation)
{
    TTestFader f;
    Key(f, VK::Right);
    EXPECT_EQ(f.Value(), 51);
    Key(f, VK::Up);
    EXPECT_EQ(f.Value(), 51) << "Up does nothing on a horizontal fader";
    Key(f, VK::Prior);
    EXPECT_EQ(f.Value(), 41);
    Key(f, VK::End);
    EXPECT_EQ(f.Value(), 100);
    Key(f, VK::Clear);
    EXPECT_EQ(f.Value(), 50);
    f.SetFaderKind(TGFader::fkVertical);
    Key(f, VK::Prior);
    EXPECT_EQ(f.Value(), 60);
    Key(f, VK::Down);
    EXPECT_EQ(f.Value(), 59);
    Key(f, VK::Home);
    EXPECT_EQ(f.Value(), 100);
    f.SetDblClkResets(false);
    Key(f, VK::Clear);
    EXPECT_EQ(f.Value(), 100);
}

TEST(Fader, HeldTrackStepsWithRepeatUntilTheHeadReachesThePointer)
{
    TTestFader f;
    Make150x40(f);
    const int y = f.GetHeadY() + 5;
    f.MouseDown(mbLeft, {}, 120, y);
    EXPECT_EQ(f.Value(), 60) << "LargeChange at once";
    ASSERT_NE(f.RepeatTimer(), nullptr);
    EXPECT_EQ(f.RepeatTimer()->Interval(), 285);
    f.TimerExpired();
    EXPECT_EQ(f.RepeatTimer()->Interval(), 20);
    EXPECT_EQ(f.Value(), 70);
    f.TimerExpired();
    EXPECT_EQ(f.Value(), 80) << "head x 101..120 now holds the pointer";
    f.TimerExpired();
    EXPECT_EQ(f.Value(), 80);
    f.MouseMove({}, 20, y);
    f.TimerExpired();
    EXPECT_EQ(f.Value(), 70) << "the direction follows the pointer";
    f.MouseUp(mbLeft, {}, 20, y);
    EXPECT_EQ(f.RepeatTimer(), nullptr);
    f.MouseDown(mbRight, {}, 20, y);
    EXPECT_EQ(f.Value(), 69) << "the right button steps by one";
    f.MouseUp(mbRight, {}, 20, y);
    f.MouseDown(mbLeft, {}, 20, 2);
    EXPECT_EQ(f.Value(), 69) << "outside the head's strip nothing steps";
    EXPECT_EQ(f.RepeatTimer(), nullptr);
}

TEST(Fader, HeldTrackStopsWhereThePointerMeetsTheHeadsEdge)
{
    TTestFader f;
    Make150x40(f);
    const int y = f.GetHeadY() + 5;
    f.MouseDown(mbLeft, {}, 97, y);
    ASSERT_EQ(f.Value(), 60);
    ASSERT_EQ(f.GetHeadX() + f.HeadSize().width(), 97) << "the pointer lies just past the head's right end";
    f.TimerExpired();
    EXPECT_EQ(f.Value(), 70) << "the pointer lies on the Max side";
    f.TimerExpired();
    EXPECT_EQ(f.Value(), 70) << "the head holds the pointer and stays";
    f.MouseUp(mbLeft, {}, 97, y);

    f.SetFaderKind(TGFader::fkVertical);
    f.SetBounds(0, 0, 60, 150);
    f.SetValue(50);
    const int x = f.GetHeadX() + 5;
    f.MouseDown(mbLeft, {}, x, 97);
    ASSERT_EQ(f.Value(), 40);
    ASSERT_EQ(f.GetHeadY() + f.HeadSize().height(), 97) << "the pointer lies just below the head";
    f.TimerExpired();
    EXPECT_EQ(f.Value(), 30) << "below a vertical head lies the Min side";
    f.TimerExpired();
    EXPECT_EQ(f.Value(), 30);
    f.MouseUp(mbLeft, {}, x, 97);
}

TEST(Fader, DraggingTheHead)
{
    TTestFader f;
    Make150x40(f);
    const int y = f.GetHeadY() + 5;
    f.MouseDown(mbRight, {}, 70, y);
    EXPECT_FALSE(f.Pressed()) << "a right press on the head needs AllowAbs";
    f.MouseDown(mbLeft, {}, 70, y);
    EXPECT_TRUE(f.Pressed());
    EXPECT_EQ(f.MouseMode(), TGFader::TMouseMode::AbsoluteDrag);
    f.MouseMove({}, 101, y);
    EXPECT_EQ(f.Value(), 75) << "trunc((101 - grab 5 - 4) / 1.22)";
    f.MouseUp(mbLeft, {}, 101, y);
    EXPECT_FALSE(f.Pressed());

    f.SetAllowAbs(true);
    const int x = f.GetHeadX() + 4;
    f.MouseDown(mbRight, {}, x, y);
    EXPECT_EQ(f.MouseMode(), TGFader::TMouseMode::RelativeDrag);
    f.MouseMove({}, x - 30, y);
    EXPECT_EQ(f.Value(), 75 - 30);
    f.MouseUp(mbRight, {}, x - 30, y);
    EXPECT_EQ(f.MouseMode(), TGFader::TMouseMode::Idle);
}

TEST(Fader, DoubleClickOnTheHeadResetsWithoutAStep)
{
    TTestFader f;
    Make150x40(f);
    f.SetValue(10);
    const QPoint p(f.GetHeadX() + 5, f.GetHeadY() + 5);
    f.MouseDown(mbLeft, {}, p.x(), p.y());
    f.MouseUp(mbLeft, {}, p.x(), p.y());
    f.DblClick();
    EXPECT_EQ(f.Value(), 50);
    f.MouseDown(mbLeft, ssDouble, p.x(), p.y());
    EXPECT_EQ(f.Value(), 50) << "the double-click's own press does not step from the old place";
    EXPECT_EQ(f.RepeatTimer(), nullptr);
    f.MouseUp(mbLeft, {}, p.x(), p.y());
}

TEST(Fader, MaxAtOrBelowMinIsARangeOneUnitWide)
{
    TTestFader f;
    Make150x40(f);
    f.SetMax(20);
    f.SetMin(20);
    f.SetValue(70);
    EXPECT_EQ(f.Value(), 20);
    EXPECT_EQ(f.GetHeadX(), 4) << "the head stays at the Min end";
    f.SetMax(-5);
    f.SetValue(3);
    EXPECT_EQ(f.Value(), 20);
    Key(f, VK::End);
    EXPECT_EQ(f.Value(), 20);
    f.MouseDown(mbLeft, {}, f.GetHeadX() + 4, f.GetHeadY() + 5);
    f.MouseMove({}, 140, f.GetHeadY() + 5);
    EXPECT_EQ(f.Value(), 20);
    f.SetFaderKind(TGFader::fkVertical);
    EXPECT_EQ(f.GetHeadY(), f.Height() - 4 - 18 + 1) << "vertical: at the bottom";
    f.PaintToImage();
}

TEST(FaderPaint, ScaleGrooveAndHeadOfTheDefaultFader)
{
    TTestFader f;
    Make150x40(f);
    const QImage& img = f.PaintToImage();
    // Tick 0 (long) at x 13 over rows 14..19 with its light shadow; tick 1 short, rows 14..16.
    EXPECT_EQ(PixelColor(img, 13, 14), clGray);
    EXPECT_EQ(PixelColor(img, 13, 19), clGray);
    EXPECT_EQ(PixelColor(img, 14, 20), kLight);
    const int x1 = 13 + 122 / 25;
    EXPECT_EQ(PixelColor(img, x1, 16), clGray);
    EXPECT_EQ(PixelColor(img, x1, 17), Face());
    // Groove from x 11 to 138, rows 29..32.
    EXPECT_EQ(PixelColor(img, 20, 32), kLight);
    EXPECT_EQ(PixelColor(img, 20, 29), clBlack);
    EXPECT_EQ(PixelColor(img, 20, 30), clGray);
    EXPECT_EQ(PixelColor(img, 11, 31), clBlack);
    EXPECT_EQ(PixelColor(img, 138, 30), kLight);
    // Head at (65, 23), 20 x 13: grey outer frame, rounded corners, light and black inner edges.
    EXPECT_EQ(PixelColor(img, 66, 23), clGray);
    EXPECT_EQ(PixelColor(img, 65, 23), Face());
    EXPECT_EQ(PixelColor(img, 68, 25), kLight);
    EXPECT_EQ(PixelColor(img, 83, 30), clBlack);
    EXPECT_EQ(PixelColor(img, 65 + 17, 25), Face()) << "the notch at (hw - 3, 2)";
    // Pressed (DarkBorder dbPushed): black outer frame.
    f.MouseDown(mbLeft, {}, 70, 28);
    EXPECT_EQ(PixelColor(f.PaintToImage(), 66, 23), clBlack);
}

TEST(FaderPaint, RampAndStepBarsWhereTheClassicGeometryPutsThem)
{
    TGFader f;
    Make150x40(f);
    f.SetMarkType(TGFader::mtRamp);
    const QImage ramp = f.PaintToImage().copy();
    EXPECT_EQ(PixelColor(ramp, 12, 19), clGray);
    EXPECT_EQ(PixelColor(ramp, 135, 14), clGray);
    EXPECT_EQ(PixelColor(ramp, 100, 18), clNavy) << "filled";
    EXPECT_EQ(PixelColor(ramp, 137, 21), kLight) << "shadow";
    EXPECT_EQ(PixelColor(ramp, 20, 14), Face()) << "no fill above the wedge";

    f.SetMarkType(TGFader::mtStepRamp);
    const QImage& bars = f.PaintToImage();
    EXPECT_EQ(PixelColor(bars, 24, 19), clNavy);
    EXPECT_EQ(PixelColor(bars, 27, 19), clNavy);
    EXPECT_EQ(PixelColor(bars, 28, 19), kLight) << "right edge";
    EXPECT_EQ(PixelColor(bars, 24, 18), clGray) << "top edge";
    EXPECT_EQ(PixelColor(bars, 132, 15), clNavy);
    EXPECT_EQ(PixelColor(bars, 132, 14), clGray);
    EXPECT_EQ(PixelColor(bars, 135, 19), clNavy);
}

TEST(FaderPaint, AbsurdStepCountDoesNotStallThePaint)
{
    TGFader f;
    f.SetMarkType(TGFader::mtStepRamp);
    f.SetNumSteps(std::numeric_limits<int>::max());
    const int base = f.GetHeadY() - 3;
    EXPECT_EQ(PixelColor(f.PaintToImage(), 133, base - 1), clNavy) << "the last bar still stands at the Max end";
}

TEST(FaderPaint, CachedPictureEqualsAFreshPaint)
{
    TTestFader f;
    Make150x40(f);
    f.PaintToImage();
    f.SetMarkType(TGFader::mtStepRamp);
    f.SetValue(80);
    f.DoEnter();
    f.PaintToImage();
    f.SetRampColor(clRed);
    f.SetValue(20);
    const QImage cached = f.PaintToImage().copy();

    TTestFader fresh;
    Make150x40(fresh);
    fresh.SetMarkType(TGFader::mtStepRamp);
    fresh.SetRampColor(clRed);
    fresh.SetValue(20);
    fresh.DoEnter();
    EXPECT_EQ(cached, fresh.PaintToImage());
    EXPECT_NE(PixelColor(cached, 0, 0), Face()) << "the focus frame shows";
    EXPECT_EQ(cached, f.PaintToImage()) << "the focus frame is not drawn twice";
}

// A move puts the base back only where the head and the focus frame were:
// the picture after any run of moves is the fresh one, in both orientations,
// with the head touching the frame, and after someone drew into the picture.
TEST(FaderPaint, MovedHeadEqualsAFreshPaint)
{
    for (const auto kind : {TGFader::fkHorizontal, TGFader::fkVertical}) {
        TTestFader f;
        f.SetFaderKind(kind);
        f.DoEnter();
        f.PaintToImage();
        for (const int value : {80, 20, 0, 100, 55, 56}) {
            f.SetValue(value);
            if (value == 56)
                f.OffscreenBitmap().Canvas().SetPixel(2, 2, clRed);
            TTestFader fresh;
            fresh.SetFaderKind(kind);
            fresh.SetValue(value);
            fresh.DoEnter();
            EXPECT_EQ(f.PaintToImage(), fresh.PaintToImage()) << "kind " << kind << ", value " << value;
        }
    }
}

// Every key in each orientation, from the middle and against both ends.
TEST(Fader, EveryKeyInEachOrientation)
{
    const struct {
        bool vertical;
        int start;
        uint16_t key;
        int value;
    } rows[] = {
        {false, 30, VK::Clear, 50}, {false, 50, VK::Prior, 40}, {false, 50, VK::Next, 60},  {false, 50, VK::End, 100},
        {false, 50, VK::Home, 0},   {false, 50, VK::Left, 49},  {false, 50, VK::Up, 50},    {false, 50, VK::Right, 51},
        {false, 50, VK::Down, 50},  {true, 30, VK::Clear, 50},  {true, 50, VK::Prior, 60},  {true, 50, VK::Next, 40},
        {true, 50, VK::End, 0},     {true, 50, VK::Home, 100},  {true, 50, VK::Left, 50},   {true, 50, VK::Up, 51},
        {true, 50, VK::Right, 50},  {true, 50, VK::Down, 49},   {false, 100, VK::Right, 100}, {false, 0, VK::Left, 0},
        {false, 95, VK::Next, 100}, {false, 5, VK::Prior, 0},   {true, 100, VK::Up, 100},   {true, 0, VK::Down, 0},
        {true, 95, VK::Prior, 100}, {true, 5, VK::Next, 0},
    };
    for (const auto& r : rows) {
        TTestFader f;
        if (r.vertical)
            f.SetFaderKind(TGFader::fkVertical);
        f.SetValue(r.start);
        Key(f, r.key);
        EXPECT_EQ(f.Value(), r.value) << (r.vertical ? "vertical" : "horizontal") << " from " << r.start << ", key "
                                      << r.key;
    }
}

// Head size and place for every FaderSize, at both ends of the range.
TEST(Fader, HeadSizeAndPlaceForEverySize)
{
    const struct {
        TGFader::TFaderSize size;
        QSize horizontal, vertical;
        int xAtMax, yAtMax, yAtMin;
    } rows[] = {{TGFader::fsBigSize, {22, 14}, {15, 20}, 124, 5, 127},
                {TGFader::fsMediumSize, {20, 13}, {14, 18}, 126, 5, 129},
                {TGFader::fsSmallSize, {18, 12}, {12, 16}, 128, 5, 131},
                {TGFader::fsSmallest, {17, 11}, {11, 15}, 129, 4, 131}};
    for (const auto& r : rows) {
        TGFader f;
        f.SetFaderSize(r.size);
        EXPECT_EQ(f.HeadSize(), r.horizontal);
        f.SetValue(100);
        EXPECT_EQ(f.GetHeadX(), r.xAtMax) << r.size;
        f.SetValue(0);
        EXPECT_EQ(f.GetHeadX(), 4) << r.size;
        f.SetFaderKind(TGFader::fkVertical);
        f.SetBounds(0, 0, 60, 150);
        EXPECT_EQ(f.HeadSize(), r.vertical);
        EXPECT_EQ(f.GetHeadY(), r.yAtMin) << r.size;
        f.SetValue(100);
        EXPECT_EQ(f.GetHeadY(), r.yAtMax) << r.size;
    }
}

// Presses on and around the head's edges (a point is on the head strictly
// inside it; the strip it moves in lies strictly between its edges across).
TEST(Fader, PressesOnTheEdgesOfTheHeadAndItsStrip)
{
    const struct {
        bool vertical;
        bool alongFromHead; // the coordinate along the track is taken from the head's start
        int along, across;  // along: offset or absolute; across: offset from the head's start
        int value;
    } rows[] = {
        // horizontal, along the track (across: the strip's middle)
        {false, true, 0, 6, 40},   {false, true, 1, 6, 50},   {false, true, 19, 6, 50},
        {false, true, 20, 6, 40},  {false, true, 21, 6, 60},
        // horizontal, across the track at X 120
        {false, false, 120, 0, 50}, {false, false, 120, 1, 60}, {false, false, 120, 12, 60},
        {false, false, 120, 13, 50},
        // vertical (head 14 x 18): below the head lies Min
        {true, true, 0, 7, 60},    {true, true, 1, 7, 50},    {true, true, 17, 7, 50},
        {true, true, 18, 7, 60},   {true, true, 19, 7, 40},
        // vertical, across the track at Y 120
        {true, false, 120, 0, 50}, {true, false, 120, 1, 40}, {true, false, 120, 13, 40},
        {true, false, 120, 14, 50},
    };
    for (const auto& r : rows) {
        TTestFader f;
        Make150x40(f);
        if (r.vertical) {
            f.SetFaderKind(TGFader::fkVertical);
            f.SetBounds(0, 0, 60, 150);
        }
        f.SetValue(50);
        const int hx = f.GetHeadX(), hy = f.GetHeadY();
        int x, y;
        if (r.vertical) {
            y = r.alongFromHead ? hy + r.along : r.along;
            x = hx + r.across;
        } else {
            x = r.alongFromHead ? hx + r.along : r.along;
            y = hy + r.across;
        }
        f.MouseDown(mbLeft, {}, x, y);
        EXPECT_EQ(f.Value(), r.value) << (r.vertical ? "vertical" : "horizontal") << " press at " << x - hx << ","
                                      << y - hy << " from the head";
        f.MouseUp(mbLeft, {}, x, y);
    }
}

// Bar k of NumSteps + 1 rises k x LongMarksLen / (NumSteps + 1) above the
// scale's base: with 10 and 4, 2 pixels a bar (the defaults' 5 and 10 round
// alike under either divisor).
TEST(FaderPaint, StepBarsRiseByTheirShareOfTheLongTickLength)
{
    TGFader f;
    Make150x40(f);
    f.SetLongMarksLen(10);
    f.SetNumSteps(4);
    f.SetMarkType(TGFader::mtStepRamp);
    const QImage& bars = f.PaintToImage();
    const int base = f.GetHeadY() - f.MarksPos();
    for (int k = 1; k <= 4; ++k) {
        const int left = int(13 + k * (136 - 13 - 4) / 4.0) + 1;
        EXPECT_EQ(PixelColor(bars, left, base - 2 * k), clNavy) << "bar " << k << " top";
        EXPECT_NE(PixelColor(bars, left, base - 2 * k - 1), clNavy) << "bar " << k << " above its top";
    }
}
