#include "framework/StreamConvert.h"

#include "framework/Color.h"
#include "framework/Exception.h"
#include "framework/StreamError.h"
#include "framework/StreamProperties.h"

#include <QLocale>
#include <QMetaEnum>
#include <QStringList>
#include <QtEndian>
#include <cmath>
#include <cstring>

namespace {

using Kind = TPublishedProperties::Kind;

constexpr qsizetype kStringChunk = 64;  // characters per written string line
constexpr qsizetype kBinaryChunk = 32;  // bytes per written binary line

TStreamValue Scalar(TStreamValue::Kind kind, const QString& text)
{
    TStreamValue v;
    v.ValueKind = kind;
    v.Text = text;
    return v;
}

QString WrongKind(const QMetaProperty& property, const QString& expected, const TStreamValue& value)
{
    return QStringLiteral("property '%1' expects %2, not %3 %4")
        .arg(QLatin1String(property.name()), expected, value.KindName(), TStreamError::Quote(value.Word()));
}

struct IntegerRange {
    qint64 min;
    qint64 max;
    bool isUnsigned;
};

IntegerRange RangeOf(int typeId)
{
    switch (typeId) {
    case QMetaType::Short: return {INT16_MIN, INT16_MAX, false};
    case QMetaType::UShort: return {0, UINT16_MAX, true};
    case QMetaType::Char:
    case QMetaType::SChar: return {INT8_MIN, INT8_MAX, false};
    case QMetaType::UChar: return {0, UINT8_MAX, true};
    case QMetaType::UInt: return {0, UINT32_MAX, true};
    case QMetaType::Long:
    case QMetaType::LongLong: return {INT64_MIN, INT64_MAX, false};
    case QMetaType::ULong:
    case QMetaType::ULongLong: return {0, INT64_MAX, true};
    default: return {INT32_MIN, INT32_MAX, false};
    }
}

bool IsHex(const TStreamValue& v) { return v.Text.startsWith(QLatin1Char('$')); }

QVariant Converted(qint64 value, const QMetaType& type)
{
    QVariant v(static_cast<qlonglong>(value));
    v.convert(type);
    return v;
}

} // namespace

std::optional<QVariant> TStreamConvert::ToVariant(const QMetaProperty& property, const TStreamValue& value, QString& error)
{
    switch (TPublishedProperties::KindOf(property)) {
    case Kind::Boolean:
        if (value.ValueKind == TStreamValue::Identifier) {
            if (value.Text.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
                return QVariant(true);
            if (value.Text.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
                return QVariant(false);
        }
        error = WrongKind(property, QStringLiteral("True or False"), value);
        return std::nullopt;
    case Kind::Integer: return ToInteger(property, value, error);
    case Kind::Color: {
        if (value.ValueKind == TStreamValue::Identifier) {
            if (const auto c = StringToColor(value.Text))
                return QVariant(int(*c));
            error = QStringLiteral("unknown colour %1 for property '%2'")
                        .arg(TStreamError::Quote(value.Text), QLatin1String(property.name()));
            return std::nullopt;
        }
        if (value.ValueKind == TStreamValue::Integer && value.IntegerValue >= INT32_MIN && value.IntegerValue <= UINT32_MAX)
            return QVariant(int(quint32(value.IntegerValue)));
        error = WrongKind(property, QStringLiteral("a colour"), value);
        return std::nullopt;
    }
    case Kind::Float:
        if (value.ValueKind == TStreamValue::Float || value.ValueKind == TStreamValue::Integer) {
            QVariant v(value.ValueKind == TStreamValue::Float ? value.FloatValue : double(value.IntegerValue));
            v.convert(property.metaType());
            return v;
        }
        error = WrongKind(property, QStringLiteral("a number"), value);
        return std::nullopt;
    case Kind::String:
        if (value.ValueKind == TStreamValue::String)
            return QVariant(value.Text);
        error = WrongKind(property, QStringLiteral("a string"), value);
        return std::nullopt;
    case Kind::Enumeration: return ToEnumeration(property, value, error);
    case Kind::Set: return ToSet(property, value, error);
    case Kind::Binary: return ToBinary(property, value, error);
    case Kind::StringList:
        if (value.ValueKind == TStreamValue::List)
            return ToStringList(value, error);
        error = WrongKind(property, QStringLiteral("a list of strings"), value);
        return std::nullopt;
    default:
        error = QStringLiteral("property '%1' cannot be given a value").arg(QLatin1String(property.name()));
        return std::nullopt;
    }
}

std::optional<QVariant> TStreamConvert::ToInteger(const QMetaProperty& property, const TStreamValue& value, QString& error)
{
    if (value.ValueKind != TStreamValue::Integer) {
        error = WrongKind(property, QStringLiteral("an integer"), value);
        return std::nullopt;
    }
    const IntegerRange range = RangeOf(property.metaType().id());
    qint64 v = value.IntegerValue;
    // $FFFFFFFF written for an unsigned 32-bit property means 4294967295.
    if (range.isUnsigned && IsHex(value) && v < 0 && v >= INT32_MIN && range.max >= UINT32_MAX)
        v += qint64(1) << 32;
    if (v < range.min || v > range.max) {
        error = QStringLiteral("value %1 out of range for property '%2'")
                    .arg(TStreamError::Quote(value.Text), QLatin1String(property.name()));
        return std::nullopt;
    }
    return Converted(v, property.metaType());
}

std::optional<QVariant> TStreamConvert::ToEnumeration(const QMetaProperty& property, const TStreamValue& value, QString& error)
{
    if (value.ValueKind != TStreamValue::Identifier) {
        error = WrongKind(property, QStringLiteral("an enumeration name"), value);
        return std::nullopt;
    }
    const QMetaEnum e = property.enumerator();
    for (int i = 0; i < e.keyCount(); ++i)
        if (value.Text.compare(QLatin1String(e.key(i)), Qt::CaseInsensitive) == 0)
            return QVariant(e.value(i));
    error = QStringLiteral("unknown enumeration name %1 for property '%2'")
                .arg(TStreamError::Quote(value.Text), QLatin1String(property.name()));
    return std::nullopt;
}

std::optional<QVariant> TStreamConvert::ToSet(const QMetaProperty& property, const TStreamValue& value, QString& error)
{
    if (value.ValueKind != TStreamValue::Set) {
        error = WrongKind(property, QStringLiteral("a set [...]"), value);
        return std::nullopt;
    }
    const QMetaEnum e = property.enumerator();
    int bits = 0;
    for (const QString& name : value.Names) {
        int i = 0;
        while (i < e.keyCount() && name.compare(QLatin1String(e.key(i)), Qt::CaseInsensitive) != 0)
            ++i;
        if (i == e.keyCount()) {
            error = QStringLiteral("unknown set element %1 for property '%2'")
                        .arg(TStreamError::Quote(name), QLatin1String(property.name()));
            return std::nullopt;
        }
        bits |= e.value(i);
    }
    return QVariant(bits);
}

// A counted binary holds a 32-bit little-endian byte count, then that many bytes.
std::optional<QVariant> TStreamConvert::ToBinary(const QMetaProperty& property, const TStreamValue& value, QString& error)
{
    if (value.ValueKind != TStreamValue::Binary) {
        error = WrongKind(property, QStringLiteral("binary data {...}"), value);
        return std::nullopt;
    }
    if (!TPublishedProperties::IsCountedBinary(property.enclosingMetaObject(), property))
        return QVariant(value.Bytes);
    const QByteArray& b = value.Bytes;
    if (b.isEmpty()) // {} is an empty value, as declared defaults write it
        return QVariant(QByteArray());
    if (b.size() < 4) {
        error = QStringLiteral("truncated binary data for property '%1': no byte count").arg(QLatin1String(property.name()));
        return std::nullopt;
    }
    const quint32 count = qFromLittleEndian<quint32>(b.constData());
    if (count != quint64(b.size() - 4)) {
        error = QStringLiteral("truncated binary data for property '%1': count %2, %3 bytes present")
                    .arg(QLatin1String(property.name()))
                    .arg(count)
                    .arg(b.size() - 4);
        return std::nullopt;
    }
    return QVariant(b.mid(4));
}

std::optional<QVariant> TStreamConvert::ToStringList(const TStreamValue& value, QString& error)
{
    QStringList list;
    for (const TStreamValue& item : value.Items) {
        if (item.ValueKind != TStreamValue::String) {
            error = QStringLiteral("a list of strings cannot hold %1 %2").arg(item.KindName(), TStreamError::Quote(item.Word()));
            return std::nullopt;
        }
        list.append(item.Text);
    }
    return QVariant(list);
}

qint64 TStreamConvert::EnumInteger(const QVariant& value)
{
    switch (value.metaType().sizeOf()) {
    case 1: return *static_cast<const qint8*>(value.constData());
    case 2: return *static_cast<const qint16*>(value.constData());
    case 4: return *static_cast<const qint32*>(value.constData());
    default: {
        qint64 v = 0;
        std::memcpy(&v, value.constData(), sizeof v);
        return v;
    }
    }
}

TStreamValue TStreamConvert::FromVariant(const QMetaProperty& property, const QVariant& value)
{
    switch (TPublishedProperties::KindOf(property)) {
    case Kind::Boolean: return Scalar(TStreamValue::Identifier, value.toBool() ? QStringLiteral("True") : QStringLiteral("False"));
    case Kind::Integer: {
        TStreamValue v = Scalar(TStreamValue::Integer, QString::number(value.toLongLong()));
        v.IntegerValue = value.toLongLong();
        return v;
    }
    case Kind::Color: {
        const QString text = ColorToString(TColor(value.toInt()));
        return Scalar(text.startsWith(QLatin1Char('$')) ? TStreamValue::Integer : TStreamValue::Identifier, text);
    }
    case Kind::Float: {
        const double d = value.toDouble();
        if (!std::isfinite(d))
            throw Exception(QStringLiteral("Cannot store property %1: the value is not a finite number").arg(QLatin1String(property.name())));
        TStreamValue v = Scalar(TStreamValue::Float, QString::number(d, 'g', QLocale::FloatingPointShortest));
        v.FloatValue = d;
        return v;
    }
    case Kind::String: return Scalar(TStreamValue::String, value.toString());
    case Kind::Enumeration: {
        const qint64 n = value.metaType().id() == QMetaType::Int ? value.toInt() : EnumInteger(value);
        const char* key = property.enumerator().valueToKey(int(n));
        if (!key)
            throw Exception(QStringLiteral("Cannot store property %1: %2 has no name").arg(QLatin1String(property.name())).arg(n));
        return Scalar(TStreamValue::Identifier, QLatin1String(key));
    }
    case Kind::Set: return SetValue(property, value);
    case Kind::Binary: {
        TStreamValue v = Scalar(TStreamValue::Binary, {});
        v.Bytes = value.toByteArray();
        if (TPublishedProperties::IsCountedBinary(property.enclosingMetaObject(), property)) {
            char count[4];
            qToLittleEndian<quint32>(quint32(v.Bytes.size()), count);
            v.Bytes.prepend(count, 4);
        }
        return v;
    }
    case Kind::StringList: {
        TStreamValue v = Scalar(TStreamValue::List, {});
        for (const QString& s : value.toStringList())
            v.Items.push_back(Scalar(TStreamValue::String, s));
        return v;
    }
    default:
        throw Exception(QStringLiteral("Cannot store property %1: its type has no written form").arg(QLatin1String(property.name())));
    }
}

TStreamValue TStreamConvert::SetValue(const QMetaProperty& property, const QVariant& value)
{
    const QMetaEnum e = property.enumerator();
    const qint64 bits = value.metaType().id() == QMetaType::Int ? value.toInt() : EnumInteger(value);
    TStreamValue v = Scalar(TStreamValue::Set, {});
    qint64 covered = 0;
    for (int i = 0; i < e.keyCount(); ++i) {
        const qint64 k = e.value(i);
        // Single-bit elements only; combined keys are shorthands, not elements.
        if (k != 0 && (k & (k - 1)) == 0 && (bits & k) == k) {
            v.Names.append(QLatin1String(e.key(i)));
            covered |= k;
        }
    }
    if (covered != bits)
        throw Exception(QStringLiteral("Cannot store property %1: bits %2 have no names")
                            .arg(QLatin1String(property.name()))
                            .arg(bits & ~covered));
    return v;
}

QString TStreamConvert::Format(const TStreamValue& value, const QString& indent)
{
    const QString inner = indent + QStringLiteral("  ");
    switch (value.ValueKind) {
    case TStreamValue::String: return FormatString(value.Text, inner);
    case TStreamValue::Set: return QLatin1Char('[') + value.Names.join(QStringLiteral(", ")) + QLatin1Char(']');
    case TStreamValue::Binary: return FormatBinary(value.Bytes, inner);
    case TStreamValue::List: {
        QString text = QStringLiteral("(");
        for (const TStreamValue& item : value.Items)
            text += QLatin1Char('\n') + inner + Format(item, inner);
        return text + QLatin1Char(')');
    }
    default: return value.Text;
    }
}

// Printable ASCII goes between quotes ('' for a quote); anything else is a
// #code, so the file stays plain ASCII. Long strings continue with +.
QString TStreamConvert::FormatString(const QString& text, const QString& indent)
{
    if (text.isEmpty())
        return QStringLiteral("''");
    QStringList chunks;
    QString current;
    qsizetype inChunk = 0;
    bool quoted = false;
    const QList<uint> codes = text.toUcs4();
    for (const uint code : codes) {
        if (inChunk >= kStringChunk) {
            if (quoted)
                current += QLatin1Char('\'');
            chunks.append(current);
            current.clear();
            inChunk = 0;
            quoted = false;
        }
        const bool printable = code >= 32 && code < 127;
        if (printable && !quoted)
            current += QLatin1Char('\'');
        else if (!printable && quoted)
            current += QLatin1Char('\'');
        quoted = printable;
        if (!printable)
            current += QLatin1Char('#') + QString::number(code);
        else if (code == '\'')
            current += QStringLiteral("''");
        else
            current += QChar(char16_t(code));
        ++inChunk;
    }
    if (quoted)
        current += QLatin1Char('\'');
    chunks.append(current);
    return chunks.join(QStringLiteral(" +\n") + indent);
}

QString TStreamConvert::FormatBinary(const QByteArray& bytes, const QString& indent)
{
    QString text = QStringLiteral("{");
    for (qsizetype at = 0; at < bytes.size(); at += kBinaryChunk)
        text += QLatin1Char('\n') + indent + QString::fromLatin1(bytes.mid(at, kBinaryChunk).toHex().toUpper());
    return text + QLatin1Char('}');
}
