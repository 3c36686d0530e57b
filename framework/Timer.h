#pragma once
// TTimer: a message-driven timer with the classic semantics: changing the
// interval of an enabled timer restarts it; an interval of 0 stops it.

#include "framework/Notify.h"

#include <QObject>
#include <QTimer>

class TTimer : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled NOTIFY EnabledChanged)
    Q_PROPERTY(int Interval READ Interval WRITE SetInterval NOTIFY IntervalChanged)
    Q_PROPERTY(int Tag READ Tag WRITE SetTag NOTIFY TagChanged)
    Q_CLASSINFO("default:Enabled", "True")
    Q_CLASSINFO("default:Interval", "1000")
    Q_CLASSINFO("default:Tag", "0")

public:
    explicit TTimer(QObject* parent = nullptr);

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value);
    int Interval() const { return interval_; }
    void SetInterval(int ms);
    int Tag() const { return tag_; }
    void SetTag(int value) { SetAndNotify(this, &TTimer::TagChanged, tag_, value); }
    // True while the underlying timer is counting (enabled, interval > 0, handler assigned).
    bool Running() const { return timer_.isActive(); }

signals:
    // Property notifications (see framework/Notify.h).
    void EnabledChanged();
    void IntervalChanged();
    void TagChanged();
    void OnTimer(QObject* Sender);

protected:
    void connectNotify(const QMetaMethod& signal) override;

private:
    void Update();

    QTimer timer_;
    bool enabled_ = true;
    int interval_ = 1000;
    int tag_ = 0;
};
