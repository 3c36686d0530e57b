#pragma once
// TLegenda: an owner-drawn list of the series of one TKivGraph: per line a
// check box that shows and hides the series, a colour sample and the name.
// A graph has at most one legend: linking a second one makes the first let
// go of the graph and empty itself at its next update; until then it draws
// and toggles only series the graph still holds. Both sides hold guarded
// pointers, so either may be destroyed first.

#include "framework/ListBox.h"

#include <QPointer>

class TKivGraph;
class TSeries;

class TLegenda : public TCustomListBox {
    Q_OBJECT
    Q_PROPERTY(bool CheckBoxes READ CheckBoxes WRITE SetCheckBoxes NOTIFY CheckBoxesChanged)
    Q_CLASSINFO("default:CheckBoxes", "True") // as the constructor sets it: read back as saved
    // The lines come from the linked graph, never from a description.
    Q_PROPERTY(QStringList Items READ ItemsText WRITE SetItemsText NOTIFY ItemsChanged STORED false)

public:
    explicit TLegenda(QWidget* parent = nullptr);
    ~TLegenda() override;

    bool CheckBoxes() const { return checkBoxes_; }
    void SetCheckBoxes(bool value);

    TKivGraph* KivGraph() const { return graph_; }
    void SetKivGraph(TKivGraph* graph);
    // Rebuilds the list from the graph's series; acts only for -1.
    void UpdateList(int index);
    // Height the items need: (item height + 2) per series.
    int ContentHeight() const { return contentHeight_; }
    // The check box of an item, and the colour sample right of it (or of the item's start).
    TRect CheckBoxRect(const TRect& item) const;
    TRect SampleRect(const TRect& item) const;

signals:
    // Property notifications (see framework/Notify.h).
    void CheckBoxesChanged();
    void OnChange(QObject* Sender);

protected:
    void DrawItem(int index, const TRect& rect, TOwnerDrawState state) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    friend class TKivGraph;
    TSeries* SeriesAt(int index) const;
    void Rebuild();

    QPointer<TKivGraph> graph_;
    bool checkBoxes_ = true;
    int contentHeight_ = 0;
};
