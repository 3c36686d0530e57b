#include "widgets/VrRockerAccessible.h"

#include "widgets/VrRocker.h"

namespace {

QAccessibleInterface* Factory(const QString& key, QObject* object)
{
    if (key == QLatin1String("TVrRocker"))
        if (auto* rocker = qobject_cast<TVrRocker*>(object))
            return new TVrRockerAccessible(rocker);
    return nullptr;
}

} // namespace

TVrRockerAccessible::TVrRockerAccessible(TVrRocker* rocker) : QAccessibleWidget(rocker, QAccessible::Button) {}

void TVrRockerAccessible::Install()
{
    static const bool installed = [] {
        QAccessible::installFactory(Factory);
        return true;
    }();
    Q_UNUSED(installed);
}

void TVrRockerAccessible::StateChanged(TVrRocker* rocker)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleValueChangeEvent event(rocker, rocker->AccessibleValueText());
    QAccessible::updateAccessibility(&event);
}

TVrRocker* TVrRockerAccessible::Rocker() const { return static_cast<TVrRocker*>(widget()); }

QString TVrRockerAccessible::text(QAccessible::Text t) const
{
    switch (t) {
    case QAccessible::Name: return Rocker()->AccessibleNameText();
    case QAccessible::Value: return Rocker()->AccessibleValueText();
    default: return QAccessibleWidget::text(t);
    }
}
