// Writing a component tree and reading it back gives the same values,
// including where a declared default differs from the constructor value.

#include "StreamTestComponents.h"

#include "framework/Form.h"
#include "framework/GroupBox.h"
#include "framework/Image.h"
#include "framework/Label.h"
#include "framework/Panel.h"
#include "framework/SpeedButton.h"
#include "framework/StreamReader.h"
#include "framework/StreamWriter.h"
#include "framework/Timer.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

template <class T>
std::unique_ptr<T> ReadBack(const QObject* root)
{
    return std::unique_ptr<T>(qobject_cast<T*>(TStreamReader::Read(TStreamWriter::Write(root), "roundtrip.dfm")));
}

class StreamRoundTripTest : public ::testing::Test {
protected:
    void SetUp() override { RegisterStreamTestComponents(); }
};

TEST_F(StreamRoundTripTest, EveryValueKindSurvives)
{
    TTestRoot root;
    root.setObjectName("Root");
    auto* w = new TTestWidget(&root);
    w->setObjectName("W");
    w->SetBounds(-3, 7, 40, 50);
    w->SetSpeed(0);
    w->SetActive(false);
    w->SetOnColor(clBtnShadow);
    w->SetRatio(-1e-7);
    w->SetCaption(QString("a'b") + QChar(0) + "\t" + QString(100, 'z') + QString::fromUcs4(U"\U0001F600", 1));
    w->SetMode(TTestWidget::tmThird);
    w->SetOptions(TTestWidget::toB);
    w->SetData(QByteArray(100, '\0') + "\xFF");
    w->SetRgnData(QByteArray("region"));
    w->SetLines({"x", "y'z"});
    w->SetIndex(0);
    w->SetVisible(false);
    w->SetHint("hint");
    w->Font()->SetName("Arial");
    w->Font()->SetStyle(TFontStyles(fsBold) | fsItalic);
    w->Setpoints()->SetMinAlarm(-5);
    w->Columns()->AddItem()->setProperty("Title", "C");
    w->SetBuddy(w);

    auto back = ReadBack<TTestRoot>(&root);
    auto* r = back->findChild<TTestWidget*>("W");
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->BoundsRect(), w->BoundsRect());
    EXPECT_EQ(r->Speed(), 0);
    EXPECT_FALSE(r->Active());
    EXPECT_EQ(r->OnColor(), clBtnShadow);
    EXPECT_EQ(r->Ratio(), -1e-7);
    EXPECT_EQ(r->Caption(), w->Caption());
    EXPECT_EQ(r->Mode(), TTestWidget::tmThird);
    EXPECT_EQ(r->Options(), TTestWidget::TTestOptions(TTestWidget::toB));
    EXPECT_EQ(r->Data(), w->Data());
    EXPECT_EQ(r->RgnData(), w->RgnData());
    EXPECT_EQ(r->Lines(), w->Lines());
    EXPECT_EQ(r->Index(), 0);
    EXPECT_FALSE(r->Visible());
    EXPECT_EQ(r->Hint(), "hint");
    EXPECT_TRUE(r->Font()->SameAs(*w->Font()));
    EXPECT_EQ(r->Setpoints()->MinAlarm(), -5);
    ASSERT_EQ(r->Columns()->items_.size(), 1);
    EXPECT_EQ(r->Columns()->items_[0]->Title(), "C");
    EXPECT_EQ(r->Buddy(), r);
    EXPECT_EQ(TStreamWriter::Write(back.get()), TStreamWriter::Write(&root));
}

// A value equal to its declared default is left out only when a new component
// is built with it too; StreefTemp 200 (the declared default, while new
// components start at 185) is written, so it survives the round trip.
TEST_F(StreamRoundTripTest, DeclaredDefaultsThatDifferFromConstructorValues)
{
    TTestRoot root;
    root.setObjectName("Root");
    auto* w = new TTestWidget(&root);
    w->setObjectName("W");

    auto back = ReadBack<TTestRoot>(&root); // constructor values, unlike the defaults
    EXPECT_EQ(back->findChild<TTestWidget*>("W")->Setpoints()->StreefTemp(), 185);
    EXPECT_EQ(back->findChild<TTestWidget*>("W")->Setpoints()->VerwarmVerschil(), -15);

    w->Setpoints()->SetVerwarmVerschil(30);
    w->Setpoints()->SetStreefTemp(200);
    const QString text = TStreamWriter::Write(&root);
    EXPECT_TRUE(text.contains("Setpoints.StreefTemp = 200"));
    back = ReadBack<TTestRoot>(&root);
    EXPECT_EQ(back->findChild<TTestWidget*>("W")->Setpoints()->VerwarmVerschil(), 30);
    EXPECT_EQ(back->findChild<TTestWidget*>("W")->Setpoints()->StreefTemp(), 200);
}

TEST_F(StreamRoundTripTest, AFormWithTheStandardControls)
{
    TForm form;
    form.setObjectName("MainForm");
    form.SetCaption("DEMO QUIL COMPUTER");
    form.SetBorderStyle(bsToolWindow);
    form.SetBorderIcons({});
    form.SetClientWidth(507);
    form.SetClientHeight(561);
    form.Font()->SetHeight(-11);
    auto* top = new TPanel(&form);
    top->setObjectName("TopPanel");
    top->SetBounds(0, 0, 507, 73);
    top->SetAlign(alTop);
    auto* button = new TSpeedButton(top);
    button->setObjectName("CloseButton");
    button->SetBounds(392, 8, 55, 55);
    button->SetCaption("CLOSE");
    button->SetFlat(true);
    button->SetLayout(blGlyphTop);
    button->Font()->SetStyle(fsBold);
    auto* panel = new TPanel(&form);
    panel->setObjectName("LCDPanel");
    panel->SetBevelOuter(bvNone);
    panel->SetColor(clGreen);
    auto* group = new TGroupBox(&form);
    group->setObjectName("GroupBox1");
    group->SetCaption("Options");
    auto* image = new TImage(group);
    image->setObjectName("MaxAlarmOn");
    image->SetTransparent(true);
    image->SetStretch(true);
    image->SetVisible(false);
    auto* label = new TLabel(group);
    label->setObjectName("Label1");
    label->SetCaption("Label");
    auto* timer = new TTimer(&form);
    timer->setObjectName("ButtonTimer");
    timer->SetEnabled(false);
    timer->SetInterval(5000);

    auto back = ReadBack<TForm>(&form);
    EXPECT_EQ(back->Caption(), "DEMO QUIL COMPUTER");
    EXPECT_EQ(back->BorderStyle(), bsToolWindow);
    EXPECT_EQ(back->BorderIcons(), TBorderIcons());
    EXPECT_EQ(back->ClientWidth(), 507);
    EXPECT_EQ(back->ClientHeight(), 561);
    auto* b = back->FindChild<TSpeedButton>("CloseButton");
    EXPECT_EQ(b->parent(), back->FindChild<TPanel>("TopPanel"));
    EXPECT_EQ(b->Caption(), "CLOSE");
    EXPECT_TRUE(b->Flat());
    EXPECT_EQ(b->Layout(), blGlyphTop);
    EXPECT_EQ(b->Font()->Style(), TFontStyles(fsBold));
    EXPECT_EQ(back->FindChild<TPanel>("TopPanel")->Align(), alTop);
    EXPECT_EQ(back->FindChild<TPanel>("LCDPanel")->BevelOuter(), bvNone);
    EXPECT_EQ(back->FindChild<TPanel>("LCDPanel")->Color(), clGreen);
    EXPECT_EQ(back->FindChild<TGroupBox>("GroupBox1")->Caption(), "Options");
    EXPECT_TRUE(back->FindChild<TImage>("MaxAlarmOn")->Transparent());
    EXPECT_FALSE(back->FindChild<TImage>("MaxAlarmOn")->Visible());
    EXPECT_EQ(back->FindChild<TLabel>("Label1")->Caption(), "Label");
    EXPECT_FALSE(back->FindChild<TTimer>("ButtonTimer")->Enabled());
    EXPECT_EQ(back->FindChild<TTimer>("ButtonTimer")->Interval(), 5000);
    EXPECT_EQ(TStreamWriter::Write(back.get()), TStreamWriter::Write(&form));
}

} // namespace
