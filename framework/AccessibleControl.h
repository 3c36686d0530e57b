#pragma once
// TAccessibleControl: what a control tells assistive technology about itself.
// Controls implement it beside QWidget; one factory (installed by every
// TControl) builds the one accessibility interface, TControlAccessible, for
// all of them.
//
// What reaches a screen reader is what Qt passes on to AT-SPI: the name,
// the role, the states (pressed, checked, read-only, animated), the value
// interface with its range, the text interface and the actions. A value
// interface always brings Increase and Decrease with it, so only controls
// whose value a user may set offer one; displays report what they show
// through the text interface instead.

#include <QAccessible>
#include <QString>
#include <QStringList>

class QWidget;
class TControlAccessible;

class TAccessibleControl {
public:
    TAccessibleControl() = default;
    TAccessibleControl(const TAccessibleControl&) = delete;
    TAccessibleControl& operator=(const TAccessibleControl&) = delete;
    // Detaches the interface: the widget outlives this part of the control
    // while it is destroyed, and Qt may still ask the interface about it.
    virtual ~TAccessibleControl();

    virtual QAccessible::Role AccessibleRole() const = 0;
    // The name when the host window gave the control none (accessibleName):
    // its caption, else what it is ("Thermometer"), never the component name.
    virtual QString AccessibleName() const = 0;
    virtual QAccessible::State AccessibleState() const { return {}; }

    // What the control shows, as words ("23.9", "Upper half down"), read
    // through the text interface where HasAccessibleText says so.
    virtual bool HasAccessibleText() const { return false; }
    virtual QString AccessibleText() const { return {}; }

    // An integer value a user may set, with its range.
    virtual bool HasAccessibleValue() const { return false; }
    virtual int AccessibleValue() const { return 0; }
    virtual int AccessibleMinimum() const { return 0; }
    virtual int AccessibleMaximum() const { return 0; }
    // Must raise the same events as the mouse or keyboard changing the value.
    virtual void SetAccessibleValue(int) {}

    // Qt's standard action names where they fit (press, increase, ...); each
    // must do what the matching mouse or keyboard input does.
    virtual QStringList AccessibleActions() const { return {}; }
    virtual void DoAccessibleAction(const QString&) {}

    // Makes Qt build TControlAccessible for such controls; safe to call often.
    static void InstallAccessibility();
    // Tells assistive technology that what the control shows (value, text or
    // state) may have changed; only real changes are reported.
    static void NotifyChanged(QWidget* control);

private:
    friend class TControlAccessible;
    TControlAccessible* face_ = nullptr;
};
