#pragma once
// The one accessibility interface of the controls that implement
// TAccessibleValueControl: name and value text, the value with its range
// where there is one, and the control's actions.

#include <QAccessibleValueInterface>
#include <QAccessibleWidget>

class TAccessibleValueControl;

class TValueControlAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    TValueControlAccessible(QWidget* widget, TAccessibleValueControl* control);

    void* interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant& value) override;
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override { return 1; }

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

private:
    TAccessibleValueControl* control_;
};
