// Faulty window descriptions: every kind of fault is an EReadError naming the
// source, the line and the offending word, and nothing is left behind.

#include "StreamTestComponents.h"

#include "framework/StreamReader.h"

#include <QApplication>
#include <gtest/gtest.h>
#include <memory>

namespace {

class StreamErrorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        RegisterStreamTestComponents();
        widgetsBefore_ = TTestWidget::alive;
        windowsBefore_ = QApplication::topLevelWidgets().size();
    }
    void TearDown() override
    {
        EXPECT_EQ(TTestWidget::alive, widgetsBefore_) << "components left behind";
        EXPECT_EQ(QApplication::topLevelWidgets().size(), windowsBefore_) << "windows left behind";
    }

    // The message of the EReadError the text raises ("" when it reads fine).
    static QString ErrorOf(const QString& text, const QString& source = "bad.dfm")
    {
        try {
            std::unique_ptr<QObject> root(TStreamReader::Read(text, source));
        } catch (const EReadError& e) {
            return e.Message;
        }
        return {};
    }
    // A root holding one widget W with the given lines (W starts on line 2).
    static QString Widget(const QString& lines)
    {
        return "object Root: TTestRoot\n  object W: TTestWidget\n" + lines + "  end\nend\n";
    }

    int widgetsBefore_ = 0;
    qsizetype windowsBefore_ = 0;
};

#define EXPECT_READ_ERROR(text, line, word)                                                           \
    do {                                                                                              \
        const QString message = ErrorOf(text);                                                        \
        EXPECT_TRUE(message.startsWith(QStringLiteral("bad.dfm(%1): ").arg(line))) << message.toStdString(); \
        EXPECT_TRUE(message.contains(QStringLiteral("'%1'").arg(word))) << message.toStdString();     \
    } while (0)

TEST_F(StreamErrorTest, UnknownNames)
{
    EXPECT_READ_ERROR("object Root: TNoSuchRoot\nend\n", 1, "TNoSuchRoot");
    EXPECT_READ_ERROR(Widget("    object X: TNoSuch\n    end\n"), 3, "TNoSuch");
    EXPECT_READ_ERROR(Widget("    Speed = 1\n    Colr = clRed\n"), 4, "Colr");
    EXPECT_READ_ERROR(Widget("    Font.Nme = 'Arial'\n"), 3, "Font.Nme");
    EXPECT_READ_ERROR(Widget("    Speed.Max = 3\n"), 3, "Speed");
    EXPECT_READ_ERROR(Widget("    Mode = tmFourth\n"), 3, "tmFourth");
    EXPECT_READ_ERROR(Widget("    Options = [toA, toZ]\n"), 3, "toZ");
    EXPECT_READ_ERROR(Widget("    OnColor = clPink\n"), 3, "clPink");
    EXPECT_READ_ERROR(Widget("    Buddy = Nobody\n"), 3, "Nobody");
}

TEST_F(StreamErrorTest, UnknownOrUnfittingHandlers)
{
    EXPECT_READ_ERROR(Widget("    OnChange = NoSuchHandler\n"), 3, "NoSuchHandler");
    EXPECT_READ_ERROR(Widget("    OnValue = WrongSignature\n"), 3, "WrongSignature");
    EXPECT_READ_ERROR(Widget("    OnChange = 'WidgetChange'\n"), 3, "WidgetChange");
}

TEST_F(StreamErrorTest, ValuesOfTheWrongKind)
{
    EXPECT_READ_ERROR(Widget("    Speed = 'fast'\n"), 3, "fast");
    EXPECT_READ_ERROR(Widget("    Speed = 1.5\n"), 3, "1.5");
    EXPECT_READ_ERROR(Widget("    Active = 1\n"), 3, "1");
    EXPECT_READ_ERROR(Widget("    Caption = Hello\n"), 3, "Hello");
    EXPECT_READ_ERROR(Widget("    Mode = 2\n"), 3, "2");
    EXPECT_READ_ERROR(Widget("    Options = toA\n"), 3, "toA");
    EXPECT_READ_ERROR(Widget("    Data = 'bytes'\n"), 3, "bytes");
    EXPECT_READ_ERROR(Widget("    Lines = ('a' 5)\n"), 3, "5");
    EXPECT_READ_ERROR(Widget("    Setpoints = 5\n"), 3, "Setpoints");
    EXPECT_READ_ERROR(Widget("    Buddy = 'W'\n"), 3, "W");
    EXPECT_READ_ERROR(Widget("    Index = 256\n"), 3, "256");
    EXPECT_READ_ERROR(Widget("    Speed = 2147483648\n"), 3, "2147483648");
    EXPECT_READ_ERROR(Widget("    Speed = 99999999999999999999\n"), 3, "99999999999999999999");
    EXPECT_READ_ERROR(Widget("    Buddy = Root\n"), 3, "Root"); // the root is no TTestWidget
}

TEST_F(StreamErrorTest, UnterminatedStringsAndBlocks)
{
    EXPECT_READ_ERROR(Widget("    Caption = 'open\n"), 3, "'open");
    EXPECT_READ_ERROR("object Root: TTestRoot\n  Hint = 'a' +\nend\n", 3, "end");
    EXPECT_READ_ERROR("object Root: TTestRoot\n  object W: TTestWidget\n    Data = {0102\n", 3, "{");
    EXPECT_READ_ERROR("object Root: TTestRoot\n  object W: TTestWidget\n    Lines = ('a'\n", 3, "(");
    EXPECT_READ_ERROR("object Root: TTestRoot\n  object W: TTestWidget\n    Columns = <\n", 3, "<");
    EXPECT_READ_ERROR(Widget("    Caption = #99999999\n"), 3, "#99999999");
}

TEST_F(StreamErrorTest, TruncatedBinaries)
{
    EXPECT_READ_ERROR(Widget("    Data = {010}\n"), 3, "}");
    EXPECT_READ_ERROR(Widget("    Data = {01 zz}\n"), 3, "z");
    const QString short_ = ErrorOf(Widget("    RgnData = {05000000 0102}\n"));
    EXPECT_TRUE(short_.startsWith("bad.dfm(3): truncated binary")) << short_.toStdString();
    EXPECT_TRUE(short_.contains("'RgnData'"));
    EXPECT_TRUE(ErrorOf(Widget("    RgnData = {0100}\n")).contains("no byte count"));
}

TEST_F(StreamErrorTest, MissingEndAndStrayWords)
{
    EXPECT_READ_ERROR("object Root: TTestRoot\n  object W: TTestWidget\n    Speed = 1\n", 4, "W");
    EXPECT_READ_ERROR("object Root: TTestRoot\n  object W: TTestWidget\n  end\n", 4, "Root");
    EXPECT_READ_ERROR(Widget("  object X: TTestWidget\n  end\n    Speed = 1\n"), 5, "Speed");
    EXPECT_READ_ERROR("object Root: TTestRoot\nend\nobject Again: TTestRoot\nend\n", 3, "object");
    EXPECT_READ_ERROR(Widget("    Speed 5\n"), 3, "5");
    EXPECT_READ_ERROR("Root: TTestRoot\nend\n", 1, "Root");
    EXPECT_TRUE(ErrorOf("").startsWith("bad.dfm(1): empty window description"));
}

TEST_F(StreamErrorTest, StructuralFaults)
{
    EXPECT_READ_ERROR("object Root: TTestRoot\n  object W: TTestWidget\n  end\n  object w: TTestWidget\n  end\nend\n",
                      4, "w");
    EXPECT_READ_ERROR("object Root: TTestRoot\n  object N: TTestNonVisual\n    object W: TTestWidget\n    end\n"
                      "  end\nend\n",
                      3, "W");
    QString deep = "object Root: TTestRoot\n";
    for (int i = 0; i < 100; ++i)
        deep += QStringLiteral("object P%1: TTestRoot\n").arg(i);
    EXPECT_TRUE(ErrorOf(deep).contains("nested too deeply"));
}

TEST_F(StreamErrorTest, ASetterThatRefusesAValueFailsTheRead)
{
    // Speed = -1 throws in the setter: the error names the line and the
    // property, and the components created before it are gone again.
    const QString text = "object Root: TTestRoot\n  object A: TTestWidget\n  end\n"
                         "  object B: TTestWidget\n    Speed = -1\n  end\nend\n";
    const QString message = ErrorOf(text);
    EXPECT_TRUE(message.startsWith("bad.dfm(5): property 'Speed': Speed must not be negative")) << message.toStdString();
}

TEST_F(StreamErrorTest, AFailedReadIntoAnExistingRootRemovesWhatItAdded)
{
    TTestRoot root;
    auto* own = new TTestWidget(&root);
    own->setObjectName("Own");
    const qsizetype childrenBefore = root.children().size();
    const QString text = "object Root: TTestRoot\n  object A: TTestWidget\n  end\n"
                         "  object B: TTestWidget\n    Mode = tmNone\n  end\nend\n";
    EXPECT_THROW(TStreamReader::ReadInto(&root, text, "into.dfm"), EReadError);
    EXPECT_EQ(root.children().size(), childrenBefore);
    EXPECT_FALSE(root.ComponentState().testFlag(csLoading));
    // A setter fault is found only while building: still nothing is left.
    const QString late = "object Root: TTestRoot\n  object A: TTestWidget\n  end\n"
                         "  object B: TTestWidget\n    Speed = -1\n  end\nend\n";
    EXPECT_THROW(TStreamReader::ReadInto(&root, late, "into.dfm"), EReadError);
    EXPECT_EQ(root.children().size(), childrenBefore);
    // A name already taken by a control of the root is refused.
    try {
        TStreamReader::ReadInto(&root, "object Root: TTestRoot\n  object Own: TTestWidget\n  end\nend\n", "into.dfm");
        ADD_FAILURE() << "duplicate name accepted";
    } catch (const EReadError& e) {
        EXPECT_TRUE(e.Message.startsWith("into.dfm(2): ")) << e.Message.toStdString();
        EXPECT_TRUE(e.Message.contains("'Own'"));
    }
}

TEST_F(StreamErrorTest, AnExistingRootOfAnotherClassIsRefused)
{
    TTestRoot root;
    try {
        TStreamReader::ReadInto(&root, "object X: TTestWidget\nend\n", "other.dfm");
        ADD_FAILURE() << "class mismatch accepted";
    } catch (const EReadError& e) {
        EXPECT_TRUE(e.Message.startsWith("other.dfm(1): ")) << e.Message.toStdString();
        EXPECT_TRUE(e.Message.contains("'TTestWidget'"));
    }
}

TEST_F(StreamErrorTest, MissingResourcesAreNamed)
{
    try {
        std::unique_ptr<QObject> o(TStreamReader::ReadResource(":/forms/NoSuchForm.dfm"));
        ADD_FAILURE() << "missing resource accepted";
    } catch (const EReadError& e) {
        EXPECT_TRUE(e.Message.contains(":/forms/NoSuchForm.dfm")) << e.Message.toStdString();
    }
}

TEST_F(StreamErrorTest, LongOrControlCharacterWordsAreQuotedReadably)
{
    const QString message = ErrorOf(Widget("    Mode = tm" + QString(500, 'x') + "\n"));
    EXPECT_LT(message.size(), 200);
    EXPECT_TRUE(message.contains("...'"));
}

} // namespace
