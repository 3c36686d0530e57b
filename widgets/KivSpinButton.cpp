#include "widgets/KivSpinButton.h"

#include "framework/Notify.h"
#include "widgets/TimerSpeedButton.h"

namespace {

constexpr int kMinimumWidth = 15;

} // namespace

TKivSpinButton::TKivSpinButton(QWidget* parent) : TCustomControl(parent)
{
    upButton_ = CreateButton(kUpGlyph, QStringLiteral("Up"));
    downButton_ = CreateButton(kDownGlyph, QStringLiteral("Down"));
    focusedButton_ = upButton_;
    SetBounds(Left(), Top(), 20, 25);
}

TTimerSpeedButton* TKivSpinButton::CreateButton(const QString& glyph, const QString& name)
{
    auto* button = new TTimerSpeedButton(this);
    button->setAccessibleName(name);
    button->SetTimeBtnState(TTimerSpeedButton::tbAllowTimer);
    button->SetGlyph(glyph);
    button->SetVisible(true);
    button->SetEnabled(true);
    connect(button, &TControl::OnClick, this, [this, button] { BtnClick(button); });
    connect(button, &TControl::OnMouseDown, this,
            [this, button](QObject*, TMouseButton b, TShiftState, int, int) { BtnMouseDown(button, b); });
    // Any button's release counts, while only a left press moves the focus.
    connect(button, &TControl::OnMouseUp, this, [this] { released_ = true; });
    return button;
}

// ---------------------------------------------------------------- glyphs

void TKivSpinButton::SetFocusControl(TControl* control)
{
    if (control == focusControl_)
        return;
    if (focusControl_)
        disconnect(focusControl_, &QObject::destroyed, this, &TKivSpinButton::FocusControlChanged);
    focusControl_ = control;
    if (control)
        connect(control, &QObject::destroyed, this, &TKivSpinButton::FocusControlChanged);
    emit FocusControlChanged();
}

void TKivSpinButton::SetUpGlyph(const QString& name)
{
    const TNotifyOnChange notify(this, &TKivSpinButton::UpGlyph, &TKivSpinButton::UpGlyphChanged);
    upButton_->SetGlyph(name.isEmpty() ? kUpGlyph : name);
    upGlyph_ = name;
}

void TKivSpinButton::SetDownGlyph(const QString& name)
{
    const TNotifyOnChange notify(this, &TKivSpinButton::DownGlyph, &TKivSpinButton::DownGlyphChanged);
    downButton_->SetGlyph(name.isEmpty() ? kDownGlyph : name);
    downGlyph_ = name;
}

// ---------------------------------------------------------------- size

void TKivSpinButton::AdjustButtonSize(int& width, int& height)
{
    width = std::max(width, kMinimumWidth);
    const int upHeight = height / 2;
    upButton_->SetBounds(0, 0, width, upHeight);
    downButton_->SetBounds(0, upHeight - 1, width, height - upHeight + 1);
}

void TKivSpinButton::SetBounds(int left, int top, int width, int height)
{
    AdjustButtonSize(width, height);
    TCustomControl::SetBounds(left, top, width, height);
}

// A size set through the framework (a description, a layout) is adjusted afterwards.
void TKivSpinButton::ApplyAdjustedSize()
{
    int w = Width(), h = Height();
    AdjustButtonSize(w, h);
    if (w != Width() || h != Height())
        TCustomControl::SetBounds(Left(), Top(), w, h);
}

void TKivSpinButton::Resize()
{
    ApplyAdjustedSize();
    TCustomControl::Resize();
}

void TKivSpinButton::Loaded()
{
    TCustomControl::Loaded();
    ApplyAdjustedSize();
}

// ---------------------------------------------------------------- buttons and keys

void TKivSpinButton::SetFocusBtn(TTimerSpeedButton* button)
{
    if (!TabStop() || !CanFocus() || button == focusedButton_)
        return;
    ShowFocusFrame(false);
    focusedButton_ = button;
    if (Focused()) {
        ShowFocusFrame(true);
        Invalidate();
    }
}

void TKivSpinButton::BtnMouseDown(TTimerSpeedButton* button, TMouseButton Button)
{
    if (Button != mbLeft)
        return;
    SetFocusBtn(button);
    TControl* companion = focusControl_;
    if (companion && companion->TabStop() && companion->CanFocus() && !companion->Focused())
        companion->SetFocus();
    else if (TabStop() && CanFocus() && !Focused())
        SetFocus();
}

void TKivSpinButton::BtnClick(TTimerSpeedButton* button)
{
    if (button == upButton_)
        emit OnUpClick(this);
    else
        emit OnDownClick(this);
    if (std::exchange(released_, false))
        emit OnButtonUp(this);
}

void TKivSpinButton::KeyDown(uint16_t& Key, TShiftState Shift)
{
    TCustomControl::KeyDown(Key, Shift);
    switch (Key) {
    case VK::Space: focusedButton_->Click(); break;
    case VK::Up:
        SetFocusBtn(upButton_);
        upButton_->Click();
        break;
    case VK::Down:
        SetFocusBtn(downButton_);
        downButton_->Click();
        break;
    default: break;
    }
}

// The frame is drawn by the focused button.
void TKivSpinButton::ShowFocusFrame(bool shown)
{
    auto state = focusedButton_->TimeBtnState();
    state.setFlag(TTimerSpeedButton::tbFocusRect, shown);
    focusedButton_->SetTimeBtnState(state);
}

void TKivSpinButton::DoEnter()
{
    ShowFocusFrame(true);
    TCustomControl::DoEnter();
}

void TKivSpinButton::DoExit()
{
    ShowFocusFrame(false);
    TCustomControl::DoExit();
}

// ---------------------------------------------------------------- accessibility

QStringList TKivSpinButton::AccessibleActions() const
{
    return {QAccessibleActionInterface::increaseAction(), QAccessibleActionInterface::decreaseAction()};
}

void TKivSpinButton::DoAccessibleAction(const QString& name)
{
    if (name == QAccessibleActionInterface::increaseAction())
        upButton_->PressAndRelease();
    else if (name == QAccessibleActionInterface::decreaseAction())
        downButton_->PressAndRelease();
}
