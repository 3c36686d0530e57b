#include "app/Generalfunctions.h"

#include "framework/Exception.h"
#include "framework/Registry.h"

#include <QDateTime>
#include <cmath>
#include <limits>
#include <optional>

const QString SettingsKeyPath = QStringLiteral("Software\\Brenvik\\Quil demo");

namespace {

// The names under which the classic variant errors know these kinds.
QString ClassicTypeName(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::UnknownType:
        return QStringLiteral("Empty");
    case QMetaType::Nullptr:
        return QStringLiteral("Null");
    case QMetaType::Short:
        return QStringLiteral("Smallint");
    case QMetaType::Int:
        return QStringLiteral("Integer");
    case QMetaType::Float:
        return QStringLiteral("Single");
    case QMetaType::Double:
        return QStringLiteral("Double");
    case QMetaType::QDate:
    case QMetaType::QDateTime:
        return QStringLiteral("Date");
    case QMetaType::Bool:
        return QStringLiteral("Boolean");
    case QMetaType::SChar:
        return QStringLiteral("ShortInt");
    case QMetaType::UChar:
        return QStringLiteral("Byte");
    case QMetaType::UShort:
        return QStringLiteral("Word");
    case QMetaType::UInt:
        return QStringLiteral("LongWord");
    case QMetaType::LongLong:
        return QStringLiteral("Int64");
    case QMetaType::ULongLong:
        return QStringLiteral("UInt64");
    case QMetaType::QString:
        return QStringLiteral("String");
    default:
        return QString::fromLatin1(value.typeName());
    }
}

[[noreturn]] void ConversionFailed(const QVariant& value, const QString& target)
{
    throw EVariantError(QStringLiteral("Could not convert variant of type (%1) into type (%2)")
                            .arg(ClassicTypeName(value), target));
}

bool IsIntegerKind(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::Short:
    case QMetaType::Int:
    case QMetaType::SChar:
    case QMetaType::UChar:
    case QMetaType::UShort:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        return true;
    default:
        return false;
    }
}

bool IsFloatKind(const QVariant& value)
{
    return value.typeId() == QMetaType::Double || value.typeId() == QMetaType::Float;
}

// The number a variant holds, as the classic conversions see it; nullopt if none.
std::optional<double> NumberOf(const QVariant& value)
{
    if (IsIntegerKind(value) || IsFloatKind(value))
        return value.toDouble();
    if (value.typeId() == QMetaType::QDateTime)
        return DateTimeToDayCount(value.toDateTime());
    if (value.typeId() == QMetaType::QDate)
        return DateTimeToDayCount(value.toDate().startOfDay());
    if (value.typeId() != QMetaType::QString)
        return std::nullopt;
    const QString text = value.toString().trimmed();
    bool ok = false;
    const qlonglong integer = text.toLongLong(&ok);
    if (ok)
        return double(integer);
    const double real = text.toDouble(&ok);
    return ok && std::isfinite(real) ? std::optional<double>(real) : std::nullopt;
}

bool IsWritableAsInteger(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::Short:
    case QMetaType::Int:
    case QMetaType::Bool:
    case QMetaType::UChar:
        return true;
    default:
        return false;
    }
}

void CheckWritableKind(const QString& name, const QVariant& value)
{
    const int kind = value.typeId();
    const bool isDate = kind == QMetaType::QDateTime || kind == QMetaType::QDate;
    if (!IsWritableAsInteger(value) && !isDate && kind != QMetaType::QString)
        throw ERegistryException(QStringLiteral("Invalid data type for '%1'").arg(name));
}

// One value of a checked kind to the open key.
void PutValue(TRegistry& registry, const QString& name, const QVariant& value)
{
    const int kind = value.typeId();
    if (IsWritableAsInteger(value))
        registry.WriteInteger(name, VariantToInt(value));
    else if (kind == QMetaType::QDateTime)
        registry.WriteDateTime(name, value.toDateTime());
    else if (kind == QMetaType::QDate)
        registry.WriteDateTime(name, value.toDate().startOfDay());
    else
        registry.WriteString(name, value.toString());
}

} // namespace

bool RegistryValueExists(const QString& name)
{
    TRegistry registry;
    // Asking first keeps a missing key from being created by the open below.
    return registry.KeyExists(SettingsKeyPath) && registry.OpenKey(SettingsKeyPath, true)
        && registry.ValueExists(name);
}

void ReadRegistryValue(const QString& name, QVariant& value)
{
    TRegistry registry;
    if (!registry.OpenKey(SettingsKeyPath, false) || !registry.ValueExists(name))
        throw ERegistryException(QStringLiteral("Variable ") + name + QStringLiteral(" not found in key ") + SettingsKeyPath);
    switch (registry.GetDataType(name)) {
    case TRegDataType::rdInteger:
        value = QVariant(registry.ReadInteger(name));
        break;
    case TRegDataType::rdBinary:
        value = QVariant(registry.ReadDateTime(name));
        break;
    default:
        value = QVariant(registry.ReadString(name));
        break;
    }
}

void WriteRegistryValue(const QString& name, const QVariant& value) { WriteRegistryValues({{name, value}}); }

void WriteRegistryValues(const QList<std::pair<QString, QVariant>>& values)
{
    // A refused kind is found before the key is created or anything is held.
    for (const auto& [name, value] : values)
        CheckWritableKind(name, value);
    TRegistry registry;
    // Not checked: without an open key the commit below reports the failure.
    registry.OpenKey(SettingsKeyPath, true);
    registry.DeferWrites();
    for (const auto& [name, value] : values)
        PutValue(registry, name, value);
    registry.CommitWrites();
}

qint32 VariantToInt(const QVariant& value)
{
    if (value.typeId() == QMetaType::Bool)
        return value.toBool() ? -1 : 0;
    const std::optional<double> number = NumberOf(value);
    // Halves round to even, as the classic conversion does.
    const double rounded = number ? std::nearbyint(*number) : 0.0;
    if (!number || rounded < std::numeric_limits<qint32>::min() || rounded > std::numeric_limits<qint32>::max())
        ConversionFailed(value, QStringLiteral("Integer"));
    return qint32(rounded);
}

bool VariantToBool(const QVariant& value)
{
    if (value.typeId() == QMetaType::Bool)
        return value.toBool();
    if (value.typeId() == QMetaType::QString) {
        const QString text = value.toString().trimmed();
        if (text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
            return true;
        if (text.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
            return false;
    }
    const std::optional<double> number = NumberOf(value);
    if (!number)
        ConversionFailed(value, QStringLiteral("Boolean"));
    return *number != 0.0;
}
