#pragma once
// TImage: shows a picture compiled into the program, named by its resource
// name (Picture = 'FLAME'). Stretch scales it to the control, Center centres
// it, AutoSize sizes the control to it. With Transparent the picture's
// transparent colour (its bottom-left pixel) shows the parent; so does every
// part of the control the picture does not cover.

#include "framework/AccessibleControl.h"
#include "framework/Bitmap.h"
#include "framework/TransparentControl.h"

class TImage : public TTransparentControl, public TAccessibleControl {
    Q_OBJECT
    Q_PROPERTY(QString Picture READ Picture WRITE SetPicture NOTIFY PictureChanged)
    Q_PROPERTY(bool Stretch READ Stretch WRITE SetStretch NOTIFY StretchChanged)
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent NOTIFY TransparentChanged)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize NOTIFY AutoSizeChanged)
    Q_PROPERTY(bool Center READ Center WRITE SetCenter NOTIFY CenterChanged)
    Q_CLASSINFO("default:Picture", "''")
    Q_CLASSINFO("default:Stretch", "False")
    Q_CLASSINFO("default:Transparent", "False")
    Q_CLASSINFO("default:AutoSize", "False")
    Q_CLASSINFO("default:Center", "False")

public:
    explicit TImage(QWidget* parent = nullptr);

    QString Picture() const { return picture_; }
    // Loads the named picture; an unknown name is an error and keeps the old picture.
    void SetPicture(const QString& name);
    // A picture made by the program rather than taken from the resources.
    void SetPictureImage(const QImage& image);
    const TBitmap& PictureBitmap() const { return bitmap_; }

    bool Stretch() const { return stretch_; }
    void SetStretch(bool value);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool value);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool value);
    bool Center() const { return center_; }
    void SetCenter(bool value);

    // Where the picture lands in the control.
    TRect DestRect() const;

    // A picture that answers the mouse (a click or press handler is
    // connected) is a key: to assistive technology a button with a press
    // action that clicks it as the mouse does. Any other is a graphic.
    bool AnswersMouse() const;
    QAccessible::Role AccessibleRole() const override;
    QString AccessibleName() const override { return Hint(); }
    QStringList AccessibleActions() const override;
    void DoAccessibleAction(const QString& name) override;

protected:
    void Paint() override;
    void paintEvent(QPaintEvent* event) override;
    // Its paint event draws more than the off-screen bitmap.
    const QImage* ScreenPicture() override { return nullptr; }
    void Loaded() override;

private:
    void ApplyPicture();
    void ApplyAutoSize();
    QImage ScaledPicture() const;

    TBitmap bitmap_;
    QString picture_;
    bool stretch_ = false;
    bool transparent_ = false;
    bool autoSize_ = false;
    bool center_ = false;

signals:
    // Property notifications (see framework/Notify.h).
    void PictureChanged();
    void StretchChanged();
    void TransparentChanged();
    void AutoSizeChanged();
    void CenterChanged();
};
