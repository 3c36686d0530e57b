#include "framework/AccessibleControl.h"

#include "framework/ControlAccessible.h"

#include <QWidget>

namespace {

QAccessibleInterface* Factory(const QString&, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (auto* control = dynamic_cast<TAccessibleControl*>(object); control && widget)
        return new TControlAccessible(widget, control);
    return nullptr;
}

} // namespace

TAccessibleControl::~TAccessibleControl()
{
    if (face_)
        face_->Detach();
}

void TAccessibleControl::InstallAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(Factory);
        return true;
    }();
    Q_UNUSED(installed);
}

void TAccessibleControl::NotifyChanged(QWidget* control)
{
    if (!QAccessible::isActive() || !dynamic_cast<TAccessibleControl*>(control))
        return;
    if (auto* face = dynamic_cast<TControlAccessible*>(QAccessible::queryAccessibleInterface(control)))
        face->ReportChanges();
}
