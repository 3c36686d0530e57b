#include "framework/RegistryValue.h"

#include <QtEndian>

QByteArray TRegistryValue::EncodeString(const QString& text)
{
    QByteArray data;
    data.reserve((text.size() + 1) * 2);
    for (QChar c : text) {
        data.append(char(c.unicode() & 0xFF));
        data.append(char(c.unicode() >> 8));
    }
    data.append(2, '\0');
    return data;
}

QString TRegistryValue::DecodeString(const QByteArray& data)
{
    QString text;
    text.reserve(data.size() / 2);
    for (qsizetype i = 0; i + 1 < data.size(); i += 2) {
        const char16_t unit = char16_t(quint8(data[i]) | (quint8(data[i + 1]) << 8));
        if (unit == 0)
            break;
        text.append(QChar(unit));
    }
    return text;
}

QByteArray TRegistryValue::EncodeDword(qint32 value)
{
    QByteArray data(4, '\0');
    qToLittleEndian<qint32>(value, data.data());
    return data;
}

qint32 TRegistryValue::DecodeDword(const QByteArray& data)
{
    return qFromLittleEndian<qint32>(data.constData());
}
