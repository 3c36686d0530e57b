#pragma once
// The accessibility interface of the Vr image controls: a screen reader reads
// the control's name and its current value or state as text.

#include <QAccessibleWidget>

class TVrGraphicImageControl;

class TVrImageControlAccessible : public QAccessibleWidget {
public:
    explicit TVrImageControlAccessible(TVrGraphicImageControl* control);

    QString text(QAccessible::Text t) const override;

    // Makes Qt build this interface for every image control; safe to call often.
    static void InstallFactory();

private:
    TVrGraphicImageControl* Control() const;
};
