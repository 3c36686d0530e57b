#include "graph/Legenda.h"

#include "framework/Notify.h"
#include "graph/KivGraph.h"

#include <QScopeGuard>

TLegenda::TLegenda(QWidget* parent) : TCustomListBox(parent)
{
    SetTabStop(false);
    Canvas().Pen.Color = clBlack;
}

TLegenda::~TLegenda()
{
    if (graph_ && graph_->legend_ == this)
        graph_->legend_ = nullptr;
}

void TLegenda::SetCheckBoxes(bool value)
{
    SetAndNotify(this, &TLegenda::CheckBoxesChanged, checkBoxes_, value, [&] { Invalidate(); });
}

void TLegenda::SetKivGraph(TKivGraph* graph)
{
    if (!graph || (graph_ == graph && graph->legend_ == this))
        return;
    // A legend displaced by this one keeps its lines until its own next
    // update, where it finds the graph naming another legend and lets go.
    graph_ = graph;
    graph->legend_ = this;
    UpdateList(-1);
}

void TLegenda::UpdateList(int index)
{
    if (index != -1)
        return;
    const int oldCount = Count();
    const int oldIndex = ItemIndex();
    {
        // The list is closed and its change told however Rebuild ends.
        BeginUpdate();
        const auto done = qScopeGuard([this] {
            EndUpdate();
            emit OnChange(this);
        });
        Rebuild();
    }
    if (Count() == oldCount) {
        SetItemIndex(oldIndex);
        emit OnClick(this);
    }
}

void TLegenda::Rebuild()
{
    Clear();
    if (!graph_)
        return;
    if (graph_->legend_ != this) {
        graph_ = nullptr;
        return;
    }
    TCanvas& c = Canvas();
    c.Font.Assign(*Font());
    int widest = 0;
    for (const auto& s : graph_->Series()) {
        AddObject(s->Name, s.get());
        widest = std::max(widest, c.TextWidth(s->Name));
    }
    SetWidth(widest + 55);
    contentHeight_ = (ItemHeight() + 2) * int(graph_->Series().size());
}

// The graph tells only its present legend when it deletes series, so a
// displaced legend (or one whose graph is gone) trusts an item's series only
// while the graph still holds it.
TSeries* TLegenda::SeriesAt(int index) const
{
    auto* series = static_cast<TSeries*>(ItemObject(index));
    if (!graph_)
        return nullptr;
    if (graph_->legend_ == this)
        return series;
    for (const auto& s : graph_->Series())
        if (s.get() == series)
            return series;
    return nullptr;
}

TRect TLegenda::CheckBoxRect(const TRect& item) const
{
    const int top = item.Top + 1, bottom = item.Bottom - 1, left = item.Left + 1;
    return TRect(left, top, left + (bottom - top), bottom);
}

TRect TLegenda::SampleRect(const TRect& item) const
{
    const int left = checkBoxes_ ? CheckBoxRect(item).Right + 5 : item.Left + 1;
    const int centre = (item.Top + item.Bottom) / 2;
    return TRect(left, centre - 3, left + 20, centre + 3);
}

void TLegenda::DrawItem(int index, const TRect& rect, TOwnerDrawState)
{
    const TSeries* series = SeriesAt(index);
    if (!series)
        return;
    TCanvas& c = Canvas();
    const TColor background = c.Brush.Color;
    c.FillRect(rect);
    c.Pen = TPen{clBlack, 1, psSolid, pmCopy};
    if (checkBoxes_) {
        const TRect box = CheckBoxRect(rect);
        c.Brush = TBrush{clWhite, bsSolid};
        c.Rectangle(box);
        if (series->Visible) {
            const int cx = (box.Left + box.Right) / 2, cy = (box.Top + box.Bottom) / 2;
            c.Pen.Width = 2;
            c.MoveTo(cx - 3, cy - 3);
            c.LineTo(cx + 3, cy + 3);
            c.MoveTo(cx + 3, cy - 3);
            c.LineTo(cx - 3, cy + 3);
            c.Pen.Width = 1;
        }
    }
    const TRect sample = SampleRect(rect);
    c.Brush = TBrush{series->Color, bsSolid};
    c.Rectangle(sample);
    c.Brush = TBrush{background, bsSolid};
    const TRect text(sample.Right + 5, rect.Top, rect.Right, rect.Bottom);
    c.TextRect(text, text.Left, rect.Top + (rect.Height() - c.TextHeight(series->Name)) / 2, series->Name);
}

void TLegenda::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    const int index = Button == mbLeft && checkBoxes_ ? ItemAtPos(QPoint(X, Y)) : -1;
    if (index >= 0 && CheckBoxRect(ItemRect(index)).Contains(X, Y)) {
        if (TSeries* series = SeriesAt(index)) {
            series->Visible = !series->Visible;
            emit OnChange(this);
            if (graph_)
                graph_->DrawGraph();
            Repaint();
        }
    }
    TCustomListBox::MouseDown(Button, Shift, X, Y);
}
