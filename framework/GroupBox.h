#pragma once
// TGroupBox: an etched frame (clBtnShadow line with a clBtnHighlight line
// one pixel down and right) with its caption at the top left, on the face
// colour. The frame starts half a text line down so the caption sits on it.

#include "framework/Control.h"

class TGroupBox : public TCustomControl {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption NOTIFY CaptionChanged)
    Q_CLASSINFO("default:Caption", "''")
    Q_CLASSINFO("default:ParentColor", "True")

public:
    explicit TGroupBox(QWidget* parent = nullptr);

    QString Caption() const { return caption_; }
    void SetCaption(const QString& value);

protected:
    void Paint() override;

private:
    QString caption_;

signals:
    // Property notifications (see framework/Notify.h).
    void CaptionChanged();
};
