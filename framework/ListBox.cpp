#include "framework/ListBox.h"

#include "framework/Notify.h"

#include <QMetaMethod>

TCustomListBox::TCustomListBox(QWidget* parent) : TCustomControl(parent)
{
    SetColor(clWhite);
    SetBounds(0, 0, 121, 97);
}

void TCustomListBox::SetCtl3D(bool value)
{
    SetAndNotify(this, &TCustomListBox::Ctl3DChanged, ctl3D_, value, [&] { Changed(); });
}

void TCustomListBox::SetItemHeight(int value)
{
    const TNotifyOnChange notify(this, &TCustomListBox::ItemHeight, &TCustomListBox::ItemHeightChanged);
    if (value == itemHeight_ || value <= 0)
        return;
    itemHeight_ = value;
    Changed();
}

QStringList TCustomListBox::ItemsText() const
{
    QStringList texts;
    for (const Item& item : items_)
        texts.append(item.text);
    return texts;
}

void TCustomListBox::SetItemsText(const QStringList& texts)
{
    const TNotifyOnChange notify(this, &TCustomListBox::ItemsText, &TCustomListBox::ItemsChanged);
    items_.clear();
    for (const QString& t : texts)
        items_.push_back({t, nullptr});
    itemIndex_ = -1;
    Changed();
}

int TCustomListBox::AddObject(const QString& text, void* object)
{
    items_.push_back({text, object});
    Changed();
    if (updating_ == 0)
        emit ItemsChanged();
    return Count() - 1;
}

void TCustomListBox::Clear()
{
    const bool had = !items_.empty();
    items_.clear();
    itemIndex_ = -1;
    Changed();
    if (had && updating_ == 0)
        emit ItemsChanged();
}

// Within an update the items are told once, at its end, and only if they differ.
void TCustomListBox::BeginUpdate()
{
    if (updating_++ == 0)
        itemsAtUpdate_ = ItemsText();
}

void TCustomListBox::EndUpdate()
{
    if (updating_ > 0 && --updating_ == 0) {
        Changed();
        if (ItemsText() != std::exchange(itemsAtUpdate_, {}))
            emit ItemsChanged();
    }
}

void TCustomListBox::Changed()
{
    if (updating_ == 0)
        Invalidate();
}

void TCustomListBox::SetItemIndex(int value)
{
    if (value < -1 || value >= Count())
        value = -1;
    if (value == itemIndex_)
        return;
    itemIndex_ = value;
    Changed();
}

int TCustomListBox::ItemAtPos(QPoint p) const
{
    if (p.x() < 0 || p.x() >= width() || p.y() < 0)
        return -1;
    const int index = p.y() / itemHeight_;
    return index < Count() ? index : -1;
}

TRect TCustomListBox::ItemRect(int index) const
{
    return TRect(0, index * itemHeight_, width(), (index + 1) * itemHeight_);
}

void TCustomListBox::Paint()
{
    TCanvas& c = Canvas();
    c.ClearClip();
    c.Brush.Style = bsSolid;
    c.Brush.Color = Color();
    c.FillRect(ClientRect());
    for (int i = 0; i < Count() && i * itemHeight_ < height(); ++i) {
        const bool selected = i == itemIndex_;
        c.Font.Assign(*Font());
        c.Brush.Style = bsSolid;
        c.Brush.Color = selected ? clNavy : Color();
        if (selected)
            c.Font.SetColor(clWhite);
        const TOwnerDrawState state = selected ? odSelected : 0;
        if (isSignalConnected(QMetaMethod::fromSignal(&TCustomListBox::OnDrawItem)))
            emit OnDrawItem(this, i, ItemRect(i), state);
        else
            DrawItem(i, ItemRect(i), state);
    }
}

void TCustomListBox::DrawItem(int index, const TRect& rect, TOwnerDrawState)
{
    TCanvas& c = Canvas();
    c.FillRect(rect);
    c.TextRect(rect, rect.Left + 2, rect.Top, ItemText(index));
}

void TCustomListBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button == mbLeft) {
        const int index = ItemAtPos(QPoint(X, Y));
        if (index >= 0)
            SetItemIndex(index);
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TCustomListBox::SetText(const QString& value)
{
    if (value == text_)
        return;
    text_ = value;
    emit TextChanged();
}
