#pragma once
// TRegistryValue: one named value of a registry key as the platform keeps it:
// a type code and the raw bytes. Back ends pass these through unchanged, so a
// value of a type this program never writes survives a rewrite of its key.

#include <QByteArray>
#include <QString>

// Registry type codes as stored (not an enum: any code may appear in a key).
namespace RegValueType {
inline constexpr quint32 None = 0;
inline constexpr quint32 String = 1;
inline constexpr quint32 ExpandString = 2;
inline constexpr quint32 Binary = 3;
inline constexpr quint32 Dword = 4;
inline constexpr quint32 MultiString = 7;
} // namespace RegValueType

struct TRegistryValue {
    QString Name;
    quint32 Type = RegValueType::None;
    QByteArray Data;

    // A text as the registry stores it: UTF-16LE with a terminating zero.
    static QByteArray EncodeString(const QString& text);
    // The text up to the first zero character; a trailing odd byte is ignored.
    static QString DecodeString(const QByteArray& data);
    // A 32-bit integer as the registry stores it: four bytes, little-endian.
    static QByteArray EncodeDword(qint32 value);
    // Needs at least four bytes; callers check the size first.
    static qint32 DecodeDword(const QByteArray& data);
};
