#pragma once
// The bytes a network master downloads into a node's buffer, as a person
// types them: hex bytes separated by blanks ("00 0a d2").

#include <QByteArray>
#include <QString>

// 1 to TSdoTransfer::MaxBytes bytes; otherwise empty, with error naming the
// first word that is no byte, or saying there are none or too many.
QByteArray ParseSdoBytes(const QString& text, QString& error);
