// The seven-segment display's value handling, events, version box, numeric
// access, screen-reader view and its animated changes: the pass orders, the
// time budget, the re-entry guard and a display destroyed mid-animation.

#include "widgets/LCD99.h"
#include "widgets/LCD99Geometry.h"
#include "widgets/LCD99Text.h"

#include "LCD99Probe.h"
#include "support/TestSupport.h"

#include <QAccessible>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace {

struct ChangeLog {
    QStringList entries;
    explicit ChangeLog(TLCD99& lcd)
    {
        QObject::connect(&lcd, &TLCD99::OnChange, [this](QObject*, const QString& oldValue, const QString& newValue) {
            entries << oldValue + QStringLiteral(" -> ") + newValue;
        });
    }
};


// Which positions of cell 1 show the lit colour, as a string of 0/1.
QString LitPositions(const QImage& image, const TLCD99Geometry& g, int cell = 1)
{
    QString s;
    for (int p = 1; p <= 8; ++p) {
        const QPoint at = Probe(g, cell, p);
        s += PixelColor(image, at.x(), at.y()) == clLime ? QLatin1Char('1') : QLatin1Char('0');
    }
    return s;
}

// Collects each distinct picture the display puts on the screen.
class FrameRecorder : public QObject {
public:
    explicit FrameRecorder(TLCD99& lcd) : lcd_(lcd) { lcd.installEventFilter(this); }
    QList<QImage> frames;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && lcd_.IsPainting()) {
            const QImage& now = lcd_.OffscreenBitmap().Image();
            if (frames.isEmpty() || frames.last() != now)
                frames << now.copy();
        }
        return false;
    }

private:
    TLCD99& lcd_;
};

// Serves the message loop until the display's last paint shows that cell 1 pattern.
bool WaitUntilShown(TLCD99& lcd, const QString& lit)
{
    return QTest::qWaitFor([&] {
        return !lcd.IsPainting() && LitPositions(lcd.OffscreenBitmap().Image(), TLCD99Geometry(OptionsOf(lcd))) == lit;
    }, 5000);
}

// Runs the action once, at the first pass an animated paint puts on the screen.
class FirstFrameHook : public QObject {
public:
    FirstFrameHook(TLCD99& lcd, std::function<void()> action) : lcd_(&lcd), action_(std::move(action))
    {
        lcd.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && lcd_ && lcd_->IsPainting() && action_) {
            std::function<void()> action = std::move(action_);
            action_ = nullptr;
            action();
        }
        return false;
    }

private:
    QPointer<TLCD99> lcd_;
    std::function<void()> action_;
};

// A shown one-cell display on which each pass of a change is visible.
struct ShownDisplay {
    QWidget window;
    TLCD99* lcd = new TLCD99(&window);
    ShownDisplay(int digits = 1)
    {
        window.resize(200, 120);
        lcd->SetBounds(0, 0, 40 * digits + 20, 84);
        lcd->SetDigitNum(digits);
        lcd->SetSegmentSize(7);
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
};

// The segment order a change from "8" to ":" (every position flips) showed.
QString ShownOrder(const TLCD99& lcd, const QList<QImage>& frames)
{
    const TLCD99Geometry g(OptionsOf(lcd));
    QString order;
    QString before = "11111110";
    for (const QImage& frame : frames) {
        const QString now = LitPositions(frame, g);
        for (int p = 0; p < 8; ++p)
            if (now[p] != before[p])
                order += QString::number(p + 1);
        before = now;
    }
    return order;
}

} // namespace

TEST(LCD99, ConstructorValues)
{
    TLCD99 lcd;
    EXPECT_EQ(lcd.Width(), 92);
    EXPECT_EQ(lcd.Height(), 34);
    EXPECT_EQ(lcd.Color(), clBlack);
    EXPECT_EQ(lcd.OnColor(), clLime);
    EXPECT_EQ(lcd.OffColor(), clBlack);
    EXPECT_EQ(lcd.DigitNum(), 4);
    EXPECT_EQ(lcd.DigitSpacing(), 5);
    EXPECT_EQ(lcd.SegmentSize(), 2);
    EXPECT_TRUE(lcd.DoubleBuffer());
    EXPECT_EQ(lcd.Animation(), TLCD99::anNone);
    EXPECT_EQ(lcd.Value(), "");
    EXPECT_FALSE(lcd.IsPainting());
}

TEST(LCD99, SetValueNormalisesAndReportsOldAndNewText)
{
    TLCD99 lcd;
    ChangeLog log(lcd);
    lcd.SetValue("23.");
    lcd.SetValue("2a");
    lcd.SetValue("2,5");
    EXPECT_EQ(log.entries, QStringList({" -> 23", "23 -> 2A", "2A -> "}));
    EXPECT_EQ(lcd.Value(), "");
}

TEST(LCD99, SameTextChangesNothing)
{
    TLCD99 lcd;
    lcd.SetValue("23");
    ChangeLog log(lcd);
    lcd.SetValue("23");
    EXPECT_TRUE(log.entries.isEmpty());
}

// The comparison is with the text as given, before it is normalised.
TEST(LCD99, TextNormalisingToTheShownOneIsStillReported)
{
    TLCD99 lcd;
    lcd.SetValue("2A");
    ChangeLog log(lcd);
    lcd.SetValue("2a");
    lcd.SetValue("2A.");
    EXPECT_EQ(log.entries, QStringList({"2A -> 2A", "2A -> 2A"}));
    EXPECT_EQ(lcd.Value(), "2A");
}

TEST(LCD99, NumericValue)
{
    TLCD99 lcd;
    lcd.SetValue("12A");
    EXPECT_EQ(lcd.NumericValue(), 0);
    lcd.SetValue("-5");
    EXPECT_EQ(lcd.NumericValue(), -5);
    lcd.SetValue("23.9");
    EXPECT_EQ(lcd.NumericValue(), 0);
    ChangeLog log(lcd);
    lcd.SetNumericValue(42);
    EXPECT_EQ(lcd.Value(), "42");
    EXPECT_EQ(log.entries, QStringList({"23.9 -> 42"}));
}

TEST(LCD99, AboutShowsTheVersionBoxAndReadsBackNone)
{
    TLCD99 lcd;
    MessageCapture boxes;
    lcd.ShowAbout(TLCD99::abAbout);
    EXPECT_EQ(boxes.Texts, QStringList({TLCD99::AboutText()}));
    EXPECT_EQ(lcd.About(), TLCD99::abNone);
    lcd.ShowAbout(TLCD99::abNone);
    EXPECT_EQ(boxes.Texts.size(), 1);
    // A window description that stores About does not pop the box up.
    lcd.BeginLoading();
    lcd.setProperty("About", int(TLCD99::abAbout));
    lcd.EndLoading();
    EXPECT_EQ(boxes.Texts.size(), 1);
}

TEST(LCD99, ScreenReaderReadsTheShownText)
{
    TLCD99 lcd;
    lcd.setObjectName("LCD991");
    lcd.SetValue("23.9");
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(&lcd);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->role(), QAccessible::StaticText);
    EXPECT_EQ(a->text(QAccessible::Name), "Seven-segment display") << "never the component name";
    EXPECT_EQ(a->text(QAccessible::Value), "23.9");
    ASSERT_NE(a->textInterface(), nullptr);
    EXPECT_EQ(a->textInterface()->text(0, -1), "23.9");
    EXPECT_EQ(a->textInterface()->characterCount(), 4);
    EXPECT_EQ(a->textInterface()->text(1, 3), "3.");
    EXPECT_TRUE(a->state().readOnly);
    lcd.SetValue("2,5");
    EXPECT_EQ(a->text(QAccessible::Value), "");
}

TEST(LCD99, UnanimatedChangePaintsTopSegmentsFirstInOnePaint)
{
    // The demo: anDown with AnimationDelay 0 repaints at once, no waiting.
    ShownDisplay d;
    d.lcd->SetAnimation(TLCD99::anDown);
    d.lcd->SetValue("8");
    d.lcd->PaintToImage();
    d.lcd->SetValue(":");
    FrameRecorder rec(*d.lcd);
    d.lcd->PaintToImage();
    EXPECT_TRUE(rec.frames.isEmpty()) << "no intermediate frames";
    EXPECT_EQ(LitPositions(d.lcd->OffscreenBitmap().Image(), TLCD99Geometry(OptionsOf(*d.lcd))), "00000001");
}

TEST(LCD99, AnimatedPassesFollowTheChosenOrder)
{
    const std::pair<TLCD99::TLCDAnimation, const char*> cases[] = {
        {TLCD99::anDown, "12384567"}, {TLCD99::anSpiral, "84213675"}, {TLCD99::anUp, "76584321"},
        {TLCD99::anLeft, "63784152"}, {TLCD99::anRight, "25184736"},
    };
    for (const auto& [animation, expected] : cases) {
        ShownDisplay d;
        d.lcd->SetValue("8");
        d.lcd->PaintToImage();
        d.lcd->SetAnimation(animation);
        d.lcd->SetAnimationDelay(14);
        d.lcd->SetValue(":");
        FrameRecorder rec(*d.lcd);
        d.lcd->PaintToImage();
        EXPECT_EQ(ShownOrder(*d.lcd, rec.frames), QString::fromLatin1(expected)) << int(animation);
        EXPECT_EQ(rec.frames.size(), 8);
    }
}

TEST(LCD99, RandomAnimationUsesOneOfTheFiveOrders)
{
    const QStringList orders{"12384567", "84213675", "76584321", "63784152", "25184736"};
    ShownDisplay d;
    d.lcd->SetAnimationDelay(14);
    for (int i = 0; i < 6; ++i) {
        d.lcd->SetAnimation(TLCD99::anNone);
        d.lcd->SetValue("8");
        d.lcd->PaintToImage();
        d.lcd->SetAnimation(TLCD99::anRandom);
        d.lcd->SetValue(":");
        FrameRecorder rec(*d.lcd);
        d.lcd->PaintToImage();
        EXPECT_TRUE(orders.contains(ShownOrder(*d.lcd, rec.frames)));
    }
}

TEST(LCD99, AnimatedChangeOfAShownDisplayRunsAfterThePaintEvent)
{
    ShownDisplay d;
    d.lcd->SetValue("8");
    ASSERT_TRUE(WaitUntilShown(*d.lcd, "11111110"));
    d.lcd->SetAnimation(TLCD99::anUp);
    d.lcd->SetAnimationDelay(35);
    FrameRecorder rec(*d.lcd);
    d.lcd->SetValue(":");
    EXPECT_TRUE(QTest::qWaitFor([&] { return rec.frames.size() >= 8 && !d.lcd->IsPainting(); }, 5000));
    EXPECT_EQ(ShownOrder(*d.lcd, rec.frames), "76584321");
    EXPECT_EQ(LitPositions(d.lcd->grab().toImage(), TLCD99Geometry(OptionsOf(*d.lcd))), "00000001");
}

TEST(LCD99, AnimationSpendsItsBudgetAndRefusesNestedPaints)
{
    ShownDisplay d(3);
    d.lcd->SetValue("888");
    d.lcd->PaintToImage();
    d.lcd->SetAnimation(TLCD99::anDown);
    d.lcd->SetAnimationDelay(350); // 50 ms per pass
    d.lcd->SetValue(":::");
    const TLCD99Geometry g(OptionsOf(*d.lcd));
    bool sawPainting = false;
    QImage during, nested;
    QTimer::singleShot(75, [&] {
        sawPainting = d.lcd->IsPainting();
        during = d.lcd->OffscreenBitmap().Image().copy();
        nested = d.lcd->PaintToImage().copy(); // refused: the running paint owns the picture
    });
    d.lcd->PaintToImage();
    EXPECT_TRUE(sawPainting);
    EXPECT_EQ(nested, during);
    // Whatever pass the timer met, the passes done form a prefix of the order.
    const QString shown = LitPositions(during, g, 2);
    QString expected = "11111110";
    bool prefixFound = false;
    for (QChar p : QStringLiteral("12384567")) {
        expected[p.digitValue() - 1] = expected[p.digitValue() - 1] == '1' ? '0' : '1';
        prefixFound |= shown == expected;
    }
    EXPECT_TRUE(prefixFound) << shown.toStdString();
    EXPECT_GE(d.lcd->PaintDuration(), 250u) << "six waits of 50 ms less at most one overshoot";
    EXPECT_FALSE(d.lcd->IsPainting());
}

TEST(LCD99, ValueSetDuringAnAnimationIsPaintedAfterIt)
{
    ShownDisplay d;
    d.lcd->SetValue("8");
    d.lcd->PaintToImage();
    d.lcd->SetAnimation(TLCD99::anDown);
    d.lcd->SetAnimationDelay(70);
    d.lcd->SetValue(":");
    QTimer::singleShot(20, [&] { d.lcd->SetValue("1"); });
    d.lcd->PaintToImage();
    EXPECT_TRUE(QTest::qWaitFor([&] {
        return !d.lcd->IsPainting() &&
               LitPositions(d.lcd->grab().toImage(), TLCD99Geometry(OptionsOf(*d.lcd))) == "00100100";
    }, 5000));
}

TEST(LCD99, DisplayDestroyedWhileAnimatingStopsCleanly)
{
    auto window = std::make_unique<QWidget>();
    window->resize(100, 100);
    QPointer<TLCD99> lcd = new TLCD99(window.get());
    lcd->SetBounds(0, 0, 60, 84);
    lcd->SetDigitNum(1);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    lcd->SetValue("8");
    ASSERT_TRUE(WaitUntilShown(*lcd, "11111110"));
    lcd->SetAnimation(TLCD99::anSpiral);
    lcd->SetAnimationDelay(700);
    // Deleted from the message loop at the first pass the animation shows.
    FirstFrameHook hook(*lcd, [&] {
        QTimer::singleShot(0, [&] {
            ASSERT_TRUE(lcd && lcd->IsPainting());
            delete lcd.data();
        });
    });
    lcd->SetValue(":");
    EXPECT_TRUE(QTest::qWaitFor([&] { return lcd.isNull(); }, 5000));
    QTest::qWait(50);
}
