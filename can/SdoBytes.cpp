#include "can/SdoBytes.h"

#include "can/SdoTransfer.h"

#include <QStringList>

QByteArray ParseSdoBytes(const QString& text, QString& error)
{
    QByteArray bytes;
    const QStringList words = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (qsizetype i = 0; i < words.size(); ++i) {
        bool ok = false;
        const uint value = words[i].toUInt(&ok, 16);
        if (!ok || value > 0xFF || words[i].size() > 2) {
            error = QStringLiteral("byte %1, '%2', is not a hex byte (00 to ff)").arg(i + 1).arg(words[i]);
            return {};
        }
        bytes.append(char(value));
    }
    if (bytes.isEmpty())
        error = QStringLiteral("no bytes to download");
    else if (bytes.size() > TSdoTransfer::MaxBytes)
        error = QStringLiteral("%1 bytes given, the node's buffer holds %2").arg(bytes.size()).arg(TSdoTransfer::MaxBytes);
    return bytes;
}
