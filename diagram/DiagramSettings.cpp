#include "diagram/DiagramSettings.h"

#include "diagram/MasterDiagram.h"

TDiagramSettings::TDiagramSettings(TMasterDiagram* owner) : QObject(owner), owner_(owner)
{
    setObjectName(QStringLiteral("DiagramSettings"));
    notified_.Track(this);
}

void TDiagramSettings::NotifyChanges()
{
    notified_.Notify(this);
}

template <class T>
void TDiagramSettings::Store(T& field, T value)
{
    if (field == value)
        return;
    field = value;
    if (owner_)
        owner_->Invalidate();
    NotifyChanges();
}

void TDiagramSettings::SetShowXValues(bool value) { Store(ShowXValues, value); }
void TDiagramSettings::SetShowYValues(bool value) { Store(ShowYValues, value); }
void TDiagramSettings::SetShowPointValues(bool value) { Store(ShowPointValues, value); }
void TDiagramSettings::SetShowGrid(bool value) { Store(ShowGrid, value); }
void TDiagramSettings::SetShowSymbols(bool value) { Store(ShowSymbols, value); }
void TDiagramSettings::SetMinXValue(int value) { Store(MinXValue, value); }
void TDiagramSettings::SetMaxXValue(int value) { Store(MaxXValue, value); }
void TDiagramSettings::SetMinYValue(int value) { Store(MinYValue, value); }
void TDiagramSettings::SetMaxYValue(int value) { Store(MaxYValue, value); }
void TDiagramSettings::SetXAxisDecimals(int value) { Store(XAxisDecimals, value); }
void TDiagramSettings::SetYAxisDecimals(int value) { Store(YAxisDecimals, value); }
