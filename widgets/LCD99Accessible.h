#pragma once
// What a screen reader learns about a TLCD99: a read-only display with a name
// and, as its value, the text it shows.

#include <QAccessibleWidget>

class TLCD99;

class TLCD99Accessible : public QAccessibleWidget {
public:
    explicit TLCD99Accessible(TLCD99* display);

    // Registers the interface factory with Qt once per program.
    static void Install();
    // Tells assistive technology that the shown text changed.
    static void ValueChanged(TLCD99* display);

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;

private:
    TLCD99* Display() const;
};
