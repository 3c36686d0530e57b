// The value base of the fader and the spin control: a drag over the widest
// range reaches both ends, and the two controls read keys from one table.

#include "widgets/GFader.h"
#include "widgets/GSpin.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

class TDragFader : public TGFader {
public:
    using TGFader::MouseDown;
    using TGFader::MouseMove;
    using TGFader::MouseUp;
};

} // namespace

// The drag's distance in values exceeds int over this range; it was held to
// int and the far end read -1.
TEST(SteppedRange, ADragOverTheWidestRangeReachesBothEnds)
{
    for (const auto kind : {TGFader::fkHorizontal, TGFader::fkVertical}) {
        TDragFader f;
        f.SetFaderKind(kind);
        f.SetBounds(0, 0, kind == TGFader::fkHorizontal ? 150 : 40, kind == TGFader::fkHorizontal ? 40 : 150);
        f.SetMin(INT_MIN);
        f.SetMax(INT_MAX);
        f.SetValue(0);
        const bool horizontal = kind == TGFader::fkHorizontal;
        const int x = f.GetHeadX() + f.HeadSize().width() / 2, y = f.GetHeadY() + f.HeadSize().height() / 2;
        f.MouseDown(mbLeft, {}, x, y);
        ASSERT_EQ(f.MouseMode(), TGFader::TMouseMode::AbsoluteDrag);
        f.MouseMove({}, horizontal ? 1000 : x, horizontal ? y : -1000);
        EXPECT_EQ(f.Value(), INT_MAX) << (horizontal ? "right" : "up");
        f.MouseMove({}, horizontal ? -1000 : x, horizontal ? y : 1000);
        EXPECT_EQ(f.Value(), INT_MIN) << (horizontal ? "left" : "down");
        f.MouseUp(mbLeft, {}, x, y);
    }
}

TEST(SteppedRange, OneKeyTable)
{
    using A = TSteppedRange::TStepAction;
    using O = TSteppedRange::TOrientation;
    const struct {
        uint16_t key;
        A horizontal, vertical;
    } rows[] = {{VK::Left, A::SingleStepSub, A::None},       {VK::Right, A::SingleStepAdd, A::None},
                {VK::Up, A::None, A::SingleStepAdd},         {VK::Down, A::None, A::SingleStepSub},
                {VK::Prior, A::PageStepSub, A::PageStepAdd}, {VK::Next, A::PageStepAdd, A::PageStepSub},
                {VK::Home, A::ToMinimum, A::ToMaximum},      {VK::End, A::ToMaximum, A::ToMinimum},
                {VK::Return, A::None, A::None}};
    for (const auto& r : rows) {
        EXPECT_EQ(TSteppedRange::KeyAction(r.key, O::Horizontal), r.horizontal) << r.key;
        EXPECT_EQ(TSteppedRange::KeyAction(r.key, O::Vertical), r.vertical) << r.key;
    }
    EXPECT_EQ(TSteppedRange::StepOf(A::PageStepSub, 10), -10);
    EXPECT_EQ(TSteppedRange::StepOf(A::ToMaximum, 10), 0);
}
