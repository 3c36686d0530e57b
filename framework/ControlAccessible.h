#pragma once
// TControlAccessible: the one accessibility interface of every control that
// implements TAccessibleControl. It offers the value interface and the text
// interface only where the control has a value or a text, and remembers what
// it last reported, so that a change raises exactly the events a screen
// reader listens for (value changed, text changed, state changed).

#include <QAccessibleWidget>

class TAccessibleControl;

class TControlAccessible : public QAccessibleWidget,
                           public QAccessibleValueInterface,
                           public QAccessibleTextInterface {
public:
    TControlAccessible(QWidget* widget, TAccessibleControl* control);
    ~TControlAccessible() override;

    void* interface_cast(QAccessible::InterfaceType type) override;
    QAccessible::Role role() const override;
    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;

    // Value interface.
    QVariant currentValue() const override;
    void setCurrentValue(const QVariant& value) override;
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override { return 1; }

    // Text interface: the shown text, read-only, without selection or caret.
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    void selection(int, int* startOffset, int* endOffset) const override;
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

    // Actions: the control's own, then QAccessibleWidget's (focus).
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

    // Raises the events for whatever changed since the last report.
    void ReportChanges();
    // The control is being destroyed: from now on only the widget answers.
    void Detach() { control_ = nullptr; }

private:
    TAccessibleControl* control_;
    QString reportedText_;
    int reportedValue_ = 0;
    QAccessible::State reportedState_;
};
