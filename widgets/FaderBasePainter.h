#pragma once
// TFaderBasePainter: draws the still part of a TGFader (scale, ramp or step
// bars, groove and labels) onto its base bitmap. A vertical fader is the
// horizontal picture turned by a quarter, so the work is done in track
// coordinates: "along" the track and "across" it; Pt() turns them into pixels.

#include "framework/Canvas.h"

#include <QPoint>
#include <vector>

class TGFader;

class TFaderBasePainter {
public:
    TFaderBasePainter(const TGFader& fader, TCanvas& canvas);
    void Paint();

private:
    QPoint Pt(int along, int across) const { return vertical_ ? QPoint(across, along) : QPoint(along, across); }
    void Span(int along0, int across0, int along1, int across1, TColor color); // inclusive pixel runs
    void FillBox(int along0, int across0, int along1, int across1, TColor color); // right/bottom exclusive
    std::vector<int> TickPositions() const;
    void PaintTicks(const std::vector<int>& ticks);
    void PaintRamp(const std::vector<int>& ticks);
    void PaintStepBars(const std::vector<int>& ticks);
    void PaintGroove();
    void PaintLabels();
    void Label(int x, int y, const QString& text);

    const TGFader& f_;
    TCanvas& c_;
    bool vertical_;
    int W_, H_, hw_, hh_, EX_, EY_, L_, S_, P_;
    int headAcross_;     // the head's first row (horizontal) or column (vertical)
    int headAcrossSize_; // its extent across the track
    int headSide_;       // the scale's row/column next to the head
    int farSide_;        // the scale's row/column away from the head
    int grooveStart_, grooveEnd_, grooveAcross_;
};
