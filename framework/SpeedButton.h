#pragma once
// TSpeedButton: a button without focus, with a glyph (a picture compiled into
// the program, named by resource; its bottom-left pixel is transparent) and a
// caption laid out around it. Flat buttons show their bevel only while the
// mouse is over them; pressed buttons show a lowered bevel and shift their
// face one pixel right and down. A click (press and release inside) raises OnClick.

#include "framework/AccessibleControl.h"
#include "framework/Bitmap.h"
#include "framework/Control.h"

class TSpeedButton : public TGraphicControl, public TAccessibleControl {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption NOTIFY CaptionChanged)
    Q_PROPERTY(bool Flat READ Flat WRITE SetFlat NOTIFY FlatChanged)
    Q_PROPERTY(QString Glyph READ Glyph WRITE SetGlyph NOTIFY GlyphChanged)
    Q_PROPERTY(fw::TButtonLayout Layout READ Layout WRITE SetLayout NOTIFY LayoutChanged)
    Q_PROPERTY(int Margin READ Margin WRITE SetMargin NOTIFY MarginChanged)
    Q_PROPERTY(int Spacing READ Spacing WRITE SetSpacing NOTIFY SpacingChanged)
    Q_CLASSINFO("default:Caption", "''")
    Q_CLASSINFO("default:Flat", "False")
    Q_CLASSINFO("default:Glyph", "''")
    Q_CLASSINFO("default:Layout", "blGlyphLeft")
    Q_CLASSINFO("default:Margin", "-1")
    Q_CLASSINFO("default:Spacing", "4")

public:
    explicit TSpeedButton(QWidget* parent = nullptr);

    QString Caption() const { return caption_; }
    void SetCaption(const QString& value);
    bool Flat() const { return flat_; }
    void SetFlat(bool value);
    QString Glyph() const { return glyph_; }
    // Loads the named picture; an unknown name is an error and keeps the old glyph.
    void SetGlyph(const QString& name);
    TButtonLayout Layout() const { return layout_; }
    void SetLayout(TButtonLayout value);
    int Margin() const { return margin_; }
    void SetMargin(int value);
    int Spacing() const { return spacing_; }
    void SetSpacing(int value);

    bool Pressed() const { return pressed_; }
    bool MouseInControl() const { return hot_; }
    // Where glyph and caption land (for tests and derived buttons).
    QPoint GlyphPos();
    QPoint CaptionPos();

    // TAccessibleControl: a push button named by its caption (else its hint),
    // shown pressed while held; its press action clicks it as the mouse does.
    QAccessible::Role AccessibleRole() const override { return QAccessible::Button; }
    QString AccessibleName() const override;
    QAccessible::State AccessibleState() const override;
    QStringList AccessibleActions() const override { return {QAccessibleActionInterface::pressAction()}; }
    void DoAccessibleAction(const QString& name) override;

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseEnter() override;
    void MouseLeave() override;
    // The picture drawn as glyph; derived buttons may swap it (hover glyphs).
    virtual const TBitmap& CurrentGlyph() const { return glyphBitmap_; }

private:
    struct Placement {
        QPoint glyph;
        QPoint caption;
    };
    Placement CalcLayout(QSize glyphSize, QSize textSize) const;
    QSize TextSize();
    void DrawFace(TCanvas& c);
    void SetPressed(bool value);

    QString caption_;
    QString glyph_;
    TBitmap glyphBitmap_;
    TButtonLayout layout_ = blGlyphLeft;
    int margin_ = -1;
    int spacing_ = 4;
    bool flat_ = false;
    bool pressed_ = false;
    bool hot_ = false;
    bool tracking_ = false; // the left button went down on this button

signals:
    // Property notifications (see framework/Notify.h).
    void CaptionChanged();
    void FlatChanged();
    void GlyphChanged();
    void LayoutChanged();
    void MarginChanged();
    void SpacingChanged();
};
