#include "framework/MenuItem.h"

TMenuItem::TMenuItem(QObject* parent) : QObject(parent) {}

void TMenuItem::SetCaption(const QString& value)
{
    if (value == caption_)
        return;
    caption_ = value;
    emit CaptionChanged();
}

void TMenuItem::SetChecked(bool value)
{
    if (value == checked_)
        return;
    checked_ = value;
    emit CheckedChanged();
}

void TMenuItem::SetEnabled(bool value)
{
    if (value == enabled_)
        return;
    enabled_ = value;
    emit EnabledChanged();
}

void TMenuItem::SetVisible(bool value)
{
    if (value == visible_)
        return;
    visible_ = value;
    emit VisibleChanged();
}

QList<TMenuItem*> TMenuItem::Items() const { return findChildren<TMenuItem*>(Qt::FindDirectChildrenOnly); }

void TMenuItem::Click() { emit OnClick(this); }
