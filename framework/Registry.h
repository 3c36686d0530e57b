#pragma once
// TRegistry: an accessor for the current user's registry keys. One key at a
// time is open; it is closed by CloseKey, by opening another key or when the
// accessor ends. Writes reach the store at once, unless they are deferred:
// then they reach it together, in one save. Value names are compared without
// regard to case and keep the case they were first written with.
//
// Reads and writes of the wrong kind raise ERegistryException with the
// classic texts: "Invalid data type for '<name>'", "Failed to get data for
// '<name>'" (no such value, or no key open), "Failed to set data for '<name>'".

#include "framework/RegistryBackend.h"

#include <QDateTime>
#include <optional>

enum class TRegDataType { rdUnknown, rdString, rdExpandString, rdInteger, rdBinary };

class TRegistry {
public:
    // The current user's store of this platform.
    TRegistry();
    explicit TRegistry(std::unique_ptr<TRegistryBackend> backend);
    ~TRegistry();
    TRegistry(const TRegistry&) = delete;
    TRegistry& operator=(const TRegistry&) = delete;

    // Paths are taken from the current user's root ("Software\Brenvik\Quil demo").
    bool KeyExists(const QString& path) const;
    // Opens the key, creating it when canCreate. False when it is absent (and
    // not to be created) or cannot be created. Throws ERegistryException when
    // the stored key cannot be read.
    bool OpenKey(const QString& path, bool canCreate);
    void CloseKey();
    bool HasCurrentKey() const { return key_ != nullptr; }

    bool ValueExists(const QString& name) const;
    // rdUnknown for an absent value and for types without a reader here (multi-strings).
    TRegDataType GetDataType(const QString& name) const;

    qint32 ReadInteger(const QString& name) const;
    // REG_SZ and REG_EXPAND_SZ (unexpanded).
    QString ReadString(const QString& name) const;
    QByteArray ReadBinaryData(const QString& name) const;
    // An 8-byte binary value holding a day count (see DayCountToDateTime).
    QDateTime ReadDateTime(const QString& name) const;

    void WriteInteger(const QString& name, qint32 value);
    void WriteString(const QString& name, const QString& value);
    void WriteBinaryData(const QString& name, const QByteArray& value);
    void WriteDateTime(const QString& name, const QDateTime& value);

    // Holds back the writes to the open key that follow, until CommitWrites
    // stores them together: one save of the key instead of one per value,
    // with the same guarantees (all of them reach the store, or none). Reads
    // see the held values meanwhile. Closing the key or the accessor without
    // CommitWrites drops them.
    void DeferWrites();
    bool WritesDeferred() const { return deferred_.has_value(); }
    // Stores the held writes and ends deferring. Raises "Failed to set data
    // for '<name>'", naming the first held value, when the store refuses them.
    void CommitWrites();

private:
    std::optional<TRegistryValue> Find(const QString& name) const;
    TRegistryValue Get(const QString& name) const;
    void Put(const QString& name, quint32 type, const QByteArray& data);

    std::unique_ptr<TRegistryBackend> backend_;
    std::unique_ptr<TRegistryKey> key_;
    std::optional<QList<TRegistryValue>> deferred_;
};

// The classic date-time number: days since 1899-12-30 plus the fraction of the
// day; before that day the fraction still counts forward (-1.25 is
// 1899-12-29 06:00). Date and time are taken as they read, without time zone.
double DateTimeToDayCount(const QDateTime& value);
// Invalid for numbers outside the years 1 to 9999, infinities and NaN.
QDateTime DayCountToDateTime(double dayCount);
