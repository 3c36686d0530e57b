#include "widgets/VrGraphicImageControl.h"

#include "framework/WindowShape.h"

#include <QPaintEngine>
#include <QPainter>

int TVrGraphicImageControl::captureDepth_ = 0;

TVrGraphicImageControl::TVrGraphicImageControl(QWidget* parent) : TGraphicControl(parent) {}

void TVrGraphicImageControl::SetTransparent(bool value)
{
    if (value == transparent_)
        return;
    transparent_ = value;
    // A transparent control is painted over what the parent drew beneath it.
    setAttribute(Qt::WA_OpaquePaintEvent, !value);
    reuseBackground_ = false;
    Invalidate();
    emit TransparentChanged();
}

void TVrGraphicImageControl::SetCaption(const QString& value)
{
    if (value == caption_)
        return;
    caption_ = value;
    UpdateControlCanvas();
    emit CaptionChanged();
}

void TVrGraphicImageControl::BeginUpdate() { ++updateCount_; }

void TVrGraphicImageControl::EndUpdate()
{
    if (updateCount_ == 0)
        return;
    if (--updateCount_ == 0)
        UpdateControlCanvas();
}

QString TVrGraphicImageControl::AccessibleName() const { return caption_.isEmpty() ? AccessibleKind() : caption_; }

QAccessible::State TVrGraphicImageControl::AccessibleState() const
{
    QAccessible::State s;
    s.readOnly = true;
    return s;
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
    const bool kept = (reuseBackground_ || capturedNow_) && background_.Width() == width() &&
                      background_.Height() == height();
    reuseBackground_ = capturedNow_ = false;
    if (!kept)
        CaptureBackground();
    canvas.Image() = background_.Image(); // shared until the first stroke
}

// Reads what the parent has just painted beneath the control from the surface
// being painted (the window's backing store). False where it is not a plain
// unscaled image, e.g. while the control is rendered into a picture.
bool TVrGraphicImageControl::CaptureFromPaintDevice(QPainter& painter)
{
    QPaintEngine* engine = painter.paintEngine();
    QPaintDevice* device = engine ? engine->paintDevice() : nullptr;
    if (!device || device->devType() != QInternal::Image)
        return false;
    const auto* surface = static_cast<const QImage*>(device);
    const QTransform& t = painter.deviceTransform();
    if (surface->devicePixelRatio() != 1.0 || t.type() > QTransform::TxTranslate)
        return false;
    const QRect area(t.map(QPoint(0, 0)), size());
    if (!surface->rect().contains(area))
        return false;
    background_.Image() = surface->copy(area).convertToFormat(QImage::Format_RGB32);
    return true;
}

void TVrGraphicImageControl::CaptureBackground()
{
    background_.SetSize(width(), height());
    QImage& image = background_.Image();
    image.fill(ColorToQColor(Color()));
    QWidget* parent = parentWidget();
    if (!parent)
        return;
    ++captureDepth_;
    capturingSelf_ = true;
    {
        QPainter painter(&image);
        RenderBeneath(parent, painter, QWidget::DrawWindowBackground);
        // The siblings below this control in the stacking order.
        for (QObject* child : parent->children()) {
            if (child == this)
                break;
            auto* sibling = qobject_cast<QWidget*>(child);
            if (sibling && !sibling->isWindow() && sibling->isVisibleTo(parent) &&
                sibling->geometry().intersects(geometry()))
                RenderBeneath(sibling, painter, QWidget::DrawWindowBackground | QWidget::DrawChildren);
        }
    }
    capturingSelf_ = false;
    --captureDepth_;
}

// Renders the part of widget (the parent or a sibling) that lies under this control.
void TVrGraphicImageControl::RenderBeneath(QWidget* widget, QPainter& painter, QWidget::RenderFlags flags)
{
    const QRect mine = widget == parentWidget() ? geometry() : geometry().translated(-widget->pos());
    const QRect source = mine.intersected(widget->rect());
    if (source.isEmpty())
        return;
    const QPoint target = source.topLeft() - mine.topLeft();
    widget->render(&painter, target, QRegion(source), flags);
}

void TVrGraphicImageControl::paintEvent(QPaintEvent*)
{
    if (captureDepth_ > 0) {
        // Some image control is capturing what lies beneath it: show the
        // last picture rather than capture in turn.
        if (!capturingSelf_) {
            QPainter p(this);
            WindowShape::ClipToShape(p, this);
            p.drawImage(0, 0, OffscreenBitmap().Image());
        }
        return;
    }
    if (width() <= 0 || height() <= 0)
        return;
    QPainter p(this);
    if (transparent_ && !reuseBackground_)
        capturedNow_ = CaptureFromPaintDevice(p);
    Canvas();
    Paint();
    WindowShape::ClipToShape(p, this);
    p.drawImage(0, 0, OffscreenBitmap().Image());
    // After each paint the control lets the parent paint beneath it again, so
    // that the next ordinary repaint finds what the parent shows now.
    if (transparent_)
        setAttribute(Qt::WA_OpaquePaintEvent, false);
}
