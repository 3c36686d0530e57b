// Writing window descriptions: what is written (stored, differing from the
// declared default), in which order, and in which form.

#include "StreamTestComponents.h"

#include "framework/Panel.h"
#include "framework/StreamEvents.h"
#include "framework/StreamReader.h"
#include "framework/StreamWriter.h"
#include "framework/Timer.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class StreamWriterTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        RegisterStreamTestComponents();
        root_.setObjectName("Root");
        w_ = new TTestWidget(&root_);
        w_->setObjectName("W");
        w_->SetBounds(1, 2, 3, 4);
    }
    // The lines written for W, without the object/end lines and geometry.
    QStringList WidgetLines()
    {
        QStringList lines = TStreamWriter::Write(w_).split('\n', Qt::SkipEmptyParts);
        lines.removeFirst();
        lines.removeLast();
        for (const char* p : {"Left", "Top", "Width", "Height", "Color"})
            lines.removeIf([p](const QString& l) { return l.trimmed().startsWith(QLatin1String(p) + " ="); });
        return lines;
    }
    TTestRoot root_;
    TTestWidget* w_ = nullptr;
};

TEST_F(StreamWriterTest, ValuesEqualToTheirDeclaredDefaultsAreOmitted)
{
    // Constructor values that differ from the declared defaults are written.
    EXPECT_EQ(WidgetLines(), QStringList({"  Setpoints.StreefTemp = 185", "  Setpoints.VerwarmVerschil = -15"}));
    w_->Setpoints()->SetStreefTemp(200);
    w_->Setpoints()->SetVerwarmVerschil(15);
    EXPECT_TRUE(WidgetLines().isEmpty());
}

TEST_F(StreamWriterTest, PropertiesComeInPublishedOrderWithBaseClassesFirst)
{
    w_->Setpoints()->SetStreefTemp(200);
    w_->Setpoints()->SetVerwarmVerschil(15);
    w_->SetTag(5);
    w_->SetSpeed(11);
    w_->SetMode(TTestWidget::tmSecond);
    w_->Setpoints()->SetMinAlarm(100);
    w_->SetIndex(3);
    EXPECT_EQ(WidgetLines(), QStringList({"  Tag = 5", "  Speed = 11", "  Mode = tmSecond", "  Index = 3",
                                          "  Setpoints.MinAlarm = 100"}));
}

TEST_F(StreamWriterTest, GeometryHasNoDefaultAndIsAlwaysWritten)
{
    const QString text = TStreamWriter::Write(w_);
    EXPECT_TRUE(text.startsWith("object W: TTestWidget\n  Left = 1\n  Top = 2\n  Width = 3\n  Height = 4\n"))
        << text.toStdString();
    EXPECT_TRUE(text.endsWith("end\n"));
}

TEST_F(StreamWriterTest, NotStoredPropertiesAreNeverWritten)
{
    w_->SetSecret(99);
    EXPECT_FALSE(TStreamWriter::Write(w_).contains("Secret"));
}

TEST_F(StreamWriterTest, FontAndColorAreWrittenOnlyWhenNotInherited)
{
    TPanel panel;
    auto* child = new TPanel(&panel);
    child->setObjectName("Child");
    panel.setObjectName("P");
    EXPECT_FALSE(TStreamWriter::Write(child).contains("Font."));
    child->Font()->SetStyle(fsBold);
    const QString text = TStreamWriter::Write(child);
    EXPECT_TRUE(text.contains("  Font.Style = [fsBold]\n")) << text.toStdString();
    EXPECT_TRUE(text.contains("  Font.Name = 'MS Sans Serif'\n"));
    EXPECT_TRUE(text.contains("  ParentFont = False\n"));
    EXPECT_FALSE(text.contains("Font.Pitch")); // equal to its declared default
    child->SetParentColor(true);
    EXPECT_FALSE(TStreamWriter::Write(child).contains("  Color ="));
}

TEST_F(StreamWriterTest, ValueForms)
{
    w_->SetOnColor(0x00C000);
    w_->SetOptions(TTestWidget::toA | TTestWidget::toC);
    w_->SetRatio(0.1);
    w_->SetCaption(QString("it's") + QChar(13) + QChar(10) + "x" + QChar(0x263A));
    w_->SetLines({"a", ""});
    const QStringList lines = WidgetLines();
    EXPECT_TRUE(lines.contains("  OnColor = $0000C000"));
    EXPECT_TRUE(lines.contains("  Options = [toA, toC]"));
    EXPECT_TRUE(lines.contains("  Ratio = 0.1"));
    EXPECT_TRUE(lines.contains("  Caption = 'it''s'#13#10'x'#9786")) << lines.join('\n').toStdString();
    const QString text = TStreamWriter::Write(w_);
    EXPECT_TRUE(text.contains("  Lines = (\n    'a'\n    '')\n")) << text.toStdString();
}

TEST_F(StreamWriterTest, LongStringsContinueOnTheNextLine)
{
    w_->SetCaption(QString(70, 'x'));
    const QString text = TStreamWriter::Write(w_);
    EXPECT_TRUE(text.contains("  Caption = '" + QString(64, 'x') + "' +\n    '" + QString(6, 'x') + "'\n"))
        << text.toStdString();
}

TEST_F(StreamWriterTest, BinarySplitsIntoLinesOfThirtyTwoBytes)
{
    w_->SetData(QByteArray(40, '\x5A'));
    w_->SetRgnData(QByteArray("\x01\x02", 2));
    const QString text = TStreamWriter::Write(w_);
    EXPECT_TRUE(text.contains("  Data = {\n    " + QString(64, '5').replace("55", "5A") + "\n    " +
                              QString("5A").repeated(8) + "}\n"))
        << text.toStdString();
    // A counted binary carries its 32-bit little-endian byte count first.
    EXPECT_TRUE(text.contains("  RgnData = {\n    020000000102}\n")) << text.toStdString();
}

TEST_F(StreamWriterTest, CollectionsReferencesAndEvents)
{
    w_->Columns()->AddItem()->setProperty("Title", "A");
    w_->Columns()->AddItem()->setProperty("Width", 9);
    auto* other = new TTestWidget(&root_);
    other->setObjectName("Other");
    w_->SetBuddy(other);
    QString error;
    ASSERT_TRUE(TStreamEvents::Bind(w_, "OnValue", &root_, "WidgetValue", error));
    ASSERT_TRUE(TStreamEvents::Bind(w_, "OnChange", &root_, "WidgetChange", error));
    const QString text = TStreamWriter::Write(&root_);
    EXPECT_TRUE(text.contains("    Columns = <\n      item\n        Title = 'A'\n      end\n"
                              "      item\n        Width = 9\n      end>\n"))
        << text.toStdString();
    EXPECT_TRUE(text.contains("    Buddy = Other\n"));
    EXPECT_TRUE(text.contains("    OnChange = WidgetChange\n    OnValue = WidgetValue\n  end\n"));
}

TEST_F(StreamWriterTest, DisconnectedEventsAreNotWritten)
{
    QString error;
    ASSERT_TRUE(TStreamEvents::Bind(w_, "OnChange", &root_, "WidgetChange", error));
    QObject::disconnect(w_, &TTestWidget::OnChange, &root_, nullptr);
    EXPECT_FALSE(TStreamWriter::Write(w_).contains("OnChange"));
}

TEST_F(StreamWriterTest, ReferencesOutsideTheWrittenTreeAreLeftOut)
{
    TTestWidget stranger;
    stranger.setObjectName("Stranger");
    w_->SetBuddy(&stranger);
    EXPECT_FALSE(TStreamWriter::Write(&root_).contains("Buddy"));
}

TEST_F(StreamWriterTest, OnlyNamedRegisteredChildrenAreComponents)
{
    auto* timer = new TTimer(w_); // a control's own helper: unnamed
    auto* named = new TTimer(&root_);
    named->setObjectName("Clock");
    (void)timer;
    const QString text = TStreamWriter::Write(&root_);
    EXPECT_EQ(text.count("object "), 3) << text.toStdString();
    EXPECT_TRUE(text.contains("  object Clock: TTimer\n  end\n"));
}

TEST_F(StreamWriterTest, WritesFilesAtomically)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("out.dfm");
    TStreamWriter::WriteToFile(&root_, path);
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(f.readAll()), TStreamWriter::Write(&root_));
    EXPECT_THROW(TStreamWriter::WriteToFile(&root_, dir.filePath("missing/dir/out.dfm")), Exception);
}

} // namespace
