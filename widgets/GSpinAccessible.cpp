#include "widgets/GSpinAccessible.h"

#include "widgets/GSpin.h"

namespace {

QAccessibleInterface* Factory(const QString& key, QObject* object)
{
    if (key == QLatin1String("TGSpin"))
        if (auto* spin = qobject_cast<TGSpin*>(object))
            return new TGSpinAccessible(spin);
    return nullptr;
}

} // namespace

TGSpinAccessible::TGSpinAccessible(TGSpin* spin) : QAccessibleWidget(spin, QAccessible::SpinBox) {}

void TGSpinAccessible::Install()
{
    static const bool installed = [] {
        QAccessible::installFactory(Factory);
        return true;
    }();
    Q_UNUSED(installed);
}

void TGSpinAccessible::ValueChanged(TGSpin* spin)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleValueChangeEvent event(spin, spin->Value());
    QAccessible::updateAccessibility(&event);
}

TGSpin* TGSpinAccessible::Spin() const { return static_cast<TGSpin*>(widget()); }

void* TGSpinAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::ValueInterface)
        return static_cast<QAccessibleValueInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString TGSpinAccessible::text(QAccessible::Text t) const
{
    switch (t) {
    case QAccessible::Name:
        if (!Spin()->accessibleName().isEmpty())
            return Spin()->accessibleName();
        return Spin()->objectName().isEmpty() ? QStringLiteral("Spin control") : Spin()->objectName();
    case QAccessible::Value: return QString::number(Spin()->Value());
    default: return QAccessibleWidget::text(t);
    }
}

QVariant TGSpinAccessible::currentValue() const { return Spin()->Value(); }

void TGSpinAccessible::setCurrentValue(const QVariant& value)
{
    bool ok = false;
    const int v = value.toInt(&ok);
    if (ok)
        Spin()->SetValue(v);
}

QVariant TGSpinAccessible::maximumValue() const { return Spin()->Max(); }
QVariant TGSpinAccessible::minimumValue() const { return Spin()->Min(); }
QVariant TGSpinAccessible::minimumStepSize() const { return 1; }
