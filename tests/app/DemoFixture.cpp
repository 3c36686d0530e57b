#include "DemoFixture.h"

#include "app/Generalfunctions.h"
#include "diagram/LvdVentDiagram.h"
#include "framework/Image.h"
#include "framework/Registry.h"

#include <QCoreApplication>
#include <QTest>

void DemoFixture::SetUp()
{
    ASSERT_TRUE(config_.isValid());
    previousConfig_ = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config_.path()));
}

void DemoFixture::TearDown()
{
    CloseDemo();
    qputenv("XDG_CONFIG_HOME", previousConfig_);
}

void DemoFixture::StartDemo(bool shown)
{
    mainForm = std::make_unique<TMainForm>();
    graphForm = std::make_unique<TGraphForm>();
    if (shown) {
        mainForm->show();
        QCoreApplication::processEvents();
    }
}

void DemoFixture::CloseDemo()
{
    graphForm.reset();
    mainForm.reset();
}

bool DemoFixture::StoredExists(const QString& name) const { return RegistryValueExists(name); }

qint32 DemoFixture::StoredInteger(const QString& name) const
{
    TRegistry reg;
    EXPECT_TRUE(reg.OpenKey(SettingsKeyPath, false));
    return reg.ReadInteger(name);
}

bool DemoFixture::StoredIsInteger(const QString& name) const
{
    TRegistry reg;
    return reg.OpenKey(SettingsKeyPath, false) && reg.GetDataType(name) == TRegDataType::rdInteger;
}

void DemoFixture::StoreInteger(const QString& name, qint32 value) const
{
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(SettingsKeyPath, true));
    reg.WriteInteger(name, value);
}

void DemoFixture::StoreString(const QString& name, const QString& value) const
{
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(SettingsKeyPath, true));
    reg.WriteString(name, value);
}

void DemoFixture::Press(TImage* key) { QTest::mousePress(key, Qt::LeftButton, {}, QPoint(26, 26)); }

void DemoFixture::Release(TImage* key) { QTest::mouseRelease(key, Qt::LeftButton, {}, QPoint(26, 26)); }

void DemoFixture::PaintDiagram() const { mainForm->Diagram->PaintToImage(); }
