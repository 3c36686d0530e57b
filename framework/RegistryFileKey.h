#pragma once
// TRegistryFileKey: a key kept in one text file (TRegistryTextFormat).
//
// Every write takes the lock of the key's folder, reads the file again, applies the
// change and saves the whole file atomically (a temporary file renamed over
// the old one). A program killed while saving therefore leaves the old or the
// new file, and programs writing at the same time each keep the other's
// values. A file that cannot be parsed is reported and never rewritten.
// The temporary file a killed save left behind is removed by the next save
// in that folder.

#include "framework/RegistryKey.h"

#include <QList>
#include <functional>

class TRegistryFileKey : public TRegistryKey {
public:
    TRegistryFileKey(const QString& filePath, const QString& keyPath);

    // Reads the file; an absent file is a key without values.
    // Throws ERegistryException when the file cannot be read or parsed.
    void Load();
    // Writes the file if it does not exist yet. False when that failed.
    bool Create();

    std::optional<TRegistryValue> Value(const QString& name) const override;
    bool SetValue(const TRegistryValue& value) override;
    bool SetValues(const QList<TRegistryValue>& values) override;

private:
    using Change = std::function<void(QList<TRegistryValue>&)>;
    // Replaces the value of that name (in any case), keeping its spelling, or appends it.
    static void Store(QList<TRegistryValue>& values, const TRegistryValue& value);
    bool Update(const Change& change);
    QList<TRegistryValue> ReadFile() const;
    bool Save(const QList<TRegistryValue>& values) const;

    QString filePath_;
    QString keyPath_;
    QList<TRegistryValue> values_;
};
