#pragma once
// What a screen reader learns about a TGSpin: a spin box with a name and its
// current value, which it can also set within Min..Max.

#include <QAccessibleWidget>

class TGSpin;

class TGSpinAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit TGSpinAccessible(TGSpin* spin);

    // Registers the interface factory with Qt once per program.
    static void Install();
    // Tells assistive technology that the spin's value changed.
    static void ValueChanged(TGSpin* spin);

    void* interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text t) const override;

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant& value) override;
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override;

private:
    TGSpin* Spin() const;
};
