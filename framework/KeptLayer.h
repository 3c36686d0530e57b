#pragma once
// TKeptLayer: a still part of a control's picture (a dial, a scale, a frame)
// kept between paints, so a paint draws only what moves on top of a copy.
//
// The one way to keep it is Keep: it draws the picture when none is kept or
// the kept one has another size, and otherwise does nothing (KeepCopyOf keeps
// a picture drawn elsewhere, as a control that draws its still part in place).
// The one way to lose it is Drop, called by whatever changes what the picture
// shows (a setter, a resize, an input the control compares at paint time).
// The one way to use it is CopyTo, whole or where a region says. A kept
// picture must always equal a fresh drawing; a control's test says so by
// comparing the two after every kind of change.

#include "framework/Bitmap.h"

#include <QRegion>
#include <utility>

class TKeptLayer {
public:
    // Draws the picture into `bitmap` by draw(TBitmap&), at the given size,
    // when none is kept; returns true when it drew.
    template <class Draw> bool Keep(int width, int height, Draw&& draw)
    {
        if (Kept(width, height))
            return false;
        bitmap_.SetSize(width, height);
        std::forward<Draw>(draw)(bitmap_);
        kept_ = true;
        return true;
    }
    // Keeps a copy of `picture`, in the memory already kept when it fits.
    void KeepCopyOf(const QImage& picture);
    bool Kept(int width, int height) const { return kept_ && bitmap_.Width() == width && bitmap_.Height() == height; }
    void Drop() { kept_ = false; }

    // Copies the kept picture over `target` of the same size, into the
    // target's own memory when nobody else holds it (a fresh block each
    // time would cost its pages being cleared and mapped on every paint).
    // A target of another size is left as it is (returns false).
    bool CopyTo(QImage& target) const;
    // Copies only the part inside `region` (clipped to the picture).
    bool CopyTo(QImage& target, const QRegion& region) const;
    const TBitmap& Picture() const { return bitmap_; }

private:
    TBitmap bitmap_;
    bool kept_ = false;
};
