#pragma once
// TDiagramButton: a speed button that shows a second glyph (Glyph2) while the
// mouse is over it. It turns to the hover glyph on the first mouse move over
// it and back on a mouse move reported outside it (it sees those only while
// it holds the mouse capture, that is while pressed) or on a click. After the
// mouse simply leaves, the hover glyph stays until one of those happens.

#include "framework/SpeedButton.h"

class TDiagramButton : public TSpeedButton {
    Q_OBJECT
    Q_PROPERTY(QString Glyph2 READ Glyph2 WRITE SetGlyph2 NOTIFY Glyph2Changed)
    Q_CLASSINFO("default:Glyph2", "''")

public:
    explicit TDiagramButton(QWidget* parent = nullptr);

    bool Hovering() const { return hovering_; }
    // The hover glyph by picture name; an unknown name is an error and keeps the old one.
    QString Glyph2() const { return glyph2Name_; }
    void SetGlyph2(const QString& name);
    // A copy of the caller's picture becomes the hover glyph.
    void SetGlyph2(const TBitmap& bitmap);
    const TBitmap& Glyph2Bitmap() const { return glyph2_; }

protected:
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void Click() override;
    // The normal glyph stays the speed button's own, so it needs no saved
    // copy and a hover never overwrites it.
    const TBitmap& CurrentGlyph() const override;

private:
    void SetHovering(bool value);

    bool hovering_ = false;
    QString glyph2Name_;
    TBitmap glyph2_;

signals:
    // Property notifications (see framework/Notify.h).
    void Glyph2Changed();
};
