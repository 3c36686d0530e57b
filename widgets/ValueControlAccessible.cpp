#include "widgets/ValueControlAccessible.h"

#include "widgets/AccessibleValueControl.h"

#include <QWidget>

TValueControlAccessible::TValueControlAccessible(QWidget* widget, TAccessibleValueControl* control)
    : QAccessibleWidget(widget, control->AccessibleRole()), control_(control)
{
}

void* TValueControlAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::ValueInterface && control_->HasAccessibleValue())
        return static_cast<QAccessibleValueInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString TValueControlAccessible::text(QAccessible::Text t) const
{
    switch (t) {
    case QAccessible::Name:
        return widget()->accessibleName().isEmpty() ? control_->AccessibleName() : widget()->accessibleName();
    case QAccessible::Value: return control_->AccessibleValueText();
    default: return QAccessibleWidget::text(t);
    }
}

QAccessible::State TValueControlAccessible::state() const
{
    QAccessible::State s = QAccessibleWidget::state();
    const QAccessible::State own = control_->AccessibleState();
    s.pressed = s.pressed || own.pressed;
    s.readOnly = s.readOnly || own.readOnly;
    return s;
}

QVariant TValueControlAccessible::currentValue() const { return control_->AccessibleValue(); }

void TValueControlAccessible::setCurrentValue(const QVariant& value)
{
    bool ok = false;
    const int v = value.toInt(&ok);
    if (ok)
        control_->SetAccessibleValue(v);
}

QVariant TValueControlAccessible::maximumValue() const { return control_->AccessibleMaximum(); }
QVariant TValueControlAccessible::minimumValue() const { return control_->AccessibleMinimum(); }

QStringList TValueControlAccessible::actionNames() const
{
    return control_->AccessibleActions() + QAccessibleWidget::actionNames();
}

void TValueControlAccessible::doAction(const QString& actionName)
{
    if (control_->AccessibleActions().contains(actionName))
        control_->DoAccessibleAction(actionName);
    else
        QAccessibleWidget::doAction(actionName);
}
