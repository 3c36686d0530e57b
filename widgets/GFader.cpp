#include "widgets/GFader.h"

#include "framework/FocusRect.h"
#include "framework/Notify.h"
#include "framework/Timer.h"
#include "widgets/FaderBasePainter.h"

#include <cmath>
#include <limits>

namespace {

constexpr TColor kLight = 0xE0E0E0;
// A held track steps first after this delay, then at this interval (ms).
constexpr int kRepeatDelay = 285;
constexpr int kRepeatInterval = 20;

// Truncation toward zero that stays inside int for any real input.
int Trunc(double v)
{
    if (!(v == v))
        return 0;
    return int(std::clamp(std::trunc(v), double(std::numeric_limits<int>::min()), double(std::numeric_limits<int>::max())));
}

QSize HeadSizeFor(TGFader::TFaderSize size, bool vertical)
{
    static constexpr int horizontal[4][2] = {{22, 14}, {20, 13}, {18, 12}, {17, 11}};
    static constexpr int upright[4][2] = {{15, 20}, {14, 18}, {12, 16}, {11, 15}};
    const auto& row = vertical ? upright[size] : horizontal[size];
    return {row[0], row[1]};
}

} // namespace

TGFader::TGFader(QWidget* parent) : TCustomControl(parent), labelsFont_(new TFont(this))
{
    labelsFont_->setObjectName(QStringLiteral("LabelsFont"));
    labelsFont_->SetName(QStringLiteral("Small Fonts"));
    labelsFont_->SetSize(6);
    labelsFont_->SetStyle(fsBold);
    labelsFont_->SetColor(clNavy);
    connect(labelsFont_, &TFont::OnChange, this, [this] { AppearanceChanged(true); });
    SetTabStop(true);
    SetBounds(Left(), Top(), 150, NeededHeight());
}

TGFader::~TGFader() = default;

bool TGFader::IsLabelsFontStored() const
{
    TFont declared;
    declared.SetName(QStringLiteral("Small Fonts"));
    declared.SetSize(6);
    declared.SetStyle(fsBold);
    declared.SetColor(clNavy);
    return !labelsFont_->SameAs(declared);
}

// ---------------------------------------------------------------- properties

// Setters that change the picture of the track invalidate the base; those
// that change what the scale and labels need across the track re-apply the
// size rule (after loading, Loaded() does it once).
void TGFader::AppearanceChanged(bool sizeChanges, bool headChanges)
{
    baseValid_ = false;
    if (headChanges)
        headValid_ = false;
    if (sizeChanges && !Loading())
        GetSizes();
    Invalidate();
}

void TGFader::SetCtl3D(bool value)
{
    SetAndNotify(this, &TGFader::Ctl3DChanged, ctl3D_, value, [&] { Invalidate(); });
}

void TGFader::SetParentCtl3D(bool value)
{
    SetAndNotify(this, &TGFader::ParentCtl3DChanged, parentCtl3D_, value, [&] { Invalidate(); });
}

void TGFader::SetMarkType(TMarkType value)
{
    SetAndNotify(this, &TGFader::MarkTypeChanged, markType_, value, [&] { AppearanceChanged(true); });
}

void TGFader::SetNumMarks(quint16 value)
{
    value = std::max<quint16>(value, 1);
    SetAndNotify(this, &TGFader::NumMarksChanged, numMarks_, value, [&] { AppearanceChanged(false); });
}

void TGFader::SetFaderPlace(bool value)
{
    SetAndNotify(this, &TGFader::FaderPlaceChanged, faderPlace_, value, [&] { AppearanceChanged(false); });
}

// While loading, the two lengths arrive one after the other; Loaded() settles
// them, so a stored pair always reads back as it was written.
void TGFader::SetLongMarksLen(quint16 value)
{
    if (!Loading())
        value = std::max(value, shortMarksLen_);
    SetAndNotify(this, &TGFader::LongMarksLenChanged, longMarksLen_, value, [&] { AppearanceChanged(true); });
}

void TGFader::SetShortMarksLen(quint16 value)
{
    if (!Loading())
        value = std::min(value, longMarksLen_);
    SetAndNotify(this, &TGFader::ShortMarksLenChanged, shortMarksLen_, value, [&] { AppearanceChanged(true); });
}

void TGFader::SetMarksReverse(bool value)
{
    SetAndNotify(this, &TGFader::MarksReverseChanged, marksReverse_, value, [&] { AppearanceChanged(false); });
}

void TGFader::SetMarkAccent(quint16 value)
{
    SetAndNotify(this, &TGFader::MarkAccentChanged, markAccent_, value, [&] { AppearanceChanged(false); });
}

void TGFader::SetMarksPos(quint16 value)
{
    SetAndNotify(this, &TGFader::MarksPosChanged, marksPos_, value, [&] { AppearanceChanged(true); });
}

void TGFader::SetFaderSize(TFaderSize value)
{
    SetAndNotify(this, &TGFader::FaderSizeChanged, faderSize_, value, [&] {
        UpdateHeadSize();
        compositeValid_ = false;
        AppearanceChanged(true, true);
    });
}

void TGFader::SetLabels(bool value)
{
    SetAndNotify(this, &TGFader::LabelsChanged, labels_, value, [&] { AppearanceChanged(true); });
}

void TGFader::SetFaderKind(TFaderKind value)
{
    SetAndNotify(this, &TGFader::FaderKindChanged, faderKind_, value, [&] {
        UpdateHeadSize();
        if (!Loading()) {
            // The fader turns: its old length along the track stays the length.
            if (Vertical())
                SetBounds(Left(), Top(), Width(), Width());
            else
                SetBounds(Left(), Top(), Height(), Height());
        }
        compositeValid_ = false;
        AppearanceChanged(true, true);
    });
}

void TGFader::SetLabelMax(const QString& value)
{
    SetAndNotify(this, &TGFader::LabelMaxChanged, labelMax_, value, [&] { AppearanceChanged(true); });
}

void TGFader::SetLabelMin(const QString& value)
{
    SetAndNotify(this, &TGFader::LabelMinChanged, labelMin_, value, [&] { AppearanceChanged(true); });
}

void TGFader::SetLabelsPos(quint16 value)
{
    SetAndNotify(this, &TGFader::LabelsPosChanged, labelsPos_, value, [&] { AppearanceChanged(true); });
}

void TGFader::SetEmptyXZone(quint16 value)
{
    SetAndNotify(this, &TGFader::EmptyXZoneChanged, emptyXZone_, value, [&] {
        compositeValid_ = false;
        AppearanceChanged(true);
    });
}

void TGFader::SetEmptyYZone(quint16 value)
{
    SetAndNotify(this, &TGFader::EmptyYZoneChanged, emptyYZone_, value, [&] {
        compositeValid_ = false;
        AppearanceChanged(true);
    });
}

void TGFader::SetMax(int value)
{
    SetAndNotify(this, &TGFader::MaxChanged, max_, value, [&] {
        compositeValid_ = false;
        Invalidate();
    });
}

void TGFader::SetMin(int value)
{
    SetAndNotify(this, &TGFader::MinChanged, min_, value, [&] {
        compositeValid_ = false;
        Invalidate();
    });
}

// The classic clamp order: first down to Max, then up to Min, so a range
// with Max at or below Min holds Min.
int TGFader::Clamped(int64_t value) const
{
    if (value > max_)
        value = max_;
    if (value < min_)
        value = min_;
    return int(value);
}

void TGFader::SetValue(int value)
{
    value = Clamped(value);
    SetAndNotify(this, &TGFader::ValueChanged, value_, value, [&] {
        compositeValid_ = false;
        Invalidate();
        NotifyChanged(this);
        if (!Loading())
            emit OnChange(this);
    });
}

void TGFader::SetRampColor(TColor value)
{
    SetAndNotify(this, &TGFader::RampColorChanged, rampColor_, value, [&] { AppearanceChanged(false); });
}

void TGFader::SetMark3D(bool value)
{
    SetAndNotify(this, &TGFader::Mark3DChanged, mark3D_, value, [&] { AppearanceChanged(false); });
}

void TGFader::SetRampReverse(bool value)
{
    SetAndNotify(this, &TGFader::RampReverseChanged, rampReverse_, value, [&] { AppearanceChanged(false); });
}

void TGFader::SetFont3D(bool value)
{
    SetAndNotify(this, &TGFader::Font3DChanged, font3D_, value, [&] { AppearanceChanged(false); });
}

void TGFader::SetRounded(bool value)
{
    SetAndNotify(this, &TGFader::HeadRoundedChanged, headRounded_, value, [&] { AppearanceChanged(false, true); });
}

void TGFader::SetDarkBorder(TDarkBorder value)
{
    SetAndNotify(this, &TGFader::DarkBorderChanged, darkBorder_, value, [&] { AppearanceChanged(false, true); });
}

void TGFader::SetFocusRect(bool value)
{
    SetAndNotify(this, &TGFader::FocusRectChanged, focusRect_, value, [&] { Invalidate(); });
}

void TGFader::SetFocusRectDist(quint16 value)
{
    SetAndNotify(this, &TGFader::FocusRectDistChanged, focusRectDist_, value, [&] { Invalidate(); });
}

void TGFader::SetPushMode(TPushMode value)
{
    SetAndNotify(this, &TGFader::PushModeChanged, pushMode_, value, [&] {
        headValid_ = false;
        Invalidate();
    });
}

void TGFader::SetNumSteps(int value)
{
    SetAndNotify(this, &TGFader::NumStepsChanged, numSteps_, value, [&] { AppearanceChanged(false); });
}

void TGFader::SetStepsWidth(int value)
{
    SetAndNotify(this, &TGFader::StepsWidthChanged, stepsWidth_, value, [&] { AppearanceChanged(false); });
}

void TGFader::SetEnabled(bool value)
{
    enabled_ = value;
    TCustomControl::SetEnabled(value);
    Invalidate();
}

// A description's "Enabled = False" reaches the framework state directly.
void TGFader::AfterEnabledChange()
{
    enabled_ = !testAttribute(Qt::WA_Disabled);
    Invalidate();
}

void TGFader::SetHeadMarkColor(TColor value)
{
    SetAndNotify(this, &TGFader::HeadMarkColorChanged, headMarkColor_, value, [&] {
        headValid_ = false;
        Invalidate();
    });
}

void TGFader::SetHeadMarkDist(quint16 value)
{
    SetAndNotify(this, &TGFader::HeadMarkDistChanged, headMarkDist_, value, [&] {
        headValid_ = false;
        Invalidate();
    });
}

// ---------------------------------------------------------------- geometry

void TGFader::UpdateHeadSize() { headSize_ = HeadSizeFor(faderSize_, Vertical()); }

int TGFader::NeededWidth() const
{
    if (!Vertical())
        return std::max(Width(), headSize_.width() + 2 * emptyXZone_ + 2);
    const int marks = markType_ == mtNone ? 0 : std::max(longMarksLen_, shortMarksLen_) + marksPos_;
    const int labels = labels_ ? std::max(labelsFont_->TextWidth(labelMax_), labelsFont_->TextWidth(labelMin_)) + labelsPos_ : 0;
    return headSize_.width() + marks + labels + 2 * emptyXZone_;
}

int TGFader::NeededHeight() const
{
    if (Vertical())
        return std::max(Height(), headSize_.height() + 2 * emptyYZone_ + 2);
    const int marks = markType_ == mtNone ? 0 : std::max(longMarksLen_, shortMarksLen_) + marksPos_;
    const int labels = labels_ ? labelsFont_->TextHeight() + labelsPos_ : 0;
    return headSize_.height() + marks + labels + 2 * emptyYZone_;
}

void TGFader::GetSizes() { SetBounds(Left(), Top(), NeededWidth(), NeededHeight()); }

// A range with Max at or below Min counts as one unit wide.
double TGFader::Span() const
{
    const double span = double(max_) - double(min_);
    return span > 0 ? span : 1.0;
}

int TGFader::TrackLength() const
{
    return Vertical() ? Height() - 2 * emptyYZone_ - headSize_.height() : Width() - 2 * emptyXZone_ - headSize_.width();
}

int TGFader::GetHeadX() const
{
    if (Vertical())
        return faderPlace_ ? emptyXZone_ : Width() - emptyXZone_ - headSize_.width();
    return Trunc(TrackLength() / Span() * (double(value_) - min_) + emptyXZone_);
}

int TGFader::GetHeadY() const
{
    if (!Vertical())
        return faderPlace_ ? emptyYZone_ : Height() - emptyYZone_ - headSize_.height();
    const double top = max_ > min_ ? double(max_) : double(min_) + 1;
    const int s = faderSize_ == fsSmallest ? 0 : 1;
    return Trunc(TrackLength() / Span() * (top - value_) + emptyYZone_ + s);
}

void TGFader::Resize()
{
    baseValid_ = false;
    compositeValid_ = false;
    GetSizes();
    Invalidate();
    TCustomControl::Resize();
}

void TGFader::Loaded()
{
    TCustomControl::Loaded();
    const TNotifyOnChange notify(this, &TGFader::ShortMarksLen, &TGFader::ShortMarksLenChanged);
    shortMarksLen_ = std::min(shortMarksLen_, longMarksLen_);
    UpdateHeadSize();
    InvalidateCache();
    GetSizes();
}

// ---------------------------------------------------------------- drawing

void TGFader::InvalidateCache()
{
    baseValid_ = headValid_ = compositeValid_ = false;
    Invalidate();
}

bool TGFader::DarkBorderShown() const
{
    return darkBorder_ == dbAlways || (darkBorder_ == dbPushed && pressed_) || (darkBorder_ == dbFocused && focused_);
}

void TGFader::PaintBase()
{
    base_.SetSize(Width(), Height());
    TFaderBasePainter(*this, base_.Canvas()).Paint();
}

// The head's outer frame turns black under the DarkBorder condition; every
// change of that condition (press, release, focus) invalidates the head.
void TGFader::PaintHead()
{
    const int hw = headSize_.width(), hh = headSize_.height();
    head_.SetSize(hw, hh);
    TCanvas& c = head_.Canvas();
    c.Brush.Style = bsSolid;
    c.Brush.Color = clBtnFace;
    c.FillRect(TRect(0, 0, hw, hh));
    if (!(pressed_ && pushMode_ == pmPress)) {
        c.Brush.Color = kLight;
        c.FrameRect(TRect(2, 2, hw + 1, hh + 1));
        c.Brush.Color = clBlack;
        c.FrameRect(TRect(-1, -1, hw - 1, hh - 1));
    }
    c.Brush.Color = DarkBorderShown() ? clBlack : clGray;
    c.FrameRect(TRect(0, 0, hw, hh));
    c.SetPixel(hw - 3, 2, clBtnFace);
    if (headRounded_)
        for (const QPoint p : {QPoint(0, 0), QPoint(hw - 1, 0), QPoint(0, hh - 1), QPoint(hw - 1, hh - 1)})
            c.SetPixel(p.x(), p.y(), clBtnFace);
    if (pressed_ && pushMode_ == pmMark) {
        const int m = headMarkDist_;
        c.Brush.Color = headMarkColor_;
        c.FillRect(TRect(m, m, hw - m, hh - m));
    }
}

void TGFader::TempPaint()
{
    composite_.Image() = base_.Image();
    composite_.Canvas().Draw(GetHeadX(), GetHeadY(), head_);
}

void TGFader::Paint()
{
    bool rebuilt = false;
    if (!baseValid_ || base_.Width() != Width() || base_.Height() != Height()) {
        PaintBase();
        baseValid_ = rebuilt = true;
    }
    if (!headValid_) {
        PaintHead();
        headValid_ = rebuilt = true;
    }
    if (rebuilt || !compositeValid_) {
        TempPaint();
        compositeValid_ = true;
    }
    // The focus frame goes on the shown copy, so the cached composite stays clean.
    OffscreenBitmap().Image() = composite_.Image();
    if (focused_ && focusRect_) {
        const int d = focusRectDist_;
        DrawFocusRect(Canvas(), TRect(d, d, Width() - d, Height() - d));
    }
}

// ---------------------------------------------------------------- mouse

bool TGFader::OnHead(int X, int Y) const
{
    const int hx = GetHeadX(), hy = GetHeadY();
    return X > hx && X < hx + headSize_.width() && Y > hy && Y < hy + headSize_.height();
}

bool TGFader::InControlZone(int X, int Y) const
{
    if (Vertical())
        return X > GetHeadX() && X < GetHeadX() + headSize_.width();
    return Y > GetHeadY() && Y < GetHeadY() + headSize_.height();
}

bool TGFader::BeyondHeadTowardsMin(int X, int Y) const
{
    if (Vertical())
        return Y > GetHeadY() + headSize_.height();
    return X <= GetHeadX() + headSize_.width();
}

void TGFader::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    lastPointer_ = QPoint(X, Y);
    // The second press of a double-click that reset the value must not step
    // from where the head was.
    const bool afterReset = Shift.testFlag(ssDouble) && std::exchange(resetByDoubleClick_, false);
    const bool onHead = OnHead(X, Y);
    if (Button == mbRight && onHead && !allowAbs_)
        return;
    if (afterReset || mouseMode_ != TMouseMode::Idle) {
        // nothing more: the press that belongs to a running gesture or a reset
    } else if (onHead) {
        pressed_ = true;
        headValid_ = false;
        lastDrag_ = AlongTrack(X, Y);
        if (Button == mbRight) {
            mouseMode_ = TMouseMode::RelativeDrag;
        } else {
            mouseMode_ = TMouseMode::AbsoluteDrag;
            grab_ = AlongTrack(X, Y) - HeadAlong();
        }
        Repaint();
    } else if (InControlZone(X, Y)) {
        StartStepping(Button, X, Y);
    }
    if (CanFocus() && !Focused())
        SetFocus();
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TGFader::StartStepping(TMouseButton Button, int X, int Y)
{
    const bool down = BeyondHeadTowardsMin(X, Y);
    if (Button == mbRight)
        mouseMode_ = down ? TMouseMode::StepDown : TMouseMode::StepUp;
    else
        mouseMode_ = down ? TMouseMode::LargeDown : TMouseMode::LargeUp;
    ApplyStep(!down);
    repeat_.Start(kRepeatDelay);
}

// One step in the given direction with the size of the running gesture.
void TGFader::ApplyStep(bool towardsMax)
{
    const bool small = mouseMode_ == TMouseMode::StepUp || mouseMode_ == TMouseMode::StepDown;
    if (small)
        mouseMode_ = towardsMax ? TMouseMode::StepUp : TMouseMode::StepDown;
    else
        mouseMode_ = towardsMax ? TMouseMode::LargeUp : TMouseMode::LargeDown;
    const int64_t step = small ? 1 : largeChange_;
    StepBy(towardsMax ? step : -step);
}

void TGFader::TimerExpired()
{
    if (!repeat_.Continue(kRepeatInterval))
        return;
    const int X = lastPointer_.x(), Y = lastPointer_.y();
    const int along = AlongTrack(X, Y), head = HeadAlong();
    const int headLength = Vertical() ? headSize_.height() : headSize_.width();
    if ((along > head && along < head + headLength) || !InControlZone(X, Y))
        return;
    if (mouseMode_ < TMouseMode::StepUp)
        return;
    // A pointer on the head's first pixel or just past its last one lies on
    // that side. The press rule counts the pixel just past the head's end
    // with the head's start; here that would send the head back and forth
    // under a pointer resting there. Max lies right of a horizontal head and
    // above a vertical one.
    ApplyStep(Vertical() ? along <= head : along >= head + headLength);
}

void TGFader::DragTo(int X, int Y)
{
    const double perUnit = TrackLength() / Span();
    if (perUnit <= 0)
        return;
    if (Vertical()) {
        const double top = max_ > min_ ? double(max_) : double(min_) + 1;
        SetValue(Clamped(int64_t(top) - int64_t(Trunc((Y - grab_ - emptyYZone_) / perUnit))));
    } else {
        SetValue(Clamped(int64_t(min_) + Trunc((X - grab_ - emptyXZone_) / perUnit)));
    }
}

void TGFader::MouseMove(TShiftState Shift, int X, int Y)
{
    lastPointer_ = QPoint(X, Y);
    if (mouseMode_ == TMouseMode::RelativeDrag) {
        const int along = AlongTrack(X, Y);
        StepBy(Vertical() ? int64_t(lastDrag_) - along : int64_t(along) - lastDrag_);
        lastDrag_ = along;
    } else if (mouseMode_ == TMouseMode::AbsoluteDrag) {
        DragTo(X, Y);
    }
    TCustomControl::MouseMove(Shift, X, Y);
}

void TGFader::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    resetByDoubleClick_ = false;
    repeat_.Release();
    if (pressed_) {
        pressed_ = false;
        headValid_ = false;
        Invalidate();
    }
    mouseMode_ = TMouseMode::Idle;
    TCustomControl::MouseUp(Button, Shift, X, Y);
}

void TGFader::DblClick()
{
    if (dblClkResets_ && OnHead(lastPointer_.x(), lastPointer_.y())) {
        repeat_.Release();
        pressed_ = false;
        headValid_ = false;
        mouseMode_ = TMouseMode::Idle;
        resetByDoubleClick_ = true;
        SetValue(midValue_);
        Invalidate();
    }
    TCustomControl::DblClick();
}

// ---------------------------------------------------------------- keys and focus

void TGFader::KeyDown(uint16_t& Key, TShiftState Shift)
{
    TCustomControl::KeyDown(Key, Shift);
    const int64_t large = largeChange_;
    const bool v = Vertical();
    switch (Key) {
    case VK::Clear:
        if (dblClkResets_)
            SetValue(midValue_);
        break;
    case VK::Prior: StepBy(v ? large : -large); break;
    case VK::Next: StepBy(v ? -large : large); break;
    case VK::End: SetValue(v ? min_ : max_); break;
    case VK::Home: SetValue(v ? max_ : min_); break;
    case VK::Left:
        if (!v)
            StepBy(-1);
        break;
    case VK::Right:
        if (!v)
            StepBy(1);
        break;
    case VK::Up:
        if (v)
            StepBy(1);
        break;
    case VK::Down:
        if (v)
            StepBy(-1);
        break;
    default: break;
    }
}

void TGFader::FocusChanged(bool focused)
{
    focused_ = focused;
    baseValid_ = false;
    headValid_ = false;
    Invalidate();
}

void TGFader::DoEnter()
{
    FocusChanged(true);
    TCustomControl::DoEnter();
}

void TGFader::DoExit()
{
    FocusChanged(false);
    TCustomControl::DoExit();
}

// ---------------------------------------------------------------- accessibility

QString TGFader::AccessibleName() const { return QStringLiteral("Fader"); }

QStringList TGFader::AccessibleActions() const
{
    return {QAccessibleActionInterface::increaseAction(), QAccessibleActionInterface::decreaseAction()};
}

void TGFader::DoAccessibleAction(const QString& name)
{
    if (name == QAccessibleActionInterface::increaseAction())
        StepBy(1);
    else if (name == QAccessibleActionInterface::decreaseAction())
        StepBy(-1);
}
