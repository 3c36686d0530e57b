// Forms: loading their own description in the derived constructor, typed
// lookup of their controls, the create/show/close/destroy events and the
// window styles.

#include "framework/Form.h"
#include "framework/Panel.h"
#include "framework/SpeedButton.h"
#include "framework/StreamReader.h"

#include <QCloseEvent>
#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

QString WriteDescription(const QTemporaryDir& dir, const QString& text)
{
    const QString path = dir.filePath("form.dfm");
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(text.toUtf8());
    return path;
}

const char* kDescription = "object TestForm: TSampleForm\n"
                           "  Caption = 'Sample'\n"
                           "  ClientWidth = 300\n"
                           "  ClientHeight = 200\n"
                           "  BorderStyle = bsToolWindow\n"
                           "  BorderIcons = []\n"
                           "  OnCreate = FormCreate\n"
                           "  OnShow = FormShow\n"
                           "  OnDestroy = FormDestroy\n"
                           "  OnClose = FormClose\n"
                           "  object TopPanel: TPanel\n"
                           "    Height = 73\n"
                           "    Align = alTop\n"
                           "    object CloseButton: TSpeedButton\n"
                           "      Left = 240\n"
                           "      Caption = 'CLOSE'\n"
                           "      OnClick = CloseButtonClick\n"
                           "    end\n"
                           "  end\n"
                           "end\n";

// Records what its handlers saw; static so that destruction can be observed.
struct Journal {
    static inline QStringList events;
};

class TSampleForm : public TForm {
    Q_OBJECT
public:
    explicit TSampleForm(const QString& path, bool callDoDestroy = true) : TForm(nullptr), callDoDestroy_(callDoDestroy)
    {
        LoadFromResource(path);
        // Code after the load sees the controls.
        Button = FindChild<TSpeedButton>("CloseButton");
        Journal::events << "constructed";
    }
    ~TSampleForm() override
    {
        if (callDoDestroy_)
            DoDestroy();
        Journal::events << "derived gone";
    }
    TSpeedButton* Button = nullptr;
    TCloseAction closeAction = caHide;
    QString marker = "alive";

public slots:
    void FormCreate(QObject*) { Journal::events << "create, button " + QString(findChild<TSpeedButton*>() ? "there" : "missing"); }
    void FormShow(QObject*) { Journal::events << "show"; }
    void FormDestroy(QObject*) { Journal::events << "destroy while " + marker; }
    void FormClose(QObject*, TCloseAction& Action) { Action = closeAction; }
    void CloseButtonClick(QObject*) { Close(); }

private:
    bool callDoDestroy_;
};

class FormTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Journal::events.clear();
        path_ = WriteDescription(dir_, kDescription);
    }
    QTemporaryDir dir_;
    QString path_;
};

TEST_F(FormTest, LoadsItsDescriptionBeforeItsOwnConstructorCode)
{
    TSampleForm form(path_);
    EXPECT_EQ(form.objectName(), "TestForm");
    EXPECT_EQ(form.Caption(), "Sample");
    EXPECT_EQ(form.ClientWidth(), 300);
    EXPECT_EQ(form.ClientHeight(), 200);
    ASSERT_NE(form.Button, nullptr);
    EXPECT_EQ(form.Button->Caption(), "CLOSE");
    EXPECT_EQ(form.FindChild<TPanel>("TopPanel")->Width(), 300); // aligned to the top
    EXPECT_EQ(Journal::events, QStringList({"create, button there", "constructed"}));
    EXPECT_FALSE(form.isVisible());
}

TEST_F(FormTest, FindChildNamesWhatIsMissing)
{
    TSampleForm form(path_);
    try {
        form.FindChild<TPanel>("CloseButton"); // there, but no panel
        ADD_FAILURE() << "wrong class accepted";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message, "Form 'TestForm' has no TPanel named 'CloseButton'");
    }
    EXPECT_THROW(form.FindChild<TPanel>("Nothing"), Exception);
}

TEST_F(FormTest, AFaultyDescriptionFailsTheConstructionWithItsPath)
{
    const QString bad = WriteDescription(dir_, "object TestForm: TSampleForm\n  OnShow = NoSuchHandler\nend\n");
    try {
        TSampleForm form(bad);
        ADD_FAILURE() << "faulty description accepted";
    } catch (const EReadError& e) {
        EXPECT_TRUE(e.Message.startsWith(bad + "(2): ")) << e.Message.toStdString();
        EXPECT_TRUE(e.Message.contains("'NoSuchHandler'"));
    }
}

TEST_F(FormTest, OnDestroyReachesTheDerivedFormOnce)
{
    {
        TSampleForm form(path_);
        Journal::events.clear();
    }
    EXPECT_EQ(Journal::events, QStringList({"destroy while alive", "derived gone"}));
}

TEST_F(FormTest, WithoutDoDestroyTheDerivedHandlerIsNotCalledOnAGoneForm)
{
    int outside = 0;
    QObject listener;
    {
        TSampleForm form(path_, false);
        QObject::connect(&form, &TForm::OnDestroy, &listener, [&outside](QObject*) { ++outside; });
        Journal::events.clear();
    }
    EXPECT_EQ(Journal::events, QStringList({"derived gone"}));
    EXPECT_EQ(outside, 1);
}

TEST_F(FormTest, ControlEventsNoLongerReachAFormBeingDestroyed)
{
    auto form = std::make_unique<TSampleForm>(path_);
    TSpeedButton* button = form->Button;
    form->DoDestroy();
    QObject listener;
    int closes = 0;
    QObject::connect(form.get(), &TForm::OnClose, &listener, [&closes](QObject*, TForm::TCloseAction&) { ++closes; });
    form->show();
    emit button->OnClick(button); // CloseButtonClick is detached
    EXPECT_EQ(closes, 0);
    EXPECT_TRUE(form->isVisible());
}

TEST_F(FormTest, ShowAndCloseActions)
{
    TSampleForm form(path_);
    form.show();
    EXPECT_TRUE(Journal::events.contains("show"));
    form.closeAction = TForm::caNone;
    form.Close();
    EXPECT_TRUE(form.isVisible());
    form.closeAction = TForm::caHide;
    QTest::mouseClick(form.Button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(form.isVisible());
}

TEST_F(FormTest, CaFreeDeletesTheFormLater)
{
    auto* form = new TSampleForm(path_);
    QPointer<TSampleForm> alive(form);
    form->show();
    form->closeAction = TForm::caFree;
    form->Close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(alive.isNull());
}

TEST_F(FormTest, BorderStylesBecomeWindowFlags)
{
    TSampleForm form(path_);
    EXPECT_EQ(form.windowFlags() & Qt::WindowType_Mask, Qt::Tool);
    EXPECT_FALSE(form.windowFlags().testFlag(Qt::WindowSystemMenuHint));
    form.SetBorderStyle(bsNone);
    EXPECT_TRUE(form.windowFlags().testFlag(Qt::FramelessWindowHint));
    form.SetBorderStyle(bsSizeable);
    form.SetBorderIcons(TBorderIcons(biSystemMenu) | biMinimize);
    EXPECT_TRUE(form.windowFlags().testFlag(Qt::WindowSystemMenuHint));
    EXPECT_TRUE(form.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(form.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(form.isWindow());
}

TEST_F(FormTest, ScreenCentredOnFirstShow)
{
    TForm form;
    form.SetClientWidth(200);
    form.SetClientHeight(100);
    form.SetPosition(TForm::poScreenCenter);
    form.show();
    const QPoint centre = form.screen()->availableGeometry().center();
    EXPECT_NEAR(form.geometry().center().x(), centre.x(), 2);
    EXPECT_NEAR(form.geometry().center().y(), centre.y(), 2);
}

TEST_F(FormTest, AFormCannotBePlacedInsideAnotherComponent)
{
    try {
        std::unique_ptr<QObject> o(
            TStreamReader::Read("object P: TPanel\n  object F: TForm\n  end\nend\n", "nested.dfm"));
        ADD_FAILURE() << "nested form accepted";
    } catch (const EReadError& e) {
        EXPECT_TRUE(e.Message.startsWith("nested.dfm(2): ")) << e.Message.toStdString();
        EXPECT_TRUE(e.Message.contains("'F'"));
    }
}

} // namespace

#include "FormTest.moc"
