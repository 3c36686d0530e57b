#pragma once
// TLabel: one line of text in the control's font. AutoSize fits the control
// to the text; Transparent lets the parent show around the letters.

#include "framework/TransparentControl.h"

class TLabel : public TTransparentControl {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption NOTIFY CaptionChanged)
    Q_PROPERTY(fw::TAlignment Alignment READ Alignment WRITE SetAlignment NOTIFY AlignmentChanged)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize NOTIFY AutoSizeChanged)
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent NOTIFY TransparentChanged)
    Q_CLASSINFO("default:Caption", "''")
    Q_CLASSINFO("default:Alignment", "taLeftJustify")
    Q_CLASSINFO("default:AutoSize", "True")
    Q_CLASSINFO("default:Transparent", "False")
    Q_CLASSINFO("default:ParentColor", "True")

public:
    explicit TLabel(QWidget* parent = nullptr);

    QString Caption() const { return caption_; }
    void SetCaption(const QString& value);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment value);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool value);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool value);

protected:
    void Paint() override;
    void paintEvent(QPaintEvent* event) override;
    // Its paint event draws more than the off-screen bitmap.
    const QImage* ScreenPicture() override { return nullptr; }
    void Loaded() override;
    void AfterFontChange() override;

private:
    void DrawCaption(TCanvas& canvas);
    void AdjustBounds();
    // A colour the text never has, marking what the parent shows through.
    TColor KeyColor() const;

    QString caption_;
    TAlignment alignment_ = taLeftJustify;
    bool autoSize_ = true;
    bool transparent_ = false;

signals:
    // Property notifications (see framework/Notify.h).
    void CaptionChanged();
    void AlignmentChanged();
    void AutoSizeChanged();
    void TransparentChanged();
};
