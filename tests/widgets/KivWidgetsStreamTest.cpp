// The fader, the analog meter and the spin button in window descriptions:
// fresh controls write none of their own properties, and changed values
// (the fader's label font, the meter's limits around its position, the spin
// button's companion) read back as they were written.

#include "widgets/AnalogMeter.h"
#include "widgets/GFader.h"
#include "widgets/KivSpinButton.h"
#include "widgets/RegisterWidgets.h"

#include "framework/ComponentRegistry.h"
#include "framework/StreamReader.h"
#include "framework/StreamWriter.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

void RegisterOnce()
{
    static const bool done = [] {
        RegisterWidgetsComponents();
        RegisterComponents(QStringLiteral("Kiv widget tests"), {TComponentClass::Of<TCustomControl>()});
        return true;
    }();
    Q_UNUSED(done);
}

} // namespace

TEST(KivWidgetsStream, FreshControlsWriteOnlyWhatTheirConstructorsSet)
{
    RegisterOnce();
    TCustomControl form;
    form.setObjectName("Form");
    (new TGFader(&form))->setObjectName("Fader1");
    (new TAnalogMeter(&form))->setObjectName("Meter1");
    (new TKivSpinButton(&form))->setObjectName("Spin1");
    const QString text = TStreamWriter::Write(&form);
    for (const char* own : {"MarkType", "NumMarks", "LabelsFont", "LabelMax", "Value", "MidValue", "ValueDecimals",
                            "ForeColor", "MaxPosition", "MinorTickWidth", "UpGlyph", "FocusControl", "TimeBtnState"})
        EXPECT_FALSE(text.contains(QLatin1String(own) + QLatin1String(" = "))) << own;
    EXPECT_TRUE(text.contains("ParentCtl3D = False")) << "the fader's constructor differs from the declared default";
}

TEST(KivWidgetsStream, ChangedValuesReadBack)
{
    RegisterOnce();
    TCustomControl form;
    form.setObjectName("Form");
    auto* fader = new TGFader(&form);
    fader->setObjectName("Fader1");
    fader->SetFaderKind(TGFader::fkVertical);
    fader->SetMarkType(TGFader::mtStepRamp);
    fader->SetShortMarksLen(1);
    fader->SetLongMarksLen(1);
    fader->LabelsFont()->SetColor(clRed);
    fader->SetMax(500);
    fader->SetValue(320);
    auto* meter = new TAnalogMeter(&form);
    meter->setObjectName("Meter1");
    meter->SetMaxPosition(400);
    meter->SetMinPosition(-50);
    meter->SetPosition(350);
    meter->SetUnitValue(QStringLiteral("kg"));
    auto* spin = new TKivSpinButton(&form);
    spin->setObjectName("Spin1");
    spin->SetFocusControl(fader);

    const QString text = TStreamWriter::Write(&form);
    std::unique_ptr<QObject> root(TStreamReader::Read(text, QStringLiteral("kiv")));
    auto* f = root->findChild<TGFader*>("Fader1");
    auto* m = root->findChild<TAnalogMeter*>("Meter1");
    auto* s = root->findChild<TKivSpinButton*>("Spin1");
    ASSERT_TRUE(f && m && s);
    EXPECT_EQ(f->FaderKind(), TGFader::fkVertical);
    EXPECT_EQ(f->LongMarksLen(), 1);
    EXPECT_EQ(f->ShortMarksLen(), 1) << "both lengths survive their reading order";
    EXPECT_EQ(f->LabelsFont()->Color(), clRed);
    EXPECT_EQ(f->Value(), 320);
    EXPECT_EQ(m->Position(), 350) << "not clamped to the default MaxPosition while reading";
    EXPECT_EQ(m->MinPosition(), -50);
    EXPECT_EQ(m->UnitValue(), "kg");
    EXPECT_EQ(s->FocusControl(), f);
    EXPECT_EQ(TStreamWriter::Write(root.get()), text);
}
