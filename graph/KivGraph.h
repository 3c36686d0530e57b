#pragma once
// TKivGraph: trend curves of (X, Y) series against an X axis of numbers,
// minutes of a day, hours or days, and one or two Y axes. The picture is
// rendered into an off-screen bitmap only when something changed (the
// NeedsRender flag, the size, the screen's colour depth) and copied to the
// control on every paint. The left button draws a rubber band to zoom into,
// the right button zooms out by a click and pans by a drag; a zoom can be
// animated by a TZoomThread. A TLegenda lists the series with check boxes.

#include "framework/Bitmap.h"
#include "framework/Control.h"
#include "framework/KeptLayer.h"
#include "framework/Notify.h"
#include "graph/AxisType.h"
#include "graph/GraphInteraction.h"
#include "graph/Rect2D.h"
#include "graph/Series.h"

#include <QPoint>
#include <QPointer>
#include <memory>
#include <vector>

class TLegenda;
class TZoomThread;

class TKivGraph : public TGraphicControl {
    Q_OBJECT
public:
    enum TBgStyle { bgsSolid, bgsLineHoriz, bgsLineVert };
    Q_ENUM(TBgStyle)
    enum TGraphBorderStyle { bstNone, bstSingle, bstRaised, bstLowered };
    Q_ENUM(TGraphBorderStyle)
    enum TGridStyle { gsNone, gsXAxis, gsYAxis, gsAxises, gsXGrid, gsYGrid, gsFull };
    Q_ENUM(TGridStyle)
    enum TMouseAction { macNone, maRight, maShift, maCtrl, maAlt };
    Q_ENUM(TMouseAction)

private:
    Q_PROPERTY(TBgStyle BgStyle READ BgStyle WRITE SetBgStyle NOTIFY BgStyleChanged)
    Q_CLASSINFO("default:BgStyle", "bgsSolid")
    Q_PROPERTY(TGraphBorderStyle BorderStyle READ BorderStyle WRITE SetBorderStyle NOTIFY BorderStyleChanged)
    Q_CLASSINFO("default:BorderStyle", "bstNone")
    Q_PROPERTY(TGraphBorderStyle GraphBorder READ GraphBorder WRITE SetGraphBorder NOTIFY GraphBorderChanged)
    Q_CLASSINFO("default:GraphBorder", "bstSingle") // the constructor's values, so that a description
    // read into a new graph (even as its root) shows what was saved
    Q_PROPERTY(TColor ColorBg READ ColorBg WRITE SetColorBg NOTIFY ColorBgChanged)
    Q_CLASSINFO("default:ColorBg", "clSilver")
    Q_PROPERTY(TColor ColorBg2 READ ColorBg2 WRITE SetColorBg2 NOTIFY ColorBg2Changed)
    Q_CLASSINFO("default:ColorBg2", "clBlue")
    Q_PROPERTY(TColor ColorBorder READ ColorBorder WRITE SetColorBorder NOTIFY ColorBorderChanged)
    Q_CLASSINFO("default:ColorBorder", "clBlack")
    Q_PROPERTY(TColor ColorGrid READ ColorGrid WRITE SetColorGrid NOTIFY ColorGridChanged)
    Q_CLASSINFO("default:ColorGrid", "clGray")
    Q_PROPERTY(TColor ColorNumb READ ColorNumb WRITE SetColorNumb NOTIFY ColorNumbChanged)
    Q_CLASSINFO("default:ColorNumb", "clBlack")
    Q_PROPERTY(TGridStyle GridStyle READ GridStyle WRITE SetGridStyle NOTIFY GridStyleChanged)
    Q_CLASSINFO("default:GridStyle", "gsFull")
    Q_PROPERTY(TMouseAction MouseZoom READ MouseZoom WRITE SetMouseZoom NOTIFY MouseZoomChanged)
    Q_CLASSINFO("default:MouseZoom", "maRight")
    Q_PROPERTY(TMouseAction MousePan READ MousePan WRITE SetMousePan NOTIFY MousePanChanged)
    Q_CLASSINFO("default:MousePan", "maRight")
    Q_PROPERTY(int LineWidth READ LineWidth WRITE SetLineWidth NOTIFY LineWidthChanged)
    Q_CLASSINFO("default:LineWidth", "1")

public:
    explicit TKivGraph(QWidget* parent = nullptr);
    ~TKivGraph() override;

    // The bounds within which the view may move.
    int LimitXMin = 0, LimitXMax = 0;
    int LimitLeftMin = 0, LimitLeftMax = 0;
    int LimitRightMin = 0, LimitRightMax = 0;
    TAxisType XAxisType = atNumber;
    int ZoomTime = 0;   // ms an animated zoom takes; 0 zooms at once
    int RenderTime = 0; // ms the last render took
    bool ShowXNumbers = true;
    bool ShowLeftNumbers = true;
    bool RightAxis = false;
    bool LeftTenths = false;
    bool ShowMarkers = false;
    QString Title;
    QString AxisBitmapName;
    bool NeedsRender = true;
    bool NeedsBackground = true;
    // Draws lines by the plain walk over every point instead of the fast
    // renderer; the two give the same picture (tests compare them).
    bool ReferenceRenderer = false;

    TBgStyle BgStyle() const { return bgStyle_; }
    void SetBgStyle(TBgStyle value);
    TGraphBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TGraphBorderStyle value);
    TGraphBorderStyle GraphBorder() const { return graphBorder_; }
    void SetGraphBorder(TGraphBorderStyle value);
    TColor ColorBg() const { return colorBg_; }
    void SetColorBg(TColor value);
    TColor ColorBg2() const { return colorBg2_; }
    void SetColorBg2(TColor value);
    TColor ColorBorder() const { return colorBorder_; }
    void SetColorBorder(TColor value);
    TColor ColorGrid() const { return colorGrid_; }
    void SetColorGrid(TColor value);
    TColor ColorNumb() const { return colorNumb_; }
    void SetColorNumb(TColor value);
    TGridStyle GridStyle() const { return gridStyle_; }
    void SetGridStyle(TGridStyle value);
    TMouseAction MouseZoom() const { return mouseZoom_; }
    void SetMouseZoom(TMouseAction value) { SetAndNotify(this, &TKivGraph::MouseZoomChanged, mouseZoom_, value); }
    TMouseAction MousePan() const { return mousePan_; }
    void SetMousePan(TMouseAction value) { SetAndNotify(this, &TKivGraph::MousePanChanged, mousePan_, value); }
    int LineWidth() const { return lineWidth_; }
    void SetLineWidth(int value) { SetAndNotify(this, &TKivGraph::LineWidthChanged, lineWidth_, value); }

    const TRect2D& VisLeftRect() const { return visLeft_; }
    const TRect2D& VisRightRect() const { return visRight_; }
    void SetVisLeftRect(TRect2D r);
    void SetVisRightRect(TRect2D r);
    // Plot area in pixels; Right and Bottom are its last column and row.
    const TRect& PlotRect() const { return plotRect_; }

    const std::vector<std::unique_ptr<TSeries>>& Series() const { return series_; }
    const std::vector<std::unique_ptr<TSeries>>& FillSeries() const { return fillSeries_; }
    void AddSerie(TSeries* series);
    void AddFillSerie(TSeries* series);
    void EmptySeriesList();
    Q_INVOKABLE void PointsChanged(QObject* Sender);
    // Live data: what a host calls after TSeries::Append or DropFront
    // (instead of PointsChanged, which makes every index be built anew): the
    // next paint renders, and a following view moves to the newest point.
    // series: the one that changed (null: not told), so that a change of a
    // fill series redraws the layer beneath the lines.
    void PointsAppended(const TSeries* series);

    // Follow mode, for live data: the visible X range keeps its width and
    // ends at the newest point of the series (within LimitXMin..LimitXMax;
    // a host that keeps appending moves LimitXMax along). A zoom, a pan or a
    // rubber band by the user leaves it, as a chart recorder's paper stops
    // when one holds it; SetFollow(true) or a zoom-out click returns to it.
    void SetFollow(bool on);
    bool Following() const { return follow_ && !followLeft_; }

    void DrawGraphic();
    void DrawGraph();
    virtual void VisChange() {}
    // Keeps both spans of r within 0.1 .. 300000 at their ratio.
    static void AdjustZoom(TRect2D& r);
    static QString FormatTextString(TAxisType type, long double x);

    TLegenda* Legend() const;
    TZoomThread* ZoomThread() const { return interaction_.ZoomThread(); }

    // The mouse action under way (TGraphInteraction::TMouseStateBit): 1 a
    // zoom-out click pending, 2 pan, 4 rubber band.
    int MouseState() const { return interaction_.MouseState(); }
    QPoint PanAnchor() const { return interaction_.PanAnchor(); }

    // The window-procedure hook a host may route the graph's messages
    // through: a mouse move (at a screen position) outside the plot cancels
    // the mouse action, any button message cancels it and releases the mouse.
    enum class THookMessage { MouseMove, Button };
    void KivGraphWndProc(THookMessage message, QPoint screenPos);

signals:
    // Property notifications (see framework/Notify.h).
    void BgStyleChanged();
    void BorderStyleChanged();
    void GraphBorderChanged();
    void ColorBgChanged();
    void ColorBg2Changed();
    void ColorBorderChanged();
    void ColorGridChanged();
    void ColorNumbChanged();
    void GridStyleChanged();
    void MouseZoomChanged();
    void MousePanChanged();
    void LineWidthChanged();
    void OnChange(QObject* Sender);
    void OnGraphClick(QObject* Sender);

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    friend class TLegenda;
    friend class TZoomThread;
    friend class TGraphAxes;
    friend class TGraphInteraction;

    template <class T>
    void SetRendered(void (TKivGraph::*changed)(), T& field, T value, bool background = false);
    bool RenderNeeded() const;
    void Render();
    void PrepareBitmaps();
    void DrawBackground();
    void LayoutPlotRect(TCanvas& c, const TRect& outer);
    void AssignAxes();
    void WidenLimits();
    void DrawSetCurves(TCanvas& c, const TSeries& series);
    void DrawLines(TCanvas& c, const TSeries& series);
    const TRect2D& AxisRect(const TSeries& series) const { return series.LeftAxis ? visLeft_ : visRight_; }
    void StoreVisRect(TRect2D& target, TRect2D r, int limitMin, int limitMax);

    void ZoomThreadDone(TZoomThread* thread) { interaction_.ZoomThreadDone(thread); }
    void FollowNewest();
    // What the picture beneath the lines (background, frames, fill series,
    // grid, labels, title) is drawn from; while it stays the same, that
    // picture is kept and only the lines are drawn anew.
    struct FillPrint {
        const TSeries* series;
        bool visible, leftAxis;
        TColor color;
        size_t size;
        int64_t first;
        uint64_t generation;
        bool operator==(const FillPrint&) const = default;
    };
    struct LayerKey {
        int width = 0, height = 0;
        int bgStyle = 0, borderStyle = 0, graphBorder = 0, gridStyle = 0, axisType = 0;
        TColor colorBg = 0, colorBg2 = 0, colorBorder = 0, colorGrid = 0;
        QString fontName, title, axisBitmapName;
        int fontHeight = 0, fontCharset = 0, fontPitch = 0, fontStyle = 0;
        TColor fontColor = 0;
        bool showX = false, showLeft = false, rightAxis = false, leftTenths = false;
        TRect2D left, right;
        uint64_t serial = 0;
        std::vector<FillPrint> fills;
        bool operator==(const LayerKey&) const = default;
    };
    LayerKey CurrentLayerKey() const;
    void DrawLayer(TCanvas& c, const TRect& outer);
    void UseFreeBuffer();
    void LeaveFollow() { followLeft_ = true; }

    TBgStyle bgStyle_ = bgsSolid;
    TGraphBorderStyle borderStyle_ = bstNone;
    TGraphBorderStyle graphBorder_ = bstSingle;
    TColor colorBg_ = clSilver;
    TColor colorBg2_ = clBlue;
    TColor colorBorder_ = clBlack;
    TColor colorGrid_ = clGray;
    TColor colorNumb_ = clBlack;
    TGridStyle gridStyle_ = gsFull;
    TMouseAction mouseZoom_ = maRight;
    TMouseAction mousePan_ = maRight;
    int lineWidth_ = 1;

    TRect2D visLeft_{-10, -10, 10, 10};
    TRect2D visRight_{-10, -10, 10, 10};
    TRect plotRect_;
    std::vector<std::unique_ptr<TSeries>> series_;
    std::vector<std::unique_ptr<TSeries>> fillSeries_;
    QPointer<TLegenda> legend_;

    TBitmap bitmap_;
    std::unique_ptr<TBitmap> gradient_;
    TBgStyle gradientStyle_ = bgsSolid; // the style the gradient bitmap holds
    TBitmap axisPicture_;
    int depth_ = 0;

    TGraphInteraction interaction_{*this};
    TKeptLayer keptLayer_;
    QImage spare_; // the picture shown before the last, drawn into next (UseFreeBuffer)
    LayerKey keptKey_;
    uint64_t layerSerial_ = 0; // bumped where the key cannot see a change (fill series replaced or edited)
    bool follow_ = false;     // the host asked for follow mode
    bool followLeft_ = false; // ... and the user has left it
};
