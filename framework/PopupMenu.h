#pragma once
// TPopupMenu: a non-visual component holding TMenuItems, shown as a QMenu
// where a control that names it in its PopupMenu property is right-clicked
// (or gets the context-menu key). Each showing is built from the items as
// they are then, so captions, checks and enabled states set in handlers
// (OnPopup included) are what the user sees.

#include "framework/MenuItem.h"

#include <QPointer>
#include <memory>

class QMenu;

class TPopupMenu : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool AutoPopup READ AutoPopup WRITE SetAutoPopup NOTIFY AutoPopupChanged)
    Q_CLASSINFO("default:AutoPopup", "True")

public:
    explicit TPopupMenu(QObject* parent = nullptr);
    ~TPopupMenu() override;

    // False: a right click does not show the menu; Popup still does.
    bool AutoPopup() const { return autoPopup_; }
    void SetAutoPopup(bool value);
    QList<TMenuItem*> Items() const;

    // Shows the menu at a screen point, raising OnPopup first. Returns at once;
    // the chosen item raises its OnClick when the user picks it.
    void Popup(int X, int Y);
    // The control whose right click showed the menu last (none before).
    QObject* PopupComponent() const { return popupComponent_; }
    void SetPopupComponent(QObject* component) { popupComponent_ = component; }
    // The menu on screen while it is shown, else null.
    QMenu* Shown() const;

signals:
    void AutoPopupChanged();
    void OnPopup(QObject* Sender);

private:
    void Fill(QMenu& menu, const QList<TMenuItem*>& items);

    std::unique_ptr<QMenu> menu_;
    QPointer<QObject> popupComponent_;
    bool autoPopup_ = true;
};
