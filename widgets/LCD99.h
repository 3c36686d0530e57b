#pragma once
// TLCD99: a row of seven-segment character cells, like a liquid-crystal or
// LED display, with decimal points between the cells and a colon in each
// cell. It shows the string Value; a change can be animated, repainting the
// segments in eight passes, one segment position at a time, in the order
// Animation chooses and within AnimationDelay milliseconds.

#include "framework/Control.h"

#include <QElapsedTimer>
#include <memory>

class TLCD99Shapes;
class TLCD99Text;

class TLCD99 : public TCustomControl {
    Q_OBJECT

public:
    enum TLCDAnimation { anNone, anSpiral, anUp, anDown, anLeft, anRight, anRandom };
    Q_ENUM(TLCDAnimation)
    enum TLCDAbout { abNone, abAbout };
    Q_ENUM(TLCDAbout)

private:
    Q_PROPERTY(TLCDAbout About READ About WRITE ShowAbout)
    Q_PROPERTY(TLCDAnimation Animation READ Animation WRITE SetAnimation)
    Q_PROPERTY(int AnimationDelay READ AnimationDelay WRITE SetAnimationDelay)
    Q_PROPERTY(int DigitNum READ DigitNum WRITE SetDigitNum)
    Q_PROPERTY(int DigitSpacing READ DigitSpacing WRITE SetDigitSpacing)
    Q_PROPERTY(bool DotDisplay READ DotDisplay WRITE SetDotDisplay)
    Q_PROPERTY(int DotSpacing READ DotSpacing WRITE SetDotSpacing)
    Q_PROPERTY(bool DoubleBuffer READ DoubleBuffer WRITE SetDoubleBuffer)
    Q_PROPERTY(fw::TCursor DragCursor READ DragCursor WRITE SetDragCursor NOTIFY DragCursorChanged)
    Q_PROPERTY(fw::TDragMode DragMode READ DragMode WRITE SetDragMode NOTIFY DragModeChanged)
    Q_PROPERTY(int GapX READ GapX WRITE SetGapX)
    Q_PROPERTY(int GapY READ GapY WRITE SetGapY)
    Q_PROPERTY(bool IsPainting READ IsPainting STORED false)
    Q_PROPERTY(TColor OffColor READ OffColor WRITE SetOffColor)
    Q_PROPERTY(TColor OnColor READ OnColor WRITE SetOnColor)
    Q_PROPERTY(uint PaintDuration READ PaintDuration STORED false)
    Q_PROPERTY(bool ParentShowHint READ ParentShowHint WRITE SetParentShowHint NOTIFY ParentShowHintChanged)
    Q_PROPERTY(TPopupMenu* PopupMenu READ PopupMenu WRITE SetPopupMenu NOTIFY PopupMenuChanged)
    Q_PROPERTY(bool Preview READ Preview WRITE SetPreview)
    Q_PROPERTY(int SegmentSize READ SegmentSize WRITE SetSegmentSize)
    Q_PROPERTY(QString Value READ Value WRITE SetValue)
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
    void SetAnimation(TLCDAnimation value) { animation_ = value; }
    int AnimationDelay() const { return animationDelay_; }
    void SetAnimationDelay(int value) { animationDelay_ = value; }
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

    // Value read as a whole number (0 when it is not one), or set from one.
    int NumericValue() const;
    void SetNumericValue(int value);

signals:
    void OnChange(QObject* Sender, const QString& OldValue, const QString& NewValue);

protected:
    void Paint() override;
    void paintEvent(QPaintEvent* event) override;

private:
    template <class T>
    void Store(T& field, T value);
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
    QElapsedTimer paintClock_;
    TBitmap* frame_ = nullptr; // the double buffer, only while a paint runs
    std::unique_ptr<TLCD99Shapes> shapes_;
};
