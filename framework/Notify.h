#pragma once
// Observable properties. Every published property has a NOTIFY signal named
// <Name>Changed without arguments, raised on the GUI thread exactly when the
// value the property reads changed, whoever changed it (a setter, the user, a
// timer, a thread handing over), and never for an unchanged value. It is
// raised after the setter's own reaction (repaint, classic events) has run,
// so a handler already sees the component complete. Pointer properties of
// owned records (Font, Setpoints) are CONSTANT: the record's own properties
// notify.
//
// SetAndNotify is the setter of a stored field; TNotifyOnChange covers values
// that are computed rather than stored one to one (clamped ranges, drags,
// steps, geometry); TNotifiedValues covers records whose fields other objects
// write through references, which cannot tell anyone.

#include <QList>
#include <QObject>
#include <QThread>
#include <QVariant>
#include <exception>
#include <functional>
#include <utility>

// Stores value into field when they differ, runs reaction, then raises
// changed on owner. Returns whether the value changed.
template <class Owner, class Base, class T, class V, class Reaction>
bool SetAndNotify(Owner* owner, void (Base::*changed)(), T& field, V&& value, Reaction&& reaction)
{
    if (field == value)
        return false;
    field = std::forward<V>(value);
    std::forward<Reaction>(reaction)();
    (owner->*changed)();
    return true;
}

template <class Owner, class Base, class T, class V>
bool SetAndNotify(Owner* owner, void (Base::*changed)(), T& field, V&& value)
{
    return SetAndNotify(owner, changed, field, std::forward<V>(value), [] {});
}

// Raises changed on the owner's thread: at once there, else queued to it.
template <class Owner, class Base> void EmitOnOwnThread(Owner* owner, void (Base::*changed)())
{
    if (QThread::currentThread() == owner->thread())
        (owner->*changed)();
    else
        QMetaObject::invokeMethod(owner, changed, Qt::QueuedConnection);
}

// Reads a property when made and raises its signal when it is destroyed if
// the value then differs. A scope that throws raises nothing: a refused
// value leaves the component as it was.
template <class Owner, class Getter, class Signal> class TNotifyOnChange
{
public:
    TNotifyOnChange(Owner* owner, Getter getter, Signal changed)
        : owner_(owner)
        , getter_(getter)
        , changed_(changed)
        , old_(std::invoke(getter, owner))
        , exceptions_(std::uncaught_exceptions())
    {
    }
    TNotifyOnChange(const TNotifyOnChange&) = delete;
    TNotifyOnChange& operator=(const TNotifyOnChange&) = delete;
    ~TNotifyOnChange() noexcept(false)
    {
        if (std::uncaught_exceptions() == exceptions_ && !(std::invoke(getter_, owner_) == old_))
            std::invoke(changed_, owner_);
    }

private:
    Owner* owner_;
    Getter getter_;
    Signal changed_;
    std::decay_t<std::invoke_result_t<Getter, Owner*>> old_;
    int exceptions_;
};

// The last notified values of the notifying properties an object's own class
// declares, for objects whose fields are written in place or many at once:
// Notify() raises the signal of every such property that reads differently
// since the last call (or since Track).
class TNotifiedValues
{
public:
    void Track(const QObject* object);
    void Notify(QObject* object);

private:
    QList<QVariant> values_;
};
