#pragma once
// TLCD99: a row of seven-segment character cells, like a liquid-crystal or
// LED display, with decimal points between the cells and a colon in each
// cell. It shows the string Value; a change can be animated, repainting the
// segments in eight passes, one segment position at a time, in the order
// Animation chooses and within AnimationDelay milliseconds.

#include "framework/AccessibleControl.h"
#include "framework/Control.h"
#include "framework/Notify.h"

#include <QElapsedTimer>
#include <memory>

class TLCD99Shapes;
class TLCD99Text;

class TLCD99 : public TCustomControl, public TAccessibleControl {
    Q_OBJECT

public:
    enum TLCDAnimation { anNone, anSpiral, anUp, anDown, anLeft, anRight, anRandom };
    Q_ENUM(TLCDAnimation)
    enum TLCDAbout { abNone, abAbout };
    Q_ENUM(TLCDAbout)

private:
    Q_PROPERTY(TLCDAbout About READ About WRITE ShowAbout NOTIFY AboutChanged)
    Q_PROPERTY(TLCDAnimation Animation READ Animation WRITE SetAnimation NOTIFY AnimationChanged)
    Q_PROPERTY(int AnimationDelay READ AnimationDelay WRITE SetAnimationDelay NOTIFY AnimationDelayChanged)
    Q_PROPERTY(int DigitNum READ DigitNum WRITE SetDigitNum NOTIFY DigitNumChanged)
    Q_PROPERTY(int DigitSpacing READ DigitSpacing WRITE SetDigitSpacing NOTIFY DigitSpacingChanged)
    Q_PROPERTY(bool DotDisplay READ DotDisplay WRITE SetDotDisplay NOTIFY DotDisplayChanged)
    Q_PROPERTY(int DotSpacing READ DotSpacing WRITE SetDotSpacing NOTIFY DotSpacingChanged)
    Q_PROPERTY(bool DoubleBuffer READ DoubleBuffer WRITE SetDoubleBuffer NOTIFY DoubleBufferChanged)
    Q_PROPERTY(fw::TCursor DragCursor READ DragCursor WRITE SetDragCursor NOTIFY DragCursorChanged)
    Q_PROPERTY(fw::TDragMode DragMode READ DragMode WRITE SetDragMode NOTIFY DragModeChanged)
    Q_PROPERTY(int GapX READ GapX WRITE SetGapX NOTIFY GapXChanged)
    Q_PROPERTY(int GapY READ GapY WRITE SetGapY NOTIFY GapYChanged)
    Q_PROPERTY(bool IsPainting READ IsPainting NOTIFY IsPaintingChanged STORED false)
    Q_PROPERTY(TColor OffColor READ OffColor WRITE SetOffColor NOTIFY OffColorChanged)
    Q_PROPERTY(TColor OnColor READ OnColor WRITE SetOnColor NOTIFY OnColorChanged)
    Q_PROPERTY(uint PaintDuration READ PaintDuration NOTIFY PaintDurationChanged STORED false)
    Q_PROPERTY(bool ParentShowHint READ ParentShowHint WRITE SetParentShowHint NOTIFY ParentShowHintChanged)
    Q_PROPERTY(TPopupMenu* PopupMenu READ PopupMenu WRITE SetPopupMenu NOTIFY PopupMenuChanged)
    Q_PROPERTY(bool Preview READ Preview WRITE SetPreview NOTIFY PreviewChanged)
    Q_PROPERTY(int SegmentSize READ SegmentSize WRITE SetSegmentSize NOTIFY SegmentSizeChanged)
    Q_PROPERTY(QString Value READ Value WRITE SetValue NOTIFY ValueChanged)
    Q_CLASSINFO("default:About", "abNone")
    Q_CLASSINFO("default:Animation", "anNone")
    Q_CLASSINFO("default:AnimationDelay", "0")
    Q_CLASSINFO("default:Color", "clBlack")
    Q_CLASSINFO("default:DigitNum", "4")
    Q_CLASSINFO("default:DigitSpacing", "5")
    Q_CLASSINFO("default:DotDisplay", "False")
    Q_CLASSINFO("default:DotSpacing", "2")
    Q_CLASSINFO("default:DoubleBuffer", "True")
    Q_CLASSINFO("default:GapX", "2")
    Q_CLASSINFO("default:GapY", "2")
    Q_CLASSINFO("default:OffColor", "clBlack")
    Q_CLASSINFO("default:OnColor", "clLime")
    Q_CLASSINFO("default:Preview", "False")
    Q_CLASSINFO("default:SegmentSize", "2")
    Q_CLASSINFO("default:Value", "''")

public:
    explicit TLCD99(QWidget* parent = nullptr);
    ~TLCD99() override;

    // The text of the version box that setting About to abAbout shows.
    static QString AboutText();

    TLCDAbout About() const { return about_; }
    void ShowAbout(TLCDAbout value);
    TLCDAnimation Animation() const { return animation_; }
    void SetAnimation(TLCDAnimation value) { SetAndNotify(this, &TLCD99::AnimationChanged, animation_, value); }
    int AnimationDelay() const { return animationDelay_; }
    void SetAnimationDelay(int value) { SetAndNotify(this, &TLCD99::AnimationDelayChanged, animationDelay_, value); }
    int DigitNum() const { return digitNum_; }
    void SetDigitNum(int value);
    int DigitSpacing() const { return digitSpacing_; }
    void SetDigitSpacing(int value);
    bool DotDisplay() const { return dotDisplay_; }
    void SetDotDisplay(bool value);
    int DotSpacing() const { return dotSpacing_; }
    void SetDotSpacing(int value);
    bool DoubleBuffer() const { return doubleBuffer_; }
    void SetDoubleBuffer(bool value);
    int GapX() const { return gapX_; }
    void SetGapX(int value);
    int GapY() const { return gapY_; }
    void SetGapY(int value);
    bool IsPainting() const { return painting_; }
    TColor OffColor() const { return offColor_; }
    void SetOffColor(TColor value);
    TColor OnColor() const { return onColor_; }
    void SetOnColor(TColor value);
    uint PaintDuration() const { return paintDuration_; }
    bool Preview() const { return preview_; }
    void SetPreview(bool value);
    int SegmentSize() const { return segmentSize_; }
    void SetSegmentSize(int value);
    QString Value() const { return value_; }
    void SetValue(const QString& value);

    // TAccessibleControl: a read-only label whose text is what it shows.
    QAccessible::Role AccessibleRole() const override { return QAccessible::StaticText; }
    QString AccessibleName() const override { return QStringLiteral("Seven-segment display"); }
    QAccessible::State AccessibleState() const override;
    bool HasAccessibleText() const override { return true; }
    QString AccessibleText() const override { return value_; }

    // Value read as a whole number (0 when it is not one), or set from one.
    int NumericValue() const;
    void SetNumericValue(int value);

signals:
    // Property notifications (see framework/Notify.h).
    void AboutChanged();
    void AnimationChanged();
    void AnimationDelayChanged();
    void DigitNumChanged();
    void DigitSpacingChanged();
    void DotDisplayChanged();
    void DotSpacingChanged();
    void DoubleBufferChanged();
    void GapXChanged();
    void GapYChanged();
    void IsPaintingChanged();
    void OffColorChanged();
    void OnColorChanged();
    void PaintDurationChanged();
    void PreviewChanged();
    void SegmentSizeChanged();
    void ValueChanged();
    void OnChange(QObject* Sender, const QString& OldValue, const QString& NewValue);

protected:
    void Paint() override;
    void paintEvent(QPaintEvent* event) override;
    // Not while an animated paint is due: the paint event shows the last
    // picture then and starts the animation.
    const QImage* ScreenPicture() override;

private:
    template <class T> void Store(T& field, T value, void (TLCD99::*changed)());
    bool AnimatesNextPaint() const;
    void RunAnimatedPaint();
    void ShowFrame();
    const TLCD99Shapes& Shapes();
    bool PaintCells(QImage& image, const TLCD99Shapes& shapes, const TLCD99Text& text, const TLCD99Text* before,
                    bool animate);
    void PaintSegment(QImage& image, const TLCD99Shapes& shapes, const TLCD99Text& text, int cell,
                      int position) const;
    TColor SegmentColor(bool lit) const { return lit ? onColor_ : offColor_; }

    TLCDAbout about_ = abNone;
    TLCDAnimation animation_ = anNone;
    int animationDelay_ = 0;
    int digitNum_ = 4;
    int digitSpacing_ = 5;
    bool dotDisplay_ = false;
    int dotSpacing_ = 2;
    bool doubleBuffer_ = true;
    int gapX_ = 2;
    int gapY_ = 2;
    TColor offColor_ = clBlack;
    TColor onColor_ = clLime;
    bool preview_ = false;
    int segmentSize_ = 2;
    QString value_;

    QString painted_;          // the value the last paint showed
    bool animateNext_ = false; // armed by SetValue, consumed by the next paint
    bool painting_ = false;
    bool animationQueued_ = false;
    bool presentOnly_ = false;
    uint paintDuration_ = 0;
    uint notifiedDuration_ = 0;
    QElapsedTimer paintClock_;
    TBitmap* frame_ = nullptr; // the double buffer, only while a paint runs
    std::unique_ptr<TLCD99Shapes> shapes_;
};
