#pragma once
// Converts between property values (QVariant, as QMetaProperty reads and
// writes them) and values as a window description writes them, for the
// property kinds of TPublishedProperties (references, records and
// collections are the reader's and writer's business).

#include "framework/StreamTree.h"

#include <QMetaProperty>
#include <QString>
#include <QVariant>
#include <optional>

class TStreamConvert {
public:
    // The value the property takes for the written value, or nullopt with a
    // message naming the offending word in error.
    static std::optional<QVariant> ToVariant(const QMetaProperty& property, const TStreamValue& value, QString& error);
    // The property value as a description writes it. Throws Exception for a
    // value that has no written form (an enumeration value without a name,
    // a number that is not finite).
    static TStreamValue FromVariant(const QMetaProperty& property, const QVariant& value);
    // The text of a value, continuation lines indented by indent + 2.
    static QString Format(const TStreamValue& value, const QString& indent);

private:
    static std::optional<QVariant> ToInteger(const QMetaProperty& property, const TStreamValue& value, QString& error);
    static std::optional<QVariant> ToEnumeration(const QMetaProperty& property, const TStreamValue& value, QString& error);
    static std::optional<QVariant> ToSet(const QMetaProperty& property, const TStreamValue& value, QString& error);
    static std::optional<QVariant> ToBinary(const QMetaProperty& property, const TStreamValue& value, QString& error);
    static std::optional<QVariant> ToStringList(const TStreamValue& value, QString& error);
    static TStreamValue SetValue(const QMetaProperty& property, const QVariant& value);
    static QString FormatString(const QString& text, const QString& indent);
    static QString FormatBinary(const QByteArray& bytes, const QString& indent);
    static qint64 EnumInteger(const QVariant& value);
};
