// The spin control and the seven-segment display in window descriptions:
// only values that differ from the declared defaults are written, and the
// demo's stored values read back with their events connected.

#include "widgets/GSpin.h"
#include "widgets/LCD99.h"

#include "framework/ComponentRegistry.h"
#include "framework/StreamEvents.h"
#include "framework/StreamReader.h"
#include "framework/StreamWriter.h"

#include <gtest/gtest.h>
#include <memory>

// A bare window standing in for the main form, with the demo's spin handlers.
class TSpinLcdHost : public TControl {
    Q_OBJECT
public:
    explicit TSpinLcdHost(QWidget* parent = nullptr) : TControl(parent) {}
    int upClicks = 0;
    int downClicks = 0;

public slots:
    void GSpin1UpClick(QObject*) { ++upClicks; }
    void GSpin1DownClick(QObject*) { ++downClicks; }
};

namespace {

void RegisterOnce()
{
    static const bool done = [] {
        RegisterComponents(QStringLiteral("Spin and display tests"),
                           {TComponentClass::Of<TSpinLcdHost>(), TComponentClass::Of<TGSpin>(),
                            TComponentClass::Of<TLCD99>()});
        return true;
    }();
    Q_UNUSED(done);
}

// The lines written for one object, without the nested objects.
QStringList PropertyLines(const QString& text, const QString& objectName)
{
    QStringList lines;
    bool inside = false;
    for (const QString& raw : text.split(QLatin1Char('\n'))) {
        const QString line = raw.trimmed();
        if (line.startsWith(QStringLiteral("object ")))
            inside = line.startsWith(QStringLiteral("object ") + objectName + QLatin1Char(':'));
        else if (inside && line == QStringLiteral("end"))
            inside = false;
        else if (inside)
            lines << line;
    }
    return lines;
}

QStringList Names(const QStringList& lines)
{
    QStringList names;
    for (const QString& l : lines)
        names << l.section(QStringLiteral(" = "), 0, 0);
    return names;
}

struct DemoForm {
    TSpinLcdHost form;
    TGSpin* spin = new TGSpin(&form);
    TLCD99* lcd = new TLCD99(&form);
    DemoForm()
    {
        form.setObjectName("MainForm");
        spin->setObjectName("GSpin1");
        spin->SetBounds(296, 40, 65, 100);
        spin->SetSpeed(10);
        spin->SetMax(500);
        spin->SetValue(100);
        QString error;
        EXPECT_TRUE(TStreamEvents::Bind(spin, "OnUpClick", &form, "GSpin1UpClick", error)) << error.toStdString();
        EXPECT_TRUE(TStreamEvents::Bind(spin, "OnDownClick", &form, "GSpin1DownClick", error)) << error.toStdString();
        lcd->setObjectName("LCD991");
        lcd->SetBounds(168, 48, 121, 84);
        lcd->SetDigitNum(3);
        lcd->SetSegmentSize(9);
        lcd->SetOnColor(clBlack);
        lcd->SetOffColor(clBtnFace);
        lcd->SetColor(clBtnFace);
        lcd->SetAnimation(TLCD99::anDown);
        lcd->SetValue("23.9");
    }
};

} // namespace

TEST(GSpinLCD99Stream, DemoSpinWritesWhatDiffersFromItsDefaults)
{
    RegisterOnce();
    DemoForm demo;
    const QStringList lines = PropertyLines(TStreamWriter::Write(&demo.form), "GSpin1");
    for (const char* line : {"Speed = 10", "Value = 100", "Max = 500", "TabStop = True", "ParentCtl3D = False",
                             "OnUpClick = GSpin1UpClick", "OnDownClick = GSpin1DownClick"})
        EXPECT_TRUE(lines.contains(QLatin1String(line))) << line;
    const QStringList names = Names(lines);
    for (const char* name : {"Delay", "Min", "Limited", "Ctl3D", "AutoDisable", "ColorOff", "ColorOn", "LargeChanges",
                             "LargeChange", "Enabled", "Visible", "OnChange"})
        EXPECT_FALSE(names.contains(QLatin1String(name))) << name;
}

TEST(GSpinLCD99Stream, DemoDisplayWritesWhatDiffersFromItsDefaults)
{
    RegisterOnce();
    DemoForm demo;
    const QStringList lines = PropertyLines(TStreamWriter::Write(&demo.form), "LCD991");
    for (const char* line : {"Animation = anDown", "Color = clBtnFace", "DigitNum = 3", "OffColor = clBtnFace",
                             "OnColor = clBlack", "SegmentSize = 9", "Value = '23.9'"})
        EXPECT_TRUE(lines.contains(QLatin1String(line))) << line;
    const QStringList names = Names(lines);
    for (const char* name : {"About", "AnimationDelay", "DigitSpacing", "DotDisplay", "DotSpacing", "DoubleBuffer",
                             "GapX", "GapY", "IsPainting", "PaintDuration", "Preview"})
        EXPECT_FALSE(names.contains(QLatin1String(name))) << name;
}

TEST(GSpinLCD99Stream, FreshControlsWriteNoPublishedPropertyOfTheirOwn)
{
    RegisterOnce();
    TSpinLcdHost form;
    form.setObjectName("Form");
    auto* lcd = new TLCD99(&form);
    lcd->setObjectName("Display");
    const QStringList names = Names(PropertyLines(TStreamWriter::Write(&form), "Display"));
    for (const char* own : {"About", "Animation", "AnimationDelay", "Color", "DigitNum", "DigitSpacing", "DotDisplay",
                            "DotSpacing", "DoubleBuffer", "GapX", "GapY", "OffColor", "OnColor", "Preview",
                            "SegmentSize", "Value"})
        EXPECT_FALSE(names.contains(QLatin1String(own))) << own << " equals its declared default";
}

TEST(GSpinLCD99Stream, DemoValuesReadBackWithTheirEvents)
{
    RegisterOnce();
    DemoForm demo;
    const QString text = TStreamWriter::Write(&demo.form);
    std::unique_ptr<QObject> root(TStreamReader::Read(text, QStringLiteral("demo")));
    auto* form = qobject_cast<TSpinLcdHost*>(root.get());
    ASSERT_NE(form, nullptr);
    auto* spin = form->findChild<TGSpin*>("GSpin1");
    auto* lcd = form->findChild<TLCD99*>("LCD991");
    ASSERT_NE(spin, nullptr);
    ASSERT_NE(lcd, nullptr);
    EXPECT_EQ(spin->Value(), 100);
    EXPECT_EQ(spin->Max(), 500);
    EXPECT_EQ(spin->Speed(), 10);
    EXPECT_EQ(spin->Delay(), 280);
    EXPECT_EQ(spin->Width(), 65);
    EXPECT_EQ(lcd->Value(), "23.9");
    EXPECT_EQ(lcd->DigitNum(), 3);
    EXPECT_EQ(lcd->Animation(), TLCD99::anDown);
    EXPECT_EQ(lcd->OffColor(), clBtnFace);
    spin->SetValue(spin->Value()); // no click event
    emit spin->OnUpClick(spin);
    emit spin->OnDownClick(spin);
    EXPECT_EQ(form->upClicks, 1);
    EXPECT_EQ(form->downClicks, 1);
    EXPECT_EQ(TStreamWriter::Write(form), text) << "written again unchanged";
}

TEST(GSpinLCD99Stream, StoredValueAboveTheDefaultMaxSurvivesReading)
{
    // Value is published (and so written) before Max: it must not be
    // clamped to the default Max of 100 before the stored Max arrives.
    RegisterOnce();
    DemoForm demo;
    demo.spin->SetValue(350);
    const QString text = TStreamWriter::Write(&demo.form);
    ASSERT_LT(text.indexOf("Value = 350"), text.indexOf("Max = 500"));
    std::unique_ptr<QObject> root(TStreamReader::Read(text, QStringLiteral("demo")));
    auto* spin = root->findChild<TGSpin*>("GSpin1");
    ASSERT_NE(spin, nullptr);
    EXPECT_EQ(spin->Value(), 350);
}

TEST(GSpinLCD99Stream, OutOfRangeStoredValueIsClampedOnceLoaded)
{
    RegisterOnce();
    const QString text = QStringLiteral("object MainForm: TSpinLcdHost\n"
                                        "  object GSpin1: TGSpin\n"
                                        "    Enabled = False\n"
                                        "    Value = 900\n"
                                        "    Max = 500\n"
                                        "  end\n"
                                        "end\n");
    std::unique_ptr<QObject> root(TStreamReader::Read(text, QStringLiteral("spin")));
    auto* spin = root->findChild<TGSpin*>("GSpin1");
    ASSERT_NE(spin, nullptr);
    EXPECT_EQ(spin->Value(), 500);
    EXPECT_FALSE(spin->Enabled());
}

#include "GSpinLCD99StreamTest.moc"
