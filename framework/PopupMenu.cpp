#include "framework/PopupMenu.h"

#include "framework/Application.h"

#include <QMenu>

TPopupMenu::TPopupMenu(QObject* parent) : QObject(parent) {}

TPopupMenu::~TPopupMenu() = default;

void TPopupMenu::SetAutoPopup(bool value)
{
    if (value == autoPopup_)
        return;
    autoPopup_ = value;
    emit AutoPopupChanged();
}

QList<TMenuItem*> TPopupMenu::Items() const { return findChildren<TMenuItem*>(Qt::FindDirectChildrenOnly); }

void TPopupMenu::Popup(int X, int Y)
{
    emit OnPopup(this);
    if (!menu_)
        menu_ = std::make_unique<QMenu>();
    menu_->close();
    menu_->clear();
    Fill(*menu_, Items());
    menu_->popup(QPoint(X, Y));
}

QMenu* TPopupMenu::Shown() const { return menu_ && menu_->isVisible() ? menu_.get() : nullptr; }

void TPopupMenu::Fill(QMenu& menu, const QList<TMenuItem*>& items)
{
    for (TMenuItem* item : items) {
        if (!item->Visible())
            continue;
        if (item->IsLine()) {
            menu.addSeparator();
            continue;
        }
        const QList<TMenuItem*> below = item->Items();
        if (!below.isEmpty()) {
            QMenu* sub = menu.addMenu(item->Caption());
            sub->setEnabled(item->Enabled());
            Fill(*sub, below);
            continue;
        }
        QAction* action = menu.addAction(item->Caption());
        action->setEnabled(item->Enabled());
        action->setCheckable(item->Checked());
        action->setChecked(item->Checked());
        // The item may be gone by the time the user chooses (a handler freed it).
        QPointer<TMenuItem> guarded(item);
        connect(action, &QAction::triggered, item, [guarded] {
            try {
                if (guarded)
                    guarded->Click();
            } catch (const std::exception& e) {
                TApplication::HandleException(e);
            }
        });
    }
}
