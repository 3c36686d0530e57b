#include "widgets/VrFormShape.h"

#include "framework/Exception.h"
#include "framework/RegionData.h"
#include "framework/Screen.h"
#include "framework/WindowShape.h"

#include <QBuffer>
#include <QWindow>
#include <utility>
#include <vector>

namespace {

using Spans = std::vector<std::pair<int, int>>; // [x0, x1) runs of one row

// The runs of non-mask pixels in one row, by the classic scan: a run starts at
// the first non-mask pixel and ends before the next mask pixel; the scan never
// looks at the last column, so x = width - 1 never belongs to a run.
Spans RowSpans(const QRgb* line, int width, QRgb maskPixel)
{
    Spans spans;
    const auto isMask = [&](int x) { return (line[x] & 0xFFFFFF) == maskPixel; };
    int x = 0;
    do {
        while (x < width - 1 && isMask(x))
            ++x;
        const int x0 = x;
        ++x;
        while (x < width - 1 && !isMask(x))
            ++x;
        if (x0 < width - 1)
            spans.emplace_back(x0, x);
    } while (x < width - 1);
    return spans;
}

// Shows the hourglass for as long as it lives, then the cursor before it.
class HourglassCursor {
public:
    HourglassCursor() : previous_(Screen::Cursor()) { Screen::SetCursor(crHourGlass); }
    ~HourglassCursor() { Screen::SetCursor(previous_); }
    HourglassCursor(const HourglassCursor&) = delete;
    HourglassCursor& operator=(const HourglassCursor&) = delete;

private:
    TCursor previous_;
};

} // namespace

TVrFormShape::TVrFormShape(QWidget* parent) : TVrGraphicImageControl(RequireForm(parent))
{
    if (parent)
        BecomeBorderless();
    SetAlign(alClient);
    SetColor(clOlive);
    SetParentColor(false);
    SetTransparent(true);
}

QWidget* TVrFormShape::RequireForm(QWidget* parent)
{
    if (parent && !parent->isWindow())
        throw Exception(QStringLiteral("VrFormShape requires a FORM as parent!"));
    return parent;
}

void TVrFormShape::BecomeBorderless()
{
    QWidget* form = parentWidget();
    const bool wasVisible = form->isVisible();
    if (form->metaObject()->indexOfProperty("BorderStyle") >= 0)
        form->setProperty("BorderStyle", QVariant::fromValue(bsNone));
    else
        form->setWindowFlag(Qt::FramelessWindowHint, true);
    // Changing window flags hides a shown window.
    if (wasVisible && !form->isVisible())
        form->show();
}

void TVrFormShape::SetParent(QWidget* parent)
{
    RequireForm(parent);
    setParent(parent);
    if (!parent)
        return;
    BecomeBorderless();
    SetVisible(Visible()); // a re-parented widget starts hidden
    if (!Loading() && !Designing())
        UpdateRegion();
}

void TVrFormShape::SetMask(const TBitmap& value)
{
    if (value.Image() == mask_.Image())
        return;
    mask_.Assign(value);
    ApplyMask();
    emit MaskChanged();
}

void TVrFormShape::ApplyMask()
{
    if (!Loading())
        UpdateMask();
    UpdateControlCanvas();
}

void TVrFormShape::AfterColorChange()
{
    TVrGraphicImageControl::AfterColorChange();
    if (!Loading())
        UpdateMask();
    emit MaskColorChanged();
}

QByteArray TVrFormShape::WriteMask() const
{
    if (mask_.Empty())
        return {};
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    mask_.Image().save(&buffer, "PNG");
    return bytes;
}

void TVrFormShape::ReadMask(const QByteArray& data)
{
    TBitmap picture;
    if (!data.isEmpty()) {
        QImage image;
        if (!image.loadFromData(data))
            throw Exception(QStringLiteral("VrFormShape mask: the data is not a picture"));
        picture.Assign(image);
    }
    SetMask(picture);
}

void TVrFormShape::SetRgnData(const QByteArray& value)
{
    if (value == regionData_)
        return;
    if (!value.isEmpty())
        RegionData::ToRegion(value); // refuses a damaged record before anything changes
    regionData_ = value;
    if (!Loading() && !Designing())
        UpdateRegion();
    emit RgnDataChanged();
}

QRegion TVrFormShape::MaskRegion(const QImage& mask, TColor maskColor)
{
    const QImage image = mask.convertToFormat(QImage::Format_RGB32);
    const QRgb maskPixel = ColorToPixel(maskColor) & 0xFFFFFF;
    // Rows with the same runs are merged into one band, which is the form
    // QRegion itself keeps, so the rectangles can be handed over directly.
    std::vector<QRect> rects;
    Spans band;
    int bandTop = 0;
    const auto closeBand = [&](int bottom) {
        for (const auto& [x0, x1] : band)
            rects.emplace_back(x0, bandTop, x1 - x0, bottom - bandTop);
    };
    for (int y = 0; y < image.height(); ++y) {
        Spans row = RowSpans(reinterpret_cast<const QRgb*>(image.constScanLine(y)), image.width(), maskPixel);
        if (row == band)
            continue;
        closeBand(y);
        band = std::move(row);
        bandTop = y;
    }
    closeBand(image.height());
    QRegion region;
    region.setRects(rects.data(), int(rects.size()));
    return region;
}

void TVrFormShape::UpdateMask()
{
    if (!mask_.Empty()) {
        HourglassCursor busy;
        const QRegion region = MaskRegion(mask_.Image(), Color());
        // An all-mask picture leaves the shape as it was.
        if (!region.isEmpty())
            regionData_ = RegionData::FromRegion(region);
    }
    if (!Designing())
        UpdateRegion();
}

// The window keeps its own copy of the region, so nothing here needs releasing.
void TVrFormShape::UpdateRegion()
{
    QWidget* form = parentWidget();
    if (!form || regionData_.isEmpty())
        return;
    WindowShape::Apply(form, RegionData::ToRegion(regionData_));
}

void TVrFormShape::Loaded()
{
    TVrGraphicImageControl::Loaded();
    if (Designing())
        return;
    // A description with a mask but no stored shape is shaped from the mask.
    if (regionData_.isEmpty() && !mask_.Empty())
        UpdateMask();
    else
        UpdateRegion();
}

void TVrFormShape::Paint()
{
    TCanvas& c = Canvas();
    if (mask_.Empty() || Designing()) {
        TVrGraphicImageControl::Paint();
    } else if (mask_.Width() < width() || mask_.Height() < height()) {
        // Where the face does not reach, the mask colour: the scan never puts it in the window.
        c.Brush.Color = Color();
        c.Brush.Style = bsSolid;
        c.FillRect(ClientRect());
    }
    if (!mask_.Empty())
        c.Draw(0, 0, mask_);
    if (Designing()) {
        c.Pen.Color = clBlack;
        c.Pen.Width = 1;
        c.Pen.Style = psDot;
        c.Pen.Mode = pmCopy;
        c.Brush.Style = bsClear;
        c.Rectangle(ClientRect());
    }
}

void TVrFormShape::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TVrGraphicImageControl::MouseDown(Button, Shift, X, Y);
    if (Button == mbLeft && !Designing())
        StartDrag(X, Y);
}

// The platform moves the window with the mouse, as a drag on a caption would;
// where it cannot, the window follows the mouse from here until the release.
void TVrFormShape::StartDrag(int X, int Y)
{
    QWidget* form = window();
    if (form == this)
        return;
    if (QWindow* handle = form->windowHandle(); handle && handle->startSystemMove())
        return;
    dragging_ = true;
    dragStart_ = ClientToScreen(QPoint(X, Y));
    windowStart_ = form->pos();
}

void TVrFormShape::MouseMove(TShiftState Shift, int X, int Y)
{
    if (dragging_ && Shift.testFlag(ssLeft))
        window()->move(windowStart_ + ClientToScreen(QPoint(X, Y)) - dragStart_);
    TVrGraphicImageControl::MouseMove(Shift, X, Y);
}

void TVrFormShape::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button == mbLeft)
        dragging_ = false;
    TVrGraphicImageControl::MouseUp(Button, Shift, X, Y);
}
