#include "framework/RegistryFileKey.h"

#include "framework/Exception.h"
#include "framework/RegistryFileLock.h"
#include "framework/RegistryTextFormat.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

namespace {

// Far above any settings key; protects against reading an unrelated huge file.
constexpr qint64 MaxFileSize = 16 * 1024 * 1024;
// Long enough for a slow disk under several writers.
constexpr int LockTimeoutMs = 10000;

// QSaveFile writes a key file's new text to "<name>.reg.XXXXXX" (six letters
// or digits) beside it and renames that over the key file; a program killed
// in between leaves the temporary file for good. Every save in a folder runs
// under the folder's lock, so whoever holds the lock finds no such file that a
// live writer still uses. No key file can match: theirs end in ".reg".
void RemoveInterruptedSaves(const QString& folder)
{
    static const QRegularExpression debris(QStringLiteral("^.+\\.reg\\.[A-Za-z0-9]{6}$"),
                                           QRegularExpression::CaseInsensitiveOption);
    QDir dir(folder);
    const QStringList files = dir.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : files)
        if (debris.match(name).hasMatch())
            dir.remove(name);
}

} // namespace

TRegistryFileKey::TRegistryFileKey(const QString& filePath, const QString& keyPath)
    : filePath_(filePath), keyPath_(keyPath)
{
}

void TRegistryFileKey::Load() { values_ = ReadFile(); }

bool TRegistryFileKey::Create()
{
    if (QFileInfo::exists(filePath_)) {
        Load();
        return true;
    }
    return Update([](QList<TRegistryValue>&) {});
}

std::optional<TRegistryValue> TRegistryFileKey::Value(const QString& name) const
{
    for (const TRegistryValue& value : values_)
        if (value.Name.compare(name, Qt::CaseInsensitive) == 0)
            return value;
    return std::nullopt;
}

bool TRegistryFileKey::SetValue(const TRegistryValue& value) { return SetValues({value}); }

bool TRegistryFileKey::SetValues(const QList<TRegistryValue>& changes)
{
    for (const TRegistryValue& value : changes)
        if (!TRegistryTextFormat::IsWritableName(value.Name))
            return false;
    return Update([&changes](QList<TRegistryValue>& values) {
        for (const TRegistryValue& value : changes)
            Store(values, value);
    });
}

void TRegistryFileKey::Store(QList<TRegistryValue>& values, const TRegistryValue& value)
{
    for (TRegistryValue& existing : values) {
        if (existing.Name.compare(value.Name, Qt::CaseInsensitive) == 0) {
            existing.Type = value.Type;
            existing.Data = value.Data;
            return;
        }
    }
    values.append(value);
}

bool TRegistryFileKey::Update(const Change& change)
{
    const TRegistryFileLock lock(QFileInfo(filePath_).path(), LockTimeoutMs);
    if (!lock.IsLocked())
        return false;
    RemoveInterruptedSaves(QFileInfo(filePath_).path());
    // Another program may have saved since this key was opened: start from its file.
    QList<TRegistryValue> values = ReadFile();
    change(values);
    if (!Save(values))
        return false;
    values_ = values;
    return true;
}

QList<TRegistryValue> TRegistryFileKey::ReadFile() const
{
    QFile file(filePath_);
    if (!file.exists())
        return {};
    if (!file.open(QIODevice::ReadOnly))
        throw ERegistryException(QStringLiteral("Cannot read registry file %1: %2").arg(filePath_, file.errorString()));
    if (file.size() > MaxFileSize)
        throw ERegistryException(QStringLiteral("Registry file %1 is larger than %2 bytes").arg(filePath_).arg(MaxFileSize));
    return TRegistryTextFormat::Parse(file.readAll(), filePath_, keyPath_);
}

bool TRegistryFileKey::Save(const QList<TRegistryValue>& values) const
{
    QSaveFile file(filePath_);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(TRegistryTextFormat::Format(keyPath_, values));
    return file.commit();
}
