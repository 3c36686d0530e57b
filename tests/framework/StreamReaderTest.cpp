// Reading window descriptions: values of every kind, records, loading state,
// events, references, collections, and reading into an existing root.

#include "StreamTestComponents.h"

#include "framework/StreamEvents.h"
#include "framework/StreamReader.h"
#include "framework/Timer.h"

#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

class StreamReaderTest : public ::testing::Test {
protected:
    void SetUp() override { RegisterStreamTestComponents(); }

    // Reads "object Root: TTestRoot <body> end" and returns the root.
    std::unique_ptr<TTestRoot> ReadRoot(const QString& body)
    {
        const QString text = QStringLiteral("object Root: TTestRoot\n") + body + QStringLiteral("end\n");
        return std::unique_ptr<TTestRoot>(qobject_cast<TTestRoot*>(TStreamReader::Read(text, "test.dfm")));
    }
    // Reads one TTestWidget W with the given property lines.
    TTestWidget* ReadWidget(const QString& lines)
    {
        root_ = ReadRoot(QStringLiteral("  object W: TTestWidget\n") + lines + QStringLiteral("  end\n"));
        return root_->findChild<TTestWidget*>("W");
    }
    std::unique_ptr<TTestRoot> root_;
};

TEST_F(StreamReaderTest, ReadsScalarsOfEveryKind)
{
    TTestWidget* w = ReadWidget(
        "    Left = 9\n    Top = -76\n    Speed = $1F\n    Active = false\n    OnColor = clBtnFace\n"
        "    Ratio = 2.5E-1\n    Mode = tmThird\n    Options = [toA, toC]\n    Index = 255\n");
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->Left(), 9);
    EXPECT_EQ(w->Top(), -76);
    EXPECT_EQ(w->Speed(), 31);
    EXPECT_FALSE(w->Active());
    EXPECT_EQ(w->OnColor(), clBtnFace);
    EXPECT_DOUBLE_EQ(w->Ratio(), 0.25);
    EXPECT_EQ(w->Mode(), TTestWidget::tmThird);
    EXPECT_EQ(w->Options(), TTestWidget::TTestOptions(TTestWidget::toA | TTestWidget::toC));
    EXPECT_EQ(w->Index(), 255);
}

TEST_F(StreamReaderTest, ColoursByNameAndNumber)
{
    EXPECT_EQ(ReadWidget("    OnColor = $00C000\n")->OnColor(), 0x00C000);
    EXPECT_EQ(ReadWidget("    OnColor = 255\n")->OnColor(), clRed);
    EXPECT_EQ(ReadWidget("    OnColor = $FF00000F\n")->OnColor(), clBtnFace);
    EXPECT_EQ(ReadWidget("    OnColor = clgreen\n")->OnColor(), clGreen);
}

TEST_F(StreamReaderTest, StringsWithQuotesCodesAndContinuation)
{
    TTestWidget* w = ReadWidget("    Caption = 'it''s '#13#10'line' +\n      ' two'#$263A\n");
    EXPECT_EQ(w->Caption(), QString("it's \r\nline two") + QChar(0x263A));
    EXPECT_EQ(ReadWidget("    Caption = ''\n")->Caption(), QString());
}

TEST_F(StreamReaderTest, BinaryOverSeveralLinesAndCountedBinary)
{
    TTestWidget* w = ReadWidget("    Data = {\n      00FF10\n      ab}\n    RgnData = {03000000 010203}\n");
    EXPECT_EQ(w->Data(), QByteArray("\x00\xFF\x10\xAB", 4));
    EXPECT_EQ(w->RgnData(), QByteArray("\x01\x02\x03"));
    EXPECT_EQ(ReadWidget("    RgnData = {00000000}\n")->RgnData(), QByteArray());
}

TEST_F(StreamReaderTest, StringListsAndCollections)
{
    TTestWidget* w = ReadWidget(
        "    Lines = (\n      'one'\n      'two')\n"
        "    Columns = <\n      item\n        Title = 'A'\n        Width = 10\n      end\n"
        "      item\n        Title = 'B'\n      end>\n");
    EXPECT_EQ(w->Lines(), QStringList({"one", "two"}));
    ASSERT_EQ(w->Columns()->items_.size(), 2);
    EXPECT_EQ(w->Columns()->items_[0]->Title(), "A");
    EXPECT_EQ(w->Columns()->items_[0]->Width(), 10);
    EXPECT_EQ(w->Columns()->items_[1]->Width(), 64);
}

TEST_F(StreamReaderTest, NestedRecordsAndFonts)
{
    TTestWidget* w = ReadWidget(
        "    Setpoints.MinAlarm = 100\n    Font.Name = 'Arial'\n    Font.Height = -13\n"
        "    Font.Style = [fsBold]\n    Font.Color = clBlack\n");
    EXPECT_EQ(w->Setpoints()->MinAlarm(), 100);
    EXPECT_EQ(w->Font()->Name(), "Arial");
    EXPECT_EQ(w->Font()->Height(), -13);
    EXPECT_EQ(w->Font()->Style(), TFontStyles(fsBold));
    EXPECT_EQ(w->Font()->Color(), clBlack);
    EXPECT_FALSE(w->ParentFont()); // a font of its own no longer follows the parent
}

TEST_F(StreamReaderTest, AbsentPropertiesKeepTheConstructorValues)
{
    TTestWidget* w = ReadWidget("    Speed = 3\n");
    EXPECT_EQ(w->Setpoints()->StreefTemp(), 185);      // declared default is 200
    EXPECT_EQ(w->Setpoints()->VerwarmVerschil(), -15); // declared default is 15
    EXPECT_TRUE(w->Active());
}

TEST_F(StreamReaderTest, PropertiesAreSetInFileOrderWhileLoadingAndLoadedRunsOnceAtTheEnd)
{
    auto root = ReadRoot(
        "  object A: TTestWidget\n    Speed = 1\n    Speed = 2\n    Buddy = B\n  end\n"
        "  object B: TTestWidget\n  end\n");
    auto* a = root->findChild<TTestWidget*>("A");
    auto* b = root->findChild<TTestWidget*>("B");
    EXPECT_EQ(a->Speed(), 2);
    EXPECT_EQ(a->loadingWrites, 2);
    EXPECT_EQ(a->loadedCalls, 1);
    EXPECT_EQ(b->loadedCalls, 1);
    // References are resolved before any Loaded, also to components read later.
    EXPECT_TRUE(a->buddyKnownWhenLoaded);
    EXPECT_EQ(a->Buddy(), b);
    EXPECT_FALSE(a->ComponentState().testFlag(csLoading));
}

TEST_F(StreamReaderTest, NonVisualComponentsGetTheLoadingProtocol)
{
    auto root = ReadRoot("  object N: TTestNonVisual\n    Count = 4\n  end\n"
                         "  object T: TTimer\n    Enabled = False\n    Interval = 5000\n  end\n");
    auto* n = root->findChild<TTestNonVisual*>("N");
    ASSERT_NE(n, nullptr);
    EXPECT_EQ(n->Count(), 4);
    EXPECT_TRUE(n->countSetWhileLoading);
    EXPECT_EQ(n->loadedCalls, 1);
    auto* t = root->findChild<TTimer*>("T");
    ASSERT_NE(t, nullptr);
    EXPECT_FALSE(t->Enabled());
    EXPECT_EQ(t->Interval(), 5000);
}

TEST_F(StreamReaderTest, TimersRunOnceTheirHandlerIsBound)
{
    auto root = ReadRoot("  object T: TTimer\n    Interval = 10\n    OnTimer = WidgetChange\n  end\n"
                         "  object Off: TTimer\n    Enabled = False\n    OnTimer = WidgetChange\n  end\n");
    EXPECT_TRUE(root->findChild<TTimer*>("T")->Running());
    EXPECT_FALSE(root->findChild<TTimer*>("Off")->Running());
    EXPECT_TRUE(QTest::qWaitFor([&] { return root->changes > 0; }, 5000));
    EXPECT_EQ(root->lastSender, root->findChild<TTimer*>("T"));
}

TEST_F(StreamReaderTest, ChildrenNestUnderTheirParentsAndStayHidden)
{
    auto root = ReadRoot("  object Outer: TTestRoot\n    object Inner: TTestWidget\n    end\n  end\n");
    auto* outer = root->findChild<TTestRoot*>("Outer");
    auto* inner = root->findChild<TTestWidget*>("Inner");
    EXPECT_EQ(inner->parent(), outer);
    EXPECT_EQ(outer->parent(), root.get());
    EXPECT_FALSE(root->isVisible());
    EXPECT_TRUE(root->isWindow());
}

TEST_F(StreamReaderTest, EventsBindToTheRootsSlots)
{
    auto root = ReadRoot(
        "  object W: TTestWidget\n    OnChange = WidgetChange\n    OnValue = WidgetValue\n"
        "    OnMouseDown = WidgetMouseDown\n    OnClick = NoArguments\n  end\n");
    auto* w = root->findChild<TTestWidget*>("W");
    emit w->OnChange(w);
    EXPECT_EQ(root->changes, 1);
    EXPECT_EQ(root->lastSender, w);
    emit w->OnValue(w, 42);
    EXPECT_EQ(root->lastValue, 42);
    // Parameters spelled fw::TMouseButton in the event and TMouseButton in the handler.
    emit w->OnMouseDown(w, mbRight, TShiftState(ssShift), 3, 4);
    EXPECT_EQ(root->lastValue, 3 + 4 + int(mbRight) + int(ssShift));
    // A handler may take fewer arguments than the event gives.
    emit w->OnClick(w);
    EXPECT_EQ(root->changes, 2);
    const auto bindings = TStreamEvents::Bindings(w);
    ASSERT_EQ(bindings.size(), 4);
    EXPECT_EQ(bindings[0].Event, "OnClick"); // in the order of the component's events
}

TEST_F(StreamReaderTest, RebindingAnEventReplacesTheHandler)
{
    auto root = ReadRoot("  object W: TTestWidget\n    OnChange = WidgetChange\n  end\n");
    auto* w = root->findChild<TTestWidget*>("W");
    QString error;
    ASSERT_TRUE(TStreamEvents::Bind(w, "OnChange", root.get(), "NoArguments", error));
    emit w->OnChange(w);
    EXPECT_EQ(root->changes, 1);
    EXPECT_EQ(root->lastSender, nullptr);
    EXPECT_FALSE(TStreamEvents::Bind(w, "OnValue", root.get(), "WrongSignature", error));
    EXPECT_TRUE(error.contains("'WrongSignature'")) << error.toStdString();
}

TEST_F(StreamReaderTest, ReferencesMayBeNilOrTheRoot)
{
    TTestWidget* w = ReadWidget("    Buddy = W\n");
    EXPECT_EQ(w->Buddy(), w);
    EXPECT_EQ(ReadWidget("    Buddy = nil\n")->Buddy(), nullptr);
}

TEST_F(StreamReaderTest, ReadsIntoAnExistingRoot)
{
    TTestRoot root;
    TStreamReader::ReadInto(&root,
                            "object Shown: TTestRoot\n  Left = 5\n  Tag = 7\n"
                            "  object W: TTestWidget\n    OnChange = WidgetChange\n  end\nend\n",
                            "into.dfm");
    EXPECT_EQ(root.objectName(), "Shown");
    EXPECT_EQ(root.Left(), 5);
    EXPECT_EQ(root.Tag(), 7);
    auto* w = root.findChild<TTestWidget*>("W");
    ASSERT_NE(w, nullptr);
    emit w->OnChange(w);
    EXPECT_EQ(root.changes, 1);
    EXPECT_FALSE(root.ComponentState().testFlag(csLoading));
}

TEST_F(StreamReaderTest, ReadsIntoARootDerivedFromTheDescribedClass)
{
    TTestRoot root;
    TStreamReader::ReadInto(&root, "object R: TCustomControl\n  Tag = 3\nend\n", "base.dfm");
    EXPECT_EQ(root.Tag(), 3);
}

TEST_F(StreamReaderTest, KeywordsAndNamesIgnoreCase)
{
    auto root = ReadRoot("  OBJECT W: ttestwidget\n    speed = 4\n    MODE = TMSECOND\n  END\n");
    auto* w = root->findChild<TTestWidget*>("W");
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->Speed(), 4);
    EXPECT_EQ(w->Mode(), TTestWidget::tmSecond);
}

} // namespace
