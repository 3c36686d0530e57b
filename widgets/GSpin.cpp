#include "widgets/GSpin.h"

#include "framework/Notify.h"

#include <limits>

namespace {

constexpr TColor kLight = 0xE0E0E0;
constexpr TColor kDark = clGray;

void Lines(TCanvas& c, TColor color, std::initializer_list<QPoint> points)
{
    c.Pen.Color = color;
    c.Polyline(QVector<QPoint>(points));
}

// Steps can go one past a limit before the clamp; keep that inside int.
int Saturate(int64_t v)
{
    return int(std::clamp<int64_t>(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}
int SaturatingAdd(int a, int b) { return Saturate(int64_t(a) + b); }
int SaturatingSub(int a, int b) { return Saturate(int64_t(a) - b); }

} // namespace

TGSpin::TGSpin(QWidget* parent) : TCustomControl(parent), TSteppedRange(this, 0, 100, 0)
{
    SetBounds(Left(), Top(), 19, 25);
    SetTabStop(true);
}

TGSpin::~TGSpin() = default;

void TGSpin::SetDelay(int value)
{
    SetAndNotify(this, &TGSpin::DelayChanged, delay_, value, [&] { Invalidate(); });
}

void TGSpin::SetSpeed(int value)
{
    SetAndNotify(this, &TGSpin::SpeedChanged, speed_, value, [&] { Invalidate(); });
}

// While a window description is read, Value arrives before Max and Min (it
// is published first), so the clamp waits until everything is loaded.
void TGSpin::SetValue(int value)
{
    const TNotifyOnChange notify(this, &TGSpin::Value, &TGSpin::ValueChanged);
    const int old = value_;
    value_ = value;
    if (ComponentState().testFlag(csLoading))
        return;
    value_ = ClampedDownThenUp(value_);
    if (autoDisable_ && value_ != old)
        Invalidate();
    if (value_ != old)
        NotifyChanged(this);
    emit OnChange(this);
}

void TGSpin::Loaded()
{
    const TNotifyOnChange notify(this, &TGSpin::Value, &TGSpin::ValueChanged);
    TCustomControl::Loaded();
    value_ = ClampedDownThenUp(value_);
}

void TGSpin::SetLimited(bool value)
{
    SetAndNotify(this, &TGSpin::LimitedChanged, limited_, value, [&] { Invalidate(); });
}

void TGSpin::SetCtl3D(bool value)
{
    SetAndNotify(this, &TGSpin::Ctl3DChanged, ctl3D_, value, [&] { Invalidate(); });
}

void TGSpin::SetParentCtl3D(bool value)
{
    SetAndNotify(this, &TGSpin::ParentCtl3DChanged, parentCtl3D_, value, [&] { Invalidate(); });
}

void TGSpin::SetAutoDisable(bool value)
{
    SetAndNotify(this, &TGSpin::AutoDisableChanged, autoDisable_, value, [&] { Invalidate(); });
}

void TGSpin::SetColorOff(TColor value)
{
    SetAndNotify(this, &TGSpin::ColorOffChanged, colorOff_, value, [&] { Invalidate(); });
}

void TGSpin::SetColorOn(TColor value)
{
    SetAndNotify(this, &TGSpin::ColorOnChanged, colorOn_, value, [&] { Invalidate(); });
}

void TGSpin::SetLargeChanges(bool value)
{
    SetAndNotify(this, &TGSpin::LargeChangesChanged, largeChanges_, value, [&] { Invalidate(); });
}

void TGSpin::SetLargeChange(int value)
{
    SetAndNotify(this, &TGSpin::LargeChangeChanged, largeChange_, value, [&] { Invalidate(); });
}

void TGSpin::SetEnabled(bool value)
{
    enabled_ = value;
    TCustomControl::SetEnabled(value);
    Invalidate();
}

// The published Enabled property reaches the framework setter directly; the
// own flag follows the explicit state so that a description's "Enabled =
// False" greys the triangles too.
void TGSpin::AfterEnabledChange()
{
    enabled_ = !testAttribute(Qt::WA_Disabled);
    Invalidate();
}

// ---------------------------------------------------------------- drawing

void TGSpin::PaintNormal()
{
    const int W = Width(), H = Height(), M = H / 2, C = W / 2;
    TCanvas& c = Canvas();
    c.Pen.Width = 1;
    c.Pen.Style = psSolid;
    c.Pen.Mode = pmCopy;
    c.Brush.Style = bsSolid;
    c.Brush.Color = clBtnFace;
    c.FillRect(ClientRect());

    Lines(c, clBlack,
          {{3, 0}, {W - 4, 0}, {W - 1, 3}, {W - 1, M - 1}, {W - 2, M}, {W - 1, M + 1}, {W - 1, H - 4}, {W - 4, H - 1},
           {3, H - 1}, {0, H - 4}, {0, M + 1}, {1, M}, {0, M - 1}, {0, 3}, {3, 0}});
    Lines(c, clBlack, {{1, M}, {W - 2, M}});
    for (const QPoint p : {QPoint(0, 2), QPoint(1, 1), QPoint(2, 0), QPoint(W - 3, 0), QPoint(W - 2, 1),
                           QPoint(W - 1, 2), QPoint(0, H - 3), QPoint(1, H - 2), QPoint(2, H - 1),
                           QPoint(W - 3, H - 1), QPoint(W - 2, H - 2), QPoint(W - 1, H - 3)})
        c.SetPixel(p.x(), p.y(), clBlack);

    Lines(c, kLight, {{3, 1}, {W - 4, 1}, {W - 5, 2}, {2, 2}, {3, 3}, {1, 3}, {1, M - 2}, {2, M - 3}, {2, 3}});
    Lines(c, kLight, {{1, M + 1}, {W - 3, M + 1}, {W - 2, M + 2}, {1, M + 2}, {1, H - 4}, {2, H - 3}, {2, M + 2}});
    Lines(c, kLight, {{4, M - 3}, {W - 4, M - 3}});
    Lines(c, kLight, {{4, M + 4}, {C, H - 4}, {W - 4, M + 3}});

    Lines(c, kDark,
          {{W - 4, H - 2}, {3, H - 2}, {4, H - 3}, {W - 3, H - 3}, {W - 4, H - 4}, {W - 2, H - 4}, {W - 2, M + 2},
           {W - 3, M + 3}, {W - 3, H - 4}});
    Lines(c, kDark, {{2, M - 1}, {W - 2, M - 1}, {W - 2, 3}, {W - 3, 4}, {W - 3, M - 2}, {3, M - 2}});
    Lines(c, kDark, {{4, M - 4}, {C, 3}, {W - 4, M - 3}});
    Lines(c, kDark, {{4, M + 3}, {W - 4, M + 3}});
}

void TGSpin::PaintFocus()
{
    const int W = Width(), H = Height(), M = H / 2;
    TCanvas& c = Canvas();
    Lines(c, clBlack, {{1, M + 1}, {1, H - 4}, {3, H - 2}, {W - 4, H - 2}, {W - 2, H - 4}, {W - 2, M - 1}});
    Lines(c, clBlack, {{1, M - 1}, {1, 3}, {3, 1}, {W - 4, 1}, {W - 2, 3}, {W - 2, M - 1}});
}

void TGSpin::PaintPush(THalf half)
{
    const int W = Width(), H = Height(), M = H / 2;
    TCanvas& c = Canvas();
    if (half == THalf::Lower) {
        Lines(c, clBlack, {{W - 5, H - 3}, {W - 4, H - 3}, {W - 2, H - 5}});
        Lines(c, clBlack, {{2, H - 5}, {2, H - 4}, {4, H - 2}});
        Lines(c, clBlack, {{2, M + 2}, {2, M + 1}, {W - 3, M + 1}, {W - 3, M + 3}});
        Lines(c, kDark,
              {{W - 3, M + 3}, {W - 3, H - 5}, {W - 5, H - 3}, {4, H - 3}, {2, H - 5}, {2, M + 3}, {3, M + 2},
               {W - 3, M + 2}});
    } else {
        Lines(c, clBlack, {{4, 2}, {3, 2}, {1, 4}});
        Lines(c, clBlack, {{W - 3, 4}, {W - 3, 3}, {W - 5, 1}});
        Lines(c, clBlack, {{2, M - 2}, {2, M - 1}, {W - 3, M - 1}, {W - 3, M - 3}});
        Lines(c, kDark,
              {{W - 3, M - 3}, {W - 3, 4}, {W - 5, 2}, {4, 2}, {2, 4}, {2, M - 3}, {3, M - 2}, {W - 3, M - 2}});
    }
}

void TGSpin::FillBtn(THalf half, TColor color)
{
    const int M = Height() / 2, C = Width() / 2;
    const QPoint seed(C, half == THalf::Lower ? M + 5 : M - 5);
    TCanvas& c = Canvas();
    c.Brush.Style = bsSolid;
    c.Brush.Color = color;
    c.FloodFill(seed.x(), seed.y(), c.Pixel(seed.x(), seed.y()), fsSurface);
}

void TGSpin::Paint()
{
    PaintNormal();
    if (focused_)
        PaintFocus();
    if (downPressed_) {
        PaintPush(THalf::Lower);
        FillBtn(THalf::Lower, colorOn_);
        FillBtn(THalf::Upper, colorOff_);
    } else if (upPressed_) {
        PaintPush(THalf::Upper);
        FillBtn(THalf::Upper, colorOn_);
        FillBtn(THalf::Lower, colorOff_);
    } else {
        FillBtn(THalf::Upper, colorOff_);
        FillBtn(THalf::Lower, colorOff_);
    }
    if (autoDisable_ && value_ >= max_)
        FillBtn(THalf::Upper, clBtnFace);
    if (autoDisable_ && value_ <= min_)
        FillBtn(THalf::Lower, clBtnFace);
    if (!enabled_) {
        FillBtn(THalf::Upper, clBtnFace);
        FillBtn(THalf::Lower, clBtnFace);
    }
}

// ---------------------------------------------------------------- stepping

// One step of a mouse press or a timer tick: the click event sees the stepped
// value before the clamp. Returns true when the step reached the limit.
bool TGSpin::StepUp(int step)
{
    const TNotifyOnChange notify(this, &TGSpin::Value, &TGSpin::ValueChanged);
    const int old = value_;
    value_ = SaturatingAdd(value_, step);
    emit OnUpClick(this);
    bool atLimit = false;
    if (value_ >= max_) {
        value_ = max_;
        atLimit = true;
        if (autoDisable_ && value_ != old)
            Invalidate();
    }
    PublishValue();
    return atLimit;
}

bool TGSpin::StepDown(int step)
{
    const TNotifyOnChange notify(this, &TGSpin::Value, &TGSpin::ValueChanged);
    const int old = value_;
    value_ = SaturatingSub(value_, step);
    emit OnDownClick(this);
    bool atLimit = false;
    if (value_ <= min_) {
        value_ = min_;
        atLimit = true;
        if (autoDisable_ && value_ != old)
            Invalidate();
    }
    PublishValue();
    return atLimit;
}

void TGSpin::PublishValue()
{
    NotifyChanged(this);
    emit OnChange(this);
}

// ---------------------------------------------------------------- mouse

// Row M belongs to the up button, so it counts as the up half here as well:
// a greyed button never takes a press.
bool TGSpin::PressOnGreyedButton(int Y) const
{
    const int M = Height() / 2;
    return (Y <= M && value_ >= max_) || (Y > M && value_ <= min_);
}

void TGSpin::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (!AcceptsButton(Button))
        return;
    if (CanFocus() && !Focused())
        SetFocus();
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (autoDisable_ && PressOnGreyedButton(Y))
        return;
    if (upPressed_ || downPressed_)
        return;
    smallStep_ = Button == mbLeft;
    const bool up = Y <= Height() / 2;
    (up ? upPressed_ : downPressed_) = true;
    const TStepAction action = PressAction(up);
    TriggerAction(action);
    if (atLimit_ && limited_)
        ReleaseRepeat();
    else
        SetRepeatAction(action, delay_);
    Repaint();
}

void TGSpin::MouseMove(TShiftState Shift, int X, int Y) { TCustomControl::MouseMove(Shift, X, Y); }

void TGSpin::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (!AcceptsButton(Button))
        return;
    ReleaseRepeat();
    TCustomControl::MouseUp(Button, Shift, X, Y);
    if (upPressed_ || downPressed_) {
        upPressed_ = false;
        downPressed_ = false;
        Repaint();
    }
}

// ---------------------------------------------------------------- actions

// The step of a held button: one, or LargeChange for the right button.
TSteppedRange::TStepAction TGSpin::PressAction(bool up) const
{
    if (up)
        return smallStep_ ? TStepAction::SingleStepAdd : TStepAction::PageStepAdd;
    return smallStep_ ? TStepAction::SingleStepSub : TStepAction::PageStepSub;
}

void TGSpin::TriggerAction(TStepAction action)
{
    switch (action) {
    case TStepAction::SingleStepAdd: atLimit_ = StepUp(1); break;
    case TStepAction::SingleStepSub: atLimit_ = StepDown(1); break;
    case TStepAction::PageStepAdd: atLimit_ = StepUp(largeChange_); break;
    case TStepAction::PageStepSub: atLimit_ = StepDown(largeChange_); break;
    case TStepAction::ToMinimum: SetValue(min_); break;
    case TStepAction::ToMaximum: SetValue(max_); break;
    case TStepAction::None: break;
    }
}

// A repeat steps the way the button now held points (a key may have turned
// it); at a limit a Limited spin pauses until the button is pressed again.
void TGSpin::RepeatTick()
{
    atLimit_ = false;
    if (upPressed_)
        TriggerAction(PressAction(true));
    else if (downPressed_)
        TriggerAction(PressAction(false));
    if (atLimit_ && limited_)
        PauseRepeat();
}

// ---------------------------------------------------------------- keyboard and focus

// Keys clamp before the click event; the keyboard's own repeat supplies repeats.
void TGSpin::KeyStep(bool up, int step)
{
    const TNotifyOnChange notify(this, &TGSpin::Value, &TGSpin::ValueChanged);
    upPressed_ = up;
    downPressed_ = !up;
    value_ = up ? std::min(SaturatingAdd(value_, step), max_) : std::max(SaturatingSub(value_, step), min_);
    if (up)
        emit OnUpClick(this);
    else
        emit OnDownClick(this);
    PublishValue();
    Repaint();
}

void TGSpin::KeyDown(uint16_t& Key, TShiftState Shift)
{
    TCustomControl::KeyDown(Key, Shift);
    const TStepAction action = KeyAction(Key, TOrientation::Vertical);
    const bool page = action == TStepAction::PageStepAdd || action == TStepAction::PageStepSub;
    const int step = page ? largeChange_ : 1;
    switch (action) {
    case TStepAction::SingleStepAdd:
    case TStepAction::PageStepAdd:
        if (value_ < max_ && (!page || largeChanges_))
            KeyStep(true, step);
        break;
    case TStepAction::SingleStepSub:
    case TStepAction::PageStepSub:
        if (value_ > min_ && (!page || largeChanges_))
            KeyStep(false, step);
        break;
    case TStepAction::ToMinimum:
    case TStepAction::ToMaximum: TriggerAction(action); break;
    case TStepAction::None: break;
    }
}

void TGSpin::KeyUp(uint16_t& Key, TShiftState Shift)
{
    TCustomControl::KeyUp(Key, Shift);
    if (Key == VK::Up || Key == VK::Prior)
        upPressed_ = false;
    else if (Key == VK::Down || Key == VK::Next)
        downPressed_ = false;
    else
        return;
    Repaint();
}

void TGSpin::DoEnter()
{
    focused_ = true;
    Invalidate();
    TCustomControl::DoEnter();
}

// With both buttons released a running repeat would only tick idly.
void TGSpin::DoExit()
{
    focused_ = false;
    upPressed_ = false;
    downPressed_ = false;
    ReleaseRepeat();
    Invalidate();
    TCustomControl::DoExit();
}

void TGSpin::Resize()
{
    Invalidate();
    TCustomControl::Resize();
}

// ---------------------------------------------------------------- accessibility

void TGSpin::SetAccessibleValue(int value)
{
    const int target = ClampedDownThenUp(value);
    if (target == value_ || !enabled_)
        return;
    const bool up = target > value_;
    value_ = target;
    if (up)
        emit OnUpClick(this);
    else
        emit OnDownClick(this);
    PublishValue();
    Invalidate();
}

QStringList TGSpin::AccessibleActions() const
{
    return {QAccessibleActionInterface::increaseAction(), QAccessibleActionInterface::decreaseAction()};
}

// The arrow key, pressed and released.
void TGSpin::DoAccessibleAction(const QString& name)
{
    uint16_t key;
    if (name == QAccessibleActionInterface::increaseAction())
        key = VK::Up;
    else if (name == QAccessibleActionInterface::decreaseAction())
        key = VK::Down;
    else
        return;
    if (!enabled_)
        return;
    uint16_t released = key; // a key handler may swallow the key it is given
    KeyDown(key, {});
    KeyUp(released, {});
}
