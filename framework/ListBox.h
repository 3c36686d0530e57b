#pragma once
// TCustomListBox: a list of text items, each optionally carrying an object
// pointer, one of which may be selected. Items have a fixed height and are
// drawn by DrawItem, which owner-drawn lists override (or, when OnDrawItem is
// connected, the handler draws). A left press selects the item under the
// pointer; BeginUpdate/EndUpdate hold repaints while the items are rebuilt.

#include "framework/Control.h"
#include "framework/Notify.h"

#include <vector>

enum TOwnerDrawStateFlag { odSelected = 0x01, odFocused = 0x02 };
using TOwnerDrawState = int;

class TCustomListBox : public TCustomControl {
    Q_OBJECT
    Q_PROPERTY(bool Ctl3D READ Ctl3D WRITE SetCtl3D NOTIFY Ctl3DChanged)
    Q_CLASSINFO("default:Ctl3D", "True")
    Q_PROPERTY(fw::TDragMode DragMode READ DragMode WRITE SetDragMode NOTIFY DragModeChanged)
    Q_PROPERTY(fw::TCursor DragCursor READ DragCursor WRITE SetDragCursor NOTIFY DragCursorChanged)
    Q_PROPERTY(bool ParentCtl3D READ ParentCtl3D WRITE SetParentCtl3D NOTIFY ParentCtl3DChanged)
    Q_CLASSINFO("default:ParentCtl3D", "True")
    Q_PROPERTY(bool ParentShowHint READ ParentShowHint WRITE SetParentShowHint NOTIFY ParentShowHintChanged)
    Q_PROPERTY(TPopupMenu* PopupMenu READ PopupMenu WRITE SetPopupMenu NOTIFY PopupMenuChanged)
    Q_PROPERTY(int ItemHeight READ ItemHeight WRITE SetItemHeight NOTIFY ItemHeightChanged)
    Q_CLASSINFO("default:ItemHeight", "16")
    Q_PROPERTY(QStringList Items READ ItemsText WRITE SetItemsText NOTIFY ItemsChanged)
    Q_CLASSINFO("default:Items", "()")
    // The list's window text, as the platform keeps it for every window; the
    // items are not affected by it.
    Q_PROPERTY(QString Text READ Text WRITE SetText NOTIFY TextChanged)
    Q_CLASSINFO("default:Text", "''")

public:
    explicit TCustomListBox(QWidget* parent = nullptr);

    bool Ctl3D() const { return ctl3D_; }
    void SetCtl3D(bool value);
    bool ParentCtl3D() const { return parentCtl3D_; }
    void SetParentCtl3D(bool value) { SetAndNotify(this, &TCustomListBox::ParentCtl3DChanged, parentCtl3D_, value); }
    int ItemHeight() const { return itemHeight_; }
    void SetItemHeight(int value);
    QStringList ItemsText() const;
    void SetItemsText(const QStringList& texts);
    QString Text() const { return text_; }
    void SetText(const QString& value);

    int Count() const { return int(items_.size()); }
    QString ItemText(int index) const { return items_.at(size_t(index)).text; }
    void* ItemObject(int index) const { return items_.at(size_t(index)).object; }
    int AddObject(const QString& text, void* object);
    void Clear();
    void BeginUpdate();
    void EndUpdate();

    int ItemIndex() const { return itemIndex_; }
    void SetItemIndex(int value);
    // The item under a client point, or -1.
    int ItemAtPos(QPoint p) const;
    TRect ItemRect(int index) const;

signals:
    // Property notifications (see framework/Notify.h).
    void Ctl3DChanged();
    void ParentCtl3DChanged();
    void ItemHeightChanged();
    void ItemsChanged();
    void TextChanged();
    void OnDrawItem(QObject* Control, int Index, const TRect& Rect, TOwnerDrawState State);

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    // Draws one item on Canvas() with the brush and font set for its state.
    virtual void DrawItem(int index, const TRect& rect, TOwnerDrawState state);
    void Changed();

private:
    struct Item {
        QString text;
        void* object = nullptr;
    };
    std::vector<Item> items_;
    QString text_;
    int itemHeight_ = 16;
    int itemIndex_ = -1;
    int updating_ = 0;
    QStringList itemsAtUpdate_;
    bool ctl3D_ = true;
    bool parentCtl3D_ = true;
};
