#include "widgets/LCD99Accessible.h"

#include "widgets/LCD99.h"

namespace {

QAccessibleInterface* Factory(const QString& key, QObject* object)
{
    if (key == QLatin1String("TLCD99"))
        if (auto* display = qobject_cast<TLCD99*>(object))
            return new TLCD99Accessible(display);
    return nullptr;
}

} // namespace

TLCD99Accessible::TLCD99Accessible(TLCD99* display) : QAccessibleWidget(display, QAccessible::StaticText) {}

void TLCD99Accessible::Install()
{
    static const bool installed = [] {
        QAccessible::installFactory(Factory);
        return true;
    }();
    Q_UNUSED(installed);
}

void TLCD99Accessible::ValueChanged(TLCD99* display)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleValueChangeEvent event(display, display->Value());
    QAccessible::updateAccessibility(&event);
}

TLCD99* TLCD99Accessible::Display() const { return static_cast<TLCD99*>(widget()); }

QString TLCD99Accessible::text(QAccessible::Text t) const
{
    switch (t) {
    case QAccessible::Name:
        if (!Display()->accessibleName().isEmpty())
            return Display()->accessibleName();
        return Display()->objectName().isEmpty() ? QStringLiteral("Seven-segment display") : Display()->objectName();
    case QAccessible::Value: return Display()->Value();
    default: return QAccessibleWidget::text(t);
    }
}

QAccessible::State TLCD99Accessible::state() const
{
    QAccessible::State s = QAccessibleWidget::state();
    s.readOnly = true;
    return s;
}
