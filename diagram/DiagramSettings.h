#pragma once
// TDiagramSettings: the display settings of every diagram, published as the
// nested record "DiagramSettings". The axis ranges are plain integers because
// points refer to them (a point at the left end of the X axis, the limits of a
// dragged point); every setter stores a changed value and repaints the owner.

#include "framework/Notify.h"

#include <QObject>

class TMasterDiagram;

class TDiagramSettings : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool ShowXValues MEMBER ShowXValues WRITE SetShowXValues NOTIFY ShowXValuesChanged)
    Q_CLASSINFO("default:ShowXValues", "True")
    Q_PROPERTY(bool ShowYValues MEMBER ShowYValues WRITE SetShowYValues NOTIFY ShowYValuesChanged)
    Q_CLASSINFO("default:ShowYValues", "True")
    Q_PROPERTY(bool ShowPointValues MEMBER ShowPointValues WRITE SetShowPointValues NOTIFY ShowPointValuesChanged)
    Q_CLASSINFO("default:ShowPointValues", "False")
    Q_PROPERTY(bool ShowGrid MEMBER ShowGrid WRITE SetShowGrid NOTIFY ShowGridChanged)
    Q_CLASSINFO("default:ShowGrid", "True")
    Q_PROPERTY(bool ShowSymbols MEMBER ShowSymbols WRITE SetShowSymbols NOTIFY ShowSymbolsChanged)
    Q_CLASSINFO("default:ShowSymbols", "False")
    Q_PROPERTY(int MinXValue MEMBER MinXValue WRITE SetMinXValue NOTIFY MinXValueChanged)
    Q_CLASSINFO("default:MinXValue", "0")
    Q_PROPERTY(int MaxXValue MEMBER MaxXValue WRITE SetMaxXValue NOTIFY MaxXValueChanged)
    Q_CLASSINFO("default:MaxXValue", "0")
    Q_PROPERTY(int MinYValue MEMBER MinYValue WRITE SetMinYValue NOTIFY MinYValueChanged)
    Q_CLASSINFO("default:MinYValue", "0")
    Q_PROPERTY(int MaxYValue MEMBER MaxYValue WRITE SetMaxYValue NOTIFY MaxYValueChanged)
    Q_CLASSINFO("default:MaxYValue", "0")
    Q_PROPERTY(int XAxisDecimals MEMBER XAxisDecimals WRITE SetXAxisDecimals NOTIFY XAxisDecimalsChanged)
    Q_CLASSINFO("default:XAxisDecimals", "1")
    Q_PROPERTY(int YAxisDecimals MEMBER YAxisDecimals WRITE SetYAxisDecimals NOTIFY YAxisDecimalsChanged)
    Q_CLASSINFO("default:YAxisDecimals", "0")

public:
    explicit TDiagramSettings(TMasterDiagram* owner);

    TMasterDiagram* Owner() const { return owner_; }

    bool ShowXValues = true;
    bool ShowYValues = true;
    bool ShowPointValues = false;
    bool ShowGrid = true;
    bool ShowSymbols = false;
    int MinXValue = 0;
    int MaxXValue = 500;
    int MinYValue = 0;
    int MaxYValue = 100;
    int XAxisDecimals = 1;
    int YAxisDecimals = 0;

    void SetShowXValues(bool value);
    void SetShowYValues(bool value);
    void SetShowPointValues(bool value);
    void SetShowGrid(bool value);
    void SetShowSymbols(bool value);
    void SetMinXValue(int value);
    void SetMaxXValue(int value);
    void SetMinYValue(int value);
    void SetMaxYValue(int value);
    void SetXAxisDecimals(int value);
    void SetYAxisDecimals(int value);

    // Raises the signals of the fields written in place since the last notification.
    void NotifyChanges();

private:
    template <class T>
    void Store(T& field, T value);

    TMasterDiagram* owner_;
    TNotifiedValues notified_;

signals:
    // Property notifications (see framework/Notify.h).
    void ShowXValuesChanged();
    void ShowYValuesChanged();
    void ShowPointValuesChanged();
    void ShowGridChanged();
    void ShowSymbolsChanged();
    void MinXValueChanged();
    void MaxXValueChanged();
    void MinYValueChanged();
    void MaxYValueChanged();
    void XAxisDecimalsChanged();
    void YAxisDecimalsChanged();
};
