#include "widgets/VrRocker.h"

#include "framework/Notify.h"
#include "widgets/DrawFrame3D.h"

TVrRocker::TVrRocker(QWidget* parent) : TCustomControl(parent)
{
    // Not a tab stop until asked: a click alone does not take the focus.
    setFocusPolicy(Qt::NoFocus);
    resize(12, 40);
}

template <class T> void TVrRocker::Store(T& field, T value, void (TVrRocker::*changed)())
{
    SetAndNotify(this, changed, field, value, [this] { Invalidate(); });
}

void TVrRocker::SetDepth(int value)
{
    Store(depth_, value, &TVrRocker::DepthChanged);
}
void TVrRocker::SetShadowColor(TColor value)
{
    Store(shadowColor_, value, &TVrRocker::ShadowColorChanged);
}
void TVrRocker::SetShadowLightColor(TColor value)
{
    Store(shadowLightColor_, value, &TVrRocker::ShadowLightColorChanged);
}
void TVrRocker::SetHighlightColor(TColor value)
{
    Store(highlightColor_, value, &TVrRocker::HighlightColorChanged);
}
void TVrRocker::SetOutlineColor(TColor value)
{
    Store(outlineColor_, value, &TVrRocker::OutlineColorChanged);
}
void TVrRocker::SetOutlineWidth(int value)
{
    Store(outlineWidth_, value, &TVrRocker::OutlineWidthChanged);
}
void TVrRocker::SetFocusColor(TColor value)
{
    Store(focusColor_, value, &TVrRocker::FocusColorChanged);
}

void TVrRocker::SetState(TVrRockerState value) { ChangeState(value); }

void TVrRocker::SetStyle(TVrRockerStyle value)
{
    SetAndNotify(this, &TVrRocker::StyleChanged, style_, value, [&] {
        if (style_ == rsButton)
            ChangeState(stNone);
        Invalidate();
    });
}

void TVrRocker::ChangeState(TVrRockerState value)
{
    if (value == state_)
        return;
    state_ = value;
    NotifyChanged(this);
    Invalidate();
    emit StateChanged();
}

TVrRocker::TVrRockerState TVrRocker::NewState(int X, int Y) const
{
    const int half = height() / 2;
    if (TRect(0, 0, width(), half).Contains(X, Y))
        return stUpperDown;
    if (TRect(0, half, width(), 2 * half).Contains(X, Y))
        return stLowerDown;
    return stNone;
}

QAccessible::State TVrRocker::AccessibleState() const
{
    QAccessible::State s;
    s.pressed = state_ != stNone;
    return s;
}

void TVrRocker::DoAccessibleAction(const QString& name)
{
    if (!isEnabled())
        return;
    const int half = height() / 2;
    if (name == PressUpperAction())
        PressAndRelease(QPoint(width() / 2, half / 2));
    else if (name == PressLowerAction())
        PressAndRelease(QPoint(width() / 2, half + half / 2));
}

QString TVrRocker::AccessibleText() const
{
    switch (state_) {
    case stUpperDown: return QStringLiteral("Upper half down");
    case stLowerDown: return QStringLiteral("Lower half down");
    default: return QStringLiteral("Released");
    }
}

void TVrRocker::UpperClick() { emit OnUpperClick(this); }
void TVrRocker::LowerClick() { emit OnLowerClick(this); }

void TVrRocker::Paint()
{
    TCanvas& c = Canvas();
    c.Brush.Color = Color();
    c.Brush.Style = bsSolid;
    c.FillRect(ClientRect());
    TRect inner = ClientRect();
    const TColor outline = Focused() ? focusColor_ : outlineColor_;
    DrawFrame3D(c, inner, outline, outlineWidth_, outline);
    DrawSwitch(inner);
}

void TVrRocker::FillBand(const TRect& inner, int top, int bottom, TColor color)
{
    TCanvas& c = Canvas();
    c.Brush.Color = color;
    c.Brush.Style = bsSolid;
    c.FillRect(TRect(inner.Left, top, inner.Right, bottom));
}

// Top band, lower band, upper band, bottom band, in this order: where a deep
// Depth makes bands overlap, the later one wins.
void TVrRocker::DrawSwitch(const TRect& inner)
{
    const int t = inner.Top;
    const int b = inner.Bottom;
    const int m = (b - t) / 2;
    const int d = depth_;
    switch (state_) {
    case stUpperDown:
        FillBand(inner, t + m, t + 2 * m - 2 * d, highlightColor_);
        FillBand(inner, t, t + m, shadowLightColor_);
        FillBand(inner, t + 2 * m - 2 * d, b, shadowColor_);
        break;
    case stLowerDown:
        FillBand(inner, t, t + 2 * d, highlightColor_);
        FillBand(inner, t + m, b, shadowLightColor_);
        FillBand(inner, t + 2 * d, t + m, shadowColor_);
        break;
    case stNone:
        FillBand(inner, t, t + d, highlightColor_);
        FillBand(inner, t + m, t + 2 * m - d, highlightColor_);
        FillBand(inner, t + d, t + m, shadowColor_);
        FillBand(inner, t + 2 * m - d, b, shadowColor_);
        break;
    }
}

void TVrRocker::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button == mbLeft) {
        tracking_ = true;
        pressed_ = true;
        savedPressed_ = false;
        inside_ = true;
        stateBeforePress_ = state_;
        ChangeState(NewState(X, Y));
        if (TabStop() && !Focused())
            SetFocus();
        Repaint();
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

// While a press lasts, crossing the edge counts as leaving or entering, so
// the press is cancelled or revived even where the platform reports enter
// and leave only after the button is released.
void TVrRocker::MouseMove(TShiftState Shift, int X, int Y)
{
    if (tracking_) {
        if (ClientRect().Contains(X, Y))
            PointerEntered();
        else
            PointerLeft();
    }
    TCustomControl::MouseMove(Shift, X, Y);
}

void TVrRocker::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    // Only the release of the press that started here decides anything: a
    // stray release of another button must not undo the switch position.
    if (Button != mbLeft || !tracking_) {
        TCustomControl::MouseUp(Button, Shift, X, Y);
        return;
    }
    tracking_ = false;
    TVrRockerState clicked = stNone;
    if (pressed_) {
        pressed_ = false;
        if (state_ != stateBeforePress_)
            clicked = state_;
    } else {
        ChangeState(stateBeforePress_);
    }
    savedPressed_ = false;
    if (style_ == rsButton)
        ChangeState(stNone);
    Repaint();
    if (clicked == stUpperDown)
        UpperClick();
    else if (clicked == stLowerDown)
        LowerClick();
    TCustomControl::MouseUp(Button, Shift, X, Y);
}

void TVrRocker::PointerLeft()
{
    if (!inside_)
        return;
    inside_ = false;
    savedPressed_ = pressed_;
    pressed_ = false;
}

void TVrRocker::PointerEntered()
{
    if (inside_)
        return;
    inside_ = true;
    pressed_ = savedPressed_;
}

void TVrRocker::MouseLeave()
{
    PointerLeft();
    TCustomControl::MouseLeave();
}

void TVrRocker::MouseEnter()
{
    PointerEntered();
    TCustomControl::MouseEnter();
}

void TVrRocker::DoEnter()
{
    Invalidate();
    TCustomControl::DoEnter();
}

void TVrRocker::DoExit()
{
    Invalidate();
    TCustomControl::DoExit();
}
