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

// Truncation toward zero that stays inside 64 bits for any real input: a drag
// over a range wider than int reaches its far end.
int64_t Trunc64(double v)
{
    if (!(v == v))
        return 0;
    return int64_t(std::clamp(std::trunc(v), -9.0e18, 9.0e18));
}

QSize HeadSizeFor(TGFader::TFaderSize size, bool vertical)
{
    static constexpr int horizontal[4][2] = {{22, 14}, {20, 13}, {18, 12}, {17, 11}};
    static constexpr int upright[4][2] = {{15, 20}, {14, 18}, {12, 16}, {11, 15}};
    const auto& row = vertical ? upright[size] : horizontal[size];
    return {row[0], row[1]};
}

} // namespace

TGFader::TGFader(QWidget* parent)
    : TCustomControl(parent), TSteppedRange(this, 0, 100, 50), labelsFont_(new TFont(this))
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
    base_.Drop();
    if (headChanges)
        head_.Drop();
    if (sizeChanges && !Loading())
        GetSizes();
    Invalidate();
}

void TGFader::Redraw(TRedraw what)
{
    switch (what) {
    case TRedraw::Shown: Invalidate(); break;
    case TRedraw::Head:
        head_.Drop();
        Invalidate();
        break;
    case TRedraw::Base: AppearanceChanged(false); break;
    case TRedraw::HeadAndBase: AppearanceChanged(false, true); break;
    case TRedraw::Size: AppearanceChanged(true); break;
    }
}

void TGFader::SetNumMarks(quint16 value)
{
    value = std::max<quint16>(value, 1);
    SetAndNotify(this, &TGFader::NumMarksChanged, numMarks_, value, [&] { AppearanceChanged(false); });
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

void TGFader::SetFaderSize(TFaderSize value)
{
    SetAndNotify(this, &TGFader::FaderSizeChanged, faderSize_, value, [&] {
        UpdateHeadSize();
        AppearanceChanged(true, true);
    });
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

void TGFader::SetEmptyXZone(quint16 value)
{
    SetAndNotify(this, &TGFader::EmptyXZoneChanged, emptyXZone_, value, [&] {
        AppearanceChanged(true);
    });
}

void TGFader::SetEmptyYZone(quint16 value)
{
    SetAndNotify(this, &TGFader::EmptyYZoneChanged, emptyYZone_, value, [&] {
        AppearanceChanged(true);
    });
}

void TGFader::SetMax(int value)
{
    SetAndNotify(this, &TGFader::MaxChanged, max_, value, [&] {
        Invalidate();
    });
}

void TGFader::SetMin(int value)
{
    SetAndNotify(this, &TGFader::MinChanged, min_, value, [&] {
        Invalidate();
    });
}

void TGFader::SetValue(int value)
{
    value = ClampedDownThenUp(value);
    SetAndNotify(this, &TGFader::ValueChanged, value_, value, [&] {
        Invalidate();
        NotifyChanged(this);
        if (!Loading())
            emit OnChange(this);
    });
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

// ---------------------------------------------------------------- geometry

void TGFader::UpdateHeadSize()
{
    headSize_ = HeadSizeFor(faderSize_, Vertical());
}

int TGFader::NeededWidth() const
{
    if (!Vertical())
        return std::max(Width(), headSize_.width() + 2 * emptyXZone_ + 2);
    const int marks = markType_ == mtNone ? 0 : std::max(longMarksLen_, shortMarksLen_) + marksPos_;
    const int labels
        = labels_ ? std::max(labelsFont_->TextWidth(labelMax_), labelsFont_->TextWidth(labelMin_)) + labelsPos_ : 0;
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

void TGFader::GetSizes()
{
    SetBounds(Left(), Top(), NeededWidth(), NeededHeight());
}

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

// The head's place was always the track length per unit times the value's
// distance from the track's start (the factor form), truncated.
TScaleMap TGFader::TrackMap() const
{
    const double span = Span(), length = TrackLength();
    if (Vertical()) {
        const double top = double(min_) + span;
        return TScaleMap(top, min_, emptyYZone_, emptyYZone_ + length, TScaleMap::TArithmetic::Factor);
    }
    return TScaleMap(min_, double(min_) + span, emptyXZone_, emptyXZone_ + length, TScaleMap::TArithmetic::Factor);
}

int TGFader::GetHeadX() const
{
    if (Vertical())
        return faderPlace_ ? emptyXZone_ : Width() - emptyXZone_ - headSize_.width();
    return TrackMap().Pixel(value_, TRounding::Truncate);
}

int TGFader::GetHeadY() const
{
    if (!Vertical())
        return faderPlace_ ? emptyYZone_ : Height() - emptyYZone_ - headSize_.height();
    const int s = faderSize_ == fsSmallest ? 0 : 1;
    return RoundToPixel(TrackMap().Transform(value_) + s, TRounding::Truncate);
}

void TGFader::Resize()
{
    base_.Drop();
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
    base_.Drop();
    head_.Drop();
    Invalidate();
}

bool TGFader::DarkBorderShown() const
{
    return darkBorder_ == dbAlways || (darkBorder_ == dbPushed && pressed_) || (darkBorder_ == dbFocused && focused_);
}

void TGFader::PaintBase(TBitmap& base)
{
    TFaderBasePainter(*this, base.Canvas()).Paint();
}

// The head's outer frame turns black under the DarkBorder condition; every
// change of that condition (press, release, focus) invalidates the head.
void TGFader::PaintHead(TBitmap& head)
{
    const int hw = headSize_.width(), hh = headSize_.height();
    TCanvas& c = head.Canvas();
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

void TGFader::Paint()
{
    const int w = Width(), h = Height();
    const bool baseDrawn = base_.Keep(w, h, [&](TBitmap& b) { PaintBase(b); });
    const bool headDrawn = head_.Keep(headSize_.width(), headSize_.height(), [&](TBitmap& b) { PaintHead(b); });
    // A move puts the base back only where the head and the focus frame
    // were, as long as nobody else has drawn into the shown picture since.
    QImage& shown = OffscreenBitmap().Image();
    const bool restored = !baseDrawn && !headDrawn && shown.cacheKey() == shownKey_ && base_.CopyTo(shown, overBase_);
    if (!restored)
        base_.CopyTo(shown);
    const QPoint head(GetHeadX(), GetHeadY());
    Canvas().Draw(head.x(), head.y(), head_.Picture());
    overBase_ = QRect(head, headSize_);
    if (focused_ && focusRect_) {
        const int d = focusRectDist_;
        const TRect frame(d, d, w - d, h - d);
        DrawFocusRect(Canvas(), frame);
        overBase_ += QRegion(frame.ToQRect()).subtracted(QRegion(frame.ToQRect().adjusted(1, 1, -1, -1)));
    }
    shownKey_ = shown.cacheKey();
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
        head_.Drop();
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
    SetRepeatAction(ApplyStep(!down), kRepeatDelay);
}

// One step in the given direction with the size of the running gesture.
TSteppedRange::TStepAction TGFader::ApplyStep(bool towardsMax)
{
    const bool small = mouseMode_ == TMouseMode::StepUp || mouseMode_ == TMouseMode::StepDown;
    TStepAction action;
    if (small) {
        mouseMode_ = towardsMax ? TMouseMode::StepUp : TMouseMode::StepDown;
        action = towardsMax ? TStepAction::SingleStepAdd : TStepAction::SingleStepSub;
    } else {
        mouseMode_ = towardsMax ? TMouseMode::LargeUp : TMouseMode::LargeDown;
        action = towardsMax ? TStepAction::PageStepAdd : TStepAction::PageStepSub;
    }
    TriggerAction(action);
    return action;
}

void TGFader::TriggerAction(TStepAction action)
{
    switch (action) {
    case TStepAction::None: break;
    case TStepAction::ToMinimum: SetValue(min_); break;
    case TStepAction::ToMaximum: SetValue(max_); break;
    default: StepBy(StepOf(action, largeChange_)); break;
    }
}

int TGFader::RepeatInterval() const
{
    return kRepeatInterval;
}

// A held track steps towards the pointer until the head reaches it.
void TGFader::RepeatTick()
{
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

// The value under the grabbed point of the head, truncated toward the
// track's start (Min on the left, Max at the top).
void TGFader::DragTo(int X, int Y)
{
    if (TrackLength() <= 0)
        return;
    const TScaleMap map = TrackMap();
    SetValue(ClampedDownThenUp(int64_t(map.S1()) + Trunc64(map.InvOffset(AlongTrack(X, Y) - grab_))));
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
    ReleaseRepeat();
    if (pressed_) {
        pressed_ = false;
        head_.Drop();
        Invalidate();
    }
    mouseMode_ = TMouseMode::Idle;
    TCustomControl::MouseUp(Button, Shift, X, Y);
}

void TGFader::DblClick()
{
    if (dblClkResets_ && OnHead(lastPointer_.x(), lastPointer_.y())) {
        ReleaseRepeat();
        pressed_ = false;
        head_.Drop();
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
    if (Key == VK::Clear) {
        if (dblClkResets_)
            SetValue(midValue_);
        return;
    }
    TriggerAction(KeyAction(Key, Vertical() ? TOrientation::Vertical : TOrientation::Horizontal));
}

void TGFader::FocusChanged(bool focused)
{
    focused_ = focused;
    base_.Drop();
    head_.Drop();
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

QString TGFader::AccessibleName() const
{
    return QStringLiteral("Fader");
}

QStringList TGFader::AccessibleActions() const
{
    return {QAccessibleActionInterface::increaseAction(), QAccessibleActionInterface::decreaseAction()};
}

void TGFader::DoAccessibleAction(const QString& name)
{
    if (name == QAccessibleActionInterface::increaseAction())
        TriggerAction(TStepAction::SingleStepAdd);
    else if (name == QAccessibleActionInterface::decreaseAction())
        TriggerAction(TStepAction::SingleStepSub);
}
