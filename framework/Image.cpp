#include "framework/Image.h"

#include "framework/Exception.h"
#include "framework/Notify.h"

#include <QMetaMethod>

TImage::TImage(QWidget* parent) : TTransparentControl(parent) { SetBounds(0, 0, 105, 105); }

void TImage::SetPicture(const QString& name)
{
    const TNotifyOnChange notify(this, &TImage::Picture, &TImage::PictureChanged);
    if (name == picture_)
        return;
    if (name.isEmpty()) {
        bitmap_.Assign(QImage());
    } else {
        TBitmap loaded;
        if (!loaded.LoadFromResourceName(name))
            throw Exception(QStringLiteral("Picture '%1' not found").arg(name));
        bitmap_.Assign(loaded.Image());
    }
    picture_ = name;
    ApplyPicture();
}

void TImage::SetPictureImage(const QImage& image)
{
    const TNotifyOnChange notify(this, &TImage::Picture, &TImage::PictureChanged);
    bitmap_.Assign(image);
    picture_.clear();
    ApplyPicture();
}

void TImage::ApplyPicture()
{
    bitmap_.Transparent = transparent_;
    ApplyAutoSize();
    Invalidate();
}

void TImage::SetStretch(bool value)
{
    SetAndNotify(this, &TImage::StretchChanged, stretch_, value, [&] { Invalidate(); });
}

void TImage::SetTransparent(bool value)
{
    SetAndNotify(this, &TImage::TransparentChanged, transparent_, value, [&] {
        bitmap_.Transparent = value;
        Invalidate();
    });
}

void TImage::SetAutoSize(bool value)
{
    SetAndNotify(this, &TImage::AutoSizeChanged, autoSize_, value, [&] { ApplyAutoSize(); });
}

void TImage::SetCenter(bool value)
{
    SetAndNotify(this, &TImage::CenterChanged, center_, value, [&] { Invalidate(); });
}

// While a description is read the stored size wins; the picture's size
// applies once loading ends, as the classic control does it.
void TImage::ApplyAutoSize()
{
    if (!autoSize_ || bitmap_.Empty() || ComponentState().testFlag(csLoading))
        return;
    SetBounds(Left(), Top(), bitmap_.Width(), bitmap_.Height());
}

void TImage::Loaded() { ApplyAutoSize(); }

TRect TImage::DestRect() const
{
    if (stretch_ || bitmap_.Empty())
        return ClientRect();
    const int w = bitmap_.Width(), h = bitmap_.Height();
    if (!center_)
        return Bounds(0, 0, w, h);
    return Bounds((Width() - w) / 2, (Height() - h) / 2, w, h);
}

QImage TImage::ScaledPicture() const
{
    const TRect r = DestRect();
    const QImage& src = bitmap_.Image();
    if (src.width() == r.Width() && src.height() == r.Height())
        return src;
    return src.scaled(r.Width(), r.Height(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

// For pictures and tests: the parent's background with the picture on it.
void TImage::Paint()
{
    TCanvas& c = Canvas();
    TBitmap background;
    CaptureParentBackground(background);
    c.Draw(0, 0, background);
    if (bitmap_.Empty())
        return;
    if (stretch_)
        c.StretchDraw(DestRect(), bitmap_);
    else
        c.Draw(DestRect().Left, DestRect().Top, bitmap_);
}

void TImage::paintEvent(QPaintEvent*)
{
    if (bitmap_.Empty() || width() <= 0 || height() <= 0)
        return;
    const QRect target = DestRect().ToQRect();
    if (transparent_)
        PaintKeyed(ScaledPicture(), target, bitmap_.TransparentColor());
    else
        PaintPlain(ScaledPicture(), target);
}

bool TImage::AnswersMouse() const
{
    return isSignalConnected(QMetaMethod::fromSignal(&TControl::OnClick)) ||
           isSignalConnected(QMetaMethod::fromSignal(&TControl::OnMouseDown)) ||
           isSignalConnected(QMetaMethod::fromSignal(&TControl::OnMouseUp));
}

QAccessible::Role TImage::AccessibleRole() const
{
    return AnswersMouse() ? QAccessible::Button : QAccessible::Graphic;
}

QStringList TImage::AccessibleActions() const
{
    if (!AnswersMouse())
        return {};
    return {QAccessibleActionInterface::pressAction()};
}

void TImage::DoAccessibleAction(const QString& name)
{
    if (name == QAccessibleActionInterface::pressAction() && AnswersMouse() && isEnabled())
        PressAndRelease();
}
