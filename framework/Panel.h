#pragma once
// TPanel: a container with an outer and an inner bevel and a centred caption,
// in the classic light style (clBtnHighlight above and left, clBtnShadow
// below and right for a raised bevel; the other way round when lowered).

#include "framework/Control.h"

class TPanel : public TCustomControl {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption NOTIFY CaptionChanged)
    Q_PROPERTY(fw::TAlignment Alignment READ Alignment WRITE SetAlignment NOTIFY AlignmentChanged)
    Q_PROPERTY(fw::TBevelCut BevelInner READ BevelInner WRITE SetBevelInner NOTIFY BevelInnerChanged)
    Q_PROPERTY(fw::TBevelCut BevelOuter READ BevelOuter WRITE SetBevelOuter NOTIFY BevelOuterChanged)
    Q_PROPERTY(int BevelWidth READ BevelWidth WRITE SetBevelWidth NOTIFY BevelWidthChanged)
    Q_PROPERTY(int BorderWidth READ BorderWidth WRITE SetBorderWidth NOTIFY BorderWidthChanged)
    Q_CLASSINFO("default:Caption", "''")
    Q_CLASSINFO("default:Alignment", "taCenter")
    Q_CLASSINFO("default:BevelInner", "bvNone")
    Q_CLASSINFO("default:BevelOuter", "bvRaised")
    Q_CLASSINFO("default:BevelWidth", "1")
    Q_CLASSINFO("default:BorderWidth", "0")
    Q_CLASSINFO("default:Color", "clBtnFace")

public:
    explicit TPanel(QWidget* parent = nullptr);

    QString Caption() const { return caption_; }
    void SetCaption(const QString& value);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment value);
    TBevelCut BevelInner() const { return bevelInner_; }
    void SetBevelInner(TBevelCut value);
    TBevelCut BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(TBevelCut value);
    int BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int value);
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int value);

    // Width rings, each light on the top and left, dark on the bottom and
    // right; Rect comes back shrunk by Width on every side.
    static void Frame3D(TCanvas& canvas, TRect& rect, TColor topColor, TColor bottomColor, int width);

protected:
    void Paint() override;

private:
    void DrawBevel(TCanvas& canvas, TRect& rect, TBevelCut cut) const;

    QString caption_;
    TAlignment alignment_ = taCenter;
    TBevelCut bevelInner_ = bvNone;
    TBevelCut bevelOuter_ = bvRaised;
    int bevelWidth_ = 1;
    int borderWidth_ = 0;

signals:
    // Property notifications (see framework/Notify.h).
    void CaptionChanged();
    void AlignmentChanged();
    void BevelInnerChanged();
    void BevelOuterChanged();
    void BevelWidthChanged();
    void BorderWidthChanged();
};
