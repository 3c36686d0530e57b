#pragma once
// TVrGraphicImageControl: the windowless base of the Vr instrument family
// (thermometer, LED, shaped window). Every paint starts from a cleared image
// of the control's size: filled with Color, or, when Transparent, with a copy
// of the parent's pixels under the control. Subclasses draw on Canvas() after
// calling this class's Paint(); the image reaches the screen in one block.
//
// Transparency and repaints: during an ordinary repaint (the parent or the
// platform asks for it) the control counts as not opaque, so the parent has
// painted beneath it; the control reads those pixels from the surface being
// painted and keeps them. A repaint the control asks for itself after a
// property change (UpdateControlCanvas) reuses the kept copy; for that one
// repaint the control counts as opaque, so the parent does not paint beneath
// it. Where the surface cannot be read (off-screen pictures, scaled screens)
// the parent and the controls beneath are rendered instead. Requests are
// ignored while loading or between BeginUpdate and EndUpdate.

#include "framework/AccessibleControl.h"
#include "framework/Control.h"

class QPainter;

class TVrGraphicImageControl : public TGraphicControl, public TAccessibleControl {
    Q_OBJECT

public:
    explicit TVrGraphicImageControl(QWidget* parent = nullptr);

    bool Transparent() const { return transparent_; }
    void SetTransparent(bool value);
    QString Caption() const { return caption_; }
    void SetCaption(const QString& value);

    // Brackets a group of changes so that the control repaints once, at the end.
    void BeginUpdate();
    void EndUpdate();

    // TAccessibleControl: named by the caption, else by what the control is
    // (AccessibleKind); what it shows is read as text.
    QString AccessibleName() const override;
    QAccessible::Role AccessibleRole() const override { return QAccessible::Graphic; }
    bool HasAccessibleText() const override { return true; }
    QAccessible::State AccessibleState() const override;
    virtual QString AccessibleKind() const { return QStringLiteral("Picture"); }

signals:
    // Notifications of the properties the subclasses publish (see framework/Notify.h).
    void TransparentChanged();
    void CaptionChanged();

protected:
    // Clears the image; subclasses call this first, then draw.
    void Paint() override;
    // The repaint a control requests after one of its own properties changed.
    void UpdateControlCanvas();
    // Tells assistive technology that the shown state changed (UpdateControlCanvas does this too).
    void NotifyAccessibleValue() { NotifyChanged(this); }
    void Loaded() override;
    void AfterFontChange() override { UpdateControlCanvas(); }
    void AfterColorChange() override { UpdateControlCanvas(); }
    void paintEvent(QPaintEvent* event) override;
    // Its paint event draws more than the off-screen bitmap.
    const QImage* ScreenPicture() override { return nullptr; }

private:
    void ClearBitmapCanvas();
    bool CaptureFromPaintDevice(QPainter& painter);
    void CaptureBackground();
    void RenderBeneath(QWidget* widget, QPainter& painter, QWidget::RenderFlags flags);

    TBitmap background_; // the parent's pixels under the control, kept between repaints
    QString caption_;
    bool transparent_ = false;
    bool reuseBackground_ = false; // the next paint was asked for by the control itself
    bool capturedNow_ = false;     // background_ was just read from the screen
    bool capturingSelf_ = false;
    int updateCount_ = 0;
    // Captures in progress anywhere: while the parent and the controls beneath
    // are rendered for one control, image controls show their last picture
    // instead of capturing in turn (which would nest once per sibling).
    static int captureDepth_;
};
