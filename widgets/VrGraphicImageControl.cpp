#include "widgets/VrGraphicImageControl.h"

#include "widgets/VrImageControlAccessible.h"

#include <QPainter>

int TVrGraphicImageControl::captureDepth_ = 0;

TVrGraphicImageControl::TVrGraphicImageControl(QWidget* parent) : TGraphicControl(parent)
{
    TVrImageControlAccessible::InstallFactory();
}

void TVrGraphicImageControl::SetTransparent(bool value)
{
    if (value == transparent_)
        return;
    transparent_ = value;
    // A transparent control is painted over what the parent drew beneath it.
    setAttribute(Qt::WA_OpaquePaintEvent, !value);
    reuseBackground_ = false;
    Invalidate();
}

void TVrGraphicImageControl::SetCaption(const QString& value)
{
    if (value == caption_)
        return;
    caption_ = value;
    UpdateControlCanvas();
}

void TVrGraphicImageControl::BeginUpdate() { ++updateCount_; }

void TVrGraphicImageControl::EndUpdate()
{
    if (updateCount_ == 0)
        return;
    if (--updateCount_ == 0)
        UpdateControlCanvas();
}

QString TVrGraphicImageControl::AccessibleNameText() const
{
    if (!accessibleName().isEmpty())
        return accessibleName();
    return caption_.isEmpty() ? objectName() : caption_;
}

void TVrGraphicImageControl::UpdateControlCanvas()
{
    if (ComponentState().testFlag(csLoading) || updateCount_ > 0)
        return;
    if (transparent_) {
        reuseBackground_ = true;
        setAttribute(Qt::WA_OpaquePaintEvent, true);
    }
    NotifyAccessibleValue();
    Invalidate();
}

void TVrGraphicImageControl::Loaded()
{
    TGraphicControl::Loaded();
    UpdateControlCanvas();
}

void TVrGraphicImageControl::Paint() { ClearBitmapCanvas(); }

void TVrGraphicImageControl::ClearBitmapCanvas()
{
    TCanvas& canvas = Canvas();
    if (!transparent_) {
        canvas.Brush.Color = Color();
        canvas.Brush.Style = bsSolid;
        canvas.FillRect(ClientRect());
        return;
    }
    const bool reuse =
        reuseBackground_ && background_.Width() == width() && background_.Height() == height();
    reuseBackground_ = false;
    if (!reuse)
        CaptureBackground();
    canvas.Image() = background_.Image(); // shared until the first stroke
}

void TVrGraphicImageControl::CaptureBackground()
{
    ++captureDepth_;
    capturingSelf_ = true;
    CaptureParentBackground(background_);
    capturingSelf_ = false;
    --captureDepth_;
}

void TVrGraphicImageControl::paintEvent(QPaintEvent* event)
{
    if (captureDepth_ > 0) {
        // Some image control is capturing its parent: show the last picture,
        // or nothing when this control is the one being captured around.
        if (!capturingSelf_) {
            QPainter p(this);
            p.drawImage(0, 0, OffscreenBitmap().Image());
        }
        return;
    }
    TGraphicControl::paintEvent(event);
    // After each paint the control lets the parent paint beneath it again, so
    // that the next ordinary repaint captures what the parent shows now.
    if (transparent_)
        setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void TVrGraphicImageControl::NotifyAccessibleValue()
{
    if (!QAccessible::isActive())
        return;
    QAccessibleValueChangeEvent event(this, AccessibleValueText());
    QAccessible::updateAccessibility(&event);
}
