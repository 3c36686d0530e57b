#include "framework/ControlAccessible.h"

#include "framework/AccessibleControl.h"

#include <QWidget>

#include <algorithm>

TControlAccessible::TControlAccessible(QWidget* widget, TAccessibleControl* control)
    : QAccessibleWidget(widget, control->AccessibleRole()), control_(control)
{
    control_->face_ = this;
    reportedText_ = control_->AccessibleText();
    reportedValue_ = control_->AccessibleValue();
    reportedState_ = state();
}

TControlAccessible::~TControlAccessible()
{
    if (control_)
        control_->face_ = nullptr;
}

void* TControlAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (control_ && type == QAccessible::ValueInterface && control_->HasAccessibleValue())
        return static_cast<QAccessibleValueInterface*>(this);
    if (control_ && type == QAccessible::TextInterface && control_->HasAccessibleText())
        return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

// Asked each time: a control may change what it is (a picture that gains a click handler).
QAccessible::Role TControlAccessible::role() const
{
    return control_ ? control_->AccessibleRole() : QAccessibleWidget::role();
}

QString TControlAccessible::text(QAccessible::Text t) const
{
    if (!control_)
        return QAccessibleWidget::text(t);
    switch (t) {
    case QAccessible::Name:
        return widget()->accessibleName().isEmpty() ? control_->AccessibleName() : widget()->accessibleName();
    case QAccessible::Value:
        if (control_->HasAccessibleValue())
            return QString::number(control_->AccessibleValue());
        return control_->AccessibleText();
    default: return QAccessibleWidget::text(t);
    }
}

QAccessible::State TControlAccessible::state() const
{
    QAccessible::State s = QAccessibleWidget::state();
    if (!control_)
        return s;
    const QAccessible::State own = control_->AccessibleState();
    s.pressed = s.pressed || own.pressed;
    s.checkable = s.checkable || own.checkable;
    s.checked = s.checked || own.checked;
    s.readOnly = s.readOnly || own.readOnly;
    s.animated = s.animated || own.animated;
    // A control that another toolkit shows (a Qt Quick item draws its
    // picture) is a window never mapped: the item speaks for it.
    s.invisible = s.invisible || widget()->window()->testAttribute(Qt::WA_DontShowOnScreen);
    return s;
}

QVariant TControlAccessible::currentValue() const { return control_ ? control_->AccessibleValue() : 0; }

void TControlAccessible::setCurrentValue(const QVariant& value)
{
    bool ok = false;
    // AT-SPI sends doubles; the controls hold integers.
    const double v = value.toDouble(&ok);
    if (ok && control_)
        control_->SetAccessibleValue(qRound(v));
}

QVariant TControlAccessible::maximumValue() const { return control_ ? control_->AccessibleMaximum() : 0; }
QVariant TControlAccessible::minimumValue() const { return control_ ? control_->AccessibleMinimum() : 0; }

QString TControlAccessible::text(int startOffset, int endOffset) const
{
    const QString all = control_ ? control_->AccessibleText() : QString();
    const int start = std::clamp(startOffset, 0, int(all.size()));
    const int end = endOffset < 0 ? int(all.size()) : std::clamp(endOffset, start, int(all.size()));
    return all.mid(start, end - start);
}

int TControlAccessible::characterCount() const { return control_ ? int(control_->AccessibleText().size()) : 0; }

void TControlAccessible::selection(int, int* startOffset, int* endOffset) const
{
    *startOffset = 0;
    *endOffset = 0;
}

QString TControlAccessible::attributes(int offset, int* startOffset, int* endOffset) const
{
    *startOffset = offset;
    *endOffset = offset;
    return {};
}

QStringList TControlAccessible::actionNames() const
{
    const QStringList own = control_ ? control_->AccessibleActions() : QStringList();
    return own + QAccessibleWidget::actionNames();
}

void TControlAccessible::doAction(const QString& actionName)
{
    if (control_ && control_->AccessibleActions().contains(actionName))
        control_->DoAccessibleAction(actionName);
    else
        QAccessibleWidget::doAction(actionName);
}

void TControlAccessible::ReportChanges()
{
    if (!control_)
        return;
    QWidget* w = widget();
    if (control_->HasAccessibleValue()) {
        const int value = control_->AccessibleValue();
        if (value != reportedValue_) {
            reportedValue_ = value;
            QAccessibleValueChangeEvent event(w, value);
            QAccessible::updateAccessibility(&event);
        }
    }
    if (control_->HasAccessibleText()) {
        const QString text = control_->AccessibleText();
        if (text != reportedText_) {
            QAccessibleTextUpdateEvent event(w, 0, reportedText_, text);
            reportedText_ = text;
            QAccessible::updateAccessibility(&event);
        }
    }
    const QAccessible::State now = state();
    QAccessible::State changed;
    changed.pressed = now.pressed != reportedState_.pressed;
    changed.checked = now.checked != reportedState_.checked;
    changed.animated = now.animated != reportedState_.animated;
    reportedState_ = now;
    if (changed.pressed || changed.checked || changed.animated) {
        QAccessibleStateChangeEvent event(w, changed);
        QAccessible::updateAccessibility(&event);
    }
}
