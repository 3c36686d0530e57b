#pragma once
// TAccessibleValueControl: what a control tells assistive technology about
// itself: its role, name, value text, and (where it holds one) an integer
// value with its range, plus the named actions it can perform (Qt's standard
// increase/decrease/press names). Controls implement it beside QWidget; one
// accessibility interface (TValueControlAccessible) serves them all.

#include <QAccessible>
#include <QString>
#include <QStringList>

class QWidget;

class TAccessibleValueControl {
public:
    virtual ~TAccessibleValueControl() = default;

    virtual QAccessible::Role AccessibleRole() const = 0;
    virtual QString AccessibleName() const = 0;
    virtual QString AccessibleValueText() const = 0;
    virtual QAccessible::State AccessibleState() const { return {}; }

    virtual bool HasAccessibleValue() const { return false; }
    virtual int AccessibleValue() const { return 0; }
    virtual int AccessibleMinimum() const { return 0; }
    virtual int AccessibleMaximum() const { return 0; }
    // False when the control does not take values from outside (a meter).
    virtual bool SetAccessibleValue(int) { return false; }

    virtual QStringList AccessibleActions() const { return {}; }
    virtual void DoAccessibleAction(const QString&) {}

    // Makes Qt build the shared interface for such controls; call from their constructors.
    static void InstallAccessibility();
    // Tells assistive technology that the value (or state) shown changed.
    static void NotifyValueChanged(QWidget* control);
};
