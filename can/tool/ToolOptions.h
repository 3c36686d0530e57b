#pragma once
// The command line of quil-can: options, the command and its words, and the
// readers of node addresses and data bytes. Bad input is an Exception whose
// text names the word at fault.

#include "can/CanIdentifier.h"
#include "framework/Exception.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

struct TToolOptions {
    QString Plugin = QStringLiteral("virtualcan");
    QString Interface = QStringLiteral("can0");
    int TimeoutMs = 100;
    bool Verbose = false; // let the CAN plugin's own log through
    QString Command;      // monitor, download, upload, node, help
    QStringList Words;
};

// A command line that names no command, or words the tool does not know:
// the usage helps there, unlike with a wrong value.
class EUsageError : public Exception {
public:
    using Exception::Exception;
};

TToolOptions ParseToolOptions(const QStringList& arguments);
// "CardNr.CardID.ComponentNr.ComponentID", each field within its bits.
CanId::TAddress ParseNodeAddress(const QString& text);
// Bytes in decimal or 0x hex, 0-255 each.
QByteArray ParseDataBytes(const QStringList& words);
QString ToolUsage();
