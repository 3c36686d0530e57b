#pragma once
// TAllSetpoints: the one setpoint record shared by every diagram of the
// process (TMasterDiagram::AllSetpoints, counted by the diagrams). It carries
// the last target temperature and alarm values set through any ventilation
// diagram, so a diagram created later starts with the target set on another.
// Its setters only store: nobody is repainted through it.

#include "framework/Notify.h"

#include <QObject>
#include <QPointer>

class TAllSetpoints : public QObject {
    Q_OBJECT
    Q_PROPERTY(int StreefTemp MEMBER StreefTemp WRITE SetStreefTemp NOTIFY StreefTempChanged)
    Q_CLASSINFO("default:StreefTemp", "185")
    Q_PROPERTY(int MinAlarm MEMBER MinAlarm WRITE SetMinAlarm NOTIFY MinAlarmChanged)
    Q_CLASSINFO("default:MinAlarm", "50")
    Q_PROPERTY(int MaxAlarm MEMBER MaxAlarm WRITE SetMaxAlarm NOTIFY MaxAlarmChanged)
    Q_CLASSINFO("default:MaxAlarm", "70")
    Q_PROPERTY(int AbsMaxAlarm MEMBER AbsMaxAlarm WRITE SetAbsMaxAlarm NOTIFY AbsMaxAlarmChanged)
    Q_CLASSINFO("default:AbsMaxAlarm", "120")

public:
    // The owner is the first diagram created; the record outlives it while
    // other diagrams still count it, so it is held weakly.
    explicit TAllSetpoints(QObject* owner);

    QObject* Owner() const { return owner_; }

    int StreefTemp = 185;
    int MinAlarm = 50;
    int MaxAlarm = 70;
    int AbsMaxAlarm = 120;

    void SetStreefTemp(int value) { SetAndNotify(this, &TAllSetpoints::StreefTempChanged, StreefTemp, value); }
    void SetMinAlarm(int value) { SetAndNotify(this, &TAllSetpoints::MinAlarmChanged, MinAlarm, value); }
    void SetMaxAlarm(int value) { SetAndNotify(this, &TAllSetpoints::MaxAlarmChanged, MaxAlarm, value); }
    void SetAbsMaxAlarm(int value) { SetAndNotify(this, &TAllSetpoints::AbsMaxAlarmChanged, AbsMaxAlarm, value); }

private:
    QPointer<QObject> owner_;

signals:
    // Property notifications (see framework/Notify.h).
    void StreefTempChanged();
    void MinAlarmChanged();
    void MaxAlarmChanged();
    void AbsMaxAlarmChanged();
};
