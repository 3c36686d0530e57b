#include "framework/StreamTree.h"

QString TStreamValue::Word() const
{
    switch (ValueKind) {
    case Set: return QLatin1Char('[') + Names.join(QStringLiteral(", ")) + QLatin1Char(']');
    case List: return QStringLiteral("(...)");
    case Binary: return QStringLiteral("{...}");
    case Collection: return QStringLiteral("<...>");
    default: return Text;
    }
}

QString TStreamValue::KindName() const
{
    switch (ValueKind) {
    case Integer: return QStringLiteral("an integer");
    case Float: return QStringLiteral("a number");
    case String: return QStringLiteral("a string");
    case Identifier: return QStringLiteral("an identifier");
    case Set: return QStringLiteral("a set");
    case List: return QStringLiteral("a list");
    case Binary: return QStringLiteral("binary data");
    case Collection: return QStringLiteral("a collection");
    }
    return {};
}
