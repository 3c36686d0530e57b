#include "widgets/VrImageControlAccessible.h"

#include "widgets/VrGraphicImageControl.h"

namespace {

QAccessibleInterface* CreateInterface(const QString&, QObject* object)
{
    if (auto* control = qobject_cast<TVrGraphicImageControl*>(object))
        return new TVrImageControlAccessible(control);
    return nullptr;
}

} // namespace

TVrImageControlAccessible::TVrImageControlAccessible(TVrGraphicImageControl* control)
    : QAccessibleWidget(control, control->AccessibleRole())
{
}

TVrGraphicImageControl* TVrImageControlAccessible::Control() const
{
    return static_cast<TVrGraphicImageControl*>(widget());
}

QString TVrImageControlAccessible::text(QAccessible::Text t) const
{
    switch (t) {
    case QAccessible::Name: return Control()->AccessibleNameText();
    case QAccessible::Value: return Control()->AccessibleValueText();
    default: return QAccessibleWidget::text(t);
    }
}

void TVrImageControlAccessible::InstallFactory()
{
    static const bool installed = [] {
        QAccessible::installFactory(&CreateInterface);
        return true;
    }();
    Q_UNUSED(installed);
}
