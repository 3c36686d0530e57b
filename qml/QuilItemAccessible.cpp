#include "qml/QuilItemAccessible.h"

#include "framework/AccessibleControl.h"
#include "qml/QuilItem.h"

#include <QAccessible>
#include <QMetaType>
#include <QtQml/qqml.h>

namespace {

// Qt Quick's Accessible attached type, found by its registered name (it has
// no public header).
const QMetaObject* AccessibleAttachedType()
{
    static const QMetaObject* const meta = QMetaType::fromName("QQuickAccessibleAttached*").metaObject();
    return meta;
}

} // namespace

QuilItemAccessible::QuilItemAccessible(QuilItem* item, TAccessibleControl* control)
    : QObject(item), control_(control)
{
    const QMetaObject* type = AccessibleAttachedType();
    if (!control_ || !type)
        return;
    attached_ = qmlAttachedPropertiesObject(item, qmlAttachedPropertiesFunction(item, type), true);
    if (!attached_)
        return;
    attached_->setProperty("role", QVariant::fromValue(control_->AccessibleRole()));
    connect(attached_, SIGNAL(pressAction()), this, SLOT(Press()));
    connect(attached_, SIGNAL(increaseAction()), this, SLOT(Increase()));
    connect(attached_, SIGNAL(decreaseAction()), this, SLOT(Decrease()));
    connect(attached_, SIGNAL(toggleAction()), this, SLOT(Toggle()));
    Update();
}

void QuilItemAccessible::Update()
{
    if (!attached_)
        return;
    Write("name", control_->AccessibleName(), name_);
    QString shown;
    if (control_->HasAccessibleText())
        shown = control_->AccessibleText();
    else if (control_->HasAccessibleValue())
        shown = QString::number(control_->AccessibleValue());
    Write("description", shown, description_);
}

// A value QML gave the attached property itself is not overwritten.
void QuilItemAccessible::Write(const char* property, const QString& value, QString& last)
{
    const QString now = attached_->property(property).toString();
    if (now != last || value == last)
        return;
    attached_->setProperty(property, value);
    last = value;
}

// A component without the standard action does its first (the rocker's
// upper half for a press).
void QuilItemAccessible::Do(const QString& action)
{
    const QStringList actions = control_->AccessibleActions();
    if (actions.contains(action))
        control_->DoAccessibleAction(action);
    else if (action == QAccessibleActionInterface::pressAction() && !actions.isEmpty())
        control_->DoAccessibleAction(actions.first());
    else
        return;
    static_cast<QuilItem*>(parent())->AfterAccessibleAction();
}

void QuilItemAccessible::Press() { Do(QAccessibleActionInterface::pressAction()); }
void QuilItemAccessible::Increase() { Do(QAccessibleActionInterface::increaseAction()); }
void QuilItemAccessible::Decrease() { Do(QAccessibleActionInterface::decreaseAction()); }
void QuilItemAccessible::Toggle() { Do(QAccessibleActionInterface::toggleAction()); }
