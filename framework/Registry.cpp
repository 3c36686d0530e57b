#include "framework/Registry.h"

#include "framework/Exception.h"

#include <QtEndian>
#include <cmath>

namespace {

const QDate DayCountEpoch(1899, 12, 30);
constexpr qint64 MsecsPerDay = 86400000;
// 0001-01-01 and the day after 9999-12-31, exclusive bounds.
constexpr double MinDayCount = -693594.0;
constexpr double MaxDayCount = 2958466.0;

[[noreturn]] void InvalidDataType(const QString& name)
{
    throw ERegistryException(QStringLiteral("Invalid data type for '%1'").arg(name));
}

[[noreturn]] void GetDataFailed(const QString& name)
{
    throw ERegistryException(QStringLiteral("Failed to get data for '%1'").arg(name));
}

[[noreturn]] void SetDataFailed(const QString& name)
{
    throw ERegistryException(QStringLiteral("Failed to set data for '%1'").arg(name));
}

} // namespace

TRegistry::TRegistry() : TRegistry(TRegistryBackend::CreateDefault()) {}

TRegistry::TRegistry(std::unique_ptr<TRegistryBackend> backend) : backend_(std::move(backend)) {}

TRegistry::~TRegistry() = default;

bool TRegistry::KeyExists(const QString& path) const { return backend_->KeyExists(path); }

bool TRegistry::OpenKey(const QString& path, bool canCreate)
{
    CloseKey();
    key_ = backend_->OpenKey(path, canCreate);
    return key_ != nullptr;
}

void TRegistry::CloseKey()
{
    deferred_.reset();
    key_.reset();
}

std::optional<TRegistryValue> TRegistry::Find(const QString& name) const
{
    if (!key_)
        return std::nullopt;
    if (deferred_) {
        // The last held write of that name is the one the commit leaves.
        for (auto it = deferred_->crbegin(); it != deferred_->crend(); ++it)
            if (it->Name.compare(name, Qt::CaseInsensitive) == 0)
                return *it;
    }
    return key_->Value(name);
}

bool TRegistry::ValueExists(const QString& name) const { return Find(name).has_value(); }

TRegDataType TRegistry::GetDataType(const QString& name) const
{
    const std::optional<TRegistryValue> value = Find(name);
    if (!value)
        return TRegDataType::rdUnknown;
    switch (value->Type) {
    case RegValueType::String:
        return TRegDataType::rdString;
    case RegValueType::ExpandString:
        return TRegDataType::rdExpandString;
    case RegValueType::Dword:
        return TRegDataType::rdInteger;
    case RegValueType::Binary:
        return TRegDataType::rdBinary;
    default:
        return TRegDataType::rdUnknown;
    }
}

TRegistryValue TRegistry::Get(const QString& name) const
{
    const std::optional<TRegistryValue> value = Find(name);
    if (!value)
        GetDataFailed(name);
    return *value;
}

qint32 TRegistry::ReadInteger(const QString& name) const
{
    const TRegistryValue value = Get(name);
    if (value.Type != RegValueType::Dword || value.Data.size() != 4)
        InvalidDataType(name);
    return TRegistryValue::DecodeDword(value.Data);
}

QString TRegistry::ReadString(const QString& name) const
{
    const TRegistryValue value = Get(name);
    if (value.Type != RegValueType::String && value.Type != RegValueType::ExpandString)
        InvalidDataType(name);
    return TRegistryValue::DecodeString(value.Data);
}

QByteArray TRegistry::ReadBinaryData(const QString& name) const
{
    const TRegistryValue value = Get(name);
    if (value.Type != RegValueType::Binary)
        InvalidDataType(name);
    return value.Data;
}

QDateTime TRegistry::ReadDateTime(const QString& name) const
{
    const QByteArray data = ReadBinaryData(name);
    if (data.size() != sizeof(double))
        InvalidDataType(name);
    const QDateTime value = DayCountToDateTime(qFromLittleEndian<double>(data.constData()));
    if (!value.isValid())
        InvalidDataType(name);
    return value;
}

void TRegistry::Put(const QString& name, quint32 type, const QByteArray& data)
{
    if (key_ && deferred_)
        deferred_->append(TRegistryValue{name, type, data});
    else if (!key_ || !key_->SetValue(TRegistryValue{name, type, data}))
        SetDataFailed(name);
}

void TRegistry::DeferWrites()
{
    if (!deferred_)
        deferred_.emplace();
}

void TRegistry::CommitWrites()
{
    if (!deferred_)
        return;
    const QList<TRegistryValue> values = std::move(*deferred_);
    deferred_.reset();
    // Values are held only while a key is open, and closing it drops them.
    if (!values.isEmpty() && !key_->SetValues(values))
        SetDataFailed(values.front().Name);
}

void TRegistry::WriteInteger(const QString& name, qint32 value)
{
    Put(name, RegValueType::Dword, TRegistryValue::EncodeDword(value));
}

void TRegistry::WriteString(const QString& name, const QString& value)
{
    Put(name, RegValueType::String, TRegistryValue::EncodeString(value));
}

void TRegistry::WriteBinaryData(const QString& name, const QByteArray& value) { Put(name, RegValueType::Binary, value); }

void TRegistry::WriteDateTime(const QString& name, const QDateTime& value)
{
    if (!value.isValid())
        SetDataFailed(name);
    QByteArray data(sizeof(double), '\0');
    qToLittleEndian<double>(DateTimeToDayCount(value), data.data());
    WriteBinaryData(name, data);
}

double DateTimeToDayCount(const QDateTime& value)
{
    const qint64 days = DayCountEpoch.daysTo(value.date());
    const double fraction = double(value.time().msecsSinceStartOfDay()) / MsecsPerDay;
    return days >= 0 ? double(days) + fraction : double(days) - fraction;
}

QDateTime DayCountToDateTime(double dayCount)
{
    if (!std::isfinite(dayCount) || dayCount <= MinDayCount || dayCount >= MaxDayCount)
        return {};
    const double whole = std::trunc(dayCount);
    qint64 msecs = std::llround(std::abs(dayCount - whole) * MsecsPerDay);
    QDate date = DayCountEpoch.addDays(qint64(whole));
    if (msecs >= MsecsPerDay) {
        // Rounded up to midnight: the next day, whichever side of the epoch.
        date = date.addDays(1);
        msecs = 0;
    }
    return QDateTime(date, QTime::fromMSecsSinceStartOfDay(int(msecs)));
}
