#pragma once
// Generalfunctions: the demo's settings store, one registry key of the
// current user. Each operation opens its own accessor and releases it before
// returning, also when it fails; no key stays open between operations.
//
// Names are compared without regard to case. Kinds: REG_DWORD reads as a
// 32-bit integer, REG_SZ/REG_EXPAND_SZ as text, an 8-byte REG_BINARY as a date
// and time.

#include <QList>
#include <QString>
#include <QVariant>
#include <utility>

// "Software\Brenvik\Quil demo", under the current user.
extern const QString SettingsKeyPath;

// True only if the key exists and holds a value of that name; a missing key is
// not created.
bool RegistryValueExists(const QString& name);

// The value as a variant of the kind its registry type gives. Throws
// ERegistryException "Variable <name> not found in key <path>" when the key or
// the value is missing, "Invalid data type for '<name>'" for a type that has
// no variant kind here (a multi-string, a binary value not 8 bytes long).
void ReadRegistryValue(const QString& name, QVariant& value);

// Writes 16- and 32-bit integers, bytes and booleans (true as -1) as REG_DWORD,
// a date-time (or date) as an 8-byte REG_BINARY day count and text as REG_SZ,
// creating the key if needed. Throws "Invalid data type for '<name>'" for any
// other kind and "Failed to set data for '<name>'" when the store refuses.
void WriteRegistryValue(const QString& name, const QVariant& value);

// Writes the values in their order as WriteRegistryValue would, giving the same
// key text, but in one save of the key: all of them reach the store or none
// (a kind refused or a failing store raises the same errors, and then nothing
// is written).
void WriteRegistryValues(const QList<std::pair<QString, QVariant>>& values);

// The classic variant conversions used by the settings' consumers. Throw
// EVariantError "Could not convert variant of type (<from>) into type (<to>)".
qint32 VariantToInt(const QVariant& value);
bool VariantToBool(const QVariant& value);
