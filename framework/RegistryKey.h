#pragma once
// TRegistryKey: an open key of a registry back end. The handle lives only as
// long as one TRegistry accessor has the key open; nothing stays open between
// operations.

#include "framework/RegistryValue.h"

#include <QStringList>
#include <optional>

class TRegistryKey {
public:
    virtual ~TRegistryKey() = default;

    // The value of that name, compared without regard to case.
    virtual std::optional<TRegistryValue> Value(const QString& name) const = 0;
    // Stores the value under its name. An existing value of the same name
    // (in any case) is replaced and keeps the case it was first written with.
    // False when the platform refused the write.
    virtual bool SetValue(const TRegistryValue& value) = 0;
    // Stores the values one after another as SetValue would, in one write of
    // the key: all of them reach the store, or (false) none.
    virtual bool SetValues(const QList<TRegistryValue>& values) = 0;
};
