#pragma once
// TVrFormShape: placed on a borderless form, it shows the Mask bitmap as the
// window's face, cuts the window to the mask's shape (every pixel that is not
// MaskColor belongs to the window) and lets the user drag the window by any
// point of its face.
//
// The shape travels with the window description as "RgnData", the region
// record in the classic byte layout (see framework/RegionData.h), so a loaded
// window is shaped at once without scanning the mask again. Changing the mask
// or the mask colour rescans it.

#include "widgets/VrGraphicImageControl.h"

#include <QByteArray>
#include <QPoint>

class TVrFormShape : public TVrGraphicImageControl {
    Q_OBJECT
    // The picture as a window description stores it: a counted block holding
    // an image file (PNG when written; any format Qt reads, BMP included).
    Q_PROPERTY(QByteArray Mask READ WriteMask WRITE ReadMask NOTIFY MaskChanged)
    Q_CLASSINFO("binary:Mask", "counted")
    Q_CLASSINFO("stored:Mask", "IsMaskStored")
    Q_PROPERTY(TColor MaskColor READ MaskColor WRITE SetMaskColor NOTIFY MaskColorChanged)
    Q_CLASSINFO("default:MaskColor", "clOlive")
    // The colour is the mask colour; it is written once, as MaskColor.
    Q_PROPERTY(TColor Color READ Color WRITE SetMaskColor NOTIFY ColorChanged STORED false)
    Q_PROPERTY(fw::TCursor DragCursor READ DragCursor WRITE SetDragCursor NOTIFY DragCursorChanged)
    Q_PROPERTY(fw::TDragKind DragKind READ DragKind WRITE SetDragKind NOTIFY DragKindChanged)
    Q_PROPERTY(fw::TDragMode DragMode READ DragMode WRITE SetDragMode NOTIFY DragModeChanged)
    Q_PROPERTY(bool ParentShowHint READ ParentShowHint WRITE SetParentShowHint NOTIFY ParentShowHintChanged)
    Q_PROPERTY(TPopupMenu* PopupMenu READ PopupMenu WRITE SetPopupMenu NOTIFY PopupMenuChanged)
    Q_PROPERTY(QByteArray RgnData READ RgnData WRITE SetRgnData NOTIFY RgnDataChanged)
    Q_CLASSINFO("binary:RgnData", "counted")

public:
    // Throws Exception("VrFormShape requires a FORM as parent!") unless
    // parent is null or a form (a top-level window).
    explicit TVrFormShape(QWidget* parent = nullptr);

    // The window's outline shows nothing a screen reader could read.
    QString AccessibleKind() const override { return QStringLiteral("Window shape"); }
    bool HasAccessibleText() const override { return false; }

    const TBitmap& Mask() const { return mask_; }
    void SetMask(const TBitmap& value);
    TColor MaskColor() const { return Color(); }
    void SetMaskColor(TColor value) { SetColor(value); }

    // The region record, without the stream's byte count.
    QByteArray RgnData() const { return regionData_; }
    // Refuses (throws Exception, keeping the old data) what is not a region record.
    void SetRgnData(const QByteArray& value);

    QByteArray WriteMask() const;
    // Throws Exception for bytes that are not a picture.
    void ReadMask(const QByteArray& data);
    Q_INVOKABLE bool IsMaskStored() const { return !mask_.Empty(); }

    // Moves the control to another form (or to none); same rule as the constructor.
    void SetParent(QWidget* parent);

    // Scans the mask into the region data, then applies it (not at design time).
    void UpdateMask();
    // Sets the region data as the form's window region.
    void UpdateRegion();

protected:
    void Paint() override;
    void Loaded() override;
    void AfterColorChange() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    static QWidget* RequireForm(QWidget* parent);
    static QRegion MaskRegion(const QImage& mask, TColor maskColor);
    void BecomeBorderless();
    bool Designing() const { return ComponentState().testFlag(csDesigning); }
    bool Loading() const { return ComponentState().testFlag(csLoading); }
    void ApplyMask();
    void StartDrag(int X, int Y);

    TBitmap mask_;
    QByteArray regionData_;
    // Moving the window ourselves, where the platform does not do it.
    bool dragging_ = false;
    QPoint dragStart_;    // screen position of the press
    QPoint windowStart_;  // window position at the press

signals:
    // Property notifications (see framework/Notify.h).
    void MaskChanged();
    void MaskColorChanged();
    void RgnDataChanged();
};
