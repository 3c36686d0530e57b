#include "widgets/LCD99.h"

#include "framework/Dialogs.h"
#include "framework/Notify.h"
#include "widgets/LCD99Shapes.h"
#include "widgets/LCD99Text.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QPainter>
#include <QPointer>
#include <QRandomGenerator>
#include <QTimer>
#include <QVarLengthArray>
#include <array>
#include <chrono>
#include <thread>

namespace {

using TPassOrder = std::array<int, 8>;

// Segment positions in the order the eight passes paint them.
constexpr std::array<TPassOrder, 5> kOrders{{
    {1, 2, 3, 8, 4, 5, 6, 7}, // down, and every unanimated paint
    {8, 4, 2, 1, 3, 6, 7, 5}, // spiral
    {7, 6, 5, 8, 4, 3, 2, 1}, // up
    {6, 3, 7, 8, 4, 1, 5, 2}, // left
    {2, 5, 1, 8, 4, 7, 3, 6}, // right
}};

const TPassOrder& OrderFor(TLCD99::TLCDAnimation animation)
{
    switch (animation) {
    case TLCD99::anSpiral: return kOrders[1];
    case TLCD99::anUp: return kOrders[2];
    case TLCD99::anLeft: return kOrders[3];
    case TLCD99::anRight: return kOrders[4];
    case TLCD99::anRandom: return kOrders[QRandomGenerator::global()->bounded(int(kOrders.size()))];
    default: return kOrders[0];
    }
}

// In dot mode an unlit bar leaves out a corner dot that a lit neighbour
// shares with it: its first dot for the first list, its last for the second.
struct TSharedCorners {
    std::array<int, 2> first;
    std::array<int, 2> last;
};
constexpr std::array<TSharedCorners, 8> kSharedCorners{{
    {{0, 0}, {0, 0}},
    {{2, 0}, {3, 0}}, // top
    {{1, 0}, {4, 5}}, // upper left
    {{1, 0}, {4, 6}}, // upper right
    {{2, 5}, {3, 6}}, // middle
    {{2, 4}, {7, 0}}, // lower left
    {{3, 4}, {7, 0}}, // lower right
    {{5, 0}, {6, 0}}, // bottom
}};

bool AnyLit(QChar ch, const std::array<int, 2>& positions)
{
    for (int p : positions)
        if (p != 0 && TLCD99Text::Lit(ch, p))
            return true;
    return false;
}

// Waits until the clock reads `until`, handing pending messages to the
// framework meanwhile when asked to.
void WaitUntil(const QElapsedTimer& clock, qint64 until, bool pump)
{
    for (qint64 left = until - clock.elapsed(); left > 0; left = until - clock.elapsed()) {
        if (pump) {
            QEventLoop loop;
            QTimer::singleShot(int(left), Qt::PreciseTimer, &loop, &QEventLoop::quit);
            loop.exec();
        } else {
            std::this_thread::sleep_for(std::chrono::milliseconds(left));
        }
    }
}

} // namespace

TLCD99::TLCD99(QWidget* parent) : TCustomControl(parent)
{
    SetBounds(Left(), Top(), 92, 34);
    SetColor(clBlack);
}

TLCD99::~TLCD99() = default;

QString TLCD99::AboutText() { return QStringLiteral("TLCD99 seven-segment display, version 1.0"); }

template <class T> void TLCD99::Store(T& field, T value, void (TLCD99::*changed)())
{
    SetAndNotify(this, changed, field, value, [this] { Invalidate(); });
}

// About always reads back abNone; setting abAbout shows the version box.
// A window description never opens it while it is being read.
void TLCD99::ShowAbout(TLCDAbout value)
{
    if (value == about_)
        return;
    about_ = abNone;
    if (value == abAbout && !ComponentState().testFlag(csLoading))
        Dialogs::ShowMessage(AboutText());
    Invalidate();
}

void TLCD99::SetDigitNum(int value)
{
    Store(digitNum_, value, &TLCD99::DigitNumChanged);
}
void TLCD99::SetDigitSpacing(int value)
{
    Store(digitSpacing_, value, &TLCD99::DigitSpacingChanged);
}
void TLCD99::SetDotDisplay(bool value)
{
    Store(dotDisplay_, value, &TLCD99::DotDisplayChanged);
}
void TLCD99::SetDotSpacing(int value)
{
    Store(dotSpacing_, value, &TLCD99::DotSpacingChanged);
}
void TLCD99::SetDoubleBuffer(bool value)
{
    Store(doubleBuffer_, value, &TLCD99::DoubleBufferChanged);
}
void TLCD99::SetGapX(int value)
{
    Store(gapX_, value, &TLCD99::GapXChanged);
}
void TLCD99::SetGapY(int value)
{
    Store(gapY_, value, &TLCD99::GapYChanged);
}
void TLCD99::SetOffColor(TColor value)
{
    Store(offColor_, value, &TLCD99::OffColorChanged);
}
void TLCD99::SetOnColor(TColor value)
{
    Store(onColor_, value, &TLCD99::OnColorChanged);
}
void TLCD99::SetPreview(bool value)
{
    Store(preview_, value, &TLCD99::PreviewChanged);
}
void TLCD99::SetSegmentSize(int value)
{
    Store(segmentSize_, value, &TLCD99::SegmentSizeChanged);
}

void TLCD99::SetValue(const QString& value)
{
    if (value == value_)
        return;
    const TNotifyOnChange notify(this, &TLCD99::Value, &TLCD99::ValueChanged);
    // Only the text as given is compared: "23." while "23" is shown is a new
    // setting and is reported, although it normalises to the same text.
    const QString old = value_;
    value_ = TLCD99Text::Normalize(value);
    NotifyChanged(this);
    emit OnChange(this, old, value_);
    animateNext_ = true;
    Invalidate();
}

int TLCD99::NumericValue() const
{
    bool ok = false;
    const int v = value_.toInt(&ok);
    return ok ? v : 0;
}

void TLCD99::SetNumericValue(int value) { SetValue(QString::number(value)); }

// ---------------------------------------------------------------- painting

bool TLCD99::AnimatesNextPaint() const
{
    const bool armed = ComponentState().testFlag(csDesigning) ? preview_ : animateNext_;
    return armed && animation_ != anNone && animationDelay_ > 0;
}

// An animated change shows its passes one by one, which a paint event cannot
// do (its pixels reach the screen only when it returns). So the paint event
// shows the current picture and the animated paint runs right after it,
// presenting each pass with a repaint that the painting mark answers by
// showing the picture as it stands.
void TLCD99::paintEvent(QPaintEvent* event)
{
    if (presentOnly_) {
        QPainter(this).drawImage(0, 0, OffscreenBitmap().Image());
        return;
    }
    if (!painting_ && AnimatesNextPaint()) {
        if (!animationQueued_) {
            animationQueued_ = true;
            QTimer::singleShot(0, this, &TLCD99::RunAnimatedPaint);
        }
        QPainter(this).drawImage(0, 0, OffscreenBitmap().Image());
        return;
    }
    TCustomControl::paintEvent(event);
}

const QImage* TLCD99::ScreenPicture()
{
    if (presentOnly_ || (!painting_ && AnimatesNextPaint()))
        return nullptr;
    return TCustomControl::ScreenPicture();
}

void TLCD99::RunAnimatedPaint()
{
    animationQueued_ = false;
    if (painting_ || !AnimatesNextPaint()) {
        Invalidate();
        return;
    }
    const QPointer<TLCD99> self(this);
    Canvas();
    Paint();
    if (self)
        ShowFrame();
}

// Puts what is painted so far on the screen.
void TLCD99::ShowFrame()
{
    if (frame_)
        Canvas().Image() = frame_->Image();
    presentOnly_ = true;
    repaint();
    presentOnly_ = false;
}

const TLCD99Shapes& TLCD99::Shapes()
{
    const TLCD99Options options{Width(), Height(), digitNum_, digitSpacing_, segmentSize_,
                                gapX_,   gapY_,    dotDisplay_, dotSpacing_};
    if (!shapes_ || !(shapes_->Options() == options))
        shapes_ = std::make_unique<TLCD99Shapes>(options);
    return *shapes_;
}

void TLCD99::Paint()
{
    if (painting_)
        return;
    painting_ = true;
    paintClock_.start();
    if (ComponentState().testFlag(csDesigning))
        animateNext_ = preview_;
    const bool animate = animateNext_ && animation_ != anNone;
    animateNext_ = false;
    const QString shown = value_;

    TBitmap buffer;
    TCanvas* canvas = &Canvas();
    if (doubleBuffer_) {
        buffer.SetSize(Width(), Height());
        if (!buffer.Empty()) {
            frame_ = &buffer;
            canvas = &buffer.Canvas();
        }
    }
    canvas->Brush.Color = Color();
    canvas->Brush.Style = bsSolid;
    canvas->FillRect(ClientRect());

    const TLCD99Shapes& shapes = Shapes();
    if (shapes.Geometry().Valid()) {
        const TLCD99Text before = TLCD99Text::Split(painted_, digitNum_);
        const TLCD99Text now = TLCD99Text::Split(shown, digitNum_);
        PaintCells(canvas->Image(), shapes, before, nullptr, false);
        if (!PaintCells(canvas->Image(), shapes, now, &before, animate))
            return; // the control went away while the animation waited
    }
    painted_ = shown;
    if (frame_)
        Canvas().Image() = frame_->Image();
    frame_ = nullptr;
    painting_ = false;
    paintDuration_ = uint(paintClock_.elapsed());
    // Told after the paint, never from inside it; IsPainting is true only
    // within a paint, so an observer never sees it change.
    if (paintDuration_ != notifiedDuration_)
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (std::exchange(notifiedDuration_, paintDuration_) != paintDuration_)
                    emit PaintDurationChanged();
            },
            Qt::QueuedConnection);
    // A value set while the animation ran has not been painted yet.
    if (value_ != shown)
        Invalidate();
}

// Paints every cell of text or, given the text painted before, only the cells
// that differ from it; the decimal points first, then the segments in eight
// passes. Returns false when the control was destroyed while an animation
// waited between two passes.
bool TLCD99::PaintCells(QImage& image, const TLCD99Shapes& shapes, const TLCD99Text& text, const TLCD99Text* before,
                        bool animate)
{
    QVarLengthArray<int, 16> cells;
    for (int j = 1; j <= shapes.Geometry().DigitNum(); ++j)
        if (!before || text.Differs(*before, j - 1))
            cells.push_back(j);
    if (cells.isEmpty())
        return true;
    for (int j : cells)
        TLCD99Shapes::Fill(image, shapes.Point(j), SegmentColor(text.PointAt(j - 1)));

    const TPassOrder& order = OrderFor(animate ? animation_ : anDown);
    const QElapsedTimer clock = paintClock_;
    const qint64 budget = std::max<qint64>(0, animationDelay_ - clock.elapsed());
    const qint64 frameTime = animate ? budget / 7 : 0;
    const bool pump = !ComponentState().testFlag(csDesigning) && QCoreApplication::instance();
    const QPointer<TLCD99> self(this);
    qint64 overshoot = 0;
    for (size_t pass = 0; pass < order.size(); ++pass) {
        const qint64 passStart = clock.elapsed();
        for (int j : cells)
            PaintSegment(image, shapes, text, j, order[pass]);
        if (frameTime <= 0)
            continue;
        ShowFrame();
        if (pass + 1 == order.size())
            break;
        const qint64 target = passStart + frameTime - overshoot;
        WaitUntil(clock, target, pump);
        if (!self)
            return false;
        overshoot = std::clamp<qint64>(clock.elapsed() - target, 0, frameTime);
    }
    return true;
}

void TLCD99::PaintSegment(QImage& image, const TLCD99Shapes& shapes, const TLCD99Text& text, int cell,
                          int position) const
{
    const QChar ch = text.CellAt(cell - 1);
    const bool lit = TLCD99Text::Lit(ch, position);
    const TColor color = SegmentColor(lit);
    if (position == 8 || !shapes.Geometry().Dots()) {
        TLCD99Shapes::Fill(image, shapes.Segment(cell, position), color);
        return;
    }
    const QVector<TLCD99Shapes::TShape>& dots = shapes.BarDots(cell, position);
    qsizetype from = 0, to = dots.size();
    if (!lit) {
        if (AnyLit(ch, kSharedCorners[size_t(position)].first))
            ++from;
        if (AnyLit(ch, kSharedCorners[size_t(position)].last))
            --to;
    }
    for (qsizetype i = from; i < to; ++i)
        TLCD99Shapes::Fill(image, dots[i], color);
}

QAccessible::State TLCD99::AccessibleState() const
{
    QAccessible::State s;
    s.readOnly = true;
    return s;
}
