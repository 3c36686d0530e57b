#pragma once
// Events bound by name, as window descriptions store them: "OnClick =
// CloseButtonClick" connects the component's OnClick signal to the root's
// slot CloseButtonClick. The binding is remembered (in a small child object of
// the component) so that the writer can store it again.

#include <QList>
#include <QMetaMethod>
#include <QObject>
#include <QString>
#include <optional>

class TStreamEvents : public QObject {
    Q_OBJECT
public:
    struct Binding {
        QString Event;
        QString Handler;
    };

    // The slot (or invokable method) of the root's class named handler that
    // can receive event: its parameters are a prefix of the event's. Otherwise
    // nullopt, and error says why.
    static std::optional<QMetaMethod> FindHandler(const QMetaObject* root, const QString& handler,
                                                  const QMetaMethod& event, QString& error);
    static bool Compatible(const QMetaMethod& event, const QMetaMethod& handler);

    // Connects component.event to root.handler, replacing an earlier binding of
    // the same event, and remembers it. Returns false with error when the
    // event or handler does not exist or does not fit.
    static bool Bind(QObject* component, const QString& event, QObject* root, const QString& handler, QString& error);
    static void Bind(QObject* component, const QMetaMethod& event, QObject* root, const QMetaMethod& handler);

    // The bindings still connected, in the order of the component's events.
    static QList<Binding> Bindings(const QObject* component);

private:
    explicit TStreamEvents(QObject* component);
    static TStreamEvents* Of(const QObject* component, bool create);

    struct Entry {
        int EventIndex;
        QString Handler;
        QMetaObject::Connection Connection;
    };
    QList<Entry> entries_;
};
