// A popup menu placed in a window description, named by a control's
// PopupMenu property, shown at a right click or the context-menu key, its
// item's OnClick reaching the form's handler.

#include "widgets/LCD99.h"

#include "framework/ComponentRegistry.h"
#include "framework/PopupMenu.h"
#include "framework/StreamReader.h"
#include "framework/StreamWriter.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

class TPopupHost : public TControl {
    Q_OBJECT
public:
    explicit TPopupHost(QWidget* parent = nullptr) : TControl(parent) {}
    QList<QObject*> clicked;

public slots:
    void OpenItemClick(QObject* Sender) { clicked << Sender; }
};

namespace {

const QString kDescription = QStringLiteral(
    "object Host: TPopupHost\n"
    "  Width = 200\n"
    "  Height = 100\n"
    "  object Menu1: TPopupMenu\n"
    "    object OpenItem: TMenuItem\n"
    "      Caption = '&Open'\n"
    "      OnClick = OpenItemClick\n"
    "    end\n"
    "    object N1: TMenuItem\n"
    "      Caption = '-'\n"
    "    end\n"
    "    object ShownItem: TMenuItem\n"
    "      Caption = 'Shown'\n"
    "      Checked = True\n"
    "      Enabled = False\n"
    "    end\n"
    "  end\n"
    "  object LCD: TLCD99\n"
    "    PopupMenu = Menu1\n"
    "  end\n"
    "end\n");

// What the window system makes of a right press.
void RightClick(QWidget* w, QPoint at)
{
    QContextMenuEvent e(QContextMenuEvent::Mouse, at, w->mapToGlobal(at));
    QApplication::sendEvent(w, &e);
}

struct PopupForm : ::testing::Test {
    std::unique_ptr<TPopupHost> host;
    TLCD99* lcd = nullptr;
    TPopupMenu* menu = nullptr;

    void SetUp() override
    {
        RegisterComponents(QStringLiteral("Popup menu tests"),
                           {TComponentClass::Of<TPopupHost>(), TComponentClass::Of<TLCD99>()});
        host.reset(qobject_cast<TPopupHost*>(TStreamReader::Read(kDescription, QStringLiteral("popup.dfm"))));
        ASSERT_NE(host, nullptr);
        lcd = host->findChild<TLCD99*>(QStringLiteral("LCD"));
        menu = host->findChild<TPopupMenu*>(QStringLiteral("Menu1"));
        ASSERT_NE(lcd, nullptr);
        ASSERT_NE(menu, nullptr);
        host->show();
        lcd->show();
    }
    void TearDown() override
    {
        if (menu && menu->Shown())
            menu->Shown()->close();
    }
};

TEST_F(PopupForm, ARightClickShowsTheMenuAndAnItemReachesItsHandler)
{
    EXPECT_EQ(lcd->PopupMenu(), menu);
    EXPECT_EQ(menu->Shown(), nullptr);
    RightClick(lcd, QPoint(10, 10));
    QMenu* shown = menu->Shown();
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(menu->PopupComponent(), lcd);
    const QList<QAction*> actions = shown->actions();
    ASSERT_EQ(actions.size(), 3);
    EXPECT_EQ(actions[0]->text(), QStringLiteral("&Open"));
    EXPECT_TRUE(actions[1]->isSeparator());
    EXPECT_TRUE(actions[2]->isChecked());
    EXPECT_FALSE(actions[2]->isEnabled());
    actions[0]->trigger();
    ASSERT_EQ(host->clicked.size(), 1);
    EXPECT_EQ(host->clicked[0]->objectName(), QStringLiteral("OpenItem"));
}

TEST_F(PopupForm, TheMenuAndTheReferenceAreWrittenBackAndReadAgainToTheSameText)
{
    const QString written = TStreamWriter::Write(host.get());
    EXPECT_TRUE(written.contains(QStringLiteral("    PopupMenu = Menu1\n"))) << written.toStdString();
    EXPECT_TRUE(written.contains(QStringLiteral("      Caption = '&Open'\n      OnClick = OpenItemClick\n")));
    std::unique_ptr<QObject> again(TStreamReader::Read(written, QStringLiteral("again.dfm")));
    EXPECT_EQ(TStreamWriter::Write(again.get()), written);
}

TEST_F(PopupForm, TheKeyShowsItToo_AHandledContextPopupOrNoAutoPopupKeepsItAway)
{
    QContextMenuEvent key(QContextMenuEvent::Keyboard, QPoint(5, 5), lcd->mapToGlobal(QPoint(5, 5)));
    QPoint reported;
    bool handle = true;
    QObject::connect(lcd, &TControl::OnContextPopup, [&](QObject*, QPoint at, bool& handled) {
        reported = at;
        handled = handle;
    });
    QApplication::sendEvent(lcd, &key);
    EXPECT_EQ(reported, QPoint(-1, -1));
    EXPECT_EQ(menu->Shown(), nullptr);
    handle = false;
    QApplication::sendEvent(lcd, &key);
    ASSERT_NE(menu->Shown(), nullptr);
    menu->Shown()->close();
    menu->SetAutoPopup(false);
    RightClick(lcd, QPoint(10, 10));
    EXPECT_EQ(menu->Shown(), nullptr);
    EXPECT_EQ(reported, QPoint(10, 10));
    // A menu that goes away is no longer named.
    delete menu;
    menu = nullptr;
    EXPECT_EQ(lcd->PopupMenu(), nullptr);
}

} // namespace

#include "PopupMenuTest.moc"
