#include "framework/RegistryFileKey.h"

#include "framework/Exception.h"
#include "framework/RegistryFileLock.h"
#include "framework/RegistryTextFormat.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

// Far above any settings key; protects against reading an unrelated huge file.
constexpr qint64 MaxFileSize = 16 * 1024 * 1024;
// Long enough for a slow disk under several writers.
constexpr int LockTimeoutMs = 10000;

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

bool TRegistryFileKey::SetValue(const TRegistryValue& value)
{
    if (!TRegistryTextFormat::IsWritableName(value.Name))
        return false;
    return Update([&value](QList<TRegistryValue>& values) {
        for (TRegistryValue& existing : values) {
            if (existing.Name.compare(value.Name, Qt::CaseInsensitive) == 0) {
                existing.Type = value.Type;
                existing.Data = value.Data;
                return;
            }
        }
        values.append(value);
    });
}

bool TRegistryFileKey::Update(const Change& change)
{
    const TRegistryFileLock lock(QFileInfo(filePath_).path(), LockTimeoutMs);
    if (!lock.IsLocked())
        return false;
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
