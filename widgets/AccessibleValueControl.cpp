#include "widgets/AccessibleValueControl.h"

#include "widgets/ValueControlAccessible.h"

#include <QWidget>

namespace {

QAccessibleInterface* Factory(const QString&, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (auto* control = dynamic_cast<TAccessibleValueControl*>(object); control && widget)
        return new TValueControlAccessible(widget, control);
    return nullptr;
}

} // namespace

void TAccessibleValueControl::InstallAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(Factory);
        return true;
    }();
    Q_UNUSED(installed);
}

void TAccessibleValueControl::NotifyValueChanged(QWidget* widget)
{
    if (!QAccessible::isActive())
        return;
    auto* control = dynamic_cast<TAccessibleValueControl*>(widget);
    if (!control)
        return;
    if (control->HasAccessibleValue()) {
        QAccessibleValueChangeEvent event(widget, control->AccessibleValue());
        QAccessible::updateAccessibility(&event);
    } else {
        QAccessibleEvent event(widget, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
}

